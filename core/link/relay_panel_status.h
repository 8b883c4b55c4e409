#pragma once
// The relay test panel's reading of a relay board's 8-byte status frame:
//   22, address, code, state bits 31..24, 23..16, 15..8, 7..0, low 8 bits of the sum of bytes 0..6.
// Bit k - 1 set means channel k is closed.
#include <cstdint>
#include <optional>

#include "core/text/bytes.h"

namespace lumio {

inline constexpr int kRelayPanelChannels = 32;

struct RelayPanelReply {
    std::optional<unsigned> addressRead;          // code 0x40: the board's address, to show and select
    std::optional<std::uint32_t> channelStates;   // when the frame reports the channels
};

// What the panel does with a received frame while `selectedAddress` is chosen in its address list.
// Frames that are not 8 bytes, do not start with 0x22 or fail the sum give nothing. Code 0x40 (read
// address) always reports its address and the channel states; codes 0x10..0x2F report the channel
// states only when they come from the selected address.
RelayPanelReply readRelayPanelReply(ByteView frame, unsigned selectedAddress);

// The panel's buttons: the channel buttons 1..32 and the five others.
enum class RelayPanelButton { Channel, CloseAll, OpenAll, Query, ReadAddress, WriteAddress };

// One Frame55 command: 55 target code value(4, big-endian) sum.
struct RelayPanelCommand {
    std::uint8_t target = 0;
    std::uint8_t code = 0;
    std::uint32_t value = 0;
    friend bool operator==(const RelayPanelCommand&, const RelayPanelCommand&) = default;
};

// What a button sends with `selectedAddress` chosen: a channel button toggles its channel (with reply),
// 全闭合 / 全断开 set every channel, 查询 asks for the states; the address buttons go to every module.
// `channel` counts only for RelayPanelButton::Channel.
RelayPanelCommand relayPanelCommand(RelayPanelButton button, std::uint8_t selectedAddress, int channel = 0);

constexpr bool relayChannelClosed(std::uint32_t states, int channel) {
    return channel >= 1 && channel <= kRelayPanelChannels && (states >> (channel - 1) & 1u) != 0;
}

}  // namespace lumio
