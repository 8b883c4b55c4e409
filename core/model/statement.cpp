#include "core/model/statement.h"

#include <algorithm>

namespace lumio {

ByteView Statement::param3() const {
    size_t length = std::min<size_t>(param3Length(), kDataSize - kParam3Offset);
    return ByteView(reinterpret_cast<const char*>(data.data()) + kParam3Offset, length);
}

bool Statement::setParam3(ByteView bytes) {
    if (bytes.size() > kMaxParam3) return false;
    std::fill(data.begin() + kParam3Offset, data.end(), 0);
    std::copy(bytes.begin(), bytes.end(), data.begin() + kParam3Offset);
    data[3] = static_cast<std::uint8_t>(bytes.size());
    return true;
}

std::uint32_t colourForCode(std::uint8_t colourCode) {
    switch (colourCode & 0x0F) {
    case 1: return 0x0000FF;
    case 2: return 0x00FF00;
    case 4: return 0xFF0000;
    default: return 0x000000;
    }
}

std::uint32_t Statement::colour() const { return colourForCode(colourCode); }

namespace {
size_t dataEnd(const Statement& statement) { return std::min<size_t>(statement.param3Length() + 7u, kMaxRecordLength); }
}  // namespace

size_t recordLength(const Statement& statement) {
    size_t commentBytes = std::min(statement.comment.size(), kMaxRecordComment);
    return std::min(dataEnd(statement) + commentBytes, kMaxRecordLength);
}

void appendStatementRecord(Bytes& out, const Statement& statement) {
    const size_t end = dataEnd(statement);
    const size_t length = recordLength(statement);
    const std::uint8_t depth = std::min(statement.depth, kMaxDepth);
    out.push_back(static_cast<char>(length));
    out.push_back(static_cast<char>((statement.isAction ? 0x80 : 0) | (statement.orWithPrevious ? 0x40 : 0) | depth));
    out.push_back(static_cast<char>(statement.colourCode));
    for (size_t offset = 3; offset < end; ++offset) out.push_back(static_cast<char>(statement.data[offset - 3]));
    out.append(statement.comment, 0, length - end);
}

Bytes statementRecord(const Statement& statement) {
    Bytes out;
    appendStatementRecord(out, statement);
    return out;
}

Statement readStatementRecord(ByteView record) {
    Statement statement;
    if (record.empty()) return statement;
    const size_t length = std::min<size_t>(byteAt(record, 0), record.size());
    size_t commentFrom = 7;
    for (size_t offset = 1; offset < length; ++offset) {
        const std::uint8_t value = byteAt(record, offset);
        if (offset == 1) {
            statement.isAction = (value >> 7) & 1;
            statement.orWithPrevious = (value >> 6) & 1;
            statement.depth = value & 0x0F;
        } else if (offset == 2) {
            statement.colourCode = value & 0x0F;
        } else if (offset < commentFrom) {
            statement.data[offset - 3] = value;
            if (offset == 6) commentFrom = size_t{value} + 7;
        } else {
            statement.comment.push_back(static_cast<char>(value));
        }
    }
    return statement;
}

}  // namespace lumio
