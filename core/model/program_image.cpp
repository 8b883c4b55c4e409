#include "core/model/program_image.h"

#include <algorithm>

#include "core/checks/crc16.h"
#include "core/checks/file_seal.h"
#include "core/edition_profile.h"
#include "core/lang/operands/naming.h"

namespace lumio {

std::uint32_t maxProgramImage(Edition edition) { return editionProfile(edition).maxImage; }

bool hasThreads(Edition edition) { return editionProfile(edition).hasThreads; }

const char* imageCheckName(ImageCheck check) {
    switch (check) {
    case ImageCheck::Ok: return "ok";
    case ImageCheck::LengthField: return "length field";
    case ImageCheck::Truncated: return "truncation";
    case ImageCheck::Seal: return "seal";
    case ImageCheck::FormatTag: return "format tag";
    case ImageCheck::BodyCrc: return "body CRC";
    case ImageCheck::BodySeal: return "body seal";
    case ImageCheck::HeaderCrc: return "header CRC";
    }
    return "unknown";
}

std::uint32_t programBodySize(const Program& program, Edition edition) {
    std::uint32_t size = program.main.imageSize();
    for (const ProgramStore& store : program.functions) size += store.imageSize();
    if (hasThreads(edition))
        for (const ProgramStore& store : program.threads) size += store.imageSize();
    const std::string namesText = exportNames(program.names);
    if (!namesText.empty()) size += static_cast<std::uint32_t>(namesText.size()) + 6;
    return size;
}

Bytes buildProgramImage(const Program& program, Edition edition) {
    Bytes image;
    image.reserve(kImageHeaderSize + programBodySize(program, edition));
    image.append(kImageHeaderSize, '\0');

    // Each store is written under the id of its place in the program, whatever its own field says.
    program.main.writeImage(image, kMainStoreId);
    for (int k = 1; k <= kFunctionCount; ++k) program.function(k).writeImage(image, StoreRef::function(k)->id());
    if (hasThreads(edition))
        for (int k = 1; k <= kThreadCount; ++k) program.thread(k).writeImage(image, StoreRef::thread(k)->id());
    const std::string namesText = exportNames(program.names);
    if (!namesText.empty()) {
        appendU32BigEndian(image, static_cast<std::uint32_t>(namesText.size() + 6));
        appendU16BigEndian(image, kNamesBlockId);
        image += namesText;
    }

    sealProgramImage(image);
    return image;
}

void sealProgramImage(Bytes& image) {
    const ByteView body = ByteView(image).substr(kImageHeaderSize);
    Bytes header;
    appendU32BigEndian(header, static_cast<std::uint32_t>(image.size()));
    header += std::string("\x05\x01\x00\x01", 4);
    appendU16LowFirst(header, Crc16Modbus(body));
    appendU16LowFirst(header, FileSeal(body));
    appendU16LowFirst(header, Crc16Modbus(header));
    image.replace(2, header.size(), header);
    Bytes seal;
    appendU16LowFirst(seal, FileSeal(ByteView(image).substr(2)));
    image.replace(0, 2, seal);
}

ImageCheck checkProgramImage(ByteView bytes, Edition edition) {
    if (bytes.size() < 6) return ImageCheck::LengthField;
    const std::uint32_t total = readU32BigEndian(bytes, 2);
    if (total < kMinProgramImage || total > maxProgramImage(edition)) return ImageCheck::LengthField;
    if (bytes.size() < total) return ImageCheck::Truncated;
    const ByteView image = bytes.substr(0, total);
    const ByteView body = image.substr(kImageHeaderSize);
    if (readU16LowFirst(image, 0) != FileSeal(image.substr(2))) return ImageCheck::Seal;
    if (image.substr(6, 4) != ByteView("\x05\x01\x00\x01", 4)) return ImageCheck::FormatTag;
    if (readU16LowFirst(image, 10) != Crc16Modbus(body)) return ImageCheck::BodyCrc;
    if (readU16LowFirst(image, 12) != FileSeal(body)) return ImageCheck::BodySeal;
    if (readU16LowFirst(image, 14) != Crc16Modbus(image.substr(2, 12))) return ImageCheck::HeaderCrc;
    return ImageCheck::Ok;
}

ImageWalk walkProgramImage(ByteView bytes) {
    ImageWalk walk;
    if (bytes.size() < kImageHeaderSize) {
        walk.stop = bytes.size();
        return walk;
    }
    const size_t total = std::min<size_t>(readU32BigEndian(bytes, 2), bytes.size());
    size_t offset = kImageHeaderSize;
    while (offset + kStoreHeaderSize <= total) {
        const std::uint32_t length = readU32BigEndian(bytes, offset);
        // An item shorter than its own header, or running past the image, cannot be walked over.
        if (length < kStoreHeaderSize || length > total - offset) break;
        walk.items.push_back({offset, length, readU16BigEndian(bytes, offset + 4)});
        offset += length;
    }
    walk.stop = offset;
    return walk;
}

ProgramImageItems findProgramImageItems(ByteView bytes, Edition edition) {
    ProgramImageItems items;
    for (const ImageItem& entry : walkProgramImage(bytes).items) {
        const ByteView item = bytes.substr(entry.offset, entry.length);
        const int id = entry.id;
        if (id == 0)
            items.main = item;
        else if (id >= 1 && id <= kFunctionCount)
            items.functions[static_cast<size_t>(id - 1)] = item;
        else if (hasThreads(edition) && id > kThreadIdBase && id <= kThreadIdBase + kThreadCount)
            items.threads[static_cast<size_t>(id - kThreadIdBase - 1)] = item;
        else if (id == kNamesBlockId && entry.length > kStoreHeaderSize)
            items.namesText = item.substr(kStoreHeaderSize);
    }
    return items;
}

ByteView ProgramImageItems::store(StoreRef ref) const {
    switch (ref.kind()) {
        case StoreKind::Main: return main;
        case StoreKind::Function: return functions[static_cast<size_t>(ref.number() - 1)];
        case StoreKind::Thread: return threads[static_cast<size_t>(ref.number() - 1)];
    }
    return {};
}

RenameTable loadedNames(ByteView namesText, Edition edition) {
    RenameTable names;
    importNames(names, namesText, edition, NameSource::Stored);
    return names;
}

void loadProgramImage(Program& program, ByteView bytes, Edition edition) {
    program.clear();
    const ProgramImageItems items = findProgramImageItems(bytes, edition);
    // Absent stores read from an empty view and stay empty.
    program.main.readImage(items.main);
    for (int k = 1; k <= kFunctionCount; ++k) {
        program.function(k).readImage(items.functions[static_cast<size_t>(k - 1)]);
        program.function(k).storeId = k;
    }
    for (int k = 1; k <= kThreadCount; ++k) {
        program.thread(k).readImage(items.threads[static_cast<size_t>(k - 1)]);
        program.thread(k).storeId = kThreadIdBase + k;
    }
    program.names = loadedNames(items.namesText, edition);
}

}  // namespace lumio
