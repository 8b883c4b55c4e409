#pragma once
// An ordered list of statements with its identity in a program image: the main program, one function,
// one thread, or the clipboard. Its byte form is the StoreImage: 4-byte big-endian length (6 + the
// records), 2-byte big-endian storeId, then the StatementRecords back to back. An empty store has no
// image at all.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/model/statement.h"
#include "core/text/bytes.h"

namespace lumio {

inline constexpr size_t kAppend = std::numeric_limits<size_t>::max();
// A StoreImage length field is accepted only inside this range.
inline constexpr std::uint32_t kMinStoreImage = 7;
inline constexpr std::uint32_t kMaxStoreImage = 200000;
inline constexpr size_t kStoreHeaderSize = 6;

// Where the records of a StoreImage lie, as the loader walks them: each record's offset and length in
// the image, and the offset where the walk stopped (bytes from there to the image end are not read).
// A length field outside 7..200000 yields no records and stops at the end of the header.
struct RecordSpan {
    size_t offset = 0;
    size_t length = 0;
};
struct RecordWalk {
    std::vector<RecordSpan> records;
    size_t stop = 0;
};
RecordWalk walkStoreImage(ByteView source);
// The depth of `statement` in a store walked from the top, `level` being the depth the statements
// before it left; advances `level` past it. A block begin stands at the level it opens, a block end
// at the level it returns to; depth stops at 15.
std::uint8_t blockDepth(const Statement& statement, std::uint8_t& level);

// Calls visit(record) for each StatementRecord that readImage reads from the StoreImage `source`, in
// order, and returns how many there were: none when the length field is outside 7..200000; the walk
// ends at a record of length 0 or one running past the image.
template <class Visit>
size_t forEachStoreRecord(ByteView source, Visit&& visit) {
    if (source.size() < 4) return 0;
    const std::uint32_t length = readU32BigEndian(source, 0);
    if (length < kMinStoreImage || length > kMaxStoreImage) return 0;
    const size_t end = std::min<size_t>(length, source.size());
    size_t count = 0;
    for (size_t offset = kStoreHeaderSize; offset < end; ++count) {
        const size_t recordSize = byteAt(source, offset);
        if (recordSize == 0 || offset + recordSize > end) break;
        visit(source.substr(offset, recordSize));
        offset += recordSize;
    }
    return count;
}

// Calls visit(statement) for each statement that readImage would hold, in order, with the depth that
// loading gives it, without holding the store.
template <class Visit>
void forEachStoredStatement(ByteView source, Visit&& visit) {
    std::uint8_t level = 0;
    forEachStoreRecord(source, [&](ByteView record) {
        Statement statement = readStatementRecord(record);
        statement.depth = blockDepth(statement, level);
        visit(statement);
    });
}

class ProgramStore {
public:
    std::vector<Statement> statements;
    int storeId = 0;

    size_t count() const { return statements.size(); }
    bool empty() const { return statements.empty(); }
    const Statement& operator[](size_t index) const { return statements[index]; }

    // Inserts after `index`; an index outside the store (kAppend included) appends.
    void insertAfter(size_t index, Statement statement);
    // Inserts at `position` (count appends) and recomputes depths.
    void insertBefore(size_t position, Statement statement);
    void replaceAt(size_t index, Statement statement);
    void removeAt(size_t index);
    // Copies every statement of `other` so that they stand contiguously after `index` (appended when
    // the store is empty or the index lies beyond it); depths are recomputed once.
    void insertStoreAfter(const ProgramStore& other, size_t index);
    void clear();
    void recomputeDepths();

    std::uint32_t imageSize() const;
    // Appends the StoreImage (nothing for an empty store) with the store's own id, or with `id`. The
    // records carry the depths as the block markers give them, whatever the statements hold.
    void writeImage(Bytes& out) const;
    void writeImage(Bytes& out, int id) const;
    Bytes image() const;
    // Replaces the content with the records of `source`, a StoreImage. A length field outside
    // 7..200000 leaves the store empty; records that do not tile the image end the walk there.
    void readImage(ByteView source);
};

}  // namespace lumio
