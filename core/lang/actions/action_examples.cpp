#include "core/lang/actions/action_examples.h"

#include <vector>

#include "core/lang/actions/action_table.h"

namespace lumio {

namespace {

using actions::CatalogueText;
using actions::Codes;
using actions::kAny;

struct ExampleRow {
    int kind;
    Codes p1;
    Codes p2;
    std::vector<CatalogueText> entries;
};

const std::vector<ExampleRow>& exampleRows() {
    static const char* const kAddresses = "\"192.168.1.110\",\"255.255.255.0\",\"192.168.1.1\"";
    static const std::vector<ExampleRow> rows{
        {10, 1, 2, {"1,0", "2,1"}},
        {10, 12, {1, 5}, {"PA0", "PB1", "PC2"}},
        {10, 12, 6, {"PA0,PA1", "PA0,PA1 序号可以没有，默认0", "1,PB2,PC3", "2,PB2,PC3"}},
        {10, 12, 7, {"PA0,PA1,PB2,PC3", "PA5,PA6,PB7,PC8 序号可以没有，默认0", "0,PA0,PA1,PB2,PC3", "1,PA5,PA6,PB7,PC8"}},
        {10, 12, {10, 11}, {"1,PA1", "2,PA1 第几路 对应IO几"}},
        {10, 12, 16, {"PA0,PA1,PA2,PB1", "PB0,PB1,PA2,PC1,PC2,PC3"}},
        {10, 14, 1, {kAddresses, kAddresses}},
        {10, 16, 19, {"1,PA0"}},
        {13, 1, kAny, {"(1,2)", "整数0=(1,2)", "整数0=(整数1,整数2)", "整数0=(数组1,数组2)", "数据口1=(1,数组2)"}},
        {19, 7, 1, {"1,1.23", "1,3.45", "1,7.89"}},
        {20, 1, 1, {"0,\"192.168.1.111\",6000"}},
        {20, 1, 2, {"0,\"这是一个示例\""}},
        {20, 1, {3, 4}, {"0,3000"}},
        {20, 2, 1, {"0,\"192.168.1.111\",6010"}},
        {20, 2, 2, {"0,\"这是一个示例\""}},
        {20, 2, 3, {"0"}},
        {20, 3, {1, 2}, {kAddresses, kAddresses}},
        {20, 3, {3, 4}, {"数据口1"}},
        {20, 3, {5, 7}, {"整数0", "全局整数0", "数据口1"}},
        {20, 4, {1, 3}, {"3000", "4001,5002,7000"}},
        {20, 4, {4, 5}, {"6010,数据口1", "6011,数据口2"}},
        {20, 4, {6, 8}, {"6010,整数0", "6012,全局整数1"}},
        {20, 4, 9, {"整数0,\"这是一个字符串示例\"", "全局整数1,\"这是一个字符串示例\""}},
        {20, 4, {10, 12}, {"6010,\"这是一个字符串示例\"", "6011,\"这是一个字符串示例\""}},
        {20, 4, 13, {"6010,\"192.168.1.100\",3000,{01 02 03}", "6010,\"192.168.1.100\",3000,\"这是一个字符串示例\""}},
    };
    return rows;
}

}  // namespace

std::string actionExample(int kind, int p1, int p2, int k) {
    for (const ExampleRow& row : exampleRows()) {
        if (row.kind != kind || !row.p1.contains(p1) || !row.p2.contains(p2)) continue;
        if (k < 1 || static_cast<size_t>(k) > row.entries.size()) return {};
        return row.entries[static_cast<size_t>(k) - 1].gbk;
    }
    return {};
}

std::string actionExample(const Statement& statement, int k) {
    return actionExample(statement.kind(), statement.param1(), statement.param2(), k);
}

}  // namespace lumio
