#pragma once
// Relation: left Expression, relation code, right Expression; used both as comparison and as
// assignment. Stored as [L][left][2][code][right]; a Relation without operator stores only [L][right].
// RelationList: Relations one after another, written separated by ";", no own length byte.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/lang/expressions/expression.h"

namespace lumio {

enum class RelationCode : std::uint8_t {
    None = 0,
    Equal = 1,         // "="
    Greater = 2,       // ">"
    Less = 3,          // "<"
    GreaterEqual = 4,  // ">="
    LessEqual = 5,     // "<="
    NotEqual = 6,      // "<>"
};

// "=", ">", ... for a code; the empty text for None and unknown stored codes.
std::string_view relationOperatorText(RelationCode code);

// The relation operator a text holds: the first of ">=", "<=", "<>", "=", ">", "<" (in this order of
// priority, not of position) that occurs anywhere. `position` is where it occurs (npos when none).
struct RelationOperatorMatch {
    RelationCode code = RelationCode::None;
    size_t position = std::string_view::npos;
    size_t length = 0;
};
RelationOperatorMatch findRelationOperator(std::string_view text);

struct Relation {
    Expression left;
    RelationCode code = RelationCode::None;
    Expression right;
    friend bool operator==(const Relation&, const Relation&) = default;
};

using RelationList = std::vector<Relation>;

Relation parseRelation(std::string_view text, const LangContext& ctx);
// left + operator + right, without added spaces.
std::string printRelation(const Relation& relation, const LangContext& ctx);
Bytes encodeRelation(const Relation& relation);
Relation decodeRelation(ByteView bytes);

// Keeps only the Relations whose right Expression is not empty.
RelationList parseRelationList(std::string_view text, const LangContext& ctx);
std::string printRelationList(const RelationList& relations, const LangContext& ctx);
Bytes encodeRelationList(const RelationList& relations);
// `bytes` is the whole stored list (its extent is the parameter length); the Relations must fill it
// exactly, otherwise the list is empty.
RelationList decodeRelationList(ByteView bytes);
RelationList decodeRelationList(ByteView bytes, size_t count);

}  // namespace lumio
