#pragma once
// Building menus: entries with object names (the tests find them by name), wired to a member function
// or a callable, and entries shown disabled for features the window does not offer yet.
#include <QAction>
#include <QMenu>
#include <QObject>
#include <QString>

namespace lumio {

// Adds an entry that runs `handler` on `receiver`.
template <class Receiver, class Handler>
QAction* addEntry(QMenu* menu, const char* caption, const char* name, Receiver* receiver, Handler handler) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, receiver, [receiver, handler] { (receiver->*handler)(); });
    return action;
}

// Adds an entry that runs `run`.
template <class Run>
QAction* addCommand(QMenu* menu, const char* caption, const char* name, QObject* context, Run run) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, context, run);
    return action;
}

inline QAction* addDisabled(QMenu* menu, const char* caption, const char* name) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(false);
    return action;
}

inline QMenu* addSubmenu(QMenu* menu, const char* caption, const char* name) {
    QMenu* submenu = menu->addMenu(QString::fromUtf8(caption));
    submenu->setObjectName(QString::fromLatin1(name));
    return submenu;
}

// The device entries of the 通信 menu that both editions share, created disabled (the link enables the
// ones it serves by their object names). `writeAddressCaption` is the one text the editions word
// differently.
inline void addDeviceEntries(QMenu* link, const char* writeAddressCaption) {
    addDisabled(link, "读取全部", "actionReadAll");
    addDisabled(link, "写入全部", "actionWriteAll");
    link->addSeparator();
    addDisabled(link, "校准时间", "actionSetClock");
    addDisabled(link, "读取模块时间", "actionReadClock");
    addDisabled(link, "设备加密", "actionLock");
    addDisabled(link, "设备解密", "actionUnlock");
    QMenu* address = addSubmenu(link, "地址操作", "addressMenu");
    addDisabled(address, "读地址", "actionReadAddress");
    addDisabled(address, writeAddressCaption, "actionWriteAddress");
    addDisabled(link, "读取硬件信息", "actionHardwareInfo");
    addDisabled(link, "读取硬件信息2", "actionHardwareInfo2");
    link->addSeparator();
}

}  // namespace lumio
