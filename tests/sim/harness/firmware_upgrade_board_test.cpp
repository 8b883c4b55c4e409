// A whole firmware upgrade: core's DeviceSession against the board model's firmware loader, bytes handed
// across directly and ticks counted. The board checks the header against what arrived.
#include <gtest/gtest.h>

#include <memory>
#include <variant>

#include "core/link/device_session.h"
#include "core/link/firmware_texts.h"
#include "core/text/gbk.h"
#include "sim/board_checks.h"
#include "sim/board_firmware.h"
#include "sim/board_model.h"
#include "sim/board_relay.h"

namespace lumio {
namespace {

constexpr std::uint32_t kConfiguredBaud = 9600;

Bytes patternImage(size_t size)
{
    Bytes image(size, '\0');
    for (size_t i = 0; i < size; ++i)
        image[i] = static_cast<char>((i * 131 + (i >> 7)) & 0xFF);
    return image;
}

// What one run produced: the session's messages and endings, the board's loader, the port rates asked.
struct UpgradeRun {
    std::vector<ShowMessage> messages;
    std::vector<OperationEnded> endings;
    std::vector<std::uint32_t> rates;
    int confirmations = 0;
    sim::FirmwareTarget* target = nullptr;
    std::unique_ptr<sim::BoardModel> board;
};

struct Line {
    // Replies after this many board replies are lost (the board falls silent).
    size_t replyBudget = SIZE_MAX;
    // A byte of the image in transit is flipped at this offset of the block data (none: SIZE_MAX).
    size_t corruptBlock = SIZE_MAX;
};

UpgradeRun upgrade(std::string_view boardChip, FirmwareRate rate, const Bytes& image, Line line = {})
{
    UpgradeRun run;
    run.board = std::make_unique<sim::BoardModel>();
    auto target = std::make_unique<sim::FirmwareTarget>(1, std::string(boardChip));
    run.target = target.get();
    run.board->setExtension(std::move(target));
    DeviceSession session;
    const FirmwareCatalog catalog{{{"at32f403avgt7", FirmwareState::Loaded, "at32f403avgt7.bin", image},
                                   {"stm32g0b0", FirmwareState::Loaded, "stm32g0b0.bin", image}}};
    std::vector<Effects> pending{session.firmwareUpgrade(rate, catalog, kConfiguredBaud)};
    size_t replies = 0;
    size_t blockSends = 0;
    // Every effect is carried out in order; board replies go straight back into the session.
    const auto drain = [&] {
        while (!pending.empty()) {
            const Effects effects = std::move(pending.front());
            pending.erase(pending.begin());
            for (const Effect& effect : effects) {
                if (const auto* message = std::get_if<ShowMessage>(&effect)) run.messages.push_back(*message);
                if (const auto* ended = std::get_if<OperationEnded>(&effect)) run.endings.push_back(*ended);
                if (const auto* change = std::get_if<ChangeBaud>(&effect)) run.rates.push_back(change->baud);
                if (std::holds_alternative<ConfirmFirmware>(effect)) {
                    ++run.confirmations;
                    pending.push_back(session.confirmFirmware(true));
                }
                const auto* send = std::get_if<SendBytes>(&effect);
                if (!send) continue;
                sim::Bytes bytes(send->bytes.begin(), send->bytes.end());
                if (bytes.size() > 9 && bytes[1] == 'j' && ++blockSends == line.corruptBlock) {
                    // The data changes and the frame check is made anew, so only the header can tell.
                    bytes[7] ^= 0x01;
                    bytes.resize(bytes.size() - 2);
                    sim::appendCrc(bytes);
                }
                for (const sim::Bytes& reply : run.board->receive(bytes).replies) {
                    if (replies++ >= line.replyBudget) continue;
                    pending.push_back(session.receive(Bytes(reply.begin(), reply.end())));
                }
            }
        }
    };
    for (int tick = 0; tick < 400 && session.operation() == LinkOperation::FirmwareUpgrade; ++tick) {
        drain();
        pending.push_back(session.tick());
    }
    drain();
    return run;
}

TEST(FirmwareUpgradeAgainstBoard, EachChipAndVariantIsAccepted)
{
    struct Case {
        std::string_view chip;
        size_t size;
        FirmwareRate rate;
    };
    const Case cases[] = {
        {"at32f403avgt7", 97580, FirmwareRate::Configured},
        {"at32f403avgt7", 97580, FirmwareRate::Fast},
        {"stm32g0b0", 90484, FirmwareRate::Configured},
        {"stm32g0b0", 90484, FirmwareRate::Fast},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.chip) + (c.rate == FirmwareRate::Fast ? " fast" : ""));
        const Bytes image = patternImage(c.size);
        const UpgradeRun run = upgrade(c.chip, c.rate, image);
        EXPECT_EQ(run.confirmations, 1);
        EXPECT_EQ(run.target->verdict(), sim::FirmwareTarget::Verdict::Accepted) << run.target->reason();
        EXPECT_EQ(run.target->image(), sim::Bytes(image.begin(), image.end()));
        EXPECT_EQ(run.messages, (std::vector<ShowMessage>{{firmwareDoneText(), toGbk("提示")}}));
        EXPECT_EQ(run.endings, (std::vector<OperationEnded>{{LinkOperation::FirmwareUpgrade, Outcome::Completed}}));
        const std::vector<std::uint32_t> rates = c.rate == FirmwareRate::Fast
                                                     ? std::vector<std::uint32_t>{kConfiguredBaud, 115200}
                                                     : std::vector<std::uint32_t>{kConfiguredBaud};
        EXPECT_EQ(run.rates, rates);
    }
}

TEST(FirmwareUpgradeAgainstBoard, BoardRefusesAnImageThatChangedOnTheWay)
{
    const UpgradeRun run = upgrade("stm32g0b0", FirmwareRate::Configured, patternImage(5000), Line{SIZE_MAX, 7});
    EXPECT_EQ(run.target->verdict(), sim::FirmwareTarget::Verdict::Refused);
    EXPECT_EQ(run.target->reason(), "CRC does not match the header");
}

TEST(FirmwareUpgradeAgainstBoard, WrongChipSendsNoImage)
{
    const UpgradeRun run = upgrade("gd32f303", FirmwareRate::Fast, patternImage(5000));
    EXPECT_EQ(run.messages, (std::vector<ShowMessage>{{firmwareNotFoundText(), ""}}));
    EXPECT_EQ(run.confirmations, 0);
    EXPECT_EQ(run.target->verdict(), sim::FirmwareTarget::Verdict::None);
}

TEST(FirmwareUpgradeAgainstBoard, BoardFallingSilentEndsTheUpgrade)
{
    const UpgradeRun run = upgrade("at32f403avgt7", FirmwareRate::Fast, patternImage(5000), Line{40, SIZE_MAX});
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].caption, errorCaption());
    EXPECT_EQ(run.endings, (std::vector<OperationEnded>{{LinkOperation::FirmwareUpgrade, Outcome::TimedOut}}));
    EXPECT_EQ(run.rates.back(), kConfiguredBaud) << "the port is back at the configured rate";
    EXPECT_EQ(run.target->verdict(), sim::FirmwareTarget::Verdict::None);
}

TEST(RelayBoard, AnswersCommandsWithItsStatus)
{
    sim::BoardModel board;
    auto relay = std::make_unique<sim::RelayBoard>(board, 8);
    const sim::RelayBoard& state = *relay;
    board.setExtension(std::move(relay));
    struct Step {
        sim::Bytes command;
        std::vector<sim::Bytes> replies;
        std::uint32_t states;
    };
    const Step steps[] = {
        {{0x55, 0x01, 0x12, 0x00, 0x00, 0x00, 0x01, 0x69}, {{0x22, 0x01, 0x12, 0, 0, 0, 0x01, 0x36}}, 0x01},
        {{0x55, 0x01, 0x35, 0x00, 0x00, 0x08, 0x15, 0xA8}, {}, 0x15},  // 1 3 5 12: channel 12 is past 8
        {{0x55, 0x01, 0x3A, 0x02, 0x0A, 0x01, 0x08, 0xA5}, {}, 0xFF},
        {{0x55, 0x01, 0x17, 0x02, 0x0A, 0x01, 0x04, 0x7E}, {{0x22, 0x01, 0x17, 0, 0, 0, 0xF1, 0x2B}}, 0xF1},
        {{0x55, 0x02, 0x13, 0xFF, 0xFF, 0xFF, 0xFF, 0x66}, {}, 0xF1},  // another module
        // Reading the address: every module answers with its address and its channels.
        {{0x55, 0xF5, 0x40, 0x00, 0x00, 0x00, 0x00, 0x8A}, {{0x22, 0x01, 0x40, 0, 0, 0, 0xF1, 0x54}}, 0xF1},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(board.receive(step.command).replies, step.replies);
        EXPECT_EQ(state.states(), step.states);
    }
}

}  // namespace
}  // namespace lumio
