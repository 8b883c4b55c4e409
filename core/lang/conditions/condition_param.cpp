#include "core/lang/conditions/condition_param.h"

#include "core/lang/expressions/forms.h"
#include "core/text/gbk.h"
#include "core/text/text_table.h"

namespace lumio {
namespace {

// Replaces whole GBK characters only, so a match never straddles two characters.
std::string replaceCharacters(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        if (text.substr(i, from.size()) == from) {
            out += to;
            i += from.size();
            continue;
        }
        const size_t width = isGbkLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
        out.append(text.substr(i, width));
        i += width;
    }
    return out;
}

// «8时30分0秒» is read as the arguments 8, 30, 0.
std::string clockTimeArguments(std::string_view text) {
    static const std::string hour = gbkLiteral("时");
    static const std::string minute = gbkLiteral("分");
    static const std::string second = gbkLiteral("秒");
    return replaceCharacters(replaceCharacters(replaceCharacters(text, hour, ","), minute, ","), second, " ");
}

// «地址3  第2路» is read as the arguments 3, 2.
std::string remoteChannelArguments(std::string_view text) {
    static const std::string address = gbkLiteral("地址");
    static const std::string channel = gbkLiteral("第");
    static const std::string route = gbkLiteral("路");
    return replaceCharacters(replaceCharacters(replaceCharacters(text, address, " "), channel, ","), route, " ");
}

Bytes encodeParameter(ConditionForm form, std::string_view text, const LangContext& context) {
    switch (form) {
        case ConditionForm::None: return {};
        case ConditionForm::Expression: return encodeExpression(parseExpression(text, context));
        case ConditionForm::ArgumentList: return encodeArgumentList(parseArgumentList(text, context));
        case ConditionForm::ClockTime:
            return encodeArgumentList(parseArgumentList(clockTimeArguments(text), context));
        case ConditionForm::RemoteChannel:
            return encodeArgumentList(parseArgumentList(remoteChannelArguments(text), context));
        case ConditionForm::ConditionChain: {
            Bytes bytes = encodeConditionChain(parseConditionChain(text, context));
            return bytes.size() > kMaxChainBytes ? Bytes() : bytes;
        }
        case ConditionForm::CallForm: return encodeCallForm(parseCallForm(text, context));
        case ConditionForm::ForHeader: return encodeForHeader(parseForHeader(text, context));
        case ConditionForm::HexBytes: return parseHexBytes(text);
        case ConditionForm::RawText: return parseRawText(text);
    }
    return {};
}

}  // namespace

bool encodeConditionParam(Statement& statement, std::string_view text, const LangContext& context) {
    const ConditionMode mode = conditionMode(statement.kind(), statement.param1(), statement.param2());
    return statement.setParam3(encodeParameter(mode.form, text, context));
}

ConditionParameterTexts conditionParameterTexts(ConditionForm form, ByteView param3, std::string_view callName,
                                                const LangContext& context) {
    ConditionParameterTexts texts;
    auto takeArguments = [&]() -> ArgumentList {
        ArgumentList arguments = decodeArgumentList(param3);
        for (size_t i = 0; i < texts.arguments.size() && i < arguments.size(); ++i)
            texts.arguments[i] = printExpression(arguments[i], context);
        return arguments;
    };
    switch (form) {
        case ConditionForm::None: break;
        case ConditionForm::Expression: texts.parameter = printExpression(decodeExpression(param3), context); break;
        case ConditionForm::ArgumentList: texts.parameter = printArgumentList(takeArguments(), context); break;
        case ConditionForm::ClockTime: {
            static const std::string clock = gbkLiteral("%s时%s分%s秒");
            takeArguments();
            texts.parameter = formatText(clock.c_str(), texts.arguments[0].c_str(), texts.arguments[1].c_str(),
                                         texts.arguments[2].c_str());
            break;
        }
        case ConditionForm::RemoteChannel: {
            static const std::string channel = gbkLiteral("地址%s  第%s路");
            takeArguments();
            texts.parameter = formatText(channel.c_str(), texts.arguments[0].c_str(), texts.arguments[1].c_str());
            break;
        }
        case ConditionForm::ConditionChain:
            texts.parameter = printConditionChain(decodeConditionChain(param3), context);
            break;
        case ConditionForm::CallForm:
            texts.parameter = printCallForm(decodeCallForm(param3), callName, context);
            break;
        case ConditionForm::ForHeader: texts.parameter = printForHeader(decodeForHeader(param3), context); break;
        case ConditionForm::HexBytes: texts.parameter = hexPairs(param3); break;
        case ConditionForm::RawText: texts.parameter = std::string(param3); break;
    }
    return texts;
}

std::string decodeConditionParam(const Statement& statement, const LangContext& context) {
    const ConditionMode mode = conditionMode(statement.kind(), statement.param1(), statement.param2());
    return conditionParameterTexts(mode.form, statement.param3(), " ", context).parameter;
}

}  // namespace lumio
