#include "ui/tools/terminal_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTime>

#include "core/link/frame_view.h"
#include "core/link/hex_text.h"
#include "ui/app/prompter.h"
#include "ui/app/qt_text.h"
#include "ui/tools/tool_link.h"

namespace lumio {
namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// The receive box holds at most this many lines, the oldest dropped first, and starts a new line after
// this many characters: a text widget slows down on very long lines, and a hexadecimal stream has none.
constexpr int kDisplayLines = 10000;
// Hexadecimal lines are full ones, twice the characters of a typical text line: half as many keep the
// box's cost per batch the same.
constexpr int kHexDisplayLines = 5000;
constexpr int kDisplayLineLength = 96;  // 32 bytes in hexadecimal

constexpr int kRowCheckIds[] = {1057, 1058, 1061, 1067, 1073};
constexpr int kRowEditIds[] = {1056, 1059, 1062, 1068, 1074};
constexpr int kRowButtonIds[] = {1055, 1060, 1063, 1069, 1075};
// The frame view looks at the last bytes received only.
constexpr size_t kFrameViewBytes = 16 * 1024;

}  // namespace

Ctiaoshi_helper_dlg::Ctiaoshi_helper_dlg(ToolLink& link, Prompter& prompter, QWidget* parent)
    : QDialog(parent), link_(link), prompter_(prompter) {
    setObjectName(QStringLiteral("debugTerminal"));
    setWindowTitle(text("调试窗口"));
    setModal(false);
    setSizeGripEnabled(true);
    build();
    timer_.setInterval(kBatchMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &Ctiaoshi_helper_dlg::flushPending);
    resize(640, 600);
}

void Ctiaoshi_helper_dlg::build() {
    const auto keep = [this](int id, QWidget* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        widget->setProperty("controlId", id);
        controls_.insert(id, widget);
        return widget;
    };
    receiveBox_ = new QPlainTextEdit(this);
    receiveBox_->setReadOnly(true);
    receiveBox_->setUndoRedoEnabled(false);
    receiveBox_->setMaximumBlockCount(kDisplayLines);
    keep(1027, receiveBox_, "receiveBox");
    receiveOn_ = new QCheckBox(text("接收"), this);
    receiveOn_->setChecked(true);
    keep(1054, receiveOn_, "receiveOn");
    hexDisplay_ = new QCheckBox(text("16进制显示"), this);
    keep(1064, hexDisplay_, "hexDisplay");
    connect(hexDisplay_, &QCheckBox::toggled, this, &Ctiaoshi_helper_dlg::setHexDisplay);
    clear_ = new QPushButton(text("清空接收"), this);
    keep(1029, clear_, "clearReceived");
    connect(clear_, &QPushButton::clicked, this, &Ctiaoshi_helper_dlg::clearReceived);

    const std::pair<int, const char*> labels[] = {{1013, "16进制"}, {1021, "数据内容/字符串内容"}, {1070, "操作"}};
    for (size_t i = 0; i < labels_.size(); ++i) {
        labels_[i] = new QLabel(text(labels[i].second), this);
        keep(labels[i].first, labels_[i], "rowLabel");
    }
    for (int row = 0; row < kRows; ++row) {
        rowHex_[row] = new QCheckBox(this);
        rowHex_[row]->setToolTip(text("16进制"));
        keep(kRowCheckIds[row], rowHex_[row], "rowHex");
        rowEdit_[row] = new QLineEdit(this);
        keep(kRowEditIds[row], rowEdit_[row], "rowEdit");
        rowSend_[row] = new QPushButton(text("发送"), this);
        keep(kRowButtonIds[row], rowSend_[row], "rowSend");
        connect(rowSend_[row], &QPushButton::clicked, this, [this, row] { sendRow(row); });
    }

    // This editor's additions: a time stamp per batch, saving what was received, the frame view.
    stamp_ = new QCheckBox(text("时间标记"), this);
    stamp_->setObjectName(QStringLiteral("timeStamp"));
    stamp_->setToolTip(text("每批接收数据前加上接收时间"));
    save_ = new QPushButton(text("保存接收"), this);
    save_->setObjectName(QStringLiteral("saveReceived"));
    connect(save_, &QPushButton::clicked, this, &Ctiaoshi_helper_dlg::saveReceived);
    frameView_ = new QCheckBox(text("帧视图"), this);
    frameView_->setObjectName(QStringLiteral("frameView"));
    frameView_->setToolTip(text("把接收的字节按通信帧分开显示，并标出校验是否正确"));
    frames_ = new QPlainTextEdit(this);
    frames_->setObjectName(QStringLiteral("frameList"));
    frames_->setReadOnly(true);
    frames_->setUndoRedoEnabled(false);
    frames_->hide();
    connect(frameView_, &QCheckBox::toggled, this, [this](bool on) {
        frames_->setVisible(on);
        layOut();
        showFrames();
    });
}

void Ctiaoshi_helper_dlg::layOut() {
    const int w = width();
    const int h = height();
    const int receiveHeight = std::max(h - 350, 0);
    if (frameView_->isChecked()) {
        receiveBox_->setGeometry(0, 0, w / 2, receiveHeight);
        frames_->setGeometry(w / 2, 0, w - w / 2, receiveHeight);
    } else {
        receiveBox_->setGeometry(0, 0, w, receiveHeight);
    }
    receiveOn_->setGeometry(20, h - 340, 80, 30);
    stamp_->setGeometry(110, h - 340, 90, 30);
    frameView_->setGeometry(210, h - 340, 80, 30);
    hexDisplay_->setGeometry(w / 2, h - 340, 110, 30);
    clear_->setGeometry(w - 180, h - 340, 60, 30);
    save_->setGeometry(w - 110, h - 340, 90, 30);
    const int labelX[] = {0, w / 2, w - 100};
    for (size_t i = 0; i < labels_.size(); ++i) labels_[i]->setGeometry(labelX[i], h - 250, 150, 25);
    for (int row = 0; row < kRows; ++row) {
        const int y = h - 220 + row * 40;
        rowHex_[row]->setGeometry(20, y, 20, 20);
        rowEdit_[row]->setGeometry(50, y, std::max(w - 200, 0), 30);
        rowSend_[row]->setGeometry(w - 120, y, 100, 30);
    }
}

void Ctiaoshi_helper_dlg::open() {
    timer_.start();
    layOut();
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
    link_.openTerminal();
    show();
}

void Ctiaoshi_helper_dlg::receiveBytes(const Bytes& bytes) {
    if (!receiveOn_->isChecked()) return;
    text_.receive(bytes);
    frameBytes_ += bytes;
    if (frameBytes_.size() > 2 * kFrameViewBytes) frameBytes_.erase(0, frameBytes_.size() - kFrameViewBytes);
}

void Ctiaoshi_helper_dlg::flushPending() {
    if (!text_.hasPending()) return;
    const std::string stamp =
        stamp_->isChecked() ? QTime::currentTime().toString(QStringLiteral("[HH:mm:ss.zzz]")).toStdString() : std::string();
    const TerminalText::Batch batch = text_.flush(stamp);
    if (batch.empty()) return;
    // Only the new part is added; the box drops its oldest lines by itself.
    QTextCursor cursor = receiveBox_->textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(displayed(batch.appended));
    receiveBox_->setTextCursor(cursor);
    receiveBox_->ensureCursorVisible();
    if (frameView_->isChecked()) showFrames();
}

QString Ctiaoshi_helper_dlg::displayed(std::string_view gbk) {
    const QString text = fromGbk(gbk);
    QString lines;
    lines.reserve(text.size() + text.size() / kDisplayLineLength + 1);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // CR LF is one line break.
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) continue;
        if (c == QLatin1Char('\n')) {
            displayColumn_ = 0;
        } else if (++displayColumn_ > kDisplayLineLength) {
            lines += QLatin1Char('\n');
            displayColumn_ = 1;
        }
        lines += c;
    }
    return lines;
}

void Ctiaoshi_helper_dlg::showAll() {
    displayColumn_ = 0;
    receiveBox_->setPlainText(displayed(text_.text()));
    receiveBox_->moveCursor(QTextCursor::End);
}

void Ctiaoshi_helper_dlg::showFrames() {
    if (!frameView_->isChecked()) return;
    QStringList lines;
    for (const CutFrame& frame : cutFrames(frameBytes_)) lines << fromGbk(frameLine(frame));
    frames_->setPlainText(lines.join(QLatin1Char('\n')));
    frames_->moveCursor(QTextCursor::End);
}

void Ctiaoshi_helper_dlg::setHexDisplay(bool on) {
    text_.setHexDisplay(on);
    receiveBox_->setMaximumBlockCount(on ? kHexDisplayLines : kDisplayLines);
    showAll();
}

void Ctiaoshi_helper_dlg::clearReceived() {
    text_.clear();
    frameBytes_.clear();
    displayColumn_ = 0;
    receiveBox_->clear();
    frames_->clear();
}

void Ctiaoshi_helper_dlg::sendRow(int row) {
    if (row < 0 || row >= kRows) return;
    QLineEdit* edit = rowEdit_[row];
    if (edit->text().size() >= kRowTextLimit) return;
    const Bytes typed = gbkOf(edit->text());
    Bytes bytes = typed;
    if (rowHex_[row]->isChecked()) {
        const HexText parsed = parseHexText(typed);
        if (parsed.status == HexTextStatus::TooManyTokens) {
            prompter_.inform(fromGbk(tooManyHexTokensText()), text("提示"));
            return;
        }
        bytes = parsed.bytes;
        edit->setText(fromGbk(hexPairs(bytes)));
    }
    link_.sendTerminalBytes(bytes);
}

void Ctiaoshi_helper_dlg::saveReceived() {
    const QString path = prompter_.saveFileName(fileFilterFrom(text("文本文件(*.txt)|*.txt|所有文件(*.*)|*.*||")), {});
    if (path.isEmpty()) return;
    // The bytes as received (GBK), through a temporary file renamed over the target.
    QSaveFile file(path);
    const std::string& bytes = text_.text();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), static_cast<qint64>(bytes.size())) < 0 ||
        !file.commit()) {
        prompter_.inform(text("无法保存文件：") + path, text("错误"));
    }
}

void Ctiaoshi_helper_dlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layOut();
}

void Ctiaoshi_helper_dlg::mouseDoubleClickEvent(QMouseEvent* event) {
    QDialog::mouseDoubleClickEvent(event);
    layOut();
}

void Ctiaoshi_helper_dlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
    link_.closeTerminal();
}

void Ctiaoshi_helper_dlg::reject() {
    // Escape hides the window like its close box; it is never destroyed.
    hide();
    link_.closeTerminal();
}

}  // namespace lumio
