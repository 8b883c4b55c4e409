#include "core/lang/expressions/for_header.h"

#include "core/lang/expressions/punctuation.h"

namespace lumio {

ForHeader parseForHeader(std::string_view input, const LangContext& ctx) {
    ForHeader header;
    if (input.size() <= 7) return header;
    // "for(" ... ")": the word and the two parentheses are dropped, the rest is a RelationList.
    std::string text = normalizePunctuation(input);
    const size_t first = text.find_first_not_of(' ');
    text.erase(0, first == std::string::npos ? text.size() : first);
    text.erase(0, std::min<size_t>(3, text.size()));
    text = trimSpaces(text);
    if (!text.empty()) text.erase(0, 1);
    if (!text.empty()) text.pop_back();
    header.relations = parseRelationList(text, ctx);
    return header;
}

std::string printForHeader(const ForHeader& header, const LangContext& ctx) {
    return "for(" + printRelationList(header.relations, ctx) + ")";
}

Bytes encodeForHeader(const ForHeader& header) { return encodeRelationList(header.relations); }

ForHeader decodeForHeader(ByteView bytes) { return ForHeader{decodeRelationList(bytes)}; }

ForHeader decodeForHeader(ByteView bytes, size_t count) { return ForHeader{decodeRelationList(bytes, count)}; }

}  // namespace lumio
