// The file and edit commands of CMy1Dlg. Each one asks and reports through the prompter, lets core
// do the work and records what changed in the edit history.
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <filesystem>

#include "core/editing/store_edit.h"
#include "ui/app/file_failure_text.h"
#include "ui/app/list_controller.h"
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
    currentPath_.clear();
    document_.replace(Program());
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
    Program opened;
    auto read = openProgramFile(opened, filePath(path), edition_);
    if (!read) {
        informOpenFailure(prompter(), read.error(), programFileMessage);
        // The path becomes the current one only with its program, so a later Save never writes over a
        // file that was refused.
        return false;
    }
    currentPath_ = path;
    document_.replace(std::move(opened), filePath(path));
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
    const SizeProblem problem = checkSavedSizes(program(), edition_);
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
    auto written = saveProgramFile(program(), filePath(path), edition_);
    if (!written) {
        informWriteFailure(prompter(), written.error());
        return false;
    }
    currentPath_ = shownPath(*written);
    document_.markSaved(*written);
    updateTitle();
    return true;
}

void CMy1Dlg::exportBlockFile() {
    const QString path = prompter().saveFileName(blockFilter(), lastFolder_);
    if (path.isEmpty()) return;
    commands_->writeBlock(path);
}

void CMy1Dlg::importBlockFile() {
    const QString path = prompter().openFileName(blockFilter(), lastFolder_);
    if (path.isEmpty()) return;
    if (const auto block = commands_->readBlock(path)) commands_->insertAtCaret(*block);
}

void CMy1Dlg::importBlockFileAtEnd() {
    const QString path = prompter().openFileName(blockFilter(), lastFolder_);
    if (path.isEmpty()) return;
    if (const auto block = commands_->readBlock(path)) commands_->insertAtEnd(*block);
}

void CMy1Dlg::setLineColour(std::uint8_t code) { commands_->setColour(code); }

void CMy1Dlg::insertExample(ExampleProgram example) { commands_->insertAtCaret(exampleProgram(example, langContext())); }

void CMy1Dlg::deleteSelected() { commands_->deleteSelected(); }
void CMy1Dlg::deleteAll() { commands_->deleteAll(); }
void CMy1Dlg::cut() { commands_->cut(); }
void CMy1Dlg::copy() { commands_->copy(); }
void CMy1Dlg::paste() { commands_->paste(); }
void CMy1Dlg::insertBlockPair() { commands_->insertBlockPair(); }

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
    if (!step.store.isMain() || step.replacesProgram()) return;
    const auto& restored = undone ? step.change.removed : step.change.inserted;
    const int position = static_cast<int>(step.change.position);
    if (!restored.empty())
        list_->selectRange(position, static_cast<int>(restored.size()));
    else
        list_->selectOnly(position > 0 ? position - 1 : 0);
    list_->showCaret();
}

void CMy1Dlg::undo() {
    if (const auto step = document_.undo()) selectAfterHistory(*step, true);
    updateSizeText();
}

void CMy1Dlg::redo() {
    if (const auto step = document_.redo()) selectAfterHistory(*step, false);
    updateSizeText();
}

bool CMy1Dlg::replaceProgramImage(ByteView image) {
    Program fromBoard;
    loadProgramImage(fromBoard, image, edition_);
    currentLine_ = -1;
    searchPosition_ = -1;
    // One step: Ctrl+Z brings back the program it replaced.
    return document_.replaceAsEdit(std::move(fromBoard));
}

}  // namespace lumio
