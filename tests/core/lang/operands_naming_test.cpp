#include <gtest/gtest.h>

#include <filesystem>

#include "core/lang/operands/naming.h"
#include "core/model/program_files.h"
#include "tests/core/lang/expressions_test_support.h"

namespace lumio {
namespace {

using test::g;
using test::u;

std::string rename(RenameTable& names, const char* defaultName, const char* newName,
                   Edition edition = Edition::Current) {
    return u(renameVariable(names, g(defaultName), g(newName), edition));
}

TEST(RenameVariable, RulesAndMessages) {
    struct Case {
        const char* defaultName;
        const char* newName;
        const char* message;
        const char* nameAfter;  // the user name of 全局整数5 afterwards
    };
    // Each case starts from a table where 全局整数5 is «温度» and 输入3 is «启动键».
    const Case cases[] = {
        {"全局整数5", "", "已复位", ""},
        {"", "abc", "空字符不行", "温度"},
        {"全局整数5", "输入3", "与系统名称重复：全局整数5 = 输入3", "温度"},
        {"全局整数5", "线程2", "与系统名称重复：全局整数5 = 线程2", "温度"},
        {"全局整数5", "全局数组1-2", "与系统名称重复：全局整数5 = 全局数组1-2", "温度"},
        {"全局整数5", "输入3a", "", "输入3a"},
        {"全局整数5", "全局整数5", "已复位", ""},
        {"全局整数5", "温 度", "新名称不合法（应该由字符数字下划线组成）", "温度"},
        {"全局整数5", "a-b", "新名称不合法（应该由字符数字下划线组成）", "温度"},
        {"全局整数5", "a_B9", "", "a_B9"},
        {"全局整数5", "启动键", "重复: 输入3", "温度"},
        {"全局整数5", "温度", "", "温度"},
        {"全局整数05", "热度", "", "热度"},
        {"全局整数6", "温度", "重复: 全局整数5", "温度"},
    };
    for (const Case& c : cases) {
        RenameTable names;
        names.entries.push_back({g("全局整数5"), g("温度")});
        names.entries.push_back({g("输入3"), g("启动键")});
        EXPECT_EQ(rename(names, c.defaultName, c.newName), c.message) << c.defaultName << " " << c.newName;
        EXPECT_EQ(u(displayName(&names, g("全局整数5"))), *c.nameAfter ? c.nameAfter : "全局整数5")
            << c.defaultName << " " << c.newName;
        EXPECT_EQ(u(displayName(&names, g("输入3"))), "启动键");
    }
}

TEST(RenameVariable, NormalisesTheDefaultName) {
    RenameTable names;
    EXPECT_EQ(rename(names, "pa3", "灯"), "");
    EXPECT_EQ(rename(names, "全局整数05", "温度"), "");
    EXPECT_EQ(rename(names, "线程2", "泵"), "") << "no token: kept as written";
    ASSERT_EQ(names.count(), 3u);
    EXPECT_EQ(u(names.entries[0].defaultName), "PA3");
    EXPECT_EQ(u(names.entries[1].defaultName), "全局整数5");
    EXPECT_EQ(u(names.entries[2].defaultName), "线程2");
    // D's own name is no obstacle, and the default name is never replaced by a user name.
    EXPECT_EQ(rename(names, "全局整数5", "温度2"), "");
    EXPECT_EQ(u(names.entries[1].defaultName), "全局整数5");
    EXPECT_EQ(u(names.entries[1].userName), "温度2");
    // A user name given as D stands for its entry's default name.
    EXPECT_EQ(rename(names, "温度2", "温度3"), "");
    EXPECT_EQ(rename(names, "泵", "水泵"), "");
    EXPECT_EQ(u(displayName(&names, g("全局整数5"))), "温度3");
    EXPECT_EQ(u(displayName(&names, g("线程2"))), "水泵");
    EXPECT_EQ(names.namedCount(), 3u);
}

TEST(RenameVariable, FreeEntriesAndCapacity) {
    RenameTable names;
    rename(names, "输入1", "a");
    rename(names, "输入2", "b");
    rename(names, "输入1", "");
    EXPECT_EQ(names.count(), 2u);
    EXPECT_EQ(names.namedCount(), 1u);
    rename(names, "输入3", "c");
    EXPECT_EQ(names.count(), 2u) << "the free entry is reused";
    EXPECT_EQ(u(names.entries[0].defaultName), "输入3");
    for (int i = 0; names.count() < RenameTable::kCapacity; ++i)
        ASSERT_EQ(renameVariable(names, g("线程") + std::to_string(i), "n" + std::to_string(i)), "");
    EXPECT_EQ(rename(names, "输出1", "full"), "");
    EXPECT_EQ(u(displayName(&names, g("输出1"))), "输出1") << "silently not stored";
    EXPECT_EQ(names.count(), RenameTable::kCapacity);
}

TEST(RenameVariable, ClassicEditionHasNoReservedWords) {
    RenameTable names;
    EXPECT_EQ(rename(names, "全局整数5", "输入3", Edition::Classic), "");
    EXPECT_EQ(rename(names, "全局整数6", "a b", Edition::Classic), "新名称不合法（应该由字符数字下划线组成）");
    EXPECT_EQ(rename(names, "全局整数6", "输入3", Edition::Classic), "重复: 全局整数5");
}

TEST(NamesText, ExportAndImport) {
    RenameTable names;
    rename(names, "全局整数5", "温度");
    rename(names, "输入3", "启动键");
    rename(names, "输出1", "x");
    rename(names, "输出1", "");
    const std::string text = exportNames(names);
    EXPECT_EQ(u(text), "温度\t=\t全局整数5\r\n启动键\t=\t输入3\r\n");
    RenameTable again;
    EXPECT_EQ(importNames(again, text), "");
    EXPECT_EQ(exportNames(again), text);

    struct Case {
        const char* text;
        const char* message;
        size_t named;
    };
    const Case cases[] = {
        {"a=输入1\r\nb = 输入2\r\nabc\r\nc=输入3\r\n", "已复位", 2},
        {"a=输入1\nb=输入2\nabc", "最后一行已复位", 2},
        {"a=输入1\r\n\r\n\nb=输入2", "", 2},
        {"a=输入1\r\nb=输入2\r\nx", "", 2},
        {"a=输入1\r\na=输入2\r\nc=输入3\r\n", "重复: 输入1", 1},
        {"a=输入1\r\n输入5=输入2", "最后一行与系统名称重复：输入2 = 输入5", 1},
        {"", "", 0},
    };
    for (const Case& c : cases) {
        RenameTable table;
        EXPECT_EQ(u(importNames(table, g(c.text))), c.message) << c.text;
        EXPECT_EQ(table.namedCount(), c.named) << c.text;
    }
}

TEST(NamesText, SurviveSavingAndOpeningAProgramFile) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("lumio_names_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(folder);
    for (Edition edition : {Edition::Current, Edition::Classic}) {
        Program program;
        rename(program.names, "全局整数5", "温度");
        rename(program.names, "函数7", "启动");
        // Written by another tool: a name that looks reserved still loads with the file.
        program.names.entries.push_back({g("全局整数6"), g("输入3")});
        const auto saved = saveProgramFile(program, folder / "names", edition);
        ASSERT_TRUE(saved.has_value());
        Program opened;
        rename(opened.names, "输出1", "stale");
        ASSERT_TRUE(openProgramFile(opened, *saved, edition).has_value());
        EXPECT_EQ(opened.names, program.names);
        EXPECT_EQ(u(displayName(&opened.names, g("全局整数6"))), "输入3");
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace lumio
