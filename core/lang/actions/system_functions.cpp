#include "core/lang/actions/system_functions.h"

namespace lumio {

namespace actions {

namespace {

const NameList& generalFunctions() {  // family 4 "系统函数"
    static const NameList list = names({"提取数组", "提取数组尾部", "提取长度", "获取芯片唯一识别码"});
    return list;
}

const NameList& iicFunctions() {  // family 5 "IIC相关系统函数"
    static const NameList list = names({"IIC设置IO", "IIC开始", "IIC结束", "IIC写入单字节", "IIC读取单字节",
                                        "IIC写入多字节", "IIC读取多字节", "IIC标准写", "IIC标准读"});
    return list;
}

const NameList& spiFunctions() {  // family 6 "SPI相关系统函数"
    static const NameList list = names({"SPI设置IO", "SPI设置时钟空闲电平", "SPI设置默认控制器序号", "SPI开始", "SPI结束",
                                        "SPI写入单字节", "SPI读取单字节", "SPI写入多字节", "SPI读取多字节", "SPI写入变量",
                                        "SPI读取变量", "SPI标准写", "SPI标准读"});
    return list;
}

const NameList& pulseOutputFunctions() {  // family 7 "脉冲输出相关系统函数"
    static const NameList list = names({"使能脉冲输出", "设置脉冲输出频率", "设置脉冲输出周期", "设置脉冲输出占空百分比",
                                        "设置脉冲输出占空千分比"});
    return list;
}

const NameList& sdCardFunctions() {  // family 8; function 4 keeps its trailing blank
    static const NameList list = names({"打开SD卡文件/只读方式", "打开SD卡文件/读写方式", "打开SD卡文件/若没有就创建",
                                        "保存并关闭文件 ", "保存文件不关闭", "截断文件(删除读写指针后面内容)",
                                        "设置文件读写指针", "设置文件读写指针为文件开头", "设置文件读写指针为文件末尾",
                                        "获取文件长度"});
    return list;
}

const NameList& mathFunctions() {  // family 9
    static const NameList list = names({
        "求平方根",                      // 1
        "求x的y次幂",                    // 2
        "求绝对值",                      // 3
        "求x除以y的余数",                // 4
        "求小数部分",                    // 5
        "求整数部分",                    // 6
        "求以10为底的对数",              // 7
        "求以e为底的对数",               // 8
        "求e的x次幂",                    // 9
        "求浮点数的尾数",                // 10
        "求浮点数的指数",                // 11
        "求正弦",                        // 12
        "求余弦",                        // 13
        "求正切",                        // 14
        "求反正弦",                      // 15
        "求反余弦",                      // 16
        "求反正切 结果介于[-PI/2,PI/2]",  // 17
        "求反正切 结果介于[-PI,PI]",      // 18
        "求双曲正弦",                    // 19
        "求双曲余弦",                    // 20
        "求双曲正切",                    // 21
    });
    return list;
}

const NameList& inputEventFunctions() {  // family 10
    static const NameList list = names({"输入断开到闭合", "输入闭合到断开", "输入翻转", "输入单击", "输入双击", "输入长按",
                                        "输入连续按下多次", "获取输入的数量", "设置输入时间常数（毫秒）",
                                        "获取输入时间常数（毫秒）"});
    return list;
}

const NameList& outputEventFunctions() {  // family 11 "输出操作"
    static const NameList list = names({"检测输出断开到闭合", "检测输出闭合到断开", "检测输出翻转"});
    return list;
}

const NameList& timerFunctions() {  // family 12
    static const NameList list = names({"设置定时器的值", "获取定时器的值", "定时器减到零", "获取定时器数量",
                                        "获取定时器状态", "设置定时器最大值", "获取定时器最大值", "定时器停止定时",
                                        "定时器继续定时", "定时器向上计数", "定时器向下计数"});
    return list;
}

const NameList& stringFunctions() {  // family 13 "字符串操作"
    static const NameList list = names({"去除左侧空格", "去除右侧空格"});
    return list;
}

}  // namespace

const NameList& systemFunctionList(int family) {
    static const NameList none;
    switch (family) {
    case 4: return generalFunctions();
    case 5: return iicFunctions();
    case 6: return spiFunctions();
    case 7: return pulseOutputFunctions();
    case 8: return sdCardFunctions();
    case 9: return mathFunctions();
    case 10: return inputEventFunctions();
    case 11: return outputEventFunctions();
    case 12: return timerFunctions();
    case 13: return stringFunctions();
    default: return none;
    }
}

}  // namespace actions

std::string systemFunctionName(int family, int code) { return actions::systemFunctionList(family).name(code, {}); }
std::string MathFunctionName(int code) { return systemFunctionName(9, code); }
std::string InputEventFunctionName(int code) { return systemFunctionName(10, code); }
std::string SdCardFunctionName(int code) { return systemFunctionName(8, code); }
std::string TimerFunctionName(int code) { return systemFunctionName(12, code); }

}  // namespace lumio
