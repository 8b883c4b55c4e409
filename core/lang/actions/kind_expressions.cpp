// Action kind 12: expressions and blocks. Block begin (12/2) and block end (12/3) set the nesting depth
// of the lines between them.
#include "core/lang/actions/action_kinds.h"

namespace lumio::actions {

const ActionKindTable& expressionTable() {
    static const ActionKindTable table{
        .param1 = names({"表达式计算", "语句块开始:{", "语句块结束:}", "否则,条件翻转"}),
        .param2 = {
            // The thread waits came with threads; the classic build has no threads.
            {1, names({"表达式计算", notInClassic("线程等待等式成立，若多条则并且，用分号(;)间隔"),
                       notInClassic("线程等待等式成立，若多条则或者，用分号(;)间隔")})},
        },
        .texts = {
            text(1, 1, "%s", {T}),
            text(1, 2, "线程等待表达式成立(多则与)：%s", {T}),
            text(1, 3, "线程等待表达式成立(多则或)：%s", {T}),
            text(2, kAny, "{"),
            text(3, kAny, "}"),
            text(4, kAny, "否则"),
        },
    };
    return table;
}

}  // namespace lumio::actions
