#include <gtest/gtest.h>

#include <array>

#include "core/editing/store_search.h"
#include "core/text/gbk.h"

namespace lumio {
namespace {

Statement commented(std::string comment) {
    Statement statement;
    statement.isAction = 1;
    statement.setKind(1);
    statement.setParam1(1);
    statement.comment = std::move(comment);
    return statement;
}

// Functions 3 and 7 hold statements; 3: alpha, beta, alpha; 7: beta, beta, alpha.
std::array<ProgramStore, 100> sampleStores() {
    std::array<ProgramStore, 100> stores;
    for (const char* comment : {"alpha", "beta", "alpha"}) stores[2].statements.push_back(commented(comment));
    for (const char* comment : {"beta", "beta", "alpha"}) stores[6].statements.push_back(commented(comment));
    return stores;
}

const LangContext context{Edition::Current, nullptr};

TEST(FindAcrossStores, ContinuesAfterEachMatchThenStartsOverAtStoreOne) {
    const auto stores = sampleStores();
    struct Case {
        StoreSearchPosition from;
        bool found;
        StoreSearchPosition to;
    };
    const Case cases[] = {
        {{1, -1}, true, {3, 0}},   // first match from the top
        {{3, 0}, true, {3, 2}},    // the next press continues on the line after the match
        {{3, 2}, true, {7, 2}},    // then in the following stores
        {{7, 2}, false, {1, -1}},  // after the last match: one press without result, back to store 1
        {{5, -1}, true, {7, 2}},   // a search that starts further down does not look back
        {{8, -1}, false, {1, -1}},
        {{0, 4}, true, {3, 0}},    // positions outside the stores start at the top of store 1
        {{101, -1}, true, {3, 0}},
    };
    for (const Case& c : cases) {
        const StoreSearchResult result = findAcrossStores(stores, c.from, "alpha", context);
        EXPECT_EQ(result.found, c.found) << c.from.store << "/" << c.from.line;
        EXPECT_EQ(result.position, c.to) << c.from.store << "/" << c.from.line;
    }
}

TEST(FindAcrossStores, MatchesStatementTextOnlyAsGbkBytes) {
    std::array<ProgramStore, 100> stores;
    Statement first;  // a condition at the start of a rule: its listing line reads "1    如果  ..."
    first.setKind(1);
    first.setParam1(1);
    stores[0].statements.push_back(first);
    stores[1].statements.push_back(commented(toGbk("温度报警")));

    EXPECT_FALSE(findAcrossStores(stores, {}, toGbk("如果"), context).found);
    EXPECT_FALSE(findAcrossStores(stores, {}, "1    ", context).found);
    const StoreSearchResult named = findAcrossStores(stores, {}, toGbk("报警"), context);
    EXPECT_TRUE(named.found);
    EXPECT_EQ(named.position, (StoreSearchPosition{2, 0}));
    // The comment is part of the text searched, behind its marker.
    EXPECT_EQ(findAcrossStores(stores, {}, toGbk("备注:温度"), context).position, (StoreSearchPosition{2, 0}));
}

TEST(FindAcrossStores, EmptyTextMatchesEveryStatementInTurn) {
    const auto stores = sampleStores();
    StoreSearchPosition position;
    std::vector<StoreSearchPosition> visited;
    for (int press = 0; press < 7; ++press) {
        const StoreSearchResult result = findAcrossStores(stores, position, "", context);
        if (result.found) visited.push_back(result.position);
        position = result.position;
    }
    const std::vector<StoreSearchPosition> expected{{3, 0}, {3, 1}, {3, 2}, {7, 0}, {7, 1}, {7, 2}};
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(position, (StoreSearchPosition{1, -1}));
}

TEST(FindAcrossStores, NoStoresFindsNothing) {
    EXPECT_FALSE(findAcrossStores({}, {}, "", context).found);
}

}  // namespace
}  // namespace lumio
