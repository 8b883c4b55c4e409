#pragma once
// FirmwareTarget: the board's firmware loader. It names the board's chip when register 101 is read
// (param 0x0480 asks it to switch its port to 115200 once the reply is out), takes the descriptor (a write
// of register 101), the 16-byte header as block 10000 and the image in blocks 10001..., acknowledging each
// block in order. When the last block is in, it checks the image against the header (size, CRC-16/MODBUS,
// 8-bit sum, XOR) and keeps the verdict. The port returns to its own rate when the upgrade ends.
#include <cstdint>
#include <string>

#include "sim/board_model.h"

namespace lumio::sim {

inline constexpr std::uint16_t kFirmwareRegister = 101;
inline constexpr std::uint16_t kFirmwareHeaderIndex = 10000;
inline constexpr std::uint16_t kFastBaudParam = 0x0480;

class FirmwareTarget final : public BoardExtension {
public:
    enum class Verdict { None, Accepted, Refused };

    FirmwareTarget(std::uint8_t address, std::string chipName) : address_(address), chip_(std::move(chipName)) {}

    bool handle(const Request& request, std::vector<Bytes>& replies) override;
    std::string note() const override { return note_; }
    std::uint32_t takeBaudChange() override;

    const std::string& chipName() const { return chip_; }
    Verdict verdict() const { return verdict_; }
    // Why the last image was refused ("" when accepted).
    const std::string& reason() const { return reason_; }
    const Bytes& image() const { return image_; }
    std::uint64_t imagesAccepted() const { return accepted_; }

private:
    enum class Stage { Idle, Named, Described, Receiving };
    void header(const Request& request, std::vector<Bytes>& replies);
    void block(const Request& request, std::vector<Bytes>& replies);
    void finish();

    std::uint8_t address_;
    std::string chip_;
    Stage stage_ = Stage::Idle;
    std::uint16_t total_ = 0;
    std::uint16_t expected_ = 0;
    std::uint32_t size_ = 0;
    std::uint16_t crc_ = 0;
    std::uint8_t sum_ = 0;
    std::uint8_t xor_ = 0;
    bool fast_ = false;
    std::uint32_t baudChange_ = kNoBaudChange;
    Bytes image_;
    Verdict verdict_ = Verdict::None;
    std::string reason_;
    std::string note_;
    std::uint64_t accepted_ = 0;
};

}  // namespace lumio::sim
