// The listing's line prefixes: rule numbers, block depth dots and the condition words, with the
// statement texts stubbed out so that only the prefix rules are under test.
#include <gtest/gtest.h>

#include "core/listing/listing.h"
#include "core/text/gbk.h"
#include "tests/support/statements.h"

namespace lumio {
namespace {

// "C<kind>" for a condition, "A<kind>" for an action.
std::string stubText(const Statement& statement, const LangContext&) {
    return (statement.isAction ? "A" : "C") + std::to_string(statement.kind());
}

using testing::blockBegin;
using testing::blockEnd;

Statement condition(int kind, int param1 = 1, bool orWithPrevious = false) {
    Statement statement = testing::rawStatement(false, kind, param1);
    statement.orWithPrevious = orWithPrevious;
    return statement;
}

Statement action(int kind, int param1 = 1) { return testing::rawStatement(true, kind, param1); }

std::vector<std::string> listing(std::vector<Statement> statements) {
    ProgramStore store;
    store.statements = std::move(statements);
    store.recomputeDepths();
    std::vector<std::string> lines;
    for (const ListingLine& line : renderListing(store, {}, stubText)) lines.push_back(toUtf8(line.text));
    return lines;
}

using Lines = std::vector<std::string>;

TEST(Listing, PrefixesOfRules) {
    struct Case {
        const char* name;
        std::vector<Statement> statements;
        Lines lines;
    };
    const Case cases[] = {
        {"two AND-ed conditions and an action",
         {condition(1), condition(2), action(1)},
         {"1    如果  C1", "     并且  C2", "     A1"}},
        {"OR flag", {condition(1), condition(2, 1, true), action(1)}, {"1    如果  C1", "     或者  C2", "     A1"}},
        {"a program starting with an action numbers it, the next rule is 2",
         {action(3), condition(1), action(1)},
         {"1    A3", "2    如果  C1", "     A1"}},
        {"loop condition starts a rule with 循环, elsewhere it is joined",
         {condition(16, 3), condition(16, 3), condition(16, 3, true), action(1)},
         {"1    循环  C16", "     并且  C16", "     或者  C16", "     A1"}},
        {"the OR flag of a rule's first condition is not shown",
         {action(1), condition(1, 1, true)},
         {"1    A1", "2    如果  C1"}},
        {"rules inside a block get dots and no number",
         {condition(1), blockBegin(), condition(2), action(2), condition(3), action(3), blockEnd(), condition(4),
          action(4)},
         {"1    如果  C1", "     A12", "     .  如果  C2", "     .  A2", "     .  如果  C3", "     .  A3", "     A12",
          "2    如果  C4", "     A4"}},
        {"two levels",
         {blockBegin(), blockBegin(), action(1), blockEnd(), blockEnd()},
         {"1    A12", "     .  A12", "     .  .  A1", "     .  A12", "     A12"}},
        {"consecutive actions keep one number", {action(1), action(2)}, {"1    A1", "     A2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(listing(c.statements), c.lines);
    }
}

TEST(Listing, RuleNumbersKeepFiveCharactersUntilTheyAreLonger) {
    std::vector<Statement> statements;
    for (int rule = 0; rule < 10000; ++rule) {
        statements.push_back(condition(1));
        statements.push_back(action(1));
    }
    const Lines lines = listing(statements);
    EXPECT_EQ(lines[2 * 8], "9    如果  C1");
    EXPECT_EQ(lines[2 * 9], "10   如果  C1");
    EXPECT_EQ(lines[2 * 99], "100  如果  C1");
    EXPECT_EQ(lines[2 * 999], "1000 如果  C1");
    EXPECT_EQ(lines[2 * 9999], "10000如果  C1");
    EXPECT_EQ(lines[2 * 9999 + 1], "     A1");
}

TEST(Listing, LinesCarryTheStatementColour) {
    ProgramStore store;
    for (std::uint8_t code : {0, 1, 2, 3, 4}) {
        Statement statement = action(1);
        statement.colourCode = code;
        store.insertAfter(kAppend, statement);
    }
    std::vector<std::uint32_t> colours;
    for (const ListingLine& line : renderListing(store, {}, stubText)) colours.push_back(line.colour);
    EXPECT_EQ(colours, (std::vector<std::uint32_t>{0x000000, 0x0000FF, 0x00FF00, 0x000000, 0xFF0000}));
}

TEST(Listing, EmptyStoreHasNoLines) { EXPECT_TRUE(renderListing(ProgramStore{}, {}, stubText).empty()); }

TEST(Listing, OneLineRendersAsInTheWholeListing) {
    ProgramStore store;
    store.statements = {action(1), condition(1), condition(2, 1, true), action(2), blockBegin(), condition(3),
                        action(4), blockEnd(), condition(5), action(6)};
    store.recomputeDepths();
    const std::vector<ListingLine> whole = renderListing(store, {});
    for (size_t i = 0; i < store.count(); ++i) EXPECT_EQ(renderListingLine(store, i, {}), whole[i]) << i;
    EXPECT_EQ(renderListingLine(store, store.count(), {}), ListingLine{});
}

}  // namespace
}  // namespace lumio
