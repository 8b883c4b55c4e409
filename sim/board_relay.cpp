#include "sim/board_relay.h"

#include <cstdio>

#include "sim/board_checks.h"

namespace lumio::sim {

Bytes relayStatusFrame(std::uint8_t address, std::uint8_t code, std::uint32_t states)
{
    Bytes frame{kAddressReplyStart, address, code};
    appendBigEndian32(frame, states);
    frame.push_back(byteSum(frame));
    return frame;
}

std::uint32_t RelayBoard::channelMask() const
{
    return channels_ >= kRelayChannelLimit ? UINT32_MAX : (std::uint32_t{1} << channels_) - 1;
}

std::uint32_t RelayBoard::channelBit(std::uint32_t channel) const
{
    return channel >= 1 && channel <= static_cast<std::uint32_t>(channels_) ? std::uint32_t{1} << (channel - 1) : 0;
}

bool RelayBoard::handle(const Request& request, std::vector<Bytes>& replies)
{
    if (request.kind != RequestKind::Command55 || request.code == kWriteAddressCode)
        return false;
    note_.clear();
    // A relay board answers the address question with its channel states beside the address.
    if (request.code == kReadAddressCode) {
        if (request.address != kEveryModule && request.address != board_.address())
            return false;
        replies.push_back(relayStatusFrame(board_.address(), kReadAddressCode, states_));
        note_ = "relay: address read";
        return true;
    }
    if (request.address != board_.address()) {
        note_ = "relay: for another module";
        return true;
    }
    states_ &= ~jogged_;
    jogged_ = 0;
    const std::uint32_t value = request.value;
    const std::uint32_t mask = value & channelMask();
    const std::uint32_t channel = channelBit(value & 0xFF);
    // The run commands: first channel, interval mantissa, interval exponent, last channel.
    std::uint32_t run = 0;
    for (std::uint32_t k = value >> 24; k <= (value & 0xFF) && k <= 32; ++k)
        run |= channelBit(k);
    bool reply = true;
    switch (request.code) {
    case 0x10: break;
    case 0x32: reply = false; [[fallthrough]];
    case 0x12: states_ |= channel; break;
    case 0x31: reply = false; [[fallthrough]];
    case 0x11: states_ &= ~channel; break;
    case 0x30: reply = false; [[fallthrough]];
    case 0x20: states_ ^= channel; break;
    case 0x37: reply = false; [[fallthrough]];
    case 0x21: states_ |= channel; jogged_ = channel; break;
    case 0x33: reply = false; [[fallthrough]];
    case 0x13: states_ = mask; break;
    case 0x35: reply = false; [[fallthrough]];
    case 0x15: states_ |= mask; break;
    case 0x34: reply = false; [[fallthrough]];
    case 0x14: states_ &= ~mask; break;
    case 0x36: reply = false; [[fallthrough]];
    case 0x16: states_ ^= mask; break;
    case 0x39: reply = false; [[fallthrough]];
    case 0x17: states_ &= ~run; break;
    case 0x3A: reply = false; [[fallthrough]];
    case 0x18: states_ |= run; break;
    default:
        note_ = "relay: unknown command, no reply";
        return true;
    }
    if (reply)
        replies.push_back(relayStatusFrame(board_.address(), request.code, states_));
    char text[80];
    std::snprintf(text, sizeof text, "relay: command %02X, channels now %08X%s", request.code, states_,
                  reply ? "" : " (no reply asked)");
    note_ = text;
    return true;
}

}  // namespace lumio::sim
