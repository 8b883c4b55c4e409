#include "core/lang/expressions/expression.h"

#include "core/lang/expressions/punctuation.h"
#include "core/lang/operands/text_walk.h"

namespace lumio {
namespace {

Token operatorToken(std::uint8_t character) {
    Token token;
    token.kind = TokenKind::Operator;
    token.index = character;
    return token;
}

bool isClosing(const Token& token) { return isOperatorToken(token, ')') || isOperatorToken(token, ']'); }
bool isOpening(const Token& token) { return isOperatorToken(token, '(') || isOperatorToken(token, '['); }

}  // namespace

void offerToken(Expression& expression, Token token) {
    if (token.kind == TokenKind::Empty) return;
    std::vector<Token>& tokens = expression.tokens;
    if (tokens.empty()) {
        if (isOperand(token) || isOperatorToken(token, '(') || isOperatorToken(token, '-') ||
            isOperatorToken(token, '['))
            tokens.push_back(std::move(token));
        return;
    }
    const Token& last = tokens.back();
    if (isOperand(token)) {
        if (!isOperand(last) && !isClosing(last)) tokens.push_back(std::move(token));
    } else if (isInfixOperator(token)) {
        if (isOperand(last) || isClosing(last) || (isOpening(last) && isOperatorToken(token, '-')))
            tokens.push_back(std::move(token));
    } else if (isOperand(last)) {
        if (isOperatorToken(token, '[') && isIndexableKind(kindCode(last))) {
            // The "[" absorbs the operand before it: an indexed base such as «数组3[».
            token.value = kindCode(last) * 256 + last.index;
            tokens.pop_back();
        }
        tokens.push_back(std::move(token));
    } else if (isBracket(last) || isOpening(token)) {
        tokens.push_back(std::move(token));
    }
}

void dropTrailingOperators(Expression& expression) {
    while (!expression.tokens.empty() && expression.tokens.back().kind == TokenKind::Operator &&
           !isClosing(expression.tokens.back()))
        expression.tokens.pop_back();
}

Expression parseExpression(std::string_view input, const LangContext& ctx) {
    const std::string text = trimSpaces(normalizePunctuation(input));
    Expression expression;
    std::string piece;
    auto flush = [&] {
        if (!piece.empty()) offerToken(expression, classifyToken(piece, ctx));
        piece.clear();
    };
    bool inText = false;
    size_t backslashes = 0;  // backslashes right before the current character
    for (size_t i = 0; i < text.size();) {
        const size_t length = characterLength(text, i);
        const char c = text[i];
        if (length == 2) {
            // A double-byte character is never cut, even when its trail byte equals an operator byte.
            piece.append(text, i, 2);
            backslashes = 0;
            i += 2;
            continue;
        }
        if (c == '"' && backslashes % 2 == 0) {
            inText = !inText;
            piece += c;
        } else if (inText) {
            piece += c;
        } else if ((c == '<' || c == '>') && i + 1 < text.size() && text[i + 1] == c) {
            // "<<" and ">>" are one operator each, stored as the bytes 0x81 and 0x82.
            flush();
            offerToken(expression, operatorToken(c == '<' ? kShiftLeft : kShiftRight));
            backslashes = 0;
            i += 2;
            continue;
        } else if (isOperatorByte(static_cast<unsigned char>(c))) {
            flush();
            offerToken(expression, operatorToken(static_cast<std::uint8_t>(c)));
        } else {
            piece += c;
        }
        backslashes = c == '\\' ? backslashes + 1 : 0;
        ++i;
    }
    flush();
    dropTrailingOperators(expression);
    return expression;
}

std::string printExpression(const Expression& expression, const LangContext& ctx) {
    std::string text;
    for (const Token& token : expression.tokens) text += tokenText(token, ctx);
    return trimSpaces(text);
}

Bytes encodeExpression(const Expression& expression) {
    Bytes body;
    for (const Token& token : expression.tokens) body += encodeToken(token);
    if (body.size() + 1 > kMaxFormLength) return {};
    return static_cast<char>(body.size() + 1) + body;
}

Expression decodeExpression(ByteView bytes) {
    const ByteView form = frontForm(bytes);
    Expression expression;
    if (form.size() <= 2) return expression;
    std::vector<ByteView> items;
    if (!splitItems(form.substr(1), items)) return expression;
    for (ByteView item : items) offerToken(expression, decodeToken(item));
    dropTrailingOperators(expression);
    return expression;
}

bool splitItems(ByteView body, std::vector<ByteView>& items) {
    items.clear();
    size_t position = 0;
    while (position < body.size()) {
        const size_t length = byteAt(body, position);
        if (length == 0 || length > body.size() - position) {
            items.clear();
            return false;
        }
        items.push_back(body.substr(position, length));
        position += length;
    }
    return true;
}

ByteView frontForm(ByteView bytes) {
    if (bytes.empty()) return {};
    const size_t length = byteAt(bytes, 0);
    if (length == 0 || length > bytes.size()) return {};
    return bytes.substr(0, length);
}

}  // namespace lumio
