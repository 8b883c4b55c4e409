#include "ui/link/link_panel.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <ctime>

#include "core/model/program_image.h"
#include "core/settings/preamble_setting.h"
#include "core/settings/serial_ports.h"
#include "core/settings/verify_setting.h"
#include "ui/app/main_window.h"
#include "ui/app/qt_text.h"
#include "ui/app/serial_port_list.h"
#include "ui/app/settings_store.h"
#include "ui/dialogs/password_dialog.h"
#include "ui/dialogs/report_dialog.h"
#include "ui/dialogs/statement_editor_dialog.h"

namespace lumio {
namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

Bytes settingsProfile(const SettingsStore& settings) {
    QFile file(settings.path());
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : Bytes{};
}

constexpr int kNoteMilliseconds = 15000;

}  // namespace

LinkPanel::LinkPanel(CMy1Dlg& window, const SettingsStore& settings)
    : QObject(&window), window_(window), settings_(settings) {
    const Bytes profile = settingsProfile(settings);
    DeviceSessionConfig config;
    config.preambleIdentification = readPreambleIdentification(profile);
    config.edition = window.edition();
    link_ = new DeviceLink(config, this);
    verifyAfterWrite_ = readVerifyAfterWrite(profile);
    followSettings();
    wireControls();
    wireMenu();
    wireLink();
    showState();
}

void LinkPanel::wireControls() {
    connect(qobject_cast<QPushButton*>(window_.control(MainControl::ConnectButton)), &QPushButton::clicked, this, &LinkPanel::toggleConnection);
    connect(qobject_cast<QPushButton*>(window_.control(MainControl::ReadAllButton)), &QPushButton::clicked, this, &LinkPanel::readAll);
    connect(qobject_cast<QPushButton*>(window_.control(MainControl::WriteAllButton)), &QPushButton::clicked, this, &LinkPanel::writeAll);
    auto* addresses = qobject_cast<QComboBox*>(window_.control(MainControl::AddressList));
    connect(addresses, &QComboBox::currentIndexChanged, this,
            [this](int entry) { link_->setModuleAddress(static_cast<std::uint8_t>(std::max(0, entry))); });
    link_->setModuleAddress(static_cast<std::uint8_t>(std::max(0, addresses->currentIndex())));

    // The statement editor asks for a remote code when its 参数3 gains the focus; the code goes back to it.
    if (Cadd_in* editor = window_.statementEditor()) {
        connect(editor, &Cadd_in::remoteLearnRequested, this, [this](RemoteLearn code) {
            followSettings();
            link_->learnRemote(code == RemoteLearn::Radio ? RemoteCodeKind::Radio : RemoteCodeKind::UniversalIr);
        });
        connect(link_, &DeviceLink::codeLearned, editor,
                [editor](RemoteCodeKind, const QByteArray& code) { editor->learnedCodeArrived(code); });
    }
}

void LinkPanel::wireMenu() {
    const struct {
        const char* name;
        int id;
        void (LinkPanel::*run)();
    } entries[] = {
        {"actionReadAll", command::kReadAll, &LinkPanel::readAll},
        {"actionWriteAll", command::kWriteAll, &LinkPanel::writeAll},
        {"actionSetClock", command::kSetClock, &LinkPanel::setClock},
        {"actionReadClock", command::kReadClock, &LinkPanel::readClock},
        {"actionLock", command::kEncrypt, &LinkPanel::encrypt},
        {"actionUnlock", command::kDecrypt, &LinkPanel::decrypt},
        {"actionReadAddress", command::kReadAddress, &LinkPanel::readAddress},
        {"actionWriteAddress", command::kWriteAddress, &LinkPanel::writeAddress},
        {"actionHardwareInfo", command::kHardwareInfo, &LinkPanel::hardwareInfo},
        {"actionHardwareInfo2", command::kHardwareInfo2, &LinkPanel::hardwareInfo2},
        {"actionNetworkInfo", 0, &LinkPanel::networkInfo},
        {"actionReadId", 0, &LinkPanel::identification},
    };
    for (const auto& entry : entries) {
        auto* action = window_.findChild<QAction*>(QString::fromLatin1(entry.name));
        if (!action) continue;
        if (entry.id != 0) action->setProperty("commandId", entry.id);
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, entry.run);
    }
    // 写入后校验 follows 写入全部.
    auto* menu = window_.findChild<QMenu*>(QStringLiteral("linkMenu"));
    auto* writeAllAction = window_.findChild<QAction*>(QStringLiteral("actionWriteAll"));
    if (!menu || !writeAllAction) return;
    verifyAction_ = new QAction(text("写入后校验"), menu);
    verifyAction_->setObjectName(QStringLiteral("actionVerifyAfterWrite"));
    verifyAction_->setCheckable(true);
    verifyAction_->setChecked(verifyAfterWrite_);
    const QList<QAction*> actions = menu->actions();
    const qsizetype after = actions.indexOf(writeAllAction) + 1;
    menu->insertAction(after < actions.size() ? actions[after] : nullptr, verifyAction_);
    connect(verifyAction_, &QAction::toggled, this, &LinkPanel::setVerifyAfterWrite);
}

void LinkPanel::wireLink() {
    connect(link_, &DeviceLink::stateChanged, this, &LinkPanel::showState);
    connect(link_, &DeviceLink::messageShown, this, [this](const QString& message, const QString& caption) {
        inform(message, caption);
    });
    connect(link_, &DeviceLink::noteShown, this,
            [this](const QString& note) { window_.statusBar()->showMessage(note, kNoteMilliseconds); });
    connect(link_, &DeviceLink::progressChanged, this, [this](quint32 range, quint32 position) {
        auto* bar = qobject_cast<QProgressBar*>(window_.control(MainControl::ProgressBar));
        bar->setRange(0, static_cast<int>(range));
        bar->setValue(static_cast<int>(position));
    });
    connect(link_, &DeviceLink::imageRead, this, [this](const QByteArray& image) {
        window_.replaceProgramFromBoard(ByteView(image.constData(), static_cast<size_t>(image.size())));
    });
    connect(link_, &DeviceLink::reportOpened, this, [this](int mode, const QByteArray&, const QString& report) {
        Cyingjianxinxi dialog(mode == 1 ? Cyingjianxinxi::Mode::HardwareInfo : Cyingjianxinxi::Mode::HardwareInfo2,
                              text("信息"), report, &window_);
        dialog.exec();
    });
    connect(link_, &DeviceLink::verified, this,
            [this](bool, qint64, const QString& result) { inform(result, text("提示")); });
    connect(link_, &DeviceLink::linkLost, this, [this](const QString& reason) {
        window_.statusBar()->showMessage(text("通信连接已断开：") + reason, kNoteMilliseconds);
    });
    connect(link_, &DeviceLink::networkConnected, this, [this] {
        if (!reportConnectResult_) return;
        reportConnectResult_ = false;
        inform(text("网络已连接"));
    });
    connect(link_, &DeviceLink::connectFailed, this, [this](const QString&) {
        inform(connectFailedText());
        if (!reportConnectResult_) return;
        reportConnectResult_ = false;
        inform(text("网络已断开"));
    });
}

void LinkPanel::followSettings() {
    const LinkSettings& settings = window_.linkSettings();
    link_->setSettings(settings, fromGbk(serialPortName(settings, platformPortNaming())));
}

void LinkPanel::showState() {
    qobject_cast<QPushButton*>(window_.control(MainControl::ConnectButton))->setText(link_->caption());
}

void LinkPanel::inform(const QString& message, const QString& caption) { window_.prompter().inform(message, caption); }

QString LinkPanel::targetCaption() const {
    return fromGbk(formatText(toGbk("警告 目标地址%u").c_str(), unsigned{link_->moduleAddress()}));
}

void LinkPanel::toggleConnection() {
    followSettings();
    link_->toggle();
}

void LinkPanel::readAll() {
    // As Open does: unsaved work is settled first, then the board's program replaces it (one undo step).
    if (!window_.settleUnsavedChanges()) return;
    if (!window_.prompter().askYesNo(text("继续进行将会擦除当前界面的信息并以目标板信息取代，继续吗？"), targetCaption())) return;
    followSettings();
    link_->readAll();
}

void LinkPanel::writeAll() {
    followSettings();
    if (!link_->isNetwork() && !link_->isSerialOpen()) {
        inform(text("请先打开串口"), text("提示"));
        return;
    }
    if (!window_.prompter().askYesNo(text("继续进行将会擦除目标板信息并以当前界面的信息取代，继续吗？"), targetCaption())) return;
    link_->writeAll(buildProgramImage(window_.program(), window_.edition()), verifyAfterWrite_);
}

void LinkPanel::setClock() {
    followSettings();
    const std::time_t now = std::time(nullptr);
    link_->setClock(*std::localtime(&now));
}

void LinkPanel::readClock() {
    followSettings();
    link_->readClock();
}

void LinkPanel::askPassword(bool encrypt) {
    Cjiami_dlg dialog(encrypt ? Cjiami_dlg::Mode::Encrypt : Cjiami_dlg::Mode::Decrypt, window_.prompter(), &window_);
    if (dialog.exec() != QDialog::Accepted || dialog.password().isEmpty()) return;
    followSettings();
    const Bytes password = gbkOf(dialog.password());
    if (encrypt) {
        link_->encrypt(password);
    } else {
        link_->decrypt(password);
    }
}

void LinkPanel::encrypt() { askPassword(true); }
void LinkPanel::decrypt() { askPassword(false); }

void LinkPanel::readAddress() {
    followSettings();
    link_->readAddress();
}

void LinkPanel::writeAddress() {
    followSettings();
    link_->writeAddress();
}

void LinkPanel::hardwareInfo() {
    followSettings();
    link_->hardwareInfo();
}

void LinkPanel::hardwareInfo2() {
    followSettings();
    link_->hardwareInfo2();
}

void LinkPanel::networkInfo() {
    followSettings();
    link_->networkInfo();
}

void LinkPanel::identification() {
    followSettings();
    link_->identification();
}

void LinkPanel::setVerifyAfterWrite(bool on) {
    if (on == verifyAfterWrite_) return;
    verifyAfterWrite_ = on;
    if (verifyAction_) verifyAction_->setChecked(on);
    // The choice holds for this run even when the file could not take it; the user is told.
    QString failure;
    if (!settings_.write({verifyAfterWriteSetting(on)}, &failure)) inform(failure, text("错误"));
}

void LinkPanel::applyConfirmedSettings() {
    followSettings();
    if (link_->isNetwork()) {
        link_->closeSerial();
        if (link_->state() == LinkState::NetworkDisconnected) {
            reportConnectResult_ = true;
            link_->connectNetwork();  // the result is reported when the attempt ends
        } else {
            link_->disconnectNetwork();
            inform(text("网络已断开"));
        }
        return;
    }
    link_->disconnectNetwork();
    link_->toggle();
    showState();
    inform(link_->caption());
}

}  // namespace lumio
