#include "core/lang/expressions/relation.h"

#include "core/lang/expressions/punctuation.h"

namespace lumio {
namespace {

struct OperatorText {
    std::string_view text;
    RelationCode code;
};

// In order of priority: the first that occurs anywhere in the text is taken.
constexpr OperatorText kOperators[] = {
    {">=", RelationCode::GreaterEqual}, {"<=", RelationCode::LessEqual}, {"<>", RelationCode::NotEqual},
    {"=", RelationCode::Equal},         {">", RelationCode::Greater},    {"<", RelationCode::Less},
};

}  // namespace

std::string_view relationOperatorText(RelationCode code) {
    for (const OperatorText& op : kOperators)
        if (op.code == code) return op.text;
    return {};
}

RelationOperatorMatch findRelationOperator(std::string_view text) {
    // The operator bytes lie below 0x40, so they never match a byte inside a double-byte character.
    for (const OperatorText& op : kOperators) {
        const size_t position = text.find(op.text);
        if (position != std::string_view::npos) return {op.code, position, op.text.size()};
    }
    return {};
}

Relation parseRelation(std::string_view input, const LangContext& ctx) {
    const std::string text = trimSpaces(normalizePunctuation(input));
    Relation relation;
    const RelationOperatorMatch match = findRelationOperator(text);
    if (match.position != std::string_view::npos && match.position > 0) {
        relation.left = parseExpression(std::string_view(text).substr(0, match.position), ctx);
        relation.code = match.code;
        relation.right = parseExpression(trimSpaces(std::string_view(text).substr(match.position + match.length)), ctx);
    } else {
        relation.right = parseExpression(text, ctx);
    }
    return relation;
}

std::string printRelation(const Relation& relation, const LangContext& ctx) {
    return printExpression(relation.left, ctx) + std::string(relationOperatorText(relation.code)) +
           printExpression(relation.right, ctx);
}

Bytes encodeRelation(const Relation& relation) {
    const Bytes right = encodeExpression(relation.right);
    Bytes body;
    if (relation.code == RelationCode::None && relation.left.empty()) {
        body = right;
    } else {
        const Bytes left = encodeExpression(relation.left);
        if (left.empty()) return {};
        body = left + '\x02' + static_cast<char>(relation.code) + right;
    }
    // A part stored as nothing leaves no Relation to store.
    if (right.empty() || body.size() + 1 > kMaxFormLength) return {};
    return static_cast<char>(body.size() + 1) + body;
}

Relation decodeRelation(ByteView bytes) {
    const ByteView form = frontForm(bytes);
    Relation relation;
    std::vector<ByteView> items;
    if (form.empty() || !splitItems(form.substr(1), items)) return relation;
    if (items.size() == 3) {
        relation.left = decodeExpression(items[0]);
        if (items[1].size() == 2) relation.code = static_cast<RelationCode>(byteAt(items[1], 1));
        relation.right = decodeExpression(items[2]);
    } else if (items.size() == 1) {
        relation.right = decodeExpression(items[0]);
    }
    return relation;
}

RelationList parseRelationList(std::string_view input, const LangContext& ctx) {
    std::string text = trimSpaces(normalizePunctuation(input));
    RelationList relations;
    auto keep = [&](std::string_view piece) {
        Relation relation = parseRelation(piece, ctx);
        if (!relation.right.empty()) relations.push_back(std::move(relation));
    };
    if (text.find(';') == std::string::npos) {
        keep(text);
        return relations;
    }
    if (!endsWith(text, ";")) text += ';';
    size_t begin = 0;
    for (size_t end = text.find(';'); end != std::string::npos; end = text.find(';', begin)) {
        keep(std::string_view(text).substr(begin, end - begin));
        begin = end + 1;
    }
    return relations;
}

std::string printRelationList(const RelationList& relations, const LangContext& ctx) {
    std::string text;
    for (size_t i = 0; i < relations.size(); ++i) {
        if (i > 0) text += ';';
        text += printRelation(relations[i], ctx);
    }
    return text;
}

Bytes encodeRelationList(const RelationList& relations) {
    Bytes out;
    for (const Relation& relation : relations) out += encodeRelation(relation);
    return out;
}

RelationList decodeRelationList(ByteView bytes) {
    RelationList relations;
    std::vector<ByteView> items;
    if (!splitItems(bytes, items)) return relations;
    for (ByteView item : items) {
        Relation relation = decodeRelation(item);
        if (!relation.right.empty()) relations.push_back(std::move(relation));
    }
    return relations;
}

RelationList decodeRelationList(ByteView bytes, size_t count) {
    if (count > bytes.size()) return {};
    return decodeRelationList(bytes.substr(0, count));
}

}  // namespace lumio
