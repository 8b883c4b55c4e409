// lumio-manual-pdf MANUAL.md OUTPUT.pdf [FONT]: renders the user manual from Markdown to an A4 PDF,
// with the given CJK font file (else the system's default font), without a display.
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextStream>

namespace {

constexpr int kResolution = 300;

int fail(const QString& text) {
    QTextStream(stderr) << "lumio-manual-pdf: " << text << Qt::endl;
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 3 || arguments.size() > 4) {
        QTextStream(stderr) << "usage: lumio-manual-pdf MANUAL.md OUTPUT.pdf [FONT]" << Qt::endl;
        return 2;
    }

    QFile source(arguments[1]);
    if (!source.open(QIODevice::ReadOnly)) return fail(arguments[1] + ": " + source.errorString());
    const QString markdown = QString::fromUtf8(source.readAll());

    QFont font = QGuiApplication::font();
    if (arguments.size() == 4) {
        const int id = QFontDatabase::addApplicationFont(arguments[3]);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty()) return fail(arguments[3] + ": not a usable font");
        font = QFont(families.first());
    }
    font.setPointSizeF(10.5);

    QPdfWriter writer(arguments[2]);
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                                     QPageLayout::Millimeter));
    writer.setTitle(QStringLiteral("Lumio使用说明V1.0"));
    writer.setCreator(QStringLiteral("Lumio"));

    QTextDocument document;
    document.setDefaultFont(font);
    document.setMarkdown(markdown);
    // Without a page size of its own the document is laid out on the writer's pages, with a 2 cm
    // margin inside the writer's and the page number at the foot of each page.
    document.print(&writer);
    return QFile::exists(arguments[2]) ? 0 : fail(arguments[2] + ": not written");
}
