#pragma once
// One line of a controller program (a condition or an action) and its byte form, the StatementRecord.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/text/bytes.h"

namespace lumio {

// Layout of Statement::data: kind, param1, param2, N, then N bytes of param3.
inline constexpr size_t kDataSize = 256;
inline constexpr size_t kParam3Offset = 4;
// The most param3 bytes a StatementRecord keeps (250 - 7).
inline constexpr size_t kMaxParam3 = 243;
inline constexpr size_t kMaxRecordLength = 250;
inline constexpr size_t kMaxRecordComment = 63;
inline constexpr std::uint8_t kMaxDepth = 15;

// Action kind 12 with param1 2 opens a nested block, with param1 3 closes it.
inline constexpr std::uint8_t kBlockActionKind = 12;
inline constexpr std::uint8_t kBlockBeginParam = 2;
inline constexpr std::uint8_t kBlockEndParam = 3;

struct Statement {
    std::uint8_t isAction = 0;        // 0 condition ("输入条件"), 1 action ("输出结果")
    std::uint8_t orWithPrevious = 0;  // condition OR-ed with the one before ("与上条逻辑或")
    std::uint8_t depth = 0;           // block depth 0..15, always recomputed
    std::uint8_t colourCode = 0;      // 0 none, 1 red, 2 green, 4 blue; low 4 bits kept
    std::string comment;              // GBK, any length in memory; 63 bytes survive a record
    std::array<std::uint8_t, kDataSize> data{};

    std::uint8_t kind() const { return data[0]; }
    std::uint8_t param1() const { return data[1]; }
    std::uint8_t param2() const { return data[2]; }
    std::uint8_t param3Length() const { return data[3]; }
    // The param3 bytes as stored (N bytes, never beyond the data area).
    ByteView param3() const;

    void setKind(std::uint8_t value) { data[0] = value; }
    void setParam1(std::uint8_t value) { data[1] = value; }
    void setParam2(std::uint8_t value) { data[2] = value; }
    // Stores bytes as param3 and sets N. Refuses (returns false, changes nothing) when the bytes would
    // not fit the 243 bytes a record keeps.
    bool setParam3(ByteView bytes);

    bool isBlockBegin() const { return isAction == 1 && kind() == kBlockActionKind && param1() == kBlockBeginParam; }
    bool isBlockEnd() const { return isAction == 1 && kind() == kBlockActionKind && param1() == kBlockEndParam; }

    // 0x00BBGGRR display colour derived from colourCode.
    std::uint32_t colour() const;

    friend bool operator==(const Statement&, const Statement&) = default;
};

std::uint32_t colourForCode(std::uint8_t colourCode);

// Length in bytes of the statement's record: min(min(N + 7, 250) + min(comment, 63), 250).
size_t recordLength(const Statement& statement);

// Appends the StatementRecord of `statement` to `out`.
void appendStatementRecord(Bytes& out, const Statement& statement);
Bytes statementRecord(const Statement& statement);

// Reads one record. The first byte gives its length R; only bytes inside both R and `record` are used,
// so a short or malformed record never reads out of bounds.
Statement readStatementRecord(ByteView record);

}  // namespace lumio
