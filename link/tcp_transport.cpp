#include "link/tcp_transport.h"

namespace lumio {

TcpTransport::TcpTransport(QObject* parent) : Transport(parent), socket_(this), connectTimer_(this) {
    connectTimer_.setSingleShot(true);
    connect(&connectTimer_, &QTimer::timeout, this,
            [this] { failConnect(QStringLiteral("no answer within %1 ms").arg(connectTimer_.interval())); });
    connect(&socket_, &QTcpSocket::connected, this, [this] {
        connectTimer_.stop();
        connecting_ = false;
        up_ = true;
        socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        emit connected();
    });
    connect(&socket_, &QTcpSocket::readyRead, this, [this] {
        const QByteArray bytes = socket_.readAll();
        if (!bytes.isEmpty()) emit received(bytes);
    });
    connect(&socket_, &QTcpSocket::errorOccurred, this, &TcpTransport::onError);
    connect(&socket_, &QTcpSocket::disconnected, this, &TcpTransport::onDisconnected);
}

void TcpTransport::connectTo(const QString& host, std::uint16_t port, int timeoutMilliseconds) {
    close();
    connecting_ = true;
    connectTimer_.start(timeoutMilliseconds);
    socket_.connectToHost(host, port);
}

bool TcpTransport::isOpen() const { return up_; }

bool TcpTransport::write(const QByteArray& bytes) {
    if (!up_) return false;
    return socket_.write(bytes) == bytes.size();
}

void TcpTransport::close() {
    connectTimer_.stop();
    connecting_ = false;
    up_ = false;
    socket_.abort();
}

void TcpTransport::failConnect(const QString& reason) {
    if (!connecting_) return;
    connecting_ = false;
    connectTimer_.stop();
    socket_.abort();
    emit connectFailed(reason);
}

void TcpTransport::onError(QAbstractSocket::SocketError) {
    if (connecting_) {
        failConnect(socket_.errorString());
        return;
    }
    onDisconnected();
}

void TcpTransport::onDisconnected() {
    if (!up_) return;
    up_ = false;
    const QString reason = socket_.errorString();
    socket_.abort();
    emit lost(reason);
}

}  // namespace lumio
