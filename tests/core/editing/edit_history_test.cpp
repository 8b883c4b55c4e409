#include <gtest/gtest.h>

#include "core/editing/edit_history.h"
#include "core/editing/store_edit.h"
#include "tests/support/statements.h"

namespace lumio {
namespace {

Statement condition(int number) { return testing::rawStatement(false, 1, number); }

Program programOf(int count) {
    Program program;
    for (int i = 1; i <= count; ++i) program.main.statements.push_back(condition(i));
    return program;
}

EditStep mainStep(SpanChange change, std::uint64_t group = 0) {
    EditStep step;
    step.change = std::move(change);
    step.group = group;
    return step;
}

TEST(EditHistory, UndoAndRedoWalkTheSteps) {
    Program program = programOf(4);
    const auto original = program.main.statements;
    EditHistory history;
    EXPECT_FALSE(history.modified());
    history.record(mainStep(deleteSelection(program.main, {1, 2})));
    const auto afterDelete = program.main.statements;
    history.record(mainStep(insertBlockPair(program.main, 0)));
    EXPECT_TRUE(history.modified());
    EXPECT_EQ(history.undoCount(), 2u);

    ASSERT_TRUE(history.undo(program));
    EXPECT_EQ(program.main.statements, afterDelete);
    const auto undone = history.undo(program);
    ASSERT_TRUE(undone);
    EXPECT_EQ(undone->change.position, 1u);
    EXPECT_EQ(program.main.statements, original);
    EXPECT_FALSE(history.modified());
    EXPECT_FALSE(history.undo(program));

    ASSERT_TRUE(history.redo(program));
    EXPECT_EQ(program.main.statements, afterDelete);
    // A new step drops what could be redone.
    history.record(mainStep(deleteAll(program.main)));
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undoCount(), 2u);
}

TEST(EditHistory, CleanStateFollowsSaves) {
    Program program = programOf(3);
    EditHistory history;
    history.record(mainStep(deleteSelection(program.main, {0})));
    history.markClean();
    EXPECT_FALSE(history.modified());
    history.undo(program);
    EXPECT_TRUE(history.modified());
    history.redo(program);
    EXPECT_FALSE(history.modified());
    // Undo past the save, then a new step: the saved state is gone for good.
    history.undo(program);
    history.record(mainStep(deleteSelection(program.main, {2})));
    history.undo(program);
    EXPECT_TRUE(history.modified());
    history.clear();
    EXPECT_FALSE(history.modified());
    EXPECT_FALSE(history.canUndo());
}

TEST(EditHistory, EmptyChangesAreNotSteps) {
    Program program = programOf(2);
    EditHistory history;
    history.record(mainStep(deleteSelection(program.main, {})));
    history.record(mainStep(pasteClipboard(program.main, ProgramStore{}, 0, 2)));
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.modified());
}

TEST(EditHistory, OneGroupUndoesAsOneStep) {
    // The statement editor replaces the statement it edits on every change.
    Program program = programOf(3);
    const auto original = program.main.statements;
    EditHistory history;
    const std::uint64_t group = history.newGroup();
    for (int value = 10; value < 14; ++value) {
        SpanChange change = recordSpan(program.main, 1, 2,
                                       [&](ProgramStore& store) { store.replaceAt(1, condition(value)); });
        history.record(mainStep(std::move(change), group));
    }
    // An insertion followed by edits of the inserted statement folds as well.
    const std::uint64_t addGroup = history.newGroup();
    history.record(mainStep(recordSpan(program.main, 3, 3, [](ProgramStore& store) { store.insertAfter(2, condition(20)); }),
                            addGroup));
    history.record(mainStep(recordSpan(program.main, 3, 4, [](ProgramStore& store) { store.replaceAt(3, condition(21)); }),
                            addGroup));
    EXPECT_EQ(history.undoCount(), 2u);
    EXPECT_EQ(program.main[1].param1(), 13);
    EXPECT_EQ(program.main[3].param1(), 21);
    history.undo(program);
    EXPECT_EQ(program.main.count(), 3u);
    history.undo(program);
    EXPECT_EQ(program.main.statements, original);
    history.redo(program);
    EXPECT_EQ(program.main[1].param1(), 13);
}

TEST(EditHistory, StepsOfOtherStoresAndNames) {
    Program program = programOf(1);
    EditHistory history;
    EditStep step;
    step.store = *StoreRef::thread(7);
    step.change = recordSpan(program.thread(7), 0, 0, [](ProgramStore& store) { store.insertAfter(0, condition(5)); });
    history.record(step);
    EditStep naming;
    naming.namesBefore = program.names;
    program.names.entries.push_back({"M1", "pump"});
    naming.namesAfter = program.names;
    history.record(naming);
    history.undo(program);
    EXPECT_EQ(program.names.count(), 0u);
    history.undo(program);
    EXPECT_TRUE(program.thread(7).empty());
    history.redo(program);
    history.redo(program);
    EXPECT_EQ(program.thread(7).count(), 1u);
    EXPECT_EQ(program.names.count(), 1u);
    EXPECT_EQ(storeById(program, 101), nullptr);
    EXPECT_EQ(storeById(program, 600), &program.thread(100));
}

TEST(EditHistory, LimitDropsTheOldestSteps) {
    Program program = programOf(10);
    EditHistory history(3);
    for (int i = 0; i < 5; ++i) history.record(mainStep(deleteSelection(program.main, {0})));
    EXPECT_EQ(history.undoCount(), 3u);
    while (history.undo(program)) {}
    EXPECT_EQ(program.main.count(), 8u);
    EXPECT_TRUE(history.modified());  // the state it started from is out of reach
}

}  // namespace
}  // namespace lumio

namespace lumio {
namespace {

// A program read from a board replaces every store and the names; one undo brings the old one back,
// and an edit made before it is undone after it, in order.
TEST(EditHistory, WholeProgramReplacementIsOneStep) {
    Program program = programOf(3);
    EditHistory history;
    history.record(mainStep(deleteSelection(program.main, {0})));
    const Program beforeRead = program;

    Program fromBoard = programOf(5);
    fromBoard.function(7).statements.push_back(condition(9));
    history.record(wholeProgramStep(program, fromBoard));
    program = fromBoard;
    EXPECT_EQ(history.undoCount(), 2u);

    const auto undone = history.undo(program);
    ASSERT_TRUE(undone);
    EXPECT_TRUE(undone->replacesProgram());
    EXPECT_EQ(program.main.statements, beforeRead.main.statements);
    EXPECT_TRUE(program.function(7).empty());
    ASSERT_TRUE(history.redo(program));
    EXPECT_EQ(program.main.statements, fromBoard.main.statements);
    EXPECT_EQ(program.function(7).count(), 1u);
    ASSERT_TRUE(history.undo(program));
    ASSERT_TRUE(history.undo(program));
    EXPECT_EQ(program.main.statements, programOf(3).main.statements);
}

}  // namespace
}  // namespace lumio
