#include <gtest/gtest.h>

#include "core/model/program_store.h"
#include "tests/core/model/model_fixtures.h"

namespace lumio {
namespace {

using testing::action;
using testing::blockBegin;
using testing::blockEnd;
using testing::condition;
using testing::markers;
using testing::numberedStore;

std::string depths(const ProgramStore& store) {
    std::string out;
    for (const Statement& statement : store.statements) out += static_cast<char>('0' + statement.depth);
    return out;
}

// 'b' block begin, 'e' block end, 'a' action, 'c' condition
ProgramStore storeOf(std::string_view shape) {
    ProgramStore store;
    for (char c : shape) {
        Statement statement = c == 'b' ? blockBegin() : c == 'e' ? blockEnd() : c == 'c' ? condition(1) : action(1);
        store.insertBefore(store.count(), statement);
    }
    store.recomputeDepths();
    return store;
}

TEST(RecomputeDepths, NestingRules) {
    const std::pair<const char*, const char*> cases[] = {
        {"be", "00"},
        {"bae", "010"},
        {"bcaae", "01110"},
        {"eaa", "000"},          // an end without a begin stays at 0
        {"bbaee", "01210"},
        {"abcbaeae", "00112110"},
        {"baa", "011"},          // unbalanced begin
    };
    for (const auto& [shape, expected] : cases) EXPECT_EQ(depths(storeOf(shape)), expected) << shape;

    // Sixteen nested begins: the sixteenth and everything inside it stand at 15.
    const ProgramStore deep = storeOf(std::string(16, 'b') + "a" + std::string(16, 'e'));
    EXPECT_EQ(deep[15].depth, 15);
    EXPECT_EQ(deep[16].depth, 15);
    EXPECT_EQ(deep[17].depth, 14);  // the first end lowers the level from 15
    EXPECT_EQ(deep[32].depth, 0);
}

TEST(ProgramStore, InsertReplaceRemoveIgnoreOutsideIndices) {
    ProgramStore store = numberedStore(3);
    store.insertAfter(0, action(1, 1, 9));
    EXPECT_EQ(markers(store), "0 9 1 2");
    store.insertAfter(17, action(1, 1, 8));
    EXPECT_EQ(markers(store), "0 9 1 2 8");
    store.insertAfter(kAppend, action(1, 1, 7));
    EXPECT_EQ(markers(store), "0 9 1 2 8 7");
    store.replaceAt(1, action(1, 1, 5));
    store.replaceAt(99, action(1, 1, 6));
    EXPECT_EQ(markers(store), "0 5 1 2 8 7");
    store.removeAt(0);
    store.removeAt(99);
    EXPECT_EQ(markers(store), "5 1 2 8 7");
    store.insertBefore(0, action(1, 1, 4));
    store.insertBefore(store.count(), action(1, 1, 3));
    EXPECT_EQ(markers(store), "4 5 1 2 8 7 3");
}

TEST(ProgramStore, EditsRecomputeDepths) {
    ProgramStore store = storeOf("aaa");
    store.insertAfter(0, blockBegin());
    EXPECT_EQ(depths(store), "0011");
    store.insertAfter(kAppend, blockEnd());
    EXPECT_EQ(depths(store), "00110");
    store.removeAt(1);
    EXPECT_EQ(depths(store), "0000");
    store.replaceAt(0, blockBegin());
    EXPECT_EQ(depths(store), "0110");
}

TEST(ProgramStore, InsertStoreAfter) {
    struct Case {
        int target;
        size_t index;
        const char* expected;
    };
    const Case cases[] = {
        {5, 1, "0 1 100 101 102 2 3 4"},
        {0, 1, "100 101 102"},
        {0, kAppend, "100 101 102"},
        {5, 4, "0 1 2 3 4 100 101 102"},
        {5, 40, "0 1 2 3 4 100 101 102"},
        {2, 0, "0 100 101 102 1"},
    };
    for (const auto& c : cases) {
        ProgramStore store = numberedStore(c.target);
        ProgramStore other;
        for (int i = 0; i < 3; ++i) other.insertAfter(kAppend, action(1, 1, static_cast<std::uint8_t>(100 + i)));
        store.insertStoreAfter(other, c.index);
        EXPECT_EQ(markers(store), c.expected) << c.target << " after " << c.index;
    }
    // Into itself.
    ProgramStore store = numberedStore(2);
    store.insertStoreAfter(store, 0);
    EXPECT_EQ(markers(store), "0 0 1 1");
}

TEST(StoreImage, EmptyStoreHasNoImage) {
    ProgramStore store;
    EXPECT_EQ(store.imageSize(), 0u);
    EXPECT_TRUE(store.image().empty());
}

TEST(StoreImage, LayoutAndRoundTrip) {
    ProgramStore store = storeOf("cbae");
    store.statements[0].comment = "hi";
    store.storeId = 503;
    const Bytes image = store.image();
    ASSERT_EQ(image.size(), store.imageSize());
    EXPECT_EQ(store.imageSize(), 6u + 9 + 7 + 7 + 7);
    EXPECT_EQ(image.substr(0, 6), Bytes("\x00\x00\x00\x24\x01\xF7", 6));
    EXPECT_EQ(image.substr(6, 9), Bytes("\x09\x00\x00\x01\x00\x00\x00" "hi", 9));
    EXPECT_EQ(image.substr(15, 7), Bytes("\x07\x80\x00\x0C\x02\x00\x00", 7));
    EXPECT_EQ(byteAt(image, 23), 0x81);  // the action inside the block at depth 1

    ProgramStore back;
    back.storeId = 9;
    back.readImage(image);
    EXPECT_EQ(back.statements, store.statements);
    EXPECT_EQ(back.storeId, 0);  // readers set the id to 0; the caller assigns it
}

TEST(StoreImage, ReaderRefusesOrStopsOnMalformedImages) {
    const Bytes good = storeOf("aaa").image();
    auto countAfterReading = [](const Bytes& image) {
        ProgramStore store = numberedStore(2);
        store.readImage(image);
        return store.count();
    };
    Bytes zeroLengthRecord = good;
    zeroLengthRecord[13] = 0;  // second record's length byte
    Bytes overrunning = good;
    overrunning[20] = 9;  // last record claims to run past the image end
    Bytes shortLengthField = good;
    shortLengthField[3] = 6;
    Bytes hugeLengthField = good;
    hugeLengthField[1] = 0x04;  // 200000 < length
    Bytes lyingLength = good;
    lyingLength[3] = 100;  // claims more bytes than the buffer holds

    EXPECT_EQ(countAfterReading(good), 3u);
    EXPECT_EQ(countAfterReading(zeroLengthRecord), 1u);
    EXPECT_EQ(countAfterReading(overrunning), 2u);
    EXPECT_EQ(countAfterReading(shortLengthField), 0u);
    EXPECT_EQ(countAfterReading(hugeLengthField), 0u);
    EXPECT_EQ(countAfterReading(lyingLength), 3u);
    EXPECT_EQ(countAfterReading(Bytes("\x00\x00", 2)), 0u);
}

}  // namespace
}  // namespace lumio
