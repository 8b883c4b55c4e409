#include <gtest/gtest.h>

#include "core/editing/store_edit.h"

namespace lumio {
namespace {

// A store of conditions whose param1 numbers them 1, 2, 3, ... so positions can be read back.
ProgramStore numbered(int count, int first = 1) {
    ProgramStore store;
    for (int i = 0; i < count; ++i) {
        Statement statement;
        statement.setKind(1);
        statement.setParam1(static_cast<std::uint8_t>(first + i));
        store.statements.push_back(statement);
    }
    return store;
}

std::vector<int> labels(const ProgramStore& store) {
    std::vector<int> result;
    for (const Statement& statement : store.statements)
        result.push_back(statement.isBlockBegin() ? -1 : statement.isBlockEnd() ? -2 : statement.param1());
    return result;
}

TEST(CopySelection, CopiesSelectedInAscendingOrderAndSkipsOutside) {
    const ProgramStore store = numbered(5);
    ProgramStore clipboard = numbered(2, 50);
    copySelection({4, 1, 9, 1, -1}, store, clipboard);
    EXPECT_EQ(labels(clipboard), (std::vector<int>{2, 5}));
    copySelection({}, store, clipboard);
    EXPECT_TRUE(clipboard.empty());
}

TEST(PasteClipboard, PositionFollowsHighestSelectedLine) {
    struct Case {
        int storeSize;
        int highest;
        size_t lines;
        std::vector<int> expected;
        size_t position;
    };
    const Case cases[] = {
        {3, -1, 3, {7, 8, 1, 2, 3}, 0},  // nothing selected in a non-empty list: at the top
        {3, 2, 3, {1, 2, 3, 7, 8}, 3},   // last line selected: appended
        {3, 0, 3, {1, 7, 8, 2, 3}, 1},
        {0, -1, 0, {7, 8}, 0},           // empty list
        {3, 1, 0, {7, 8, 1, 2, 3}, 0},   // a list without lines pastes at the top
    };
    for (const Case& c : cases) {
        ProgramStore store = numbered(c.storeSize);
        const ProgramStore clipboard = numbered(2, 7);
        const SpanChange change = pasteClipboard(store, clipboard, c.highest, c.lines);
        EXPECT_EQ(labels(store), c.expected) << "highest " << c.highest;
        EXPECT_EQ(change.position, c.position);
        EXPECT_EQ(change.inserted.size(), 2u);
        EXPECT_TRUE(change.removed.empty());
    }
    ProgramStore store = numbered(3);
    EXPECT_TRUE(pasteClipboard(store, ProgramStore{}, 1, 3).empty());
    EXPECT_EQ(store.count(), 3u);
}

TEST(PasteClipboard, FromItselfDoublesTheStore) {
    ProgramStore store = numbered(2);
    pasteClipboard(store, store, 1, 2);
    EXPECT_EQ(labels(store), (std::vector<int>{1, 2, 1, 2}));
}

TEST(DeleteSelection, RemovesSelectedAndReportsSpan) {
    ProgramStore store = numbered(6);
    const SpanChange change = deleteSelection(store, {4, 1, 2, 17});
    EXPECT_EQ(labels(store), (std::vector<int>{1, 4, 6}));
    EXPECT_EQ(change.position, 1u);
    ASSERT_EQ(change.removed.size(), 4u);  // lines 1..4 as they were
    EXPECT_EQ(change.removed[3].param1(), 5);
    ASSERT_EQ(change.inserted.size(), 1u);  // line 3 stayed between them
    EXPECT_EQ(change.inserted[0].param1(), 4);
    EXPECT_TRUE(deleteSelection(store, {}).empty());
    EXPECT_TRUE(deleteAll(store).removed.size() == 3 && store.empty());
}

TEST(DeleteSelection, LineSelectedAfterwards) {
    // Lines 0..2 of 5 leave line 0 selected; lines 3..4 select line 2; the whole store selects none.
    EXPECT_EQ(lineAfterDelete(0, 2), 0);
    EXPECT_EQ(lineAfterDelete(3, 3), 2);
    EXPECT_EQ(lineAfterDelete(0, 0), -1);
}

TEST(InsertBlockPair, PlacesBeginAndEnd) {
    struct Case {
        int storeSize;
        int highest;
        std::vector<int> expected;
        size_t position;
    };
    const Case cases[] = {
        {4, -1, {1, -1, -2, 2, 3, 4}, 1},  // nothing selected: after line 0
        {0, -1, {-1, -2}, 0},
        {4, 3, {1, 2, 3, 4, -1, -2}, 4},
        {4, 0, {1, -1, -2, 2, 3, 4}, 1},
        {1, -1, {1, -1, -2}, 1},
    };
    for (const Case& c : cases) {
        ProgramStore store = numbered(c.storeSize);
        const SpanChange change = insertBlockPair(store, c.highest);
        EXPECT_EQ(labels(store), c.expected) << c.storeSize << " " << c.highest;
        EXPECT_EQ(change.position, c.position);
        EXPECT_EQ(change.inserted.size(), 2u);
    }
    ProgramStore store = numbered(2);
    insertBlockPair(store, 0);
    EXPECT_EQ(store[0].depth, 0);
    EXPECT_EQ(store[1].depth, 0);
    EXPECT_EQ(store[2].depth, 0);
}

TEST(InsertStoreAfter, ImportsContiguously) {
    ProgramStore store = numbered(5);
    SpanChange change = insertStoreAfter(store, numbered(3, 7), 0);
    EXPECT_EQ(labels(store), (std::vector<int>{1, 7, 8, 9, 2, 3, 4, 5}));
    EXPECT_EQ(change.position, 1u);
    ProgramStore empty;
    change = insertStoreAfter(empty, numbered(3, 7), 0);
    EXPECT_EQ(labels(empty), (std::vector<int>{7, 8, 9}));
    EXPECT_EQ(change.position, 0u);
}

TEST(ColourChange, ColoursSelectedLinesOnlyWithinTheirSpan) {
    ProgramStore store = numbered(5);
    store.statements[3].colourCode = 1;
    const SpanChange change = colourChange(store, {3, 1, 9, -1}, 4);
    EXPECT_EQ(change.position, 1u);
    ASSERT_EQ(change.removed.size(), 3u);
    ASSERT_EQ(change.inserted.size(), 3u);
    // Line 2 lies inside the span but was not selected.
    const std::uint8_t codes[] = {4, 0, 4};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(change.inserted[i].colourCode, codes[i]);
        EXPECT_EQ(change.inserted[i].param1(), change.removed[i].param1());
    }
    EXPECT_EQ(change.removed[2].colourCode, 1);
    // Nothing selected, or nothing that would change: no change at all.
    EXPECT_TRUE(colourChange(store, {}, 4).empty());
    EXPECT_TRUE(colourChange(store, {7}, 4).empty());
    EXPECT_TRUE(colourChange(store, {0, 1}, 0).empty());
}

TEST(SpanChange, RevertAndApplyRestoreEitherSide) {
    ProgramStore store = numbered(6);
    const ProgramStore before = store;
    const SpanChange change = deleteSelection(store, {0, 3, 5});
    const ProgramStore after = store;
    revertChange(store, change);
    EXPECT_EQ(store.statements, before.statements);
    applyChange(store, change);
    EXPECT_EQ(store.statements, after.statements);
}

TEST(FindNextLine, WrapsAroundAndMatchesBytes) {
    const std::vector<std::string> lines{"1    alpha", "     beta x", "     gamma x", "2    delta"};
    struct Case {
        std::string text;
        int position;
        int expected;
    };
    const Case cases[] = {
        {"x", -1, 1}, {"x", 1, 2}, {"x", 2, 1},   // after the last match it wraps to the top
        {"alpha", 0, 0},                          // the only match, found again from the top
        {"zeta", -1, -1}, {"zeta", 2, -1},
        {"", -1, 0}, {"", 0, 1}, {"", 3, 0},      // an empty text matches every line
        {"Alpha", -1, -1},                        // case-sensitive
    };
    for (const Case& c : cases) EXPECT_EQ(findNextLine(lines, c.text, c.position), c.expected) << c.text << c.position;
    EXPECT_EQ(findNextLine({}, "", -1), -1);
}

}  // namespace
}  // namespace lumio
