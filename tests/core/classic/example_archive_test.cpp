#include <gtest/gtest.h>

#include "core/classic/example_archive.h"
#include "core/editing/example_programs.h"
#include "core/model/program.h"
#include "core/model/program_image.h"
#include "core/text/gbk.h"

namespace lumio {
namespace {

TEST(ExampleArchive, EveryExampleIsAProgramFileTheClassicEditorOpens) {
    const auto entries = exampleArchiveEntries();
    ASSERT_EQ(entries.size(), std::size(kExamplePrograms) + 1);
    for (size_t k = 0; k < std::size(kExamplePrograms); ++k) {
        const ArchiveEntry& entry = entries[k];
        EXPECT_TRUE(entry.name.ends_with(".zt5")) << entry.name;
        ASSERT_EQ(checkProgramImage(entry.content, Edition::Classic), ImageCheck::Ok) << entry.name;
        Program loaded;
        loadProgramImage(loaded, entry.content, Edition::Classic);
        const ProgramStore expected = exampleProgram(kExamplePrograms[k], {Edition::Classic, nullptr});
        ASSERT_EQ(loaded.main.statements.size(), expected.statements.size()) << entry.name;
        for (size_t line = 0; line < expected.statements.size(); ++line)
            EXPECT_EQ(loaded.main.statements[line], expected.statements[line]) << entry.name << " line " << line;
    }
    EXPECT_EQ(entries.back().name, "例程说明.txt");
    // The guide names every example file.
    const std::string guide = toUtf8(entries.back().content);
    for (size_t k = 0; k + 1 < entries.size(); ++k) EXPECT_NE(guide.find(entries[k].name), std::string::npos);
}

TEST(ExampleArchive, SameBytesEveryBuild) {
    const auto first = exampleArchive();
    ASSERT_TRUE(first.has_value()) << first.error();
    EXPECT_EQ(exampleArchive().value(), *first);
    EXPECT_EQ(first->substr(0, 7), Bytes("Rar!\x1A\x07\x00", 7));
}

}  // namespace
}  // namespace lumio
