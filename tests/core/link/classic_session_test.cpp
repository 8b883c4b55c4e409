// What the classic edition's link does beyond the current one: the report a hardware-information reply
// opens is chosen by its type byte, and the relay test panel takes the relay boards' status frames.
#include <gtest/gtest.h>

#include "core/link/classic_reports.h"
#include "core/link/hardware_reports.h"
#include "core/link/relay_panel_status.h"

#include "tests/core/link/link_test_support.h"

namespace lumio {
namespace {

using namespace lumio::test;

constexpr std::uint8_t kAddress = 1;

DeviceSession classicSession() { return DeviceSession(DeviceSessionConfig{.edition = Edition::Classic}); }

// The report opened by `reply` to a hardware-information request in `edition`.
std::string reportFor(Edition edition, const Bytes& reply) {
    DeviceSession session(DeviceSessionConfig{.edition = edition});
    session.networkInfo();
    const std::vector<OpenReport> reports = effectsOf<OpenReport>(session.receive(reply));
    EXPECT_EQ(session.operation(), LinkOperation::Idle);
    return reports.size() == 1 ? reports[0].text : "(no report)";
}

TEST(ClassicSession, TheTypeByteChoosesTheReport) {
    Bytes network(22, '\0');
    network[0] = 6;
    const Bytes address = bytes({0x6E, 0x01, 0xA8, 0xC0});
    network.replace(4, 4, address);
    Bytes identification(28, '\0');
    identification[0] = 7;
    identification[1] = 24;
    Bytes hardware(100, '\0');
    hardware[0] = 5;
    Bytes other = hardware;
    other[0] = 4;
    const struct {
        const char* name;
        Bytes data;
        Edition edition;
        std::string (*report)(ByteView);
    } cases[] = {
        {"network", network, Edition::Classic, networkReport},
        {"identification", identification, Edition::Classic, identificationReport},
        {"hardware", hardware, Edition::Classic, hardwareInfoReport},
        {"other type byte", other, Edition::Classic, hardwareInfoReport},
        {"current edition", network, Edition::Current, hardwareInfoReport},
    };
    for (const auto& c : cases) {
        const Bytes reply = dataReply(kAddress, 'i', c.data);
        EXPECT_EQ(reportFor(c.edition, reply), c.report(reply)) << c.name;
    }
    EXPECT_NE(toUtf8(reportFor(Edition::Classic, dataReply(kAddress, 'i', network))).find("IP地址: 192.168.1.110\r\n"),
              std::string::npos);
}

TEST(RelayPanel, OpenTakesStatusFramesUntilClosed) {
    DeviceSession session = classicSession();
    EXPECT_TRUE(session.openRelayPanel().empty());
    EXPECT_EQ(session.operation(), LinkOperation::RelayTestPanel);
    const Bytes status = bytes({0x22, 0x01, 0x10, 0x00, 0x00, 0x00, 0x05, 0x38});
    // Noise first, then a frame split anywhere and a second one right behind it.
    Effects effects = session.receive(bytes({0x00, 0x7F}) + status.substr(0, 3));
    EXPECT_TRUE(effects.empty());
    effects = session.receive(status.substr(3) + status);
    EXPECT_EQ(effectsOf<RelayFrame>(effects), (std::vector<RelayFrame>{{status}, {status}}));
    const RelayPanelReply reply = readRelayPanelReply(effectsOf<RelayFrame>(effects)[0].frame, 1);
    ASSERT_TRUE(reply.channelStates.has_value());
    EXPECT_EQ(*reply.channelStates, 0x05u) << "channels 1 and 3 closed";
    EXPECT_TRUE(tickTimes(session, 100).empty()) << "the panel waits without a note";
    EXPECT_EQ(session.operation(), LinkOperation::RelayTestPanel);

    EXPECT_EQ(effectsOf<OperationEnded>(session.closeRelayPanel()), ending(LinkOperation::RelayTestPanel, Outcome::Completed));
    EXPECT_EQ(session.operation(), LinkOperation::Idle);
    EXPECT_EQ(effectsOf<TerminalBytes>(session.receive(status)).size(), 1u) << "closed: bytes go to the terminal again";
    EXPECT_TRUE(session.closeRelayPanel().empty());
}

TEST(RelayPanel, SendsFrame55CommandsWithoutPreambleAndStaysPending) {
    DeviceSession session = classicSession();
    session.openRelayPanel();
    const struct {
        std::uint8_t target, code;
        std::uint32_t value;
        Bytes frame;
    } cases[] = {
        {1, 0x20, 3, bytes({0x55, 0x01, 0x20, 0x00, 0x00, 0x00, 0x03, 0x79})},
        {1, 0x13, 0xFFFFFFFF, bytes({0x55, 0x01, 0x13, 0xFF, 0xFF, 0xFF, 0xFF, 0x65})},
        {0xF5, 0x41, 7, bytes({0x55, 0xF5, 0x41, 0x00, 0x00, 0x00, 0x07, 0x92})},
    };
    for (const auto& c : cases) {
        const Effects effects = session.relayPanelSend(c.target, c.code, c.value);
        EXPECT_EQ(sent(effects), std::vector<Bytes>{c.frame});
        EXPECT_TRUE(effectsOf<OperationEnded>(effects).empty());
        EXPECT_EQ(session.operation(), LinkOperation::RelayTestPanel);
    }
    // A command that took the link meanwhile is replaced by the panel's next send.
    session.readClock();
    const Effects effects = session.relayPanelSend(1, 0x10, 0);
    EXPECT_EQ(effectsOf<OperationEnded>(effects), ending(LinkOperation::ReadClock, Outcome::Replaced));
    EXPECT_EQ(session.operation(), LinkOperation::RelayTestPanel);
}

}  // namespace
}  // namespace lumio
