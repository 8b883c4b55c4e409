// The file and edit commands of CMy1Dlg. Each one asks and reports through the prompter, lets core
// do the work and records what changed in the edit history.
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <filesystem>

#include "core/editing/store_edit.h"
#include "core/model/program_files.h"
#include "core/model/program_image.h"
#include "ui/app/main_window.h"
#include "ui/app/qt_text.h"
#include "ui/app/statement_list.h"

namespace lumio {
namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

const FileFilter& programFilter() {
    static const FileFilter filter = fileFilterFrom(text("程序文件(*.zt5)|*.zt5|所有文件(*.*)|*.*||"));
    return filter;
}

const FileFilter& blockFilter() {
    static const FileFilter filter = fileFilterFrom(text("函数文件(*.hs5)|*.hs5|所有文件(*.*)|*.*||"));
    return filter;
}

std::filesystem::path filePath(const QString& path) { return std::filesystem::path(QFile::encodeName(path).toStdString()); }
QString shownPath(const std::filesystem::path& path) { return QFile::decodeName(QByteArray::fromStdString(path.string())); }

EditStep mainStep(SpanChange change) {
    EditStep step;
    step.storeId = kMainStoreId;
    step.change = std::move(change);
    return step;
}

}  // namespace

bool CMy1Dlg::settleUnsavedChanges() {
    if (!isModified()) return true;
    switch (prompter().askYesNoCancel(text("文件被修改,是否保存?"), text("警告"))) {
    case Prompter::Answer::Yes: return save();  // a save that did not happen keeps the work here
    case Prompter::Answer::No: return true;
    case Prompter::Answer::Cancel: break;
    }
    return false;
}

void CMy1Dlg::newProgram() {
    if (!settleUnsavedChanges()) return;
    program_.clear();
    currentPath_.clear();
    programReplaced();
}

void CMy1Dlg::openProgram() {
    if (!settleUnsavedChanges()) return;
    const QString path = prompter().openFileName(programFilter(), lastFolder_);
    if (path.isEmpty()) return;
    lastFolder_ = QFileInfo(path).absolutePath();
    loadProgram(path);
}

bool CMy1Dlg::openDroppedFile(const QString& path) {
    if (!settleUnsavedChanges()) return false;
    const QString folder = QFileInfo(path).absolutePath();
    if (path.contains(QLatin1Char('/')) || path.contains(QLatin1Char('\\'))) lastFolder_ = folder;
    return loadProgram(path);
}

bool CMy1Dlg::loadProgram(const QString& path) {
    auto opened = openProgramFile(program_, filePath(path), edition_);
    if (!opened) {
        const UserMessage message = programFileMessage(opened.error());
        if (!message.text.empty()) prompter().inform(fromGbk(message.text), fromGbk(message.caption));
        // The path becomes the current one only with its program, so a later Save never writes over a
        // file that was refused.
        return false;
    }
    currentPath_ = path;
    programReplaced();
    return true;
}

bool CMy1Dlg::save() {
    if (currentPath_.isEmpty()) {
        const QString path = prompter().saveFileName(programFilter(), lastFolder_);
        if (path.isEmpty()) return false;
        return writeProgram(path);
    }
    return writeProgram(currentPath_);
}

bool CMy1Dlg::saveAs() {
    const QString folder = currentPath_.isEmpty() ? lastFolder_ : QFileInfo(currentPath_).absolutePath();
    const QString path = prompter().saveFileName(programFilter(), folder);
    if (path.isEmpty()) return false;
    return writeProgram(path);
}

bool CMy1Dlg::confirmSizes() {
    const SizeProblem problem = checkSavedSizes(program_, edition_);
    QStringList lines;
    if (problem.imageTooLarge)
        lines << text("程序共 %1 字节，超过 %2 字节，保存后将无法再打开。")
                     .arg(problem.imageSize)
                     .arg(maxProgramImage(edition_));
    if (!problem.storesTooLarge.empty())
        lines << text("%1 超过 %2 字节，保存后再打开时将为空。").arg(fromGbk(problem.storesTooLarge)).arg(kMaxStoreImage);
    if (lines.isEmpty()) return true;
    lines << text("仍要保存吗？");
    return prompter().askYesNo(lines.join(QLatin1Char('\n')), text("警告"));
}

bool CMy1Dlg::writeProgram(const QString& path) {
    if (!confirmSizes()) return false;
    auto written = saveProgramFile(program_, filePath(path), edition_);
    if (!written) {
        prompter().inform(fromGbk(written.error()), text("错误"));
        return false;
    }
    currentPath_ = shownPath(*written);
    history_.markClean();
    updateTitle();
    return true;
}

void CMy1Dlg::exportBlockFile() {
    const QString path = prompter().saveFileName(blockFilter(), lastFolder_);
    if (path.isEmpty()) return;
    if (program_.main.imageSize() > kMaxStoreImage &&
        !prompter().askYesNo(text("主程序超过 %1 字节，导入时将为空。\n仍要导出吗？").arg(kMaxStoreImage), text("警告")))
        return;
    auto written = saveBlockFile(program_.main, filePath(path));
    if (!written) prompter().inform(fromGbk(written.error()), text("错误"));
}

void CMy1Dlg::importBlockFile() {
    const QString path = prompter().openFileName(blockFilter(), lastFolder_);
    if (path.isEmpty()) return;
    ProgramStore block;
    auto loaded = loadBlockFile(block, filePath(path));
    if (!loaded) {
        const UserMessage message = blockFileMessage(loaded.error());
        if (!message.text.empty()) prompter().inform(fromGbk(message.text), fromGbk(message.caption));
        return;
    }
    insertAtCaret(block);
}

void CMy1Dlg::insertExample(ExampleProgram example) { insertAtCaret(exampleProgram(example, langContext())); }

void CMy1Dlg::insertAtCaret(const ProgramStore& statements) {
    // The caret line is the line holding the list's focus, 0 when nothing is selected.
    const int caret = list_->highestSelected() < 0 ? 0 : std::max(list_->caretLine(), 0);
    const int top = list_->topLine();
    SpanChange change = insertStoreAfter(program_.main, statements, static_cast<size_t>(caret));
    const int first = static_cast<int>(change.position);
    const int count = static_cast<int>(change.inserted.size());
    recordEdit(mainStep(std::move(change)));
    list_->setTopLine(top);
    list_->selectRange(first, count);
    list_->showCaret();
}

void CMy1Dlg::removeSelectedLines(int topLine, int lowest) {
    recordEdit(mainStep(lumio::deleteSelection(program_.main, list_->selectedLines())));
    list_->setTopLine(topLine);
    const int line = lineAfterDelete(lowest, program_.main.count());
    if (line >= 0) list_->selectOnly(line);
    list_->showCaret();
}

void CMy1Dlg::deleteSelected() {
    const int top = list_->topLine();
    const int lowest = list_->lowestSelected();
    if (!confirmDeleteSelection(prompter(), lowest)) return;
    removeSelectedLines(top, lowest);
}

void CMy1Dlg::deleteAll() {
    if (!confirmDeleteAll(prompter())) return;
    recordEdit(mainStep(lumio::deleteAll(program_.main)));
}

void CMy1Dlg::cut() {
    const int lowest = list_->lowestSelected();
    if (lowest < 0) return;
    const int top = list_->topLine();
    copySelection(list_->selectedLines(), program_.main, clipboard_);
    removeSelectedLines(top, lowest);
}

void CMy1Dlg::copy() {
    // Copying nothing leaves the clipboard as it is.
    if (list_->lowestSelected() < 0) return;
    copySelection(list_->selectedLines(), program_.main, clipboard_);
}

void CMy1Dlg::paste() {
    if (clipboard_.empty()) return;
    const int top = list_->topLine();
    const int highest = list_->highestSelected();
    const int lines = list_->count();
    SpanChange change = pasteClipboard(program_.main, clipboard_, highest, static_cast<size_t>(lines));
    const int pasted = static_cast<int>(change.inserted.size());
    recordEdit(mainStep(std::move(change)));
    list_->setTopLine(top);
    list_->selectRange(lines > 0 ? highest + 1 : 0, pasted);
    list_->showCaret();
}

void CMy1Dlg::insertBlockPair() {
    const int top = list_->topLine();
    SpanChange change = lumio::insertBlockPair(program_.main, list_->highestSelected());
    const int begin = static_cast<int>(change.position);
    recordEdit(mainStep(std::move(change)));
    list_->setTopLine(top);
    list_->selectOnly(begin);
    list_->showCaret();
}

void CMy1Dlg::findNext() {
    searchPosition_ = findNextLine(list_->listing().texts(), gbkOf(searchText_), searchPosition_);
    if (searchPosition_ < 0) {
        prompter().inform(text("没有找到！"), QString());
        return;
    }
    list_->selectOnly(searchPosition_);
    list_->showCaret();
}

void CMy1Dlg::selectAfterHistory(const EditStep& step, bool undone) {
    if (step.storeId != kMainStoreId) return;
    const auto& restored = undone ? step.change.removed : step.change.inserted;
    const int position = static_cast<int>(step.change.position);
    if (!restored.empty())
        list_->selectRange(position, static_cast<int>(restored.size()));
    else
        list_->selectOnly(position > 0 ? position - 1 : 0);
    list_->showCaret();
}

void CMy1Dlg::undo() {
    const auto step = history_.undo(program_);
    if (!step) return;
    const bool wholeProgram = step->storeId == kWholeProgramId;
    if (step->storeId == kMainStoreId || step->namesBefore || wholeProgram) refreshMainList();
    selectAfterHistory(*step, true);
    updateSizeText();
    updateTitle();
    updateEditActions();
    emit programChanged(step->namesBefore || wholeProgram ? -1 : step->storeId);
}

void CMy1Dlg::redo() {
    const auto step = history_.redo(program_);
    if (!step) return;
    const bool wholeProgram = step->storeId == kWholeProgramId;
    if (step->storeId == kMainStoreId || step->namesBefore || wholeProgram) refreshMainList();
    selectAfterHistory(*step, false);
    updateSizeText();
    updateTitle();
    updateEditActions();
    emit programChanged(step->namesBefore || wholeProgram ? -1 : step->storeId);
}

bool CMy1Dlg::replaceProgramFromBoard(ByteView image) {
    Program fromBoard;
    loadProgramImage(fromBoard, image, edition_);
    // One step: Ctrl+Z brings back the program it replaced.
    EditStep step = wholeProgramStep(program_, fromBoard);
    program_ = std::move(fromBoard);
    currentLine_ = -1;
    searchPosition_ = -1;
    recordEdit(std::move(step));
    return true;
}

}  // namespace lumio
