// Listing texts and lists of the communication actions: kinds 11, 14, 16 and 20.
#include <gtest/gtest.h>

#include "core/lang/actions/action_catalogue.h"
#include "tests/core/actions/action_test_support.h"

namespace lumio {
namespace {

using testing::actionStatement;
using testing::actionStatementIn;
using testing::expectActionTexts;
using testing::kClassicEdition;
using testing::kCurrentEdition;

TEST(CommunicationActions, DataPortSend) {
    expectActionTexts({
        {11, 1, 1, "01 0A ff", "数据口1发送16进制数据:01 0A FF"},
        {11, 10, 2, "AT+RST", "数据口10发送字符串:AT+RST"},
        {11, 2, 3, "整数0+1", "数据口2发送表达式:整数0 + 1"},
        {11, 3, 5, "20", "数据口3发送数据延迟等待20毫秒"},
        {11, 1, 6, "5", ""},
        {11, 11, 3, "1", "发送表达式:1"},
    });
}

TEST(CommunicationActions, HexGroupIsReadUpToItsFirstNonHexCharacter) {
    const Statement statement = actionStatement(11, 1, 1, "01 02 0G");
    EXPECT_EQ(statement.param3(), std::string("\x01\x02\x00", 3));
    EXPECT_EQ(toUtf8(actionText(statement, kCurrentEdition)), "数据口1发送16进制数据:01 02 00");
}

TEST(CommunicationActions, DataPortShowsItsUserName) {
    RenameTable names;
    names.entries.push_back({toGbk("数据口2"), toGbk("屏幕口")});
    const LangContext context{Edition::Current, &names};
    EXPECT_EQ(toUtf8(actionParam1Name(11, 2, context)), "屏幕口");
    EXPECT_EQ(toUtf8(actionText(actionStatementIn(context, 11, 2, 2, "ok"), context)), "屏幕口发送字符串:ok");
    // The data-port list of the baud-rate setting does not take user names.
    EXPECT_EQ(toUtf8(actionParam2Name(10, 4, 2, context)), "数据口2");
}

TEST(CommunicationActions, RelayBoardProtocol) {
    expectActionTexts({
        {14, 1, 1, "1,2,3", "通过数据口1 闭合联机继电器 地址2第3路"},
        {14, 1, 4, "1,2", "通过数据口1 点动联机继电器 地址2第路"},
        {14, 1, 7, "2,5", "通过数据口2 全部翻转联机继电器 地址5"},
        {14, 1, 8, "1", "通过数据口1 发送本机状态"},
        {14, 1, 9, "1,2,3", "通过数据口1 发送公共数据量2 数据源为3"},
        {14, 1, 10, "1,2", "操作联机继电器使用无回码命令"},
        {14, 1, 11, "", "操作联机继电器使用有回码命令"},
        {14, 1, 12, "数组0,1", "使用协议的回码 数组0 更新本地联机开关量 1 的状态"},
        {14, 1, 13, "数组0,数组1", "执行55协议命令 数组0 将回码赋值给 数组1"},
        {14, 1, 14, "1", ""},
        {14, 3, 1, "1", ""},
    });
}

TEST(CommunicationActions, Modbus) {
    expectActionTexts({
        {14, 2, 1, "1,2,3,4", "数据口1发送modbus指令 读取单线圈 模块地址2 起始位置3 数量4"},
        {14, 2, 5, "1,2,3,4", "数据口1发送modbus指令 写单寄存器 模块地址2 寄存器地址3 值4"},
        {14, 2, 6, "数组0,数组1", "执行modbus协议命令 数组0 将回码赋值给 数组1"},
        {14, 2, 7, "1,2,3,4", "读modbus从机寄存器 数据口:1  模块地址:2 寄存器地址:3 寄存器数量:4"},
        {14, 2, 9, "1,2,3,4,数组0",
         "写多个modbus从机寄存器 数据口:1  模块地址:2 寄存器地址:3 寄存器数量:4 寄存器值(数组):数组0"},
        // The register extraction has a single form up to four items, a batch form with five, none beyond.
        {14, 2, 10, "", "提取本机接收到的modbus从机寄存器的值 数据口:  模块地址: 寄存器地址: 的值 赋值给 "},
        {14, 2, 10, "1,2,3,整数0", "提取本机接收到的modbus从机寄存器的值 数据口:1  模块地址:2 寄存器地址:3 的值 赋值给整数0 "},
        {14, 2, 10, "1,2,3,整数0,4",
         "批量提取本机接收到的modbus从机寄存器的值 数据口:1  模块地址:2 寄存器地址:3 的值 赋值给整数0 并且依次顺延数量4"},
        {14, 2, 10, "1,2,3,整数0,4,5", ""},
        {14, 2, 11, "1", ""},
    });
}

TEST(CommunicationActions, InternalBus) {
    expectActionTexts({
        {16, 1, 1, "3,整数0", "广播端口3 内容:整数0"},
        {16, 1, 2, "3,\"%d\",整数0", "广播端口3 内容:\"%d\", 整数0"},
        {16, 2, 1, "7,3,整数0", "目标地址7 端口3 内容:整数0"},
        {16, 2, 2, "7,3,\"%d\",整数0", "目标地址7 端口3 内容:\"%d\", 整数0"},
        {16, 3, 1, "", "设置发送数据使用 本地端口0"},
        {16, 3, 100, "", "设置发送数据使用 本地端口99"},
        {16, 4, 3, "3,数组0", "提取端口3数据的内容 并赋值给数组0"},
        {16, 5, 3, "9", "设置 内部总线通信波特率 200K"},
        {16, 5, 6, "", "设置 内部总线通信波特率 "},
        {16, 6, 1, "1", ""},
    });
    // The port and the bus speed are the parameter-2 codes themselves: nothing else is stored.
    EXPECT_EQ(actionStatement(16, 5, 3, "9").param3Length(), 0);
    EXPECT_EQ(actionStatement(16, 3, 1, "9").param3Length(), 0);
}

TEST(CommunicationActions, Network) {
    expectActionTexts({
        {20, 1, 1, "0,\"192.168.1.111\",6000", "设置UDP控制器0 连接 目标IP\"192.168.1.111\" 目标端口6000"},
        {20, 1, 2, "0,\"abc\"", "UDP控制器0 发送数据：\"abc\""},
        {20, 1, 4, "0,3000", "UDP控制器0 绑定本地端口 3000 (作为服务端)"},
        {20, 2, 2, "0,\"abc\"", "TCP控制器0 发送数据: \"abc\""},
        {20, 2, 3, "0", "TCP控制器0 断开连接"},
        {20, 3, 1, "\"192.168.1.110\",\"255.255.255.0\",\"192.168.1.1\"",
         "设置网络当前参数 IP:\"192.168.1.110\" 子网掩码:\"255.255.255.0\" 网关:\"192.168.1.1\""},
        {20, 3, 5, "整数0", "整数0 = TCP控制器数量"},
        {20, 4, 1, "3000", "打开TCP服务端口 3000 "},
        {20, 4, 1, "4001,5002,7000", "打开TCP服务端口 4001, 5002, 7000 "},
        {20, 4, 3, "4001,5002", "关闭TCP服务端口 4001, 5002 对应的连接"},
        {20, 4, 9, "整数0,\"x\"", "根据指针向 整数0 客户端发送数据 \"x\""},
        {20, 4, 13, "6010,\"192.168.1.100\",3000,\"x\"", "服务端口 6010 向客户端ip:\"192.168.1.100\" 端口:3000 发送数据 \"x\""},
        // Fallbacks: the parameter-2 name (empty past the lists), two blanks and the parameter-3 text,
        // or nothing.
        {20, 2, 4, "1,2", "  1, 2"},
        {20, 5, 1, "7", "  7"},
        {20, 1, 5, "1", ""},
        {20, 3, 8, "1", ""},
        {20, 4, 14, "1", ""},
        {20, 0, 1, "1", ""},
    });
}

TEST(CommunicationActions, DisconnectIsOfferedOnlyByTheClassicBuild) {
    EXPECT_EQ(offeredActionParam2(20, 2, kCurrentEdition).size(), 2u);
    const std::vector<OfferedEntry> classic = offeredActionParam2(20, 2, kClassicEdition);
    ASSERT_EQ(classic.size(), 3u);
    EXPECT_EQ(classic[2].code, 3);
    EXPECT_EQ(toUtf8(classic[2].name), "TCP控制器断开连接");
    for (const LangContext& context : {kCurrentEdition, kClassicEdition})
        EXPECT_EQ(toUtf8(actionText(actionStatementIn(context, 20, 2, 3, "1"), context)), "TCP控制器1 断开连接");
}

}  // namespace
}  // namespace lumio
