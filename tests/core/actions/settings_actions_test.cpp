// Listing texts and lists of the system-settings action, kind 10, in both editions.
#include <gtest/gtest.h>

#include "core/lang/actions/action_catalogue.h"
#include "tests/core/actions/action_test_support.h"

namespace lumio {
namespace {

using testing::actionStatement;
using testing::expectActionTexts;
using testing::kClassicEdition;
using testing::kCurrentEdition;

TEST(SettingsActions, InputsRunTimeAndProtocols) {
    expectActionTexts({
        {10, 1, 1, "3,200", "输入3连击或长按的时间常数200毫秒"},
        {10, 1, 2, "1,0", "输入1 高速输入(0不使能 1使能) = 0"},
        {10, 1, 3, "1,2,3", "将联机开关量地址1 线路2 映射为本机 输入3"},
        // The count E2 shows twice.
        {10, 1, 4, "1,2,8,9", "将联机开关量地址1 线路2 数量8映射为本机 输入9 数量8"},
        {10, 1, 5, "1", ""},
        {10, 2, 1, "10", "程序运行间隔为10毫秒"},
        {10, 2, 2, "10", "线程阻塞等待10毫秒"},
        {10, 2, 5, "10", "系统延时，CPU原地等待并计时10毫秒"},
        {10, 2, 6, "10", ""},
        {10, 3, 4, "", "失能55指令"},
        {10, 4, 3, "9600", "数据口3波特率设置为9600"},
        {10, 5, 2, "1", "数据口1设置为8个数据位 奇校验 1个停止位"},
    });
}

TEST(SettingsActions, PacketsAndConversionDefaults) {
    expectActionTexts({
        {10, 6, 1, "1,13", "数据口1临时数据包开头为13"},
        {10, 6, 4, "2,50", "数据口2临时数据包间隔时间为50毫秒"},
        {10, 6, 6, "2", "失能数据口2临时数据包超时接收"},
        {10, 6, 7, "1,2,3", "1, 2, 3"},
        {10, 7, 2, "5", "数组转变量为浮点数"},
        {10, 8, 7, "", "字符串转整数采用2进制"},
        {10, 9, 5, "4", "整数转字节数组字节数 = 4"},
        {10, 9, 9, "8", "整数转字符串场宽(总位数) = 8"},
        {10, 9, 10, "8", "整数转字符串场宽不足部分补0"},
        {10, 10, 6, "", "字节数组转浮点数 双精度8字节 高位在前"},
        {10, 11, 7, "6", "浮点数转字符串场宽(总位数) = 6"},
        {10, 11, 8, "2", "浮点数转字符串小数点位数 = 2"},
        {10, 11, 11, "2", ""},
    });
}

TEST(SettingsActions, PinsClockNetworkPorts) {
    expectActionTexts({
        {10, 12, 1, "PA0", "设置普通IO推挽输出 PA0"},
        {10, 12, 7, "0,PA0,PA1,PB2,PC3", "设置SPI接口IO(CS,SCK,DOUT,DIN) 0, PA0, PA1, PB2, PC3"},
        {10, 13, 1, "2024,5,6,1,12,30,0", "校准时间：2024年5月6日 星期1 12时30分0秒 "},
        {10, 13, 2, "1", ""},
        {10, 14, 1, "\"192.168.1.110\",\"255.255.255.0\",\"192.168.1.1\"",
         "设置网络参数 IP:\"192.168.1.110\" 子网掩码:\"255.255.255.0\" 网关:\"192.168.1.1\""},
        {10, 15, 1, "2,9600", "设置 数据口[2] 的波特率为 9600"},
        {10, 15, 2, "2,9600", ""},
        {10, 0, 1, "1", ""},
        {10, 19, 1, "1", ""},
    });
}

TEST(SettingsActions, PowerOnParameters) {
    expectActionTexts({
        {10, 16, 1, "", "清空上电参数"},
        {10, 16, 3, "PA0", "上电设置 设置LED电源指示IO PA0"},
        {10, 16, 9, "1,2", "上电设置 使能数据口 1, 2"},
        {10, 16, 19, "1,PA0", "上电设置 数据口1 485方向控制IO为 PA0"},
        {10, 16, 21, "1,2", "设置上电启动参数 数码管显示地址系统IO(keyup down rclk sclk en dat) 1, 2"},
        {10, 16, 33, "10", "设置全局整数掉电自动保存 从0开始 前 10 个全局整数支持掉电保存"},
        {10, 16, 33, "5,9", "设置某几个连续的全局整数支持掉电自动保存 从 5 开始 到 9 结束  支持掉电保存"},
        {10, 16, 33, "5,9,1", ""},
        {10, 16, 33, "", ""},
        {10, 16, 35, "20", "上电设置 系统高频频率 20 khz"},
        {10, 16, 37, "50", "上电设置 行列式led亮度默认 50 %"},
        {10, 16, 38, "1", "上电设置 行列式键盘映射输入起始序号 1 "},
        {10, 16, 39, "1", "上电设置 行列式led映射输出起始序号 1 %"},
        {10, 16, 42, "1", ""},
    });
}

TEST(SettingsActions, ThreadsCountTheirItems) {
    expectActionTexts({
        {10, 17, 1, "", "输入不合法"},
        {10, 17, 1, "3", "启动线程3"},
        {10, 17, 1, "3,4", "输入不合法"},
        {10, 17, 2, "", "暂停本线程"},
        {10, 17, 2, "3", "暂停线程3"},
        {10, 17, 2, "3,4", "输入不合法"},
        {10, 17, 3, "", "停止本线程"},
        {10, 17, 3, "3", "停止线程3"},
        {10, 17, 3, "3,4,5", "输入不合法"},
        {10, 17, 4, "", ""},
        {10, 17, 4, "3", ""},
    });
    // The statement keeps what was typed even when the listing says the input is not valid.
    EXPECT_GT(actionStatement(10, 17, 1, "3,4").param3Length(), 0);
}

TEST(SettingsActions, InfraredPowerOn) {
    expectActionTexts({
        {10, 18, 1, "1", "上电设置 万能红外设置数据口：1"},
        {10, 18, 3, "PA0,PA1", "上电设置 万能红外通道IO：PA0, PA1"},
        {10, 18, 8, "2", "上电设置 万能红外采样精度：2"},
        {10, 18, 10, "2", ""},
    });
}

TEST(SettingsActions, ClassicTexts) {
    expectActionTexts(
        {
            {10, 1, 2, "1,0", "输入1 高速输入(0不使能 1使能) = 0"},
            {10, 2, 2, "10", "程序延时10毫秒"},
            {10, 2, 5, "10", "程序延时，CPU原地等待并计时10毫秒"},
            {10, 16, 3, "PA0", "设置LED电源指示IO PA0"},
            {10, 16, 4, "PB6,PB7", "设置时钟芯片IO PB6, PB7"},
            {10, 16, 5, "8", "设置开关量输入个数 8"},
            {10, 16, 19, "1,PA0", "数据口1 485方向控制IO为 PA0"},
            {10, 16, 11, "1", "使能编码器 1"},
            {10, 16, 33, "10", "设置全局整数掉电自动保存 从0开始 前 10 个全局整数支持掉电保存"},
            {10, 16, 33, "5,9", "设置全局整数5 - 全局整数9 掉电自动保存(需要板载有电池)"},
            {10, 16, 37, "50", "行列式led亮度默认 50 %"},
            {10, 17, 2, "", "暂停本线程"},
        },
        kClassicEdition);
}

// Positions in the editor's lists map to stored codes; entries the classic build lacks leave gaps in the
// codes but never shift the codes of the entries after them.
TEST(SettingsActions, OfferedListsPerEdition) {
    struct ListCase {
        int p1;  // 0: the parameter-1 list
        size_t currentSize, classicSize;
        size_t classicPosition;  // a 1-based position in the classic list ...
        int classicCode;         // ... and the code it stores
    };
    const ListCase cases[] = {
        {0, 18, 17, 17, 18},  // no thread settings
        {1, 1, 4, 4, 4},      // the hidden input settings are offered
        {2, 5, 5, 5, 5},
        {9, 11, 9, 9, 9},
        {11, 10, 8, 8, 8},
        {16, 41, 33, 33, 33},
        {17, 3, 0, 0, 0},
        {18, 9, 2, 1, 8},  // only the sampling precision and the chip address remain
    };
    for (const ListCase& c : cases) {
        const auto current = c.p1 == 0 ? offeredActionParam1(10, kCurrentEdition) : offeredActionParam2(10, c.p1, kCurrentEdition);
        const auto classic = c.p1 == 0 ? offeredActionParam1(10, kClassicEdition) : offeredActionParam2(10, c.p1, kClassicEdition);
        EXPECT_EQ(current.size(), c.currentSize) << "p1 " << c.p1;
        EXPECT_EQ(classic.size(), c.classicSize) << "p1 " << c.p1;
        for (size_t index = 0; index < current.size(); ++index) EXPECT_EQ(current[index].code, static_cast<int>(index) + 1);
        if (c.classicPosition > 0) {
            ASSERT_LE(c.classicPosition, classic.size()) << "p1 " << c.p1;
            EXPECT_EQ(classic[c.classicPosition - 1].code, c.classicCode) << "p1 " << c.p1;
            EXPECT_EQ(offeredPosition(classic, c.classicCode), static_cast<int>(c.classicPosition)) << "p1 " << c.p1;
        }
    }
    EXPECT_EQ(offeredPosition(offeredActionParam1(10, kClassicEdition), 17), 0);
}

TEST(SettingsActions, ClassicNames) {
    EXPECT_EQ(toUtf8(actionParam2Name(10, 2, 2, kCurrentEdition)), "线程等待 程序延迟（单位ms）");
    EXPECT_EQ(toUtf8(actionParam2Name(10, 2, 2, kClassicEdition)), "程序延迟（单位ms）");
    EXPECT_EQ(toUtf8(actionParam2Name(10, 2, 5, kClassicEdition)), "程序延迟（阻塞，单位ms）");
    EXPECT_EQ(toUtf8(actionParam2Name(10, 1, 2, kClassicEdition)), "高速运行设置 0不使能(默认) 1使能");
    EXPECT_EQ(toUtf8(actionParam2Name(10, 1, 4, kClassicEdition)), "将联机开关量映射为本机输入(批量设置)");
    // A stored code keeps its name in the build that does not offer it, so loaded programs still read.
    EXPECT_EQ(toUtf8(actionParam2Name(10, 16, 40, kClassicEdition)), "使能PWM输出");
    EXPECT_EQ(toUtf8(actionParam1Name(10, 17, kClassicEdition)), "线程设置");
}

}  // namespace
}  // namespace lumio
