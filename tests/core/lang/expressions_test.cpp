#include <gtest/gtest.h>

#include "core/lang/expressions/forms.h"
#include "tests/core/lang/expressions_test_support.h"

namespace lumio {
namespace {

using test::g;
using test::hex;
using test::kClassic;
using test::kCurrent;
using test::u;

std::string printed(std::string_view utf8) { return u(printExpression(parseExpression(g(utf8), kCurrent), kCurrent)); }

TEST(NormalizePunctuation, ReplacesListedMarksOnly) {
    EXPECT_EQ(u(normalizePunctuation(g("，【】（）×》《『』；"))), ",[]()*><{};");
    EXPECT_EQ(u(normalizePunctuation(g("整数1》5"))), "整数1>5");
    EXPECT_EQ(u(normalizePunctuation(g("（整数1）"))), "(整数1)");
    EXPECT_EQ(u(normalizePunctuation(g("：＋"))), "：＋") << "other full-width marks stay";
    // «啊竟» is B0 A1 BE B9: its middle bytes equal «【» (A1 BE) but belong to two characters.
    EXPECT_EQ(u(normalizePunctuation(g("啊竟"))), "啊竟");
}

TEST(Expression, WorkedBytes) {
    const Expression expression = parseExpression(g("整数1+5"), kCurrent);
    EXPECT_EQ(encodeExpression(expression), hex("0D 03 02 01 03 64 2B 06 01 00 00 00 05"));
    EXPECT_EQ(decodeExpression(hex("0D 03 02 01 03 64 2B 06 01 00 00 00 05")), expression);
    EXPECT_EQ(encodeExpression(Expression{}), hex("01"));
}

TEST(Expression, OfferingRulesAndPrintedText) {
    struct Case {
        const char* text;
        const char* printed;
    };
    const Case cases[] = {
        {"整数1+5", "整数1 + 5"},
        {"整数1 + 5)", "整数1 + 5)"},
        {"整数1 +", "整数1"},
        {"+5", "5"},
        {"-5", "- 5"},
        {"3*-5", "3 * 5"},
        {"(-5)", "( - 5)"},
        {"(整数1)整数2", "(整数1)"},
        {"整数1 整数2", ""},
        {"整数1整数2", ""},
        {"数组3[整数1]", "数组3[整数1]"},
        {"全局数组2[整数1]", "全局数组2[整数1]"},
        {"数据口[0]", "数据口[0]"},
        {"[1]", "格式出错1]"},
        {"输入3[1]", "输入3格式出错1]"},
        {"编码器1[2]", "编码器1[2]"},
        {"整数1<<2", "整数1 << 2"},
        {"整数1>>整数2", "整数1 >> 整数2"},
        {"（整数1）×2", "(整数1) * 2"},
        {"整数1++2", "整数1 + 2"},
        {"整数1,2", "整数1 , 2"},
        {")", ""},
        {"\"a+b\"+1", "\"a+b\" + 1"},
        {"\"a\\\"+b\"", "\"a\\\"+b\""},
        {"\"a<<b\"", "\"a<<b\""},
        {"整数1(2)", "整数1(2)"},
        {"整数1)2", "整数1)"},
        {"((1))", "((1))"},
        {"1[", "1"},
        {"定时器1%2&3|4^5/6", "定时器1 % 2 & 3 | 4 ^ 5 / 6"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(printed(c.text), c.printed) << c.text;
}

TEST(Expression, IndexedBaseIsOneToken) {
    const Expression expression = parseExpression(g("全局数组2[整数1]"), kCurrent);
    ASSERT_EQ(expression.tokens.size(), 3u);
    EXPECT_EQ(expression.tokens[0].kind, TokenKind::Operator);
    EXPECT_EQ(expression.tokens[0].index, '[');
    EXPECT_EQ(expression.tokens[0].value, 35 * 256 + 2);
    EXPECT_EQ(u(tokenText(expression.tokens[0], kCurrent)), "全局数组2[");
    EXPECT_EQ(encodeExpression(expression), hex("0E 05 64 5B 23 02 03 02 01 05 64 5D 00 00"));
}

TEST(Expression, UserNamesInAndOut) {
    RenameTable names;
    names.entries.push_back({g("整数3"), g("a")});
    names.entries.push_back({g("全局数组2"), g("表")});
    const LangContext ctx{Edition::Current, &names};
    const Expression shifted = parseExpression("a<<2", ctx);
    ASSERT_EQ(shifted.tokens.size(), 3u);
    EXPECT_EQ(shifted.tokens[1].index, kShiftLeft);
    EXPECT_EQ(encodeExpression(shifted), hex("0D 03 02 03 03 64 81 06 01 00 00 00 02"));
    EXPECT_EQ(printExpression(shifted, ctx), "a << 2");
    EXPECT_EQ(u(printExpression(parseExpression(g("表[a]"), ctx), ctx)), "表[a]");
}

// Characters outside GB2312 may carry an operator byte as their second byte («乕» is 81 5B, its trail
// byte is "["; «亅» is 81 7C, "|"; «丂» is 81 40, its lead byte is the "<<" byte 0x81). The walk steps
// over whole characters, so such a user name stays one piece.
TEST(Expression, DoubleByteCharactersAreNeverCut) {
    const std::string bracketName = g("乕");
    const std::string barName = g("亅");
    const std::string shiftName = g("丂");
    ASSERT_EQ(bracketName, "\x81\x5B");
    ASSERT_EQ(barName, "\x81\x7C");
    ASSERT_EQ(shiftName, "\x81\x40");
    RenameTable names;
    names.entries.push_back({g("整数1"), bracketName});
    names.entries.push_back({g("整数2"), barName});
    names.entries.push_back({g("整数3"), shiftName});
    const LangContext ctx{Edition::Current, &names};
    const Expression expression = parseExpression(bracketName + "+" + barName + "|" + shiftName, ctx);
    ASSERT_EQ(expression.tokens.size(), 5u);
    EXPECT_EQ(expression.tokens[0].kind, TokenKind::LocalInteger);
    EXPECT_EQ(expression.tokens[2].index, 2);
    EXPECT_EQ(expression.tokens[3].index, '|');
    EXPECT_EQ(expression.tokens[4].index, 3);
    EXPECT_EQ(printExpression(expression, ctx), bracketName + " + " + barName + " | " + shiftName);
    // A trail byte 0x5C is no backslash: the text constant closes after it.
    const Expression text = parseExpression("\"\x81\x5C\"+1", kCurrent);
    ASSERT_EQ(text.tokens.size(), 3u);
    EXPECT_EQ(text.tokens[0].payload, "\x81\x5C");
    EXPECT_EQ(printExpression(text, kCurrent), "\"\x81\x5C\" + 1");
    // A 0x81 byte that starts no character is still the "<<" operator.
    EXPECT_EQ(parseExpression("1\x81" "2", kCurrent).tokens.size(), 3u);
}

TEST(Relation, WorkedBytesAndOperators) {
    const Relation relation = parseRelation(g("整数0=整数0+1"), kCurrent);
    EXPECT_EQ(encodeRelation(relation), hex("14 04 03 02 00 02 01 0D 03 02 00 03 64 2B 06 01 00 00 00 01"));
    EXPECT_EQ(decodeRelation(encodeRelation(relation)), relation);
    EXPECT_EQ(u(printRelation(relation, kCurrent)), "整数0=整数0 + 1");
    EXPECT_EQ(parseRelation(g("整数1<>整数2"), kCurrent).code, RelationCode::NotEqual);
    const Relation priority = parseRelation(g("整数1=整数2>=3"), kCurrent);
    EXPECT_EQ(priority.code, RelationCode::GreaterEqual);
    EXPECT_TRUE(priority.left.empty()) << "«整数1=整数2» is no Expression";
    EXPECT_EQ(parseRelation(g("整数1 》 5"), kCurrent).code, RelationCode::Greater);
    EXPECT_EQ(parseRelation(g("整数1<=5"), kCurrent).code, RelationCode::LessEqual);
    EXPECT_EQ(parseRelation(g("整数1<5"), kCurrent).code, RelationCode::Less);
    const Relation bare = parseRelation(g("整数1+1"), kCurrent);
    EXPECT_EQ(bare.code, RelationCode::None);
    EXPECT_EQ(encodeRelation(bare), hex("0E 0D 03 02 01 03 64 2B 06 01 00 00 00 01"));
    EXPECT_EQ(decodeRelation(encodeRelation(bare)), bare);
    const Relation leading = parseRelation("=5", kCurrent);
    EXPECT_EQ(leading.code, RelationCode::None) << "an operator at position 0 is not taken";
    EXPECT_TRUE(leading.right.empty());
}

TEST(RelationList, CutsAndKeeps) {
    EXPECT_EQ(parseRelationList(g("整数0=0;整数0<8;"), kCurrent).size(), 2u);
    EXPECT_EQ(parseRelationList(";;", kCurrent).size(), 0u);
    EXPECT_EQ(parseRelationList(g("整数0=0；整数1=1"), kCurrent).size(), 2u);
    EXPECT_EQ(parseRelationList(g("整数0="), kCurrent).size(), 0u);
    const RelationList list = parseRelationList(g("整数0=0;整数0<8"), kCurrent);
    EXPECT_EQ(u(printRelationList(list, kCurrent)), "整数0=0;整数0<8");
    const Bytes stored = encodeRelationList(list);
    EXPECT_EQ(decodeRelationList(stored), list);
    EXPECT_EQ(decodeRelationList(stored + '\x05'), RelationList{}) << "lengths must fill the count";
    EXPECT_EQ(decodeRelationList(stored, stored.size() + 1), RelationList{});
    EXPECT_EQ(decodeRelationList(stored + "junk", stored.size()), list);
}

TEST(ArgumentList, WorkedBytesAndCuts) {
    const ArgumentList arguments = parseArgumentList("6010,5", kCurrent);
    EXPECT_EQ(encodeArgumentList(arguments), hex("0F 07 06 01 00 00 17 7A 07 06 01 00 00 00 05"));
    EXPECT_EQ(decodeArgumentList(encodeArgumentList(arguments)), arguments);
    EXPECT_EQ(printArgumentList(arguments, kCurrent), "6010, 5");
    EXPECT_EQ(parseArgumentList(g("整数1,\"a,b\""), kCurrent).size(), 2u);
    EXPECT_EQ(parseArgumentList(g("\"a\\\",b\",1"), kCurrent).size(), 2u) << "an escaped quote stays inside";
    const ArgumentList nested = parseArgumentList(g("获取数组长度(数组1),3"), kCurrent);
    EXPECT_EQ(nested.size(), 2u);
    EXPECT_EQ(parseArgumentList(g("1,,2, ,"), kCurrent).size(), 2u);
    EXPECT_EQ(parseArgumentList(g("1，2"), kCurrent).size(), 2u);
    EXPECT_EQ(encodeArgumentList({}), hex("01"));
}

TEST(ConditionChain, SeparatorsAndBytes) {
    EXPECT_EQ(parseConditionChain(g("整数1>0并且整数2>0"), kCurrent).size(), 1u) << "touches digits";
    const ConditionChain chain = parseConditionChain(g("整数1>0 并且 整数2>0 或者 输入1=1"), kCurrent);
    ASSERT_EQ(chain.size(), 5u);
    EXPECT_EQ(chain[1].connector, ChainConnector::And);
    EXPECT_EQ(chain[3].connector, ChainConnector::Or);
    EXPECT_EQ(u(printConditionChain(chain, kCurrent)), "整数1>0 并且 整数2>0 或者 输入1=1");
    const Bytes stored = encodeConditionChain(chain);
    EXPECT_EQ(stored.substr(14, 2), hex("02 01"));
    EXPECT_EQ(decodeConditionChain(stored), chain);
    EXPECT_EQ(decodeConditionChain(stored, stored.size() - 1), ConditionChain{});
    EXPECT_EQ(parseConditionChain(g("\"并且\" 并且 1"), kCurrent).size(), 3u) << "text constants are skipped";
    EXPECT_EQ(parseConditionChain(g("a并且b"), kCurrent).size(), 1u);
    EXPECT_EQ(parseConditionChain(g("中并且中"), kCurrent).size(), 3u) << "Chinese characters are no letters";
    // More than 200 stored bytes: stored as nothing.
    std::string longText = g("整数1=1");
    for (int i = 0; i < 20; ++i) longText += g(" 并且 整数1=1");
    EXPECT_EQ(encodeConditionChain(parseConditionChain(longText, kCurrent)), "");
}

TEST(CallForm, ParseAndPrint) {
    const CallForm call = parseCallForm(g("整数1=函数5(整数2, 3)"), kCurrent);
    EXPECT_EQ(u(printExpression(call.result, kCurrent)), "整数1");
    EXPECT_EQ(call.code, RelationCode::Equal);
    EXPECT_EQ(call.arguments.size(), 2u);
    EXPECT_EQ(u(printCallForm(call, g("函数5"), kCurrent)), "整数1 = 函数5(整数2, 3)");
    EXPECT_EQ(decodeCallForm(encodeCallForm(call)), call);
    EXPECT_EQ(u(printCallForm(parseCallForm(g("函数5(整数2)"), kCurrent), g("函数5"), kCurrent)), "函数5( 整数2 )");
    EXPECT_EQ(u(printCallForm(parseCallForm(g("函数5()"), kCurrent), g("函数5"), kCurrent)), "函数5( )");
    EXPECT_EQ(u(printCallForm(parseCallForm(g("函数5"), kCurrent), g("函数5"), kCurrent)), "函数5( )");
    EXPECT_EQ(parseCallForm(g("函数5 整数2"), kCurrent).arguments.size(), 1u) << "a space opens the arguments";
    EXPECT_EQ(parseCallForm(g("整数1 = 函数5"), kCurrent).arguments.size(), 0u);
    EXPECT_EQ(encodeCallForm(parseCallForm(g("函数5(1)"), kCurrent)), hex("0C 01 02 00 08 07 06 01 00 00 00 01"));
    // The result's operator is taken out of the arguments, but never out of a text constant.
    const CallForm text = parseCallForm(g("整数1=函数5(\"a=b\", 整数2=3)"), kCurrent);
    ASSERT_EQ(text.arguments.size(), 2u);
    EXPECT_EQ(text.arguments[0].tokens[0].payload, "a=b");
    EXPECT_EQ(u(printExpression(text.arguments[1], kCurrent)), "整数23");
}

TEST(IndexedCallForm, ParseAndPrint) {
    const IndexedCallForm call = parseIndexedCallForm(g("整数1=数组2(整数3, 4)"), kCurrent);
    EXPECT_EQ(u(printExpression(call.object, kCurrent)), "数组2");
    EXPECT_EQ(u(printIndexedCallForm(call, g("获取"), kCurrent)), "整数1 = 获取[数组2](整数3, 4)");
    EXPECT_EQ(u(printIndexedCallForm(call, "", kCurrent)), "整数1 = 数组2(整数3, 4)");
    EXPECT_EQ(decodeIndexedCallForm(encodeIndexedCallForm(call)), call);
    EXPECT_EQ(decodeCallForm(encodeIndexedCallForm(call)), CallForm{}) << "four items are no CallForm";
}

TEST(ForHeader, ParseAndPrint) {
    const ForHeader header = parseForHeader(g("for(整数0=0;整数0<8;整数0=整数0+1)"), kCurrent);
    EXPECT_EQ(header.relations.size(), 3u);
    EXPECT_EQ(u(printForHeader(header, kCurrent)), "for(整数0=0;整数0<8;整数0=整数0 + 1)");
    EXPECT_EQ(decodeForHeader(encodeForHeader(header)), header);
    EXPECT_EQ(parseForHeader("for(1)", kCurrent).relations.size(), 0u) << "7 bytes or fewer";
    EXPECT_EQ(parseForHeader(g("  for（整数0=0）"), kCurrent).relations.size(), 1u);
}

TEST(PlainForms, HexBytesAndRawText) {
    EXPECT_EQ(parseHexBytes("1 2 3"), hex("01 02 03"));
    EXPECT_EQ(printHexBytes(hex("01 02 03")), "01 02 03");
    EXPECT_EQ(parseHexBytes("  ff   100 "), hex("FF 00"));
    // A group is read up to its first character that is not a hex digit, and keeps its low 8 bits.
    const struct {
        const char* text;
        const char* bytes;
    } groups[] = {
        {"0x10 -1 7", "00 00 07"},   {"123456789", "89"},  {"FFFFFFFFF", "FF"}, {"+5 5+", "00 05"},
        {"ab-cd", "AB"},             {"g1", "00"},         {"000000001", "01"}, {"1A2b", "2B"},
    };
    for (const auto& c : groups) EXPECT_EQ(parseHexBytes(c.text), hex(c.bytes)) << c.text;
    EXPECT_EQ(parseHexBytes("1 1234567890"), "");
    EXPECT_EQ(parseHexBytes(std::string(498, ' ')), "");
    EXPECT_EQ(parseHexBytes(std::string(300, '1').replace(0, 300, std::string(150, '1')).append(" 2")), "");
    std::string many;
    for (int i = 0; i < 240; ++i) many += "1 ";
    EXPECT_EQ(parseHexBytes(many).size(), 200u);
    EXPECT_EQ(decodeHexBytes(hex("01 02 03"), 2), hex("01 02"));
    EXPECT_EQ(parseRawText(std::string(250, 'x')).size(), 200u);
    std::string wide = "x";
    for (int i = 0; i < 100; ++i) wide += g("中");
    EXPECT_EQ(parseRawText(wide).size(), 199u) << "never half a character";
    EXPECT_EQ(decodeRawText("abc", 10), "abc");
}

TEST(ParameterArea, TooLongIsStoredAsNothing) {
    Statement statement;
    ASSERT_TRUE(statement.setParam3("old"));
    EXPECT_TRUE(storeParameter(statement, Bytes(243, 'x')));
    EXPECT_EQ(statement.param3Length(), 243);
    EXPECT_FALSE(storeParameter(statement, Bytes(244, 'x')));
    EXPECT_EQ(statement.param3Length(), 0) << "no stale bytes of the earlier parameter";
    EXPECT_EQ(fitParameterArea(Bytes(244, 'x')), "");
    EXPECT_EQ(fitParameterArea("ab"), "ab");
    // A RelationList has no bound of its own; 20 relations do not fit.
    std::string text;
    for (int i = 0; i < 20; ++i) text += g("整数0=整数0+1;");
    const Bytes stored = encodeRelationList(parseRelationList(text, kCurrent));
    EXPECT_EQ(stored.size(), 400u);
    EXPECT_EQ(fitParameterArea(stored), "");
}

TEST(Forms, OverlongFormsAreStoredAsNothing) {
    std::string text = "1";
    for (int i = 0; i < 30; ++i) text += "+123456";
    const Expression expression = parseExpression(text, kCurrent);
    EXPECT_EQ(encodeExpression(expression), "") << "61 tokens need more than 255 bytes";
    Relation relation;
    relation.right = expression;
    EXPECT_EQ(encodeRelation(relation), "");
    EXPECT_EQ(encodeArgumentList({expression}), "");
    EXPECT_EQ(encodeCallForm(CallForm{{}, RelationCode::None, {expression}}), "");
}

// Stored bytes that do not add up decode as empty and never read past the view.
TEST(Forms, MalformedStoredBytesDecodeAsEmpty) {
    const char* expressions[] = {"", "00", "02 03", "0D 03 02 01", "05 03 02 01 03", "05 00 02 01 03",
                                 "06 03 02 01 03 64", "05 03 02 01 FF", "FF"};
    for (const char* bytes : expressions) EXPECT_TRUE(decodeExpression(hex(bytes)).empty()) << bytes;
    const char* relations[] = {"", "00", "03 01 01 01", "07 01 02 01 01 09", "0A 04 03 02 00 02 01", "05 02 01 02"};
    for (const char* bytes : relations) EXPECT_EQ(decodeRelation(hex(bytes)), Relation{}) << bytes;
    const char* lists[] = {"00", "02", "14 04 03", "03 02 01 00"};
    for (const char* bytes : lists) {
        EXPECT_EQ(decodeRelationList(hex(bytes)), RelationList{}) << bytes;
        EXPECT_EQ(decodeConditionChain(hex(bytes)), ConditionChain{}) << bytes;
        EXPECT_EQ(decodeArgumentList(hex(bytes)), ArgumentList{}) << bytes;
        EXPECT_EQ(decodeCallForm(hex(bytes)), CallForm{}) << bytes;
        EXPECT_EQ(decodeIndexedCallForm(hex(bytes)), IndexedCallForm{}) << bytes;
    }
    EXPECT_EQ(decodeCallForm(hex("08 01 02 01 01 03 01 01")), CallForm{}) << "four items";
    // A zero length byte inside an argument list empties the whole list.
    EXPECT_EQ(decodeArgumentList(hex("09 07 06 01 00 00 00 05 00")), ArgumentList{});
    // Every prefix of a valid stored form decodes without reading beyond it.
    const Bytes valid = encodeCallForm(parseCallForm(g("整数1=函数5(整数2, \"ab\", 1.5)"), kCurrent));
    for (size_t size = 0; size < valid.size(); ++size) {
        EXPECT_EQ(decodeCallForm(ByteView(valid).substr(0, size)), CallForm{}) << size;
        (void)decodeRelationList(ByteView(valid).substr(0, size));
        (void)decodeConditionChain(ByteView(valid).substr(0, size));
    }
}

TEST(Forms, RoundTripsInBothEditions) {
    const char* texts[] = {
        "整数1+5",       "全局数组2[整数1]*(3-定时器0)", "\"a,b\"+{01 02}",          "0X1F^'c'|1.500000",
        "PA3+UDP1+TCP2", "数据口[整数0]+联机开关量1[2]",  "函数参数1 << 2 >> 整数3", "年*100+月",
    };
    for (const LangContext& ctx : {kCurrent, kClassic}) {
        for (const char* text : texts) {
            const Expression first = parseExpression(g(text), ctx);
            const Expression again = decodeExpression(encodeExpression(first));
            EXPECT_EQ(again, first) << text;
            EXPECT_EQ(parseExpression(printExpression(again, ctx), ctx), first) << text;
        }
    }
    const Expression slices = parseExpression(g("数组1_2_3+输入计数器1"), kCurrent);
    EXPECT_EQ(slices.tokens.size(), 3u);
    EXPECT_EQ(parseExpression(g("数组1_2_3+输入计数器1"), kClassic).tokens.size(), 0u);
}

}  // namespace
}  // namespace lumio
