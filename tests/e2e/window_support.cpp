#include "tests/e2e/window_support.h"

#include <QFile>
#include <QPushButton>
#include <QStringList>

#include "tests/e2e/wait_until.h"
#include "ui/app/main_window.h"
#include "ui/app/settings_store.h"

namespace lumio::test {

using lumio::testing::Prompt;
using lumio::testing::ScriptedPrompter;

void WindowTestBase::makeParts() {
    folder_ = std::make_unique<QTemporaryDir>();
    sim_ = std::make_unique<SimProcess>();
    prompter_ = std::make_unique<ScriptedPrompter>();
}

void WindowTestBase::clearParts() {
    window_.reset();
    sim_.reset();
    prompter_.reset();
    folder_.reset();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

std::unique_ptr<CMy1Dlg> openNetworkWindow(Edition edition, const QString& settingsPath, std::uint16_t tcpPort,
                                           Prompter& prompter, const QString& extraSettings) {
    const QString settings =
        QStringLiteral("[canshu_v2]\r\ncom_or_tcp=1\r\nsocket_port=%1\r\nip=127.0.0.1\r\n").arg(tcpPort) + extraSettings;
    if (!writeFile(settingsPath, settings.toUtf8())) return nullptr;
    auto window = std::make_unique<CMy1Dlg>(edition, nullptr, SettingsStore(settingsPath));
    window->setPrompter(&prompter);
    return window;
}

bool connectNetwork(CMy1Dlg& window) {
    auto* button = qobject_cast<QPushButton*>(window.control(1008));
    button->click();
    return waitUntil([button] { return button->text() == QString::fromUtf8("网络已连接"); }, 5000);
}

bool informed(const ScriptedPrompter& prompter, const QString& message) {
    for (const Prompt& prompt : prompter.prompts)
        if (prompt.kind == Prompt::Inform && prompt.text == message) return true;
    return false;
}

bool waitInformed(const ScriptedPrompter& prompter, const QString& message, int milliseconds) {
    return waitUntil([&] { return informed(prompter, message); }, milliseconds);
}

QString promptsText(const ScriptedPrompter& prompter) {
    QStringList lines;
    for (const Prompt& prompt : prompter.prompts) lines << prompt.caption + QStringLiteral(": ") + prompt.text;
    return lines.join(QLatin1Char('\n'));
}

}  // namespace lumio::test
