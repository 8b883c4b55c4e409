#pragma once
// The link settings the editor remembers between runs, and the rules of the settings file
// zt_lumio.ini (section "canshu_v2") that holds them:
//
//   key          stored as         when missing or empty   held as
//   com_or_tcp   decimal "%u"      0                       low byte: 0 serial link, non-zero network
//   com_num      decimal "%u"      0                       low byte: serial port number - 1 (0 = COM1)
//   btl_num      decimal "%u"      5                       low byte: baud-rate code
//   socket_port  decimal "%u"      6000                    32 bits: TCP port of the board
//   ip           text (<= 499 B)   "192.168.1.110"         TCP address of the board
//   com_device   text (<= 499 B)   empty                   serial device path where ports are not numbered
//
// The keys are written in this order, all together, and only when the settings dialog is confirmed with
// a change. com_device is this editor's own addition for systems whose serial ports are device paths
// (Linux: USB adapters, /dev/ttyS*, pseudo-terminals). It is written only there; readers that do not
// know it ignore it, and com_num keeps its meaning beside it (see serial_ports.h).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/bytes.h"

namespace lumio {

inline constexpr std::string_view kSettingsFileName = "zt_lumio.ini";
inline constexpr std::string_view kSettingsSection = "canshu_v2";
inline constexpr size_t kSettingsTextLimit = 499;

inline constexpr std::string_view kLinkModeKey = "com_or_tcp";
inline constexpr std::string_view kComIndexKey = "com_num";
inline constexpr std::string_view kBaudCodeKey = "btl_num";
inline constexpr std::string_view kTcpPortKey = "socket_port";
inline constexpr std::string_view kIpKey = "ip";
inline constexpr std::string_view kSerialDeviceKey = "com_device";

inline constexpr std::uint32_t kDefaultLinkMode = 0;
inline constexpr std::uint32_t kDefaultComIndex = 0;
inline constexpr std::uint32_t kDefaultBaudCode = 5;
inline constexpr std::uint32_t kDefaultTcpPort = 6000;
inline constexpr std::string_view kDefaultIp = "192.168.1.110";

// How the platform names its serial ports: numbered COM ports, or device paths.
enum class PortNaming { Numbered, DevicePaths };

// The values the settings dialog shows and confirms. The two auto-open flags live for the current run
// only and are never written.
struct LinkSettings {
    std::uint8_t mode = kDefaultLinkMode;  // 0 serial link, non-zero network link
    std::uint8_t comIndex = kDefaultComIndex;
    std::uint8_t baudCode = kDefaultBaudCode;
    std::uint32_t tcpPort = kDefaultTcpPort;
    std::string ipText{kDefaultIp};
    std::string serialDevice;  // empty: the port follows comIndex
    bool autoOpenPort = false;
    bool autoOpenFile = false;

    bool isNetwork() const { return mode != 0; }
    friend bool operator==(const LinkSettings&, const LinkSettings&) = default;
};

// Reads the settings from the text of the settings file (empty when there is no file).
LinkSettings readLinkSettings(ByteView profile);

struct SettingsWrite {
    std::string_view key;
    std::string value;
    friend bool operator==(const SettingsWrite&, const SettingsWrite&) = default;
};

// What confirming the settings dialog writes: nothing when `edited` equals `current`, otherwise every
// key in file order. An empty address is written as the default address (the settings keep it empty).
std::vector<SettingsWrite> settingsWritesOnConfirm(const LinkSettings& current, const LinkSettings& edited,
                                                   PortNaming naming);

// The settings file text after the writes.
Bytes applySettingsWrites(ByteView profile, const std::vector<SettingsWrite>& writes);

}  // namespace lumio
