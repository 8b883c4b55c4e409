#pragma once
// TcpTransport: a TCP connection to a board's network interface. Connecting never blocks: the result
// comes later as connected() or connectFailed(), the latter at the latest after the time-out, so the
// window keeps running while a board that does not answer is tried.
#include <QTcpSocket>
#include <QTimer>
#include <cstdint>

#include "link/transport.h"

namespace lumio {

inline constexpr int kConnectTimeoutMilliseconds = 3000;

class TcpTransport final : public Transport {
    Q_OBJECT
public:
    explicit TcpTransport(QObject* parent = nullptr);

    // Starts connecting; a connection or attempt in progress is dropped first.
    void connectTo(const QString& host, std::uint16_t port, int timeoutMilliseconds = kConnectTimeoutMilliseconds);
    bool isConnecting() const { return connecting_; }
    bool isOpen() const override;
    bool write(const QByteArray& bytes) override;
    void close() override;

signals:
    void connected();
    void connectFailed(const QString& reason);

private:
    void failConnect(const QString& reason);
    void onError(QAbstractSocket::SocketError error);
    void onDisconnected();

    QTcpSocket socket_;
    QTimer connectTimer_;
    bool connecting_ = false;
    bool up_ = false;
};

}  // namespace lumio
