#include "ui/print/program_pdf.h"

#include <QPdfWriter>
#include <QSaveFile>

#include "ui/print/program_pages.h"

namespace lumio {
namespace {

// Fine enough for hairlines and small Chinese text; the file stays small because text is kept as text.
constexpr int kPdfResolution = 600;

}  // namespace

QString writeProgramPdf(const QString& path, const PrintedProgram& printed, const QDateTime& printedAt) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(listingPageLayout());
        writer.setTitle(printed.fileName);
        writer.setCreator(QStringLiteral("Lumio"));
        if (paintProgramPages(writer, printed, printedAt) == 0) {
            file.cancelWriting();
            return QString::fromUtf8("无法生成PDF页面");
        }
    }
    if (!file.commit()) return file.errorString();
    return {};
}

}  // namespace lumio
