#include "core/link/relay_panel_status.h"

namespace lumio {
namespace {

constexpr size_t kFrameSize = 8;
constexpr std::uint8_t kStatusMarker = 0x22;
constexpr std::uint8_t kReadAddressCode = 0x40;
constexpr std::uint8_t kFirstChannelCode = 0x10;
constexpr std::uint8_t kLastChannelCode = 0x2F;

bool sumMatches(ByteView frame) {
    unsigned sum = 0;
    for (size_t k = 0; k + 1 < kFrameSize; ++k) sum += byteAt(frame, k);
    return (sum & 0xFF) == byteAt(frame, kFrameSize - 1);
}

}  // namespace

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
