#pragma once
// RelayBoard: a relay board of up to 32 channels that answers the 8-byte 0x55 commands
//   55 target code value(4, big-endian) sum
// Codes with a reply: 10 query, 12 close, 11 open, 20 toggle, 21 jog, 13 set all channels to a mask,
// 15 close a mask, 14 open a mask, 16 toggle a mask, 17 open a run of channels, 18 close a run; the codes
// without a reply are 32 31 30 37 33 35 34 36 39 3A. A command with a reply is answered by the status frame
//   22 address code s3 s2 s1 s0 sum
// (code: the command's; s: the channel states, bit k - 1 for channel k, 1 = closed). Reading the address
// (40) is answered the same way with code 40; writing it (41) is the board's own. A jog closes the channel for the time given; the simulator has no clock for it, so the
// channel opens again at the next command.
#include <cstdint>
#include <string>

#include "sim/board_model.h"

namespace lumio::sim {

inline constexpr int kRelayChannelLimit = 32;
inline constexpr std::uint8_t kReadAddressCode = 0x40;
inline constexpr std::uint8_t kWriteAddressCode = 0x41;

class RelayBoard final : public BoardExtension {
public:
    RelayBoard(const BoardModel& board, int channels) : board_(board), channels_(channels) {}

    bool handle(const Request& request, std::vector<Bytes>& replies) override;
    std::string note() const override { return note_; }

    std::uint32_t states() const { return states_; }
    int channels() const { return channels_; }

private:
    std::uint32_t channelMask() const;
    std::uint32_t channelBit(std::uint32_t channel) const;

    const BoardModel& board_;
    int channels_;
    std::uint32_t states_ = 0;
    std::uint32_t jogged_ = 0;
    std::string note_;
};

Bytes relayStatusFrame(std::uint8_t address, std::uint8_t code, std::uint32_t states);

}  // namespace lumio::sim
