#include "core/link/wizard_frames.h"

#include "core/link/decimal_list.h"
#include "core/link/frames.h"
#include "core/link/link_texts.h"
#include "core/text/gbk.h"

namespace lumio {
namespace {

// Function codes with a reply requested and without; 0 where the operation has no such form.
struct OperationCodes {
    const char* name;
    std::uint8_t withReply;
    std::uint8_t withoutReply;
};

constexpr std::array<OperationCodes, kWizardOperationCount> kOperations = {{
    {"查询状态", 0x10, 0x00},
    {"闭合某一路", 0x12, 0x32},
    {"断开某一路", 0x11, 0x31},
    {"翻转某一路", 0x20, 0x30},
    {"点动某一路", 0x21, 0x37},
    {"全部闭合", 0x13, 0x33},
    {"全部断开", 0x13, 0x33},
    {"组闭合", 0x15, 0x35},
    {"组断开", 0x14, 0x34},
    {"组翻转", 0x16, 0x36},
    {"指令执行", 0x13, 0x33},
    {"广播更改地址", 0x41, 0x41},
    {"单独更改地址", 0x41, 0x41},
    {"顺序断开某连续几路", 0x17, 0x39},
    {"顺序闭合某连续几路", 0x18, 0x3A},
}};

constexpr const char* kGroupHint = "，中间使用空格间隔，比如 1 3 5 12 16  ";
constexpr const char* kSequenceHint = "的参数，首 末 间隔时间，比如 2 8 100 从第二路到第八路间隔100毫秒 ";

// The refusal of an empty parameter, by operation.
std::string emptyParameterText(WizardOperation operation) {
    switch (operation) {
    case WizardOperation::CloseGroup: return toGbk(std::string("请输入要求闭合的路数") + kGroupHint);
    case WizardOperation::OpenGroup: return toGbk(std::string("请输入要求断开的路数") + kGroupHint);
    case WizardOperation::ToggleGroup: return toGbk(std::string("请输入要求翻转的路数") + kGroupHint);
    case WizardOperation::SequenceOpen: return toGbk(std::string("请输入顺序断开") + kSequenceHint);
    case WizardOperation::SequenceClose: return toGbk(std::string("请输入顺序闭合") + kSequenceHint);
    default: return {};
    }
}

std::uint32_t packBytes(std::uint8_t b3, std::uint8_t b4, std::uint8_t b5, std::uint8_t b6) {
    return std::uint32_t{b3} << 24 | std::uint32_t{b4} << 16 | std::uint32_t{b5} << 8 | b6;
}

bool isBlankText(std::string_view text) { return trimBlanks(text).empty(); }

}  // namespace

std::string wizardOperationName(int position) {
    if (position < 0 || position >= kWizardOperationCount) return {};
    return toGbk(kOperations[static_cast<size_t>(position)].name);
}

WizardInterval encodeInterval(std::uint32_t milliseconds) {
    int digits = 1;
    for (std::uint32_t rest = milliseconds / 10; rest != 0; rest /= 10) ++digits;
    if (digits < 3) return {static_cast<std::uint8_t>(milliseconds & 0xFF), 0};
    std::uint32_t divisor = 1;
    for (int i = 0; i < digits - 2; ++i) divisor *= 10;
    return {static_cast<std::uint8_t>(milliseconds / divisor), static_cast<std::uint8_t>(digits - 2)};
}

std::uint32_t channelMask(const std::vector<std::uint32_t>& channels) {
    std::uint32_t mask = 0;
    for (std::uint32_t number : channels) {
        const std::uint32_t channel = number & 0xFF;
        if (channel >= 1 && channel <= kWizardChannelCount) mask |= std::uint32_t{1} << (channel - 1);
    }
    return mask;
}

WizardCommand composeWizardCommand(const WizardChoice& choice) {
    WizardCommand command;
    if (!choice.operation) return command;
    const WizardOperation operation = *choice.operation;
    const OperationCodes& codes = kOperations[static_cast<size_t>(operation)];
    std::uint8_t target = choice.address;
    std::uint8_t code = choice.withReply ? codes.withReply : codes.withoutReply;
    const auto channel = static_cast<std::uint8_t>(choice.channel);
    const auto refuse = [&](std::string text, std::string caption) {
        command.messages.push_back(ShowMessage{std::move(text), std::move(caption)});
        return command;
    };
    std::uint32_t value = 0;
    switch (operation) {
    case WizardOperation::QueryStatus:
        if (!choice.withReply) return refuse(toGbk("查询状态必须要有返回码！"), {});
        break;
    case WizardOperation::CloseOne:
    case WizardOperation::OpenOne:
    case WizardOperation::ToggleOne: value = channel; break;
    case WizardOperation::JogOne: value = (leadingDecimal(choice.parameter) & 0xFFFFFF) << 8 | channel; break;
    case WizardOperation::CloseAll: value = 0xFFFFFFFF; break;
    case WizardOperation::OpenAll: break;
    case WizardOperation::CloseGroup:
    case WizardOperation::OpenGroup:
    case WizardOperation::ToggleGroup:
    case WizardOperation::Execute: {
        if (operation != WizardOperation::Execute && isBlankText(choice.parameter)) {
            return refuse(emptyParameterText(operation), caption::notice());
        }
        const DecimalList list = parseDecimalList(choice.parameter);
        if (list.notDigits) command.messages.push_back(ShowMessage{digitsOnlyText(), {}});
        value = channelMask(list.numbers);
        break;
    }
    case WizardOperation::BroadcastAddress:
    case WizardOperation::ChangeAddress:
        if (operation == WizardOperation::BroadcastAddress) target = kEveryModule;
        code = codes.withReply;
        value = leadingDecimal(choice.parameter) & 0xFF;
        break;
    case WizardOperation::SequenceOpen:
    case WizardOperation::SequenceClose: {
        if (isBlankText(choice.parameter)) return refuse(emptyParameterText(operation), caption::notice());
        const DecimalList list = parseDecimalList(choice.parameter);
        if (list.notDigits) return refuse(digitsOnlyText(), {});
        // First channel, last channel and interval are all needed; a shorter list is refused with the
        // same hint as an empty one rather than sent with made-up values.
        if (list.numbers.size() < 3) return refuse(emptyParameterText(operation), caption::notice());
        const WizardInterval interval = encodeInterval(list.numbers[2]);
        value = packBytes(static_cast<std::uint8_t>(list.numbers[0]), interval.mantissa, interval.exponent,
                          static_cast<std::uint8_t>(list.numbers[1]));
        break;
    }
    }
    command.frame = frame55(target, code, value);
    return command;
}

std::string wizardFrameText(ByteView frame) { return hexPairs(frame); }

WizardLayout wizardLayout(std::optional<WizardOperation> operation) {
    WizardLayout layout;
    layout.addressLabel = toGbk("目标地址");
    if (!operation) {
        layout.parameterLabel = toGbk("无效参数：   ");
        return layout;
    }
    const auto set = [&](const char* label, bool address, bool parameter, bool channel, bool reply,
                         bool emptyParameter) {
        if (label) layout.parameterLabel = toGbk(label);
        layout.address = address;
        layout.parameter = parameter;
        layout.channel = channel;
        layout.reply = reply;
        layout.emptyParameter = emptyParameter;
    };
    switch (*operation) {
    case WizardOperation::QueryStatus:
    case WizardOperation::CloseOne:
    case WizardOperation::OpenOne:
    case WizardOperation::ToggleOne: set("路号(空格间隔):", true, false, true, true, false); break;
    case WizardOperation::JogOne: set("点动时间(毫秒): ", true, true, true, true, false); break;
    case WizardOperation::CloseAll:
    case WizardOperation::OpenAll: set(nullptr, true, false, false, true, false); break;
    case WizardOperation::CloseGroup:
    case WizardOperation::OpenGroup:
    case WizardOperation::ToggleGroup:
    case WizardOperation::Execute: set("路号(哪几路开):", true, true, false, true, true); break;
    case WizardOperation::BroadcastAddress: set("目标地址:", false, true, false, false, true); break;
    case WizardOperation::ChangeAddress:
        set("目标地址:", true, true, false, false, true);
        layout.addressLabel = toGbk("现有地址");
        break;
    case WizardOperation::SequenceOpen:
    case WizardOperation::SequenceClose:
        set("参数:", true, true, false, true, true);
        layout.addressLabel = toGbk("现有地址");
        break;
    }
    return layout;
}

std::string wizardHelpText(std::optional<WizardOperation> operation) {
    if (!operation) return {};
    constexpr const char* kOneChannel = "选择第几路，选择是否需要回码，无回码命令可以连发";
    constexpr const char* kAll = "选择地址，选择是否需要回码，无回码命令可以连发。";
    constexpr const char* kAllLine = "选择地址，选择是否需要回码，无回码命令可以连发。\r\n";
    constexpr const char* kChannelsNote = "第几路的选择注意事项：直接输入阿拉伯数字，不同的路数中间使用空格隔开。例如：1 3 5 12 就是";
    constexpr const char* kExecuteTitle = "指令执行填写说明：\r\n";
    constexpr const char* kNewAddress = "目标地址中填写需要更改为的目标地址。\r\n";
    constexpr const char* kPowerUp = "Ovrin模块上电十秒以内允许修改地址\r\n";
    constexpr const char* kSequence = "参数中填写：首路 末路 间隔时间\r\n";
    std::string text;
    switch (*operation) {
    case WizardOperation::QueryStatus:
        text = std::string("查询目标模块的状态\r\n") +
               "查询目标模块的状态，不需要选择第几路，也不需要选择是否需要回码，因为查询状态命令是肯定需要回码的。程序使用" +
               "0x10功能码查询，模块收到这个查询指令后返回模块的当前状态。";
        break;
    case WizardOperation::CloseOne: text = std::string("闭合某一路的填写说明：\r\n") + kOneChannel; break;
    case WizardOperation::OpenOne: text = std::string("断开某一路的填写说明：\r\n") + kOneChannel; break;
    case WizardOperation::ToggleOne: text = std::string("翻转某一路的填写说明：\r\n") + kOneChannel; break;
    case WizardOperation::JogOne:
        text = std::string("点动某一路的填写说明：\r\n") + "选择第几路，选择点动的时间，选择是否需要回码，无回码命令可以连发。" +
               "模块收到点动命令后，闭合继电器并等待一段时间后自动断开，点动时间就是继电器闭合的时间。";
        break;
    case WizardOperation::CloseAll: text = std::string("全部闭合填写说明：\r\n") + kAll; break;
    case WizardOperation::OpenAll: text = std::string("全部断开填写说明：\r\n") + kAll; break;
    case WizardOperation::CloseGroup:
        text = std::string("组闭合填写说明：\r\n") + kAllLine + kChannelsNote + "闭合第一路" + "第三路，第五路，和第十二路";
        break;
    case WizardOperation::OpenGroup:
        text = std::string("组断开填写说明：\r\n") + kAllLine + kChannelsNote + "断开第一路" + "第三路第五路和第十二路";
        break;
    case WizardOperation::ToggleGroup:
        text = std::string("组翻转填写说明：\r\n") + kAllLine + kChannelsNote + "翻转第一路" + "第三路第五路和第十二路";
        break;
    case WizardOperation::Execute:
        text = std::string(kExecuteTitle) + kAllLine +
               "第几路的选择注意事项：直接输入需要闭合的路数，不同的路数中间使用空格隔开，其他路断开。例如：1 3 5 12 就是只闭合第一路" +
               "第三路第五路和第十二路，其他所有路断开\r\n" + "如果不填，就是所有路都断开\r\n";
        break;
    case WizardOperation::BroadcastAddress: text = std::string(kExecuteTitle) + kNewAddress + kPowerUp; break;
    case WizardOperation::ChangeAddress:
        text = std::string(kExecuteTitle) + "选择地址中选择需要更改的模块的现有地址。\r\n" + kNewAddress + kPowerUp;
        break;
    case WizardOperation::SequenceOpen:
        text = std::string(kExecuteTitle) + kSequence + "比如 2 8 500  从第二路到第八路 间隔500毫秒依次断开\r\n";
        break;
    case WizardOperation::SequenceClose:
        text = std::string(kExecuteTitle) + kSequence + "比如 2 8 500  从第二路到第八路 间隔500毫秒依次闭合\r\n";
        break;
    }
    return toGbk(text);
}

std::string wizardIntroText() {
    return toGbk("使用说明：\r\n"
                 "这个小程序可以生成继电器板的控制命令，选择需要进行的操作，然后点生成命令就可以生成对应的指令。\r\n"
                 "使用十六进制发送，波特率9600,n,8,1");
}

std::string wizardInitialParameterLabel() { return toGbk("参数：   "); }

}  // namespace lumio
