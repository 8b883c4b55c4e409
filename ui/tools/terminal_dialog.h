#pragma once
// Ctiaoshi_helper_dlg: the debug terminal (dialog 148, "调试窗口"). A modeless window, created once and
// only hidden afterwards, that shows the bytes the board sends while no device operation is pending (as
// text or hexadecimal) and sends up to five prepared lines, each as text or as hexadecimal bytes.
//
// Received bytes reach the receive box in batches every 50 ms; only the new part of a batch is added. The
// received text is bounded (core/link/terminal_text.h: about 2 MB, the oldest dropped behind a marker),
// and so is the box: at most 20,000 lines of at most 96 characters, the oldest dropped first. Beyond the five rows the window can stamp each
// batch with the time, save what was received, and show the received bytes cut into frames with their
// checks (the frame view).
#include <QDialog>
#include <QMap>
#include <QTimer>
#include <array>

#include "core/link/terminal_text.h"
#include "core/text/bytes.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lumio {

class Prompter;
class ToolLink;

class Ctiaoshi_helper_dlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRows = 5;
    static constexpr int kBatchMilliseconds = 50;
    static constexpr int kRowTextLimit = 1000;

    Ctiaoshi_helper_dlg(ToolLink& link, Prompter& prompter, QWidget* parent = nullptr);

    // The resource id's control (1027 receive box, 1054 接收, ...), or null.
    QWidget* control(int id) const { return controls_.value(id); }
    const TerminalText& received() const { return text_; }
    // Bytes received by the frame view since it was last cleared.
    const Bytes& frameBytes() const { return frameBytes_; }

public slots:
    // Command 32837: create once, lay out, restore, raise, DebugTerminal, show.
    void open();
    // Every byte received while the operation is Idle or DebugTerminal.
    void receiveBytes(const Bytes& bytes);
    // The 50 ms timer.
    void flushPending();
    void sendRow(int row);
    void clearReceived();
    void saveReceived();
    void layOut();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void build();
    void setHexDisplay(bool on);
    void showAll();
    // The receive box's form of received text: line breaks as the box wants them.
    QString displayed(std::string_view gbk);
    void showFrames();

    ToolLink& link_;
    Prompter& prompter_;
    TerminalText text_;
    QTimer timer_;
    QMap<int, QWidget*> controls_;
    QPlainTextEdit* receiveBox_ = nullptr;
    QCheckBox* receiveOn_ = nullptr;
    QCheckBox* hexDisplay_ = nullptr;
    QPushButton* clear_ = nullptr;
    QCheckBox* stamp_ = nullptr;
    QPushButton* save_ = nullptr;
    QCheckBox* frameView_ = nullptr;
    QPlainTextEdit* frames_ = nullptr;
    std::array<QLabel*, 3> labels_{};
    std::array<QCheckBox*, kRows> rowHex_{};
    std::array<QLineEdit*, kRows> rowEdit_{};
    std::array<QPushButton*, kRows> rowSend_{};
    Bytes frameBytes_;
    int displayColumn_ = 0;
};

}  // namespace lumio
