#include "core/model/program_store.h"

#include <algorithm>

namespace lumio {

void ProgramStore::insertAfter(size_t index, Statement statement) {
    if (!statements.empty() && index < statements.size())
        statements.insert(statements.begin() + static_cast<std::ptrdiff_t>(index) + 1, std::move(statement));
    else
        statements.push_back(std::move(statement));
    recomputeDepths();
}

void ProgramStore::insertBefore(size_t position, Statement statement) {
    position = std::min(position, statements.size());
    statements.insert(statements.begin() + static_cast<std::ptrdiff_t>(position), std::move(statement));
}

void ProgramStore::replaceAt(size_t index, Statement statement) {
    if (index < statements.size()) statements[index] = std::move(statement);
    recomputeDepths();
}

void ProgramStore::removeAt(size_t index) {
    if (index < statements.size()) statements.erase(statements.begin() + static_cast<std::ptrdiff_t>(index));
    recomputeDepths();
}

void ProgramStore::insertStoreAfter(const ProgramStore& other, size_t index) {
    // Copy first: `other` may be this store.
    const std::vector<Statement> copies = other.statements;
    for (size_t i = 0; i < copies.size(); ++i) {
        // index + i wraps for kAppend and stays beyond the end, which appends, as intended.
        insertAfter(index + i, copies[i]);
    }
}

void ProgramStore::clear() { statements.clear(); }

std::uint8_t BlockLevel::depthOf(const Statement& statement) {
    if (statement.isBlockBegin()) {
        const std::uint8_t depth = level_;
        if (level_ < kMaxDepth) ++level_;
        return depth;
    }
    if (statement.isBlockEnd() && level_ > 0) --level_;
    return level_;
}

void ProgramStore::recomputeDepths() {
    BlockLevel level;
    for (Statement& statement : statements) statement.depth = level.depthOf(statement);
}

std::uint32_t ProgramStore::imageSize() const {
    if (statements.empty()) return 0;
    std::uint32_t size = kStoreHeaderSize;
    for (const Statement& statement : statements) size += static_cast<std::uint32_t>(recordLength(statement));
    return size;
}

void ProgramStore::writeImage(Bytes& out) {
    if (statements.empty()) return;
    recomputeDepths();
    out.reserve(out.size() + imageSize());
    appendU32BigEndian(out, imageSize());
    appendU16BigEndian(out, static_cast<std::uint16_t>(storeId));
    for (const Statement& statement : statements) appendStatementRecord(out, statement);
}

Bytes ProgramStore::image() {
    Bytes out;
    writeImage(out);
    return out;
}

void ProgramStore::readImage(ByteView source) {
    clear();
    // Counting first costs a walk over the length bytes and saves the copies of a growing store.
    statements.reserve(forEachStoreRecord(source, [](ByteView) {}));
    forEachStoreRecord(source, [this](ByteView record) { statements.push_back(readStatementRecord(record)); });
    storeId = 0;
    recomputeDepths();
}

}  // namespace lumio
