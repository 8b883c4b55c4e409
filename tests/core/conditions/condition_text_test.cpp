// Conditions from the 参数3 text the editor encodes to their stored bytes, their listing text and the
// text the editor shows again.
#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>

#include "core/lang/conditions/condition_param.h"
#include "core/lang/conditions/condition_text.h"
#include "core/text/gbk.h"
#include "tests/support/statements.h"

namespace lumio {
namespace {

Statement condition(int kind, int param1, int param2) { return testing::rawStatement(false, kind, param1, param2); }

const RenameTable& userNames() {
    static const RenameTable names = [] {
        RenameTable table;
        table.entries = {{toGbk("输入3"), toGbk("启动键")}, {toGbk("函数5"), toGbk("报警")}};
        return table;
    }();
    return names;
}

struct Case {
    int kind;
    int param1;
    int param2;
    const char* typed;    // the 参数3 text (UTF-8)
    const char* stored;   // param3 as hex pairs; nullptr: not checked
    const char* listing;  // conditionText
    const char* shown;    // decodeConditionParam; nullptr: the typed text
};

void check(const Case& c, const LangContext& context) {
    SCOPED_TRACE(::testing::Message() << c.kind << "/" << c.param1 << "/" << c.param2 << " «" << c.typed << "»");
    Statement statement = condition(c.kind, c.param1, c.param2);
    ASSERT_TRUE(encodeConditionParam(statement, toGbk(c.typed), context));
    if (c.stored != nullptr) {
        EXPECT_EQ(hexPairs(statement.param3()), c.stored);
    }
    EXPECT_EQ(toUtf8(conditionText(statement, context)), c.listing);
    EXPECT_EQ(toUtf8(decodeConditionParam(statement, context)), c.shown != nullptr ? c.shown : c.typed);
}

TEST(ConditionText, EveryKind) {
    const Case cases[] = {
        // 1 外部输入
        {1, 1, 1, "", "", "输入1 断开", nullptr},
        {1, 2, 8, "", "", "输入2 长按", nullptr},
        {1, 1, 9, "3", "07 06 01 00 00 00 03", "输入1连续按下3次", nullptr},
        {1, 1, 10, "整数1+5", "0D 03 02 01 03 64 2B 06 01 00 00 00 05", "输入1 = 整数1 + 5", "整数1 + 5"},
        // 2 输出状态变化
        {2, 4, 5, "", "", "输出4 状态翻转", nullptr},
        {2, 4, 6, "1", nullptr, "输出4 = 1", nullptr},
        // 3 定时器
        {3, 1, 2, "100", nullptr, "定时器0 > 100", nullptr},
        {3, 1, 4, "5", nullptr, "定时器0 大于等于 5", nullptr},
        {3, 1, 7, "", "", "定时器0减到0", nullptr},
        // 4 位变量 (two spaces)
        {4, 1, 3, "", "", "位变量0  0到1跳变", nullptr},
        {4, 2, 6, "1", nullptr, "位变量1 = 1", nullptr},
        // 5..8 numbers
        {5, 1, 6, "整数2", nullptr, "整数0 不等于 整数2", nullptr},
        {6, 3, 7, "4", nullptr, "全局整数2 判断 位4", nullptr},
        {7, 1, 3, "1.5", nullptr, "浮点数0 < 1.500000", "1.500000"},
        {8, 1, 5, "2", nullptr, "全局浮点数0 小于等于 2", nullptr},
        // 9, 10 arrays
        {9, 1, 1, "1 2 ff", "01 02 FF", "数组0等于16进制数据 01 02 FF", "01 02 FF"},
        {9, 1, 2, "OK", "4F 4B", "数组0等于字符串 OK", nullptr},
        {9, 1, 3, "整数1,\"a\"", nullptr, "数组0等于格式化字符串 整数1, \"a\"", "整数1, \"a\""},
        {9, 1, 4, "", "", "数组0和校验判断成功", nullptr},
        {10, 2, 5, "", "", "全局数组1crc16校验判断成功", nullptr},
        {9, 1, 6, "8", nullptr, "数组0字节数为8", nullptr},
        {9, 1, 7, "整数1+1", nullptr, "数组0 = 整数1 + 1", "整数1 + 1"},
        {10, 1, 8, "\"OK\"", nullptr, "全局数组0内容中包含\"OK\"", nullptr},
        {9, 1, 9, "2,{01 02}", nullptr, "数组0 位置2 等于{01 02}", "2, {01 02}"},
        // 11 固定输入
        {11, 1, 0, "", "", "上电初始化", nullptr},
        // 12 时间设定
        {12, 1, 1, "8时30分0秒", "16 07 06 01 00 00 00 08 07 06 01 00 00 00 1E 07 06 01 00 00 00 00",
         "进入时刻  8时30分0秒", nullptr},
        {12, 2, 1, "18时0分0秒", nullptr, "大于  18时0分0秒", nullptr},
        // 13 日期设定
        {13, 2, 1, "2024", nullptr, "当前年份 大于2024年", nullptr},
        {13, 1, 2, "5", nullptr, "当前月份 进入时刻5月", nullptr},
        {13, 4, 3, "1", nullptr, "当前日期 等于1日", nullptr},
        {13, 2, 4, "3", nullptr, "当前星期 大于星期3", nullptr},
        {13, 3, 5, "2", nullptr, "当前季度 小于2季度", nullptr},
        // 14 数据口接收到数据
        {14, 1, 1, "", "", "数据口1接收到临时数据包", nullptr},
        {14, 2, 2, "0a 0d", "0A 0D", "数据口2临时数据包等于16进制数据 0A 0D", "0A 0D"},
        {14, 1, 3, "AT", "41 54", "数据口1临时数据包等于字符串 AT", nullptr},
        {14, 1, 4, "\"T=\",整数1", nullptr, "数据口1临时数据包等于格式化字符串 \"T=\", 整数1", "\"T=\", 整数1"},
        {14, 1, 5, "", "", "数据口1临时数据包和校验成功", nullptr},
        {14, 1, 6, "", "", "数据口1临时数据包CRC16校验成功", nullptr},
        {14, 1, 7, "6", nullptr, "数据口1临时数据包字节数为 6", nullptr},
        {14, 1, 8, "{01 02}", nullptr, "数据口1临时数据包等于 {01 02}", nullptr},
        {14, 1, 9, "\"OK\"", nullptr, "数据口1临时数据包包含 \"OK\"", nullptr},
        {14, 10, 10, "1,{FF}", nullptr, "数据口10临时数据包 位置1 等于{FF}", "1, {FF}"},
        // 15 其他输入数据
        {15, 1, 2, "地址3  第2路", "0F 07 06 01 00 00 00 03 07 06 01 00 00 00 02", "联机开关量 地址3 第2路 闭合", nullptr},
        {15, 2, 1, "1,整数0", nullptr, "公共数据量1 = 整数0", "1, 整数0"},
        {15, 3, 2, "2,500", nullptr, "模拟量输入2 > 500", "2, 500"},
        {15, 3, 6, "2,500", nullptr, "模拟量输入2 不等于 500", "2, 500"},
        {15, 4, 1, "{01 02 03}", nullptr, "接收到无线遥控信号: {01 02 03}", nullptr},
        // Every object of kind 15 stores an ArgumentList, an empty one included.
        {15, 4, 2, "", "01", "接收到无线遥控对码信号", nullptr},
        {15, 4, 3, "", "01", "接收到任意无线遥控信号", nullptr},
        {15, 5, 1, "", "01", "接收到万能红外发射对码信号", nullptr},
        // 16 函数表达式
        {16, 1, 1, "整数1>0 并且 整数2>0", nullptr, "整数1>0 并且 整数2>0", nullptr},
        {16, 2, 5, "整数0=函数5(整数1)", nullptr, "整数0 = 函数5( 整数1 )", "整数0 =  ( 整数1 )"},
        {16, 2, 7, "整数0 = 函数5(1)", nullptr, "整数0 = 函数7( 1 )", "整数0 =  ( 1 )"},
        {16, 3, 1, "for(整数0=0;整数0<8;整数0=整数0+1)", nullptr, "for(整数0=0;整数0<8;整数0=整数0 + 1)",
         "for(整数0=0;整数0<8;整数0=整数0 + 1)"},
        {16, 4, 3, "整数0>(数组1)", nullptr, "整数0 > 提取长度( 数组1 )", "整数0 >  ( 数组1 )"},
        {16, 5, 1, "(1)", nullptr, "输入断开到闭合( 1 )", " ( 1 )"},
        {16, 6, 3, "(2)", nullptr, "检测输出翻转( 2 )", " ( 2 )"},
        {16, 7, 1, "(0)", nullptr, "位变量断开到闭合( 0 )", " ( 0 )"},
        {16, 8, 3, "(0)", nullptr, "定时器减到零( 0 )", " ( 0 )"},
        {16, 9, 1, "(1,2)", nullptr, "数据口接收到数据(1, 2)", " (1, 2)"},
        {16, 10, 1, "浮点数0=(浮点数1)", nullptr, "浮点数0 = 求平方根( 浮点数1 )", "浮点数0 =  ( 浮点数1 )"},
        {16, 10, 4, "()", nullptr, "求x除以y的余数( )", " ( )"},
        // The hidden SD-card object still lists its calls; function 4 keeps its trailing blank.
        {16, 11, 4, "(1)", nullptr, "保存并关闭文件 ( 1 )", " ( 1 )"},
        // 17 内部总线接收到数据
        {17, 1, 1, "2", nullptr, "端口 2 接收到数据包", nullptr},
        {17, 1, 2, "2,{01}", nullptr, "端口 2 = {01}", "2, {01}"},
        {17, 1, 3, "2,8", nullptr, "端口 2 数据字节数为 8", "2, 8"},
        {17, 1, 4, "2,\"OK\"", nullptr, "端口 2 数据包含 \"OK\"", "2, \"OK\""},
        {17, 1, 5, "1,2,3", nullptr, "端口 1数据 位置 2 等于 3", "1, 2, 3"},
        // 18 网络数据
        {18, 1, 1, "0", nullptr, "UDP控制器0 接收到数据", nullptr},
        {18, 1, 2, "0,\"192.168.1.110\"", nullptr, "UDP控制器0 数据源IP为\"192.168.1.110\"", "0, \"192.168.1.110\""},
        {18, 1, 3, "0,6000", nullptr, "UDP控制器0 数据源端口为6000", "0, 6000"},
        {18, 1, 4, "0,8", nullptr, "UDP控制器0 数据源字节数为8", "0, 8"},
        {18, 2, 1, "1", nullptr, "TCP控制器1 接收到数据", nullptr},
        {18, 2, 2, "1", nullptr, "TCP控制器1 连接成功", nullptr},
        {18, 2, 3, "1", nullptr, "TCP控制器1 发送数据成功", nullptr},
        {18, 2, 4, "0,\"192.168.1.110\"", nullptr, "TCP控制器0 对方IP\"192.168.1.110\"", "0, \"192.168.1.110\""},
        {18, 2, 5, "0,6000", nullptr, "TCP控制器0 对方端口6000", "0, 6000"},
        {18, 3, 1, "6010", nullptr, "TCP服务端口6010 接收到数据", nullptr},
        {18, 3, 2, "6010,\"192.168.1.110\"", nullptr, "TCP服务端口6010接收到的数据的对方IP为\"192.168.1.110\" ",
         "6010, \"192.168.1.110\""},
        {18, 3, 3, "6010,6010", nullptr, "TCP服务端口6010接收到的数据的对方端口为6010 ", "6010, 6010"},
        {18, 3, 4, "6011,\"示例字符串\"", nullptr, "TCP服务端口6011 接收到的数据 = \"示例字符串\"",
         "6011, \"示例字符串\""},
        {18, 3, 5, "6010,5", "0F 07 06 01 00 00 17 7A 07 06 01 00 00 00 05", "TCP服务端口6010 接收到的数据的长度 = 5",
         "6010, 5"},
        {18, 3, 6, "6010,0,{01 02 03}", nullptr, "TCP服务端口6010 接收到的数据 起始位置0 = {01 02 03}",
         "6010, 0, {01 02 03}"},
    };
    for (const Case& c : cases) check(c, {});
}

TEST(ConditionText, UserNames) {
    const LangContext context{Edition::Current, &userNames()};
    const Case cases[] = {
        {1, 3, 3, "", "", "启动键 断开到闭合", nullptr},
        {1, 3, 9, "3", nullptr, "启动键连续按下3次", nullptr},
        {1, 1, 10, "启动键", "04 03 25 03", "输入1 = 启动键", nullptr},
        {16, 2, 5, "整数0=(1)", nullptr, "整数0 = 报警( 1 )", "整数0 =  ( 1 )"},
    };
    for (const Case& c : cases) check(c, context);
}

TEST(ConditionText, CodesOutsideTheTables) {
    const Case cases[] = {
        // A mode beyond the kind's table has no text and stores nothing.
        {1, 1, 11, "5", "", "", ""},
        {16, 2, 101, "(1)", "", "", ""},
        // An object beyond its list leaves its name empty in the text.
        {1, 201, 1, "", "", " 断开", nullptr},
        {11, 2, 1, "01 02", "01 02", "", "01 02"},
        // Kinds outside 1..18 keep no parameter and list as two blanks.
        {19, 1, 1, "01 02", "", "  ", ""},
        {0, 0, 0, "x", "", "  ", ""},
        // Calls of an unnamed function still list their arguments.
        {16, 10, 22, "(1)", nullptr, "( 1 )", " ( 1 )"},
    };
    for (const Case& c : cases) check(c, {});
}

TEST(ConditionText, ModesWithoutParameterStoreNothing) {
    const std::initializer_list<std::tuple<int, int, int>> modes{{1, 1, 1}, {4, 1, 5}, {14, 1, 1}, {11, 1, 0}, {3, 1, 7}};
    for (const auto& [kind, param1, param2] : modes) {
        Statement statement = condition(kind, param1, param2);
        ASSERT_TRUE(statement.setParam3(std::string_view("\x07\x06\x01\x00\x00\x00\x03", 7)));
        ASSERT_TRUE(encodeConditionParam(statement, toGbk("整数1+5 typed anyway"), {}));
        EXPECT_EQ(statement.param3Length(), 0);
        EXPECT_EQ(statement.data[4], 0);
        EXPECT_EQ(decodeConditionParam(statement, {}), "");
    }
}

TEST(ConditionText, OversizedParameters) {
    // A condition chain over 200 bytes is stored as nothing.
    std::string chain = "整数1>0";
    for (int i = 0; i < 20; ++i) chain += " 并且 整数1>0";
    Statement statement = condition(16, 1, 1);
    ASSERT_TRUE(encodeConditionParam(statement, toGbk(chain), {}));
    EXPECT_EQ(statement.param3Length(), 0);

    // A loop header has no length byte of its own; one that would not fit is refused and the
    // statement keeps its previous parameter.
    std::string header = "for(";
    for (int i = 0; i < 20; ++i) header += "整数0=整数1+整数2;";
    header += ")";
    Statement loop = condition(16, 3, 1);
    ASSERT_TRUE(encodeConditionParam(loop, toGbk("for(整数0=0;整数0<8;整数0=整数0+1)"), {}));
    const Statement before = loop;
    EXPECT_FALSE(encodeConditionParam(loop, toGbk(header), {}));
    EXPECT_EQ(loop, before);
}

}  // namespace
}  // namespace lumio

namespace lumio {
namespace {

// The classic edition lacks the counter tokens and the system words after code 82, so a parameter
// naming them keeps only what that edition reads.
TEST(ConditionText, EditionsReadTheirOwnVocabulary) {
    struct EditionCase {
        const char* typed;
        const char* current;
        const char* classic;
    };
    const EditionCase cases[] = {
        {"输入计数器3", "整数0 = 输入计数器3", "整数0 = "},
        {"涂鸦状态+1", "整数0 = 涂鸦状态 + 1", "整数0 = 1"},
        {"数组1_2_3", "整数0 = 数组1_2_3", "整数0 = "},
        {"位变量0到1跳变", "整数0 = 位变量0到1跳变", "整数0 = 位变量0到1跳变"},
    };
    for (const EditionCase& c : cases) {
        SCOPED_TRACE(c.typed);
        for (const Edition edition : {Edition::Current, Edition::Classic}) {
            const LangContext context{edition, nullptr};
            Statement statement = condition(5, 1, 1);
            ASSERT_TRUE(encodeConditionParam(statement, toGbk(c.typed), context));
            EXPECT_EQ(toUtf8(conditionText(statement, context)), edition == Edition::Current ? c.current : c.classic);
        }
    }
}

}  // namespace
}  // namespace lumio

namespace lumio {
namespace {

// Stored bytes come from files and boards: whatever param3 holds, every code combination renders and
// decodes without reading past the parameter (run under the sanitizers).
TEST(ConditionText, ArbitraryStoredBytesAreReadSafely) {
    std::uint32_t seed = 12345;
    auto nextByte = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<char>(seed >> 16);
    };
    const std::string patterns[] = {std::string(243, '\xFF'), std::string("\x03\x02\x01", 3), std::string(1, '\0')};
    for (int kind = 0; kind <= 20; ++kind)
        for (int param1 = 0; param1 <= 12; ++param1)
            for (int param2 = 0; param2 <= 25; ++param2)
                for (int round = 0; round < 4; ++round) {
                    Statement statement = condition(kind, param1, param2);
                    std::string bytes = round < 3 ? patterns[round] : std::string();
                    if (round == 3)
                        for (int i = 0; i < 60; ++i) bytes.push_back(nextByte());
                    ASSERT_TRUE(statement.setParam3(bytes));
                    for (const Edition edition : {Edition::Current, Edition::Classic}) {
                        const LangContext context{edition, &userNames()};
                        conditionText(statement, context);
                        decodeConditionParam(statement, context);
                    }
                }
}

}  // namespace
}  // namespace lumio
