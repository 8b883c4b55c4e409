#pragma once
// The frames exchanged with a board. Multi-byte numbers are big-endian; the CRC-16/MODBUS check that
// ends a CRC frame covers every byte before it and is stored low byte first.
//
// CRC requests (addr = module address):
//   'g' read program   addr 67 p.hi p.lo 00 00 crc.lo crc.hi                     8 bytes (p: 0 first, 1 next)
//   'i' read           addr 69 reg.hi reg.lo param.hi param.lo crc.lo crc.hi     8 bytes
//   'j' block          addr 6A index.hi index.lo total.hi total.lo n data crc    n + 9 bytes
//   'l' write          addr 6C reg.hi reg.lo n.hi n.lo n data crc                n + 9 bytes
// CRC replies:
//   'g', 'i'           addr code n data crc                                      n + 5 bytes
//   'j', 'l'           addr code four bytes crc                                  8 bytes
// Frame55 (8 bytes): 55 target code value(4, big-endian) sum8(bytes 0..6). Target F5 reaches every module.
// Address reply (8 bytes): 22 address five bytes sum8(bytes 0..6).
// AttentionPreamble (20 bytes): FF 00 FF 00 AA 55, a 13-character identification text, 00.
#include <array>
#include <cstdint>
#include <string_view>

#include "core/text/bytes.h"

namespace lumio {

inline constexpr std::uint8_t kReadProgramCode = 'g';
inline constexpr std::uint8_t kReadCode = 'i';
inline constexpr std::uint8_t kBlockCode = 'j';
inline constexpr std::uint8_t kWriteCode = 'l';
inline constexpr std::uint8_t kAddressReplyMarker = 0x22;
inline constexpr std::uint8_t kFrame55Marker = 0x55;
inline constexpr std::uint8_t kEveryModule = 0xF5;

// Registers of the board that the editor reads and writes.
namespace reg {
inline constexpr std::uint16_t kLearnRadio = 1;
inline constexpr std::uint16_t kLearnUniversalIr = 3;
inline constexpr std::uint16_t kEncrypt = 10;
inline constexpr std::uint16_t kDecrypt = 12;
inline constexpr std::uint16_t kHardwareInfo = 20;
inline constexpr std::uint16_t kClock = 21;
inline constexpr std::uint16_t kFirmware = 101;
inline constexpr std::uint16_t kHardwareInfo2 = 102;
}  // namespace reg

// Frame55 function codes of the module address commands.
inline constexpr std::uint8_t kReadAddressCode = 0x40;
inline constexpr std::uint8_t kWriteAddressCode = 0x41;

inline constexpr size_t kPreambleSize = 20;
inline constexpr size_t kPreambleIdentificationSize = 13;
// The identification text the board firmware recognises in the attention preamble. Users whose boards
// expect another text set it in the settings file (see core/settings/preamble_setting.h).
inline constexpr std::string_view kDefaultPreambleIdentification = "LUMIO-LINK-01";
static_assert(kDefaultPreambleIdentification.size() == kPreambleIdentificationSize);

// True when `text` can be the identification: exactly 13 printable ASCII characters.
bool isValidPreambleIdentification(std::string_view text);
// The 20-byte preamble. An invalid identification falls back to the default.
Bytes attentionPreamble(std::string_view identification = kDefaultPreambleIdentification);

// CRC requests, complete with their check.
Bytes readProgramRequest(std::uint8_t address, std::uint16_t p);
Bytes readRequest(std::uint8_t address, std::uint16_t registerNumber, std::uint16_t param = 0);
// `data` holds at most 255 bytes (n is one byte); longer data is cut.
Bytes blockRequest(std::uint8_t address, std::uint16_t index, std::uint16_t total, ByteView data);
// `data` holds at most 255 bytes (the repeated n is one byte); longer data is cut.
Bytes writeRequest(std::uint8_t address, std::uint16_t registerNumber, ByteView data);

Bytes frame55(std::uint8_t target, std::uint8_t code, std::uint32_t value);
// Low 8 bits of the sum of `bytes`: the check of Frame55 and of the address reply.
std::uint8_t sum8(ByteView bytes);

// Appends the CRC-16/MODBUS of `frame` to it, low byte first.
void appendCrc(Bytes& frame);
// True when the last two bytes of `frame` (at least 3 bytes long) are the check of the bytes before them.
bool crcFrameChecks(ByteView frame);

// Reading a delivered CRC reply. Every accessor tolerates short frames: bytes past the end read as 0.
struct CrcReply {
    ByteView frame;

    std::uint8_t address() const { return at(0); }
    std::uint8_t code() const { return at(1); }
    // 'g'/'i' replies: the length byte n and the n data bytes from byte 3 (cut at the frame's end).
    std::uint8_t length() const { return at(2); }
    ByteView data() const;
    std::uint8_t at(size_t index) const { return index < frame.size() ? byteAt(frame, index) : 0; }
    std::uint16_t u16(size_t index) const {
        return static_cast<std::uint16_t>(at(index) << 8 | at(index + 1));
    }
};

}  // namespace lumio
