#include <gtest/gtest.h>

#include "core/lang/actions/action_catalogue.h"
#include "core/lang/actions/param3_forms.h"
#include "core/lang/actions/system_functions.h"
#include "core/text/gbk.h"

namespace lumio {
namespace {

const LangContext kCurrent{Edition::Current, nullptr};
const LangContext kClassic{Edition::Classic, nullptr};

std::string utf8(const std::string& gbk) { return toUtf8(gbk); }

TEST(ActionCatalogue, KindNames) {
    EXPECT_EQ(utf8(actionKindName(1)), "输出继电器");
    EXPECT_EQ(utf8(actionKindName(4)), "整数 (局部变量 整型 32位)");
    EXPECT_EQ(utf8(actionKindName(13)), "函数处理");
    EXPECT_EQ(utf8(actionKindName(20)), "网络通讯");
    EXPECT_EQ(actionKindName(0), "");
    EXPECT_EQ(actionKindName(21), "");
    const auto kinds = offeredActionKinds();
    ASSERT_EQ(kinds.size(), 20u);
    EXPECT_EQ(kinds[11].code, 12);
    EXPECT_EQ(actionKindOffered(21), OfferedEntry{});
}

struct NameCase {
    int kind, p1, p2;  // p2 < 0: the parameter-1 name
    const char* expected;
};

TEST(ActionCatalogue, NamesByCode) {
    const NameCase cases[] = {
        {1, 2, -1, "赋值"},
        {1, 1, 9, "依次闭合全部 (V8或更高版本内核)"},
        {1, 1, 13, ""},
        {1, 2, 1, "输出1"},
        {1, 2, 100, "输出100"},
        {1, 2, 101, ""},
        {1, 3, 1, ""},
        {2, 1, -1, "定时器0"},
        {2, 100, -1, "定时器99"},
        {2, 101, -1, ""},
        {2, 1, 5, "继续计数"},
        {3, 2, 1, "位变量1"},
        {3, 1, 4, "点动位变量（部分支持）"},
        {4, 1, -1, "整数0"},
        {5, 100, -1, "全局整数99"},
        {4, 1, 12, "向外发送16进制数组 高位在前"},
        {6, 3, -1, "浮点数2"},
        {7, 1, 11, "向外发送双精度8字节 高位在前"},
        {8, 4, 1, "数组0"},
        {9, 1, 100, "全局数组99"},
        {8, 10, 1, "数据口1"},
        {8, 10, 10, "数据口10"},
        {8, 10, 11, ""},
        {8, 5, 11, "尾部添加CRC8_MAXIM校验字节"},
        {9, 12, 6, "直接赋值数组的内容"},
        {8, 13, -1, ""},
        {12, 4, -1, "否则,条件翻转"},
        {12, 2, 1, ""},
        {13, 1, 1, "函数1"},
        {13, 3, 1, "表达式=表达式(表达式,  ...)"},
        {13, 9, 4, "求x除以y的余数"},
        {13, 8, 4, "保存并关闭文件 "},
        {13, 7, 6, ""},
        {13, 14, -1, ""},
        {0, 1, 1, ""},
        {25, 1, -1, ""},
    };
    for (const NameCase& c : cases) {
        const std::string name = c.p2 < 0 ? actionParam1Name(c.kind, c.p1, kCurrent)
                                          : actionParam2Name(c.kind, c.p1, c.p2, kCurrent);
        EXPECT_EQ(utf8(name), c.expected) << c.kind << "/" << c.p1 << "/" << c.p2;
    }
}

TEST(ActionCatalogue, UserNamesOverlayGlobalsOnly) {
    RenameTable table;
    table.entries = {{toGbk("全局整数0"), toGbk("液位")}, {toGbk("整数0"), toGbk("局部")},
                     {toGbk("输出3"), toGbk("水泵")},     {toGbk("函数2"), toGbk("启动")},
                     {toGbk("定时器0"), toGbk("延时")},   {toGbk("全局数组1"), toGbk("缓冲")},
                     {toGbk("数组1"), toGbk("甲")}};
    const LangContext named{Edition::Current, &table};
    EXPECT_EQ(utf8(actionParam1Name(5, 1, named)), "液位");
    EXPECT_EQ(utf8(actionParam1Name(4, 1, named)), "整数0");
    EXPECT_EQ(utf8(actionParam2Name(1, 2, 3, named)), "水泵");
    EXPECT_EQ(utf8(actionParam2Name(13, 1, 2, named)), "启动");
    EXPECT_EQ(utf8(actionParam1Name(2, 1, named)), "延时");
    EXPECT_EQ(utf8(actionParam2Name(9, 1, 2, named)), "缓冲");
    EXPECT_EQ(utf8(actionParam2Name(8, 1, 2, named)), "数组1");
    const auto offered = offeredActionParam1(5, named);
    ASSERT_EQ(offered.size(), 100u);
    EXPECT_EQ(utf8(offered[0].name), "液位");
    EXPECT_EQ(offered[0].code, 1);
}

TEST(ActionCatalogue, ClassicLeavesOutThreadWaits) {
    const auto current = offeredActionParam2(12, 1, kCurrent);
    ASSERT_EQ(current.size(), 3u);
    EXPECT_EQ(current[2].code, 3);
    const auto classic = offeredActionParam2(12, 1, kClassic);
    ASSERT_EQ(classic.size(), 1u);
    EXPECT_EQ(classic[0].code, 1);
    EXPECT_EQ(actionParam2Offered(12, 1, 2, kClassic), OfferedEntry{});
    // A stored thread wait still has its name in the classic build.
    EXPECT_EQ(utf8(actionParam2Name(12, 1, 2, kClassic)), "线程等待等式成立，若多条则并且，用分号(;)间隔");
    EXPECT_EQ(offeredPosition(classic, 2), 0);
}

TEST(ActionCatalogue, OfferedListsKeepCodesAcrossEditions) {
    using namespace actions;
    const NameList list = names({"甲", notInClassic("乙"), renamedInClassic("丙", "丁"), "戊", classicOnly("己")});
    const auto current = list.offered(kCurrent);
    const auto classic = list.offered(kClassic);
    const std::vector<OfferedEntry> expectedCurrent{{1, toGbk("甲")}, {2, toGbk("乙")}, {3, toGbk("丙")}, {4, toGbk("戊")}};
    const std::vector<OfferedEntry> expectedClassic{{1, toGbk("甲")}, {3, toGbk("丁")}, {4, toGbk("戊")}, {5, toGbk("己")}};
    EXPECT_EQ(current, expectedCurrent);
    EXPECT_EQ(classic, expectedClassic);
    EXPECT_EQ(offeredPosition(classic, 4), 3);
    EXPECT_EQ(utf8(list.name(3, kClassic)), "丁");
    EXPECT_EQ(utf8(list.name(5, kCurrent)), "己");
}

TEST(SystemFunctions, TablesEndAndKeepTheirTexts) {
    EXPECT_EQ(utf8(MathFunctionName(1)), "求平方根");
    EXPECT_EQ(utf8(MathFunctionName(17)), "求反正切 结果介于[-PI/2,PI/2]");
    EXPECT_EQ(utf8(MathFunctionName(21)), "求双曲正切");
    EXPECT_EQ(MathFunctionName(22), "");
    EXPECT_EQ(MathFunctionName(0), "");
    EXPECT_EQ(utf8(InputEventFunctionName(10)), "获取输入时间常数（毫秒）");
    EXPECT_EQ(InputEventFunctionName(11), "");
    EXPECT_EQ(utf8(SdCardFunctionName(4)), "保存并关闭文件 ");
    EXPECT_EQ(SdCardFunctionName(11), "");
    EXPECT_EQ(utf8(TimerFunctionName(11)), "定时器向下计数");
    EXPECT_EQ(TimerFunctionName(12), "");
    const struct {
        int family, lastCode;
        const char* lastName;
    } families[] = {{4, 4, "获取芯片唯一识别码"}, {5, 9, "IIC标准读"},       {6, 13, "SPI标准读"},
                    {7, 5, "设置脉冲输出占空千分比"}, {8, 10, "获取文件长度"}, {9, 21, "求双曲正切"},
                    {10, 10, "获取输入时间常数（毫秒）"}, {11, 3, "检测输出翻转"}, {12, 11, "定时器向下计数"},
                    {13, 2, "去除右侧空格"}};
    for (const auto& family : families) {
        EXPECT_EQ(utf8(systemFunctionName(family.family, family.lastCode)), family.lastName) << family.family;
        EXPECT_EQ(systemFunctionName(family.family, family.lastCode + 1), "") << family.family;
        EXPECT_EQ(actionParam2Name(13, family.family, family.lastCode, kCurrent),
                  systemFunctionName(family.family, family.lastCode));
    }
    EXPECT_EQ(systemFunctionName(3, 1), "");
}

TEST(ActionParam3Form, EncodingTable) {
    const struct {
        int kind, p1, p2;
        Param3Form form;
    } cases[] = {
        {1, 1, 1, Param3Form::ArgumentList},    {3, 9, 9, Param3Form::ArgumentList},
        {2, 100, 1, Param3Form::Expression},    {2, 101, 1, Param3Form::None},
        {2, 1, 2, Param3Form::None},            {4, 1, 2, Param3Form::ArgumentList},
        {5, 1, 7, Param3Form::ArgumentList},    {5, 1, 8, Param3Form::Expression},
        {6, 1, 2, Param3Form::ArgumentList},    {7, 1, 7, Param3Form::Expression},
        {8, 1, 1, Param3Form::Expression},      {9, 5, 1, Param3Form::Expression},
        {8, 2, 1, Param3Form::RawText},         {9, 3, 1, Param3Form::HexBytes},
        {8, 4, 1, Param3Form::ArgumentList},    {9, 12, 6, Param3Form::ArgumentList},
        {8, 0, 1, Param3Form::None},            {10, 1, 1, Param3Form::ArgumentList},
        {10, 6, 1, Param3Form::ArgumentList},   {10, 18, 1, Param3Form::ArgumentList},
        {10, 5, 1, Param3Form::Expression},     {10, 11, 1, Param3Form::Expression},
        {10, 0, 1, Param3Form::None},           {11, 1, 1, Param3Form::HexBytes},
        {11, 1, 2, Param3Form::RawText},        {11, 1, 3, Param3Form::Expression},
        {11, 1, 4, Param3Form::ArgumentList},   {11, 1, 5, Param3Form::Expression},
        {11, 1, 6, Param3Form::None},           {12, 1, 3, Param3Form::RelationList},
        {12, 2, 1, Param3Form::None},           {13, 1, 1, Param3Form::CallForm},
        {13, 13, 1, Param3Form::CallForm},      {13, 2, 1, Param3Form::Expression},
        {13, 2, 2, Param3Form::None},           {13, 3, 1, Param3Form::IndexedCallForm},
        {13, 0, 1, Param3Form::None},           {14, 2, 1, Param3Form::ArgumentList},
        {15, 3, 1, Param3Form::None},           {16, 4, 1, Param3Form::ArgumentList},
        {16, 3, 1, Param3Form::None},           {16, 5, 1, Param3Form::None},
        {20, 0, 0, Param3Form::ArgumentList},   {0, 1, 1, Param3Form::None},
        {21, 1, 1, Param3Form::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(actionParam3Form(c.kind, c.p1, c.p2), c.form) << c.kind << "/" << c.p1 << "/" << c.p2;
}

TEST(ActionTemplates, FillPlaces) {
    using actions::fillTemplate;
    EXPECT_EQ(fillTemplate("%s = %s", {"a", "b"}), "a = b");
    EXPECT_EQ(fillTemplate("%s, %s!", {"a"}), "a, !");
    EXPECT_EQ(fillTemplate("亮度 %s %%", {"50"}), "亮度 50 %");
    // Values are inserted as they are, never read as formats.
    EXPECT_EQ(fillTemplate("[%s]", {"%s%%"}), "[%s%%]");
    EXPECT_EQ(fillTemplate("100%", {}), "100%");
}

}  // namespace
}  // namespace lumio
