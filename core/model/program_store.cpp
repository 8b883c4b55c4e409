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
    recomputeDepths();
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
    const size_t position = (statements.empty() || index >= statements.size()) ? statements.size() : index + 1;
    statements.insert(statements.begin() + static_cast<std::ptrdiff_t>(position), copies.begin(), copies.end());
    recomputeDepths();
}

void ProgramStore::clear() { statements.clear(); }

std::uint8_t blockDepth(const Statement& statement, std::uint8_t& level) {
    if (statement.isBlockBegin()) {
        const std::uint8_t depth = level;
        if (level < kMaxDepth) ++level;
        return depth;
    }
    if (statement.isBlockEnd() && level > 0) --level;
    return level;
}

void ProgramStore::recomputeDepths() {
    std::uint8_t level = 0;
    for (Statement& statement : statements) statement.depth = blockDepth(statement, level);
}

std::uint32_t ProgramStore::imageSize() const {
    if (statements.empty()) return 0;
    std::uint32_t size = kStoreHeaderSize;
    for (const Statement& statement : statements) size += static_cast<std::uint32_t>(recordLength(statement));
    return size;
}

void ProgramStore::writeImage(Bytes& out) const { writeImage(out, storeId); }

void ProgramStore::writeImage(Bytes& out, int id) const {
    if (statements.empty()) return;
    const std::uint32_t size = imageSize();
    out.reserve(out.size() + size);
    appendU32BigEndian(out, size);
    appendU16BigEndian(out, static_cast<std::uint16_t>(id));
    std::uint8_t level = 0;
    for (const Statement& statement : statements) {
        const std::uint8_t depth = blockDepth(statement, level);
        if (depth == statement.depth) {
            appendStatementRecord(out, statement);
        } else {
            Statement placed = statement;
            placed.depth = depth;
            appendStatementRecord(out, placed);
        }
    }
}

Bytes ProgramStore::image() const {
    Bytes out;
    writeImage(out);
    return out;
}

RecordWalk walkStoreImage(ByteView source) {
    RecordWalk walk;
    if (source.size() < 4) {
        walk.stop = source.size();
        return walk;
    }
    const std::uint32_t length = readU32BigEndian(source, 0);
    const size_t end = std::min<size_t>(length, source.size());
    walk.stop = std::min(kStoreHeaderSize, source.size());
    if (length < kMinStoreImage || length > kMaxStoreImage) return walk;
    size_t offset = kStoreHeaderSize;
    while (offset < end) {
        const size_t recordSize = byteAt(source, offset);
        // A zero length byte would never advance; a record running past the image end is not ours.
        if (recordSize == 0 || offset + recordSize > end) break;
        walk.records.push_back({offset, recordSize});
        offset += recordSize;
    }
    walk.stop = offset;
    return walk;
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
