#pragma once
// RelayTestPanel: the classic build's 测试工具 (dialog 158), a modal panel that drives a relay board of
// up to 32 channels: an address list, 读地址 / 写地址 / 查询 / 全闭合 / 全断开 and one toggle button per
// channel. The board's status frames colour the channel buttons: green for a closed channel, red for an
// open one, each caption in the inverse colour. What a button sends and what a frame means are
// core/link/relay_panel_status.h; the panel only shows them.
#include <QDialog>
#include <QList>
#include <functional>

#include "core/link/relay_panel_status.h"

class QComboBox;
class QPushButton;

namespace lumio {

class Prompter;

class RelayTestPanel : public QDialog {
    Q_OBJECT
public:
    using Send = std::function<void(const RelayPanelCommand&)>;

    RelayTestPanel(Send send, std::uint8_t initialAddress, Prompter& prompter, QWidget* parent = nullptr);

    QComboBox* addressList() const { return addresses_; }
    // "第1路" .. "第32路".
    QPushButton* channelButton(int channel) const { return channels_.value(channel - 1); }
    // Whether `channel`'s button shows it closed (false also before any status arrived).
    bool showsClosed(int channel) const;

public slots:
    // An 8-byte frame from the link; others than the panel's are ignored.
    void receiveFrame(const QByteArray& frame);

private:
    void press(RelayPanelButton button, int channel = 0);
    void showStates(std::uint32_t states);

    Send send_;
    Prompter& prompter_;
    QComboBox* addresses_ = nullptr;
    QList<QPushButton*> channels_;
};

}  // namespace lumio
