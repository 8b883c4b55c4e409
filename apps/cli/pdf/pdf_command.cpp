// lumio pdf FILE -o OUT.pdf [--edition classic]: the printed listing of a .zt5 or .hs5 file as a PDF, the
// same pages the editor prints. Runs without a display: Qt's offscreen platform draws the pages.
#include <QByteArray>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

#include "apps/cli/commands.h"
#include "core/model/program_files.h"
#include "core/text/bytes.h"
#include "ui/print/printed_program.h"
#include "ui/print/program_pdf.h"

namespace lumio::cli {
namespace {

// The date printed in the page headers: now, or SOURCE_DATE_EPOCH (seconds since 1970, UTC) when set,
// so a build can make the same PDF twice.
QDateTime printDate() {
    const QByteArray epoch = qgetenv("SOURCE_DATE_EPOCH");
    bool valid = false;
    const qint64 seconds = epoch.toLongLong(&valid);
    if (valid) return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
    return QDateTime::currentDateTime();
}

// Qt's notices (a missing runtime folder, which the offscreen platform does not need, and the like)
// are no business of a command-line user; its errors still reach standard error.
void quietQtNotices(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) return;
    std::fprintf(stderr, "lumio: %s\n", message.toLocal8Bit().constData());
}

// Prints why a file was not read; returns the exit code.
int refuse(const std::string& path, const FileFailure& failure) {
    if (failure.error == FileError::Unreadable) {
        std::fprintf(stderr, "lumio: %s\n", describeFailure(*failure.io).c_str());
        return 2;
    }
    std::fprintf(stderr, "lumio: %s: refused: %s\n", path.c_str(), fileErrorName(failure.error));
    return 1;
}

}  // namespace

int runPdf(const Arguments& given) {
    Arguments arguments = given;
    std::string editionError;
    const EditionProfile* profile = takeEditionOption(arguments, editionError);
    if (!profile) return usageError("pdf", editionError);
    std::string path;
    std::string output;
    if (const auto usage = takeInputAndOutput(arguments, "pdf", "FILE", path, output)) return *usage;
    if (output.empty()) return usageError("pdf", "pdf needs -o OUT.pdf");

    const QString fileName = QFileInfo(QString::fromUtf8(path)).fileName();
    // The pages are laid out with fonts, which need a GUI application; the offscreen platform needs no
    // display.
    int applicationArgumentCount = 3;
    char name[] = "lumio";
    char platformOption[] = "-platform";
    char platform[] = "offscreen";
    char* applicationArguments[] = {name, platformOption, platform, nullptr};
    qInstallMessageHandler(quietQtNotices);
    const QGuiApplication application(applicationArgumentCount, applicationArguments);
    PrintedProgram printed;
    if (endsWith(path, kBlockFileExtension)) {
        ProgramStore block;
        if (auto loaded = loadBlockFile(block, path); !loaded) return refuse(path, loaded.error());
        printed = printedBlock(block, fileName);
    } else {
        Program program;
        if (auto opened = openProgramFile(program, path, profile->edition); !opened) return refuse(path, opened.error());
        printed = printedProgram(program, profile->edition, fileName);
    }
    const QString failure = writeProgramPdf(QString::fromUtf8(output), printed, printDate());
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "lumio: %s: %s\n", output.c_str(), failure.toStdString().c_str());
        return 2;
    }
    return 0;
}

}  // namespace lumio::cli
