#include <gtest/gtest.h>

#include "core/link/hardware_reports.h"
#include "tests/core/link/link_test_support.h"

namespace lumio {
namespace {

using test::bytes;
using test::dataReply;

// Register-20 data with a distinct value in every field (numbers little-endian).
Bytes register20Data() {
    Bytes d(100, '\0');
    const std::pair<size_t, Bytes> fields[] = {
        {0, bytes({3})},          {2, bytes({0x34, 0x12})}, {4, bytes({0, 0, 2, 0})},      {8, bytes({32, 0})},
        {10, bytes({4, 0})},      {12, bytes({0, 1})},      {14, bytes({200, 0})},         {16, bytes({4, 1})},
        {18, bytes({100, 0})},    {22, bytes({50, 0})},     {24, bytes({8})},              {26, bytes({10, 0})},
        {28, bytes({4})},         {30, bytes({5, 0})},      {32, bytes({0xE8, 0x03})},     {36, bytes({0x10, 0x27, 0, 0})},
        {40, bytes({6, 0})},      {42, bytes({0xF4, 0x01})}, {44, bytes({0x20, 0x4E, 0, 0})}, {48, bytes({4, 0})},
        {50, bytes({0, 0x10})},   {52, bytes({0x78, 0x56, 0x34, 0x12})}, {56, bytes({2})},
    };
    for (const auto& [offset, value] : fields) d.replace(offset, value.size(), value);
    return d;
}

TEST(HardwareInfoReport, ShowsEveryLine) {
    const std::string expected =
        "读取硬件信息成功:\r\n\r\n"
        "硬件内核: 3.0内核\r\n"
        "内核固件版本号: 4660\r\n"
        "程序空间: 131072字节\r\n"
        "定时器个数: 32\r\n"
        "定时器取值范围: 0 - 4294967295 \r\n"
        "内核单次最大处理字节数: 256字节\r\n"
        "整数个数: 200\r\n"
        "整数取值范围: -2147483648 — 2147483647 \r\n"
        "全局整数个数: 100\r\n"
        "全局整数取值范围: -2147483648 — 2147483647 \r\n"
        "浮点数个数: 50\r\n"
        "浮点数类型: 双精度浮点数 \r\n"
        "全局浮点数个数: 10\r\n"
        "全局浮点数类型: 单精度浮点数 \r\n"
        "局部数组个数: 5\r\n"
        "局部数组允许最大长度（边界）: 1000\r\n"
        "局部数组空间: 10000\r\n"
        "全局数组个数: 6\r\n"
        "全局数组允许最大长度（边界）: 500\r\n"
        "全局数组空间: 20000\r\n"
        "芯片内部掉电存储扇区数: 4\r\n"
        "芯片内部掉电存储扇区(缓冲区)大小: 4096\r\n"
        "是否使能55协议: 否\r\n"
        "是否使能modbus协议: 是\r\n";
    EXPECT_EQ(toUtf8(hardwareInfoReport(dataReply(1, 'i', register20Data()))), expected);
}

struct ConditionalLine {
    const char* name;
    size_t offset;
    Bytes value;
    const char* line;  // the line that must appear
    const char* absent;  // the line that must not appear
};

class HardwareInfoLines : public testing::TestWithParam<ConditionalLine> {};

TEST_P(HardwareInfoLines, AppearOnlyWhenTheirMarkersSaySo) {
    Bytes d = register20Data();
    d.replace(GetParam().offset, GetParam().value.size(), GetParam().value);
    const std::string report = toUtf8(hardwareInfoReport(dataReply(1, 'i', d)));
    if (*GetParam().line) {
        EXPECT_NE(report.find(GetParam().line), std::string::npos) << report;
    }
    if (*GetParam().absent) {
        EXPECT_EQ(report.find(GetParam().absent), std::string::npos) << report;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Markers, HardwareInfoLines,
    testing::Values(
        ConditionalLine{"SignedTimer", 10, bytes({4, 3}), "定时器取值范围: 0 - 2147483647 \r\n", "4294967295"},
        ConditionalLine{"NoTimerRange", 10, bytes({4, 1}), "", "定时器取值范围"},
        ConditionalLine{"NoIntegerRange", 16, bytes({4, 0}), "", "整数取值范围"},
        ConditionalLine{"SingleFloat", 24, bytes({4}), "浮点数类型: 单精度浮点数 \r\n全局浮点数个数", ""},
        ConditionalLine{"NoFloatType", 24, bytes({2}), "浮点数个数: 50\r\n全局浮点数个数", ""},
        ConditionalLine{"DoubleGlobalFloat", 28, bytes({8}), "全局浮点数类型: 双精度浮点数 \r\n", "全局浮点数类型: 单"},
        ConditionalLine{"NoGlobalFloatType", 28, bytes({0}), "", "全局浮点数类型"},
        ConditionalLine{"NoProtocolMarker", 52, bytes({0x78, 0x56, 0x34, 0x13}), "", "是否使能"},
        ConditionalLine{"BothProtocols", 56, bytes({3}), "是否使能55协议: 是\r\n是否使能modbus协议: 是\r\n", ""}),
    [](const testing::TestParamInfo<ConditionalLine>& info) { return info.param.name; });

TEST(HardwareInfoReport, ShortReplyReadsMissingBytesAsZero) {
    const std::string report = toUtf8(hardwareInfoReport(dataReply(1, 'i', bytes({2}))));
    EXPECT_NE(report.find("硬件内核: 2.0内核\r\n"), std::string::npos);
    EXPECT_NE(report.find("全局数组空间: 0\r\n"), std::string::npos);
    EXPECT_EQ(report.find("是否使能"), std::string::npos);
}

// Register-102 data (numbers big-endian), n = 46.
Bytes register102Data() {
    return bytes({0,  8,  6,    100,  50, 20, 10, 5,  16, 1,  0,  3,    32,   2,  0,    12,
                  64, 200, 4,   0x10, 0,  8,  2,  1,  0,  100, 0, 0x40, 0,    25, 0,    50,
                  1,  2,  25,   50,   125, 250, 72, 10, 0, 10, 0, 5,    0x80, 0x48});
}

Bytes register102Reply(size_t n) {
    Bytes d = register102Data();
    d.resize(n, '\0');
    return dataReply(1, 'i', d);
}

TEST(HardwareInfo2Report, FullFormShowsEveryLine) {
    const std::string expected =
        "读取硬件信息成功：\r\n\r\n"
        "输入数量：8\r\n"
        "输出数量：6\r\n"
        "整数数量：100\r\n"
        "全局整数数量：50\r\n"
        "浮点数数量：20\r\n"
        "全局浮点数数量：10\r\n"
        "数组（局部数组）数量：5\r\n"
        "数组（局部数组）默认长度：16\r\n"
        "全局数组数量：3\r\n"
        "全局数组默认长度：32\r\n"
        "定时器数量：12\r\n"
        "位变量数量：64\r\n"
        "最大处理字节数：200\r\n"
        "存储扇区个数：4\r\n"
        "存储扇区大小：4096\r\n"
        "函数调用层叠数：8\r\n"
        "缓冲区数量：2\r\n"
        "缓冲区占用：1\r\n"
        "动态内存总量：6400 字节\r\n"
        "动态内存当前占用：1600 字节   25.000%\r\n"
        "动态内存历史峰值占用：3200 字节   50.000%\r\n"
        "动态内存申请出错次数：1\r\n"
        "动态内存释放出错次数：2\r\n"
        "高频频率：72 khz\r\n"
        "高频中断cpu占用：10.0%\r\n"
        "毫秒中断cpu占用：20.0%\r\n"
        "内核运行间隔：10 ms\r\n"
        "当前内核运行cpu占用：50.0%\r\n"
        "内核运行cpu占用峰值：100.0%\r\n"
        "全局整数支持掉电存储：全局整数10 - 全局整数14\r\n"
        "晶振采用：外部晶振\r\n"
        "系统主频：72 MHz\r\n";
    EXPECT_EQ(toUtf8(hardwareInfo2Report(register102Reply(46))), expected);
}

TEST(HardwareInfo2Report, ShortFormShowsSpacesInsteadOfDynamicMemory) {
    const std::string expected =
        "读取硬件信息成功：\r\n\r\n"
        "输入数量：8\r\n"
        "输出数量：6\r\n"
        "整数数量：100\r\n"
        "全局整数数量：50\r\n"
        "浮点数数量：20\r\n"
        "全局浮点数数量：10\r\n"
        "数组（局部数组）数量：5\r\n"
        "数组（局部数组）长度：16\r\n"
        "数组（局部数组）空间：256\r\n"
        "全局数组数量：3\r\n"
        "全局数组长度：32\r\n"
        "全局数组空间：512\r\n"
        "定时器数量：12\r\n"
        "位变量数量：64\r\n"
        "最大处理字节数：200\r\n"
        "存储扇区个数：4\r\n"
        "存储扇区大小：4096\r\n"
        "函数调用层叠数：8\r\n"
        "缓冲区数量：2\r\n"
        "缓冲区占用：1\r\n";
    EXPECT_EQ(toUtf8(hardwareInfo2Report(register102Reply(24))), expected);
    EXPECT_EQ(toUtf8(hardwareInfo2Report(register102Reply(33))), expected);
}

struct LengthRule {
    size_t n;
    const char* lastLine;  // empty: the empty report
    size_t lines;
};

class HardwareInfo2Lengths : public testing::TestWithParam<LengthRule> {};

TEST_P(HardwareInfo2Lengths, LengthByteSelectsHowFarTheReportGoes) {
    const std::string report = toUtf8(hardwareInfo2Report(register102Reply(GetParam().n)));
    size_t lines = 0;
    for (size_t at = report.find("\r\n"); at != std::string::npos; at = report.find("\r\n", at + 2)) ++lines;
    EXPECT_EQ(lines, GetParam().lines);
    const std::string last = GetParam().lastLine;
    if (last.empty()) {
        EXPECT_EQ(report, "");
    } else {
        EXPECT_TRUE(report.ends_with(last + "\r\n")) << report;
    }
}

// Line counts include the blank line after the title.
INSTANTIATE_TEST_SUITE_P(Rules, HardwareInfo2Lengths,
                         testing::Values(LengthRule{0, "", 0}, LengthRule{23, "", 0},
                                         LengthRule{24, "缓冲区占用：1", 22}, LengthRule{33, "缓冲区占用：1", 22},
                                         LengthRule{34, "动态内存释放出错次数：2", 25},
                                         LengthRule{39, "动态内存释放出错次数：2", 25},
                                         LengthRule{40, "内核运行cpu占用峰值：100.0%", 31},
                                         LengthRule{45, "内核运行cpu占用峰值：100.0%", 31},
                                         LengthRule{46, "系统主频：72 MHz", 34}, LengthRule{250, "系统主频：72 MHz", 34}));

TEST(HardwareInfo2Report, ValueRules) {
    struct Case {
        size_t offset;
        Bytes value;
        const char* line;
    };
    const Case cases[] = {
        {42, bytes({0, 0}), "全局整数支持掉电存储：无\r\n"},
        {44, bytes({0x70, 0x48}), "晶振采用：内部晶振\r\n系统主频：72 MHz\r\n"},
        {44, bytes({0xFF, 0xFF}), "晶振采用：外部晶振\r\n系统主频：4095 MHz\r\n"},
        // A total of 0 prints as the division by zero prints.
        {24, bytes({0, 0}), "动态内存当前占用：1600 字节   inf%\r\n"},
    };
    for (const Case& c : cases) {
        Bytes d = register102Data();
        d.replace(c.offset, c.value.size(), c.value);
        const std::string report = toUtf8(hardwareInfo2Report(dataReply(1, 'i', d)));
        EXPECT_NE(report.find(c.line), std::string::npos) << c.line << "\n" << report;
    }
    Bytes d = register102Data();
    d.replace(24, 2, bytes({0, 0}));
    d.replace(28, 4, bytes({0, 0, 0, 0}));
    EXPECT_NE(toUtf8(hardwareInfo2Report(dataReply(1, 'i', d))).find("动态内存当前占用：0 字节   nan%"), std::string::npos);
}

}  // namespace
}  // namespace lumio
