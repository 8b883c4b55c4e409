// Action kinds that send data and commands: 11 (send through a data port), 14 (relay-board and Modbus
// protocol commands over a data port), 16 (the internal bus between boards) and 20 (UDP and TCP
// controllers, network parameters, TCP server ports).
#include "core/lang/actions/action_kinds.h"

namespace lumio::actions {

const ActionKindTable& dataPortSendTable() {
    static const ActionKindTable table{
        .param1 = numbered("数据口", 10, 1, UserNames::Applied),
        .param2 = {
            {kAny, names({"发送16进制数据", "发送字符串", "发送表达式", "发送格式化字符串", "发送数据延迟等待"})},
        },
        .texts = {
            text(kAny, 1, "%s发送16进制数据:%s", {P1, T}),
            text(kAny, 2, "%s发送字符串:%s", {P1, T}),
            text(kAny, 3, "%s发送表达式:%s", {P1, T}),
            text(kAny, 4, "%s发送格式化字符串:%s", {P1, T}),
            text(kAny, 5, "%s发送数据延迟等待%s毫秒", {P1, T}),
        },
    };
    return table;
}

// Items of the relay-board commands: E0 the data port, E1 the board address, E2 the line or value.
// Items of the Modbus commands: E0 the data port, E1 the module address, then the register or position
// and the count or value.
const ActionKindTable& protocolCommandTable() {
    static const ActionKindTable table{
        .param1 = names({"Ovrin55协议", "modbus协议"}),
        .param2 = {
            {1, names({
                    "闭合某路联机继电器",                      // 1
                    "断开某路联机继电器",                      // 2
                    "翻转某路联机继电器",                      // 3
                    "点动某路联机继电器",                      // 4
                    "全部闭合联机继电器",                      // 5
                    "全部断开联机继电器",                      // 6
                    "全部翻转联机继电器",                      // 7
                    "发送本机状态",                            // 8
                    "发送公共数据量状态",                      // 9
                    "使用无回码命令（默认）",                  // 10
                    "使用有回码命令",                          // 11
                    "使用协议回码更新本地联机开关量的状态",    // 12
                    "执行协议 并获取回码 (固件版本9或以上)",   // 13
                })},
            {2, names({
                    "功能码01 读取单线圈",                                         // 1
                    "功能码02 读取外部输入",                                       // 2
                    "功能码03 读寄存器",                                           // 3
                    "功能码05 控制单线圈",                                         // 4
                    "功能码06 写寄存器",                                           // 5
                    "执行协议 并获取回码 (固件版本9或以上)",                       // 6
                    "读modbus从机寄存器（通用格式 统一编址 功能码01 02 03）",      // 7
                    "写单个modbus从机寄存器（通用格式 统一编址 功能码05 06）",     // 8
                    "写多个modbus从机寄存器（通用格式 统一编址 功能码15 16）",     // 9
                    "提取modbus从机寄存器（通用格式 统一编址）",                   // 10
                })},
        },
        .texts = {
            text(1, 1, "通过数据口%s 闭合联机继电器 地址%s第%s路", {E(0), E(1), E(2)}),
            text(1, 2, "通过数据口%s 断开联机继电器 地址%s第%s路", {E(0), E(1), E(2)}),
            text(1, 3, "通过数据口%s 翻转联机继电器 地址%s第%s路", {E(0), E(1), E(2)}),
            text(1, 4, "通过数据口%s 点动联机继电器 地址%s第%s路", {E(0), E(1), E(2)}),
            text(1, 5, "通过数据口%s 全部闭合联机继电器 地址%s", {E(0), E(1)}),
            text(1, 6, "通过数据口%s 全部断开联机继电器 地址%s", {E(0), E(1)}),
            text(1, 7, "通过数据口%s 全部翻转联机继电器 地址%s", {E(0), E(1)}),
            text(1, 8, "通过数据口%s 发送本机状态", {E(0)}),
            text(1, 9, "通过数据口%s 发送公共数据量%s 数据源为%s", {E(0), E(1), E(2)}),
            text(1, 10, "操作联机继电器使用无回码命令"),
            text(1, 11, "操作联机继电器使用有回码命令"),
            text(1, 12, "使用协议的回码 %s 更新本地联机开关量 %s 的状态", {E(0), E(1)}),
            text(1, 13, "执行55协议命令 %s 将回码赋值给 %s", {E(0), E(1)}),
            text(2, 1, "数据口%s发送modbus指令 读取单线圈 模块地址%s 起始位置%s 数量%s", {E(0), E(1), E(2), E(3)}),
            text(2, 2, "数据口%s发送modbus指令 读取输入 模块地址%s 起始位置%s 数量%s", {E(0), E(1), E(2), E(3)}),
            text(2, 3, "数据口%s发送modbus指令 读取寄存器 模块地址%s 寄存器地址%s 数量%s", {E(0), E(1), E(2), E(3)}),
            text(2, 4, "数据口%s发送modbus指令 控制单线圈 模块地址%s 位置%s 值%s", {E(0), E(1), E(2), E(3)}),
            text(2, 5, "数据口%s发送modbus指令 写单寄存器 模块地址%s 寄存器地址%s 值%s", {E(0), E(1), E(2), E(3)}),
            text(2, 6, "执行modbus协议命令 %s 将回码赋值给 %s", {E(0), E(1)}),
            text(2, 7, "读modbus从机寄存器 数据口:%s  模块地址:%s 寄存器地址:%s 寄存器数量:%s", {E(0), E(1), E(2), E(3)}),
            text(2, 8, "写单个modbus从机寄存器 数据口:%s  模块地址:%s 寄存器地址:%s 寄存器值:%s", {E(0), E(1), E(2), E(3)}),
            text(2, 9, "写多个modbus从机寄存器 数据口:%s  模块地址:%s 寄存器地址:%s 寄存器数量:%s 寄存器值(数组):%s",
                 {E(0), E(1), E(2), E(3), E(4)}),
            text(2, 10, "提取本机接收到的modbus从机寄存器的值 数据口:%s  模块地址:%s 寄存器地址:%s 的值 赋值给%s ",
                 {E(0), E(1), E(2), E(3)})
                .whenCount({0, 4}),
            text(2, 10,
                 "批量提取本机接收到的modbus从机寄存器的值 数据口:%s  模块地址:%s 寄存器地址:%s 的值 赋值给%s 并且依次顺延数量%s",
                 {E(0), E(1), E(2), E(3), E(4)})
                .whenCount(5),
        },
    };
    return table;
}

const ActionKindTable& internalBusTable() {
    static const ActionKindTable table{
        .param1 = names({
            "广播指向所有地址",
            "固定指向某一地址",
            "设置用于发送数据的本地端口",
            "提取端口数据信息并赋值给表达式",
            "设置 内部总线通信波特率",
        }),
        .param2 = {
            {1, names({"广播发送表达式内容", "广播发送格式化字符串"})},
            {2, names({"固定发送表达式", "固定发送格式化字符串"})},
            {3, numbered("本地端口", 100, 0, UserNames::Ignored)},  // 本地端口0 .. 本地端口99
            {4, names({"提取端口数据包的源地址", "提取端口数据包的源端口", "提取端口数据包内容"})},
            {5, names({"50K", "100K", "200K", "500K", "1M"})},
        },
        .texts = {
            text(1, 1, "广播端口%s 内容:%s", {E(0), E(1)}),
            text(1, 2, "广播端口%s 内容:%s", {E(0), R(1)}),
            text(2, 1, "目标地址%s 端口%s 内容:%s", {E(0), E(1), E(2)}),
            text(2, 2, "目标地址%s 端口%s 内容:%s", {E(0), E(1), R(2)}),
            text(3, kAny, "设置发送数据使用 %s", {P2}),
            text(4, 1, "提取端口%s数据的源地址 并赋值给%s", {E(0), E(1)}),
            text(4, 2, "提取端口%s数据的源端口 并赋值给%s", {E(0), E(1)}),
            text(4, 3, "提取端口%s数据的内容 并赋值给%s", {E(0), E(1)}),
            text(5, kAny, "%s %s", {P1, P2}),
        },
    };
    return table;
}

// E0 is the controller or server port in most texts. 2/3 (disconnect) is missing from the current
// build's list of "TCP控制器" but renders when a loaded program holds it; the classic build offers it.
const ActionKindTable& networkTable() {
    static const ActionKindTable table{
        .param1 = names({"UDP控制器", "TCP控制器", "网络参数", "TCP服务端口"}),
        .param2 = {
            {1, names({
                    "UDP控制器 绑定目标IP和端口",
                    "发送UDP数据",
                    "UDP控制器 绑定本地端口(作为客户端 IP=本机)",
                    "UDP控制器 绑定本地端口(作为服务器 IP=0)",
                })},
            {2, names({"TCP控制器连接目标IP和端口", "发送TCP数据", classicOnly("TCP控制器断开连接")})},
            {3, names({
                    "修改网卡当前参数(静态IP)",
                    "重新设置网卡上电默认参数(静态IP)",
                    "获取网卡网络参数(字符串)",
                    "获取网卡物理地址(字符串)",
                    "获取TCP控制器数量",
                    "获取UDP控制器数量",
                    "获取TCP服务端口数量",
                })},
            {4, names({
                    "打开TCP服务端口",                               // 1
                    "关闭TCP服务端口",                               // 2
                    "关闭本地端口对应的连接",                        // 3
                    "提取TCP服务端口接收到的数据",                   // 4
                    "提取TCP服务端口接收到数据的对方IP（数组）",     // 5
                    "提取TCP服务端口接收到数据的对方IP整数",         // 6
                    "提取TCP服务端口接收到数据的对方端口",           // 7
                    "提取TCP服务端口接收到数据的对方客户端的指针",   // 8
                    "根据指针向客户端发送数据",                      // 9
                    "服务端口提取临时数据的客户端并发送数据",        // 10
                    "服务端口向最近的客户端发送数据",                // 11
                    "服务端口向所有客户端发送数据",                  // 12
                    "服务端口向某一个客户端发送数据(ip,端口)",       // 13
                })},
        },
        .texts = {
            text(1, 1, "设置UDP控制器%s 连接 目标IP%s 目标端口%s", {E(0), E(1), E(2)}),
            text(1, 2, "UDP控制器%s 发送数据：%s", {E(0), E(1)}),
            text(1, 3, "UDP控制器%s 绑定本地端口 %s (作为客户端)", {E(0), E(1)}),
            text(1, 4, "UDP控制器%s 绑定本地端口 %s (作为服务端)", {E(0), E(1)}),
            text(2, 1, "TCP控制器%s 连接 目标IP%s 目标端口%s", {E(0), E(1), E(2)}),
            text(2, 2, "TCP控制器%s 发送数据: %s", {E(0), E(1)}),
            text(2, 3, "TCP控制器%s 断开连接", {E(0)}),
            text(2, from(4), "%s  %s", {P2, T}),
            text(3, 1, "设置网络当前参数 IP:%s 子网掩码:%s 网关:%s", {E(0), E(1), E(2)}),
            text(3, 2, "设置网络上电参数 IP:%s 子网掩码:%s 网关:%s", {E(0), E(1), E(2)}),
            text(3, 3, "获取网络参数 字符串赋值给:%s", {E(0)}),
            text(3, 4, "获取网络物理地址 字符串赋值给:%s", {E(0)}),
            text(3, 5, "%s = TCP控制器数量", {E(0)}),
            text(3, 6, "%s = UDP控制器数量", {E(0)}),
            text(3, 7, "%s = TCP服务端口数量", {E(0)}),
            text(4, 1, "打开TCP服务端口 %s ", {R(0)}),
            text(4, 2, "关闭TCP服务端口 %s ", {R(0)}),
            text(4, 3, "关闭TCP服务端口 %s 对应的连接", {R(0)}),
            text(4, 4, "提取TCP服务端口 %s 接收的数据并赋值给 %s", {E(0), E(1)}),
            text(4, 5, "提取TCP服务端口 %s 接收到数据的对方IP字符串赋值给 %s", {E(0), E(1)}),
            text(4, 6, "提取TCP服务端口 %s 接收到数据的对方IP整数赋值给 %s", {E(0), E(1)}),
            text(4, 7, "提取TCP服务端口 %s 接收到数据的对方端口赋值给 %s", {E(0), E(1)}),
            text(4, 8, "提取TCP服务端口 %s 接收到数据的对方客户端的指针赋值给 %s", {E(0), E(1)}),
            text(4, 9, "根据指针向 %s 客户端发送数据 %s", {E(0), E(1)}),
            text(4, 10, "服务端口 %s 提取临时数据的客户端并发送数据 %s", {E(0), E(1)}),
            text(4, 11, "服务端口 %s 向最近的客户端发送数据 %s", {E(0), E(1)}),
            text(4, 12, "服务端口 %s 向所有客户端发送数据 %s", {E(0), E(1)}),
            text(4, 13, "服务端口 %s 向客户端ip:%s 端口:%s 发送数据 %s", {E(0), E(1), E(2), E(3)}),
            text(from(5), kAny, "%s  %s", {P2, T}),
        },
    };
    return table;
}

}  // namespace lumio::actions
