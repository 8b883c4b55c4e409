#include <gtest/gtest.h>

#include <vector>

#include "core/link/relay_panel_status.h"

namespace lumio {
namespace {

Bytes frame(const std::vector<std::uint8_t>& bytes) { return Bytes(bytes.begin(), bytes.end()); }

// The channels a state word marks closed.
std::vector<int> closedChannels(std::uint32_t states) {
    std::vector<int> closed;
    for (int channel = 1; channel <= kRelayPanelChannels; ++channel)
        if (relayChannelClosed(states, channel)) closed.push_back(channel);
    return closed;
}

TEST(RelayPanelStatus, EachButtonsCommand) {
    const struct {
        RelayPanelButton button;
        int channel;
        RelayPanelCommand command;
    } cases[] = {
        {RelayPanelButton::Channel, 1, {7, 0x20, 1}},
        {RelayPanelButton::Channel, 32, {7, 0x20, 32}},
        {RelayPanelButton::CloseAll, 0, {7, 0x13, 0xFFFFFFFF}},
        {RelayPanelButton::OpenAll, 0, {7, 0x13, 0}},
        {RelayPanelButton::Query, 0, {7, 0x10, 0}},
        {RelayPanelButton::ReadAddress, 0, {0xF5, 0x40, 0}},
        {RelayPanelButton::WriteAddress, 0, {0xF5, 0x41, 7}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(relayPanelCommand(c.button, 7, c.channel), c.command) << static_cast<int>(c.button) << " " << c.channel;
}

TEST(RelayPanelStatus, QueryReplyOfTheSelectedBoard) {
    const RelayPanelReply reply = readRelayPanelReply(frame({0x22, 0x01, 0x10, 0x00, 0x00, 0x00, 0x05, 0x38}), 1);
    ASSERT_TRUE(reply.channelStates.has_value());
    EXPECT_EQ(closedChannels(*reply.channelStates), (std::vector<int>{1, 3}));
    EXPECT_FALSE(reply.addressRead.has_value());
}

TEST(RelayPanelStatus, StateBytesMostSignificantFirst) {
    const RelayPanelReply reply = readRelayPanelReply(frame({0x22, 0x02, 0x2F, 0x80, 0x00, 0x01, 0x00, 0xD4}), 2);
    ASSERT_TRUE(reply.channelStates.has_value());
    EXPECT_EQ(closedChannels(*reply.channelStates), (std::vector<int>{9, 32}));
}

TEST(RelayPanelStatus, AddressReplyFromAnyAddress) {
    const RelayPanelReply reply = readRelayPanelReply(frame({0x22, 0x07, 0x40, 0x00, 0x00, 0x00, 0x02, 0x6B}), 1);
    EXPECT_EQ(reply.addressRead, 7u);
    EXPECT_EQ(reply.channelStates, 2u);
}

TEST(RelayPanelStatus, FramesThePanelIgnores) {
    const struct {
        const char* name;
        Bytes bytes;
    } cases[] = {
        {"another address", frame({0x22, 0x02, 0x10, 0x00, 0x00, 0x00, 0x05, 0x39})},
        {"wrong sum", frame({0x22, 0x01, 0x10, 0x00, 0x00, 0x00, 0x05, 0x39})},
        {"not a status frame", frame({0x55, 0x01, 0x10, 0x00, 0x00, 0x00, 0x05, 0x6B})},
        {"code below the channel codes", frame({0x22, 0x01, 0x0F, 0x00, 0x00, 0x00, 0x05, 0x37})},
        {"code above the channel codes", frame({0x22, 0x01, 0x30, 0x00, 0x00, 0x00, 0x05, 0x58})},
        {"short", frame({0x22, 0x01, 0x10, 0x00, 0x00, 0x00, 0x33})},
        {"long", frame({0x22, 0x01, 0x10, 0x00, 0x00, 0x00, 0x05, 0x38, 0x00})},
        {"empty", Bytes()},
    };
    for (const auto& c : cases) {
        const RelayPanelReply reply = readRelayPanelReply(c.bytes, 1);
        EXPECT_FALSE(reply.channelStates.has_value()) << c.name;
        EXPECT_FALSE(reply.addressRead.has_value()) << c.name;
    }
}

TEST(RelayPanelStatus, ChannelsOutsideTheBoardAreNeverClosed) {
    EXPECT_FALSE(relayChannelClosed(0xFFFFFFFFu, 0));
    EXPECT_FALSE(relayChannelClosed(0xFFFFFFFFu, 33));
    EXPECT_TRUE(relayChannelClosed(0x80000000u, 32));
}

}  // namespace
}  // namespace lumio
