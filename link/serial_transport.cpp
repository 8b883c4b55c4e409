#include "link/serial_transport.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <cstdio>

namespace lumio {
namespace {

constexpr int kDrainMilliseconds = 2000;

// Diagnostics of the serial port: single lines, flushed at once, never shown on screen.
void diagnostic(std::FILE* stream, const QString& line) {
    std::fprintf(stream, "%s\n", line.toUtf8().constData());
    std::fflush(stream);
}

}  // namespace

SerialTransport::SerialTransport(QObject* parent) : Transport(parent), port_(this) {
    connect(&port_, &QSerialPort::readyRead, this, &SerialTransport::onReadyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialTransport::onError);
}

SerialTransport::~SerialTransport() {
    port_.disconnect(this);
    if (port_.isOpen()) port_.close();
}

bool SerialTransport::open(const QString& portName, std::uint32_t baud) {
    if (port_.isOpen()) return true;
    losing_ = false;
    port_.setPortName(portName);
    port_.setBaudRate(static_cast<qint32>(baud));
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite)) {
        diagnostic(stderr, QStringLiteral("无法打开串口 %1").arg(portName));
        return false;
    }
    port_.clear(QSerialPort::AllDirections);
    return true;
}

bool SerialTransport::isOpen() const { return port_.isOpen() && !losing_; }

bool SerialTransport::write(const QByteArray& bytes) {
    if (!isOpen()) return false;
    const qint64 written = port_.write(bytes);
    if (written != bytes.size()) {
        diagnostic(stderr, QStringLiteral("写入串口失败，错误码：%1").arg(static_cast<int>(port_.error())));
        reportCall(ClassicPortCall::Write);
        return false;
    }
    return true;
}

void SerialTransport::close() {
    losing_ = false;
    if (port_.isOpen()) port_.close();
}

void SerialTransport::onReadyRead() {
    if (losing_) return;
    const QByteArray bytes = port_.readAll();
    if (!bytes.isEmpty()) emit received(bytes);
}

std::optional<ClassicPortCall> classicPortCallOf(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::UnsupportedOperationError: return ClassicPortCall::SetState;
    case QSerialPort::ReadError: return ClassicPortCall::Read;
    case QSerialPort::WriteError: return ClassicPortCall::WriteResult;
    case QSerialPort::ResourceError: return ClassicPortCall::WaitEvent;
    default: return std::nullopt;
    }
}

void SerialTransport::reportCall(ClassicPortCall call) {
    // A message box opened inside the port's own notification would run the event loop there.
    QMetaObject::invokeMethod(this, [this, call, text = port_.errorString()] { emit callFailed(call, text); },
                              Qt::QueuedConnection);
}

void SerialTransport::onError(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::ReadError:
    case QSerialPort::ResourceError:
    case QSerialPort::WriteError:
        break;
    case QSerialPort::UnsupportedOperationError:
        // Line settings the device refused, while opening or later; the port is not lost by it.
        reportCall(ClassicPortCall::SetState);
        return;
    default:
        return;
    }
    if (losing_ || !port_.isOpen()) return;
    diagnostic(stderr, QStringLiteral("读取串口失败，错误码：%1").arg(static_cast<int>(error)));
    if (const auto call = classicPortCallOf(error)) reportCall(*call);
    // Closing inside the port's own notification is not safe; the flag silences the flood until the
    // queued close runs.
    losing_ = true;
    QMetaObject::invokeMethod(this, [this, reason = port_.errorString()] { dropLostPort(reason); },
                              Qt::QueuedConnection);
}

void SerialTransport::dropLostPort(const QString& reason) {
    if (!losing_) return;  // closed by the user meanwhile
    port_.close();
    losing_ = false;
    emit lost(reason);
}

bool SerialTransport::changeBaud(std::uint32_t baud) {
    if (!isOpen()) {
        diagnostic(stderr, QStringLiteral("串口未打开，无法设置波特率"));
        return false;
    }
    diagnostic(stdout, QStringLiteral("等待缓冲区数据发送完毕..."));
    QElapsedTimer waited;
    waited.start();
    while (port_.bytesToWrite() > 0) {
        const qint64 left = kDrainMilliseconds - waited.elapsed();
        if (left <= 0 || !port_.waitForBytesWritten(static_cast<int>(left))) break;
    }
    if (port_.bytesToWrite() > 0) {
        diagnostic(stderr, QStringLiteral("等待数据发送超时，仍有 %1 字节未发送").arg(port_.bytesToWrite()));
        return false;
    }
    // The queue of the port object is empty; the driver's own buffer goes out before the rate changes.
    port_.flush();
    diagnostic(stdout, QStringLiteral("缓冲区数据已发送完毕，准备更改波特率..."));
    const qint32 oldBaud = port_.baudRate();
    if (!port_.setBaudRate(static_cast<qint32>(baud))) {
        diagnostic(stderr, QStringLiteral("设置波特率失败，错误码：%1").arg(static_cast<int>(port_.error())));
        return false;
    }
    port_.clear(QSerialPort::Input);
    diagnostic(stdout, QStringLiteral("波特率已从 %1 成功更改为 %2").arg(oldBaud).arg(baud));
    return true;
}

}  // namespace lumio
