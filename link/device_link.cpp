#include "link/device_link.h"

#include <variant>

#include "core/edition_profile.h"
#include "core/link/link_texts.h"
#include "core/link/write_verify.h"
#include "core/settings/baud_codes.h"
#include "core/text/gbk.h"
#include "link/serial_transport.h"
#include "link/tcp_transport.h"

namespace lumio {
namespace {

QString fromGbkText(ByteView gbk) { return QString::fromStdString(toUtf8(gbk)); }
QByteArray toByteArray(ByteView bytes) { return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())); }

bool isPending(LinkOperation operation) {
    return operation != LinkOperation::Idle && operation != LinkOperation::DebugTerminal;
}

}  // namespace

DeviceLink::DeviceLink(DeviceSessionConfig config, QObject* parent)
    : QObject(parent),
      config_(std::move(config)),
      session_(std::make_unique<DeviceSession>(config_)),
      serial_(new SerialTransport(this)),
      tcp_(new TcpTransport(this)),
      tickTimer_(this) {
    connect(serial_, &Transport::received, this, &DeviceLink::onReceived);
    connect(tcp_, &Transport::received, this, &DeviceLink::onReceived);
    connect(serial_, &Transport::lost, this, &DeviceLink::onLost);
    connect(serial_, &SerialTransport::callFailed, this, &DeviceLink::onPortCallFailed);
    connect(tcp_, &Transport::lost, this, &DeviceLink::onLost);
    connect(tcp_, &TcpTransport::connected, this, [this] {
        emitState();
        emit networkConnected();
    });
    connect(tcp_, &TcpTransport::connectFailed, this, [this](const QString& reason) {
        emitState();
        emit connectFailed(reason);
    });
    connect(&tickTimer_, &QTimer::timeout, this, [this] { run(session_->tick()); });
    tickTimer_.start(kTickMilliseconds);
}

DeviceLink::~DeviceLink() = default;

void DeviceLink::setSettings(const LinkSettings& settings, const QString& serialPortName) {
    settings_ = settings;
    serialPortName_ = serialPortName;
    serialBaud_ = baudRateForCode(settings.baudCode);
}

void DeviceLink::setModuleAddress(std::uint8_t address) {
    config_.moduleAddress = address;
    session_->setModuleAddress(address);
}

LinkState DeviceLink::state() const {
    if (!isNetwork()) return serial_->isOpen() ? LinkState::SerialOpen : LinkState::SerialClosed;
    if (tcp_->isOpen()) return LinkState::NetworkConnected;
    return tcp_->isConnecting() ? LinkState::NetworkConnecting : LinkState::NetworkDisconnected;
}

bool DeviceLink::isSerialOpen() const { return serial_->isOpen(); }
bool DeviceLink::isNetworkConnected() const { return tcp_->isOpen(); }

void DeviceLink::emitState() { emit stateChanged(state()); }

void DeviceLink::toggle() {
    if (isNetwork()) {
        if (tcp_->isOpen() || tcp_->isConnecting()) {
            disconnectNetwork();
        } else {
            connectNetwork();
        }
    } else if (serial_->isOpen()) {
        closeSerial();
    } else {
        openSerial();
    }
}

bool DeviceLink::openSerial() {
    if (serial_->isOpen()) return true;
    const bool opened = serial_->open(serialPortName_, serialBaud_);
    emitState();
    return opened;
}

void DeviceLink::closeSerial() {
    serial_->close();
    emitState();
}

void DeviceLink::connectNetwork() {
    tcp_->connectTo(QString::fromStdString(toUtf8(settings_.ipText)), static_cast<std::uint16_t>(settings_.tcpPort));
    emitState();
}

void DeviceLink::disconnectNetwork() {
    tcp_->close();
    emitState();
}

void DeviceLink::closeAll() {
    serial_->close();
    tcp_->close();
    emitState();
}

bool DeviceLink::changeBaud(std::uint32_t baud) { return serial_->changeBaud(baud); }

void DeviceLink::send(const Bytes& bytes) {
    if (isNetwork()) {
        tcp_->write(toByteArray(bytes));  // a dead connection drops them; the session's clock resends
        return;
    }
    if (!serial_->isOpen() && !openSerial()) return;
    serial_->write(toByteArray(bytes));
}

void DeviceLink::onReceived(const QByteArray& bytes) {
    run(session_->receive(ByteView(bytes.constData(), static_cast<size_t>(bytes.size()))));
}

void DeviceLink::onLost(const QString& reason) {
    const LinkOperation pending = session_->operation();
    emitState();
    emit linkLost(reason);
    if (!isPending(pending)) return;
    // A fresh session: the abandoned operation must not resend or time out into a closed pipe.
    session_ = std::make_unique<DeviceSession>(config_);
    verify_ = Verify::Off;
    emit progressChanged(session_->progress().range, 0);
    emit messageShown(linkLostText(), fromGbkText(caption::notice()));
    emit operationEnded(pending, Outcome::Failed);
}

void DeviceLink::onPortCallFailed(ClassicPortCall call, const QString& systemText) {
    if (!editionProfile(config_.edition).showsPortErrors) return;
    const UserMessage message = classicPortErrorMessage(call, toGbk(systemText.toStdString()), settings_.comIndex + 1);
    emit messageShown(fromGbkText(message.text), fromGbkText(message.caption));
}

void DeviceLink::run(const Effects& effects) {
    const bool verifying = verify_ == Verify::Reading;
    for (const Effect& effect : effects) {
        if (const auto* sendBytes = std::get_if<SendBytes>(&effect)) {
            send(sendBytes->bytes);
        } else if (const auto* message = std::get_if<ShowMessage>(&effect)) {
            // The read-back of a verified write speaks only through verified().
            if (!verifying) emit messageShown(fromGbkText(message->text), fromGbkText(message->caption));
        } else if (const auto* note = std::get_if<ShowNote>(&effect)) {
            emit noteShown(fromGbkText(note->text));
        } else if (const auto* progress = std::get_if<Progress>(&effect)) {
            emit progressChanged(progress->range, progress->position);
        } else if (const auto* image = std::get_if<ImageRead>(&effect)) {
            if (verifying) {
                finishVerify(&image->image);
            } else {
                emit imageRead(toByteArray(image->image));
            }
        } else if (const auto* report = std::get_if<OpenReport>(&effect)) {
            emit reportOpened(static_cast<int>(report->mode), toByteArray(report->frame), fromGbkText(report->text));
        } else if (const auto* learned = std::get_if<CodeLearned>(&effect)) {
            learned_[learned->kind == RemoteCodeKind::Radio ? 0 : 1] = learned->code;
            emit codeLearned(learned->kind, toByteArray(learned->code));
        } else if (const auto* terminal = std::get_if<TerminalBytes>(&effect)) {
            emit terminalBytes(toByteArray(terminal->bytes));
        } else if (const auto* relay = std::get_if<RelayFrame>(&effect)) {
            emit relayFrame(toByteArray(relay->frame));
        } else if (const auto* change = std::get_if<ChangeBaud>(&effect)) {
            changeBaudLater(change->baud, change->delayMilliseconds);
        } else if (const auto* confirm = std::get_if<ConfirmFirmware>(&effect)) {
            emit firmwareConfirmationAsked(fromGbkText(confirm->chipName), fromGbkText(confirm->source), confirm->size);
        } else if (const auto* ended = std::get_if<OperationEnded>(&effect)) {
            emit operationEnded(ended->operation, ended->outcome);
            if (ended->operation == LinkOperation::WriteAll && verify_ == Verify::AfterWrite) {
                if (ended->outcome == Outcome::Completed) {
                    startVerify();
                } else {
                    verify_ = Verify::Off;
                }
            } else if (ended->operation == LinkOperation::ReadAll && verify_ == Verify::Reading) {
                finishVerify(nullptr);  // ended without an image (a completed one was compared already)
            }
        }
    }
}

void DeviceLink::startVerify() {
    verify_ = Verify::Reading;
    run(session_->readAll());
}

void DeviceLink::finishVerify(const Bytes* readBack) {
    if (verify_ != Verify::Reading) return;
    verify_ = Verify::Off;
    if (readBack == nullptr) {
        emit verified(false, -1, fromGbkText(verifyReadFailedText()));
        return;
    }
    const auto difference = firstDifference(verifyImage_, *readBack);
    if (difference) {
        emit verified(false, static_cast<qint64>(*difference), fromGbkText(verifyMismatchText(*difference)));
    } else {
        emit verified(true, -1, fromGbkText(verifyOkText(verifyImage_.size())));
    }
}

void DeviceLink::readAll() {
    verify_ = Verify::Off;
    run(session_->readAll());
}

void DeviceLink::writeAll(const Bytes& image, bool verify) {
    verify_ = verify ? Verify::AfterWrite : Verify::Off;
    verifyImage_ = verify ? image : Bytes{};
    run(session_->writeAll(image));
    if (session_->operation() != LinkOperation::WriteAll && verify_ == Verify::AfterWrite) verify_ = Verify::Off;
}

void DeviceLink::setClock(const std::tm& localTime) { run(session_->setClock(localTime)); }
void DeviceLink::readClock() { run(session_->readClock()); }
void DeviceLink::encrypt(const Bytes& password) { run(session_->encrypt(password)); }
void DeviceLink::decrypt(const Bytes& password) { run(session_->decrypt(password)); }
void DeviceLink::readAddress() { run(session_->readAddress()); }
void DeviceLink::writeAddress() { run(session_->writeAddress()); }
void DeviceLink::hardwareInfo() { run(session_->hardwareInfo()); }
void DeviceLink::hardwareInfo2() { run(session_->hardwareInfo2()); }
void DeviceLink::networkInfo() { run(session_->networkInfo()); }
void DeviceLink::identification() { run(session_->identification()); }
void DeviceLink::learnRemote(RemoteCodeKind kind) { run(session_->learnRemote(kind)); }

}  // namespace lumio
