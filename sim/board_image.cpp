#include "sim/board_image.h"

#include <algorithm>

#include "sim/board_checks.h"

namespace lumio::sim {
namespace {

void putLowFirst(Bytes& image, std::size_t offset, std::uint16_t value)
{
    image[offset] = static_cast<std::uint8_t>(value & 0xFF);
    image[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

std::uint16_t readLowFirst(ByteView image, std::size_t offset)
{
    return static_cast<std::uint16_t>(image[offset] | (image[offset + 1] << 8));
}

constexpr std::uint8_t kFormatTag[4] = {0x05, 0x01, 0x00, 0x01};
constexpr std::size_t kHeaderSize = 16;

}  // namespace

Bytes programImageWithBody(ByteView body)
{
    Bytes image(kHeaderSize + body.size(), 0);
    std::copy(body.begin(), body.end(), image.begin() + kHeaderSize);
    const auto total = static_cast<std::uint32_t>(image.size());
    for (int shift = 0; shift < 4; ++shift)
        image[2 + static_cast<std::size_t>(shift)] = static_cast<std::uint8_t>(total >> (24 - 8 * shift));
    for (std::size_t index = 0; index < 4; ++index)
        image[6 + index] = kFormatTag[index];
    putLowFirst(image, 10, modbusCrc(body));
    putLowFirst(image, 12, imageSeal(body));
    putLowFirst(image, 14, modbusCrc(ByteView(image).subspan(2, 12)));
    putLowFirst(image, 0, imageSeal(ByteView(image).subspan(2)));
    return image;
}

std::string_view programImageFault(ByteView image)
{
    if (image.size() < kHeaderSize)
        return "shorter than its header";
    const std::uint32_t total = (std::uint32_t{image[2]} << 24) | (std::uint32_t{image[3]} << 16) |
                                (std::uint32_t{image[4]} << 8) | image[5];
    if (total < kHeaderSize || total >= kProgramMemorySize)
        return "length field out of range";
    if (total != image.size())
        return "length field differs from the bytes held";
    if (readLowFirst(image, 0) != imageSeal(image.subspan(2)))
        return "image seal";
    for (std::size_t index = 0; index < 4; ++index) {
        if (image[6 + index] != kFormatTag[index])
            return "format tag";
    }
    const ByteView body = image.subspan(kHeaderSize);
    if (readLowFirst(image, 10) != modbusCrc(body))
        return "body CRC";
    if (readLowFirst(image, 12) != imageSeal(body))
        return "body seal";
    if (readLowFirst(image, 14) != modbusCrc(image.subspan(2, 12)))
        return "header CRC";
    return {};
}

}  // namespace lumio::sim
