// Action kinds 8 and 9: local and global byte arrays and strings. Both kinds share one table; A is
// "数组" or "全局数组", and where a text starts with A and E0, E0 is the array number typed as the first
// item of parameter 3.
#include "core/lang/actions/action_kinds.h"

namespace lumio::actions {

namespace {

ActionKindTable arrayKind(const char* arrayWord, UserNames userNames) {
    return ActionKindTable{
        .param1 = names({"赋值表达式", "赋值字符串", "赋值16进制输入", "赋值格式化字符串", "无参数简单处理", "增加字节",
                         "删除字节", "=整数转换", "=浮点数转换", "通过数据口发送", "查找和替换", "提取数据/信息"}),
        .param2 = {
            {{1, 4}, numbered(arrayWord, 100, 0, userNames)},
            {5, names({"清空", "字节倒序", "每个字节的前后四位互换", "字符串全部转化为小写", "字符串全部转化为大写",
                       "尾部添加和校验字节", "尾部添加CRC16校验字节", "每个字节的位倒序", "字节转化为16进制编辑字符串",
                       "尾部添加CRC8校验字节", "尾部添加CRC8_MAXIM校验字节"})},
            {6, names({"给定位置插入表达式", "给定位置插入格式化字符串", "头部添加表达式", "尾部添加表达式",
                       "延长数组长度到某一长度"})},
            {7, names({"删除头部多个字节", "删除尾部多个字节", "删除中间多个字节"})},
            {8, names({"10进制字符串", "16进制字符串", "2进制字符串", "16进制数组 低位在前", "16进制数组 高位在前"})},
            {9, names({"10进制字符串", "单精度4字节数组 低位在前", "单精度4字节数组 高位在前", "双精度8字节数组 低位在前",
                       "双精度8字节数组 高位在前"})},
            {10, numbered("数据口", 10, 1, UserNames::Ignored)},
            {11, names({"查找", "替换"})},
            {12, names({"当前字节数 赋值给表达式", "最大允许长度 赋值给表达式", "提取数组某几个元素 赋值表达式",
                        "设置数组长度 不足补0多余删除", "清零数组每一个元素", "直接赋值数组的内容"})},
        },
        .texts = {
            text(1, kAny, "%s = %s", {P2, T}),
            text(2, kAny, "%s = 字符串：%s", {P2, T}),
            text(3, kAny, "%s = 16进制数据：%s", {P2, T}),
            text(4, kAny, "%s = 格式化字符串：%s", {P2, T}),
            text(5, kAny, "%s%s %s", {A, T, P2}),
            text(6, 1, "%s%s 位置%s  插入表达式:%s", {A, E(0), E(1), E(2)}),
            text(6, 2, "%s%s 位置%s  插入格式化字符串:%s", {A, E(0), E(1), R(2)}),
            text(6, 3, "%s%s 头部添加%s ", {A, E(0), E(1)}),
            text(6, 4, "%s%s 尾部添加%s ", {A, E(0), E(1)}),
            text(6, 5, "%s%s 延长数组长度到%s 字节值：%s", {A, E(0), E(1), R(2)}),
            text(7, 1, "%s%s 删除头部%s个字节", {A, E(0), E(1)}),
            text(7, 2, "%s%s 删除尾部%s个字节", {A, E(0), E(1)}),
            text(7, 3, "%s%s 删除中间字节 位置%s 数量%s", {A, E(0), E(1), E(2)}),
            text(8, 1, "%s%s = 作为整数的%s转换成10进制字符串的结果", {A, E(0), E(1)}),
            text(8, 2, "%s%s = 作为整数的%s转换成16进制字符串的结果", {A, E(0), E(1)}),
            text(8, 3, "%s%s = 作为整数的%s转换成2进制字符串的结果", {A, E(0), E(1)}),
            text(8, 4, "%s%s = 作为整数的%s转换成16进制数组(低位在前)", {A, E(0), E(1)}),
            text(8, 5, "%s%s = 作为整数的%s转换成16进制数组(高位在前)", {A, E(0), E(1)}),
            text(9, 1, "%s%s = 作为浮点数的%s转换成10进制字符串的结果", {A, E(0), E(1)}),
            text(9, 2, "%s%s = 作为浮点数的%s转换为单精度4字节(低位在前)", {A, E(0), E(1)}),
            text(9, 3, "%s%s = 作为浮点数的%s转换为单精度4字节(高位在前)", {A, E(0), E(1)}),
            text(9, 4, "%s%s = 作为浮点数的%s转换为双精度8字节(低位在前)", {A, E(0), E(1)}),
            text(9, 5, "%s%s = 作为浮点数的%s转换为双精度8字节(高位在前)", {A, E(0), E(1)}),
            text(10, kAny, "%s%s通过%s发出去", {A, E(0), P2}),
            // A fourth item E3 of 11/1 and 11/2 is stored and sent but not shown.
            text(11, 1, "在 %s%s 中查找%s,位置信息赋值给%s", {A, E(0), E(1), E(2)}),
            text(11, 2, "在 %s%s 中查找%s,并替换为%s", {A, E(0), E(1), E(2)}),
            text(12, 1, "%s%s的字节数 赋值给 %s", {A, E(0), E(1)}),
            text(12, 2, "%s%s的允许的最大长度 赋值给 %s", {A, E(0), E(1)}),
            text(12, 3, "提取%s%s中的元素,位置 %s 数量 %s,赋值给 %s", {A, E(0), E(1), E(2), E(3)}),
            text(12, 4, "设置%s%s的长度为%s,不足补0多余删除", {A, E(0), E(1)}),
            text(12, 5, "清零 %s%s 中所有元素的值，长度不变", {A, E(0)}),
            text(12, 6, "赋值： %s%s = %s", {A, E(0), E(1)}),
        },
        .arrayWord = arrayWord,
    };
}

}  // namespace

const ActionKindTable& arrayTable() {
    static const ActionKindTable table = arrayKind("数组", UserNames::Ignored);
    return table;
}

const ActionKindTable& globalArrayTable() {
    static const ActionKindTable table = arrayKind("全局数组", UserNames::Applied);
    return table;
}

}  // namespace lumio::actions
