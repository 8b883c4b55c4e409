#pragma once
// The statement editor's state and rules, without widgets: the statement being built, the lists it
// offers, the parameter-3 and comment texts, and what each choice does. The editor dialog only shows
// this state and passes the user's choices in; the session writes the statement back into its store
// (edit mode: at once on every change; add mode: on confirm) through the program document, then tells
// the list that shows the store which line to select.
//
// Every write-back is applied under a group opened when the statement is loaded, so all changes made
// to one statement (each keystroke in 参数3 included) undo as one step.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/editing/program_document.h"
#include "core/lang/actions/action_table.h"
#include "core/lang/context.h"
#include "core/model/program.h"
#include "core/text/bytes.h"

namespace lumio {

// How the list that shows a store should show a change the editor made to the store.
struct ListingUpdate {
    int line = -1;          // the line to select after the refresh
    int topLine = 0;        // the list's top line before the change, to restore
    bool lineOnly = false;  // only this line's text changed (same line count, prefixes and depths)
};

// The list that shows a store: the main window's listing (store 0) or the function or thread list
// (the function or thread it shows). Both implement it, so the editor writes back the same way.
class StatementListView {
public:
    virtual ~StatementListView() = default;
    virtual int highestSelected() const = 0;
    virtual int topLine() const = 0;
    // The editor has changed the store through the document (the list has been told and shown it
    // again): select `update.line` and restore `update.topLine`.
    virtual void showEdit(const ListingUpdate& update) = 0;
    // Whether the list is on screen, and giving it the keyboard focus (after cancel).
    virtual bool listVisible() const { return false; }
    virtual void focusList() {}
};

// Which remote code the editor asks the main window to learn when 参数3 gains the focus.
enum class RemoteLearn { Radio, Infrared };

class StatementEditorSession {
public:
    // The parts of the editor's controls an event changed, for the dialog to show again.
    enum Part : unsigned {
        ChoicePart = 1u << 0,    // condition/result choice and the OR check box
        KindsPart = 1u << 1,     // kind list and its selection
        Param1Part = 1u << 2,    // parameter-1 list and its selection
        Param2Part = 1u << 3,    // parameter-2 list and its selection
        ExamplesPart = 1u << 4,  // the 参数3 drop-down entries
        Param3Part = 1u << 5,    // the 参数3 text
        CommentPart = 1u << 6,   // the comment text
        AllParts = (1u << 7) - 1,
    };
    using Parts = unsigned;

    explicit StatementEditorSession(ProgramDocument& document);

    // Fills the editor with the statement at `index` of `store` (a blank statement when the index
    // lies outside the store, and always in add mode), written back to the store and shown through `view`.
    void open(StoreRef store, int index, bool isNew, StatementListView* view);
    // Fills the editor with `statement`: the lists, the 参数3 text and the comment; a blank statement
    // in add mode. A new statement therefore starts as a condition with no kind chosen.
    void loadStatement(StoreRef store, int index, const Statement& statement, bool isNew, StatementListView* view);

    // The user's choices. Each returns the parts to show again.
    Parts chooseAction(bool isAction);         // 条件/结果
    Parts setOrChecked(bool checked);          // 与上条逻辑或
    Parts chooseKind(int entry);               // 类型: entry of the offered list
    Parts chooseParam1(int entry);             // 参数1
    Parts chooseParam2(int entry);             // 参数2
    Parts editParam3(const std::string& text); // 参数3 typed or picked from the drop-down
    Parts editComment(const std::string& text);  // 备注 (no write-back of its own)

    // 确认: applies the 参数3 text, and in add mode inserts the statement after the highest selected
    // line (appended when nothing is selected).
    void confirm();
    // 取消 or the close box: gives a visible function or thread list the focus. What edit mode has
    // written stays written.
    void cancel();

    // The learn request when 参数3 gains the focus, if the statement is one that sends a remote code.
    std::optional<RemoteLearn> remoteLearnRequest() const;
    // A learned code arrived: 参数3 becomes "{XX XX ...}"; applied at the next write-back, not now.
    Parts learnedCode(ByteView code);

    // Trims, applies the full-width quote rule, encodes 参数3 into the statement and, in edit mode,
    // writes the statement back to the selected line of its list.
    void applyEdit();

    // Editor state.
    const Statement& statement() const { return statement_; }
    StoreRef store() const { return store_; }
    int storeId() const { return store_.id(); }
    int index() const { return index_; }
    bool isNew() const { return isNew_; }
    bool orChecked() const { return orChecked_; }
    StatementListView* view() const { return view_; }
    LangContext context() const { return document_.langContext(); }

    // What the controls show. Selections are list entries, -1 for none.
    const std::vector<OfferedEntry>& kinds() const { return kinds_; }
    const std::vector<OfferedEntry>& param1s() const { return param1s_; }
    const std::vector<OfferedEntry>& param2s() const { return param2s_; }
    const std::vector<std::string>& examples() const { return examples_; }
    int kindSelection() const { return kindSelection_; }
    int param1Selection() const { return param1Selection_; }
    int param2Selection() const { return param2Selection_; }
    const std::string& param3Text() const { return param3Text_; }
    const std::string& commentText() const { return commentText_; }

private:
    enum class FillFrom { Kinds, Param1 };
    Parts fillLists(FillFrom from);
    void writeBack();
    void insertNew();
    const ProgramStore& target() const { return document_.store(store_); }

    ProgramDocument& document_;

    Statement statement_;
    StoreRef store_;
    int index_ = -1;
    bool isNew_ = true;
    bool orChecked_ = false;
    StatementListView* view_ = nullptr;
    std::uint64_t group_ = 0;

    std::vector<OfferedEntry> kinds_;
    std::vector<OfferedEntry> param1s_;
    std::vector<OfferedEntry> param2s_;
    std::vector<std::string> examples_;
    int kindSelection_ = -1;
    int param1Selection_ = -1;
    int param2Selection_ = -1;
    std::string param3Text_;
    std::string commentText_;
};

// The (code, name) pairs a statement editor list offers, in list order, for a condition or an action.
std::vector<OfferedEntry> offeredKinds(bool isAction, const LangContext& context);
std::vector<OfferedEntry> offeredParam1(bool isAction, int kind, const LangContext& context);
std::vector<OfferedEntry> offeredParam2(bool isAction, int kind, int p1, const LangContext& context);
// The 参数3 example entries of a statement, in order.
std::vector<std::string> param3Examples(const Statement& statement);

// The 参数3 text of a learned remote code: "{" + the bytes as "%02X" pairs separated by spaces + "}".
std::string learnedCodeText(ByteView code);

}  // namespace lumio
