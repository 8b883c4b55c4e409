#include <gtest/gtest.h>

#include "core/editing/statement_editor_session.h"
#include "core/lang/actions/action_catalogue.h"
#include "core/lang/actions/action_text.h"
#include "core/lang/conditions/condition_param.h"
#include "core/text/gbk.h"
#include "tests/support/recording_list_view.h"
#include "tests/support/statements.h"

namespace lumio {
namespace {

const LangContext kCurrent{Edition::Current, nullptr};

Statement action(int kind, int p1, int p2, const char* param3Utf8 = "", const char* commentUtf8 = "") {
    return testing::actionStatement(kind, p1, p2, param3Utf8, commentUtf8);
}
Statement condition(int kind, int p1, int p2, const char* param3Utf8 = "") {
    return testing::conditionStatement(kind, p1, p2, param3Utf8);
}

using FakeList = testing::RecordingListView;

struct Editor {
    explicit Editor(Edition edition = Edition::Current) : document(edition), session(document) {}
    ProgramDocument document;
    const Program& program = document.program();
    const EditHistory& history = document.history();
    FakeList list;
    StatementEditorSession session;

    // Starts from a program whose `store` holds `statements`, nothing to undo.
    void set(StoreRef store, std::vector<Statement> statements) {
        Program changed = program;
        changed.store(store).statements = std::move(statements);
        changed.store(store).recomputeDepths();
        document.replace(std::move(changed));
    }

    // Opens line `line` of the main program in edit mode, as a double click on it does.
    void edit(int line) {
        list.selected = line;
        session.open(StoreRef::main(), line, false, &list);
    }
};

std::vector<int> codesOf(const std::vector<OfferedEntry>& entries) {
    std::vector<int> codes;
    for (const OfferedEntry& entry : entries) codes.push_back(entry.code);
    return codes;
}

TEST(StatementEditorSession, NewStatementStartsAsConditionWithoutKind) {
    Editor editor;
    editor.session.open(StoreRef::main(), -1, true, &editor.list);
    const auto& session = editor.session;
    EXPECT_FALSE(session.statement().isAction);
    EXPECT_EQ(session.statement().kind(), 0);
    ASSERT_EQ(session.kinds().size(), 18u);
    EXPECT_EQ(toUtf8(session.kinds()[0].name), "外部输入");
    EXPECT_EQ(toUtf8(session.kinds()[17].name), "网络数据");
    EXPECT_EQ(session.kindSelection(), -1);
    EXPECT_TRUE(session.param1s().empty());
    EXPECT_TRUE(session.param2s().empty());
    EXPECT_TRUE(session.examples().empty());
    EXPECT_TRUE(session.param3Text().empty());
}

TEST(StatementEditorSession, FillListsOffersTheCatalogueOfEachEdition) {
    for (const Edition edition : {Edition::Current, Edition::Classic}) {
        Editor editor(edition);
        const LangContext context{edition, &editor.program.names};
        auto& session = editor.session;
        session.open(StoreRef::main(), -1, true, &editor.list);
        session.chooseAction(true);
        EXPECT_EQ(session.kinds(), offeredActionKinds());
        for (int entry = 0; entry < static_cast<int>(session.kinds().size()); ++entry) {
            session.chooseKind(entry);
            const int kind = session.kinds()[static_cast<size_t>(entry)].code;
            EXPECT_EQ(session.statement().kind(), kind);
            EXPECT_EQ(session.param1s(), offeredActionParam1(kind, context)) << kind;
            EXPECT_EQ(session.param2s(), offeredActionParam2(kind, session.statement().param1(), context)) << kind;
            // The first entries are selected and are the codes stored.
            if (session.param1s().empty()) {
                EXPECT_EQ(session.param1Selection(), -1) << kind;
                continue;
            }
            EXPECT_EQ(session.param1Selection(), 0) << kind;
            EXPECT_EQ(session.statement().param1(), session.param1s()[0].code) << kind;
        }
    }
}

TEST(StatementEditorSession, ListsFollowParameterChoicesWithExamples) {
    Editor editor;
    auto& session = editor.session;
    session.open(StoreRef::main(), -1, true, &editor.list);
    session.chooseAction(true);
    session.chooseKind(12);  // 函数处理
    session.chooseParam2(1);
    EXPECT_EQ(session.statement().param2(), 2);
    ASSERT_EQ(session.examples().size(), 5u);
    EXPECT_EQ(session.examples()[0], "(1,2)");
    EXPECT_EQ(toUtf8(session.examples()[4]), "数据口1=(1,数组2)");

    // Conditions: 外部输入 offers 输入1..输入200 and ten modes.
    session.chooseAction(false);
    session.chooseKind(0);
    EXPECT_EQ(session.param1s().size(), 200u);
    EXPECT_EQ(toUtf8(session.param1s()[199].name), "输入200");
    EXPECT_EQ(codesOf(session.param2s()), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    session.chooseParam1(4);
    EXPECT_EQ(session.statement().param1(), 5);
    EXPECT_EQ(session.param1Selection(), 4);
}

TEST(StatementEditorSession, LoadShowsTheStoredStatement) {
    Editor editor;
    editor.set(StoreRef::main(), {action(1, 1, 1, "3", "第三路"), action(30, 7, 9), condition(3, 101, 1)});
    editor.edit(0);
    auto& session = editor.session;
    EXPECT_FALSE(session.isNew());
    EXPECT_EQ(session.kindSelection(), 0);
    EXPECT_EQ(session.param1Selection(), 0);
    EXPECT_EQ(session.param2Selection(), 0);
    EXPECT_EQ(session.param3Text(), "3");
    EXPECT_EQ(toUtf8(session.commentText()), "第三路");

    // Codes beyond their lists show no selection and stay in the statement.
    editor.edit(1);
    EXPECT_EQ(session.kindSelection(), -1);
    EXPECT_EQ(session.param1Selection(), -1);
    EXPECT_EQ(session.statement().kind(), 30);
    editor.edit(2);
    EXPECT_EQ(session.kindSelection(), 2);
    EXPECT_EQ(session.param1Selection(), -1);
    EXPECT_EQ(session.statement().param1(), 101);

    // An index outside the store loads a blank statement.
    editor.edit(7);
    EXPECT_EQ(session.statement(), Statement{});
}

TEST(StatementEditorSession, KindChangeClearsCommentAndParameter) {
    Editor editor;
    editor.set(StoreRef::main(), {action(4, 3, 1, "5+1", "计数")});
    editor.edit(0);
    auto& session = editor.session;
    session.chooseKind(4);  // 全局整数
    EXPECT_EQ(session.statement().kind(), 5);
    EXPECT_EQ(session.statement().param1(), 1);
    EXPECT_EQ(session.statement().param2(), 1);
    EXPECT_TRUE(session.commentText().empty());
    EXPECT_TRUE(session.param3Text().empty());
    // Edit mode writes the change back at once.
    const Statement& stored = editor.program.main[0];
    EXPECT_TRUE(stored.comment.empty());
    EXPECT_EQ(stored, action(5, 1, 1, ""));
}

TEST(StatementEditorSession, SwitchingConditionAndActionKeepsCodes) {
    Editor editor;
    editor.set(StoreRef::main(), {action(5, 3, 1, "12")});
    editor.edit(0);
    auto& session = editor.session;
    session.chooseAction(false);
    const Statement& stored = editor.program.main[0];
    EXPECT_EQ(stored.isAction, 0);
    EXPECT_EQ(stored.kind(), 5);
    EXPECT_EQ(stored.param1(), 3);
    EXPECT_EQ(stored.param2(), 1);
    // Kind 5 now names the condition kind 5; the text shown is encoded with its form.
    EXPECT_EQ(toUtf8(session.kinds()[static_cast<size_t>(session.kindSelection())].name), "整数(局部变量 整型 32位)");
    EXPECT_EQ(session.param3Text(), "12");
    EXPECT_EQ(decodeConditionParam(stored, kCurrent), "12");

    session.chooseAction(true);
    EXPECT_EQ(editor.program.main[0], action(5, 3, 1, "12"));
    // Both switches are one undo step.
    EXPECT_EQ(editor.history.undoCount(), 1u);
}

TEST(StatementEditorSession, ApplyEditTrimsAndTurnsFullWidthQuotes) {
    struct Case {
        const char* typed;
        const char* encodedAs;
    };
    const Case cases[] = {
        {"  5 + 1\t", "5 + 1"},
        {"“AB”", "\"AB\""},
        {" “AB” ", "\"AB\""},
        // A text that holds an ASCII double quote keeps its full-width quotes.
        {"\"A“B”\"", "\"A“B”\""},
    };
    for (const Case& c : cases) {
        Editor editor;
        editor.set(StoreRef::main(), {action(4, 1, 1)});
        editor.edit(0);
        editor.session.editParam3(toGbk(c.typed));
        EXPECT_EQ(editor.program.main[0], action(4, 1, 1, c.encodedAs)) << c.typed;
    }
}

TEST(StatementEditorSession, EditModeWritesEveryKeystrokeAsOneUndoStep) {
    Editor editor;
    editor.set(StoreRef::main(), {action(1, 1, 5), action(4, 1, 1, "0"), action(1, 1, 6)});
    editor.list.top = 1;
    editor.edit(1);
    auto& session = editor.session;
    for (const char* typed : {"1", "12", "12+3", "12+34"}) {
        session.editParam3(typed);
        EXPECT_EQ(editor.program.main[1], action(4, 1, 1, typed)) << typed;
    }
    ASSERT_EQ(editor.list.updates.size(), 4u);
    for (const ListingUpdate& update : editor.list.updates) {
        EXPECT_EQ(update.line, 1);
        EXPECT_EQ(update.topLine, 1);
        EXPECT_TRUE(update.lineOnly);
    }

    // A parameter choice is not written back until the next write-back.
    session.chooseParam1(5);
    EXPECT_EQ(editor.program.main[1].param1(), 1);
    session.setOrChecked(true);
    EXPECT_EQ(editor.program.main[1].param1(), 6);

    EXPECT_EQ(editor.history.undoCount(), 1u);
    editor.document.undo();
    EXPECT_EQ(editor.program.main[1], action(4, 1, 1, "0"));
    editor.document.redo();
    EXPECT_EQ(editor.program.main[1].param1(), 6);

    // The next statement edited is a step of its own.
    editor.edit(0);
    editor.session.editParam3("100");
    EXPECT_EQ(editor.history.undoCount(), 2u);
}

TEST(StatementEditorSession, WriteBackGoesToTheSelectedLineOnly) {
    Editor editor;
    editor.set(StoreRef::main(), {action(4, 1, 1, "0"), action(4, 2, 1, "0")});
    editor.edit(0);
    // Nothing selected: the store ignores the replacement.
    editor.list.selected = -1;
    editor.session.editParam3("7");
    EXPECT_EQ(editor.program.main[0], action(4, 1, 1, "0"));
    EXPECT_TRUE(editor.list.updates.empty());
    // Typing the text the line already holds records nothing.
    editor.list.selected = 0;
    editor.session.editParam3("0");
    EXPECT_FALSE(editor.history.canUndo());
}

TEST(StatementEditorSession, ChangesThatMoveOtherLinesRefreshTheWholeListing) {
    Editor editor;
    editor.set(StoreRef::main(), {condition(1, 1, 2), action(1, 1, 1, "1"), action(1, 1, 1, "2")});
    editor.edit(1);
    auto& session = editor.session;
    session.chooseKind(11);   // 表达式
    session.chooseParam1(1);  // 块开始
    session.editParam3("");
    ASSERT_GE(editor.list.updates.size(), 2u);
    EXPECT_TRUE(editor.list.updates.front().lineOnly);
    EXPECT_FALSE(editor.list.updates.back().lineOnly);
    EXPECT_TRUE(editor.program.main[1].isBlockBegin());
    EXPECT_EQ(editor.program.main[2].depth, 1);
    session.chooseAction(false);
    EXPECT_FALSE(editor.list.updates.back().lineOnly);
}

TEST(StatementEditorSession, ConfirmInAddModeInsertsAfterTheHighestSelection) {
    struct Case {
        int lines;
        int selected;
        int insertedAt;
    };
    const Case cases[] = {{0, -1, 0}, {3, -1, 3}, {3, 0, 1}, {3, 2, 3}, {3, 7, 3}};
    for (const Case& c : cases) {
        Editor editor;
        std::vector<Statement> lines;
        for (int i = 0; i < c.lines; ++i) lines.push_back(action(4, i + 1, 1, "0"));
        editor.set(StoreRef::main(), std::move(lines));
        editor.list.selected = c.selected;
        editor.list.top = 2;
        auto& session = editor.session;
        session.open(StoreRef::main(), c.selected, true, &editor.list);
        session.chooseAction(true);
        session.chooseKind(11);   // 表达式
        session.chooseParam1(1);  // 块开始
        // Add mode writes nothing before confirm.
        EXPECT_EQ(editor.program.main.count(), static_cast<size_t>(c.lines));
        session.confirm();
        ASSERT_EQ(editor.program.main.count(), static_cast<size_t>(c.lines + 1));
        const Statement& inserted = editor.program.main[static_cast<size_t>(c.insertedAt)];
        EXPECT_TRUE(inserted.isBlockBegin()) << c.lines << " " << c.selected;
        ASSERT_EQ(editor.list.updates.size(), 1u);
        EXPECT_EQ(editor.list.updates[0].line, c.insertedAt);
        EXPECT_EQ(editor.list.updates[0].topLine, 2);
        EXPECT_FALSE(editor.list.updates[0].lineOnly);
        if (c.lines == 0) {
            EXPECT_EQ(actionText(inserted, kCurrent), "{");
        }
        editor.document.undo();
        EXPECT_EQ(editor.program.main.count(), static_cast<size_t>(c.lines));
    }
}

TEST(StatementEditorSession, SelectionChangeDropsTheStatementBeingAdded) {
    Editor editor;
    editor.set(StoreRef::main(), {action(4, 1, 1, "0")});
    auto& session = editor.session;
    session.open(StoreRef::main(), 0, true, &editor.list);
    session.chooseAction(true);
    session.chooseKind(0);
    editor.edit(0);
    EXPECT_FALSE(session.isNew());
    EXPECT_EQ(session.statement(), editor.program.main[0]);
    session.confirm();
    EXPECT_EQ(editor.program.main.count(), 1u);
}

TEST(StatementEditorSession, FunctionsAndThreadsAreEditedInTheirOwnStore) {
    Editor editor;
    editor.set(*StoreRef::function(3), {action(4, 1, 1, "0")});
    editor.set(*StoreRef::thread(2), {action(4, 1, 1, "0")});
    FakeList functionList;
    functionList.selected = 0;
    auto& session = editor.session;
    session.open(*StoreRef::function(3), 0, false, &functionList);
    session.editParam3("9");
    EXPECT_EQ(editor.program.function(3)[0], action(4, 1, 1, "9"));
    session.open(*StoreRef::thread(2), 0, false, &functionList);
    session.editParam3("8");
    EXPECT_EQ(editor.program.thread(2)[0], action(4, 1, 1, "8"));
    EXPECT_TRUE(editor.program.main.empty());
    editor.document.undo();
    EXPECT_EQ(editor.program.thread(2)[0], action(4, 1, 1, "0"));
    EXPECT_EQ(editor.program.function(3)[0], action(4, 1, 1, "9"));

    // Cancel gives a visible function or thread list the focus; the main list never takes it.
    functionList.visible = true;
    session.cancel();
    EXPECT_EQ(functionList.focusCount, 1);
    editor.list.visible = true;
    editor.edit(-1);
    session.cancel();
    EXPECT_EQ(editor.list.focusCount, 0);
}

TEST(StatementEditorSession, CancelKeepsWhatEditModeWrote) {
    Editor editor;
    editor.set(StoreRef::main(), {action(4, 1, 1, "0")});
    editor.edit(0);
    editor.session.editParam3("5");
    editor.session.cancel();
    EXPECT_EQ(editor.program.main[0], action(4, 1, 1, "5"));
}

TEST(StatementEditorSession, CommentIsTakenAtTheNextWriteBack) {
    Editor editor;
    editor.set(StoreRef::main(), {action(4, 1, 1, "0")});
    editor.edit(0);
    editor.session.editComment(toGbk("启动"));
    EXPECT_TRUE(editor.program.main[0].comment.empty());
    editor.session.confirm();
    EXPECT_EQ(toUtf8(editor.program.main[0].comment), "启动");
}

TEST(StatementEditorSession, RemoteLearnAndLearnedCode) {
    struct Case {
        Statement statement;
        std::optional<RemoteLearn> request;
    };
    const Case cases[] = {
        {action(19, 1, 1), RemoteLearn::Infrared},
        {action(19, 3, 1), RemoteLearn::Radio},
        {action(19, 2, 1), std::nullopt},
        {condition(15, 4, 1), RemoteLearn::Radio},
        {condition(15, 4, 2), std::nullopt},
        {condition(15, 5, 1), std::nullopt},
    };
    for (const Case& c : cases) {
        Editor editor;
        editor.set(StoreRef::main(), {c.statement});
        editor.edit(0);
        EXPECT_EQ(editor.session.remoteLearnRequest(), c.request) << int(c.statement.kind());
    }

    Editor editor;
    editor.set(StoreRef::main(), {action(19, 3, 1)});
    editor.edit(0);
    const Statement before = editor.program.main[0];
    editor.session.learnedCode(ByteView("\x01\x02\xAB", 3));
    EXPECT_EQ(editor.session.param3Text(), "{01 02 AB}");
    // The code is taken at the next write-back, not when it arrives.
    EXPECT_EQ(editor.program.main[0], before);
    editor.session.confirm();
    EXPECT_NE(editor.program.main[0], before);
    EXPECT_EQ(learnedCodeText({}), "{}");
}

}  // namespace
}  // namespace lumio
