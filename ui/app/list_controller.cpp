#include "ui/app/list_controller.h"

#include <QFile>
#include <filesystem>

#include "core/editing/store_edit.h"
#include "core/model/program_files.h"
#include "ui/app/file_failure_text.h"
#include "ui/app/prompter.h"
#include "ui/app/qt_text.h"
#include "ui/app/statement_list.h"

namespace lumio {
namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

std::filesystem::path filePath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace

ListController::ListController(ProgramDocument& document, Clist_command& list, StoreOf store, PrompterOf prompter)
    : document_(document), list_(list), store_(std::move(store)), prompter_(std::move(prompter)) {
    // The list's own keys, active while it has the focus. The list outlives no controller: both
    // belong to the same window.
    QObject::connect(&list_, &Clist_command::deleteRequested, &list_, [this] { deleteSelected(); });
    QObject::connect(&list_, &Clist_command::cutRequested, &list_, [this] { cut(); });
    QObject::connect(&list_, &Clist_command::copyRequested, &list_, [this] { copy(); });
    QObject::connect(&list_, &Clist_command::pasteRequested, &list_, [this] { paste(); });
}

bool ListController::apply(SpanChange change) { return document_.apply({store(), std::move(change), {}, {}, 0}); }

void ListController::removeSelected(int topLine, int lowest) {
    apply(deleteSelectionChange(shown(), list_.selectedLines()));
    list_.setTopLine(topLine);
    const int line = lineAfterDelete(lowest, shown().count());
    if (line >= 0) list_.selectOnly(line);
    list_.showCaret();
}

void ListController::deleteSelected() {
    const int top = list_.topLine();
    const int lowest = list_.lowestSelected();
    if (!confirmDeleteSelection(prompter_(), lowest)) return;
    removeSelected(top, lowest);
}

void ListController::deleteAll() {
    if (!confirmDeleteAll(prompter_())) return;
    apply(deleteAllChange(shown()));
}

void ListController::cut() {
    const int lowest = list_.lowestSelected();
    if (lowest < 0) return;
    const int top = list_.topLine();
    copySelection(list_.selectedLines(), shown(), document_.clipboard());
    removeSelected(top, lowest);
}

void ListController::copy() {
    // Copying nothing leaves the clipboard as it is.
    if (list_.lowestSelected() < 0) return;
    copySelection(list_.selectedLines(), shown(), document_.clipboard());
}

void ListController::paste() {
    if (document_.clipboard().empty()) return;
    const int top = list_.topLine();
    const int highest = list_.highestSelected();
    const int lines = list_.count();
    SpanChange change = pasteChange(shown(), document_.clipboard(), highest, static_cast<size_t>(lines));
    const int pasted = static_cast<int>(change.inserted.size());
    apply(std::move(change));
    list_.setTopLine(top);
    list_.selectRange(lines > 0 ? highest + 1 : 0, pasted);
    list_.showCaret();
}

void ListController::insertBlockPair() {
    const int top = list_.topLine();
    SpanChange change = blockPairChange(shown(), list_.highestSelected());
    const int begin = static_cast<int>(change.position);
    apply(std::move(change));
    list_.setTopLine(top);
    list_.selectOnly(begin);
    list_.showCaret();
}

void ListController::insertAtCaret(const ProgramStore& statements) {
    // The caret line is the line holding the list's focus, 0 when nothing is selected.
    const int caret = list_.highestSelected() < 0 ? 0 : std::max(list_.caretLine(), 0);
    const int top = list_.topLine();
    SpanChange change = insertStoreChange(shown(), statements, static_cast<size_t>(caret));
    const int first = static_cast<int>(change.position);
    const int count = static_cast<int>(change.inserted.size());
    apply(std::move(change));
    list_.setTopLine(top);
    list_.selectRange(first, count);
    list_.showCaret();
}

void ListController::replaceAll(const ProgramStore& statements) {
    apply(replaceAllChange(shown(), statements.statements));
}

std::optional<ProgramStore> ListController::readBlock(const QString& path) {
    ProgramStore block;
    auto loaded = loadBlockFile(block, filePath(path));
    if (!loaded) {
        informOpenFailure(prompter_(), loaded.error(), blockFileMessage);
        return std::nullopt;
    }
    return block;
}

bool ListController::writeBlock(const QString& path) {
    const ProgramStore& source = shown();
    if (source.imageSize() > kMaxStoreImage &&
        !prompter_().askYesNo(text("%1超过 %2 字节，导入时将为空。\n仍要导出吗？")
                                  .arg(fromGbk(store().displayName(nullptr)))
                                  .arg(kMaxStoreImage),
                              text("警告")))
        return false;
    auto written = saveBlockFile(source, filePath(path));
    if (!written) {
        informWriteFailure(prompter_(), written.error());
        return false;
    }
    return true;
}

}  // namespace lumio
