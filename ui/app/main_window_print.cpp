// The program text and print commands of CMy1Dlg: 导出文本 / 导入文本 (the whole program as the text that
// reads like the listing and converts back byte for byte), 打印 and 导出PDF (the printed listing).
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <filesystem>

#include "core/model/program_files.h"
#include "core/model/program_image.h"
#include "core/platform/file_io.h"
#include "core/textform/program_text.h"
#include "ui/app/file_failure_text.h"
#include "ui/app/main_window.h"
#include "ui/app/qt_text.h"
#include "ui/print/printed_program.h"
#include "ui/print/program_pages.h"
#include "ui/print/program_pdf.h"

namespace lumio {
namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

const FileFilter& textFilter() {
    static const FileFilter filter = fileFilterFrom(text("程序文本(*.txt)|*.txt|所有文件(*.*)|*.*||"));
    return filter;
}

const FileFilter& pdfFilter() {
    static const FileFilter filter = fileFilterFrom(text("PDF文件(*.pdf)|*.pdf||"));
    return filter;
}

std::filesystem::path filePath(const QString& path) { return std::filesystem::path(QFile::encodeName(path).toStdString()); }

}  // namespace

QString CMy1Dlg::documentName() const {
    return currentPath_.isEmpty() ? text("未命名") : QFileInfo(currentPath_).fileName();
}

void CMy1Dlg::exportProgramText() {
    const QString path = prompter().saveFileName(textFilter(), lastFolder_);
    if (path.isEmpty()) return;
    auto exported = lumio::exportProgramText(buildProgramImage(program(), edition_), FileKind::Program, edition_);
    if (!exported) {
        prompter().inform(text("程序无法导出为文本：%1").arg(QString::fromStdString(exported.error())), text("错误"));
        return;
    }
    if (auto written = writeFileAtomically(filePath(path), *exported); !written)
        informWriteFailure(prompter(), written.error());
}

void CMy1Dlg::importProgramText() {
    if (!settleUnsavedChanges()) return;
    const QString path = prompter().openFileName(textFilter(), lastFolder_);
    if (path.isEmpty()) return;
    auto read = readFilePrefix(filePath(path), kMaxProgramText + 1);
    if (!read) {
        informOpenFailure(prompter(), FileFailure{FileError::Unreadable, read.error()}, programFileMessage);
        return;
    }
    auto refuse = [&](const QString& why) { prompter().inform(text("文本无法导入：%1").arg(why), text("错误")); };
    if (read->size() > kMaxProgramText) return refuse(text("文本超过 %1 字节").arg(kMaxProgramText));
    auto imported = lumio::importProgramText(*read);
    if (!imported) {
        const TextFailure& failure = imported.error();
        const QString reason = QString::fromStdString(failure.reason);
        return refuse(failure.line == 0 ? reason : text("第 %1 行：%2").arg(failure.line).arg(reason));
    }
    if (imported->kind != FileKind::Program) return refuse(text("这是函数文件(.hs5)的文本，不是程序文件的文本"));
    // The bytes are the same file whichever edition exported them; this edition must be able to open it.
    const std::string refusal = fileRefusal(imported->bytes, FileKind::Program, edition_);
    if (!refusal.empty()) return refuse(QString::fromStdString(refusal));
    replaceProgramImage(imported->bytes);
}

void CMy1Dlg::printProgram() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(listingPageLayout());
    printer.setDocName(documentName());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(text("打印"));
    if (dialog.exec() != QDialog::Accepted) return;
    if (paintProgramPages(printer, printedProgram(program(), edition_, documentName()), QDateTime::currentDateTime()) == 0)
        prompter().inform(text("无法打印：打印机没有接受文档"), text("错误"));
}

void CMy1Dlg::exportPdf() {
    const QString folder = currentPath_.isEmpty() ? lastFolder_ : QFileInfo(currentPath_).absolutePath();
    const QString path = prompter().saveFileName(pdfFilter(), folder);
    if (path.isEmpty()) return;
    const QString failure =
        writeProgramPdf(path, printedProgram(program(), edition_, documentName()), QDateTime::currentDateTime());
    if (!failure.isEmpty()) prompter().inform(text("无法写入文件：%1\n%2").arg(path, failure), text("错误"));
}

}  // namespace lumio
