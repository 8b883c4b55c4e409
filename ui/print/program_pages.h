#pragma once
// The printed listing painted page by page on a paged device (a PDF writer or a printer): a title
// block, each store under its own heading with its listing lines (a long line wraps under its text,
// never cut), the table of user names, and on every page a header with the file name and the date
// and the footer "第 n 页 / 共 m 页".
#include <QDateTime>
#include <QPageLayout>

#include "ui/print/printed_program.h"

class QPagedPaintDevice;

namespace lumio {

// A4 upright with a wide left margin for the punched holes of a binder.
QPageLayout listingPageLayout();

// Paints `printed` on `device` with its page layout as set; `printedAt` is the date in the header.
// Returns the number of pages, 0 when the device could not be painted on.
int paintProgramPages(QPagedPaintDevice& device, const PrintedProgram& printed, const QDateTime& printedAt);

}  // namespace lumio
