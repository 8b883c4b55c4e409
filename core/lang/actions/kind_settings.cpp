// Action kind 10, system settings: inputs, run time, command protocols, data ports, conversion defaults,
// IO pins, clock, network, power-on parameters (valid after a restart), threads and the power-on
// parameters of the universal infrared chip.
//
// The classic build offers the three hidden input settings (1/2..1/4) and names two run-time entries
// differently; it lacks the thread settings, most universal-infrared settings, the later power-on
// entries and the padded number-to-string conversions. Its power-on texts have no "上电设置 " prefix.
#include "core/lang/actions/action_kinds.h"

namespace lumio::actions {

const ActionKindTable& systemSettingsTable() {
    static const ActionKindTable table{
        .param1 = names({
            "输入参数设置",                     // 1
            "系统运行设置",                     // 2
            "使能或者失能控制指令",             // 3
            "通讯波特率设置",                   // 4
            "通讯数据位 校验位 停止位设置",     // 5
            "临时数据包设置",                   // 6
            "表达式转换默认设置",               // 7
            "数组/字符串转整数设置",            // 8
            "整数转数组/字符串设置",            // 9
            "数组/字符串转浮点数设置",          // 10
            "浮点数转数组/字符串设置",          // 11
            "设置单片机IO口",                   // 12
            "设定当前的日期与时间",             // 13
            "网络参数设置",                     // 14
            "数据口参数设置",                   // 15
            "开机启动参数设置(重启有效)",       // 16
            notInClassic("线程设置"),           // 17
            "开机启动红外参数设置(重启有效)",   // 18
        }),
        .param2 = {
            {1, names({
                    "外部输入连击或者长按的时间常数(ms)",
                    classicOnly("高速运行设置 0不使能(默认) 1使能"),
                    classicOnly("将联机开关量映射为本机输入"),
                    classicOnly("将联机开关量映射为本机输入(批量设置)"),
                })},
            {2, names({
                    "程序运行间隔(ms,数字越小越快)",
                    renamedInClassic("线程等待 程序延迟（单位ms）", "程序延迟（单位ms）"),
                    "设置数组边界(允许的最大长度)",
                    "设置全局数组边界(允许的最大长度)",
                    renamedInClassic("程序延迟（所有线程阻塞 慎用，单位ms）", "程序延迟（阻塞，单位ms）"),
                })},
            {3, names({"使能modbus", "失能modbus", "使能55指令", "失能55指令"})},
            {4, numbered("数据口", 10, 1, UserNames::Ignored)},
            {5, names({
                    "8个数据位 无校验 1个停止位",
                    "8个数据位 奇校验 1个停止位",
                    "8个数据位 偶校验 1个停止位",
                    "8个数据位 无校验 2个停止位",
                    "8个数据位 奇校验 2个停止位",
                    "8个数据位 偶校验 2个停止位",
                })},
            {6, names({
                    "数据开头设置（表达式）",
                    "数据结尾设置（表达式）",
                    "字节数设置（表达式）",
                    "临时数据包间隔时间设置（表达式）",
                    "使能临时数据包超时接收",
                    "失能临时数据包超时接收",
                })},
            {7, names({"数组转变量为整数", "数组转变量为浮点数"})},
            {8, names({
                    "数组转整数采用字节数组转换模式",
                    "数组转整数采用字符串转换模式",
                    "字节数组转整数低位字节在前",
                    "字节数组转整数高位字节在前",
                    "字符串转整数采用10进制(默认)",
                    "字符串转整数采用16进制",
                    "字符串转整数采用2进制",
                })},
            {9, names({
                    "整数转数组采用字节数组转换模式",          // 1
                    "整数转数组采用字符串转换模式",            // 2
                    "整数转字节数组低位字节在前",              // 3
                    "整数转字节数组高位字节在前",              // 4
                    "整数转字节数组字节数(默认0 根据需要)",    // 5
                    "整数转字符串采用10进制(默认)",            // 6
                    "整数转字符串采用16进制",                  // 7
                    "整数转字符串采用2进制",                   // 8
                    "整数转字符串场宽(总位数)设置",            // 9
                    notInClassic("整数转字符串场宽不足部分补0"),    // 10
                    notInClassic("整数转字符串场宽不足部分补空格"),  // 11
                })},
            {10, names({
                     "数组转浮点数采用字节数组转换模式",
                     "数组转浮点数采用字符串转换模式",
                     "字节数组转浮点数 单精度4字节 低位在前",
                     "字节数组转浮点数 单精度4字节 高位在前",
                     "字节数组转浮点数 双精度8字节 低位在前",
                     "字节数组转浮点数 双精度8字节 高位在前",
                 })},
            {11, names({
                     "浮点数转数组采用字节数组转换模式",          // 1
                     "浮点数转数组采用字符串转换模式",            // 2
                     "浮点数转字节数组 单精度4字节 低位在前",     // 3
                     "浮点数转字节数组 单精度4字节 高位在前",     // 4
                     "浮点数转字节数组 双精度8字节 低位在前",     // 5
                     "浮点数转字节数组 双精度8字节 高位在前",     // 6
                     "浮点数转字符串场宽(总位数)设置",            // 7
                     "浮点数转字符串小数点位数设置",              // 8
                     notInClassic("浮点数转字符串场宽不足部分补0"),    // 9
                     notInClassic("浮点数转字符串场宽不足部分补空格"),  // 10
                 })},
            {12, names({
                     "设置普通IO推挽输出",                              // 1
                     "设置普通IO上拉输出",                              // 2
                     "设置普通IO悬空输入",                              // 3
                     "设置普通IO上拉输入",                              // 4
                     "设置普通IO下拉输入",                              // 5
                     "设置IIC接口IO(SCL,SDA)",                          // 6
                     "设置SPI接口IO(CS,SCK,DOUT,DIN)",                  // 7
                     "使能脉冲输出接口IO",                              // 8
                     "使能模拟量输入接口IO",                            // 9
                     "设置开关量输入接口IO",                            // 10
                     "设置开关量输出接口IO",                            // 11
                     "设置铁电存储接口IO(FM25CL64 CS,SCK,DOUT,DIN)",    // 12
                     "设置时钟芯片接口IO(DS3231,SCL,SDA)",              // 13
                     "设置SD卡接口IO(CS,SCK,DOUT,DIN,检测引脚)",        // 14
                     "设置SPI外部存储器接口IO(CS,SCK,DOUT,DIN)",        // 15
                     "设置地址更改IO(低位在前)",                        // 16
                 })},
            {13, names({"X年X月X日 星期X X时X分X秒"})},
            {14, names({"设置网卡参数(静态IP)"})},
            {15, names({"设置数据口波特率"})},
            {16, names({
                     "清空所有参数",                                         // 1
                     "保存所有参数",                                         // 2
                     "led指示IO",                                            // 3
                     "时钟芯片IO(SCL,SDA)",                                  // 4
                     "开关量输入路数",                                       // 5
                     "开关量输入IO",                                         // 6
                     "开关量输出路数",                                       // 7
                     "开关量输出IO",                                         // 8
                     "数据口",                                               // 9
                     "数据口指示IO",                                         // 10
                     "编码器",                                               // 11
                     "脉冲计数",                                             // 12
                     "模拟量输入",                                           // 13
                     "模拟量输入校准",                                       // 14
                     "模拟量输出",                                           // 15
                     "模拟量输出校准",                                       // 16
                     "地址IO(拨码开关)",                                     // 17
                     "使能无线遥控接收",                                     // 18
                     "数据口485方向IO",                                      // 19
                     "上电进入等待模式IO",                                   // 20
                     "数码管显示地址系统IO(keyup down rclk sclk en dat)",    // 21
                     "行列式键盘输入IO(有效电平+IO)",                        // 22
                     "行列式键盘输出IO(有效电平+IO)",                        // 23
                     "行列式键盘LED驱动IO(有效电平+IO)",                     // 24
                     "行列式键盘扫描方式（0行扫1列扫）",                     // 25
                     "行列式键盘按键重映射",                                 // 26
                     "涂鸦数据口",                                           // 27
                     "涂鸦按键IO(对码按键)",                                 // 28
                     "涂鸦led指示灯IO(对码闪烁)",                            // 29
                     "涂鸦产品码",                                           // 30
                     "涂鸦io数量",                                           // 31
                     "涂鸦连续操作的间隔时间(ms)",                           // 32
                     "设置全局整数掉电保存",                                 // 33
                     notInClassic("读取所有参数"),                                   // 34
                     notInClassic("系统高频频率(单位khz，默认20，1-100)"),           // 35
                     notInClassic("行列式键盘led亮度级数(亮度分辨颗粒度，1-101)"),   // 36
                     notInClassic("行列式键盘扫描默认亮度(0-100)"),                  // 37
                     notInClassic("行列式键盘映射输入起始序号（默认1）"),            // 38
                     notInClassic("行列式led映射输出起始序号（默认1）"),             // 39
                     notInClassic("使能PWM输出"),                                    // 40
                     notInClassic("输入高频计数使能"),                               // 41
                 })},
            {17, names({notInClassic("启动线程"), notInClassic("暂停线程"), notInClassic("停止线程")})},
            {18, names({
                     notInClassic("万能红外设置数据口"),       // 1
                     notInClassic("万能红外通道数量"),         // 2
                     notInClassic("万能红外通道IO"),           // 3
                     notInClassic("万能红外忙信号IO"),         // 4
                     notInClassic("万能红外发送缓冲区个数"),   // 5
                     notInClassic("万能红外led指示IO"),        // 6
                     notInClassic("万能红外芯片类型代号"),     // 7
                     "万能红外芯片采样精度",                   // 8
                     "万能红外芯片地址",                       // 9
                 })},
        },
        .texts = {
            // 1: inputs. Only 1/1 is offered in the current build; 1/2..1/4 still render when loaded.
            text(1, 1, "输入%s连击或长按的时间常数%s毫秒", {E(0), E(1)}),
            text(1, 2, "输入%s 高速输入(0不使能 1使能) = %s", {E(0), E(1)}),
            text(1, 3, "将联机开关量地址%s 线路%s 映射为本机 输入%s", {E(0), E(1), E(2)}),
            text(1, 4, "将联机开关量地址%s 线路%s 数量%s映射为本机 输入%s 数量%s", {E(0), E(1), E(2), E(3), E(2)}),
            text(1, kAny, ""),
            // 2: run time.
            text(2, 1, "程序运行间隔为%s毫秒", {T}),
            text(2, 2, "线程阻塞等待%s毫秒", {T}).inClassic("程序延时%s毫秒"),
            text(2, 3, "设置数组边界 %s", {T}),
            text(2, 4, "设置全局数组边界 %s", {T}),
            text(2, 5, "系统延时，CPU原地等待并计时%s毫秒", {T}).inClassic("程序延时，CPU原地等待并计时%s毫秒"),
            // 3: the text is the entry's name.
            text(3, kAny, "%s", {P2}),
            // 4, 5: data-port line settings.
            text(4, kAny, "%s波特率设置为%s", {P2, T}),
            text(5, kAny, "数据口%s设置为%s", {T, P2}),
            // 6: temporary data packets.
            text(6, 1, "数据口%s临时数据包开头为%s", {E(0), E(1)}),
            text(6, 2, "数据口%s临时数据包结尾为%s", {E(0), E(1)}),
            text(6, 3, "数据口%s临时数据包字节数为%s", {E(0), E(1)}),
            text(6, 4, "数据口%s临时数据包间隔时间为%s毫秒", {E(0), E(1)}),
            text(6, 5, "使能数据口%s临时数据包超时接收", {E(0)}),
            text(6, 6, "失能数据口%s临时数据包超时接收", {E(0)}),
            text(6, kAny, "%s", {R(0)}),
            // 7..11: conversion defaults, the entry's name except the widths and counts.
            text(9, 5, "整数转字节数组字节数 = %s", {T}),
            text(9, 9, "整数转字符串场宽(总位数) = %s", {T}),
            text(11, 7, "浮点数转字符串场宽(总位数) = %s", {T}),
            text(11, 8, "浮点数转字符串小数点位数 = %s", {T}),
            text({7, 11}, kAny, "%s", {P2}),
            // 12: IO pins.
            text(12, kAny, "%s %s", {P2, T}),
            // 13..15: clock, network, data-port parameters.
            text(13, 1, "校准时间：%s年%s月%s日 星期%s %s时%s分%s秒 ", {E(0), E(1), E(2), E(3), E(4), E(5), E(6)}),
            text(14, 1, "设置网络参数 IP:%s 子网掩码:%s 网关:%s", {E(0), E(1), E(2)}),
            text(15, 1, "设置 数据口[%s] 的波特率为 %s", {E(0), E(1)}),
            text({13, 15}, kAny, ""),
            // 16: power-on parameters; the classic build shows them without the "上电设置 " prefix.
            text(16, 1, "清空上电参数"),
            text(16, 2, "保存上电参数(重启有效)"),
            text(16, 3, "上电设置 设置LED电源指示IO %s", {R(0)}).inClassic("设置LED电源指示IO %s"),
            text(16, 4, "上电设置 设置时钟芯片IO %s", {R(0)}).inClassic("设置时钟芯片IO %s"),
            text(16, 5, "上电设置 设置开关量输入个数 %s", {R(0)}).inClassic("设置开关量输入个数 %s"),
            text(16, 6, "上电设置 设置开关量输入IO %s", {R(0)}).inClassic("设置开关量输入IO %s"),
            text(16, 7, "上电设置 设置开关量输出个数 %s", {R(0)}).inClassic("设置开关量输出个数 %s"),
            text(16, 8, "上电设置 设置开关量输出IO %s", {R(0)}).inClassic("设置开关量输出IO %s"),
            text(16, 9, "上电设置 使能数据口 %s", {R(0)}).inClassic("使能数据口 %s"),
            text(16, 10, "上电设置 使能数据口指示IO %s", {R(0)}).inClassic("使能数据口指示IO %s"),
            text(16, 11, "使能编码器 %s", {R(0)}),
            text(16, 12, "使能脉冲计数 %s", {R(0)}),
            text(16, 13, "使能模拟量输入 %s", {R(0)}),
            text(16, 14, "设置模拟量输入校准 %s", {R(0)}),
            text(16, 15, "使能模拟量输出 %s", {R(0)}),
            text(16, 16, "设置模拟量输出校准 %s", {R(0)}),
            text(16, 17, "上电设置 设置地址IO %s", {R(0)}).inClassic("设置地址IO %s"),
            text(16, 18, "上电设置 使能无线遥控接收 %s", {R(0)}).inClassic("使能无线遥控接收 %s"),
            text(16, 19, "上电设置 数据口%s 485方向控制IO为 %s", {E(0), E(1)}).inClassic("数据口%s 485方向控制IO为 %s"),
            text(16, 20, "上电进入等待模式IO %s", {R(0)}),
            text(16, {21, 32}, "设置上电启动参数 %s %s", {P2, R(0)}),
            text(16, 33, "设置全局整数掉电自动保存 从0开始 前 %s 个全局整数支持掉电保存", {E(0)}).whenCount(1),
            text(16, 33, "设置某几个连续的全局整数支持掉电自动保存 从 %s 开始 到 %s 结束  支持掉电保存", {E(0), E(1)})
                .whenCount(2)
                .inClassic("设置全局整数%s - 全局整数%s 掉电自动保存(需要板载有电池)"),
            text(16, 34, "读取所有参数"),
            text(16, 35, "上电设置 系统高频频率 %s khz", {R(0)}).inClassic("系统高频频率 %s khz"),
            text(16, 36, "上电设置 行列式led亮度等级 一共 %s 级", {R(0)}).inClassic("行列式led亮度等级 一共 %s 级"),
            text(16, 37, "上电设置 行列式led亮度默认 %s %%", {R(0)}).inClassic("行列式led亮度默认 %s %%"),
            text(16, 38, "上电设置 行列式键盘映射输入起始序号 %s ", {R(0)}).inClassic("行列式键盘映射输入起始序号 %s "),
            text(16, 39, "上电设置 行列式led映射输出起始序号 %s %%", {R(0)}).inClassic("行列式led映射输出起始序号 %s %%"),
            text(16, 40, "上电设置 使能PWM输出%s", {R(0)}).inClassic("使能PWM输出%s"),
            text(16, 41, "上电设置 使能输入高频计数%s", {R(0)}).inClassic("使能输入高频计数%s"),
            text(16, kAny, ""),
            // 17: threads. Pause and stop without a thread act on the running thread itself.
            text(17, 1, "输入不合法").whenCount(0),
            text(17, 1, "启动线程%s", {T}).whenCount(1),
            text(17, 2, "暂停本线程").whenCount(0),
            text(17, 2, "暂停线程%s", {T}).whenCount(1),
            text(17, 3, "停止本线程").whenCount(0),
            text(17, 3, "停止线程%s", {T}).whenCount(1),
            text(17, {1, 3}, "输入不合法").whenCount(countFrom(2)),
            text(17, kAny, ""),
            // 18: power-on parameters of the universal infrared chip.
            text(18, 1, "上电设置 万能红外设置数据口：%s", {R(0)}),
            text(18, 2, "上电设置 万能红外通道数量：%s", {R(0)}),
            text(18, 3, "上电设置 万能红外通道IO：%s", {R(0)}),
            text(18, 4, "上电设置 万能红外忙信号IO：%s", {R(0)}),
            text(18, 5, "上电设置 万能红外发送缓冲区个数：%s", {R(0)}),
            text(18, 6, "上电设置 万能红外led指示IO：%s", {R(0)}),
            text(18, 7, "上电设置 万能红外芯片类型代号：%s", {R(0)}),
            text(18, 8, "上电设置 万能红外采样精度：%s", {R(0)}),
            text(18, 9, "上电设置 万能红外芯片地址：%s", {R(0)}),
            text(18, kAny, ""),
            // Any other run-time setting shows the entry's name (empty past the end of its list).
            text(2, kAny, "%s", {P2}),
        },
    };
    return table;
}

}  // namespace lumio::actions
