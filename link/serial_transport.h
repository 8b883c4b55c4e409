#pragma once
// SerialTransport: a serial port (8 data bits, no parity, one stop bit, no flow control) opened by its
// system name ("COM3", "/dev/ttyUSB0", a simulator's pseudo-terminal).
//
// A port that fails under the editor is closed at the first read, resource or write error: Qt 6.4 reports
// a closed pseudo-terminal (and a pulled USB adapter) as an endless run of read errors on a port that
// stays "open", so waiting for a clean hang-up would spin the event loop for ever.
//
// callFailed() names the port call of the earlier serial driver that a failure stands for, for the
// editions that show it (see classicPortCallOf); it comes once per failure, after the notification that
// reported it has returned.
#include <QSerialPort>
#include <cstdint>
#include <optional>

#include "core/link/classic_port_error.h"
#include "link/transport.h"

namespace lumio {

class SerialTransport final : public Transport {
    Q_OBJECT
public:
    explicit SerialTransport(QObject* parent = nullptr);
    ~SerialTransport() override;

    // Opens the port at `baud`; true at once when it is already open. A failure writes the diagnostic
    // line "无法打开串口 <name>" to standard error.
    bool open(const QString& portName, std::uint32_t baud);
    bool isOpen() const override;
    bool write(const QByteArray& bytes) override;
    void close() override;
    QString portName() const { return port_.portName(); }

    // Waits until every queued byte has gone out (2000 ms at most), then changes the rate and discards
    // what was received meanwhile. Progress lines go to standard output, failures to standard error.
    bool changeBaud(std::uint32_t baud);

signals:
    void callFailed(lumio::ClassicPortCall call, const QString& systemText);

private:
    void reportCall(ClassicPortCall call);
    void onReadyRead();
    void onError(QSerialPort::SerialPortError error);
    void dropLostPort(const QString& reason);

    QSerialPort port_;
    bool losing_ = false;
};

// The earlier driver's call that a Qt port error stands for: applying line settings is SetCommState(),
// a failed read ReadFile(), an asynchronous write that did not complete GetOverlappedResults() in
// WriteFile(), a device gone from under the event wait WaitCommEvent(). Nothing for errors that name no
// call (no error, a port that cannot be found or opened, a time-out).
std::optional<ClassicPortCall> classicPortCallOf(QSerialPort::SerialPortError error);

}  // namespace lumio
