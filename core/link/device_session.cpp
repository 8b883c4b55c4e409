#include "core/link/device_session.h"

#include <algorithm>

#include "core/link/link_texts.h"

namespace lumio {

// How received bytes are taken while an operation is pending.
enum class Intake : std::uint8_t { Terminal, CrcFrames, AddressReply };

struct DeviceSession::Route {
    LinkOperation operation;
    Intake intake;
    void (DeviceSession::*onFrame)(ByteView frame, Effects& effects);
    // A single request with at most one reply: the no-answer note applies.
    bool singleReply;
};

const DeviceSession::Route& DeviceSession::routeOf(LinkOperation operation) {
    // The dispatch table of the link. The firmware upgrade's handler and the terminal and wizard sends
    // join here; an operation without a handler ignores the frames it assembles.
    static constexpr Route kRoutes[] = {
        {LinkOperation::Idle, Intake::Terminal, nullptr, false},
        {LinkOperation::ReadAll, Intake::CrcFrames, &DeviceSession::onReadAllFrame, false},
        {LinkOperation::WriteAll, Intake::CrcFrames, &DeviceSession::onWriteAllFrame, false},
        {LinkOperation::ReadClock, Intake::CrcFrames, &DeviceSession::onReadClockFrame, true},
        {LinkOperation::LearnRadio, Intake::CrcFrames, &DeviceSession::onLearnFrame, true},
        {LinkOperation::Encrypt, Intake::CrcFrames, &DeviceSession::onPasswordFrame, true},
        {LinkOperation::Decrypt, Intake::CrcFrames, &DeviceSession::onPasswordFrame, true},
        {LinkOperation::LearnUniversalIr, Intake::CrcFrames, &DeviceSession::onLearnFrame, true},
        {LinkOperation::ReadAddress, Intake::AddressReply, &DeviceSession::onAddressFrame, true},
        {LinkOperation::HardwareInfo, Intake::CrcFrames, &DeviceSession::onHardwareInfoFrame, true},
        {LinkOperation::WizardSend, Intake::CrcFrames, &DeviceSession::onWizardFrame, false},
        {LinkOperation::DebugTerminal, Intake::Terminal, nullptr, false},
        {LinkOperation::HardwareInfo2, Intake::CrcFrames, &DeviceSession::onHardwareInfo2Frame, true},
        {LinkOperation::FirmwareUpgrade, Intake::CrcFrames, &DeviceSession::onFirmwareFrame, false},
        {LinkOperation::RelayTestPanel, Intake::AddressReply, &DeviceSession::onRelayPanelFrame, false},
    };
    const auto found = std::ranges::find(kRoutes, operation, &Route::operation);
    return found != std::end(kRoutes) ? *found : kRoutes[0];
}

DeviceSession::DeviceSession(DeviceSessionConfig config)
    : config_(std::move(config)),
      preamble_(attentionPreamble(config_.preambleIdentification)),
      moduleAddress_(config_.moduleAddress) {}

const Bytes& DeviceSession::learnedCode(RemoteCodeKind kind) const {
    return learned_[learnedSlot(kind)];
}

void DeviceSession::sendFrame(Bytes frame, Effects& effects) {
    if (preambleArmed_) {
        preambleArmed_ = false;
        frame.insert(0, preamble_);
    }
    effects.push_back(SendBytes{std::move(frame)});
}

void DeviceSession::sendRequest(Bytes frame, bool armPreamble, Effects& effects) {
    if (armPreamble) preambleArmed_ = true;
    assembler_.requestSent();
    sendFrame(std::move(frame), effects);
}

void DeviceSession::begin(LinkOperation operation, Effects& effects) {
    if (operation_ != LinkOperation::Idle && operation_ != LinkOperation::DebugTerminal) {
        effects.emplace_back(std::in_place_type<OperationEnded>, OperationEnded{operation_, Outcome::Replaced});
    }
    clearWrite();
    upgrade_ = UpgradeState{};
    readBuffer_.clear();
    readSilenceTicks_ = 0;
    noAnswerTicks_ = routeOf(operation).singleReply ? kNoAnswerTicks : 0;
    operation_ = operation;
}

void DeviceSession::end(Outcome outcome, Effects& effects) {
    effects.emplace_back(std::in_place_type<OperationEnded>, OperationEnded{operation_, outcome});
    operation_ = LinkOperation::Idle;
    noAnswerTicks_ = 0;
}

void DeviceSession::setProgress(std::uint32_t range, std::uint32_t position, Effects& effects) {
    progress_ = Progress{range, position};
    effects.emplace_back(std::in_place_type<Progress>, progress_);
}

Effects DeviceSession::startSingleReply(LinkOperation operation, Bytes request) {
    Effects effects;
    begin(operation, effects);
    sendRequest(std::move(request), true, effects);
    return effects;
}

Effects DeviceSession::receive(ByteView bytes) {
    Effects effects;
    for (char c : bytes) {
        const auto byte = static_cast<std::uint8_t>(c);
        byteReceived_ = true;
        const Route& route = routeOf(operation_);
        if (route.intake == Intake::Terminal) {
            if (effects.empty() || !std::holds_alternative<TerminalBytes>(effects.back())) {
                effects.push_back(TerminalBytes{});
            }
            std::get<TerminalBytes>(effects.back()).bytes.push_back(c);
            continue;
        }
        const std::optional<ByteView> frame = route.intake == Intake::AddressReply
                                                  ? assembler_.pushAddress(byte)
                                                  : assembler_.pushCrc(byte, moduleAddress_);
        if (frame && route.onFrame) (this->*route.onFrame)(*frame, effects);
    }
    return effects;
}

Effects DeviceSession::tick() {
    Effects effects;
    tickWrite(effects);
    tickRead(effects);
    tickNoAnswer(effects);
    tickFirmware(effects);
    return effects;
}

void DeviceSession::tickNoAnswer(Effects& effects) {
    if (noAnswerTicks_ == 0 || !routeOf(operation_).singleReply) return;
    if (--noAnswerTicks_ == 0) effects.push_back(ShowNote{noAnswerText(moduleAddress_)});
}

}  // namespace lumio
