#pragma once
// Expression: an ordered list of Tokens, as typed into a parameter and as stored
// ([L][token]..., L = 1 + the token bytes; the empty Expression is the single byte [1]).
#include <string>
#include <string_view>
#include <vector>

#include "core/lang/context.h"
#include "core/lang/operands/token.h"
#include "core/text/bytes.h"

namespace lumio {

// Never holds the empty Token and never ends with an operator other than ")" or "]".
struct Expression {
    std::vector<Token> tokens;
    bool empty() const { return tokens.empty(); }
    friend bool operator==(const Expression&, const Expression&) = default;
};

// The largest length a self-sized form can carry in its length byte. A form that would need more is
// stored as nothing (zero bytes).
inline constexpr size_t kMaxFormLength = 255;

// Appends a token when the list rules allow it: no operand after an operand or a closing bracket, no
// infix operator after an opening bracket or an infix operator (except "-" after "(" or "["), and a
// "[" right after an indexable operand absorbs it into an indexed base. Used by parse and decode.
void offerToken(Expression& expression, Token token);
// Removes trailing operators other than ")" and "]".
void dropTrailingOperators(Expression& expression);

Expression parseExpression(std::string_view text, const LangContext& ctx);
std::string printExpression(const Expression& expression, const LangContext& ctx);
// Empty (zero bytes) when the stored form would exceed 255 bytes.
Bytes encodeExpression(const Expression& expression);
// Reads the Expression at the front of `bytes`; malformed or truncated lengths give the empty one.
Expression decodeExpression(ByteView bytes);

// Walks the items of a self-sized form: `body` is the bytes after the form's own length byte. Each
// item starts with its own total length. Returns false (and no items) when a length is zero or the
// lengths do not add up to exactly body.size().
bool splitItems(ByteView body, std::vector<ByteView>& items);
// The view of a self-sized form at the front of `bytes` (its length byte included), or an empty view
// when the length byte is zero or runs past `bytes`.
ByteView frontForm(ByteView bytes);

}  // namespace lumio
