#pragma once
// CRC-16/MODBUS: initial value 0xFFFF, reflected polynomial 0xA001, no final XOR. Stored low byte first.
#include <cstdint>

#include "core/text/bytes.h"

namespace lumio {

std::uint16_t Crc16Modbus(ByteView bytes);
// Continues a running CRC over more bytes.
std::uint16_t Crc16ModbusUpdate(std::uint16_t crc, ByteView bytes);
void appendU16LowFirst(Bytes& out, std::uint16_t value);
std::uint16_t readU16LowFirst(ByteView bytes, size_t offset);

}  // namespace lumio
