#include <gtest/gtest.h>

#include <filesystem>

#include "core/checks/crc16.h"
#include "core/checks/file_seal.h"
#include "core/editing/example_programs.h"
#include "core/model/program_files.h"
#include "core/platform/file_io.h"
#include "core/text/gbk.h"
#include "core/textform/program_text.h"
#include "tests/core/model/model_fixtures.h"

namespace lumio {
namespace {

using testing::action;
using testing::blockBegin;
using testing::blockEnd;
using testing::condition;

// Exports, imports and checks that the bytes come back unchanged; returns the text.
std::string roundTrip(const Bytes& file, FileKind kind, Edition edition = Edition::Current) {
    auto text = exportProgramText(file, kind, edition);
    EXPECT_TRUE(text.has_value()) << (text ? "" : text.error());
    if (!text) return {};
    auto imported = importProgramText(*text);
    EXPECT_TRUE(imported.has_value()) << (imported ? "" : std::to_string(imported.error().line) + ": " +
                                                              imported.error().reason)
                                      << "\n"
                                      << *text;
    if (!imported) return *text;
    EXPECT_EQ(imported->kind, kind);
    EXPECT_EQ(imported->edition, edition);
    EXPECT_EQ(imported->bytes, file) << *text;
    return *text;
}

Bytes sealed(Bytes body) {
    Bytes image(kImageHeaderSize, '\0');
    image += body;
    sealProgramImage(image);
    return image;
}

Bytes item(int id, ByteView content) {
    Bytes out;
    appendU32BigEndian(out, static_cast<std::uint32_t>(content.size() + 6));
    appendU16BigEndian(out, static_cast<std::uint16_t>(id));
    out += content;
    return out;
}

Statement commented(Statement statement, std::string_view utf8) {
    statement.comment = toGbk(utf8);
    return statement;
}

// A program the editor saves, with something in every kind of store and user names.
Program fullProgram() {
    Program program;
    const LangContext context{Edition::Current, &program.names};
    for (const ExampleProgram example : kExamplePrograms)
        program.main.insertStoreAfter(exampleProgram(example, context), kAppend);
    program.main.insertAfter(kAppend, blockBegin());
    program.main.insertAfter(kAppend, commented(condition(1, 1, 1), "反斜杠\\ 与 | 竖线"));
    program.main.insertAfter(kAppend, blockEnd());
    program.function(1).insertAfter(kAppend, commented(action(1, 2, 3), "tab\there\r\nnew line"));
    program.function(100).insertAfter(kAppend, action(3, 2, 1));
    program.thread(1).insertAfter(kAppend, condition(1, 1, 2));
    program.thread(100).insertAfter(kAppend, action(5, 1, 1));
    program.names.entries.push_back({toGbk("全局整数5"), toGbk("温度")});
    program.names.entries.push_back({toGbk("输入3"), toGbk("启动键")});
    return program;
}

TEST(ProgramText, FilesInTheTestDataComeBackByteForByte) {
    const std::filesystem::path folder = std::filesystem::path(LUMIO_TEST_DATA) / "open";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const auto bytes = readWholeFile(entry.path());
        ASSERT_TRUE(bytes.has_value());
        const FileKind kind = entry.path().extension() == ".hs5" ? FileKind::Block : FileKind::Program;
        SCOPED_TRACE(entry.path().string());
        roundTrip(*bytes, kind);
        ++files;
    }
    EXPECT_GE(files, 4);
}

TEST(ProgramText, SavedProgramsComeBackByteForByte) {
    Program program = fullProgram();
    const std::string text = roundTrip(buildProgramImage(program), FileKind::Program);
    // The text reads as the listing: headings, rule numbers, prefixes, names.
    EXPECT_NE(text.find("== main\n1    如果  "), std::string::npos) << text;
    EXPECT_NE(text.find("备注:反斜杠\\\\ 与 | 竖线 | "), std::string::npos) << text;
    EXPECT_NE(text.find("备注:tab\\there\\r\\nnew line | "), std::string::npos) << text;
    EXPECT_NE(text.find("\n== function 100\n"), std::string::npos);
    EXPECT_NE(text.find("\n== thread 100\n"), std::string::npos);
    EXPECT_NE(text.find("\n== names\n温度\\t=\\t全局整数5\n启动键\\t=\\t输入3\n"), std::string::npos) << text;

    Program empty;
    roundTrip(buildProgramImage(empty), FileKind::Program);
    roundTrip(blockFileBytes(program.main), FileKind::Block);
    Bytes emptyBlock;
    const Bytes header = item(0, "");
    appendU16LowFirst(emptyBlock, FileSeal(header));
    roundTrip(emptyBlock + header, FileKind::Block);
}

// Images the loader accepts though the editor never writes them: every byte still comes back.
TEST(ProgramText, UnusualImagesComeBackByteForByte) {
    const Bytes record("\x07\x80\x00\x01\x01\x01\x00", 7);
    const Bytes unread("\x00\xAA\xBB", 3);
    const struct {
        const char* name;
        Bytes body;
        Bytes tail;
        const char* shows;
    } cases[] = {
        {"unknown item", item(0, record) + item(777, "\x01\x02"), "", "== item 777\n0102\n"},
        {"empty names item", item(kNamesBlockId, ""), "", "== item 1002\n"},
        {"names without final break", item(kNamesBlockId, toGbk("温度\t=\t全局整数5\r\nx\t=\t输入1")), "",
         "== names (no final line break)\n"},
        {"names with a blank line, a leading = and a final space", item(kNamesBlockId, "\r\n=a \r\n"), "",
         "== names\n\\e\n\\x3da\\x20\n"},
        {"names that are not GBK", item(kNamesBlockId, "\x80\xFF\r\n"), "", "== item 1002\n80ff0d0a\n"},
        {"bytes after the records", item(3, record + unread), "", "== function 3\n"},
        {"store length outside the loader's range", item(4, Bytes(200001, '\x07')), "", "== function 4\n+ 07070707"},
        {"bytes that are no item", item(0, record) + Bytes("\x00\x00\x00\x02\x00", 5), "", "== rest\n00000002 00\n"},
        {"bytes after the image", item(0, record), "garbage\n", "== tail\n67617262 6167650a\n"},
        {"duplicate and out-of-order stores", item(600, record) + item(0, record) + item(0, record), "",
         "== thread 100\n"},
        {"short record", item(0, Bytes("\x03\x00\x00", 3)), "", " | 030000\n"},
        {"record with a param3 length past its end", item(0, Bytes("\x08\x80\x00\x01\x01\x01\x09\x05", 8)), "",
         " | 088000 01010109 05\n"},
    };
    for (const auto& example : cases) {
        SCOPED_TRACE(example.name);
        const std::string text = roundTrip(sealed(example.body) + example.tail, FileKind::Program);
        EXPECT_NE(text.find(example.shows), std::string::npos) << text;
    }
}

// The classic edition's programs have no threads: an item with a thread's id is kept as an item.
TEST(ProgramText, ClassicEditionIsNamedOnTheFileLine) {
    Program program = fullProgram();
    const std::string text = roundTrip(buildProgramImage(program, Edition::Current), FileKind::Program, Edition::Classic);
    EXPECT_EQ(text.substr(0, text.find("== main")), "lumio program text 1\nfile .zt5 classic\n");
    EXPECT_NE(text.find("\n== item 501\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("== thread"), std::string::npos);
    roundTrip(blockFileBytes(program.main), FileKind::Block, Edition::Classic);

    std::string current = *exportProgramText(buildProgramImage(program), FileKind::Program);
    current.replace(current.find("file .zt5"), 9, "file .zt5 classic");
    const auto imported = importProgramText(current);
    ASSERT_FALSE(imported.has_value());
    EXPECT_NE(imported.error().reason.find("unknown heading"), std::string::npos) << imported.error().reason;
}

TEST(ProgramText, FilesTheEditorRefusesAreNotExported) {
    Program program = fullProgram();
    Bytes image = buildProgramImage(program);
    image[20] = static_cast<char>(image[20] ^ 1);
    const auto text = exportProgramText(image, FileKind::Program);
    ASSERT_FALSE(text.has_value());
    EXPECT_NE(text.error().find("(seal)"), std::string::npos);
    EXPECT_FALSE(exportProgramText(Bytes("\x00\x00\x00\x00\x00\x07", 6), FileKind::Block).has_value());
}

// A text with lines, each numbered from 1.
std::string exportedMixed() {
    Program program;
    program.main.insertAfter(kAppend, commented(condition(1, 1, 1), "启动"));
    program.main.insertAfter(kAppend, action(1, 2, 1));
    program.names.entries.push_back({toGbk("全局整数5"), toGbk("温度")});
    return *exportProgramText(buildProgramImage(program), FileKind::Program);
}

std::string replaceLine(std::string text, size_t number, std::string_view line) {
    size_t start = 0;
    for (size_t i = 1; i < number; ++i) start = text.find('\n', start) + 1;
    const size_t end = text.find('\n', start);
    return text.replace(start, end - start, line);
}

TEST(ProgramText, BadLinesAreRefusedWithLineAndReason) {
    const std::string good = exportedMixed();
    ASSERT_EQ(good.substr(0, good.find("== names")),
              "lumio program text 1\nfile .zt5\n== main\n"
              "1    如果  输入1 断开       备注:启动 | 0b0000 01010100 c6f4b6af\n"
              "     操作输出继电器 输出1 =  | 078000 01020100\n");
    const struct {
        const char* name;
        std::string text;
        size_t line;
        const char* reason;
    } cases[] = {
        {"not a program text", "hello\n", 1, "first line must be"},
        {"newer version", replaceLine(good, 1, "lumio program text 2"), 1, "unsupported version"},
        {"unknown file kind", replaceLine(good, 2, "file .txt"), 2, "second line"},
        {"unknown heading", replaceLine(good, 3, "== mian"), 3, "unknown heading"},
        {"function out of range", replaceLine(good, 3, "== function 101"), 3, "unknown heading"},
        {"no separator", replaceLine(good, 5, "     操作输出继电器 输出1 ="), 5, "' | '"},
        {"bad hex", replaceLine(good, 5, "     操作输出继电器 输出1 =  | 078000 0102010g"), 5, "not a hex digit"},
        {"odd hex", replaceLine(good, 5, "     操作输出继电器 输出1 =  | 078000 0102010"), 5, "odd number"},
        {"length byte", replaceLine(good, 5, "     操作输出继电器 输出1 =  | 078000 0102010000"), 5,
         "length byte says 7 but the line holds 8"},
        {"listing edited", replaceLine(good, 5, "     操作输出继电器 输出2 =  | 078000 01020100"), 5,
         "listing text does not match the record, which shows:      操作输出继电器 输出1 = "},
        {"record edited", replaceLine(good, 5, "     操作输出继电器 输出1 =  | 078000 01020200"), 5,
         "which shows:      操作输出继电器 输出2 = "},
        {"item id edited", good + "== item 0\n", 8, "which give: == main"},
        {"line before a heading", replaceLine(good, 3, "1    x | 00"), 3, "before the first heading"},
        {"bad escape in names", replaceLine(good, 7, "a\\q"), 7, "unknown escape"},
        {"empty section added", good + "== rest\n", 8, "a line the bytes do not give"},
        {"heading after the tail", good + "== tail\n00\n== main\n", 10, "nothing may follow the tail"},
        {"program too large",
         good + "== item 9\n" + [] {
             std::string lines;
             for (int i = 0; i < 16000; ++i) lines += "00000000 00000000 00000000 00000000 00000000 00000000 00000000 00000000\n";
             return lines;
         }(),
         0, "the editor opens at most 499999"},
    };
    for (const auto& example : cases) {
        SCOPED_TRACE(example.name);
        const auto imported = importProgramText(example.text);
        ASSERT_FALSE(imported.has_value());
        EXPECT_EQ(imported.error().line, example.line) << imported.error().reason;
        EXPECT_NE(imported.error().reason.find(example.reason), std::string::npos) << imported.error().reason;
    }
}

TEST(ProgramText, LineEndingsAndBlankLinesDoNotMatter) {
    const std::string good = exportedMixed();
    std::string crlf;
    for (const char c : good) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    std::string spaced = good;
    spaced.insert(spaced.find("== main\n") + 8, "\n\n");
    spaced.pop_back();  // no final line break
    const auto expected = importProgramText(good);
    ASSERT_TRUE(expected.has_value());
    for (const std::string& text : {crlf, spaced}) {
        const auto imported = importProgramText(text);
        ASSERT_TRUE(imported.has_value()) << imported.error().reason;
        EXPECT_EQ(imported->bytes, expected->bytes);
    }
}

}  // namespace
}  // namespace lumio
