// The printed listing: which stores are printed under which headings, their lines as the listing
// shows them, the table of user names, and as many pages as the painting really makes.
#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "core/listing/listing.h"
#include "support/programs.h"
#include "ui/app/qt_text.h"
#include "ui/print/printed_program.h"
#include "ui/print/program_pages.h"

using namespace lumio;
using namespace lumio::testing;

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }
std::string gbk(const char* utf8) { return gbkOf(u(utf8)); }

Program sampleProgram() {
    Program program;
    program.main = numberedStore(4);
    // "输入1 断开", as the listing shows it with the user's name.
    Statement& input = program.main.statements[0];
    input.setParam1(1);
    input.setParam2(1);
    input.setParam3(Bytes("\x01\x00", 2));
    program.function(5) = numberedStore(2, 50);
    program.thread(3) = numberedStore(1, 30);
    // A free entry (no default name) is not a name.
    program.names.entries = {{gbk("函数5"), gbk("加热")}, {"", ""}, {gbk("输入1"), gbk("启动键")}};
    return program;
}

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT

private slots:
    void storesWithStatementsGetHeadings() {
        const Program program = sampleProgram();
        const struct {
            Edition edition;
            QStringList headings;
        } cases[] = {
            {Edition::Current, {u("主程序"), u("函数5  加热"), u("线程3")}},
            {Edition::Classic, {u("主程序"), u("函数5  加热")}},  // no threads
        };
        for (const auto& c : cases) {
            const PrintedProgram printed = printedProgram(program, c.edition, u("机柜A.zt5"));
            QStringList headings;
            for (const PrintedStore& store : printed.stores) headings << store.heading;
            QCOMPARE(headings, c.headings);
            QCOMPARE(printed.fileName, u("机柜A.zt5"));
            QCOMPARE(printed.names.size(), size_t{2});
            QCOMPARE(printed.names[1].userName, u("启动键"));
            QCOMPARE(printed.names[1].defaultName, u("输入1"));
        }
        // The lines are the listing's, user names included.
        const PrintedProgram printed = printedProgram(program, Edition::Current, QString());
        const LangContext context{Edition::Current, &program.names};
        const auto listing = renderListing(program.main, context);
        QCOMPARE(printed.stores[0].lines.size(), qsizetype(listing.size()));
        for (size_t index = 0; index < listing.size(); ++index)
            QCOMPARE(printed.stores[0].lines[qsizetype(index)], fromGbk(listing[index].text));
        QVERIFY(printed.stores[0].lines[0].contains(u("启动键 断开")));

        // An empty program still prints its main program.
        const PrintedProgram empty = printedProgram(Program(), Edition::Current, QString());
        QCOMPARE(empty.stores.size(), size_t{1});
        QVERIFY(empty.stores[0].lines.isEmpty());
        QVERIFY(empty.names.empty());
    }

    // The page count told in every footer comes from a first layout pass; the painted document must
    // have exactly that many pages.
    void pagesFollowTheProgramLength() {
        const struct {
            int statements;
            int minimumPages;
            int maximumPages;
        } cases[] = {{0, 1, 1}, {4, 1, 1}, {400, 4, 40}};
        for (const auto& c : cases) {
            Program program = sampleProgram();
            program.main = numberedStore(c.statements);
            QBuffer buffer;
            QVERIFY(buffer.open(QIODevice::WriteOnly));
            int pages = 0;
            {
                QPdfWriter writer(&buffer);
                writer.setPageLayout(listingPageLayout());
                pages = paintProgramPages(writer, printedProgram(program, Edition::Current, u("a.zt5")),
                                          QDateTime(QDate(2026, 12, 10), QTime(9, 30)));
            }
            QVERIFY2(pages >= c.minimumPages && pages <= c.maximumPages, qPrintable(QString::number(pages)));
            const QString pdf = QString::fromLatin1(buffer.data());
            QCOMPARE(pdf.count(QRegularExpression(QStringLiteral("/Type /Page[^s]"))), pages);

            // A printer lays the pages out as the PDF file has them.
            QTemporaryDir folder;
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(folder.filePath(QStringLiteral("printed.pdf")));
            printer.setPageLayout(listingPageLayout());
            QCOMPARE(paintProgramPages(printer, printedProgram(program, Edition::Current, u("a.zt5")), QDateTime()), pages);
        }
    }
};

QTEST_MAIN(PrintTest)
#include "print_test.moc"
