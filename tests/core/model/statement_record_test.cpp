#include <gtest/gtest.h>

#include "core/model/statement.h"
#include "tests/core/model/model_fixtures.h"

namespace lumio {
namespace {

using testing::action;
using testing::condition;

struct RecordLengthCase {
    size_t param3;
    size_t comment;
    size_t length;
    size_t commentKept;
};

TEST(StatementRecord, LengthAndCommentCut) {
    const RecordLengthCase cases[] = {
        {0, 0, 7, 0},      {2, 0, 9, 0},       {243, 50, 250, 0}, {0, 100, 70, 63},
        {0, 300, 70, 63},  {0, 256, 70, 63},   {200, 63, 250, 43}, {180, 63, 250, 63},
        {0, 63, 70, 63},   {10, 62, 79, 62},
    };
    for (const auto& c : cases) {
        Statement statement = action(4, 1, 1);
        ASSERT_TRUE(statement.setParam3(Bytes(c.param3, '\x5A')));
        statement.comment = Bytes(c.comment, 'c');
        const Bytes record = statementRecord(statement);
        EXPECT_EQ(record.size(), c.length) << c.param3 << "/" << c.comment;
        EXPECT_EQ(recordLength(statement), c.length);
        EXPECT_EQ(byteAt(record, 0), c.length);
        const Statement back = readStatementRecord(record);
        EXPECT_EQ(back.comment.size(), c.commentKept);
        EXPECT_EQ(back.param3(), statement.param3());
    }
}

TEST(StatementRecord, ExactBytes) {
    Statement statement = condition(16, 3, 2);
    statement.orWithPrevious = 1;
    statement.depth = 5;
    statement.colourCode = 2;
    statement.setParam3(Bytes("\x01\x02", 2));
    statement.comment = "ab";
    EXPECT_EQ(statementRecord(statement), Bytes("\x0B\x45\x02\x10\x03\x02\x02\x01\x02" "ab", 11));

    Statement deep = action(1);
    deep.depth = 40;  // written as 15
    EXPECT_EQ(byteAt(statementRecord(deep), 1), 0x8F);
}

TEST(StatementRecord, ColourCodeSurvivesAndDerivesColour) {
    const std::pair<std::uint8_t, std::uint32_t> cases[] = {
        {0, 0x000000}, {1, 0x0000FF}, {2, 0x00FF00}, {3, 0x000000}, {4, 0xFF0000}, {5, 0x000000}, {15, 0x000000}};
    for (const auto& [code, colour] : cases) {
        Statement statement = action(1);
        statement.colourCode = code;
        const Statement back = readStatementRecord(statementRecord(statement));
        EXPECT_EQ(back.colourCode, code);
        EXPECT_EQ(back.colour(), colour);
        EXPECT_EQ(statementRecord(back), statementRecord(statement));
    }
}

TEST(StatementRecord, RoundTripKeepsEveryField) {
    Statement statement = condition(2, 7, 9);
    statement.orWithPrevious = 1;
    statement.setParam3(Bytes("\x03\x02\x01", 3));
    statement.comment = "\xC6\xF4\xB6\xAF";  // GBK "启动"
    EXPECT_EQ(readStatementRecord(statementRecord(statement)), statement);
}

TEST(StatementRecord, MalformedRecordsStayInBounds) {
    // Length bytes that promise more than is there, or less than the header.
    const Bytes cases[] = {Bytes(), Bytes("\x00", 1), Bytes("\x01", 1), Bytes("\xFA\x80", 2),
                           Bytes("\x05\x80\x00\x01\x02", 5), Bytes("\x09\x80\x00\x01\x02\xF0\x01", 7)};
    for (const Bytes& record : cases) {
        const Statement statement = readStatementRecord(record);
        EXPECT_LE(statement.comment.size(), record.size());
    }
    // N says 240 but the record ends after two bytes of it: no comment, two bytes kept.
    const Statement cut = readStatementRecord(Bytes("\x09\x80\x00\x01\x02\x03\xF0\x11\x22", 9));
    EXPECT_EQ(cut.param3Length(), 0xF0);
    EXPECT_EQ(cut.data[4], 0x11);
    EXPECT_EQ(cut.data[5], 0x22);
    EXPECT_TRUE(cut.comment.empty());
}

TEST(StatementRecord, SetParam3RefusesWhatARecordCannotKeep) {
    Statement statement = action(4);
    ASSERT_TRUE(statement.setParam3("abc"));
    EXPECT_FALSE(statement.setParam3(Bytes(244, 'x')));
    EXPECT_EQ(statement.param3(), "abc");
    EXPECT_TRUE(statement.setParam3(Bytes(243, 'x')));
    EXPECT_EQ(statement.param3Length(), 243);
}

}  // namespace
}  // namespace lumio
