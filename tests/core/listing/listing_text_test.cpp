// Statement text with its comment suffix, the listing with real texts, and the search over statement texts.
#include <gtest/gtest.h>

#include "core/lang/conditions/condition_param.h"
#include "core/listing/find.h"
#include "core/listing/listing.h"
#include "core/text/gbk.h"
#include "tests/support/statements.h"

namespace lumio {
namespace {

Statement statement(bool isAction, int kind, int param1, int param2, const char* comment = "") {
    Statement s = testing::rawStatement(isAction, kind, param1, param2);
    s.comment = toGbk(comment);
    return s;
}

// 0 输入1 闭合 (comment 启动), 1 定时器0 > 100, 2 操作输出继电器 全部闭合, 3 输入2 断开 (comment 停止), 4 {
ProgramStore sample() {
    ProgramStore store;
    store.statements = {statement(false, 1, 1, 2, "启动"), statement(false, 3, 1, 2), statement(true, 1, 1, 5),
                        statement(false, 1, 2, 1, "停止"), statement(true, 12, 2, 0)};
    encodeConditionParam(store.statements[1], "100", {});
    store.recomputeDepths();
    return store;
}

TEST(StatementText, ConditionOrActionTextWithCommentSuffix) {
    const ProgramStore store = sample();
    EXPECT_EQ(toUtf8(statementText(store[0], {})), "输入1 闭合       备注:启动");
    EXPECT_EQ(toUtf8(statementText(store[1], {})), "定时器0 > 100");
    EXPECT_EQ(toUtf8(statementText(store[2], {})), "操作输出继电器 全部闭合");
    // The whole comment is shown, also past the 63 bytes a record keeps.
    Statement longComment = statement(true, 12, 3, 0);
    longComment.comment = std::string(100, 'c');
    EXPECT_EQ(statementText(longComment, {}), "}" + toGbk("       备注:") + std::string(100, 'c'));
}

TEST(Listing, RealTextsAndColours) {
    ProgramStore store = sample();
    store.statements[2].colourCode = 4;
    const std::vector<ListingLine> lines = renderListing(store, {});
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(toUtf8(lines[0].text), "1    如果  输入1 闭合       备注:启动");
    EXPECT_EQ(toUtf8(lines[1].text), "     并且  定时器0 > 100");
    EXPECT_EQ(toUtf8(lines[2].text), "     操作输出继电器 全部闭合");
    EXPECT_EQ(lines[2].colour, 0xFF0000u);
    EXPECT_EQ(toUtf8(lines[3].text), "2    如果  输入2 断开       备注:停止");
    EXPECT_EQ(toUtf8(lines[4].text), "     {");
}

TEST(FindText, SearchesStatementTextsFromTheStart) {
    const ProgramStore store = sample();
    struct Case {
        int start;
        const char* text;
        int found;
    };
    const Case cases[] = {
        {0, "备注", 0},   {1, "备注", 3},   {4, "备注", -1},   {0, "定时器0 >", 1}, {0, "停止", 3},
        {0, "", 0},       {2, "", 2},       {5, "", -1},       {-3, "输入1", 0},    {0, "如果", -1},
        {0, "2    ", -1}, {0, "{", 4},      {0, "输入3", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.start << " «" << c.text << "»");
        EXPECT_EQ(findText(store, c.start, toGbk(c.text), {}), c.found);
    }
}

}  // namespace
}  // namespace lumio
