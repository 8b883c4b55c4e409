#pragma once
// The main window's side of the 工具 and 固件升级 menus, on its device link:
//   调试助手 (32837)        the debug terminal, created once on first use and kept; it hears the link's
//                           terminal bytes for the life of the window
//   指令向导 (32782)        the command wizard, modal, built anew each time
//   固件升级 (32866) and 固件升级_115200 (32868): the question, the images looked up, the upgrade; the
//                           question with chip, image and size once the board has named its chip
// The link's messages and progress reach the window through its own connections.
#include <filesystem>
#include <vector>

#include "core/link/device_session.h"
#include "ui/tools/tool_link.h"

class QWidget;

namespace lumio {

class CMy1Dlg;
class Ctiaoshi_helper_dlg;
class DeviceLink;
class Prompter;

// Menu command ids.
namespace command {
inline constexpr int kCommandWizard = 32782;
inline constexpr int kDebugTerminal = 32837;
inline constexpr int kFirmwareUpgrade = 32866;
inline constexpr int kFirmwareUpgrade115200 = 32868;
}  // namespace command

// Enables the 工具 and 固件升级 entries of the window's menus and connects them to its link.
void wireToolMenus(CMy1Dlg& window);

// ToolLink on the editor's device link.
class DeviceToolLink final : public ToolLink {
public:
    explicit DeviceToolLink(DeviceLink& link) : link_(link) {}
    void openTerminal() override;
    void closeTerminal() override;
    void sendTerminalBytes(const Bytes& bytes) override;
    void sendWizardBytes(const Bytes& bytes) override;

private:
    DeviceLink& link_;
};

// The terminal of `window` (created on the first call, a child of the window), opened and brought up.
Ctiaoshi_helper_dlg& openDebugTerminal(QWidget& window, DeviceLink& link, Prompter& prompter);
// The command wizard under `caption` (UTF-8), the edition's.
void runCommandWizard(QWidget& window, DeviceLink& link, Prompter& prompter, const char* caption);

// Where the editor looks for firmware images: the folder of the settings key, then "firmware" beside
// the program (the images built in come last by themselves).
std::vector<std::filesystem::path> editorFirmwareFolders(ByteView settingsProfile);
// Asks "确认要升级处理器固件为当前适配版本吗？" and starts the upgrade on Yes.
void startFirmwareUpgrade(QWidget& window, DeviceLink& link, Prompter& prompter, FirmwareRate rate,
                          const std::vector<std::filesystem::path>& folders);

}  // namespace lumio
