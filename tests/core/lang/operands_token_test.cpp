#include <gtest/gtest.h>

#include "core/lang/operands/system_words.h"
#include "core/lang/operands/token.h"
#include "tests/core/lang/expressions_test_support.h"

namespace lumio {
namespace {

using test::g;
using test::hex;
using test::kClassic;
using test::kCurrent;
using test::u;

struct ClassifyCase {
    const char* text;
    int kind;
    int index;
    std::int32_t value;
    const char* display;
};

TEST(ClassifyToken, KindsIndexesAndDisplayTexts) {
    const ClassifyCase cases[] = {
        {"15", 1, 0, 15, "15"},
        {"-7", 1, 0, -7, "-7"},
        {"整数1", 2, 1, 0, "整数1"},
        {"变量2", 2, 2, 0, "整数2"},
        {"局部整数3", 2, 3, 0, "整数3"},
        {"局部变量4", 2, 4, 0, "整数4"},
        {"全局整数05", 3, 5, 0, "全局整数5"},
        {"全局变量6", 3, 6, 0, "全局整数6"},
        {"内部变量7", 3, 7, 0, "全局整数7"},
        {"函数参数1", 4, 1, 0, "函数参数1"},
        {"定时器9", 6, 9, 0, "定时器9"},
        {"全局浮点数2", 7, 2, 0, "全局浮点数2"},
        {"全局小数3", 7, 3, 0, "全局浮点数3"},
        {"0x0a", 8, 0, 10, "0X0A"},
        {"0x0", 8, 0, 0, "0X00"},
        {"0X1234", 8, 0, 0x1234, "0X1234"},
        {"0xFFFFFFFF", 8, 0, -1, "0XFFFFFFFF"},
        {"0x1FFFFFFFF", 8, 0, -1, "0XFFFFFFFF"},
        {"'ab'", 9, 0, 'a', "'a'"},
        {"输入", 10, 8, 0, "输入"},
        {"联机开关量", 10, 43, 0, "联机开关量"},
        {"can", 10, 26, 0, "CAN"},
        {"批量赋值", 10, 94, 0, "批量赋值"},
        {"pa3", 11, 3, 0, "PA3"},
        {"PH7", 18, 7, 0, "PH7"},
        {"脉冲计数2", 21, 2, 0, "脉冲计数2"},
        {"浮点数1", 25, 1, 0, "浮点数1"},
        {"局部浮点数2", 25, 2, 0, "浮点数2"},
        {"小数3", 25, 3, 0, "浮点数3"},
        {"udp2", 27, 2, 0, "UDP2"},
        {"TCP1", 28, 1, 0, "TCP1"},
        {"数组1", 33, 1, 0, "数组1"},
        {"局部数组2", 33, 2, 0, "数组2"},
        {"全局数组3", 35, 3, 0, "全局数组3"},
        {"数据口1", 36, 1, 0, "数据口1"},
        {"输入3", 37, 3, 0, "输入3"},
        {"输出4", 38, 4, 0, "输出4"},
        {"位变量0", 39, 0, 0, "位变量0"},
        {"CAN1", 40, 1, 0, "CAN1"},
        {"红外1", 41, 1, 0, "红外1"},
        {"遥控发射2", 42, 2, 0, "遥控发射2"},
        {"模拟量输入1", 43, 1, 0, "模拟量输入1"},
        {"iic1", 44, 1, 0, "IIC1"},
        {"SPI2", 45, 2, 0, "SPI2"},
        {"联机开关量3", 47, 3, 0, "联机开关量3"},
        {"编码器1", 48, 1, 0, "编码器1"},
        {"模拟量输出2", 49, 2, 0, "模拟量输出2"},
        {"输入计数器1", 51, 1, 0, "输入计数器1"},
        {"函数7", 59, 7, 0, "函数7"},
        {"输入闭合计数5", 60, 5, 0, "输入闭合计数5"},
        {"输入断开计数5", 61, 5, 0, "输入断开计数5"},
        {"输出闭合计数5", 62, 5, 0, "输出闭合计数5"},
        {"输出断开计数5", 63, 5, 0, "输出断开计数5"},
        {"整数300", 2, 44, 0, "整数44"},
        {"整数-1", 2, 255, 0, "整数255"},
        {"+", 100, '+', 0, " + "},
        {",", 100, ',', 0, " , "},
        {"(", 100, '(', 0, "("},
        {")", 100, ')', 0, ")"},
        {"]", 100, ']', 0, "]"},
        {"（", 100, '(', 0, "("},
        {"  输入3  ", 37, 3, 0, "输入3"},
        {"", 0, 0, 0, ""},
        {"输入3a", 0, 0, 0, ""},
        {"整数", 10, 3, 0, "整数"},
        {"温度", 0, 0, 0, ""},
    };
    for (const ClassifyCase& c : cases) {
        const Token token = classifyToken(g(c.text), kCurrent);
        EXPECT_EQ(kindCode(token), c.kind) << c.text;
        EXPECT_EQ(token.index, c.index) << c.text;
        EXPECT_EQ(token.value, c.value) << c.text;
        EXPECT_EQ(u(tokenText(token, kCurrent)), c.display) << c.text;
    }
}

TEST(ClassifyToken, Constants) {
    const Token real = classifyToken("1.5", kCurrent);
    EXPECT_EQ(real.kind, TokenKind::FloatConstant);
    EXPECT_EQ(floatValue(real), 1.5);
    EXPECT_EQ(tokenText(real, kCurrent), "1.500000");
    EXPECT_EQ(encodeToken(real), hex("0A 16 00 00 00 00 00 00 F8 3F"));

    const Token bytes = classifyToken("{1 2 ff}", kCurrent);
    EXPECT_EQ(bytes.kind, TokenKind::ByteString);
    EXPECT_EQ(tokenText(bytes, kCurrent), "{01 02 FF}");
    EXPECT_EQ(encodeToken(bytes), hex("05 1F 01 02 FF"));
    EXPECT_EQ(tokenText(classifyToken("{}", kCurrent), kCurrent), "{}");
    // Empty constants are stored as two bytes and read back.
    for (const char* empty : {"{}", "\"\""}) {
        const Token token = classifyToken(empty, kCurrent);
        EXPECT_EQ(encodeToken(token).size(), 2u) << empty;
        EXPECT_EQ(decodeToken(encodeToken(token)), token) << empty;
    }
    EXPECT_EQ(classifyToken("{1 0123456789}", kCurrent).payload, "") << "a group over 9 characters";
    // Each group is read as hex digits up to its first other character: no sign, no "0x", no cap.
    EXPECT_EQ(classifyToken("{-1 0x10 zz 123456789 1g 0Fx}", kCurrent).payload, hex("00 00 00 89 01 0F"));
    std::string many = "{";
    for (int i = 0; i < 210; ++i) many += "1 ";
    EXPECT_EQ(classifyToken(many + "}", kCurrent).payload.size(), 200u);

    const Token text = classifyToken("\"ab\"", kCurrent);
    EXPECT_EQ(text.kind, TokenKind::Text);
    EXPECT_EQ(encodeToken(text), hex("04 20 61 62"));
    // Escapes are read and written back; an unknown escape keeps its backslash.
    const Token escaped = classifyToken(R"("a\tb\n\"q\"\\\x\r")", kCurrent);
    EXPECT_EQ(escaped.payload, "a\tb\n\"q\"\\\\x\r");
    EXPECT_EQ(tokenText(escaped, kCurrent), R"("a\tb\n\"q\"\\\\x\r")");
    EXPECT_EQ(classifyToken("\"ab\\\"", kCurrent).payload, "ab") << "a final lone backslash is dropped";
    const Token tab = classifyToken("\"\t\"", kCurrent);
    EXPECT_EQ(tokenText(tab, kCurrent), "\"\\t\"");
    EXPECT_EQ(classifyToken("\"" + std::string(300, 'x') + "\"", kCurrent).payload.size(), 200u);
    // The 200-byte cut never leaves half a character.
    std::string wide;
    for (int i = 0; i < 100; ++i) wide += g("中");
    EXPECT_EQ(classifyToken("\"x" + wide + "\"", kCurrent).payload.size(), 199u);
    // The shift operators arrive as their stored bytes.
    EXPECT_EQ(tokenText(classifyToken("\x81", kCurrent), kCurrent), " << ");
    EXPECT_EQ(tokenText(classifyToken("\x82", kCurrent), kCurrent), " >> ");
}

TEST(ClassifyToken, ArraySlices) {
    const Token slice = classifyToken(g("数组1_2_9"), kCurrent);
    ASSERT_EQ(slice.kind, TokenKind::ArraySlice);
    EXPECT_EQ(slice.scope, 0);
    EXPECT_EQ(slice.sliceA, 1);
    EXPECT_EQ(slice.sliceB, 2);
    EXPECT_EQ(slice.sliceC, 9);
    const Bytes stored = encodeToken(slice);
    EXPECT_EQ(stored, hex("08 40 00 00 01 00 02 01"));
    EXPECT_EQ(u(tokenText(decodeToken(stored), kCurrent)), "数组1_2_1");
    const Token global = classifyToken(g("全局数组2_300_x"), kCurrent);
    EXPECT_EQ(global.scope, 1);
    EXPECT_EQ(global.sliceB, 300);
    EXPECT_EQ(global.sliceC, 0);
    EXPECT_EQ(u(tokenText(global, kCurrent)), "全局数组2_300_0");
    EXPECT_EQ(classifyToken(g("数组1__2"), kCurrent).kind, TokenKind::Empty) << "empty middle part";
    EXPECT_EQ(classifyToken(g("数组1_2"), kCurrent).kind, TokenKind::Empty) << "one underscore";
    EXPECT_EQ(classifyToken(g("数组1_2_3_4"), kCurrent).kind, TokenKind::Empty) << "three underscores";
}

TEST(ClassifyToken, ClassicEditionLacksCountersAndSlices) {
    for (const char* text : {"输入计数器1", "输入闭合计数5", "输入断开计数5", "输出闭合计数5", "输出断开计数5", "数组1_2_3"})
        EXPECT_EQ(classifyToken(g(text), kClassic).kind, TokenKind::Empty) << text;
    EXPECT_EQ(classifyToken(g("输入3"), kClassic).kind, TokenKind::Input);
    EXPECT_EQ(classifyToken(g("涂鸦状态"), kClassic).kind, TokenKind::Empty);
    EXPECT_EQ(classifyToken(g("涂鸦状态"), kCurrent).index, 83);
    EXPECT_EQ(classifyToken(g("读MODBUS寄存器"), kClassic).index, 75);
    EXPECT_EQ(classifyToken(g("读modbus寄存器"), kClassic).index, 75);
    Token counter;
    counter.kind = TokenKind::InputCounter;
    counter.index = 1;
    EXPECT_EQ(tokenText(counter, kClassic), "");
}

TEST(SystemWords, BothEditions) {
    EXPECT_EQ(u(systemWord(1, Edition::Current)), "数据口");
    EXPECT_EQ(u(systemWord(49, Edition::Current)), "函数");
    EXPECT_EQ(u(systemWord(72, Edition::Current)), "芯片唯一ID");
    EXPECT_EQ(u(systemWord(73, Edition::Current)), "使能MODBUS自由寄存器_已经淘汰");
    EXPECT_EQ(u(systemWord(76, Edition::Current)), "写MODBUS本机寄存器");
    EXPECT_EQ(u(systemWord(82, Edition::Current)), "位变量1到0跳变");
    EXPECT_EQ(u(systemWord(92, Edition::Current)), "MODBUS从机寄存器（待用）");
    EXPECT_EQ(u(systemWord(94, Edition::Current)), "批量赋值");
    EXPECT_EQ(systemWord(95, Edition::Current), "");
    EXPECT_EQ(systemWord(0, Edition::Current), "");
    EXPECT_EQ(systemWord(-1, Edition::Current), "");
    EXPECT_EQ(u(systemWord(73, Edition::Classic)), "使能MODBUS自由寄存器");
    EXPECT_EQ(u(systemWord(74, Edition::Classic)), "失能MODBUS自由寄存器");
    EXPECT_EQ(u(systemWord(75, Edition::Classic)), "读MODBUS寄存器");
    EXPECT_EQ(u(systemWord(76, Edition::Classic)), "写MODBUS寄存器");
    EXPECT_EQ(u(systemWord(82, Edition::Classic)), "位变量1到0跳变");
    EXPECT_EQ(systemWord(83, Edition::Classic), "");
    for (int code = 1; code <= kSystemWordCount; ++code) {
        EXPECT_FALSE(systemWord(code, Edition::Current).empty()) << code;
        EXPECT_EQ(systemCode(systemWord(code, Edition::Current), Edition::Current), code == 77 ? 43 : code);
    }
    EXPECT_EQ(systemCode(g("批量赋值"), Edition::Classic), 0);
    EXPECT_EQ(systemCode(g("MODBUS本机寄存器"), Edition::Classic), 0);
    EXPECT_EQ(systemCode("", Edition::Current), 0);
}

struct StoredCase {
    const char* text;
    const char* bytes;
};

TEST(EncodeToken, StoredForms) {
    const StoredCase cases[] = {
        {"\"ab\"", "04 20 61 62"},
        {"输入3", "03 25 03"},
        {"0x10", "06 08 00 00 00 10"},
        {"(", "05 64 28 00 00"},
        {"+", "03 64 2B"},
        {"-5", "06 01 FF FF FF FB"},
        {"'a'", "06 09 00 00 00 61"},
        {"年", "03 0A 13"},
    };
    for (const StoredCase& c : cases) {
        const Token token = classifyToken(g(c.text), kCurrent);
        EXPECT_EQ(encodeToken(token), hex(c.bytes)) << c.text;
        EXPECT_EQ(decodeToken(hex(c.bytes)), token) << c.text;
    }
    Token odd;
    odd.kind = static_cast<TokenKind>(24);
    EXPECT_EQ(encodeToken(odd), hex("01"));
    odd.kind = static_cast<TokenKind>(70);
    EXPECT_EQ(encodeToken(odd), hex("01"));
    odd.kind = static_cast<TokenKind>(5);
    odd.index = 9;
    EXPECT_EQ(encodeToken(odd), hex("03 05 09"));
    EXPECT_EQ(decodeToken(hex("03 05 09")), odd) << "unnamed kinds are carried";
    EXPECT_EQ(tokenText(odd, kCurrent), "");
}

TEST(DecodeToken, LengthsAndMalformedBytes) {
    EXPECT_EQ(decodeToken(hex("03 01 FF")).value, 255);
    EXPECT_EQ(decodeToken(hex("04 01 12 34")).value, 0x1234);
    EXPECT_EQ(decodeToken(hex("05 01 12 34 56")).value, 0) << "kind kept, value 0";
    EXPECT_EQ(decodeToken(hex("05 01 12 34 56")).kind, TokenKind::Integer);
    EXPECT_EQ(decodeToken(hex("05 64 5B 21 03")).value, 0x2103);
    EXPECT_EQ(decodeToken(hex("03 64 5B")).value, 0);
    const char* empties[] = {
        "",           "00",          "01",             "02 25",       "04 25 03 00", "03 25",  // truncated
        "09 16 00",   "02 22",       "07 40 00 00 01", "03 13 01",    "03 41 01",    "03 65 01",
        "02 64",      "06 01 00 00", "FF 20 61",
    };
    for (const char* bytes : empties) EXPECT_EQ(decodeToken(hex(bytes)), Token{}) << bytes;
}

TEST(TokenText, IndexedBases) {
    struct Case {
        int baseKind;
        int baseIndex;
        const char* text;
    };
    const Case cases[] = {
        {2, 1, "整数1["},   {3, 5, "全局整数5["}, {10, 1, "数据口["},   {21, 2, "过滤器2["},
        {24, 3, "局部变量3["}, {26, 4, "内部变量4["}, {27, 1, "UDP1["}, {28, 2, "TCP2["},
        {33, 3, "数组3["},   {35, 2, "全局数组2["}, {36, 1, "数据口1["}, {40, 1, "CAN1["},
        {47, 2, "联机开关量2["}, {48, 1, "编码器1["}, {0, 0, "格式出错"}, {37, 1, "格式出错"},
    };
    for (const Case& c : cases) {
        Token bracket;
        bracket.kind = TokenKind::Operator;
        bracket.index = '[';
        bracket.value = c.baseKind * 256 + c.baseIndex;
        EXPECT_EQ(u(tokenText(bracket, kCurrent)), c.text) << c.baseKind;
    }
}

TEST(TokenText, UserNames) {
    RenameTable names;
    names.entries.push_back({g("全局整数5"), g("温度")});
    names.entries.push_back({g("数据口"), g("端口")});
    const LangContext ctx{Edition::Current, &names};
    const Token named = classifyToken(g("温度"), ctx);
    EXPECT_EQ(named.kind, TokenKind::GlobalInteger);
    EXPECT_EQ(named.index, 5);
    EXPECT_EQ(u(tokenText(named, ctx)), "温度");
    EXPECT_EQ(u(tokenText(named, kCurrent)), "全局整数5");
    Token bracket;
    bracket.kind = TokenKind::Operator;
    bracket.index = '[';
    bracket.value = 3 * 256 + 5;
    EXPECT_EQ(u(tokenText(bracket, ctx)), "温度[");
    bracket.value = 10 * 256 + 1;
    EXPECT_EQ(u(tokenText(bracket, ctx)), "端口[");
    EXPECT_EQ(classifyToken(g("温度2"), ctx).kind, TokenKind::Empty) << "names match whole texts only";
}

}  // namespace
}  // namespace lumio
