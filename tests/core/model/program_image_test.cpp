#include <gtest/gtest.h>

#include <filesystem>

#include "core/checks/crc16.h"
#include "core/checks/file_seal.h"
#include "core/lang/operands/naming.h"
#include "core/model/program_files.h"
#include "core/model/program_image.h"
#include "core/text/gbk.h"
#include "tests/core/model/model_fixtures.h"

namespace lumio {
namespace {

using testing::action;
using testing::condition;

TEST(ProgramImage, EmptyProgramIsSixteenBytes) {
    Program program;
    const Bytes image = buildProgramImage(program);
    ASSERT_EQ(image.size(), 16u);
    EXPECT_EQ(programBodySize(program), 0u);
    EXPECT_EQ(image.substr(2, 12), Bytes("\x00\x00\x00\x10\x05\x01\x00\x01\xFF\xFF\x8B\xFC", 12));
    EXPECT_EQ(readU16LowFirst(image, 14), Crc16Modbus(image.substr(2, 12)));
    EXPECT_EQ(readU16LowFirst(image, 0), FileSeal(ByteView(image).substr(2)));
    EXPECT_EQ(checkProgramImage(image), ImageCheck::Ok);
}

TEST(ProgramImage, BodyOrderAndIds) {
    Program program;
    program.function(7).insertAfter(kAppend, action(1, 1, 1));
    Bytes image = buildProgramImage(program);
    EXPECT_EQ(image.substr(16), Bytes("\x00\x00\x00\x0D\x00\x07\x07\x80\x00\x01\x01\x01\x00", 13));

    program.thread(3).insertAfter(kAppend, action(3, 2, 1));
    program.main.insertAfter(kAppend, condition(1, 1, 1));
    program.names.entries.push_back({toGbk("全局整数5"), toGbk("温度")});
    image = buildProgramImage(program);
    const ByteView body = ByteView(image).substr(16);
    EXPECT_EQ(readU16BigEndian(body, 4), 0);      // main first
    EXPECT_EQ(readU16BigEndian(body, 13 + 4), 7);  // then function 7
    EXPECT_EQ(readU16BigEndian(body, 26 + 4), 503);
    const ByteView names = body.substr(39);
    EXPECT_EQ(names.substr(0, 6), Bytes("\x00\x00\x00\x18\x03\xEA", 6));
    EXPECT_EQ(names.substr(6), toGbk("温度\t=\t全局整数5\r\n"));
    EXPECT_EQ(programBodySize(program), body.size());
}

TEST(ProgramImage, ClassicEditionHasNoThreads) {
    Program program;
    program.thread(3).insertAfter(kAppend, action(3, 2, 1));
    program.function(3).insertAfter(kAppend, action(3, 2, 1));
    const Bytes current = buildProgramImage(program);
    EXPECT_EQ(buildProgramImage(program, Edition::Classic).size(), 16u + 13);

    // A current file with thread 3 and function 3 loads in the classic build with function 3 only.
    Program classic;
    loadProgramImage(classic, current, Edition::Classic);
    EXPECT_EQ(classic.function(3).count(), 1u);
    EXPECT_TRUE(classic.thread(3).empty());
}

TEST(ProgramImage, RoundTripRestoresEveryStoreAndName) {
    Program program;
    program.main.insertAfter(kAppend, condition(1, 1, 1));
    program.main.statements[0].comment = toGbk("启动");
    program.main.statements[0].colourCode = 3;
    program.function(100).insertAfter(kAppend, action(5, 2, 1));
    program.thread(100).insertAfter(kAppend, action(5, 2, 2));
    program.names.entries.push_back({toGbk("输入3"), toGbk("启动键")});
    const Bytes image = buildProgramImage(program);
    ASSERT_EQ(checkProgramImage(image), ImageCheck::Ok);

    Program loaded;
    loaded.function(1).insertAfter(kAppend, action(1));  // loading replaces what was there
    loadProgramImage(loaded, image);
    EXPECT_EQ(loaded.main.statements, program.main.statements);
    EXPECT_EQ(loaded.function(100).statements, program.function(100).statements);
    EXPECT_EQ(loaded.thread(100).statements, program.thread(100).statements);
    EXPECT_EQ(loaded.thread(100).storeId, 600);
    EXPECT_TRUE(loaded.function(1).empty());
    EXPECT_EQ(loaded.names, program.names);
    EXPECT_EQ(buildProgramImage(loaded), image);
}

// Each byte outside the length field, changed, makes the check fail; which check names the fault.
TEST(ProgramImage, AnyChangedByteFailsTheCheck) {
    Program program;
    program.main.insertAfter(kAppend, condition(1, 1, 1));
    program.function(2).insertAfter(kAppend, action(4, 1, 1));
    const Bytes image = buildProgramImage(program);
    for (size_t i = 0; i < image.size(); ++i) {
        if (i >= 2 && i <= 5) continue;
        Bytes changed = image;
        changed[i] = static_cast<char>(changed[i] ^ 0x10);
        EXPECT_NE(checkProgramImage(changed), ImageCheck::Ok) << "byte " << i;
    }
}

TEST(ProgramImage, CheckLimitsPerEdition) {
    struct Case {
        std::uint32_t length;
        Edition edition;
        ImageCheck expected;
    };
    const Case cases[] = {
        {15, Edition::Current, ImageCheck::LengthField},
        {499999, Edition::Current, ImageCheck::Truncated},
        {500000, Edition::Current, ImageCheck::LengthField},
        {199999, Edition::Classic, ImageCheck::Truncated},
        {200000, Edition::Classic, ImageCheck::LengthField},
    };
    for (const auto& c : cases) {
        Bytes image(16, '\0');
        image.replace(2, 4, Bytes{static_cast<char>(c.length >> 24), static_cast<char>(c.length >> 16),
                                  static_cast<char>(c.length >> 8), static_cast<char>(c.length)});
        EXPECT_EQ(checkProgramImage(image, c.edition), c.expected) << c.length;
    }
    EXPECT_EQ(checkProgramImage(Bytes("\x00\x00\x00", 3)), ImageCheck::LengthField);
}

TEST(ProgramImage, LoaderSurvivesItemsThatDoNotTile) {
    Program program;
    program.main.insertAfter(kAppend, action(1));
    program.function(1).insertAfter(kAppend, action(2));
    Bytes image = buildProgramImage(program);
    // Make the first item claim to be 3 bytes long (shorter than its own header): the walk stops.
    image[16 + 3] = 3;
    Program loaded;
    loadProgramImage(loaded, image);
    EXPECT_TRUE(loaded.main.empty());
    EXPECT_TRUE(loaded.function(1).empty());
    // Unknown ids are skipped, the rest loads.
    image = buildProgramImage(program);
    image[16 + 5] = 0x77;  // main's id becomes 0x77 = 119
    loadProgramImage(loaded, image);
    EXPECT_TRUE(loaded.main.empty());
    EXPECT_EQ(loaded.function(1).count(), 1u);
}

// A body holding only a names block with `text`, in a sealed image.
Bytes imageWithNames(std::string_view text) {
    Bytes image(kImageHeaderSize, '\0');
    appendU32BigEndian(image, static_cast<std::uint32_t>(text.size() + 6));
    appendU16BigEndian(image, kNamesBlockId);
    image += text;
    sealProgramImage(image);
    return image;
}

// Loading keeps a names block's lines as the file has them, so a save writes them back unchanged,
// even default names that the token layer would print differently when the user types them.
TEST(ProgramImage, NamesBlockSurvivesUnchanged) {
    const char* texts[] = {
        "N\t=\t'\r\n",                        // a lone quote: as a character constant it prints ''
        "N\t=\t''\r\n",                       // and that prints with a third quote
        "a\t=\t全局整数05\r\nb\t=\tpa3\r\n",  // a leading zero, lower case
        "c\t=\t\"x\\q\"\r\nd\t=\t1.5\r\n",    // an escape that prints doubled, a float that prints 1.500000
        "e\t=\t温度\r\nf\t=\te\r\n",          // a default name that is another entry's user name
        "输入3\t=\t全局整数5\r\n",            // a reserved word as the user name
    };
    for (const char* utf8 : texts) {
        const std::string text = toGbk(utf8);
        for (Edition edition : {Edition::Current, Edition::Classic}) {
            Program program;
            loadProgramImage(program, imageWithNames(text), edition);
            EXPECT_EQ(exportNames(program.names), text) << utf8;
            EXPECT_EQ(buildProgramImage(program, edition), imageWithNames(text)) << utf8;
        }
    }
}

// Every image the loader accepts saves to the same image from the first save on. The files that must
// open include inputs the fuzzer found.
TEST(ProgramImage, SavingWhatWasLoadedIsIdempotent) {
    namespace fs = std::filesystem;
    int files = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(LUMIO_TEST_DATA) / "open")) {
        if (entry.path().extension() != ".zt5") continue;
        ++files;
        const std::string name = entry.path().filename().string();
        for (Edition edition : {Edition::Current, Edition::Classic}) {
            auto bytes = readProgramFile(entry.path(), edition);
            ASSERT_TRUE(bytes) << name;
            Program loaded;
            loadProgramImage(loaded, *bytes, edition);
            const Bytes saved = buildProgramImage(loaded, edition);
            Program again;
            loadProgramImage(again, saved, edition);
            EXPECT_EQ(buildProgramImage(again, edition), saved) << name;
            EXPECT_EQ(again.names, loaded.names) << name;
        }
    }
    EXPECT_GE(files, 4);
    Program quote;
    ASSERT_TRUE(openProgramFile(quote, fs::path(LUMIO_TEST_DATA) / "open" / "names_default_quote.zt5"));
    EXPECT_EQ(exportNames(quote.names), "N\t=\t'\r\n");
}

}  // namespace
}  // namespace lumio
