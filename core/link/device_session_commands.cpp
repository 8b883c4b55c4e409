// The single-shot device commands: clock, lock and unlock, module address, the two hardware reports and
// remote learning. Each is one request and at most one reply.
#include "core/link/device_session.h"
#include "core/edition_profile.h"
#include "core/link/classic_reports.h"
#include "core/link/hardware_reports.h"
#include "core/link/link_texts.h"

namespace lumio {

Effects DeviceSession::setClock(const std::tm& localTime) {
    Effects effects;
    const Bytes payload = clockPayload(localTime);
    // The box shows the time before it is sent; the board's acknowledgement is not awaited.
    effects.push_back(ShowMessage{clockText(payload), {}});
    sendRequest(writeRequest(moduleAddress_, reg::kClock, payload), true, effects);
    return effects;
}

Effects DeviceSession::readClock() {
    return startSingleReply(LinkOperation::ReadClock, readRequest(moduleAddress_, reg::kClock));
}

void DeviceSession::onReadClockFrame(ByteView frame, Effects& effects) {
    const CrcReply reply{frame};
    if (reply.code() != kReadCode || reply.length() != 7) return;
    effects.push_back(ShowMessage{clockText(reply.data()), {}});
    end(Outcome::Completed, effects);
}

Effects DeviceSession::encrypt(ByteView password) {
    return sendPassword(LinkOperation::Encrypt, reg::kEncrypt, password);
}

Effects DeviceSession::decrypt(ByteView password) {
    return sendPassword(LinkOperation::Decrypt, reg::kDecrypt, password);
}

Effects DeviceSession::sendPassword(LinkOperation operation, std::uint16_t registerNumber, ByteView password) {
    Effects effects;
    if (password.empty()) return effects;
    // Refused rather than sent as an empty request the board would take for a password.
    if (password.size() > kPasswordLimit) {
        effects.push_back(ShowMessage{passwordTooLongText(), caption::notice()});
        return effects;
    }
    return startSingleReply(operation, writeRequest(moduleAddress_, registerNumber, password));
}

void DeviceSession::onPasswordFrame(ByteView frame, Effects& effects) {
    const CrcReply reply{frame};
    if (reply.code() == kWriteCode) {
        if (auto text = passwordResultText(reply.at(3))) effects.push_back(ShowMessage{*text, caption::warning()});
    }
    end(Outcome::Completed, effects);
}

Effects DeviceSession::readAddress() {
    Effects effects;
    begin(LinkOperation::ReadAddress, effects);
    sendRequest(frame55(kEveryModule, kReadAddressCode, 0), false, effects);
    return effects;
}

void DeviceSession::onAddressFrame(ByteView frame, Effects& effects) {
    effects.push_back(ShowMessage{addressText(byteAt(frame, 1)), caption::addressRead()});
    end(Outcome::Completed, effects);
}

Effects DeviceSession::writeAddress() {
    Effects effects;
    sendRequest(frame55(kEveryModule, kWriteAddressCode, moduleAddress_), false, effects);
    return effects;
}

Effects DeviceSession::hardwareInfo() {
    return startSingleReply(LinkOperation::HardwareInfo, readRequest(moduleAddress_, reg::kHardwareInfo));
}

Effects DeviceSession::networkInfo() {
    return startSingleReply(LinkOperation::HardwareInfo, readRequest(moduleAddress_, kNetworkInfoRegister));
}

Effects DeviceSession::identification() {
    return startSingleReply(LinkOperation::HardwareInfo, readRequest(moduleAddress_, kIdentificationRegister));
}

namespace {

// The report of a hardware-information reply. An edition with the network reports lets the reply's first
// data byte choose; any other type byte is read as the hardware report, which is what register 20 asks for.
std::string hardwareReplyReport(Edition edition, ByteView frame) {
    if (editionProfile(edition).hasNetworkReports) {
        switch (classicReportKind(frame)) {
            case ClassicReport::Network: return networkReport(frame);
            case ClassicReport::Identification: return identificationReport(frame);
            case ClassicReport::Hardware:
            case ClassicReport::None: break;
        }
    }
    return hardwareInfoReport(frame);
}

}  // namespace

void DeviceSession::onHardwareInfoFrame(ByteView frame, Effects& effects) {
    if (CrcReply{frame}.code() != kReadCode) return;
    effects.push_back(OpenReport{ReportMode::HardwareInfo, Bytes(frame), hardwareReplyReport(config_.edition, frame)});
    end(Outcome::Completed, effects);
}

Effects DeviceSession::hardwareInfo2() {
    return startSingleReply(LinkOperation::HardwareInfo2, readRequest(moduleAddress_, reg::kHardwareInfo2));
}

void DeviceSession::onHardwareInfo2Frame(ByteView frame, Effects& effects) {
    effects.push_back(OpenReport{ReportMode::HardwareInfo2, Bytes(frame), hardwareInfo2Report(frame)});
    end(Outcome::Completed, effects);
}

Effects DeviceSession::learnRemote(RemoteCodeKind kind) {
    const bool radio = kind == RemoteCodeKind::Radio;
    return startSingleReply(radio ? LinkOperation::LearnRadio : LinkOperation::LearnUniversalIr,
                            readRequest(moduleAddress_, radio ? reg::kLearnRadio : reg::kLearnUniversalIr));
}

void DeviceSession::onLearnFrame(ByteView frame, Effects& effects) {
    const CrcReply reply{frame};
    const RemoteCodeKind kind =
        operation_ == LinkOperation::LearnRadio ? RemoteCodeKind::Radio : RemoteCodeKind::UniversalIr;
    if (reply.code() == kReadCode) {
        Bytes code(reply.data());
        learned_[learnedSlot(kind)] = code;
        effects.push_back(ShowMessage{learnedCodeText(kind, code), caption::warning()});
        effects.push_back(CodeLearned{kind, std::move(code)});
    }
    end(Outcome::Completed, effects);
}

void DeviceSession::onWizardFrame(ByteView, Effects& effects) { end(Outcome::Completed, effects); }

}  // namespace lumio
