#include <gtest/gtest.h>

#include "core/lang/actions/action_examples.h"
#include "core/lang/actions/action_text.h"
#include "core/lang/actions/param3_codec.h"
#include "core/text/gbk.h"
#include "tests/core/actions/action_test_support.h"

namespace lumio {
namespace {

const LangContext& kCurrent = testing::kCurrentEdition;
const LangContext& kClassic = testing::kClassicEdition;

Statement action(int kind, int p1, int p2, const char* param3Utf8 = "", const LangContext& context = kCurrent) {
    return testing::actionStatementIn(context, kind, p1, p2, param3Utf8);
}

std::string textOf(const Statement& statement, const LangContext& context = kCurrent) {
    return toUtf8(actionText(statement, context));
}

struct TextCase {
    int kind, p1, p2;
    const char* param3;
    const char* expected;
};

void expectTexts(const std::vector<TextCase>& cases, const LangContext& context = kCurrent) {
    for (const TextCase& c : cases)
        EXPECT_EQ(textOf(action(c.kind, c.p1, c.p2, c.param3, context), context), c.expected)
            << c.kind << "/" << c.p1 << "/" << c.p2 << " «" << c.param3 << "»";
}

TEST(ActionText, OutputRelays) {
    expectTexts({
        {1, 1, 1, "3", "操作输出继电器 闭合第 3 路"},
        {1, 1, 2, "3,4", "操作输出继电器 断开第 3, 4 路"},
        {1, 1, 4, "2,500", "操作输出继电器 点动输出2 500毫秒"},
        {1, 1, 5, "", "操作输出继电器 全部闭合"},
        {1, 1, 8, "300", "操作输出继电器 点动全部输出 300毫秒"},
        {1, 1, 9, "", "操作输出继电器 依次闭合全部输出 间隔500毫秒"},
        {1, 1, 9, "200", "操作输出继电器 依次闭合全部输出 间隔200毫秒"},
        {1, 1, 9, "1,2", "操作输出继电器 "},
        {1, 1, 9, "100,1,8", "操作输出继电器 间隔100毫秒,依次闭合 第1路 - 第8路"},
        {1, 1, 9, "100,1,8,9", "操作输出继电器 "},
        {1, 1, 10, "", "操作输出继电器 依次断开全部输出 间隔500毫秒"},
        {1, 1, 10, "100,2,4", "操作输出继电器 间隔100毫秒,依次断开 第2路 - 第4路"},
        {1, 1, 11, "100,1,3,5", "操作输出继电器 间隔100毫秒 依次闭合第1, 3, 5路"},
        {1, 1, 12, "50", "操作输出继电器 间隔50毫秒 依次断开第路"},
        {1, 1, 13, "1", "操作输出继电器 "},
        {1, 2, 3, "1", "操作输出继电器 输出3 = 1"},
        {1, 3, 1, "5", "操作输出继电器 "},
    });
}

TEST(ActionText, TimersAndBitVariables) {
    expectTexts({
        {2, 1, 1, "5", "定时器0 = 5"},
        {2, 100, 1, "整数1+5", "定时器99 = 整数1 + 5"},
        {2, 1, 4, "", "定时器0暂停计数"},
        {2, 2, 2, "7", "定时器1单位时间加1"},
        {2, 101, 1, "5", ""},
        {3, 1, 1, "4", "位变量4 = 0"},
        {3, 1, 3, "4", "翻转位变量4"},
        {3, 1, 4, "2,300", "点动位变量2 300毫秒"},
        {3, 1, 7, "", "位变量全部翻转"},
        {3, 2, 5, "1", "位变量5 = 1"},
        {3, 1, 8, "1", ""},
        {3, 3, 1, "1", ""},
    });
}

TEST(ActionText, Numbers) {
    expectTexts({
        {4, 1, 1, "整数1+5", "整数0 = 整数1 + 5"},
        {5, 2, 2, "数组1,2", "全局整数1 = 提取字符串表达式 数组1 中的第2个数字"},
        {4, 3, 3, "数组1", "整数2 =16进制字符串：数组1"},
        {5, 1, 6, "数组1", "全局整数0 =字节数组转化(高位在前)：数组1"},
        {4, 1, 7, "3,1", "整数0  位3 = 1"},
        {4, 1, 8, "1", "整数0通过数据口1向外发送10进制字符串"},
        {5, 1, 12, "2", "全局整数0通过数据口2向外发送16进制数组 高位在前"},
        {4, 1, 13, "2", ""},
        {6, 1, 1, "1", "浮点数0 = 1"},
        {6, 1, 3, "数组1", "浮点数0 = 单精度4字节转换 低位在前 表达式: 数组1"},
        {7, 2, 2, "数组1,3", "全局浮点数1 = 提取字符串表达式 数组1 中的第3个数字"},
        {7, 1, 7, "2", "全局浮点数0通过数据口2发送10进制字符串"},
        {6, 1, 11, "2", "浮点数0通过数据口2向外发送双精度8字节 高位在前"},
        {7, 1, 12, "2", ""},
    });
}

TEST(ActionText, Arrays) {
    expectTexts({
        {8, 1, 1, "整数1", "数组0 = 整数1"},
        {8, 2, 2, "hello world", "数组1 = 字符串：hello world"},
        {8, 3, 1, "01 0A ff 1234", "数组0 = 16进制数据：01 0A FF 34"},
        {8, 3, 1, "0123456789", "数组0 = 16进制数据："},
        {9, 4, 3, "\"%d\",整数1", "全局数组2 = 格式化字符串：\"%d\", 整数1"},
        {8, 5, 2, "3", "数组3 字节倒序"},
        {9, 6, 1, "2,0,5", "全局数组2 位置0  插入表达式:5"},
        {8, 6, 2, "1,0,\"%d\",整数1", "数组1 位置0  插入格式化字符串:\"%d\", 整数1"},
        {8, 6, 3, "1,65", "数组1 头部添加65 "},
        {8, 6, 5, "1,10,0", "数组1 延长数组长度到10 字节值：0"},
        {8, 7, 3, "1,2,3", "数组1 删除中间字节 位置2 数量3"},
        {8, 8, 4, "1,整数0", "数组1 = 作为整数的整数0转换成16进制数组(低位在前)"},
        {9, 9, 5, "1,浮点数0", "全局数组1 = 作为浮点数的浮点数0转换为双精度8字节(高位在前)"},
        {8, 10, 2, "3", "数组3通过数据口2发出去"},
        {9, 11, 2, "1,65,66,9", "在 全局数组1 中查找65,并替换为66"},
        {8, 11, 1, "1,65,整数0", "在 数组1 中查找65,位置信息赋值给整数0"},
        {8, 12, 3, "1,2,3,数组2", "提取数组1中的元素,位置 2 数量 3,赋值给 数组2"},
        {8, 12, 5, "4", "清零 数组4 中所有元素的值，长度不变"},
        {8, 12, 6, "4,数组1", "赋值： 数组4 = 数组1"},
        {8, 12, 7, "4", ""},
        {8, 13, 1, "4", ""},
    });
}

TEST(ActionText, ExpressionsAndBlocks) {
    expectTexts({
        {12, 1, 1, "整数0=整数0+1", "整数0=整数0 + 1"},
        {12, 1, 1, "整数0=1;整数1=2", "整数0=1;整数1=2"},
        {12, 1, 2, "整数0>1;整数1<2", "线程等待表达式成立(多则与)：整数0>1;整数1<2"},
        {12, 1, 3, "整数0>1", "线程等待表达式成立(多则或)：整数0>1"},
        {12, 1, 4, "整数0>1", ""},
        {12, 2, 1, "整数0", "{"},
        {12, 3, 5, "整数0", "}"},
        {12, 4, 0, "", "否则"},
        {12, 5, 1, "", ""},
    });
}

TEST(ActionText, FunctionCalls) {
    expectTexts({
        {13, 1, 5, "整数1=(整数2, 3)", "整数1 = 函数5(整数2, 3)"},
        {13, 1, 5, "整数1=函数9(整数2, 3)", "整数1 = 函数5(整数2, 3)"},
        {13, 1, 5, "(整数2)", "函数5( 整数2 )"},
        {13, 1, 1, "()", "函数1( )"},
        {13, 2, 1, "整数0", "函数返回：整数0"},
        {13, 2, 2, "整数0", "函数返回"},
        {13, 2, 3, "", "跳转到函数开始"},
        {13, 2, 4, "", ""},
        {13, 3, 1, "整数0=整数1(2,3)", "整数0 = 函数[整数1](2, 3)"},
        {13, 3, 2, "整数0=整数1(2,3)", ""},
        {13, 9, 1, "浮点数0=(浮点数1)", "浮点数0 = 求平方根( 浮点数1 )"},
        {13, 9, 4, "(浮点数1,3)", "求x除以y的余数(浮点数1, 3)"},
        {13, 7, 6, "(1)", "( 1 )"},
        {13, 8, 4, "(1)", "保存并关闭文件 ( 1 )"},
        {13, 14, 1, "(1)", ""},
    });
}

TEST(ActionText, ChangingTheSystemFunctionKeepsTheCall) {
    Statement call = action(13, 9, 1, "浮点数0=(浮点数1)");
    const Bytes stored(call.param3());
    call.setParam2(4);
    EXPECT_EQ(call.param3(), stored);
    EXPECT_EQ(textOf(call), "浮点数0 = 求x除以y的余数( 浮点数1 )");
    call.setParam1(7);
    call.setParam2(6);
    EXPECT_EQ(textOf(call), "浮点数0 = ( 浮点数1 )");
}

TEST(ActionText, UnknownKinds) {
    expectTexts({{25, 1, 1, "", "  "}, {0, 3, 3, "5", "  "}, {255, 0, 0, "", "  "}});
    // Parameter bytes a loaded program holds for such a kind are kept but never shown.
    Statement stored = action(25, 1, 1);
    ASSERT_TRUE(stored.setParam3(encodeParam3(Param3Form::ArgumentList, "1,2", kCurrent)));
    EXPECT_EQ(textOf(stored), "  ");
    EXPECT_EQ(decodeActionParam(stored, kCurrent), "");
}

TEST(ActionText, UserNames) {
    RenameTable table;
    table.entries = {{toGbk("全局整数0"), toGbk("液位")}, {toGbk("整数0"), toGbk("局部")},
                     {toGbk("函数2"), toGbk("启动泵")},  {toGbk("输出3"), toGbk("水泵")},
                     {toGbk("定时器0"), toGbk("延时")}};
    const LangContext named{Edition::Current, &table};
    expectTexts({
        {5, 1, 1, "3", "液位 = 3"},
        {4, 1, 1, "3", "整数0 = 3"},
        {13, 1, 2, "(1)", "启动泵( 1 )"},
        {1, 2, 3, "1", "操作输出继电器 水泵 = 1"},
        {2, 1, 4, "", "延时暂停计数"},
    }, named);
}

TEST(ActionText, ClassicRendersTheSameTexts) {
    expectTexts({
        {12, 1, 2, "整数0>1", "线程等待表达式成立(多则与)：整数0>1"},
        {1, 1, 9, "", "操作输出继电器 依次闭合全部输出 间隔500毫秒"},
        {13, 9, 1, "浮点数0=(浮点数1)", "浮点数0 = 求平方根( 浮点数1 )"},
    }, kClassic);
}

TEST(ActionParam, DecodesWithTheChosenForm) {
    const struct {
        int kind, p1, p2;
        const char* typed;
        const char* shown;
    } cases[] = {
        {1, 1, 1, "1,2,3", "1, 2, 3"},
        {2, 1, 1, "整数1+5", "整数1 + 5"},
        {2, 1, 2, "整数1+5", ""},
        {2, 101, 1, "整数1+5", ""},
        {8, 3, 1, "01 0A ff 1234", "01 0A FF 34"},
        {8, 3, 1, "01 02 0G", "01 02 00"},
        {8, 2, 1, "  abc ", "  abc "},
        {12, 1, 1, "整数0=0;整数0<8;", "整数0=0;整数0<8"},
        {12, 2, 1, "整数0=0", ""},
        {13, 1, 5, "整数1=(整数2, 3)", "整数1 = (整数2, 3)"},
        {13, 3, 1, "整数0=整数1(2,3)", "整数0 = 整数1(2, 3)"},
        {13, 2, 1, "整数0", "整数0"},
        {13, 2, 2, "整数0", ""},
    };
    for (const auto& c : cases) {
        const Statement statement = action(c.kind, c.p1, c.p2, c.typed);
        const std::string shown = decodeActionParam(statement, kCurrent);
        EXPECT_EQ(toUtf8(shown), c.shown) << c.kind << "/" << c.p1 << "/" << c.p2;
        // The shown text reads back to the same bytes.
        Statement again = statement;
        ASSERT_TRUE(encodeActionParam(again, shown, kCurrent));
        EXPECT_EQ(again.param3(), statement.param3()) << c.kind << "/" << c.p1 << "/" << c.p2;
    }
}

TEST(ActionParam, StoredBytes) {
    EXPECT_EQ(action(8, 3, 1, "01 0A ff 1234").param3(), Bytes("\x01\x0A\xFF\x34", 4));
    EXPECT_EQ(action(8, 3, 1, "0123456789").param3Length(), 0);
    EXPECT_EQ(action(8, 2, 1, std::string(250, 'a').c_str()).param3(), Bytes(200, 'a'));
    EXPECT_EQ(action(8, 2, 1, std::string(300, 'b').c_str()).param3(), Bytes(200, 'b'));
    // The worked argument list «6010,5».
    EXPECT_EQ(action(20, 4, 4, "6010,5").param3(),
              Bytes("\x0F\x07\x06\x01\x00\x00\x17\x7A\x07\x06\x01\x00\x00\x00\x05", 15));
    EXPECT_EQ(action(2, 1, 3, "5").param3Length(), 0);
    // A timer beyond the list (only from a loaded program) keeps no parameter once edited.
    EXPECT_EQ(action(2, 101, 1, "5").param3Length(), 0);
}

TEST(ActionParam, EncodingRewritesOnlyTheParameter) {
    Statement statement = action(4, 7, 1, "整数1+5");
    statement.comment = "note";
    ASSERT_TRUE(encodeActionParam(statement, toGbk("3"), kCurrent));
    EXPECT_EQ(statement.kind(), 4);
    EXPECT_EQ(statement.param1(), 7);
    EXPECT_EQ(statement.param2(), 1);
    EXPECT_EQ(statement.comment, "note");
    // A shorter parameter leaves no bytes of the longer one behind.
    for (size_t offset = kParam3Offset + statement.param3Length(); offset < kDataSize; ++offset)
        EXPECT_EQ(statement.data[offset], 0) << offset;
}

TEST(ActionParam, RefusesAParameterThatDoesNotFit) {
    Statement statement = action(12, 1, 1, "整数0=1");
    const Statement before = statement;
    std::string many;
    for (int i = 0; i < 40; ++i) many += "整数0=整数1+1;";
    EXPECT_FALSE(encodeActionParam(statement, toGbk(many), kCurrent));
    EXPECT_EQ(statement, before);
}

TEST(ActionExamples, Rows) {
    const struct {
        int kind, p1, p2, k;
        const char* expected;
    } cases[] = {
        {13, 1, 7, 1, "(1,2)"},
        {13, 1, 7, 5, "数据口1=(1,数组2)"},
        {13, 1, 7, 6, ""},
        {10, 12, 3, 3, "PC2"},
        {10, 12, 8, 1, ""},
        {10, 12, 11, 2, "2,PA1 第几路 对应IO几"},
        {10, 14, 1, 2, "\"192.168.1.110\",\"255.255.255.0\",\"192.168.1.1\""},
        {10, 16, 19, 1, "1,PA0"},
        {19, 7, 1, 3, "1,7.89"},
        {20, 2, 3, 1, "0"},
        {20, 3, 7, 3, "数据口1"},
        {20, 4, 13, 1, "6010,\"192.168.1.100\",3000,{01 02 03}"},
        {20, 4, 14, 1, ""},
        {1, 1, 1, 1, ""},
        {13, 1, 7, 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(toUtf8(actionExample(c.kind, c.p1, c.p2, c.k)), c.expected)
            << c.kind << "/" << c.p1 << "/" << c.p2 << " #" << c.k;
    EXPECT_EQ(actionExample(action(13, 1, 2), 2), toGbk("整数0=(1,2)"));
}

TEST(EditorParam3Text, TrimsAndTurnsFullWidthQuotes) {
    const struct {
        const char* typed;
        const char* encoded;
    } cases[] = {
        {"  “abc”,1 ", "\"abc\",1"},
        {"\"a\"“b”", "\"a\"“b”"},
        {"啊啊", "啊啊"},  // B0 A1 B0 A1 holds the bytes of "“" across two characters
        {"\t1 ", "1"},
    };
    for (const auto& c : cases) EXPECT_EQ(toUtf8(editorParam3Text(toGbk(c.typed))), c.encoded) << c.typed;
}

// Stored bytes come from files and boards: whatever they hold, every kind renders and decodes without
// reading outside the statement, and what it shows reads back without growing past the record.
TEST(ActionText, ArbitraryStoredBytes) {
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<std::uint8_t>(seed >> 16);
    };
    for (int round = 0; round < 3000; ++round) {
        Statement statement;
        statement.isAction = 1;
        statement.setKind(static_cast<std::uint8_t>(next() % 22));
        statement.setParam1(static_cast<std::uint8_t>(next() % 15));
        statement.setParam2(static_cast<std::uint8_t>(next() % 14));
        Bytes bytes(next() % 60, '\0');
        for (char& byte : bytes) byte = static_cast<char>(next() % 4 == 0 ? next() % 8 : next());
        ASSERT_TRUE(statement.setParam3(bytes));
        for (const LangContext& context : {kCurrent, kClassic}) {
            (void)actionText(statement, context);
            Statement again = statement;
            if (encodeActionParam(again, decodeActionParam(statement, context), context)) {
                EXPECT_LE(again.param3Length(), kMaxParam3);
            }
        }
    }
}

}  // namespace
}  // namespace lumio
