// The firmware upgrade, debug terminal, command wizard and relay test panel commands of the device link.

#include "link/device_link.h"

namespace lumio {

std::uint32_t DeviceLink::configuredBaud() const { return serialBaud_; }

void DeviceLink::firmwareUpgrade(FirmwareRate rate, FirmwareCatalog catalog) {
    run(session_->firmwareUpgrade(rate, std::move(catalog), configuredBaud()));
}

void DeviceLink::confirmFirmware(bool proceed) { run(session_->confirmFirmware(proceed)); }

void DeviceLink::openTerminal() { run(session_->openTerminal()); }

void DeviceLink::closeTerminal() { run(session_->closeTerminal()); }

void DeviceLink::sendTerminalBytes(const Bytes& bytes) { run(session_->terminalSend(bytes)); }

void DeviceLink::sendWizardBytes(const Bytes& bytes) { run(session_->wizardSend(bytes)); }

void DeviceLink::openRelayPanel() { run(session_->openRelayPanel()); }

void DeviceLink::closeRelayPanel() { run(session_->closeRelayPanel()); }

void DeviceLink::sendRelayCommand(std::uint8_t target, std::uint8_t code, std::uint32_t value) {
    run(session_->relayPanelSend(target, code, value));
}

void DeviceLink::changeBaudLater(std::uint32_t baud, std::uint32_t delayMilliseconds) {
    // A network link has no rate; a closed port reports the failure on the standard error stream.
    if (isNetwork()) return;
    if (delayMilliseconds == 0) {
        changeBaud(baud);
        return;
    }
    // The wait must not block the window: the board switches its rate meanwhile.
    QTimer::singleShot(static_cast<int>(delayMilliseconds), this, [this, baud] { changeBaud(baud); });
}

}  // namespace lumio
