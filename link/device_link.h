#pragma once
// DeviceLink: the link to one board. It owns the active transport (serial port or TCP connection), the
// core DeviceSession and the 100 ms clock that ticks it, carries out the session's effects in order and
// turns them into signals. The window and the command-line tool ask their confirmation questions first,
// then call the commands here; nothing here shows anything.
//
// Sending: in serial mode a closed port is opened first (the state then reads "串口已打开"); when it
// cannot be opened the bytes are dropped. In network mode the bytes go to the connection when it is up
// and are dropped otherwise. The attention preamble is already in front of a frame when it was armed,
// and preamble and frame always go out together, however long the frame.
//
// Losing the link (peer closed, adapter pulled out, pseudo-terminal closed) closes the transport at once,
// changes the state, and ends a pending operation with the message linkLostText() and
// operationEnded(operation, Failed); the session starts afresh so no later tick resends into nothing.
//
// Verify after write (this editor's addition): writeAll with verify reads the program back after
// "全部数据已写入！" and reports verified(ok, offset); the read-back's own messages are not shown.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <cstdint>
#include <ctime>
#include <memory>

#include "core/link/classic_port_error.h"
#include "core/link/device_session.h"
#include "core/settings/link_settings.h"
#include "link/link_captions.h"

namespace lumio {

class SerialTransport;
class TcpTransport;

inline constexpr int kTickMilliseconds = 100;

class DeviceLink final : public QObject {
    Q_OBJECT
public:
    explicit DeviceLink(DeviceSessionConfig config = {}, QObject* parent = nullptr);
    ~DeviceLink() override;

    // --- where to ---
    // The settings the link opens by: mode, serial port name, baud, TCP address and port. Changing them
    // does not move an open link.
    void setSettings(const LinkSettings& settings, const QString& serialPortName);
    // A rate outside the baud-code table (the command line takes any); the next open uses it.
    void setSerialBaud(std::uint32_t baud) { serialBaud_ = baud; }
    const LinkSettings& settings() const { return settings_; }
    QString serialPortName() const { return serialPortName_; }
    void setModuleAddress(std::uint8_t address);
    std::uint8_t moduleAddress() const { return session_->moduleAddress(); }

    // --- state ---
    LinkState state() const;
    QString caption() const { return linkCaption(state()); }
    bool isNetwork() const { return settings_.isNetwork(); }
    bool isSerialOpen() const;
    bool isNetworkConnected() const;
    bool isUp() const { return isNetwork() ? isNetworkConnected() : isSerialOpen(); }
    LinkOperation operation() const { return session_->operation(); }
    const Bytes& learnedCode(RemoteCodeKind kind) const { return learned_[kind == RemoteCodeKind::Radio ? 0 : 1]; }

    // --- opening and closing ---
    // The connect button: network mode connects or disconnects, serial mode opens or closes.
    void toggle();
    bool openSerial();
    void closeSerial();
    // Asynchronous: networkConnected() or connectFailed() follows.
    void connectNetwork();
    void disconnectNetwork();
    // Closes whichever pipe is open.
    void closeAll();
    // Serial only: waits for the output to drain, then changes the rate.
    bool changeBaud(std::uint32_t baud);

    // --- commands (the session's) ---
    void readAll();
    void writeAll(const Bytes& image, bool verify = false);
    void setClock(const std::tm& localTime);
    void readClock();
    void encrypt(const Bytes& password);
    void decrypt(const Bytes& password);
    void readAddress();
    void writeAddress();
    void hardwareInfo();
    void hardwareInfo2();
    // The classic edition's network and identification reports (registers 23 and 24).
    void networkInfo();
    void identification();
    void learnRemote(RemoteCodeKind kind);

    // --- firmware upgrade, debug terminal, command wizard (device_link_tools.cpp) ---
    // The caller asked firmwareQuestionText() first; firmwareConfirmationAsked() follows once the board
    // named its chip and the image was found, and the caller answers with confirmFirmware().
    void firmwareUpgrade(FirmwareRate rate, FirmwareCatalog catalog);
    void confirmFirmware(bool proceed);
    // The rate the port returns to after an upgrade: the configured one.
    std::uint32_t configuredBaud() const;
    void openTerminal();
    void closeTerminal();
    void sendTerminalBytes(const Bytes& bytes);
    void sendWizardBytes(const Bytes& bytes);
    // The classic relay test panel: its status frames arrive as relayFrame() while it is open.
    void openRelayPanel();
    void closeRelayPanel();
    void sendRelayCommand(std::uint8_t target, std::uint8_t code, std::uint32_t value);

signals:
    void stateChanged(lumio::LinkState state);
    void networkConnected();
    void connectFailed(const QString& reason);
    // The link went away by itself; `reason` is the system's text, for logs.
    void linkLost(const QString& reason);

    void messageShown(const QString& text, const QString& caption);
    void noteShown(const QString& text);
    void progressChanged(quint32 range, quint32 position);
    void imageRead(const QByteArray& image);
    void reportOpened(int mode, const QByteArray& frame, const QString& text);
    void codeLearned(lumio::RemoteCodeKind kind, const QByteArray& code);
    void terminalBytes(const QByteArray& bytes);
    void relayFrame(const QByteArray& frame);
    void operationEnded(lumio::LinkOperation operation, lumio::Outcome outcome);
    // After a verified write: ok, or the first differing offset (-1 when the read-back failed).
    void verified(bool ok, qint64 offset, const QString& text);
    // The firmware upgrade asks: send this image (size bytes, from source) to the board's chip?
    void firmwareConfirmationAsked(const QString& chipName, const QString& source, quint32 size);

private:
    void run(const Effects& effects);
    void send(const Bytes& bytes);
    void onReceived(const QByteArray& bytes);
    void onLost(const QString& reason);
    // The classic edition's "Application Error" box for a failed port call.
    void onPortCallFailed(ClassicPortCall call, const QString& systemText);
    void startVerify();
    void finishVerify(const Bytes* readBack);
    void emitState();
    void changeBaudLater(std::uint32_t baud, std::uint32_t delayMilliseconds);

    DeviceSessionConfig config_;
    std::unique_ptr<DeviceSession> session_;
    LinkSettings settings_;
    QString serialPortName_;
    std::uint32_t serialBaud_ = 9600;
    SerialTransport* serial_;
    TcpTransport* tcp_;
    QTimer tickTimer_;
    std::array<Bytes, 2> learned_;

    // Verify after write: the image sent, and whether the read-back of it is under way.
    enum class Verify { Off, AfterWrite, Reading };
    Verify verify_ = Verify::Off;
    Bytes verifyImage_;
};

}  // namespace lumio
