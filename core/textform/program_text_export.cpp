// Writing the program text of a file's bytes.
#include <optional>
#include <vector>

#include "core/lang/context.h"
#include "core/listing/listing.h"
#include "core/model/program_files.h"
#include "core/text/gbk.h"
#include "core/textform/program_text.h"
#include "core/textform/program_text_sections.h"
#include "core/textform/text_escape.h"

namespace lumio {
namespace {

class TextWriter {
public:
    void line(std::string_view text) {
        out_ += text;
        out_ += '\n';
    }
    void hex(ByteView bytes, std::string_view prefix = {}) {
        for (const std::string& text : hexLines(bytes)) line(std::string(prefix) + text);
    }
    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

void writeStore(TextWriter& writer, ByteView item, const LangContext& context) {
    const RecordWalk walk = walkStoreImage(item);
    ProgramStore store;
    store.readImage(item);
    const std::vector<ListingLine> listing = renderListing(store, context);
    for (size_t i = 0; i < walk.records.size(); ++i) {
        const ByteView record = item.substr(walk.records[i].offset, walk.records[i].length);
        writer.line(escapeText(toUtf8(listing[i].text)) + std::string(kRecordSeparator) + recordHex(record));
    }
    writer.hex(item.substr(walk.stop), kUnreadPrefix);
}

// The names text split at its line breaks, when it survives the way to UTF-8 and back unchanged.
std::optional<std::vector<std::string>> namesLines(ByteView names, bool& lastLineEnded) {
    const std::string utf8 = toUtf8(names);
    if (toGbk(utf8) != names) return std::nullopt;
    std::vector<std::string> lines;
    size_t start = 0;
    while (true) {
        const size_t end = utf8.find("\r\n", start);
        if (end == std::string::npos) break;
        lines.push_back(utf8.substr(start, end - start));
        start = end + 2;
    }
    lastLineEnded = start == utf8.size();
    if (!lastLineEnded) lines.push_back(utf8.substr(start));
    return lines;
}

void writeItem(TextWriter& writer, ByteView item, int id, const LangContext& context) {
    const std::string store = storeSectionName(id, context.edition);
    if (!store.empty()) {
        writer.line(std::string(kHeadingPrefix) + store);
        writeStore(writer, item, context);
        return;
    }
    if (id == kNamesBlockId && item.size() > kStoreHeaderSize) {
        bool lastLineEnded = true;
        if (const auto lines = namesLines(item.substr(kStoreHeaderSize), lastLineEnded)) {
            writer.line(std::string(kHeadingPrefix) + std::string(lastLineEnded ? kNamesSection : kNamesOpenSection));
            for (const std::string& text : *lines) writer.line(escapeText(text, true));
            return;
        }
    }
    writer.line(std::string(kHeadingPrefix) + std::string(kItemSection) + " " + std::to_string(id));
    writer.hex(item.substr(kStoreHeaderSize));
}

void writeData(TextWriter& writer, std::string_view section, ByteView bytes) {
    if (bytes.empty()) return;
    writer.line(std::string(kHeadingPrefix) + std::string(section));
    writer.hex(bytes);
}

std::string fileLine(std::string_view extension, Edition edition) {
    return std::string(kFileLinePrefix) + std::string(extension) + (edition == Edition::Classic ? std::string(kClassicWord) : "");
}

std::string programText(ByteView file, Edition edition) {
    const std::uint32_t total = readU32BigEndian(file, 2);
    const ByteView image = file.substr(0, total);
    Program program;
    loadProgramImage(program, image, edition);
    const LangContext context{edition, &program.names};
    TextWriter writer;
    writer.line(kProgramTextVersionLine);
    writer.line(fileLine(kProgramFileExtension, edition));
    const ImageWalk walk = walkProgramImage(image);
    for (const ImageItem& item : walk.items) writeItem(writer, image.substr(item.offset, item.length), item.id, context);
    writeData(writer, kRestSection, image.substr(walk.stop));
    writeData(writer, kTailSection, file.substr(total));
    return writer.take();
}

std::string blockText(ByteView file, Edition edition) {
    const size_t end = size_t{readU32BigEndian(file, 2)} + 2;
    const ByteView image = file.substr(2, end - 2);
    TextWriter writer;
    writer.line(kProgramTextVersionLine);
    writer.line(fileLine(kBlockFileExtension, edition));
    writer.line(std::string(kHeadingPrefix) + std::string(kBlockSection) + " " +
                std::to_string(readU16BigEndian(image, 4)));
    writeStore(writer, image, LangContext{edition, nullptr});
    writeData(writer, kTailSection, file.substr(end));
    return writer.take();
}

}  // namespace

std::string fileRefusal(ByteView file, FileKind kind, Edition edition) {
    if (kind == FileKind::Program) {
        const ImageCheck check = checkProgramImage(file, edition);
        if (check == ImageCheck::Ok) return {};
        return std::string("not a program file the editor opens (") + imageCheckName(check) + ")";
    }
    if (const auto error = checkBlockFileBytes(file))
        return std::string("not a block file the editor opens (") + fileErrorName(*error) + ")";
    return {};
}

Expected<std::string, std::string> exportProgramText(ByteView file, FileKind kind, Edition edition) {
    std::string refusal = fileRefusal(file, kind, edition);
    if (!refusal.empty()) return unexpected(std::move(refusal));
    return kind == FileKind::Program ? programText(file, edition) : blockText(file, edition);
}

}  // namespace lumio
