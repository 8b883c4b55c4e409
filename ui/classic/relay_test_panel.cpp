#include "ui/classic/relay_test_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/link/link_texts.h"
#include "ui/app/prompter.h"
#include "ui/app/qt_text.h"

namespace lumio {
namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

constexpr int kAddressCount = 256;
constexpr int kChannelColumns = 8;

// The colours of a channel button: background and the caption in its inverse.
QString stateStyle(bool closed) {
    return closed ? QStringLiteral("background-color: #00ff00; color: #ff00ff;")
                  : QStringLiteral("background-color: #ff0000; color: #00ffff;");
}

}  // namespace

RelayTestPanel::RelayTestPanel(Send send, std::uint8_t initialAddress, Prompter& prompter, QWidget* parent)
    : QDialog(parent), send_(std::move(send)), prompter_(prompter) {
    setObjectName(QStringLiteral("relayTestPanel"));
    setWindowTitle(text("测试工具"));
    setModal(true);

    addresses_ = new QComboBox(this);
    addresses_->setObjectName(QStringLiteral("addressList"));
    for (int address = 0; address < kAddressCount; ++address) addresses_->addItem(QString::number(address));
    addresses_->setCurrentIndex(initialAddress);

    auto* commands = new QHBoxLayout;
    commands->addWidget(new QLabel(text("地址："), this));
    commands->addWidget(addresses_);
    const struct {
        const char* caption;
        const char* name;
        RelayPanelButton button;
    } entries[] = {
        {"读地址", "readAddressButton", RelayPanelButton::ReadAddress},
        {"写地址", "writeAddressButton", RelayPanelButton::WriteAddress},
        {"查询", "queryButton", RelayPanelButton::Query},
        {"全闭合", "closeAllButton", RelayPanelButton::CloseAll},
        {"全断开", "openAllButton", RelayPanelButton::OpenAll},
    };
    for (const auto& entry : entries) {
        auto* button = new QPushButton(text(entry.caption), this);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, which = entry.button] { press(which); });
        commands->addWidget(button);
    }
    commands->addStretch();

    auto* grid = new QGridLayout;
    for (int channel = 1; channel <= kRelayPanelChannels; ++channel) {
        auto* button = new QPushButton(text("第%1路").arg(channel), this);
        button->setObjectName(QStringLiteral("channel%1").arg(channel));
        button->setAutoDefault(false);
        button->setMinimumWidth(72);
        connect(button, &QPushButton::clicked, this, [this, channel] { press(RelayPanelButton::Channel, channel); });
        grid->addWidget(button, (channel - 1) / kChannelColumns, (channel - 1) % kChannelColumns);
        channels_ << button;
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(commands);
    layout->addLayout(grid);
}

bool RelayTestPanel::showsClosed(int channel) const {
    const QPushButton* button = channelButton(channel);
    return button && button->property("closed").toBool();
}

void RelayTestPanel::press(RelayPanelButton button, int channel) {
    send_(relayPanelCommand(button, static_cast<std::uint8_t>(std::max(0, addresses_->currentIndex())), channel));
}

void RelayTestPanel::receiveFrame(const QByteArray& frame) {
    const auto selected = static_cast<unsigned>(std::max(0, addresses_->currentIndex()));
    const RelayPanelReply reply = readRelayPanelReply(ByteView(frame.constData(), static_cast<size_t>(frame.size())), selected);
    if (reply.addressRead) {
        const auto address = static_cast<std::uint8_t>(*reply.addressRead);
        prompter_.inform(fromGbk(addressText(address)), fromGbk(caption::addressRead()));
        addresses_->setCurrentIndex(static_cast<int>(*reply.addressRead));
    }
    if (reply.channelStates) showStates(*reply.channelStates);
}

void RelayTestPanel::showStates(std::uint32_t states) {
    for (int channel = 1; channel <= kRelayPanelChannels; ++channel) {
        const bool closed = relayChannelClosed(states, channel);
        QPushButton* button = channelButton(channel);
        button->setProperty("closed", closed);
        button->setStyleSheet(stateStyle(closed));
    }
}

}  // namespace lumio
