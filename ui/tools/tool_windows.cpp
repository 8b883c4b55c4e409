#include "ui/tools/tool_windows.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QWidget>

#include "core/link/firmware_library.h"
#include "core/link/firmware_texts.h"
#include "link/device_link.h"
#include "ui/app/main_window.h"
#include "ui/app/prompter.h"
#include "ui/app/qt_text.h"
#include "ui/tools/command_wizard_dialog.h"
#include "ui/link/link_panel.h"
#include "ui/tools/terminal_dialog.h"

namespace lumio {
namespace {

// Keeps the window's ToolLink alive as long as the window: owned by a QObject child of it.
class ToolLinkHolder final : public QObject {
public:
    ToolLinkHolder(QObject* parent, DeviceLink& link) : QObject(parent), toolLink(link) {}
    DeviceToolLink toolLink;
};

DeviceToolLink& toolLinkOf(QWidget& window, DeviceLink& link) {
    auto* holder = window.findChild<ToolLinkHolder*>(QStringLiteral("toolLink"), Qt::FindDirectChildrenOnly);
    if (!holder) {
        holder = new ToolLinkHolder(&window, link);
        holder->setObjectName(QStringLiteral("toolLink"));
    }
    return holder->toolLink;
}

Bytes settingsProfile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : Bytes();
}

}  // namespace

void wireToolMenus(CMy1Dlg& window) {
    LinkPanel* panel = window.linkPanel();
    if (!panel) return;
    const auto wire = [&window](const char* name, int id, auto run) {
        auto* action = window.findChild<QAction*>(QString::fromLatin1(name));
        if (!action) return;
        action->setProperty("commandId", id);
        action->setEnabled(true);
        QObject::connect(action, &QAction::triggered, &window, run);
    };
    wire("actionDebugTerminal", command::kDebugTerminal, [&window, panel] {
        panel->followSettings();
        openDebugTerminal(window, panel->link(), window.prompter());
    });
    wire("actionCommandWizard", command::kCommandWizard, [&window, panel] {
        panel->followSettings();
        runCommandWizard(window, panel->link(), window.prompter(), window.profile().wizardCaption);
    });
    const auto upgrade = [&window, panel](FirmwareRate rate) {
        panel->followSettings();
        startFirmwareUpgrade(window, panel->link(), window.prompter(), rate,
                             editorFirmwareFolders(settingsProfile(window.settingsStore().path())));
    };
    wire("actionFirmwareUpgrade", command::kFirmwareUpgrade, [upgrade] { upgrade(FirmwareRate::Configured); });
    wire("actionFirmwareUpgrade115200", command::kFirmwareUpgrade115200, [upgrade] { upgrade(FirmwareRate::Fast); });
}

void DeviceToolLink::openTerminal() { link_.openTerminal(); }
void DeviceToolLink::closeTerminal() { link_.closeTerminal(); }
void DeviceToolLink::sendTerminalBytes(const Bytes& bytes) { link_.sendTerminalBytes(bytes); }
void DeviceToolLink::sendWizardBytes(const Bytes& bytes) { link_.sendWizardBytes(bytes); }

Ctiaoshi_helper_dlg& openDebugTerminal(QWidget& window, DeviceLink& link, Prompter& prompter) {
    auto* terminal = window.findChild<Ctiaoshi_helper_dlg*>(QStringLiteral("debugTerminal"), Qt::FindDirectChildrenOnly);
    if (!terminal) {
        terminal = new Ctiaoshi_helper_dlg(toolLinkOf(window, link), prompter, &window);
        QObject::connect(&link, &DeviceLink::terminalBytes, terminal, [terminal](const QByteArray& bytes) {
            terminal->receiveBytes(Bytes(bytes.constData(), static_cast<size_t>(bytes.size())));
        });
    }
    terminal->open();
    return *terminal;
}

void runCommandWizard(QWidget& window, DeviceLink& link, Prompter& prompter, const char* caption) {
    Czhilingshengchengqi wizard(toolLinkOf(window, link), prompter, &window);
    wizard.setWindowTitle(QString::fromUtf8(caption));
    wizard.exec();
}

std::vector<std::filesystem::path> editorFirmwareFolders(ByteView settingsProfile) {
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(kFirmwareFolderName.data()));
    return {firmwareFolderSetting(settingsProfile), std::filesystem::path(beside.toStdU16String())};
}

void startFirmwareUpgrade(QWidget& window, DeviceLink& link, Prompter& prompter, FirmwareRate rate,
                          const std::vector<std::filesystem::path>& folders) {
    if (!prompter.askYesNo(fromGbk(firmwareQuestionText()), fromGbk(firmwareQuestionCaption()))) return;
    // The second question of this upgrade goes through this prompter (an earlier upgrade's answer is dropped).
    QObject::disconnect(&link, &DeviceLink::firmwareConfirmationAsked, &window, nullptr);
    QObject::connect(&link, &DeviceLink::firmwareConfirmationAsked, &window,
                     [&link, &prompter](const QString& chip, const QString& source, quint32 size) {
                         const QString text = fromGbk(firmwareConfirmText(gbkOf(chip), gbkOf(source), size));
                         link.confirmFirmware(prompter.askYesNo(text, fromGbk(firmwareQuestionCaption())));
                     });
    link.firmwareUpgrade(rate, loadFirmwareCatalog(folders));
}

}  // namespace lumio
