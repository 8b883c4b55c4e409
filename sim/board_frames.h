#pragma once
// The frames a board exchanges with the editor, as the board sees them.
//
// Requests (CRC family: address, function letter, body, CRC low then high):
//   'g' read program   addr 67 p.hi p.lo 00 00 crc crc                       (p: 0 first block, 1 next)
//   'i' read register  addr 69 reg.hi reg.lo param.hi param.lo crc crc
//   'j' program block  addr 6A index.hi index.lo total.hi total.lo n data[n] crc crc
//   'l' write register addr 6C reg.hi reg.lo n.hi n.lo n data[n] crc crc
//   0x55 command       55 target code value(4, big-endian) sum                (sum: low 8 bits of bytes 0..6)
//   attention          FF 00 FF 00 AA 55, 13 identification characters, 00
// Replies:
//   'g', 'i'           addr code n data[n] crc crc
//   'j', 'l'           addr code four bytes crc crc
//   address            22 addr five bytes sum
#include <cstdint>
#include <optional>
#include <string>

#include "sim/sim_bytes.h"

namespace lumio::sim {

inline constexpr std::uint8_t kReadProgram = 0x67;
inline constexpr std::uint8_t kReadRegister = 0x69;
inline constexpr std::uint8_t kBlock = 0x6A;
inline constexpr std::uint8_t kWriteRegister = 0x6C;
inline constexpr std::uint8_t kCommand55 = 0x55;
inline constexpr std::uint8_t kAddressReplyStart = 0x22;
inline constexpr std::uint8_t kEveryModule = 0xF5;
inline constexpr std::size_t kAttentionLength = 20;

enum class RequestKind { ReadProgram, ReadRegister, Block, WriteRegister, Command55 };

// One request that passed its check. Fields not used by a kind stay 0.
struct Request {
    RequestKind kind = RequestKind::ReadProgram;
    std::uint8_t address = 0;     // CRC family: byte 0; 0x55 command: the target byte
    std::uint16_t first = 0;      // p, register or block index
    std::uint16_t second = 0;     // param, block total or write length
    std::uint8_t code = 0;        // 0x55 command: function code
    std::uint32_t value = 0;      // 0x55 command: value
    Bytes data;                   // 'j' and 'l': the n data bytes
    Bytes raw;                    // the whole frame as received
};

// Reply builders.
Bytes readProgramReply(std::uint8_t address, std::uint16_t index, std::uint16_t total, ByteView data);
Bytes refusalReply(std::uint8_t address);  // a 'g' reply without block: n = 0
Bytes registerReply(std::uint8_t address, ByteView data);
Bytes blockAcknowledgement(std::uint8_t address, std::uint16_t index, std::uint16_t total);
Bytes writeReply(std::uint8_t address, std::uint16_t registerNumber, std::uint8_t result);
Bytes addressReply(std::uint8_t address);

// What a frame on the line is, as far as fault schedules and the verbose log care.
struct FrameFacts {
    char code = '?';                             // function letter, 'U' for 0x55, 'A' for the address reply
    std::optional<std::uint16_t> blockIndex;     // blocks, acknowledgements and read-program replies
    bool acknowledgement = false;                // a 'j' reply of the board
};
// Facts about a frame the board sends.
FrameFacts replyFacts(ByteView frame);
// Facts about a frame the editor sends (the attention preamble in front is skipped).
FrameFacts requestFacts(ByteView frame);

std::string hexText(ByteView bytes);
std::string describeRequest(const Request& request);

}  // namespace lumio::sim
