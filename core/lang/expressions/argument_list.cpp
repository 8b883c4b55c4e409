#include "core/lang/expressions/argument_list.h"

#include "core/lang/expressions/punctuation.h"
#include "core/lang/operands/text_walk.h"

namespace lumio {

ArgumentList parseArgumentList(std::string_view input, const LangContext& ctx) {
    const std::string text = trimSpaces(normalizePunctuation(input)) + ",";
    ArgumentList arguments;
    bool inText = false;
    int depth = 0;
    size_t begin = 0;
    for (size_t i = 0; i < text.size();) {
        const size_t length = characterLength(text, i);
        const char c = text[i];
        if (length == 1) {
            if (c == '"') {
                inText = !inText;
            } else if (inText) {
                if (c == '\\' && i + 1 < text.size()) i += characterLength(text, i + 1);
            } else if (c == '(') {
                ++depth;
            } else if (c == ')') {
                --depth;
            } else if (c == ',' && depth == 0) {
                Expression argument = parseExpression(std::string_view(text).substr(begin, i - begin), ctx);
                if (!argument.empty()) arguments.push_back(std::move(argument));
                begin = i + 1;
            }
        }
        i += length;
    }
    return arguments;
}

std::string printArgumentList(const ArgumentList& arguments, const LangContext& ctx) {
    std::string text;
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0) text += ", ";
        text += printExpression(arguments[i], ctx);
    }
    return text;
}

Bytes encodeArgumentList(const ArgumentList& arguments) {
    Bytes body;
    for (const Expression& argument : arguments) {
        const Bytes stored = encodeExpression(argument);
        if (stored.empty()) return {};
        body += stored;
    }
    if (body.size() + 1 > kMaxFormLength) return {};
    return static_cast<char>(body.size() + 1) + body;
}

ArgumentList decodeArgumentList(ByteView bytes) {
    const ByteView form = frontForm(bytes);
    ArgumentList arguments;
    std::vector<ByteView> items;
    if (form.empty() || !splitItems(form.substr(1), items)) return arguments;
    for (ByteView item : items) {
        if (item.size() <= 2) continue;
        Expression argument = decodeExpression(item);
        if (!argument.empty()) arguments.push_back(std::move(argument));
    }
    return arguments;
}

}  // namespace lumio
