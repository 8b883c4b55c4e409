// Action kinds 1 (output relays), 2 (timers) and 3 (bit variables).
#include "core/lang/actions/action_kinds.h"

namespace lumio::actions {

const ActionKindTable& outputRelayTable() {
    static const ActionKindTable table{
        .param1 = names({"简单动作", "赋值"}),
        .param2 = {
            {1, names({"闭合某路", "断开某路", "翻转某路", "点动某路", "全部闭合", "全部断开", "全部翻转", "全部点动",
                       "依次闭合全部 (V8或更高版本内核)", "依次断开全部", "依次闭合某几路", "依次断开某几路"})},
            {2, numbered("输出", 100, 1, UserNames::Applied)},
        },
        .texts = {
            text(1, 1, "闭合第 %s 路", {T}),
            text(1, 2, "断开第 %s 路", {T}),
            text(1, 3, "翻转第 %s 路", {T}),
            text(1, 4, "点动输出%s %s毫秒", {E(0), E(1)}),
            text(1, 5, "全部闭合"),
            text(1, 6, "全部断开"),
            text(1, 7, "全部翻转"),
            text(1, 8, "点动全部输出 %s毫秒", {E(0)}),
            text(1, 9, "依次闭合全部输出 间隔500毫秒").whenCount(0),
            text(1, 9, "依次闭合全部输出 间隔%s毫秒", {E(0)}).whenCount(1),
            text(1, 9, "间隔%s毫秒,依次闭合 第%s路 - 第%s路", {E(0), E(1), E(2)}).whenCount(3),
            text(1, 10, "依次断开全部输出 间隔500毫秒").whenCount(0),
            text(1, 10, "依次断开全部输出 间隔%s毫秒", {E(0)}).whenCount(1),
            text(1, 10, "间隔%s毫秒,依次断开 第%s路 - 第%s路", {E(0), E(1), E(2)}).whenCount(3),
            text(1, 11, "间隔%s毫秒 依次闭合第%s路", {E(0), R(1)}),
            text(1, 12, "间隔%s毫秒 依次断开第%s路", {E(0), R(1)}),
            text(2, kAny, "%s = %s", {P2, T}),
        },
        .prefix = "操作输出继电器 ",
    };
    return table;
}

const ActionKindTable& timerTable() {
    static const ActionKindTable table{
        .param1 = numbered("定时器", 100, 0, UserNames::Applied),
        .param2 = {
            {kAny, names({"赋值为参数3", "单位时间加1", "单位时间减1", "暂停计数", "继续计数"})},
        },
        .texts = {
            text(from(101), kAny, ""),
            text(kAny, 1, "%s = %s", {P1, T}),
            text(kAny, kAny, "%s%s", {P1, P2}),
        },
    };
    return table;
}

const ActionKindTable& bitVariableTable() {
    static const ActionKindTable table{
        .param1 = names({"简单动作", "赋值"}),
        .param2 = {
            {1, names({"置0位变量", "置1位变量", "翻转位变量", "点动位变量（部分支持）", "全部置0", "全部置1", "全部翻转"})},
            {2, numbered("位变量", 100, 1, UserNames::Applied)},
        },
        .texts = {
            text(1, 1, "位变量%s = 0", {T}),
            text(1, 2, "位变量%s = 1", {T}),
            text(1, 3, "翻转位变量%s", {T}),
            text(1, 4, "点动位变量%s %s毫秒", {E(0), E(1)}),
            text(1, 5, "位变量全部置0"),
            text(1, 6, "位变量全部置1"),
            text(1, 7, "位变量全部翻转"),
            text(2, kAny, "%s = %s", {P2, E(0)}),
        },
    };
    return table;
}

}  // namespace lumio::actions
