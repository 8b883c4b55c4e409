#include <gtest/gtest.h>

#include "core/editing/program_document.h"
#include "core/editing/store_edit.h"
#include "tests/core/model/model_fixtures.h"

namespace lumio {
namespace {

using testing::action;
using testing::numberedStore;

struct Recorded {
    ProgramDocument document;
    std::vector<DocumentChange> changes;

    explicit Recorded(Edition edition = Edition::Current) : document(edition) {
        document.setListener([this](const DocumentChange& change) { changes.push_back(change); });
        Program program;
        program.main = numberedStore(4);
        document.replace(std::move(program), "start.zt5");
        changes.clear();
    }
};

TEST(ProgramDocument, ApplyChangesRecordsAndTells) {
    Recorded recorded;
    ProgramDocument& document = recorded.document;
    EXPECT_FALSE(document.modified());
    ASSERT_TRUE(document.apply({StoreRef::main(), deleteSelectionChange(document.program().main, {1, 2}), {}, {}, 0}));
    EXPECT_EQ(document.program().main.count(), 2u);
    EXPECT_TRUE(document.modified());
    ASSERT_EQ(recorded.changes.size(), 1u);
    EXPECT_EQ(recorded.changes[0].cause, DocumentChange::Cause::Edit);
    EXPECT_EQ(recorded.changes[0].store, StoreRef::main());
    EXPECT_EQ(recorded.changes[0].position, 1u);
    EXPECT_EQ(recorded.changes[0].lines, 0u);

    ASSERT_TRUE(document.undo());
    EXPECT_EQ(document.program().main.count(), 4u);
    EXPECT_FALSE(document.modified());
    EXPECT_EQ(recorded.changes.back().cause, DocumentChange::Cause::Undo);
    EXPECT_EQ(recorded.changes.back().lines, 2u);

    // A step that changes nothing is neither applied, recorded nor told.
    EXPECT_FALSE(document.apply({StoreRef::main(), deleteSelectionChange(document.program().main, {}), {}, {}, 0}));
    EXPECT_EQ(recorded.changes.size(), 2u);
    EXPECT_TRUE(document.canRedo());
}

TEST(ProgramDocument, OneLineTextChangeIsToldAsSuch) {
    Recorded recorded;
    ProgramDocument& document = recorded.document;
    Statement edited = document.program().main[2];
    edited.comment = "x";
    ASSERT_TRUE(document.apply({StoreRef::main(), replaceLineChange(document.program().main, 2, edited), {}, {}, 0}));
    EXPECT_TRUE(recorded.changes.back().lineOnly);
    ASSERT_TRUE(document.apply({StoreRef::main(), replaceLineChange(document.program().main, 2, testing::condition(5)), {}, {}, 0}));
    EXPECT_FALSE(recorded.changes.back().lineOnly);  // an action became a condition: connectors change
}

TEST(ProgramDocument, StoresTheEditionLacksAreRefused) {
    Recorded recorded(Edition::Classic);
    EXPECT_FALSE(recorded.document.apply({*StoreRef::thread(2), insertLineChange(ProgramStore{}, 0, action(1)), {}, {}, 0}));
    EXPECT_TRUE(recorded.document.program().thread(2).empty());
    EXPECT_FALSE(recorded.document.canUndo());
}

TEST(ProgramDocument, NamesStepsAndReplacing) {
    Recorded recorded;
    ProgramDocument& document = recorded.document;
    RenameTable names;
    names.entries.push_back({"M1", "pump"});
    EditStep naming;
    naming.namesAfter = names;
    ASSERT_TRUE(document.apply(naming));
    EXPECT_EQ(document.program().names, names);
    EXPECT_TRUE(recorded.changes.back().namesChanged);
    document.undo();
    EXPECT_EQ(document.program().names.count(), 0u);

    document.markSaved("saved.zt5");
    EXPECT_EQ(document.path(), "saved.zt5");
    EXPECT_FALSE(document.modified());
    document.replace(Program());
    EXPECT_TRUE(document.program().main.empty());
    EXPECT_FALSE(document.canUndo() || document.canRedo() || document.modified());
    EXPECT_EQ(recorded.changes.back().cause, DocumentChange::Cause::Replaced);
}

}  // namespace
}  // namespace lumio
