#pragma once
// The state of the link as the connect button shows it.
#include <QString>

namespace lumio {

enum class LinkState { SerialClosed, SerialOpen, NetworkDisconnected, NetworkConnecting, NetworkConnected };

// "串口未连接", "串口已打开", "网络已断开", "网络已连接". A connection being tried still reads
// "网络已断开" until it is up.
QString linkCaption(LinkState state);

// The message of a connection attempt that failed: "建立连接失败".
QString connectFailedText();

// A pending operation ended because the link went away under it.
QString linkLostText();

}  // namespace lumio
