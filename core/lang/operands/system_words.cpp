#include "core/lang/operands/system_words.h"

#include "core/text/text_table.h"

namespace lumio {
namespace {

// Codes 1..94 in order; the list position is the stored code.
const TextTable& currentWords() {
    static const TextTable words{
        "数据口", "定时器", "整数", "全局整数", "数组", "全局数组", "位变量", "输入", "输出", "红外",  // 1..10
        "PA", "PB", "PC", "PD", "PE", "PF", "PG", "PH", "年", "月",                                   // 11..20
        "日", "星期", "时", "分", "秒", "CAN", "过滤器", "待用1", "待用2", "待用3",                   // 21..30
        "待用4", "待用5", "待用6", "待用7", "待用8", "模拟量输入", "IIC", "SPI", "待用9", "浮点数",   // 31..40
        "全局浮点数", "本机地址", "联机开关量", "UDP", "TCP", "编码器", "模拟量输出", "脉冲计数",     // 41..48
        "函数", "输入断开到闭合",                                                                     // 49..50
        "输入闭合到断开", "翻转输出", "闭合输出", "断开输出", "点动输出", "顺序闭合", "顺序断开",     // 51..57
        "获取数组长度", "提取数组连续字节", "格式化字符串",                                           // 58..60
        "CRC16校验", "和校验", "字符串转为大写", "字符串转为小写", "删除数组", "插入数组", "字节倒序", // 61..67
        "提取字符串中的整数", "提取字符串中的浮点数", "输出断开到闭合",                               // 68..70
        "输出闭合到断开", "芯片唯一ID", "使能MODBUS自由寄存器_已经淘汰",                              // 71..73
        "失能MODBUS自由寄存器_已经淘汰", "MODBUS本机寄存器", "写MODBUS本机寄存器",                    // 74..76
        "联机开关量", "联机断开到闭合", "联机闭合到断开", "顺序翻转",                                 // 77..80
        "位变量0到1跳变", "位变量1到0跳变", "涂鸦状态", "涂鸦路数", "线程启动", "线程暂停",           // 81..86
        "线程停止", "闭合计数", "断开计数", "断开到闭合", "闭合到断开",                               // 87..91
        "MODBUS从机寄存器（待用）", "批量复制", "批量赋值",                                           // 92..94
    };
    return words;
}

// The classic edition's words for codes 73..76; its table ends at code 82.
const TextTable& classicWords73To76() {
    static const TextTable words{"使能MODBUS自由寄存器", "失能MODBUS自由寄存器", "读MODBUS寄存器",
                                 "写MODBUS寄存器"};
    return words;
}

}  // namespace

const std::string& systemWord(int code, Edition edition) {
    if (edition == Edition::Classic) {
        static const std::string empty;
        if (code > kClassicSystemWordCount) return empty;
        if (code >= 73 && code <= 76) return classicWords73To76().name(code - 72);
    }
    return currentWords().name(code);
}

int systemCode(std::string_view word, Edition edition) {
    if (word.empty()) return 0;
    const int last = edition == Edition::Classic ? kClassicSystemWordCount : kSystemWordCount;
    for (int code = 1; code <= last; ++code)
        if (systemWord(code, edition) == word) return code;
    return 0;
}

}  // namespace lumio
