#include <gtest/gtest.h>

#include "core/edition_profile.h"
#include "core/lang/operands/naming.h"
#include "core/model/program.h"
#include "core/model/program_image.h"
#include "core/text/gbk.h"
#include "tests/core/model/model_fixtures.h"

namespace lumio {
namespace {

using testing::action;
using testing::blockBegin;
using testing::blockEnd;

TEST(StoreRef, IdsNamesAndEditions) {
    const struct {
        int id;
        Edition edition;
        std::optional<StoreKind> kind;  // nothing: no such store
        int number;
        const char* name;
    } cases[] = {
        {0, Edition::Current, StoreKind::Main, 0, "主程序"},
        {1, Edition::Classic, StoreKind::Function, 1, "函数1"},
        {100, Edition::Current, StoreKind::Function, 100, "函数100"},
        {101, Edition::Current, std::nullopt, 0, ""},
        {500, Edition::Current, std::nullopt, 0, ""},
        {501, Edition::Current, StoreKind::Thread, 1, "线程1"},
        {600, Edition::Current, StoreKind::Thread, 100, "线程100"},
        {501, Edition::Classic, std::nullopt, 0, ""},  // the classic edition has no threads
        {601, Edition::Current, std::nullopt, 0, ""},
        {-1, Edition::Current, std::nullopt, 0, ""},
        {1002, Edition::Current, std::nullopt, 0, ""},  // the names block is no store
    };
    for (const auto& c : cases) {
        const std::optional<StoreRef> store = StoreRef::fromId(c.id, c.edition);
        ASSERT_EQ(store.has_value(), c.kind.has_value()) << c.id;
        if (!store) continue;
        EXPECT_EQ(store->kind(), *c.kind) << c.id;
        EXPECT_EQ(store->number(), c.number) << c.id;
        EXPECT_EQ(store->id(), c.id);
        EXPECT_EQ(toUtf8(store->defaultName()), c.name);
        EXPECT_TRUE(store->existsIn(c.edition));
    }
    EXPECT_FALSE(StoreRef::thread(3)->existsIn(Edition::Classic));
    EXPECT_FALSE(StoreRef::function(0));
    EXPECT_FALSE(StoreRef::thread(101));
}

TEST(StoreRef, DisplayNameAndPlaceInTheProgram) {
    Program program;
    ASSERT_EQ(renameVariable(program.names, toGbk("函数3"), toGbk("报警")), std::string());
    EXPECT_EQ(toUtf8(StoreRef::function(3)->displayName(&program.names)), "报警");
    EXPECT_EQ(toUtf8(StoreRef::function(4)->displayName(&program.names)), "函数4");
    EXPECT_EQ(&program.store(*StoreRef::thread(7)), &program.thread(7));
    EXPECT_EQ(&program.store(StoreRef::main()), &program.main);
}

TEST(EditionProfile, ClassicDiffersWhereItShould) {
    const EditionProfile& current = editionProfile(Edition::Current);
    const EditionProfile& classic = editionProfile(Edition::Classic);
    EXPECT_STREQ(current.title, "Lumio工具V2.000（固件16）");
    EXPECT_STREQ(classic.title, "Lumio工具 V1.461");
    EXPECT_EQ(current.maxImage, 499999u);
    EXPECT_EQ(classic.maxImage, 199999u);
    EXPECT_TRUE(current.hasThreads && !classic.hasThreads);
    EXPECT_EQ(classic.statementEditor, StatementEditorStyle::ModalOnOk);
    EXPECT_EQ(current.nameCategories.size(), 10u);
    ASSERT_EQ(classic.nameCategories.size(), 9u);
    for (const NameCategory& category : classic.nameCategories) EXPECT_STRNE(category.word, "线程");
    EXPECT_EQ(editionProfileNamed("classic"), &classic);
    EXPECT_EQ(editionProfileNamed("Classic"), nullptr);
}

// Images are built from a const program: each store under the id of its place, with the depths its
// block markers give, whatever the statements' own fields say.
TEST(ProgramImage, BuiltFromTheProgramAsItStands) {
    Program program;
    program.function(4).statements = {blockBegin(), action(1, 1, 1), blockEnd()};  // depths never computed
    program.function(4).storeId = 77;
    const Program before = program;
    const Bytes image = buildProgramImage(program);
    EXPECT_EQ(program.function(4).storeId, 77);
    Program loaded;
    loadProgramImage(loaded, image);
    ASSERT_EQ(loaded.function(4).count(), 3u);
    EXPECT_EQ(loaded.function(4)[1].depth, 1);
    EXPECT_EQ(loaded.function(4).storeId, 4);
    EXPECT_EQ(program.function(4).statements, before.function(4).statements);
}

}  // namespace
}  // namespace lumio
