#pragma once
// Helpers shared by the fuzz targets: wrapping arbitrary bytes in valid checks so the fuzzer reaches
// the loaders behind them, not only the checks in front.
#include <cstdint>

#include "core/model/program_image.h"
#include "core/text/bytes.h"

namespace lumio::fuzz {

// A program image whose header and seals are correct for `body`.
inline Bytes sealedProgramImage(ByteView body) {
    Bytes image(kImageHeaderSize, '\0');
    image += body;
    sealProgramImage(image);
    return image;
}

}  // namespace lumio::fuzz
