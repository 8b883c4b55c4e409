// The firmware upgrade: preamble, identify (register 101), descriptor, FirmwareHeader as block 10000 and
// the image in blocks 10001...; one request in flight, each answered. Also the raw sends of the debug
// terminal and the command wizard.
#include "core/link/device_session.h"
#include "core/link/firmware_texts.h"
#include "core/link/link_texts.h"

namespace lumio {
namespace {

constexpr std::uint16_t kFastBaudCode = kFirmwareFastBaud / 100;
constexpr size_t kDescriptorSize = 10;
// Replies before the first data block: identify, descriptor, header.
constexpr std::uint32_t kLeadReplies = 3;

}  // namespace

Effects DeviceSession::firmwareUpgrade(FirmwareRate rate, FirmwareCatalog catalog, std::uint32_t configuredBaud) {
    Effects effects;
    begin(LinkOperation::FirmwareUpgrade, effects);
    configuredBaud_ = configuredBaud;
    upgrade_.catalog = std::move(catalog);
    upgrade_.baudCode = rate == FirmwareRate::Fast ? kFastBaudCode : 0;
    upgrade_.startCountdown = kFirmwareStartTicks;
    // A port left at 115200 by an earlier upgrade returns to the configured rate first.
    effects.push_back(ChangeBaud{configuredBaud, 0});
    preambleArmed_ = true;
    sendFrame({}, effects);
    return effects;
}

Effects DeviceSession::confirmFirmware(bool proceed) {
    Effects effects;
    if (operation_ != LinkOperation::FirmwareUpgrade || !upgrade_.awaitingConfirmation) return effects;
    upgrade_.awaitingConfirmation = false;
    if (!proceed) {
        restoreBaud(effects);
        endFirmware(Outcome::Failed, effects);
        return effects;
    }
    upgrade_.stallTicks = kFirmwareStallTicks;
    firmwareStep(effects);
    return effects;
}

void DeviceSession::firmwareStep(Effects& effects) {
    UpgradeState& up = upgrade_;
    if (up.step == 0) {
        up.chipName.clear();
        sendRequest(readRequest(moduleAddress_, reg::kFirmware, up.baudCode), false, effects);
        if (up.baudCode != 0) {
            effects.push_back(ChangeBaud{up.baudCode * 100u, kFirmwareBaudSwitchMilliseconds});
            up.switchPending = true;
        }
        return;
    }
    if (up.step == 1) {
        up.blockTotal = firmwareBlockTotal(static_cast<std::uint32_t>(up.image.size()));
        if (up.blockTotal == 0) return;
        setProgress(up.blockTotal + kLeadReplies, progress_.position, effects);
        sendRequest(writeRequest(moduleAddress_, reg::kFirmware, Bytes(kDescriptorSize, '\0')), false, effects);
        return;
    }
    const auto total = static_cast<std::uint16_t>(up.blockTotal);
    if (up.step == 2) {
        sendRequest(blockRequest(moduleAddress_, kFirmwareHeaderBlock, total, firmwareHeader(up.image)), false, effects);
        return;
    }
    const std::uint32_t block = up.step - kLeadReplies;
    const size_t position = size_t{block} * kFirmwareBlockSize;
    if (up.blockTotal != 0 && up.step <= up.blockTotal + 2 && position < up.image.size()) {
        const auto index = static_cast<std::uint16_t>(kFirmwareHeaderBlock + 1 + block);
        const ByteView data = ByteView(up.image).substr(position, kFirmwareBlockSize);
        sendRequest(blockRequest(moduleAddress_, index, total, data), false, effects);
        return;
    }
    endFirmware(Outcome::Failed, effects);
}

void DeviceSession::onFirmwareFrame(ByteView frame, Effects& effects) {
    UpgradeState& up = upgrade_;
    // Before the identify request and while the user is asked, replies mean nothing.
    if (up.startCountdown != 0 || up.awaitingConfirmation) return;
    ++up.step;
    setProgress(progress_.range, up.step, effects);
    if (baudRestoreCountdown_ != 0) baudRestoreCountdown_ = kFirmwareBaudRestoreTicks;
    up.stallTicks = kFirmwareStallTicks;
    const CrcReply reply{frame};
    if (up.step == 1) {
        if (reply.code() != kReadCode) return;
        if (up.switchPending) {
            up.chipReply = Bytes(reply.data());
        } else {
            onChipNamed(reply.data(), effects);
        }
        return;
    }
    if (up.step == 2) {
        if (reply.code() == kWriteCode) firmwareStep(effects);
        return;
    }
    if (reply.code() != kBlockCode || reply.u16(2) != up.step + kFirmwareHeaderBlock - kLeadReplies ||
        reply.u16(4) != up.blockTotal) {
        return;
    }
    if (up.step == up.blockTotal + kLeadReplies) {
        effects.push_back(ShowMessage{firmwareDoneText(), caption::notice()});
        setProgress(progress_.range, 0, effects);
        endFirmware(Outcome::Completed, effects);
        return;
    }
    firmwareStep(effects);
}

void DeviceSession::onChipNamed(ByteView chipName, Effects& effects) {
    UpgradeState& up = upgrade_;
    up.chipName = std::string(chipName);
    const FirmwareImage* image = up.catalog.find(up.chipName);
    if (image == nullptr || image->state != FirmwareState::Loaded) {
        const bool unloadable = image != nullptr && image->state == FirmwareState::Unloadable;
        effects.push_back(ShowMessage{unloadable ? firmwareUnloadableText() : firmwareNotFoundText(), {}});
        // Nothing more can be sent; the operation ends here instead of staying pending, and timer 2 still
        // returns the port to the configured rate.
        endFirmware(Outcome::Failed, effects);
        return;
    }
    up.image = image->bytes;
    up.awaitingConfirmation = true;
    effects.push_back(
        ConfirmFirmware{up.chipName, image->source, static_cast<std::uint32_t>(image->bytes.size())});
}

void DeviceSession::endFirmware(Outcome outcome, Effects& effects) {
    upgrade_ = UpgradeState{};
    end(outcome, effects);
}

void DeviceSession::restoreBaud(Effects& effects) {
    if (baudRestoreCountdown_ == 0) return;
    baudRestoreCountdown_ = 0;
    effects.push_back(ChangeBaud{configuredBaud_, 0});
}

void DeviceSession::tickFirmware(Effects& effects) {
    UpgradeState& up = upgrade_;
    const bool upgrading = operation_ == LinkOperation::FirmwareUpgrade;
    // Timer 3: the identify request goes out about 300 ms after the preamble.
    if (upgrading && up.startCountdown != 0 && --up.startCountdown == 0) {
        baudRestoreCountdown_ = kFirmwareBaudRestoreTicks;
        up.step = 0;
        up.stallTicks = kFirmwareStallTicks;
        firmwareStep(effects);
        return;
    }
    if (upgrading && up.switchPending) {
        up.switchPending = false;
        if (up.chipReply) onChipNamed(*up.chipReply, effects);
        if (operation_ != LinkOperation::FirmwareUpgrade) return;
    }
    if (up.awaitingConfirmation) return;
    // Timer 2: back to the configured rate one second after the board last answered, once the upgrade has
    // ended. While it runs, a board that is slow for a moment keeps its rate; a stall gives up after 3 s
    // and restores the rate then.
    if (!upgrading && baudRestoreCountdown_ != 0 && --baudRestoreCountdown_ == 0) {
        effects.push_back(ChangeBaud{configuredBaud_, 0});
    }
    if (upgrading && up.startCountdown == 0 && up.stallTicks != 0 && --up.stallTicks == 0) {
        effects.push_back(ShowMessage{firmwareStalledText(up.step, up.blockTotal), errorCaption()});
        restoreBaud(effects);
        setProgress(progress_.range, 0, effects);
        endFirmware(Outcome::TimedOut, effects);
    }
}

Effects DeviceSession::openTerminal() {
    Effects effects;
    begin(LinkOperation::DebugTerminal, effects);
    return effects;
}

Effects DeviceSession::closeTerminal() {
    Effects effects;
    if (operation_ == LinkOperation::DebugTerminal) operation_ = LinkOperation::Idle;
    return effects;
}

Effects DeviceSession::rawSend(LinkOperation operation, ByteView bytes) {
    Effects effects;
    begin(operation, effects);
    // The in-frame marker is left as it is: these bytes are not a request of the editor's own.
    sendFrame(Bytes(bytes), effects);
    return effects;
}

Effects DeviceSession::terminalSend(ByteView bytes) { return rawSend(LinkOperation::DebugTerminal, bytes); }

Effects DeviceSession::wizardSend(ByteView bytes) { return rawSend(LinkOperation::WizardSend, bytes); }

}  // namespace lumio
