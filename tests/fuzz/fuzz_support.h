#pragma once
// Helpers shared by the fuzz targets: wrapping arbitrary bytes in valid checks so the fuzzer reaches
// the loaders behind them, not only the checks in front.
#include <cstdint>

#include "core/checks/crc16.h"
#include "core/checks/file_seal.h"
#include "core/text/bytes.h"

namespace lumio::fuzz {

// A program image whose header and seals are correct for `body`.
inline Bytes sealedProgramImage(ByteView body) {
    Bytes image(16, '\0');
    image += body;
    Bytes header;
    appendU32BigEndian(header, static_cast<std::uint32_t>(image.size()));
    header += std::string("\x05\x01\x00\x01", 4);
    appendU16LowFirst(header, Crc16Modbus(body));
    appendU16LowFirst(header, FileSeal(body));
    appendU16LowFirst(header, Crc16Modbus(header));
    image.replace(2, header.size(), header);
    Bytes seal;
    appendU16LowFirst(seal, FileSeal(ByteView(image).substr(2)));
    image.replace(0, 2, seal);
    return image;
}

}  // namespace lumio::fuzz
