#include "core/editing/statement_editor_session.h"

#include <algorithm>

#include "core/editing/span_change.h"
#include "core/editing/store_edit.h"
#include "core/lang/actions/action_catalogue.h"
#include "core/lang/actions/action_examples.h"
#include "core/lang/actions/action_text.h"
#include "core/lang/actions/param3_codec.h"
#include "core/lang/conditions/condition_catalogue.h"
#include "core/lang/conditions/condition_param.h"

namespace lumio {
namespace {

// Lists are asked code by code up to this one, stopping before the first empty name.
constexpr int kLastCode = 255;

// Condition kind 15 object 4 mode 1: a radio remote code received.
constexpr int kRemoteConditionKind = 15;
constexpr int kRemoteConditionObject = 4;
constexpr int kRemoteConditionMode = 1;
// Action kind 19: p1 1 sends a universal infrared code, p1 3 a radio remote code.
constexpr int kRemoteActionKind = 19;
constexpr int kInfraredSendParam = 1;
constexpr int kRadioSendParam = 3;

template <class Name>
std::vector<OfferedEntry> numberedList(Name name) {
    std::vector<OfferedEntry> entries;
    for (int code = 1; code <= kLastCode; ++code) {
        std::string text = name(code);
        if (text.empty()) break;
        entries.push_back({code, std::move(text)});
    }
    return entries;
}

// The entry showing `code`, -1 when the code is 0 or the list does not offer it.
int selectionOf(const std::vector<OfferedEntry>& entries, int code) {
    if (code == 0) return -1;
    return offeredPosition(entries, code) - 1;
}

// Equal as the store keeps them: depth is derived, so it does not count.
bool sameStatement(Statement a, Statement b) {
    a.depth = 0;
    b.depth = 0;
    return a == b;
}

}  // namespace

std::vector<OfferedEntry> offeredKinds(bool isAction, const LangContext& context) {
    if (isAction) return offeredActionKinds();
    (void)context;
    return numberedList([](int code) { return conditionKindName(code); });
}

std::vector<OfferedEntry> offeredParam1(bool isAction, int kind, const LangContext& context) {
    if (isAction) return offeredActionParam1(kind, context);
    return numberedList([&](int code) { return conditionObjectName(kind, code, context); });
}

std::vector<OfferedEntry> offeredParam2(bool isAction, int kind, int p1, const LangContext& context) {
    if (isAction) return offeredActionParam2(kind, p1, context);
    return numberedList([&](int code) { return conditionModeName(kind, p1, code, context); });
}

std::vector<std::string> param3Examples(const Statement& statement) {
    std::vector<std::string> entries;
    for (int slot = 1; slot <= kLastCode; ++slot) {
        std::string text = statement.isAction
                               ? actionExample(statement, slot)
                               : conditionExample(statement.kind(), statement.param1(), statement.param2(), slot);
        if (text.empty()) break;
        entries.push_back(std::move(text));
    }
    return entries;
}

std::string learnedCodeText(ByteView code) { return "{" + trimBlanks(hexPairs(code)) + "}"; }

StatementEditorSession::StatementEditorSession(ProgramDocument& document) : document_(document) {}

void StatementEditorSession::open(StoreRef store, int index, bool isNew, StatementListView* view) {
    Statement statement;
    const ProgramStore& shown = document_.store(store);
    if (index >= 0 && static_cast<size_t>(index) < shown.count()) statement = shown[static_cast<size_t>(index)];
    loadStatement(store, index, statement, isNew, view);
}

void StatementEditorSession::loadStatement(StoreRef store, int index, const Statement& statement, bool isNew,
                                           StatementListView* view) {
    kinds_.clear();
    param1s_.clear();
    param2s_.clear();
    examples_.clear();
    kindSelection_ = param1Selection_ = param2Selection_ = -1;
    param3Text_.clear();
    commentText_.clear();

    isNew_ = isNew;
    statement_ = isNew ? Statement{} : statement;
    store_ = store;
    index_ = index;
    view_ = view;
    // Every write-back of this statement folds into one undo step.
    group_ = document_.newGroup();
    orChecked_ = statement_.orWithPrevious != 0;
    fillLists(FillFrom::Kinds);
}

StatementEditorSession::Parts StatementEditorSession::fillLists(FillFrom from) {
    const LangContext lang = context();
    Parts parts = CommentPart;
    if (from == FillFrom::Kinds) {
        kinds_ = offeredKinds(statement_.isAction, lang);
        kindSelection_ = selectionOf(kinds_, statement_.kind());
        parts |= ChoicePart | KindsPart;
    }
    if (statement_.kind() != 0) {
        param1s_ = offeredParam1(statement_.isAction, statement_.kind(), lang);
        param1Selection_ = selectionOf(param1s_, statement_.param1());
        param2s_ = offeredParam2(statement_.isAction, statement_.kind(), statement_.param1(), lang);
        param2Selection_ = selectionOf(param2s_, statement_.param2());
        examples_ = param3Examples(statement_);
        param3Text_ = statement_.isAction ? decodeActionParam(statement_, lang) : decodeConditionParam(statement_, lang);
        parts |= Param1Part | Param2Part | ExamplesPart | Param3Part;
    }
    commentText_ = statement_.comment;
    return parts;
}

StatementEditorSession::Parts StatementEditorSession::chooseAction(bool isAction) {
    // The codes and the stored bytes stay; they are now read with the other tables. The text the user
    // sees stays too and is encoded under the new tables, so a typed parameter is not lost.
    const std::string shown = param3Text_;
    statement_.isAction = isAction ? 1 : 0;
    Parts parts = fillLists(FillFrom::Kinds);
    if (statement_.kind() != 0 && param3Text_ != shown) {
        param3Text_ = shown;
        parts |= Param3Part;
    }
    applyEdit();
    return parts;
}

StatementEditorSession::Parts StatementEditorSession::setOrChecked(bool checked) {
    orChecked_ = checked;
    statement_.orWithPrevious = checked ? 1 : 0;
    applyEdit();
    return 0;
}

StatementEditorSession::Parts StatementEditorSession::chooseKind(int entry) {
    if (entry < 0 || static_cast<size_t>(entry) >= kinds_.size()) return 0;
    const int kind = kinds_[static_cast<size_t>(entry)].code;
    statement_.setKind(static_cast<std::uint8_t>(kind));
    // Parameter 1 and 2 start at the first entry offered (code 1 wherever the list starts there).
    const auto first = [](const std::vector<OfferedEntry>& list) {
        return static_cast<std::uint8_t>(list.empty() ? 1 : list.front().code);
    };
    const LangContext lang = context();
    statement_.setParam1(first(offeredParam1(statement_.isAction, kind, lang)));
    statement_.setParam2(first(offeredParam2(statement_.isAction, kind, statement_.param1(), lang)));
    // A new kind starts with an empty parameter 3 and no comment: the old bytes mean nothing to it.
    std::fill(statement_.data.begin() + kParam3Offset - 1, statement_.data.end(), std::uint8_t{0});
    statement_.comment.clear();
    param3Text_.clear();
    const Parts parts = fillLists(FillFrom::Param1) | KindsPart;
    kindSelection_ = entry;
    applyEdit();
    return parts;
}

StatementEditorSession::Parts StatementEditorSession::chooseParam1(int entry) {
    if (entry < 0 || static_cast<size_t>(entry) >= param1s_.size()) return 0;
    statement_.setParam1(static_cast<std::uint8_t>(param1s_[static_cast<size_t>(entry)].code));
    return fillLists(FillFrom::Param1);
}

StatementEditorSession::Parts StatementEditorSession::chooseParam2(int entry) {
    if (entry < 0 || static_cast<size_t>(entry) >= param2s_.size()) return 0;
    statement_.setParam2(static_cast<std::uint8_t>(param2s_[static_cast<size_t>(entry)].code));
    return fillLists(FillFrom::Param1);
}

StatementEditorSession::Parts StatementEditorSession::editParam3(const std::string& text) {
    param3Text_ = text;
    applyEdit();
    return 0;
}

StatementEditorSession::Parts StatementEditorSession::editComment(const std::string& text) {
    commentText_ = text;
    statement_.comment = text;
    return 0;
}

void StatementEditorSession::applyEdit() {
    const std::string text = editorParam3Text(param3Text_);
    const LangContext lang = context();
    // A parameter too long for a record leaves the statement as it was.
    if (statement_.isAction)
        encodeActionParam(statement_, text, lang);
    else
        encodeConditionParam(statement_, text, lang);
    if (!isNew_) writeBack();
}

void StatementEditorSession::writeBack() {
    if (!view_) return;
    const ProgramStore& shown = target();
    const int line = view_->highestSelected();
    if (line < 0 || static_cast<size_t>(line) >= shown.count()) return;
    const size_t at = static_cast<size_t>(line);
    const Statement& before = shown[at];
    if (sameStatement(before, statement_)) return;
    ListingUpdate update;
    update.line = line;
    update.topLine = view_->topLine();
    update.lineOnly = changesOnlyItsLine(before, statement_);
    if (!document_.apply({store_, replaceLineChange(shown, at, statement_), {}, {}, group_})) return;
    view_->showEdit(update);
}

void StatementEditorSession::insertNew() {
    if (!view_) return;
    const ProgramStore& shown = target();
    const int highest = view_->highestSelected();
    const bool after = highest >= 0 && static_cast<size_t>(highest) < shown.count();
    const size_t position = after ? static_cast<size_t>(highest) + 1 : shown.count();
    ListingUpdate update;
    update.line = static_cast<int>(position);
    update.topLine = view_->topLine();
    if (!document_.apply({store_, insertLineChange(shown, position, statement_), {}, {}, group_})) return;
    view_->showEdit(update);
}

void StatementEditorSession::confirm() {
    applyEdit();
    if (isNew_) insertNew();
}

void StatementEditorSession::cancel() {
    if (!store_.isMain() && view_ && view_->listVisible()) view_->focusList();
}

std::optional<RemoteLearn> StatementEditorSession::remoteLearnRequest() const {
    const int kind = statement_.kind();
    const int p1 = statement_.param1();
    if (statement_.isAction) {
        if (kind == kRemoteActionKind && p1 == kInfraredSendParam) return RemoteLearn::Infrared;
        if (kind == kRemoteActionKind && p1 == kRadioSendParam) return RemoteLearn::Radio;
        return std::nullopt;
    }
    if (kind == kRemoteConditionKind && p1 == kRemoteConditionObject && statement_.param2() == kRemoteConditionMode)
        return RemoteLearn::Radio;
    return std::nullopt;
}

StatementEditorSession::Parts StatementEditorSession::learnedCode(ByteView code) {
    param3Text_ = learnedCodeText(code);
    return Param3Part;
}

}  // namespace lumio
