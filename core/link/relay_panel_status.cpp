#include "core/link/relay_panel_status.h"

#include "core/link/frames.h"

namespace lumio {
namespace {

constexpr size_t kFrameSize = 8;
constexpr std::uint8_t kStatusMarker = 0x22;
constexpr std::uint8_t kFirstChannelCode = 0x10;
constexpr std::uint8_t kLastChannelCode = 0x2F;
// The commands the panel sends (the address commands are those of frames.h).
constexpr std::uint8_t kToggleWithReply = 0x20;
constexpr std::uint8_t kSetAll = 0x13;
constexpr std::uint8_t kQuery = 0x10;

bool sumMatches(ByteView frame) {
    unsigned sum = 0;
    for (size_t k = 0; k + 1 < kFrameSize; ++k) sum += byteAt(frame, k);
    return (sum & 0xFF) == byteAt(frame, kFrameSize - 1);
}

}  // namespace

RelayPanelCommand relayPanelCommand(RelayPanelButton button, std::uint8_t selectedAddress, int channel) {
    switch (button) {
        case RelayPanelButton::Channel:
            return {selectedAddress, kToggleWithReply, static_cast<std::uint32_t>(channel)};
        case RelayPanelButton::CloseAll: return {selectedAddress, kSetAll, 0xFFFFFFFFu};
        case RelayPanelButton::OpenAll: return {selectedAddress, kSetAll, 0};
        case RelayPanelButton::Query: return {selectedAddress, kQuery, 0};
        case RelayPanelButton::ReadAddress: return {kEveryModule, kReadAddressCode, 0};
        case RelayPanelButton::WriteAddress: return {kEveryModule, kWriteAddressCode, selectedAddress};
    }
    return {};
}

RelayPanelReply readRelayPanelReply(ByteView frame, unsigned selectedAddress) {
    if (frame.size() != kFrameSize || byteAt(frame, 0) != kStatusMarker || !sumMatches(frame)) return {};
    const unsigned address = byteAt(frame, 1);
    const unsigned code = byteAt(frame, 2);
    RelayPanelReply reply;
    if (code == kReadAddressCode) reply.addressRead = address;
    const bool channelCode = code >= kFirstChannelCode && code <= kLastChannelCode && address == selectedAddress;
    if (code == kReadAddressCode || channelCode) reply.channelStates = readU32BigEndian(frame, 3);
    return reply;
}

}  // namespace lumio
