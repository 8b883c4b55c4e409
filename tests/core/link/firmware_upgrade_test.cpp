#include <gtest/gtest.h>

#include "core/link/firmware_texts.h"

#include "tests/core/link/link_test_support.h"

namespace lumio {
namespace {

using namespace lumio::test;

constexpr std::uint8_t kAddress = 1;
constexpr std::uint32_t kConfiguredBaud = 9600;
constexpr size_t kAtSize = 97580;
constexpr size_t kStmSize = 90484;

Bytes patternImage(size_t size, unsigned seed) {
    Bytes image(size, '\0');
    for (size_t i = 0; i < size; ++i) image[i] = static_cast<char>((i * 31 + seed * 7 + (i >> 8)) & 0xFF);
    return image;
}

FirmwareCatalog catalogOf(const Bytes& at32, const Bytes& stm32) {
    return FirmwareCatalog{{{"at32f403avgt7", FirmwareState::Loaded, "at32f403avgt7.bin", at32},
                            {"stm32g0b0", FirmwareState::Loaded, "stm32g0b0.bin", stm32}}};
}

Bytes chipReply(std::string_view chip) { return dataReply(kAddress, kReadCode, chip); }
Bytes descriptorReply() { return shortReply(kAddress, kWriteCode, bytes({0, 0, 0, 0})); }

// The board names its chip, and the next tick passes (in the fast variant the port switches meanwhile).
Effects nameChip(DeviceSession& session, std::string_view chip) {
    Effects effects = session.receive(chipReply(chip));
    const Effects tick = session.tick();
    effects.insert(effects.end(), tick.begin(), tick.end());
    return effects;
}

// Starts an upgrade and runs the three ticks up to the identify request; returns those effects.
Effects startAndIdentify(DeviceSession& session, FirmwareRate rate, FirmwareCatalog catalog) {
    Effects all = session.firmwareUpgrade(rate, std::move(catalog), kConfiguredBaud);
    const Effects ticks = tickTimes(session, kFirmwareStartTicks);
    all.insert(all.end(), ticks.begin(), ticks.end());
    return all;
}

TEST(FirmwareImage, BlockCountAndHeaderFields) {
    EXPECT_EQ(firmwareBlockTotal(kAtSize), 1952u);
    EXPECT_EQ(kAtSize - 1951 * 50, 30u) << "the last block carries 30 bytes";
    EXPECT_EQ(firmwareBlockTotal(kStmSize), 1810u);
    EXPECT_EQ(firmwareBlockTotal(1), 1u);
    EXPECT_EQ(firmwareBlockTotal(50), 1u);
    EXPECT_EQ(firmwareBlockTotal(51), 2u);
    // "123456789": CRC-16/MODBUS 0x4B37, sum 0x1DD, XOR 0x31.
    EXPECT_EQ(firmwareHeader("123456789"),
              bytes({0x08, 0x00, 0x60, 0x00, 0, 0, 0, 9, 0, 0, 0x37, 0x4B, 0xDD, 0x31, 0, 0}));
}

TEST(FirmwareUpgrade, StartsWithTheConfiguredRateAndThePreambleAlone) {
    DeviceSession session;
    const Effects effects = session.firmwareUpgrade(FirmwareRate::Fast, {}, kConfiguredBaud);
    ASSERT_EQ(effects.size(), 2u);
    EXPECT_EQ(std::get<ChangeBaud>(effects[0]), (ChangeBaud{kConfiguredBaud, 0}));
    EXPECT_EQ(std::get<SendBytes>(effects[1]).bytes, attentionPreamble());
    EXPECT_EQ(session.operation(), LinkOperation::FirmwareUpgrade);
    EXPECT_TRUE(tickTimes(session, kFirmwareStartTicks - 1).empty()) << "about 300 ms pass first";
}

TEST(FirmwareUpgrade, IdentifyRequestOfEachVariant) {
    struct Case {
        FirmwareRate rate;
        Bytes request;
        std::vector<ChangeBaud> baudChanges;
    };
    const Case cases[] = {
        {FirmwareRate::Configured, bytes({0x01, 0x69, 0x00, 0x65, 0x00, 0x00}), {}},
        {FirmwareRate::Fast, bytes({0x01, 0x69, 0x00, 0x65, 0x04, 0x80}), {{115200, 50}}},
    };
    for (const Case& c : cases) {
        DeviceSession session;
        session.firmwareUpgrade(c.rate, {}, kConfiguredBaud);
        const Effects effects = tickTimes(session, kFirmwareStartTicks);
        ASSERT_EQ(sent(effects).size(), 1u);
        EXPECT_EQ(sent(effects)[0].substr(0, 6), c.request);
        EXPECT_TRUE(crcFrameChecks(sent(effects)[0]));
        EXPECT_EQ(effectsOf<ChangeBaud>(effects), c.baudChanges);
    }
}

// Plays a board that answers every request of a whole upgrade; returns the image the blocks carried.
struct UpgradeRun {
    Bytes received;
    Bytes header;
    std::vector<size_t> blockSizes;
    Effects effects;
};

UpgradeRun runWholeUpgrade(FirmwareRate rate, std::string_view chip, const Bytes& image) {
    DeviceSession session;
    UpgradeRun run;
    const auto keep = [&run](const Effects& effects) {
        run.effects.insert(run.effects.end(), effects.begin(), effects.end());
        return effects;
    };
    keep(startAndIdentify(session, rate, catalogOf(image, image)));
    const Effects named = keep(nameChip(session, chip));
    EXPECT_EQ(effectsOf<ConfirmFirmware>(named),
              (std::vector<ConfirmFirmware>{{std::string(chip), std::string(chip) + ".bin",
                                             static_cast<std::uint32_t>(image.size())}}));
    EXPECT_TRUE(sent(named).empty()) << "nothing is sent before the user confirms";
    Effects step = keep(session.confirmFirmware(true));
    const std::uint32_t total = firmwareBlockTotal(static_cast<std::uint32_t>(image.size()));
    EXPECT_EQ(sent(step), std::vector<Bytes>{writeRequest(kAddress, 101, Bytes(10, '\0'))});
    EXPECT_EQ(session.progress().range, total + 3);
    step = keep(session.receive(descriptorReply()));
    for (std::uint32_t index = 10000; !sent(step).empty(); ++index) {
        const Bytes request = sent(step)[0];
        EXPECT_EQ(readU16BigEndian(request, 2), index);
        EXPECT_EQ(readU16BigEndian(request, 4), total);
        const Bytes data = request.substr(7, byteAt(request, 6));
        if (index == 10000) {
            run.header = data;
        } else {
            run.received += data;
            run.blockSizes.push_back(data.size());
        }
        step = keep(session.receive(blockAck(kAddress, static_cast<std::uint16_t>(index), static_cast<std::uint16_t>(total))));
    }
    EXPECT_EQ(session.operation(), LinkOperation::Idle);
    return run;
}

TEST(FirmwareUpgrade, WholeImageForEachChipAndVariant) {
    struct Case {
        std::string_view chip;
        size_t size;
        FirmwareRate rate;
    };
    const Case cases[] = {
        {"at32f403avgt7", kAtSize, FirmwareRate::Configured},
        {"at32f403avgt7", kAtSize, FirmwareRate::Fast},
        {"stm32g0b0", kStmSize, FirmwareRate::Configured},
        {"stm32g0b0", kStmSize, FirmwareRate::Fast},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.chip));
        const Bytes image = patternImage(c.size, static_cast<unsigned>(c.size));
        const UpgradeRun run = runWholeUpgrade(c.rate, c.chip, image);
        EXPECT_EQ(run.received, image);
        EXPECT_EQ(run.header, firmwareHeader(image));
        EXPECT_EQ(run.blockSizes.size(), firmwareBlockTotal(static_cast<std::uint32_t>(c.size)));
        EXPECT_EQ(run.blockSizes.back(), c.size % 50 == 0 ? 50u : c.size % 50);
        EXPECT_EQ(messages(run.effects), (std::vector<ShowMessage>{message("固件已更新为当前适用版本！", "提示")}));
        EXPECT_EQ(effectsOf<OperationEnded>(run.effects), ending(LinkOperation::FirmwareUpgrade, Outcome::Completed));
        const std::vector<Progress> progress = effectsOf<Progress>(run.effects);
        ASSERT_GE(progress.size(), 2u);
        EXPECT_EQ(progress[progress.size() - 2].position, run.blockSizes.size() + 3) << "B + 3 replies counted";
        EXPECT_EQ(progress.back().position, 0u);
    }
}

TEST(FirmwareUpgrade, PortReturnsToTheConfiguredRateOneSecondAfterTheLastReply) {
    DeviceSession session;
    startAndIdentify(session, FirmwareRate::Fast, catalogOf("a", "b"));
    nameChip(session, "stm32g0b0");
    session.confirmFirmware(true);
    session.receive(descriptorReply());
    session.receive(blockAck(kAddress, 10000, 1));
    const Effects done = session.receive(blockAck(kAddress, 10001, 1));
    ASSERT_EQ(messages(done).size(), 1u);
    EXPECT_TRUE(tickTimes(session, kFirmwareBaudRestoreTicks - 1).empty());
    EXPECT_EQ(effectsOf<ChangeBaud>(session.tick()), (std::vector<ChangeBaud>{{kConfiguredBaud, 0}}));
}

TEST(FirmwareUpgrade, FastVariantActsOnTheChipOnlyAfterThePortSwitched) {
    DeviceSession session;
    startAndIdentify(session, FirmwareRate::Fast, catalogOf("a", "b"));
    EXPECT_TRUE(effectsOf<ConfirmFirmware>(session.receive(chipReply("stm32g0b0"))).empty())
        << "the switch 50 ms after the request comes first";
    EXPECT_EQ(effectsOf<ConfirmFirmware>(session.tick()).size(), 1u);
}

TEST(FirmwareUpgrade, SlowBoardKeepsTheFastRateWhileTheUpgradeRuns) {
    DeviceSession session;
    startAndIdentify(session, FirmwareRate::Fast, catalogOf(Bytes(120, 'x'), "b"));
    nameChip(session, "at32f403avgt7");
    session.confirmFirmware(true);
    // Two seconds without a reply: no return to the configured rate under the board's feet.
    EXPECT_TRUE(effectsOf<ChangeBaud>(tickTimes(session, 20)).empty());
    EXPECT_EQ(sent(session.receive(descriptorReply())).size(), 1u) << "the upgrade goes on";
}

TEST(FirmwareUpgrade, ChipWithoutAUsableImageEndsWithItsMessage) {
    struct Case {
        const char* name;
        std::string_view chip;
        FirmwareCatalog catalog;
        const char* text;
    };
    const Case cases[] = {
        {"unknown chip", "gd32f103", catalogOf("a", "b"), "找不到资源 "},
        {"name differs in case", "AT32F403AVGT7", catalogOf("a", "b"), "找不到资源 "},
        {"image missing", "stm32g0b0", FirmwareCatalog{{{"stm32g0b0", FirmwareState::Missing, "", ""}}}, "找不到资源 "},
        {"image unloadable", "at32f403avgt7",
         FirmwareCatalog{{{"at32f403avgt7", FirmwareState::Unloadable, "x.bin", ""}}}, "无法加载资源!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeviceSession session;
        startAndIdentify(session, FirmwareRate::Configured, c.catalog);
        const Effects effects = nameChip(session, c.chip);
        EXPECT_EQ(messages(effects), (std::vector<ShowMessage>{message(c.text, "")}));
        EXPECT_TRUE(sent(effects).empty());
        EXPECT_EQ(effectsOf<OperationEnded>(effects), ending(LinkOperation::FirmwareUpgrade, Outcome::Failed));
        EXPECT_TRUE(sent(tickTimes(session, 40)).empty());
    }
}

TEST(FirmwareUpgrade, DecliningTheChipConfirmationSendsNothingMore) {
    DeviceSession session;
    startAndIdentify(session, FirmwareRate::Fast, catalogOf("a", "b"));
    nameChip(session, "at32f403avgt7");
    EXPECT_TRUE(session.awaitingFirmwareConfirmation());
    EXPECT_TRUE(tickTimes(session, 50).empty()) << "no clock runs while the user is asked";
    const Effects effects = session.confirmFirmware(false);
    EXPECT_TRUE(sent(effects).empty());
    EXPECT_EQ(effectsOf<ChangeBaud>(effects), (std::vector<ChangeBaud>{{kConfiguredBaud, 0}}));
    EXPECT_EQ(effectsOf<OperationEnded>(effects), ending(LinkOperation::FirmwareUpgrade, Outcome::Failed));
}

TEST(FirmwareUpgrade, StallEndsWithAMessageAfterThreeSeconds) {
    struct Case {
        const char* name;
        Bytes lastReply;  // what the board said last; empty for a board that never answers
    };
    const Case cases[] = {
        {"silent board", ""},
        {"block index one behind", blockAck(kAddress, 10000, 2)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeviceSession session;
        startAndIdentify(session, FirmwareRate::Configured, catalogOf(Bytes(60, 'x'), "b"));
        if (!c.lastReply.empty()) {
            nameChip(session, "at32f403avgt7");
            session.confirmFirmware(true);
            session.receive(descriptorReply());
            session.receive(blockAck(kAddress, 10000, 2));
            EXPECT_TRUE(sent(session.receive(c.lastReply)).empty()) << "a repeated acknowledgement is not taken";
        }
        const Effects quiet = tickTimes(session, kFirmwareStallTicks - 1);
        EXPECT_TRUE(messages(quiet).empty());
        const Effects stalled = session.tick();
        ASSERT_EQ(messages(stalled).size(), 1u);
        EXPECT_EQ(messages(stalled)[0].caption, errorCaption());
        EXPECT_EQ(effectsOf<OperationEnded>(stalled), ending(LinkOperation::FirmwareUpgrade, Outcome::TimedOut));
        EXPECT_EQ(session.progress().position, 0u);
    }
}

TEST(FirmwareUpgrade, AnotherOperationReplacesIt) {
    DeviceSession session;
    startAndIdentify(session, FirmwareRate::Configured, catalogOf("a", "b"));
    const Effects effects = session.readClock();
    EXPECT_EQ(effectsOf<OperationEnded>(effects), ending(LinkOperation::FirmwareUpgrade, Outcome::Replaced));
    EXPECT_TRUE(messages(tickTimes(session, kFirmwareStallTicks + 1)).empty()) << "no stall message afterwards";
}

TEST(RawSends, TerminalAndWizardSendBytesAsTheyAre) {
    DeviceSession session;
    EXPECT_TRUE(session.openTerminal().empty());
    EXPECT_EQ(session.operation(), LinkOperation::DebugTerminal);
    EXPECT_EQ(sent(session.terminalSend(bytes({1, 3, 0, 0, 0, 1}))), std::vector<Bytes>{bytes({1, 3, 0, 0, 0, 1})});
    EXPECT_EQ(effectsOf<TerminalBytes>(session.receive("ok")), std::vector<TerminalBytes>{{"ok"}});
    session.closeTerminal();
    EXPECT_EQ(session.operation(), LinkOperation::Idle);

    const Bytes command = frame55(1, 0x12, 1);
    EXPECT_EQ(sent(session.wizardSend(command)), std::vector<Bytes>{command});
    EXPECT_EQ(session.operation(), LinkOperation::WizardSend);
    const Effects reply = session.receive(dataReply(kAddress, kReadCode, "x"));
    EXPECT_TRUE(effectsOf<TerminalBytes>(reply).empty()) << "the terminal hears nothing while the wizard waits";
    EXPECT_EQ(effectsOf<OperationEnded>(reply), ending(LinkOperation::WizardSend, Outcome::Completed));
}

TEST(RawSends, ClosingTheTerminalLeavesAnotherOperationPending) {
    DeviceSession session;
    session.readClock();
    session.closeTerminal();
    EXPECT_EQ(session.operation(), LinkOperation::ReadClock);
}

}  // namespace
}  // namespace lumio
