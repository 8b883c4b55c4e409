#include <gtest/gtest.h>

#include "core/settings/baud_codes.h"
#include "core/settings/link_settings.h"
#include "core/settings/serial_ports.h"

namespace lumio {
namespace {

TEST(LinkSettings, DefaultsWhenNothingIsStored) {
    for (const char* profile : {"", "[other]\r\ncom_num=3\r\n", "[canshu_v2]\r\nip=\r\ncom_num=\r\n"}) {
        const LinkSettings settings = readLinkSettings(profile);
        EXPECT_EQ(settings, LinkSettings{}) << profile;
        EXPECT_EQ(settings.mode, 0);
        EXPECT_EQ(settings.comIndex, 0);
        EXPECT_EQ(settings.baudCode, 5);
        EXPECT_EQ(settings.tcpPort, 6000u);
        EXPECT_EQ(settings.ipText, "192.168.1.110");
        EXPECT_EQ(settings.serialDevice, "");
    }
}

TEST(LinkSettings, KeepsOnlyTheLowByteOfTheEightBitValues) {
    const LinkSettings settings = readLinkSettings(
        "[canshu_v2]\r\ncom_or_tcp=256\r\ncom_num=300\r\nbtl_num=265\r\nsocket_port=70000\r\nip=10.1.2.3\r\n"
        "com_device=/dev/ttyUSB1\r\n");
    EXPECT_EQ(settings.mode, 0);  // 256: only the low byte counts, so serial
    EXPECT_FALSE(settings.isNetwork());
    EXPECT_EQ(settings.comIndex, 44);
    EXPECT_EQ(settings.baudCode, 9);
    EXPECT_EQ(settings.tcpPort, 70000u);  // held in 32 bits
    EXPECT_EQ(settings.ipText, "10.1.2.3");
    EXPECT_EQ(settings.serialDevice, "/dev/ttyUSB1");
    EXPECT_TRUE(readLinkSettings("[canshu_v2]\r\ncom_or_tcp=7\r\n").isNetwork());
    EXPECT_EQ(readLinkSettings("[canshu_v2]\r\ncom_num=x\r\n").comIndex, 0);  // not a number reads as 0
}

TEST(LinkSettings, ConfirmWithoutChangeWritesNothing) {
    const LinkSettings current = readLinkSettings("[canshu_v2]\r\ncom_num=300\r\n");
    EXPECT_TRUE(settingsWritesOnConfirm(current, current, PortNaming::Numbered).empty());
    EXPECT_TRUE(settingsWritesOnConfirm(current, current, PortNaming::DevicePaths).empty());
}

TEST(LinkSettings, AnyChangeWritesEveryKeyInFileOrder) {
    const LinkSettings current;
    LinkSettings onlyFlag = current;
    onlyFlag.autoOpenFile = true;  // a flag alone counts as a change, though it is never stored
    LinkSettings edited = current;
    edited.mode = 1;
    edited.comIndex = 44;
    edited.baudCode = 9;
    edited.tcpPort = 502;
    edited.ipText = "";
    edited.serialDevice = "/dev/pts/3";

    const std::vector<SettingsWrite> expected{
        {"com_or_tcp", "1"}, {"com_num", "44"}, {"btl_num", "9"}, {"socket_port", "502"}, {"ip", "192.168.1.110"}};
    EXPECT_EQ(settingsWritesOnConfirm(current, edited, PortNaming::Numbered), expected);
    std::vector<SettingsWrite> withDevice = expected;
    withDevice.push_back({"com_device", "/dev/pts/3"});
    EXPECT_EQ(settingsWritesOnConfirm(current, edited, PortNaming::DevicePaths), withDevice);
    EXPECT_EQ(settingsWritesOnConfirm(current, onlyFlag, PortNaming::Numbered).size(), 5u);

    const Bytes file = applySettingsWrites("", settingsWritesOnConfirm(current, edited, PortNaming::Numbered));
    EXPECT_EQ(file,
              "[canshu_v2]\r\ncom_or_tcp=1\r\ncom_num=44\r\nbtl_num=9\r\nsocket_port=502\r\nip=192.168.1.110\r\n");
    edited.ipText = "192.168.1.110";  // what the empty address reads back as
    edited.serialDevice.clear();
    EXPECT_EQ(readLinkSettings(file), edited);
}

TEST(BaudCodes, TableAndFallback) {
    const std::pair<int, std::uint32_t> cases[] = {{0, 300}, {5, 9600}, {6, 19200}, {9, 115200}, {10, 9600}, {255, 9600}};
    for (const auto& [code, baud] : cases) EXPECT_EQ(baudRateForCode(static_cast<std::uint8_t>(code)), baud) << code;
}

TEST(SerialPorts, NumberedPortsFollowComNum) {
    LinkSettings settings;
    settings.comIndex = 44;
    EXPECT_EQ(serialPortName(settings, PortNaming::Numbered), "COM45");
    const auto choices = serialPortChoices(settings, PortNaming::Numbered, {"ignored"});
    ASSERT_EQ(choices.size(), 255u);
    EXPECT_EQ(choices.front(), "COM1");
    EXPECT_EQ(choices.back(), "COM255");
    EXPECT_EQ(choices[44], "COM45");  // list position = com_num

    const std::pair<const char*, int> picks[] = {{"COM1", 0}, {"COM255", 254}, {"COM256", 44}, {"COM0", 44},
                                                 {"COM07", 44}, {"", 44}, {"/dev/ttyS1", 44}};
    for (const auto& [name, index] : picks) {
        const LinkSettings chosen = withSerialPortChosen(settings, name, PortNaming::Numbered);
        EXPECT_EQ(chosen.comIndex, index) << name;
        EXPECT_EQ(chosen.serialDevice, "") << name;
    }
}

TEST(SerialPorts, DevicePathsKeepComNumMeaningful) {
    LinkSettings settings;
    settings.comIndex = 2;
    EXPECT_EQ(serialPortName(settings, PortNaming::DevicePaths), "/dev/ttyS2");  // COM3

    struct Case {
        const char* name;
        const char* device;
        int comIndex;
    } const cases[] = {
        {"/dev/ttyUSB0", "/dev/ttyUSB0", 2},  // no COM number: com_num unchanged
        {"/dev/ttyS4", "/dev/ttyS4", 4},
        {"/dev/ttyS2", "", 2},                 // the port already named: nothing changes
        {"/dev/ttyS256", "/dev/ttyS256", 2},
        {"/dev/pts/7", "/dev/pts/7", 2},
        {"", "", 2},
    };
    for (const Case& c : cases) {
        const LinkSettings chosen = withSerialPortChosen(settings, c.name, PortNaming::DevicePaths);
        EXPECT_EQ(chosen.serialDevice, c.device) << c.name;
        EXPECT_EQ(chosen.comIndex, c.comIndex) << c.name;
        if (*c.device) {
            EXPECT_EQ(serialPortName(chosen, PortNaming::DevicePaths), c.device);
        }
    }

    const std::vector<std::string> present{"/dev/ttyUSB0", "/dev/ttyS0"};
    EXPECT_EQ(serialPortChoices(settings, PortNaming::DevicePaths, present),
              (std::vector<std::string>{"/dev/ttyUSB0", "/dev/ttyS0", "/dev/ttyS2"}));
    settings.serialDevice = "/dev/ttyUSB0";
    EXPECT_EQ(serialPortChoices(settings, PortNaming::DevicePaths, present), present);
}

}  // namespace
}  // namespace lumio
