#include <gtest/gtest.h>

#include <vector>

#include "core/checks/crc16.h"
#include "core/link/classic_port_error.h"
#include "core/link/classic_reports.h"
#include "core/text/gbk.h"

namespace lumio {
namespace {

// An 'i' reply from address 1 carrying `data`, with its CRC.
Bytes reply(const std::vector<std::uint8_t>& data) {
    Bytes frame{'\x01', 'i', static_cast<char>(data.size())};
    for (const auto byte : data) frame.push_back(static_cast<char>(byte));
    appendU16LowFirst(frame, Crc16Modbus(frame));
    return frame;
}

std::vector<std::uint8_t> networkData() {
    return {6,    0,    0,    0,                          // report type, three unused bytes
            0x6E, 0x01, 0xA8, 0xC0,                       // IP address, least significant first
            0x00, 0xFF, 0xFF, 0xFF,                       // subnet mask
            0x01, 0x01, 0xA8, 0xC0,                       // gateway
            0x04, 0x00, 0x02, 0x00, 0x2C, 0x01};          // 4 TCP, 2 UDP, 300 service ports
}

TEST(ClassicReports, ReportChosenByFirstDataByte) {
    const struct {
        std::uint8_t first;
        ClassicReport report;
    } cases[] = {{5, ClassicReport::Hardware},
                 {6, ClassicReport::Network},
                 {7, ClassicReport::Identification},
                 {0, ClassicReport::None},
                 {8, ClassicReport::None}};
    for (const auto& c : cases) EXPECT_EQ(classicReportKind(reply({c.first, 24, 0})), c.report) << int(c.first);
    EXPECT_EQ(classicReportKind(reply({})), ClassicReport::None);
    EXPECT_EQ(classicReportKind(Bytes("\x01i")), ClassicReport::None);
}

TEST(ClassicReports, NetworkReportEveryLine) {
    EXPECT_EQ(toUtf8(networkReport(reply(networkData()))),
              "读取网络参数成功:\r\n\r\n"
              "IP地址: 192.168.1.110\r\n"
              "子网掩码: 255.255.255.0\r\n"
              "网关: 192.168.1.1\r\n"
              "tcp控制器数量: 4\r\n"
              "udp控制器数量: 2\r\n"
              "tcp服务端口数量: 300\r\n");
}

TEST(ClassicReports, NetworkReportReadsNeitherCrcNorPastTheFrame) {
    // Only the address made it into the reply: the CRC after it is not read as the mask.
    auto data = networkData();
    data.resize(8);
    const std::string report = toUtf8(networkReport(reply(data)));
    EXPECT_NE(report.find("IP地址: 192.168.1.110\r\n"), std::string::npos) << report;
    EXPECT_NE(report.find("子网掩码: 0.0.0.0\r\n"), std::string::npos) << report;
    EXPECT_NE(report.find("tcp服务端口数量: 0\r\n"), std::string::npos) << report;
    // A length byte claiming more than the frame holds: the frame ends after d[6].
    Bytes cut = reply(networkData()).substr(0, 10);
    EXPECT_NE(toUtf8(networkReport(cut)).find("IP地址: 0.168.1.110\r\n"), std::string::npos);
}

// Identification reply: type 7, register, filled length, n identification bytes, the four counts.
std::vector<std::uint8_t> identificationData(std::uint8_t filled, std::uint8_t count, std::array<std::uint8_t, 4> counts) {
    std::vector<std::uint8_t> data(28, 0);
    data[0] = 7;
    data[1] = 24;
    data[2] = filled;
    data[3] = count;
    for (std::uint8_t k = 0; k < 12; ++k) data[4 + k] = static_cast<std::uint8_t>(0xA0 + k);
    for (size_t k = 0; k < 4; ++k) data[24 + k] = counts[k];
    return data;
}

TEST(ClassicReports, IdentificationReportLinesAndConditions) {
    const std::string head = "读取ID成功:\r\n\r\n";
    const struct {
        const char* name;
        std::vector<std::uint8_t> data;
        std::string expected;
    } cases[] = {
        {"full", identificationData(28, 3, {16, 8, 4, 1}),
         head + "识别ID：A0 A1 A2\r\n输入数量：16\r\n输出数量：8\r\n缓冲区数量：4\r\n缓冲区使用数量：1\r\n"},
        {"one identification byte has no trailing space", identificationData(28, 1, {16, 8, 4, 1}),
         head + "识别ID：A0\r\n输入数量：16\r\n输出数量：8\r\n缓冲区数量：4\r\n缓冲区使用数量：1\r\n"},
        {"no identification bytes", identificationData(28, 0, {16, 8, 4, 1}),
         head + "输入数量：16\r\n输出数量：8\r\n缓冲区数量：4\r\n缓冲区使用数量：1\r\n"},
        {"255 is not reported", identificationData(28, 2, {255, 8, 255, 0}),
         head + "识别ID：A0 A1\r\n输出数量：8\r\n缓冲区使用数量：0\r\n"},
        {"filled 27: no buffer lines", identificationData(27, 2, {16, 8, 4, 1}),
         head + "识别ID：A0 A1\r\n输入数量：16\r\n输出数量：8\r\n"},
        {"filled 26", identificationData(26, 2, {16, 8, 4, 1}), head + "识别ID：A0 A1\r\n输入数量：16\r\n输出数量：8\r\n"},
        {"filled 25: only the heading", identificationData(25, 2, {16, 8, 4, 1}), head},
        {"filled 0", identificationData(0, 2, {16, 8, 4, 1}), head},
    };
    for (const auto& c : cases) EXPECT_EQ(toUtf8(identificationReport(reply(c.data))), c.expected) << c.name;
}

TEST(ClassicReports, IdentificationReportOfAnotherRegisterIsEmpty) {
    auto data = identificationData(28, 3, {16, 8, 4, 1});
    data[1] = 23;
    EXPECT_EQ(identificationReport(reply(data)), "");
    EXPECT_EQ(identificationReport(reply({7})), "");
}

TEST(ClassicReports, IdentificationBytesLimitedToTheReply) {
    // The count claims 40 identification bytes; the reply holds 24 after it, the counts among them.
    auto data = identificationData(28, 40, {16, 8, 4, 1});
    const std::string report = toUtf8(identificationReport(reply(data)));
    EXPECT_NE(report.find("识别ID：A0 A1 A2 A3 A4 A5 A6 A7 A8 A9 AA AB 00 00 00 00 00 00 00 00 10 08 04 01\r\n"),
              std::string::npos)
        << report;
}

TEST(ClassicPortError, MessageNamesTheCallTheErrorAndThePort) {
    const UserMessage message = classicPortErrorMessage(ClassicPortCall::SetState, toGbk("参数错误。"), 3);
    EXPECT_EQ(toUtf8(message.text), "WARNING:  SetCommState() Failed with the following error: \n参数错误。\nPort: 3\n");
    EXPECT_EQ(message.caption, "Application Error");
    // A '%' in the system's text is shown, not interpreted.
    EXPECT_EQ(classicPortErrorMessage(ClassicPortCall::ReadResult, "100% bad", 12).text,
              "WARNING:  GetOverlappedResults() in ReadFile() Failed with the following error: \n100% bad\nPort: 12\n");
}

}  // namespace
}  // namespace lumio
