#include "link/link_captions.h"

namespace lumio {

QString linkCaption(LinkState state) {
    switch (state) {
    case LinkState::SerialClosed: return QStringLiteral("串口未连接");
    case LinkState::SerialOpen: return QStringLiteral("串口已打开");
    case LinkState::NetworkConnected: return QStringLiteral("网络已连接");
    case LinkState::NetworkDisconnected:
    case LinkState::NetworkConnecting: break;
    }
    return QStringLiteral("网络已断开");
}

QString connectFailedText() { return QStringLiteral("建立连接失败"); }

QString linkLostText() { return QStringLiteral("通信连接已断开，操作未完成！"); }

}  // namespace lumio
