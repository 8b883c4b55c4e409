#include "ui/dialogs/com_settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "core/settings/baud_codes.h"
#include "core/settings/serial_ports.h"
#include "core/text/gbk.h"
#include "ui/app/drop_down.h"
#include "ui/app/prompter.h"
#include "ui/app/settings_store.h"

namespace lumio {
namespace {

QString shown(std::string_view gbk) { return QString::fromStdString(toUtf8(gbk)); }
std::string typed(const QString& text) { return toGbk(text.toStdString()); }

constexpr int kIndent = 22;
constexpr quint32 kHighestTcpPort = 65535;

// The serial-device list: asks the system again each time it opens, so an adapter plugged in while the
// dialog is open can be chosen; the text shown (perhaps a typed path) is kept.
class DevicePortList : public QComboBox {
public:
    DevicePortList(std::function<QStringList()> entries, QWidget* parent)
        : QComboBox(parent), entries_(std::move(entries)) {}

    void showPopup() override {
        const QString text = currentText();
        clear();
        QStringList entries = entries_();
        if (!text.isEmpty() && !entries.contains(text)) entries.push_back(text);
        addItems(entries);
        setCurrentIndex(findText(text));
        QComboBox::showPopup();
    }

private:
    std::function<QStringList()> entries_;
};

QStringList entriesOf(const std::vector<std::string>& names) {
    QStringList entries;
    for (const std::string& name : names) entries.push_back(shown(name));
    return entries;
}

}  // namespace

CCom_Dlg::CCom_Dlg(const LinkSettings& current, const SettingsStore& store, QWidget* parent, PortNaming naming,
                   DeviceLister listDevices)
    : QDialog(parent), settings_(current), store_(store), naming_(naming) {
    setWindowTitle(QStringLiteral("通讯设置"));
    serialRadio_ = new QRadioButton(QStringLiteral("串口连接"), this);
    networkRadio_ = new QRadioButton(QStringLiteral("局域网连接"), this);
    portLabel_ = new QLabel(QStringLiteral("串口号："), this);
    if (naming_ == PortNaming::Numbered) {
        portList_ = new QComboBox(this);
        limitDropDownRows(*portList_);
    } else {
        // Device paths: the devices present, or a path typed in (a pseudo-terminal is not listed).
        portList_ = new DevicePortList(
            [this, listDevices] {
                return entriesOf(serialPortChoices(editedSettings(), naming_, listDevices ? listDevices() : std::vector<std::string>{}));
            },
            this);
        portList_->setEditable(true);
        portList_->setInsertPolicy(QComboBox::NoInsert);
    }
    portList_->addItems(entriesOf(serialPortChoices(current, naming_, listDevices ? listDevices() : std::vector<std::string>{})));
    baudLabel_ = new QLabel(QStringLiteral("波特率："), this);
    baudList_ = new QComboBox(this);
    for (const std::uint32_t baud : kBaudRates) baudList_->addItem(QString::number(baud));
    ipLabel_ = new QLabel(QStringLiteral("IP地址："), this);
    ipEdit_ = new QLineEdit(this);
    tcpPortLabel_ = new QLabel(QStringLiteral("端口："), this);
    tcpPortEdit_ = new QLineEdit(this);
    tcpPortEdit_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), this));
    tcpPortEdit_->setToolTip(QStringLiteral("1 - 65535"));
    autoOpenPortBox_ = new QCheckBox(QStringLiteral("自动打开串口"), this);
    autoOpenFileBox_ = new QCheckBox(QStringLiteral("自动打开文件"), this);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons_->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));

    serialRadio_->setObjectName(QStringLiteral("serialRadio"));
    networkRadio_->setObjectName(QStringLiteral("networkRadio"));
    portList_->setObjectName(QStringLiteral("portList"));
    baudList_->setObjectName(QStringLiteral("baudList"));
    ipEdit_->setObjectName(QStringLiteral("ipEdit"));
    tcpPortEdit_->setObjectName(QStringLiteral("tcpPortEdit"));
    autoOpenPortBox_->setObjectName(QStringLiteral("autoOpenPortBox"));
    autoOpenFileBox_->setObjectName(QStringLiteral("autoOpenFileBox"));
    buttons_->setObjectName(QStringLiteral("buttons"));

    buildLayout();
    fill();
    connect(serialRadio_, &QRadioButton::toggled, this, &CCom_Dlg::updateEnabling);
    connect(tcpPortEdit_, &QLineEdit::textChanged, this, &CCom_Dlg::updateEnabling);
    connect(buttons_, &QDialogButtonBox::accepted, this, &CCom_Dlg::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &CCom_Dlg::reject);
    updateEnabling();
}

void CCom_Dlg::buildLayout() {
    portLabel_->setBuddy(portList_);
    baudLabel_->setBuddy(baudList_);
    ipLabel_->setBuddy(ipEdit_);
    tcpPortLabel_->setBuddy(tcpPortEdit_);
    const int fieldWidth = fontMetrics().horizontalAdvance(QStringLiteral("/dev/ttyUSB0 0000")) + 40;
    for (QWidget* field : {static_cast<QWidget*>(portList_), static_cast<QWidget*>(baudList_),
                           static_cast<QWidget*>(ipEdit_), static_cast<QWidget*>(tcpPortEdit_)})
        field->setMinimumWidth(fieldWidth);

    auto fieldsUnder = [](QLabel* firstLabel, QWidget* first, QLabel* secondLabel, QWidget* second) {
        auto* form = new QFormLayout;
        form->setContentsMargins(kIndent, 2, 0, 6);
        form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
        form->addRow(firstLabel, first);
        form->addRow(secondLabel, second);
        return form;
    };
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    auto* flags = new QHBoxLayout;
    flags->addWidget(autoOpenPortBox_);
    flags->addSpacing(16);
    flags->addWidget(autoOpenFileBox_);
    flags->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(serialRadio_);
    layout->addLayout(fieldsUnder(portLabel_, portList_, baudLabel_, baudList_));
    layout->addWidget(networkRadio_);
    layout->addLayout(fieldsUnder(ipLabel_, ipEdit_, tcpPortLabel_, tcpPortEdit_));
    layout->addWidget(separator);
    layout->addLayout(flags);
    layout->addSpacing(6);
    layout->addWidget(buttons_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CCom_Dlg::fill() {
    (settings_.isNetwork() ? networkRadio_ : serialRadio_)->setChecked(true);
    const QString port = shown(serialPortName(settings_, naming_));
    portList_->setCurrentIndex(portList_->findText(port));
    // A code past the table shows no selection, and keeps its value unless a rate is chosen.
    baudList_->setCurrentIndex(settings_.baudCode < kBaudRates.size() ? settings_.baudCode : -1);
    ipEdit_->setText(shown(settings_.ipText));
    tcpPortEdit_->setText(QString::number(settings_.tcpPort));
    autoOpenPortBox_->setChecked(settings_.autoOpenPort);
    autoOpenFileBox_->setChecked(settings_.autoOpenFile);
}

void CCom_Dlg::updateEnabling() {
    const bool serial = serialRadio_->isChecked();
    for (QWidget* widget : {static_cast<QWidget*>(portLabel_), static_cast<QWidget*>(portList_),
                            static_cast<QWidget*>(baudLabel_), static_cast<QWidget*>(baudList_)})
        widget->setEnabled(serial);
    for (QWidget* widget : {static_cast<QWidget*>(ipLabel_), static_cast<QWidget*>(ipEdit_),
                            static_cast<QWidget*>(tcpPortLabel_), static_cast<QWidget*>(tcpPortEdit_)})
        widget->setEnabled(!serial);
    // A network link needs a port a connection can use; the serial link does not look at it.
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(serial || portFieldValid());
}

bool CCom_Dlg::portFieldValid() const {
    bool number = false;
    const quint32 port = tcpPortEdit_->text().toUInt(&number);
    return number && port >= 1 && port <= kHighestTcpPort;
}

LinkSettings CCom_Dlg::editedSettings() const {
    LinkSettings edited = settings_;
    // Any non-zero mode is the network link; an untouched choice keeps the value read.
    if (networkRadio_->isChecked() != settings_.isNetwork()) edited.mode = networkRadio_->isChecked() ? 1 : 0;
    edited = withSerialPortChosen(edited, typed(portList_->currentText().trimmed()), naming_);
    if (baudList_->currentIndex() >= 0) edited.baudCode = static_cast<std::uint8_t>(baudList_->currentIndex());
    if (ipEdit_->text() != shown(settings_.ipText)) edited.ipText = typed(ipEdit_->text());
    if (portFieldValid()) edited.tcpPort = tcpPortEdit_->text().toUInt();
    edited.autoOpenPort = autoOpenPortBox_->isChecked();
    edited.autoOpenFile = autoOpenFileBox_->isChecked();
    return edited;
}

void CCom_Dlg::accept() {
    if (networkRadio_->isChecked() && !portFieldValid()) return;
    const LinkSettings edited = editedSettings();
    const std::vector<SettingsWrite> writes = settingsWritesOnConfirm(settings_, edited, naming_);
    if (!writes.empty()) {
        settings_ = edited;
        changed_ = true;
        // The settings hold for this run even when the file could not take them; the user is told.
        QString failure;
        if (!store_.write(writes, &failure)) {
            WidgetPrompter fallback(this);
            (prompter_ ? *prompter_ : static_cast<Prompter&>(fallback)).inform(failure, QString::fromUtf8("错误"));
        }
    }
    QDialog::accept();
}

}  // namespace lumio
