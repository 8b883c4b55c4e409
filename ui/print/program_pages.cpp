#include "ui/print/program_pages.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>

#include "ui/print/chinese_face.h"

namespace lumio {
namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// The listing lines keep the listing's face, whose digits and spaces keep the columns; the rest of the
// page is set in a proportional face.
QFont pageFont(double points, bool bold = false, bool listing = false) {
    QFont font;
    const QString face = listing ? chineseFace() : chineseTextFace();
    if (!face.isEmpty()) font.setFamily(face);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

const QColor kRuleColour(0x90, 0x90, 0x90);
const QColor kFaintColour(0xd8, 0xd8, 0xd8);
const QColor kNoteColour(0x60, 0x60, 0x60);
const QColor kTableHeadColour(0xee, 0xee, 0xee);

// The listing line's prefix: the five-character rule number column and a ".  " per block level.
// Wrapped parts of a long line start under the text after it.
qsizetype prefixLength(const QString& line) {
    qsizetype length = std::min<qsizetype>(5, line.size());
    while (line.mid(length, 3) == QStringLiteral(".  ")) length += 3;
    return length;
}

QColor statementColour(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xff), static_cast<int>((colour >> 8) & 0xff),
                  static_cast<int>((colour >> 16) & 0xff));
}

// Lays the document out on pages. Run once without a painter to count the pages, then again with
// one to paint them, so every footer can say how many there are.
class PageComposer {
public:
    PageComposer(QPagedPaintDevice& device, QPainter* painter, const PrintedProgram& printed, QString date,
                 int pageCount)
        : device_(device), painter_(painter), printed_(printed), date_(std::move(date)), pageCount_(pageCount),
          millimetre_(device.logicalDpiY() / 25.4), width_(device.width()), height_(device.height()),
          headerFont_(pageFont(8)), titleFont_(pageFont(15, true)), headingFont_(pageFont(11, true)),
          lineFont_(pageFont(9, false, true)), noteFont_(pageFont(8)) {
        lineHeight_ = QFontMetricsF(lineFont_, &device_).lineSpacing() * 1.15;
        const double headerHeight = QFontMetricsF(headerFont_, &device_).height();
        contentTop_ = headerHeight + 5 * millimetre_;
        contentBottom_ = height_ - headerHeight - 5 * millimetre_;
        gutter_ = 3 * millimetre_;
    }

    int compose() {
        startPage();
        title();
        for (const PrintedStore& store : printed_.stores) storeSection(store);
        if (!printed_.names.empty()) nameTable();
        finishPage();
        return page_;
    }

private:
    // --- pages -------------------------------------------------------------------------------
    void startPage() {
        ++page_;
        y_ = contentTop_;
        if (!painter_) return;
        painter_->setFont(headerFont_);
        painter_->setPen(Qt::black);
        const QFontMetricsF metrics(headerFont_, &device_);
        const QRectF band(0, 0, width_, metrics.height());
        painter_->drawText(band, Qt::AlignLeft | Qt::AlignVCenter, printed_.fileName);
        painter_->drawText(band, Qt::AlignRight | Qt::AlignVCenter, text("打印日期：") + date_);
        rule(band.bottom() + millimetre_, kRuleColour, 0.25);
    }

    void finishPage() {
        if (!painter_) return;
        const QFontMetricsF metrics(headerFont_, &device_);
        const QRectF band(0, height_ - metrics.height(), width_, metrics.height());
        rule(band.top() - millimetre_, kRuleColour, 0.25);
        painter_->setFont(headerFont_);
        painter_->setPen(Qt::black);
        painter_->drawText(band, Qt::AlignLeft | Qt::AlignVCenter, printed_.kindText);
        painter_->drawText(band, Qt::AlignHCenter | Qt::AlignVCenter,
                           text("第 %1 页 / 共 %2 页").arg(page_).arg(pageCount_));
    }

    void newPage() {
        finishPage();
        if (painter_) device_.newPage();
        startPage();
        // A page that goes on with a store or the name table says which, for a reader who opens the
        // binder there.
        if (!continued_.isEmpty()) {
            textLine(noteFont_, continued_ + text("（续）"), kNoteColour);
            y_ += millimetre_;
        }
    }

    // Starts a new page unless `height` more fits on this one.
    void room(double height) {
        if (y_ + height > contentBottom_ && y_ > contentTop_) newPage();
    }

    void rule(double y, const QColor& colour, double widthMillimetres) {
        if (!painter_) return;
        painter_->setPen(QPen(colour, widthMillimetres * millimetre_));
        painter_->drawLine(QPointF(0, y), QPointF(width_, y));
    }

    // One line of text at the current position.
    void textLine(const QFont& font, const QString& line, const QColor& colour, Qt::Alignment alignment = Qt::AlignLeft) {
        const double height = QFontMetricsF(font, &device_).height();
        room(height);
        if (painter_) {
            painter_->setFont(font);
            painter_->setPen(colour);
            painter_->drawText(QRectF(0, y_, width_, height), alignment | Qt::AlignVCenter, line);
        }
        y_ += height;
    }

    // --- the document --------------------------------------------------------------------------
    void title() {
        textLine(titleFont_, printed_.fileName, Qt::black);
        y_ += millimetre_;
        QStringList counts;
        size_t functions = 0;
        size_t threads = 0;
        for (size_t index = 1; index < printed_.stores.size(); ++index)
            (printed_.stores[index].kind == StoreKind::Thread ? threads : functions) += 1;
        counts << printed_.kindText << text("程序大小：%1 字节").arg(printed_.byteSize);
        if (printed_.stores.size() > 1 || !printed_.names.empty()) {
            counts << text("函数 %1 个").arg(functions) << text("线程 %1 个").arg(threads)
                   << text("用户名称 %1 个").arg(printed_.names.size());
        }
        textLine(noteFont_, counts.join(QStringLiteral("    ")), kNoteColour);
        y_ += 1.5 * millimetre_;
        rule(y_, Qt::black, 0.5);
        y_ += 4 * millimetre_;
    }

    void heading(const QString& title, const QString& note) {
        const double height = QFontMetricsF(headingFont_, &device_).height();
        // A heading never stands alone at the foot of a page.
        room(3 * millimetre_ + height + 3 * lineHeight_);
        y_ += 3 * millimetre_;
        if (painter_) {
            painter_->setPen(Qt::black);
            painter_->setFont(headingFont_);
            painter_->drawText(QRectF(0, y_, width_, height), Qt::AlignLeft | Qt::AlignBottom, title);
            painter_->setFont(noteFont_);
            painter_->setPen(kNoteColour);
            painter_->drawText(QRectF(0, y_, width_, height), Qt::AlignRight | Qt::AlignBottom, note);
        }
        y_ += height + 0.8 * millimetre_;
        rule(y_, kRuleColour, 0.3);
        y_ += 1.5 * millimetre_;
    }

    void storeSection(const PrintedStore& store) {
        heading(store.heading, text("%1 条指令").arg(store.lines.size()));
        if (store.lines.isEmpty()) {
            textLine(lineFont_, text("（没有指令）"), kNoteColour);
            return;
        }
        continued_ = store.heading;
        for (qsizetype index = 0; index < store.lines.size(); ++index)
            listingLine(store.lines[index], store.colours[static_cast<size_t>(index)], index > 0);
        continued_.clear();
    }

    void listingLine(const QString& line, std::uint32_t colour, bool separateRules) {
        QTextLayout layout(line, lineFont_, &device_);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        const double textWidth = width_ - gutter_;
        const double indent =
            std::min(textWidth / 2, QFontMetricsF(lineFont_, &device_).horizontalAdvance(line.left(prefixLength(line) + 2)));
        layout.beginLayout();
        for (int part = 0;; ++part) {
            QTextLine textLine = layout.createLine();
            if (!textLine.isValid()) break;
            textLine.setLineWidth(part == 0 ? textWidth : textWidth - indent);
            textLine.setPosition(QPointF(part == 0 ? 0 : indent, 0));
        }
        layout.endLayout();
        // A rule that starts at the outer level (its line begins with its number) gets a faint line above.
        const bool ruleStart = separateRules && !line.isEmpty() && line.front().isDigit();
        for (int part = 0; part < layout.lineCount(); ++part) {
            room(lineHeight_);
            if (painter_) {
                if (part == 0 && ruleStart) {
                    painter_->setPen(QPen(kFaintColour, 0.2 * millimetre_));
                    painter_->drawLine(QPointF(gutter_, y_), QPointF(width_, y_));
                }
                if (part == 0 && colour != 0)
                    painter_->fillRect(QRectF(0, y_ + 0.15 * lineHeight_, 1.2 * millimetre_, 0.7 * lineHeight_),
                                       statementColour(colour));
                painter_->setPen(Qt::black);
                const QTextLine textLine = layout.lineAt(part);
                const double centring = (lineHeight_ - textLine.height()) / 2;
                textLine.draw(painter_, QPointF(gutter_, y_ + centring - textLine.y()));
            }
            y_ += lineHeight_;
        }
    }

    void nameTable() {
        heading(text("用户名称"), text("%1 个").arg(printed_.names.size()));
        const double rowHeight = lineHeight_ * 1.1;
        const double split = width_ * 0.45;
        auto row = [&](const QString& user, const QString& defaultName, bool head) {
            room(rowHeight);
            if (painter_) {
                const QRectF whole(0, y_, width_, rowHeight);
                if (head) painter_->fillRect(whole, kTableHeadColour);
                painter_->setPen(QPen(kRuleColour, 0.2 * millimetre_));
                painter_->drawRect(whole);
                painter_->drawLine(QPointF(split, y_), QPointF(split, y_ + rowHeight));
                painter_->setPen(Qt::black);
                painter_->setFont(pageFont(9, head));
                const double pad = 1.5 * millimetre_;
                painter_->drawText(QRectF(pad, y_, split - 2 * pad, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, user);
                painter_->drawText(QRectF(split + pad, y_, width_ - split - 2 * pad, rowHeight),
                                   Qt::AlignLeft | Qt::AlignVCenter, defaultName);
            }
            y_ += rowHeight;
        };
        const QString userHead = text("用户名称");
        const QString defaultHead = text("默认名称");
        row(userHead, defaultHead, true);
        continued_ = text("用户名称");
        for (const PrintedName& name : printed_.names) {
            // The column heads come again at the top of every page the table runs on to.
            if (y_ + rowHeight > contentBottom_) {
                newPage();
                row(userHead, defaultHead, true);
            }
            row(name.userName, name.defaultName, false);
        }
        continued_.clear();
    }

    QPagedPaintDevice& device_;
    QPainter* painter_;
    const PrintedProgram& printed_;
    const QString date_;
    const int pageCount_;
    const double millimetre_;
    const double width_;
    const double height_;
    const QFont headerFont_;
    const QFont titleFont_;
    const QFont headingFont_;
    const QFont lineFont_;
    const QFont noteFont_;
    double lineHeight_ = 0;
    double contentTop_ = 0;
    double contentBottom_ = 0;
    double gutter_ = 0;
    double y_ = 0;
    int page_ = 0;
    QString continued_;  // the heading of what runs on to the next page, if anything
};

}  // namespace

QPageLayout listingPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(25, 12, 12, 12),
                       QPageLayout::Millimeter);
}

int paintProgramPages(QPagedPaintDevice& device, const PrintedProgram& printed, const QDateTime& printedAt) {
    const QString date = printedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    const int pageCount = PageComposer(device, nullptr, printed, date, 0).compose();
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    PageComposer(device, &painter, printed, date, pageCount).compose();
    return painter.end() ? pageCount : 0;
}

}  // namespace lumio
