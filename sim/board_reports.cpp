#include "sim/board_reports.h"

#include <cstdint>

namespace lumio::sim {
namespace {

void putLittleEndian(Bytes& data, std::size_t offset, std::uint32_t value, std::size_t width)
{
    for (std::size_t index = 0; index < width; ++index)
        data[offset + index] = static_cast<std::uint8_t>(value >> (8 * index));
}

void putBigEndian(Bytes& data, std::size_t offset, std::uint32_t value, std::size_t width)
{
    for (std::size_t index = 0; index < width; ++index)
        data[offset + index] = static_cast<std::uint8_t>(value >> (8 * (width - 1 - index)));
}

}  // namespace

Bytes hardwareInformation()
{
    Bytes data(100, 0);
    data[0] = 5;                              // kernel generation 5.0
    putLittleEndian(data, 2, 16, 2);          // kernel firmware version
    putLittleEndian(data, 4, 499999, 4);      // program space in bytes
    putLittleEndian(data, 8, 200, 2);         // timers
    data[10] = 4;                             // timer values: 4 bytes, unsigned
    data[11] = 0;
    putLittleEndian(data, 12, 1024, 2);       // bytes handled at most in one kernel pass
    putLittleEndian(data, 14, 256, 2);        // integers
    data[16] = 4;                             // integers: 4 bytes, signed
    data[17] = 1;
    putLittleEndian(data, 18, 1000, 2);       // global integers
    putLittleEndian(data, 22, 128, 2);        // floating-point numbers
    data[24] = 8;                             // double precision
    putLittleEndian(data, 26, 256, 2);        // global floating-point numbers
    data[28] = 4;                             // single precision
    putLittleEndian(data, 30, 16, 2);         // local arrays
    putLittleEndian(data, 32, 200, 2);        // local array bound
    putLittleEndian(data, 36, 12800, 4);      // local array space
    putLittleEndian(data, 40, 32, 2);         // global arrays
    putLittleEndian(data, 42, 1000, 2);       // global array bound
    putLittleEndian(data, 44, 128000, 4);     // global array space
    putLittleEndian(data, 48, 8, 2);          // storage sectors kept over power loss
    putLittleEndian(data, 50, 2048, 2);       // sector buffer size
    putLittleEndian(data, 52, 0x12345678, 4); // marks the protocol flags as present
    data[56] = 0x03;                          // 0x55 protocol and Modbus both enabled
    return data;
}

Bytes hardwareInformation2()
{
    Bytes data(46, 0);
    data[0] = 2;                         // layout version
    data[1] = 24;                        // inputs
    data[2] = 16;                        // outputs
    data[3] = 200;                       // integers
    data[4] = 100;                       // global integers
    data[5] = 50;                        // floating-point numbers
    data[6] = 40;                        // global floating-point numbers
    data[7] = 10;                        // local arrays
    data[8] = 100;                       // local array default length
    putBigEndian(data, 9, 4000, 2);      // local array space (short form only)
    data[11] = 20;                       // global arrays
    data[12] = 200;                      // global array default length
    putBigEndian(data, 13, 16000, 2);    // global array space (short form only)
    data[15] = 120;                      // timers
    data[16] = 250;                      // bit variables
    data[17] = 255;                      // bytes handled at most
    data[18] = 8;                        // storage sectors
    putBigEndian(data, 19, 2048, 2);     // sector size
    data[21] = 8;                        // nested call depth
    data[22] = 16;                       // buffers
    data[23] = 3;                        // buffers in use
    putBigEndian(data, 24, 1024, 2);     // dynamic memory: units
    putBigEndian(data, 26, 32, 2);       // unit size in bytes
    putBigEndian(data, 28, 300, 2);      // units in use
    putBigEndian(data, 30, 512, 2);      // peak units
    data[32] = 0;                        // allocation errors
    data[33] = 1;                        // release errors
    data[34] = 25;                       // fast interrupt load, 250ths
    data[35] = 5;                        // millisecond interrupt load
    data[36] = 50;                       // kernel load now
    data[37] = 125;                      // kernel load peak
    data[38] = 20;                       // fast interrupt frequency, kHz
    data[39] = 1;                        // kernel pass interval, ms
    putBigEndian(data, 40, 10, 2);       // first global integer kept over power loss
    putBigEndian(data, 42, 32, 2);       // how many
    putBigEndian(data, 44, 0x8000 | 240, 2);  // external crystal, 240 MHz
    return data;
}

Bytes networkInformation()
{
    Bytes data(22, 0);
    data[0] = 6;                                  // report type
    putLittleEndian(data, 4, 0xC0A8016E, 4);      // 192.168.1.110
    putLittleEndian(data, 8, 0xFFFFFF00, 4);      // 255.255.255.0
    putLittleEndian(data, 12, 0xC0A80101, 4);     // gateway 192.168.1.1
    putLittleEndian(data, 16, 4, 2);              // TCP controllers
    putLittleEndian(data, 18, 2, 2);              // UDP controllers
    putLittleEndian(data, 20, 6000, 2);           // TCP service ports
    return data;
}

Bytes identification()
{
    Bytes data(28, 0);
    data[0] = 7;                                  // report type
    data[1] = 24;                                 // the register
    data[2] = 28;                                 // bytes filled
    data[3] = 12;                                 // identification bytes
    for (std::uint8_t index = 0; index < 12; ++index)
        data[4 + index] = static_cast<std::uint8_t>(0x30 + 7 * index);
    data[24] = 24;                                // inputs
    data[25] = 16;                                // outputs
    data[26] = 16;                                // buffers
    data[27] = 3;                                 // buffers in use
    return data;
}

}  // namespace lumio::sim
