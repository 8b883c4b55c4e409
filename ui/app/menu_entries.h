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

}  // namespace lumio
