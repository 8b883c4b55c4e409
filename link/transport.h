#pragma once
// Transport: one byte pipe to a board (a serial port or a TCP connection). Received bytes are handed on
// in the chunks they arrive in. A pipe that goes away under the editor (peer closed, adapter pulled out,
// pseudo-terminal closed) closes itself once and says so with lost(); it never retries on its own.
#include <QByteArray>
#include <QObject>
#include <QString>

namespace lumio {

class Transport : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual bool isOpen() const = 0;
    // Queues every byte for sending; false when the pipe is not open or refused them.
    virtual bool write(const QByteArray& bytes) = 0;
    // Closes the pipe at the user's request; lost() is not emitted.
    virtual void close() = 0;

signals:
    void received(const QByteArray& bytes);
    // The pipe went away by itself; it is already closed when this is emitted. `reason` is for logs.
    void lost(const QString& reason);
};

}  // namespace lumio
