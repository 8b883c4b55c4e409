#pragma once
// LinkPanel: the window side of the device link. It owns the DeviceLink and wires the main window's
// link controls to it: the connect button (1008) showing the link's state, the address list (1010),
// 读取 / 写入 (1011 / 1012), the progress bar (1018), the 通信 menu with its command ids, the password
// dialog, the report dialog, the statement editor's remote learning, and the settings dialog's OK. It
// asks the confirmation questions before a command and shows the link's messages through the window's
// prompter; the no-answer note goes to the status line, so it never stops the user.
#include <QObject>
#include <QPointer>
#include <QString>

#include "core/text/bytes.h"
#include "link/device_link.h"

class QAction;

namespace lumio {

class CMy1Dlg;
class SettingsStore;

// The menu command ids of the 通信 entries.
namespace command {
inline constexpr int kReadAll = 32848;
inline constexpr int kWriteAll = 32849;
inline constexpr int kSetClock = 32850;
inline constexpr int kReadClock = 32851;
inline constexpr int kEncrypt = 32852;
inline constexpr int kDecrypt = 32853;
inline constexpr int kReadAddress = 32856;
inline constexpr int kWriteAddress = 32857;
inline constexpr int kHardwareInfo = 32858;
inline constexpr int kHardwareInfo2 = 32859;
}  // namespace command

class LinkPanel : public QObject {
    Q_OBJECT
public:
    LinkPanel(CMy1Dlg& window, const SettingsStore& settings);

    DeviceLink& link() { return *link_; }
    bool verifyAfterWrite() const { return verifyAfterWrite_; }
    QAction* verifyAction() const { return verifyAction_.data(); }

public slots:
    // The connect button: connects or disconnects the network, opens or closes the serial port.
    void toggleConnection();
    void readAll();
    void writeAll();
    void setClock();
    void readClock();
    void encrypt();
    void decrypt();
    void readAddress();
    void writeAddress();
    void hardwareInfo();
    void hardwareInfo2();
    // The classic edition's 读取网络信息 and 读取ID.
    void networkInfo();
    void identification();
    // 写入后校验: kept in the settings file.
    void setVerifyAfterWrite(bool on);
    // After OK in the settings dialog, changed or not: the link is applied again and its state shown.
    void applyConfirmedSettings();
    // The link follows the window's settings (port, baud, address, mode); an open pipe is not moved.
    void followSettings();
    // Enables and connects the window's 通信 entries the link serves, found by their object names; an
    // edition that replaces the window's menus calls it again for its own.
    void wireMenu();

private:
    void wireControls();
    void wireLink();
    void showState();
    void inform(const QString& text, const QString& caption = {});
    QString targetCaption() const;  // "警告 目标地址%u"
    void askPassword(bool encrypt);

    CMy1Dlg& window_;
    const SettingsStore& settings_;
    DeviceLink* link_ = nullptr;
    QPointer<QAction> verifyAction_;  // goes with its menu
    bool verifyAfterWrite_ = true;
    // The settings dialog asked for the network: its result is reported when the attempt ends.
    bool reportConnectResult_ = false;
};

}  // namespace lumio
