#include "core/lang/actions/param3_codec.h"

#include "core/lang/expressions/forms.h"
#include "core/text/gbk.h"

namespace lumio {

Bytes encodeParam3(Param3Form form, std::string_view text, const LangContext& context) {
    switch (form) {
    case Param3Form::None: return {};
    case Param3Form::Expression: return encodeExpression(parseExpression(text, context));
    case Param3Form::ArgumentList: return encodeArgumentList(parseArgumentList(text, context));
    case Param3Form::RelationList: return encodeRelationList(parseRelationList(text, context));
    case Param3Form::CallForm: return encodeCallForm(parseCallForm(text, context));
    case Param3Form::IndexedCallForm: return encodeIndexedCallForm(parseIndexedCallForm(text, context));
    case Param3Form::HexBytes: return encodeHexBytes(parseHexBytes(text));
    case Param3Form::RawText: return encodeRawText(parseRawText(text));
    }
    return {};
}

std::string param3EditText(Param3Form form, ByteView bytes, const LangContext& context) {
    switch (form) {
    case Param3Form::None: return {};
    case Param3Form::Expression: return printExpression(decodeExpression(bytes), context);
    case Param3Form::ArgumentList: return printArgumentList(decodeArgumentList(bytes), context);
    case Param3Form::RelationList: return printRelationList(decodeRelationList(bytes), context);
    case Param3Form::CallForm: return printCallForm(decodeCallForm(bytes), {}, context);
    case Param3Form::IndexedCallForm: return printIndexedCallForm(decodeIndexedCallForm(bytes), {}, context);
    case Param3Form::HexBytes: return printHexBytes(decodeHexBytes(bytes));
    case Param3Form::RawText: return printRawText(decodeRawText(bytes));
    }
    return {};
}

std::vector<std::string> param3Items(ByteView bytes, const LangContext& context) {
    std::vector<std::string> items;
    for (const Expression& item : decodeArgumentList(bytes)) items.push_back(printExpression(item, context));
    return items;
}

std::string param3CallText(ByteView bytes, std::string_view name, const LangContext& context) {
    return printCallForm(decodeCallForm(bytes), name, context);
}

std::string param3IndexedCallText(ByteView bytes, std::string_view name, const LangContext& context) {
    return printIndexedCallForm(decodeIndexedCallForm(bytes), name, context);
}

std::string editorParam3Text(std::string_view typed) {
    static const std::string openQuote = toGbk("“");
    static const std::string closeQuote = toGbk("”");
    const std::string text = trimBlanks(typed);
    if (text.find('"') != std::string::npos) return text;
    // Walked by characters, so the trail byte of one character and the lead byte of the next never
    // pass for a quote.
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const size_t width = isGbkLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
        const std::string_view character(text.data() + i, width);
        out += character == openQuote || character == closeQuote ? std::string_view("\"") : character;
        i += width;
    }
    return out;
}

}  // namespace lumio
