#include <gtest/gtest.h>

#include "core/link/decimal_list.h"
#include "core/link/wizard_frames.h"

#include "tests/core/link/link_test_support.h"

namespace lumio {
namespace {

using test::bytes;
using test::message;
using Op = WizardOperation;

WizardChoice choose(Op operation, std::uint8_t address, int channel, const char* parameter, bool withReply) {
    return WizardChoice{address, operation, channel, toGbk(parameter), withReply};
}

TEST(WizardCommand, ComposesTheFrameOfEachOperation) {
    struct Case {
        WizardChoice choice;
        const char* text;
    };
    const Case cases[] = {
        {choose(Op::CloseOne, 1, 1, "", true), "55 01 12 00 00 00 01 69"},
        {choose(Op::QueryStatus, 2, 5, "", true), "55 02 10 00 00 00 00 67"},
        {choose(Op::OpenOne, 1, 32, "", false), "55 01 31 00 00 00 20 A7"},
        {choose(Op::ToggleOne, 3, 4, "", true), "55 03 20 00 00 00 04 7C"},
        {choose(Op::JogOne, 1, 2, "1500ms", true), "55 01 21 00 05 DC 02 5A"},
        {choose(Op::CloseAll, 1, 1, "", false), "55 01 33 FF FF FF FF 85"},
        {choose(Op::OpenAll, 1, 1, "", true), "55 01 13 00 00 00 00 69"},
        {choose(Op::CloseGroup, 1, 1, "1 3 5 12", true), "55 01 15 00 00 08 15 88"},
        {choose(Op::OpenGroup, 1, 1, " 32 33 0 1 ", false), "55 01 34 80 00 00 01 0B"},
        {choose(Op::ToggleGroup, 1, 1, "257", true), "55 01 16 00 00 00 01 6D"},
        {choose(Op::Execute, 1, 1, "", true), "55 01 13 00 00 00 00 69"},
        {choose(Op::BroadcastAddress, 9, 1, "7", false), "55 F5 41 00 00 00 07 92"},
        {choose(Op::ChangeAddress, 9, 1, "12", false), "55 09 41 00 00 00 0C AB"},
        {choose(Op::SequenceClose, 1, 1, "2 8 100", false), "55 01 3A 02 0A 01 08 A5"},
        {choose(Op::SequenceClose, 1, 1, "2 8 50", false), "55 01 3A 02 32 00 08 CC"},
        {choose(Op::SequenceOpen, 1, 1, "2 8 100 9", true), "55 01 17 02 0A 01 08 82"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const WizardCommand command = composeWizardCommand(c.choice);
        EXPECT_TRUE(command.messages.empty());
        ASSERT_TRUE(command.frame);
        EXPECT_EQ(wizardFrameText(*command.frame), c.text);
    }
}

TEST(WizardCommand, Refusals) {
    struct Case {
        WizardChoice choice;
        ShowMessage shown;
    };
    const char* groupHint = "，中间使用空格间隔，比如 1 3 5 12 16  ";
    const char* sequenceHint = "的参数，首 末 间隔时间，比如 2 8 100 从第二路到第八路间隔100毫秒 ";
    const Case cases[] = {
        {choose(Op::QueryStatus, 1, 1, "", false), message("查询状态必须要有返回码！", "")},
        {choose(Op::CloseGroup, 1, 1, " ", true), message((std::string("请输入要求闭合的路数") + groupHint).c_str(), "提示")},
        {choose(Op::OpenGroup, 1, 1, "", true), message((std::string("请输入要求断开的路数") + groupHint).c_str(), "提示")},
        {choose(Op::ToggleGroup, 1, 1, "", true), message((std::string("请输入要求翻转的路数") + groupHint).c_str(), "提示")},
        {choose(Op::SequenceOpen, 1, 1, "", true), message((std::string("请输入顺序断开") + sequenceHint).c_str(), "提示")},
        {choose(Op::SequenceClose, 1, 1, "", true), message((std::string("请输入顺序闭合") + sequenceHint).c_str(), "提示")},
        // Fewer than three numbers: refused with the same hint rather than sent with made-up values.
        {choose(Op::SequenceClose, 1, 1, "2 8", true), message((std::string("请输入顺序闭合") + sequenceHint).c_str(), "提示")},
        {choose(Op::SequenceOpen, 1, 1, "2 8 x", true), message("参数只能是数字", "")},
    };
    for (const Case& c : cases) {
        const WizardCommand command = composeWizardCommand(c.choice);
        EXPECT_FALSE(command.frame);
        EXPECT_EQ(command.messages, std::vector<ShowMessage>{c.shown});
    }
    EXPECT_FALSE(composeWizardCommand(WizardChoice{1, std::nullopt, 1, "", true}).frame);
}

TEST(WizardCommand, ChannelListWithALetterWarnsAndComposesMaskZero) {
    const WizardCommand command = composeWizardCommand(choose(Op::CloseGroup, 1, 1, "1 a 3", true));
    EXPECT_EQ(command.messages, std::vector<ShowMessage>{message("参数只能是数字", "")});
    ASSERT_TRUE(command.frame);
    EXPECT_EQ(command.frame->substr(3, 4), bytes({0, 0, 0, 0}));
}

TEST(WizardCommand, IntervalEncoding) {
    const std::pair<std::uint32_t, WizardInterval> cases[] = {
        {0, {0, 0}},     {50, {50, 0}},      {99, {99, 0}},          {100, {10, 1}},
        {500, {50, 1}},  {999, {99, 1}},     {1234, {12, 2}},        {65000, {65, 3}},
        {123456789, {12, 7}},
    };
    for (const auto& [milliseconds, interval] : cases) EXPECT_EQ(encodeInterval(milliseconds), interval) << milliseconds;
}

TEST(ParseDecimalList, Cases) {
    struct Case {
        std::string text;
        DecimalList expected;
    };
    const Case cases[] = {
        {"1 3 5 12", {{1, 3, 5, 12}, false}},
        {"  7  ", {{7}, false}},
        {"", {}},
        {"1 a", {{}, true}},
        {"1,2", {{}, true}},
        {"-1", {{}, true}},
        {"123456789 1", {{123456789, 1}, false}},
        {"1234567890", {}},                    // a ten-digit token ends the parse
        {"111111111" + std::string(243, ' ') + "1", {{111111111, 1}, false}},  // 255 characters once padded
        {"1" + std::string(252, ' ') + "2", {}},                                // 256 characters once padded
    };
    for (const Case& c : cases) EXPECT_EQ(parseDecimalList(c.text), c.expected) << c.text;
    std::string many;
    for (int i = 0; i < 120; ++i) many += "1 ";
    EXPECT_EQ(parseDecimalList(many).numbers.size(), 99u);
}

TEST(WizardLayout, VisibilityTable) {
    struct Row {
        std::optional<Op> operation;
        const char* label;  // nullptr: unchanged
        const char* addressLabel;
        bool address, parameter, channel;
        std::optional<bool> reply;
        bool emptied;
    };
    const Row rows[] = {
        {Op::QueryStatus, "路号(空格间隔):", "目标地址", true, false, true, true, false},
        {Op::ToggleOne, "路号(空格间隔):", "目标地址", true, false, true, true, false},
        {Op::JogOne, "点动时间(毫秒): ", "目标地址", true, true, true, true, false},
        {Op::CloseAll, nullptr, "目标地址", true, false, false, true, false},
        {Op::OpenAll, nullptr, "目标地址", true, false, false, true, false},
        {Op::CloseGroup, "路号(哪几路开):", "目标地址", true, true, false, true, true},
        {Op::Execute, "路号(哪几路开):", "目标地址", true, true, false, true, true},
        {Op::BroadcastAddress, "目标地址:", "目标地址", false, true, false, false, true},
        {Op::ChangeAddress, "目标地址:", "现有地址", true, true, false, false, true},
        {Op::SequenceOpen, "参数:", "现有地址", true, true, false, true, true},
        {Op::SequenceClose, "参数:", "现有地址", true, true, false, true, true},
        {std::nullopt, "无效参数：   ", "目标地址", true, true, true, std::nullopt, false},
    };
    for (const Row& row : rows) {
        const WizardLayout layout = wizardLayout(row.operation);
        SCOPED_TRACE(row.operation ? static_cast<int>(*row.operation) : -1);
        EXPECT_EQ(layout.parameterLabel, row.label ? std::optional(toGbk(row.label)) : std::nullopt);
        EXPECT_EQ(layout.addressLabel, toGbk(row.addressLabel));
        EXPECT_EQ(layout.address, row.address);
        EXPECT_EQ(layout.parameter, row.parameter);
        EXPECT_EQ(layout.channel, row.channel);
        EXPECT_EQ(layout.reply, row.reply);
        EXPECT_EQ(layout.emptyParameter, row.emptied);
    }
}

TEST(WizardTexts, NamesAndHelp) {
    EXPECT_EQ(wizardOperationName(0), toGbk("查询状态"));
    EXPECT_EQ(wizardOperationName(14), toGbk("顺序闭合某连续几路"));
    EXPECT_EQ(wizardOperationName(15), "");
    EXPECT_EQ(wizardHelpText(Op::OpenOne), toGbk("断开某一路的填写说明：\r\n选择第几路，选择是否需要回码，无回码命令可以连发"));
    EXPECT_EQ(wizardHelpText(Op::BroadcastAddress),
              toGbk("指令执行填写说明：\r\n目标地址中填写需要更改为的目标地址。\r\nOvrin模块上电十秒以内允许修改地址\r\n"));
    EXPECT_EQ(wizardHelpText(std::nullopt), "");
    for (int i = 0; i < kWizardOperationCount; ++i) EXPECT_FALSE(wizardHelpText(static_cast<Op>(i)).empty());
}

}  // namespace
}  // namespace lumio
