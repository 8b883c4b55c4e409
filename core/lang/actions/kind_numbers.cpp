// Action kinds 4, 5 (local and global integers) and 6, 7 (local and global floating-point numbers). The
// local and global kinds share their parameter-2 lists and texts; only the variable list differs.
#include "core/lang/actions/action_kinds.h"

namespace lumio::actions {

namespace {

ActionKindTable integerKind(NameList variables) {
    return ActionKindTable{
        .param1 = std::move(variables),
        .param2 = {
            {kAny, names({"赋值(表达式)", "提取字符串中的数字(表达式)", "=16进制字符串转换(表达式)", "=2进制字符串转换(表达式)",
                          "=16进制数组转换 低位在前(表达式)", "=16进制数组转换 高位在前(表达式)", "位赋值",
                          "向外发送10进制字符串", "向外发送16进制字符串", "向外发送2进制字符串",
                          "向外发送16进制数组 低位在前", "向外发送16进制数组 高位在前"})},
        },
        .texts = {
            text(kAny, 1, "%s = %s", {P1, T}),
            text(kAny, 2, "%s = 提取字符串表达式 %s 中的第%s个数字", {P1, E(0), E(1)}),
            text(kAny, 3, "%s =16进制字符串：%s", {P1, T}),
            text(kAny, 4, "%s =2进制字符串：%s", {P1, T}),
            text(kAny, 5, "%s =字节数组转化(低位在前)：%s", {P1, T}),
            text(kAny, 6, "%s =字节数组转化(高位在前)：%s", {P1, T}),
            text(kAny, 7, "%s  位%s = %s", {P1, E(0), E(1)}),
            text(kAny, {8, 12}, "%s通过数据口%s%s", {P1, T, P2}),
        },
    };
}

ActionKindTable floatKind(NameList variables) {
    return ActionKindTable{
        .param1 = std::move(variables),
        .param2 = {
            {kAny, names({"赋值", "提取10进制字符串中的数字 表达式", "单精度4字节转换 低位在前 表达式",
                          "单精度4字节转换 高位在前 表达式", "双精度8字节转换 低位在前 表达式",
                          "双精度8字节转换 高位在前 表达式", "向外发送10进制字符串", "向外发送单精度4字节 低位在前",
                          "向外发送单精度4字节 高位在前", "向外发送双精度8字节 低位在前", "向外发送双精度8字节 高位在前"})},
        },
        .texts = {
            text(kAny, 1, "%s = %s", {P1, T}),
            text(kAny, 2, "%s = 提取字符串表达式 %s 中的第%s个数字", {P1, E(0), E(1)}),
            text(kAny, {3, 6}, "%s = %s: %s", {P1, P2, T}),
            text(kAny, 7, "%s通过数据口%s发送10进制字符串", {P1, T}),
            text(kAny, {8, 11}, "%s通过数据口%s%s", {P1, T, P2}),
        },
    };
}

}  // namespace

const ActionKindTable& integerTable() {
    static const ActionKindTable table = integerKind(numbered("整数", 100, 0, UserNames::Ignored));
    return table;
}

const ActionKindTable& globalIntegerTable() {
    static const ActionKindTable table = integerKind(numbered("全局整数", 100, 0, UserNames::Applied));
    return table;
}

const ActionKindTable& floatTable() {
    static const ActionKindTable table = floatKind(numbered("浮点数", 100, 0, UserNames::Ignored));
    return table;
}

const ActionKindTable& globalFloatTable() {
    static const ActionKindTable table = floatKind(numbered("全局浮点数", 100, 0, UserNames::Applied));
    return table;
}

}  // namespace lumio::actions
