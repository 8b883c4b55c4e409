// Action kinds that drive the board's peripherals: 15 (power-loss storage in the chip's memory or an
// external ferroelectric memory), 17 (files on an SD card), 18 (a dot-matrix LCD) and 19 (universal
// infrared and radio remote transmission, pulse outputs, analog outputs).
#include "core/lang/actions/action_kinds.h"

namespace lumio::actions {

// The chip's own memory is written through a buffer that is saved to a storage sector; the
// ferroelectric memory is written directly. E0 is the value or target, E1 the address inside the buffer
// or the memory.
const ActionKindTable& powerLossStorageTable() {
    static const ActionKindTable table{
        .param1 = names({"芯片内部存储器", "芯片外部铁电存储器"}),
        .param2 = {
            {1, names({
                    "写缓冲区数组 占用空间数组长度+1",     // 1
                    "写缓冲区字节 占用空间1字节",          // 2
                    "写缓冲区整数 占用空间4字节",          // 3
                    "写缓冲区单精浮点数 占用空间4字节",    // 4
                    "写缓冲区双精浮点数 占用空间8字节",    // 5
                    "保存缓冲区到存储扇区",                // 6
                    "从存储扇区读取缓冲区",                // 7
                    "清零缓冲区 所有字节赋值为0",          // 8
                    "读缓冲区 数组",                       // 9
                    "读缓冲区 字节",                       // 10
                    "读缓冲区 整数",                       // 11
                    "读缓冲区 单精度浮点数",               // 12
                    "读缓冲区 双精度浮点数",               // 13
                })},
            {2, names({
                    "写数组 占用空间数组长度+1",     // 1
                    "写字节 占用空间1字节",          // 2
                    "写整数 占用空间4字节",          // 3
                    "写单精浮点数 占用空间4字节",    // 4
                    "写双精浮点数 占用空间8字节",    // 5
                    "读数组",                        // 6
                    "读字节",                        // 7
                    "读整数",                        // 8
                    "读单精度浮点数",                // 9
                    "读双精度浮点数",                // 10
                })},
        },
        .texts = {
            text(1, 1, "写数组 %s 到缓冲区 缓冲区内部地址%s", {E(0), E(1)}),
            text(1, 2, "写字节 %s 到缓冲区 缓冲区内部地址%s", {E(0), E(1)}),
            text(1, 3, "写整数 %s 到缓冲区 缓冲区内部地址%s", {E(0), E(1)}),
            text(1, 4, "写单精度浮点数 %s 到缓冲区 缓冲区内部地址%s", {E(0), E(1)}),
            text(1, 5, "写双精度浮点数 %s 到缓冲区 缓冲区内部地址%s", {E(0), E(1)}),
            text(1, 6, "保存缓冲区到存储扇区%s", {E(0)}),
            text(1, 7, "从存储扇区%s读取缓冲区", {E(0)}),
            text(1, 8, "清零缓冲区"),
            text(1, 9, "%s = 读缓冲区数组 缓冲区内部地址%s", {E(0), E(1)}),
            text(1, 10, "%s = 读缓冲区字节 缓冲区内部地址%s", {E(0), E(1)}),
            text(1, 11, "%s = 读缓冲区整数 缓冲区内部地址%s", {E(0), E(1)}),
            text(1, 12, "%s = 读缓冲区单精度浮点数 缓冲区内部地址%s", {E(0), E(1)}),
            text(1, 13, "%s = 读缓冲区双精度浮点数 缓冲区内部地址%s", {E(0), E(1)}),
            text(2, 1, "写数组 %s 到铁电存储器 内部地址%s", {E(0), E(1)}),
            text(2, 2, "写字节 %s 到铁电存储器 内部地址%s", {E(0), E(1)}),
            text(2, 3, "写整数 %s 到铁电存储器 内部地址%s", {E(0), E(1)}),
            text(2, 4, "写单精度浮点数 %s 到铁电存储器 内部地址%s", {E(0), E(1)}),
            text(2, 5, "写双精度浮点数 %s 铁电存储器内部地址 %s", {E(0), E(1)}),
            text(2, 6, "%s = 读数组 铁电存储器内部地址 %s", {E(0), E(1)}),
            text(2, 7, "%s = 读字节 铁电存储器内部地址%s", {E(0), E(1)}),
            text(2, 8, "%s = 读整数 铁电存储器内部地址%s", {E(0), E(1)}),
            text(2, 9, "%s = 读单精度浮点数 铁电存储器内部地址%s", {E(0), E(1)}),
            text(2, 10, "%s = 读双精度浮点数 铁电存储器内部地址%s", {E(0), E(1)}),
        },
    };
    return table;
}

const ActionKindTable& sdCardTable() {
    static const ActionKindTable table{
        .param1 = names({"打开文件", "关闭文件", "数据流方式读写文件", "Ovrin固定格式读写文件", "标签方式读写文件"}),
        .param2 = {
            {1, names({"只读方式打开", "读写方式打开", "必须打开,如果不存在就新建一个"})},
            {2, names({"保存并关闭文件", "只保存不关闭文件"})},
            {3, names({"固定位置读取N个字节", "固定位置写入N个字节", "设置当前读写位置", "当前位置读取N个字节",
                       "当前位置写入N个字节"})},
            {4, names({"写数组(占空间 数组长度+1)", "写整数(占空间 4字节)", "写浮点数(占空间 8字节)", "读数组", "读整数",
                       "读浮点数"})},
            {5, names({"写数组", "写整数", "写浮点数", "读数组", "读整数", "读浮点数", "写字符串(明码)",
                       "写格式化字符串(明码)", "读字符串(明码)"})},
        },
        .texts = {
            text(1, 1, "只读方式打开文件:%s", {E(0)}),
            text(1, 2, "读写方式打开文件:%s", {E(0)}),
            text(1, 3, "必须打开/创建文件:%s", {E(0)}),
            // Closing ignores parameter 3, whatever the parameter-2 code.
            text(2, kAny, "%s  %s", {P1, P2}),
            text(3, 1, "读SD卡中文件 位置%s 字节数:%s 赋值给:%s", {E(0), E(1), E(2)}),
            text(3, 2, "写SD卡中文件 位置%s 内容%s", {E(0), E(1)}),
            text(3, 3, "设置当前读写位置: %s", {E(0)}),
            text(3, 4, "当前位置读SD卡中文件 字节数:%s 赋值给:%s", {E(0), E(1)}),
            text(3, 5, "当前位置写SD卡中文件 内容%s", {E(0)}),
            text(4, 1, "写文件数组 位置%s 内容 %s", {E(0), E(1)}),
            text(4, 2, "写文件整数 位置%s 内容 %s", {E(0), E(1)}),
            text(4, 3, "写文件浮点数 位置%s 内容 %s", {E(0), E(1)}),
            text(4, 4, "读文件数组 位置%s 赋值给 %s", {E(0), E(1)}),
            text(4, 5, "读文件整数 位置%s 赋值给 %s", {E(0), E(1)}),
            text(4, 6, "读文件浮点数 位置%s 赋值给 %s", {E(0), E(1)}),
            text(5, 1, "写文件数组 标签%s 内容 %s", {E(0), E(1)}),
            text(5, 2, "写文件整数 标签%s 内容 %s", {E(0), E(1)}),
            text(5, 3, "写文件浮点数 标签%s 内容 %s", {E(0), E(1)}),
            text(5, 4, "读文件数组 标签%s 赋值给 %s", {E(0), E(1)}),
            text(5, 5, "读文件整数 标签%s 赋值给 %s", {E(0), E(1)}),
            text(5, 6, "读文件浮点数 标签%s 赋值给 %s", {E(0), E(1)}),
            text(5, 7, "写文件字符串(明码) 标签%s 内容 %s", {E(0), E(1)}),
            text(5, 8, "写文件格式化字符串(明码) 标签%s 内容 %s", {E(0), R(1)}),
            text(5, 9, "读文件字符串 标签%s 赋值给 %s", {E(0), E(1)}),
        },
    };
    return table;
}

const ActionKindTable& lcdDisplayTable() {
    static const ActionKindTable table{
        .param1 = names({"写文字", "画图", "屏幕操作"}),
        .param2 = {
            {1, names({"字母和数字16*8 汉字16*16", "字母和数字8*5 汉字16*16"})},
            {2, names({"画点", "画线", "画圆", "画矩形"})},
            {3, names({"清除屏幕", "自动滚屏", "自动清屏", "停止滚屏/清屏", "手动滚屏", "打开背光", "关闭背光", "设置坐标",
                       "设置字高"})},
        },
        .texts = {
            text(kAny, kAny, "%s %s %s", {P1, P2, T}),
        },
    };
    return table;
}

// For universal-infrared and radio transmission (p1 = 1 and 3) parameter 3 is the code to send, usually a
// byte-array constant in braces learned from a connected board.
const ActionKindTable& otherOutputTable() {
    static const ActionKindTable table{
        .param1 = names({
            "万能红外发射",
            "万能红外参数设置",
            "无线遥控发射",
            "无线遥控参数设置",
            "脉冲输出(调光调速)",
            "脉冲输出(伺服电机)",
            "模拟量输出(0-XX V)",
        }),
        .param2 = {
            {1, numbered("红外发射通道", 32, 1, UserNames::Ignored)},  // 红外发射通道1 .. 红外发射通道32
            {2, names({
                    "万能红外进入对码状态",
                    "将接收到的红外对码信号赋值给表达式",
                    "万能红外退出对码状态",
                    "万能红外按照参数发射",
                    "设置红外芯片地址为设定参数",
                    "设置红外芯片精度为设定参数",
                })},
            {3, numbered("无线发射通道", 32, 1, UserNames::Ignored)},  // 无线发射通道1 .. 无线发射通道32
            {4, names({
                    "无线遥控进入对码状态",
                    "将对码到的无线遥控码赋值给表达式",
                    "无线遥控退出对码状态",
                    "无线遥控人为最快按键间隔(毫秒)",
                    "无线遥控连续接收",
                    "无线遥控禁止连续接收",
                    "无线遥控连续接收延迟(毫秒)",
                    "无线遥控连续接收最快周期(毫秒)",
                    "将无线遥控码赋值给表达式",
                })},
            {5, names({"设置脉冲输出频率", "设置脉冲输出周期（毫秒）", "设置脉冲输出占空比（千分比）"})},
            {6, names({"控制某一路以某频率输出某个数脉冲", "控制某一路的方向为（0或1）", "停止输出"})},
            {7, names({"设置某一路模拟量输出值（浮点数输入）", "模拟量输出校准"})},
        },
        .texts = {
            text(1, kAny, "%s发射红外码: %s", {P2, T}),
            text(2, 4, "通道：%s 发射红外码：%s", {E(0), E(1)}),
            text(3, kAny, "%s发射遥控码: %s", {P2, T}),
            text(6, 1, "脉冲输出%s 以频率%s 输出%s个脉冲", {E(0), E(1), E(2)}),
            text(6, 2, "脉冲输出%s 方向%s", {E(0), E(1)}),
            text(6, 3, "脉冲输出%s 停止", {E(0)}),
            text(6, kAny, ""),
            text(7, 1, "模拟量输出%s = %s V", {E(0), E(1)}),
            text(7, 2, "模拟量输出校准 %s", {R(0)}),
            text(7, kAny, ""),
            // 2/other, 4, 5 and any other parameter 1.
            text(kAny, kAny, "%s  %s", {P2, T}),
        },
    };
    return table;
}

}  // namespace lumio::actions
