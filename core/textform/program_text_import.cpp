// Reading a program text back into the bytes of its file. The text is first read line by line into
// sections; the bytes they give are then exported again, and the text must agree with that export
// line for line, so nothing the listing shows can differ from what is stored.
#include <vector>

#include "core/checks/crc16.h"
#include "core/checks/file_seal.h"
#include "core/model/program_files.h"
#include "core/text/gbk.h"
#include "core/textform/program_text.h"
#include "core/textform/program_text_sections.h"
#include "core/textform/text_escape.h"

namespace lumio {
namespace {

struct SourceLine {
    size_t number = 0;
    std::string_view text;
};

enum class SectionKind { Store, Names, Item, Rest, Tail };

struct Section {
    SectionKind kind = SectionKind::Store;
    int id = 0;
    size_t line = 0;
    bool lastLineEnded = true;  // names: the text ends with a line break
    std::vector<std::string> names;
    Bytes content;  // what follows the item's length and id (the bytes themselves for rest and tail)
};

TextFailure failure(size_t line, std::string reason) { return TextFailure{line, std::move(reason)}; }

std::vector<std::string_view> textLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

bool blank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

class TextReader {
public:
    explicit TextReader(std::string_view text) : lines_(textLines(text)) {}

    Expected<ImportedFile, TextFailure> read() {
        if (auto header = readHeader(); !header) return unexpected(header.error());
        for (size_t i = 2; i < lines_.size(); ++i) {
            const SourceLine line{i + 1, lines_[i]};
            auto result = startsWith(line.text, kHeadingPrefix) ? openSection(line) : readContent(line);
            if (!result) return unexpected(result.error());
        }
        auto bytes = kind_ == FileKind::Program ? programBytes() : blockBytes();
        if (!bytes) return unexpected(bytes.error());
        if (auto agreed = agreeWithExport(*bytes); !agreed) return unexpected(agreed.error());
        return ImportedFile{kind_, edition_, std::move(*bytes)};
    }

private:
    Expected<void, TextFailure> readHeader() {
        const std::string versionLine(kProgramTextVersionLine);
        if (lines_.empty() || lines_[0] != kProgramTextVersionLine) {
            if (!lines_.empty() && startsWith(lines_[0], "lumio program text "))
                return unexpected(failure(1, "unsupported version '" + std::string(lines_[0]) + "' (this lumio reads '" +
                                                 versionLine + "')"));
            return unexpected(failure(1, "not a program text: the first line must be '" + versionLine + "'"));
        }
        const std::string program = std::string(kFileLinePrefix) + std::string(kProgramFileExtension);
        const std::string block = std::string(kFileLinePrefix) + std::string(kBlockFileExtension);
        std::string_view fileLine = lines_.size() < 2 ? std::string_view() : lines_[1];
        if (endsWith(fileLine, kClassicWord)) {
            edition_ = Edition::Classic;
            fileLine.remove_suffix(kClassicWord.size());
        }
        if (fileLine != program && fileLine != block)
            return unexpected(failure(2, "the second line must be '" + program + "' or '" + block + "', then ' classic' "
                                         "for the classic edition"));
        kind_ = fileLine == program ? FileKind::Program : FileKind::Block;
        kept_ = {{1, lines_[0]}, {2, lines_[1]}};
        return {};
    }

    Expected<void, TextFailure> openSection(const SourceLine& line) {
        if (!sections_.empty() && sections_.back().kind == SectionKind::Tail)
            return unexpected(failure(line.number, "nothing may follow the tail"));
        const std::string_view name = line.text.substr(kHeadingPrefix.size());
        Section section;
        section.line = line.number;
        if (kind_ == FileKind::Block) {
            const std::string blockWord = std::string(kBlockSection) + " ";
            if (startsWith(name, blockWord) && sectionNumber(name.substr(blockWord.size()))) {
                if (!sections_.empty()) return unexpected(failure(line.number, "a block file holds one block"));
                section.id = *sectionNumber(name.substr(blockWord.size()));
            } else if (name == kTailSection) {
                if (sections_.empty()) return unexpected(failure(line.number, "the tail follows the block"));
                section.kind = SectionKind::Tail;
            } else {
                return unexpected(failure(line.number, "unknown heading in a block text (known: '== block ID', '== tail')"));
            }
        } else if (const auto store = storeSectionId(name, edition_)) {
            section.id = *store;
        } else if (name == kNamesSection || name == kNamesOpenSection) {
            section.kind = SectionKind::Names;
            section.id = kNamesBlockId;
            section.lastLineEnded = name == kNamesSection;
        } else if (const std::string itemWord = std::string(kItemSection) + " ";
                   startsWith(name, itemWord) && sectionNumber(name.substr(itemWord.size()))) {
            section.kind = SectionKind::Item;
            section.id = *sectionNumber(name.substr(itemWord.size()));
        } else if (name == kRestSection || name == kTailSection) {
            section.kind = name == kRestSection ? SectionKind::Rest : SectionKind::Tail;
        } else {
            return unexpected(failure(line.number, "unknown heading (known: main, function N, thread N, names, item ID, "
                                                   "rest, tail)"));
        }
        sections_.push_back(std::move(section));
        kept_.push_back(line);
        return {};
    }

    Expected<void, TextFailure> readContent(const SourceLine& line) {
        if (sections_.empty()) {
            if (blank(line.text)) return {};
            return unexpected(failure(line.number, "a line before the first heading"));
        }
        Section& section = sections_.back();
        if (blank(line.text)) return {};
        std::string error;
        if (section.kind == SectionKind::Names) {
            const auto text = unescapeText(line.text, error);
            if (!text) return unexpected(failure(line.number, error));
            section.names.push_back(toGbk(*text));
        } else if (section.kind == SectionKind::Store && !startsWith(line.text, kUnreadPrefix)) {
            const size_t separator = line.text.rfind(kRecordSeparator);
            if (separator == std::string_view::npos)
                return unexpected(failure(line.number, "a statement line is its listing text, ' | ' and its record in hex"));
            const auto record = parseHex(line.text.substr(separator + kRecordSeparator.size()), error);
            if (!record) return unexpected(failure(line.number, "the record: " + error));
            if (record->empty()) return unexpected(failure(line.number, "the record is empty"));
            if (byteAt(*record, 0) != record->size())
                return unexpected(failure(line.number, "the record's length byte says " + std::to_string(byteAt(*record, 0)) +
                                                           " but the line holds " + std::to_string(record->size()) +
                                                           " bytes"));
            section.content += *record;
        } else {
            const std::string_view digits =
                section.kind == SectionKind::Store ? line.text.substr(kUnreadPrefix.size()) : line.text;
            const auto bytes = parseHex(digits, error);
            if (!bytes) return unexpected(failure(line.number, error));
            section.content += *bytes;
        }
        kept_.push_back(line);
        return {};
    }

    static void appendItem(Bytes& out, const Section& section) {
        Bytes content = section.content;
        for (size_t i = 0; i < section.names.size(); ++i) {
            content += section.names[i];
            if (i + 1 < section.names.size() || section.lastLineEnded) content += "\r\n";
        }
        appendU32BigEndian(out, static_cast<std::uint32_t>(content.size() + kStoreHeaderSize));
        appendU16BigEndian(out, static_cast<std::uint16_t>(section.id));
        out += content;
    }

    // Keeps the sizes far below what a length field can hold while the sections are joined.
    Expected<void, TextFailure> checkSize(size_t size, size_t limit, const char* what) const {
        if (size <= limit) return {};
        return unexpected(failure(0, std::string("the ") + what + " would be " + std::to_string(size) +
                                         " bytes; the editor opens at most " + std::to_string(limit)));
    }

    Expected<Bytes, TextFailure> programBytes() const {
        Bytes image(kImageHeaderSize, '\0');
        const Bytes* tail = nullptr;
        for (const Section& section : sections_) {
            if (section.kind == SectionKind::Tail) tail = &section.content;
            else if (section.kind == SectionKind::Rest) image += section.content;
            else appendItem(image, section);
            if (auto size = checkSize(image.size(), maxProgramImage(edition_), "program"); !size)
                return unexpected(size.error());
        }
        sealProgramImage(image);
        if (tail) image += *tail;
        return image;
    }

    Expected<Bytes, TextFailure> blockBytes() const {
        if (sections_.empty()) return unexpected(failure(0, "a block text needs a '== block ID' heading"));
        Bytes image;
        appendItem(image, sections_.front());
        if (auto size = checkSize(image.size(), kMaxBlockFileImage, "block"); !size) return unexpected(size.error());
        Bytes file;
        appendU16LowFirst(file, FileSeal(image));
        file += image;
        if (sections_.size() > 1) file += sections_.back().content;
        return file;
    }

    Expected<void, TextFailure> agreeWithExport(ByteView bytes) const {
        auto exported = exportProgramText(bytes, kind_, edition_);
        if (!exported) return unexpected(failure(0, "the bytes would not open: " + exported.error()));
        const std::vector<std::string_view> expected = textLines(*exported);
        for (size_t i = 0; i < expected.size(); ++i) {
            if (i >= kept_.size()) {
                const size_t after = lines_.size() + 1;
                return unexpected(failure(after, "the text ends early; the bytes give next: " + std::string(expected[i])));
            }
            if (kept_[i].text == expected[i]) continue;
            const std::string_view have = kept_[i].text;
            const std::string_view want = expected[i];
            const size_t haveRecord = have.rfind(kRecordSeparator);
            const size_t wantRecord = want.rfind(kRecordSeparator);
            if (haveRecord != std::string_view::npos && wantRecord != std::string_view::npos &&
                have.substr(haveRecord) == want.substr(wantRecord))
                return unexpected(failure(kept_[i].number, "the listing text does not match the record, which shows: " +
                                                               std::string(want.substr(0, wantRecord))));
            return unexpected(failure(kept_[i].number, "does not match the bytes it stands for, which give: " + std::string(want)));
        }
        if (kept_.size() > expected.size())
            return unexpected(failure(kept_[expected.size()].number, "a line the bytes do not give"));
        return {};
    }

    std::vector<std::string_view> lines_;
    FileKind kind_ = FileKind::Program;
    Edition edition_ = Edition::Current;
    std::vector<Section> sections_;
    std::vector<SourceLine> kept_;  // every line that stands for something, in order
};

}  // namespace

Expected<ImportedFile, TextFailure> importProgramText(std::string_view text) {
    if (text.size() > kMaxProgramText)
        return unexpected(failure(0, "the text is larger than " + std::to_string(kMaxProgramText) + " bytes"));
    return TextReader(text).read();
}

}  // namespace lumio
