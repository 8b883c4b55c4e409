#include "core/lang/actions/action_catalogue.h"

#include "core/lang/actions/action_kinds.h"
#include "core/text/text_table.h"

namespace lumio {

namespace {

const TextTable& kindNames() {
    static const TextTable table{
        "输出继电器",                     // 1
        "定时器",                         // 2
        "位变量",                         // 3
        "整数 (局部变量 整型 32位)",      // 4
        "全局整数 (全局变量 整型 32位)",  // 5
        "浮点数 (局部变量 双精度)",       // 6
        "全局浮点数 (全局变量 双精度)",   // 7
        "数组 (局部变量)",                // 8
        "全局数组 (全局变量)",            // 9
        "系统设置",                       // 10
        "数据口发送数据",                 // 11
        "表达式",                         // 12
        "函数处理",                       // 13
        "通讯协议发命令",                 // 14
        "掉电存储",                       // 15
        "内部总线数据处理",               // 16
        "操作SD卡",                       // 17
        "点阵液晶显示",                   // 18
        "其他输出数据",                   // 19
        "网络通讯",                       // 20
    };
    return table;
}

OfferedEntry entryAt(const std::vector<OfferedEntry>& offered, int position) {
    if (position < 1 || static_cast<size_t>(position) > offered.size()) return {};
    return offered[static_cast<size_t>(position) - 1];
}

}  // namespace

std::string actionKindName(int kind) { return kindNames().name(kind); }

std::string actionParam1Name(int kind, int p1, const LangContext& context) {
    const actions::ActionKindTable* table = actions::actionKindTable(kind);
    return table ? table->param1.name(p1, context) : std::string();
}

std::string actionParam2Name(int kind, int p1, int p2, const LangContext& context) {
    const actions::ActionKindTable* table = actions::actionKindTable(kind);
    if (!table || p1 < 1) return {};
    return table->param2List(p1).name(p2, context);
}

std::vector<OfferedEntry> offeredActionKinds() {
    std::vector<OfferedEntry> offered;
    for (int kind = 1; !kindNames().name(kind).empty(); ++kind) offered.push_back({kind, kindNames().name(kind)});
    return offered;
}

std::vector<OfferedEntry> offeredActionParam1(int kind, const LangContext& context) {
    const actions::ActionKindTable* table = actions::actionKindTable(kind);
    return table ? table->param1.offered(context) : std::vector<OfferedEntry>();
}

std::vector<OfferedEntry> offeredActionParam2(int kind, int p1, const LangContext& context) {
    const actions::ActionKindTable* table = actions::actionKindTable(kind);
    if (!table || p1 < 1) return {};
    return table->param2List(p1).offered(context);
}

OfferedEntry actionKindOffered(int position) { return entryAt(offeredActionKinds(), position); }

OfferedEntry actionParam1Offered(int kind, int position, const LangContext& context) {
    return entryAt(offeredActionParam1(kind, context), position);
}

OfferedEntry actionParam2Offered(int kind, int p1, int position, const LangContext& context) {
    return entryAt(offeredActionParam2(kind, p1, context), position);
}

int offeredPosition(const std::vector<OfferedEntry>& offered, int code) {
    for (size_t index = 0; index < offered.size(); ++index)
        if (offered[index].code == code) return static_cast<int>(index) + 1;
    return 0;
}

}  // namespace lumio
