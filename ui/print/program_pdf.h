#pragma once
// The printed listing as a PDF file, its Chinese face embedded.
#include <QDateTime>
#include <QString>

#include "ui/print/printed_program.h"

namespace lumio {

// Writes the pages to `path`, replacing the file only once the whole document is written (a failure
// leaves an existing file as it was). Returns why it failed, or an empty text.
QString writeProgramPdf(const QString& path, const PrintedProgram& printed, const QDateTime& printedAt);

}  // namespace lumio
