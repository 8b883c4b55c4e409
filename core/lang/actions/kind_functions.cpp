// Action kind 13: calling user functions and system functions, and returning from a function.
#include "core/lang/actions/action_kinds.h"
#include "core/lang/actions/system_functions.h"

namespace lumio::actions {

const ActionKindTable& functionTable() {
    static const ActionKindTable table{
        .param1 = names({"选择用户函数", "函数返回", "指定用户函数", "系统函数", "IIC相关系统函数", "SPI相关系统函数",
                         "脉冲输出相关系统函数", "SD卡相关系统函数", "数学函数", "外部输入", "输出操作", "定时器操作",
                         "字符串操作"}),
        .param2 = {
            {1, numbered("函数", 100, 1, UserNames::Applied)},
            {2, names({"返回表达式", "返回空，直接返回", "跳转到函数开始"})},
            {3, names({"表达式=表达式(表达式,  ...)"})},
            {4, systemFunctionList(4)},
            {5, systemFunctionList(5)},
            {6, systemFunctionList(6)},
            {7, systemFunctionList(7)},
            {8, systemFunctionList(8)},
            {9, systemFunctionList(9)},
            {10, systemFunctionList(10)},
            {11, systemFunctionList(11)},
            {12, systemFunctionList(12)},
            {13, systemFunctionList(13)},
        },
        .texts = {
            text(1, kAny, "%s", {kCall}),
            text(2, 1, "函数返回：%s", {T}),
            text(2, 2, "函数返回"),
            text(2, 3, "跳转到函数开始"),
            text(3, 1, "%s", {kIndexedCall}),
            text({4, 13}, kAny, "%s", {kCall}),
        },
    };
    return table;
}

}  // namespace lumio::actions
