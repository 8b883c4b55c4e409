#include "core/lang/expressions/call_form.h"

#include "core/lang/expressions/punctuation.h"
#include "core/lang/operands/text_walk.h"

namespace lumio {
namespace {

// Removes every occurrence of `what` outside text constants. The operator of the result part is taken
// out of the argument text this way; a text constant keeps what the user wrote («"a=b"» stays whole).
std::string removeOutsideText(std::string_view text, std::string_view what) {
    std::string out;
    bool inText = false;
    for (size_t i = 0; i < text.size();) {
        const size_t length = characterLength(text, i);
        if (length == 1 && text[i] == '"') {
            inText = !inText;
        } else if (inText && length == 1 && text[i] == '\\' && i + 1 < text.size()) {
            const size_t escaped = 1 + characterLength(text, i + 1);
            out.append(text.substr(i, escaped));
            i += escaped;
            continue;
        } else if (!inText && text.substr(i, what.size()) == what) {
            i += what.size();
            continue;
        }
        out.append(text.substr(i, length));
        i += length;
    }
    return out;
}

struct CallParts {
    Expression result;
    RelationCode code = RelationCode::None;
    bool hasArguments = false;
    std::string head;       // the text before "(" (or the space)
    std::string arguments;  // the text inside the parentheses
};

CallParts splitCall(std::string_view input, const LangContext& ctx) {
    std::string text = trimSpaces(normalizePunctuation(input));
    CallParts parts;
    const RelationOperatorMatch match = findRelationOperator(text);
    if (match.position != std::string_view::npos && match.position > 0) {
        parts.result = parseExpression(std::string_view(text).substr(0, match.position), ctx);
        parts.code = match.code;
        const std::string operatorText(relationOperatorText(match.code));
        text = trimSpaces(removeOutsideText(std::string_view(text).substr(match.position), operatorText));
    }
    size_t open = text.find('(');
    if (open == std::string::npos) open = text.find(' ');
    if (open == std::string::npos) return parts;
    parts.hasArguments = true;
    parts.head = text.substr(0, open);
    std::string rest = trimSpaces(std::string_view(text).substr(open));
    if (startsWith(rest, "(")) rest.erase(0, 1);
    if (endsWith(rest, ")")) rest.pop_back();
    parts.arguments = std::move(rest);
    return parts;
}

std::string resultPrefix(const Expression& result, RelationCode code, const LangContext& ctx) {
    if (result.empty()) return {};
    return printExpression(result, ctx) + " " + std::string(relationOperatorText(code)) + " ";
}

}  // namespace

std::string printCallArguments(const ArgumentList& arguments, const LangContext& ctx) {
    if (arguments.empty()) return "( )";
    if (arguments.size() == 1) return "( " + printExpression(arguments.front(), ctx) + " )";
    return "(" + printArgumentList(arguments, ctx) + ")";
}

CallForm parseCallForm(std::string_view text, const LangContext& ctx) {
    CallParts parts = splitCall(text, ctx);
    CallForm form;
    form.result = std::move(parts.result);
    form.code = parts.code;
    if (parts.hasArguments) form.arguments = parseArgumentList(parts.arguments, ctx);
    return form;
}

std::string printCallForm(const CallForm& form, std::string_view name, const LangContext& ctx) {
    return resultPrefix(form.result, form.code, ctx) + std::string(name) + printCallArguments(form.arguments, ctx);
}

Bytes encodeCallForm(const CallForm& form) {
    const Bytes result = encodeExpression(form.result);
    const Bytes arguments = encodeArgumentList(form.arguments);
    if (result.empty() || arguments.empty()) return {};
    const Bytes body = result + '\x02' + static_cast<char>(form.code) + arguments;
    if (body.size() + 1 > kMaxFormLength) return {};
    return static_cast<char>(body.size() + 1) + body;
}

CallForm decodeCallForm(ByteView bytes) {
    const ByteView form = frontForm(bytes);
    CallForm call;
    std::vector<ByteView> items;
    if (form.empty() || !splitItems(form.substr(1), items) || items.size() != 3) return call;
    call.result = decodeExpression(items[0]);
    if (items[1].size() == 2) call.code = static_cast<RelationCode>(byteAt(items[1], 1));
    call.arguments = decodeArgumentList(items[2]);
    return call;
}

IndexedCallForm parseIndexedCallForm(std::string_view text, const LangContext& ctx) {
    CallParts parts = splitCall(text, ctx);
    IndexedCallForm form;
    form.result = std::move(parts.result);
    form.code = parts.code;
    if (parts.hasArguments) {
        form.object = parseExpression(parts.head, ctx);
        form.arguments = parseArgumentList(parts.arguments, ctx);
    }
    return form;
}

std::string printIndexedCallForm(const IndexedCallForm& form, std::string_view name, const LangContext& ctx) {
    std::string text = resultPrefix(form.result, form.code, ctx);
    if (!name.empty()) text += std::string(name) + "[" + printExpression(form.object, ctx) + "]";
    else text += printExpression(form.object, ctx);
    return text + printCallArguments(form.arguments, ctx);
}

Bytes encodeIndexedCallForm(const IndexedCallForm& form) {
    const Bytes result = encodeExpression(form.result);
    const Bytes object = encodeExpression(form.object);
    const Bytes arguments = encodeArgumentList(form.arguments);
    if (result.empty() || object.empty() || arguments.empty()) return {};
    const Bytes body = result + '\x02' + static_cast<char>(form.code) + object + arguments;
    if (body.size() + 1 > kMaxFormLength) return {};
    return static_cast<char>(body.size() + 1) + body;
}

IndexedCallForm decodeIndexedCallForm(ByteView bytes) {
    const ByteView form = frontForm(bytes);
    IndexedCallForm call;
    std::vector<ByteView> items;
    if (form.empty() || !splitItems(form.substr(1), items) || items.size() != 4) return call;
    call.result = decodeExpression(items[0]);
    if (items[1].size() == 2) call.code = static_cast<RelationCode>(byteAt(items[1], 1));
    call.object = decodeExpression(items[2]);
    call.arguments = decodeArgumentList(items[3]);
    return call;
}

}  // namespace lumio
