// The condition catalogue's lists as the statement editor fills them: names by code, list lengths up
// to the first empty name, user names, and the example texts.
#include <gtest/gtest.h>

#include <functional>

#include "core/lang/conditions/condition_catalogue.h"
#include "core/text/gbk.h"

namespace lumio {
namespace {

// How many entries the editor offers: codes 1, 2, ... up to the first empty name.
int offered(const std::function<std::string(int)>& name) {
    int count = 0;
    while (count < 255 && !name(count + 1).empty()) ++count;
    return count;
}

TEST(ConditionCatalogue, KindNamesEndAfterEighteen) {
    EXPECT_EQ(offered([](int kind) { return conditionKindName(kind); }), 18);
    EXPECT_EQ(toUtf8(conditionKindName(1)), "外部输入");
    EXPECT_EQ(toUtf8(conditionKindName(5)), "整数(局部变量 整型 32位)");
    EXPECT_EQ(toUtf8(conditionKindName(18)), "网络数据");
    EXPECT_EQ(conditionKindName(0), "");
}

struct ObjectCase {
    int kind;
    int count;            // offered objects
    int param1;           // a sample code
    const char* name;     // its name
    const char* lastName; // the name of the last offered object
};

TEST(ConditionCatalogue, ObjectListsByKind) {
    const ObjectCase cases[] = {
        {1, 200, 3, "输入3", "输入200"},          {2, 200, 1, "输出1", "输出200"},
        {3, 100, 1, "定时器0", "定时器99"},       {4, 200, 1, "位变量0", "位变量199"},
        {5, 100, 2, "整数1", "整数99"},           {6, 200, 1, "全局整数0", "全局整数199"},
        {7, 200, 1, "浮点数0", "浮点数199"},      {8, 200, 1, "全局浮点数0", "全局浮点数199"},
        {9, 100, 1, "数组0", "数组99"},           {10, 200, 1, "全局数组0", "全局数组199"},
        {11, 1, 1, "上电初始化", "上电初始化"},   {12, 4, 1, "进入时刻", "等于"},
        {13, 4, 2, "大于", "等于"},               {14, 10, 1, "数据口1", "数据口10"},
        {15, 5, 3, "模拟量输入", "万能红外信号"}, {16, 10, 3, "循环表达式", "数学相关函数"},
        {17, 1, 1, "判断本机端口接收到的数据", "判断本机端口接收到的数据"},
        {18, 3, 2, "TCP控制器", "TCP服务端口"},
    };
    for (const ObjectCase& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(offered([&](int p1) { return conditionObjectName(c.kind, p1); }), c.count);
        EXPECT_EQ(toUtf8(conditionObjectName(c.kind, c.param1)), c.name);
        EXPECT_EQ(toUtf8(conditionObjectName(c.kind, c.count)), c.lastName);
    }
    // Hidden objects: kind 11 object 2 and kind 16 object 11 have no name, so they are never offered.
    EXPECT_EQ(conditionObjectName(11, 2), "");
    EXPECT_EQ(conditionObjectName(16, 11), "");
    EXPECT_EQ(conditionObjectName(19, 1), "");
}

struct ModeCase {
    int kind;
    int param1;
    int count;
    int param2;
    const char* name;
};

TEST(ConditionCatalogue, ModeListsByKindAndObject) {
    const ModeCase cases[] = {
        {1, 7, 10, 9, "连续按下多次（参数3表达式）"},
        {2, 1, 6, 6, "等于参数3表达式"},
        {3, 1, 7, 7, "减到0"},
        {4, 1, 6, 1, "=0"},
        {5, 1, 7, 7, "判断某一位"},
        {6, 1, 7, 4, "大于等于"},
        {7, 1, 6, 6, "不等于"},
        {8, 1, 6, 1, "等于某值"},
        {9, 1, 9, 9, "某位置开始等于表达式"},
        {10, 1, 9, 5, "crc16校验判断"},
        {11, 1, 0, 1, ""},
        {12, 3, 1, 1, "固定格式 XX时XX分XX秒"},
        {13, 1, 5, 4, "星期设定 参数3值 1-7"},
        {14, 1, 10, 6, "crc16校验判断"},
        {15, 1, 5, 5, "状态翻转"},
        {15, 2, 6, 2, "大于某值"},
        {15, 3, 6, 6, "不等于"},
        {15, 4, 3, 2, "接收到无线遥控对码信号"},
        {15, 5, 1, 1, "接收到万能红外发射对码信号"},
        {16, 1, 1, 1, "一般计算表达式"},
        {16, 2, 100, 5, "函数5"},
        {16, 3, 1, 1, "for循环"},
        {16, 4, 4, 4, "获取芯片唯一识别码"},
        {16, 5, 10, 9, "设置输入时间常数（毫秒）"},
        {16, 6, 3, 3, "检测输出翻转"},
        {16, 7, 3, 1, "位变量断开到闭合"},
        {16, 8, 11, 3, "定时器减到零"},
        {16, 9, 1, 1, "数据口接收到数据"},
        {16, 10, 21, 17, "求反正切 结果介于[-PI/2,PI/2]"},
        {16, 11, 10, 4, "保存并关闭文件 "},
        {17, 1, 5, 5, "某位置开始等于表达式"},
        {17, 2, 0, 1, ""},
        {18, 1, 4, 4, "判断接收数据字节数等于"},
        {18, 2, 5, 2, "判断TCP连接成功"},
        {18, 3, 6, 6, "判断服务端口接收到数据的某几个字节"},
        {19, 1, 0, 1, ""},
    };
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << "/" << c.param1);
        EXPECT_EQ(offered([&](int p2) { return conditionModeName(c.kind, c.param1, p2); }), c.count);
        EXPECT_EQ(toUtf8(conditionModeName(c.kind, c.param1, c.param2)), c.name);
    }
    // The hidden remote-signal object of kind 11 names its first mode only.
    EXPECT_EQ(toUtf8(conditionModeName(11, 2, 1)), "遥控信号(表达式)");
}

TEST(ConditionCatalogue, UserNamesReplaceNamedObjectsAndFunctions) {
    RenameTable names;
    names.entries = {{toGbk("输入3"), toGbk("启动键")},
                     {toGbk("整数1"), toGbk("计数")},
                     {toGbk("定时器0"), toGbk("延时")},
                     {toGbk("函数5"), toGbk("报警")}};
    const LangContext context{Edition::Current, &names};
    EXPECT_EQ(toUtf8(conditionObjectName(1, 3, context)), "启动键");
    EXPECT_EQ(toUtf8(conditionObjectName(3, 1, context)), "延时");
    // Local integers are not shown with user names.
    EXPECT_EQ(toUtf8(conditionObjectName(5, 2, context)), "整数1");
    EXPECT_EQ(toUtf8(conditionModeName(16, 2, 5, context)), "报警");
    EXPECT_EQ(toUtf8(conditionModeName(16, 2, 6, context)), "函数6");
}

struct ExampleCase {
    int kind;
    int param1;
    int param2;
    std::vector<const char*> texts;
};

TEST(ConditionCatalogue, ExamplesBySlot) {
    const ExampleCase cases[] = {
        {16, 3, 1, {"for(整数0=0;整数0<8;整数0=整数0+1)", "for(整数0=0;整数0<16;整数0=整数0+1)"}},
        {18, 1, 2, {"0,\"192.168.1.110\""}},
        {18, 2, 2, {"0", "1"}},
        {18, 2, 3, {"0", "1"}},
        {18, 2, 5, {"0,6000"}},
        {18, 3, 1, {"6010", "6011", "6012", "6013", "6014"}},
        {18, 3, 4, {"6010,{01 02 03}", "6011,\"示例字符串\""}},
        {18, 3, 6, {"6010,0,{01 02 03}", "6011,1,\"示例字符串\"", "6011,3,\"示例字符串\""}},
        {1, 1, 9, {}},
        {18, 1, 5, {}},
    };
    for (const ExampleCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << "/" << c.param1 << "/" << c.param2);
        std::vector<std::string> offeredTexts;
        for (int slot = 1; !conditionExample(c.kind, c.param1, c.param2, slot).empty(); ++slot)
            offeredTexts.push_back(toUtf8(conditionExample(c.kind, c.param1, c.param2, slot)));
        EXPECT_EQ(offeredTexts, std::vector<std::string>(c.texts.begin(), c.texts.end()));
    }
}

}  // namespace
}  // namespace lumio
