#pragma once
// What the window tests against the simulator share: a window of either edition on a settings file
// that points at the simulator over TCP on 127.0.0.1, its connect button, the scripted prompter's record,
// and a hook for the modal dialog a command opens.
#include <QApplication>
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdint>
#include <memory>

#include "core/edition.h"
#include "tests/e2e/sim_process.h"
#include "tests/ui/support/scripted_prompter.h"
#include "ui/app/main_window.h"

namespace lumio::test {

// The base of a window test class: a folder, a simulator (not started), a prompter and the window,
// made afresh for each test function by makeParts() (from init()) and gone after clearParts() (from
// cleanup()), the window first.
class WindowTestBase : public QObject {
protected:
    void makeParts();
    void clearParts();
    QString path(const char* name) const { return folder_->filePath(QString::fromLatin1(name)); }

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<SimProcess> sim_;
    std::unique_ptr<lumio::testing::ScriptedPrompter> prompter_;
    std::unique_ptr<CMy1Dlg> window_;
};

bool writeFile(const QString& path, const QByteArray& bytes);

// A window of `edition` whose settings file `settingsPath` is written first: the network link to
// 127.0.0.1:`tcpPort`, then `extraSettings` (lines of the same section, each ended by CR LF).
std::unique_ptr<CMy1Dlg> openNetworkWindow(Edition edition, const QString& settingsPath, std::uint16_t tcpPort,
                                           Prompter& prompter, const QString& extraSettings = {});
// Clicks the connect button and waits (5 s at most) for "网络已连接".
bool connectNetwork(CMy1Dlg& window);

// Whether the prompter was told `message`; the same, waiting `milliseconds` at most while the event loop
// runs freely.
bool informed(const lumio::testing::ScriptedPrompter& prompter, const QString& message);
bool waitInformed(const lumio::testing::ScriptedPrompter& prompter, const QString& message, int milliseconds = 20000);
// Every prompt, "caption: text" a line, for failure output.
QString promptsText(const lumio::testing::ScriptedPrompter& prompter);

// Runs `check` on the first modal `Dialog` to be shown (the command that opens it runs its own loop).
template <class Dialog, class Check>
void whenModalShown(Check check) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, check] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        poll->stop();
        poll->deleteLater();
        check(*dialog);
    });
    poll->start(10);
}

}  // namespace lumio::test
