#include "core/lang/expressions/condition_chain.h"

#include "core/lang/expressions/punctuation.h"
#include "core/lang/operands/text_walk.h"
#include "core/text/gbk.h"

namespace lumio {
namespace {

const std::string& andWord() {
    static const std::string word = toGbk("并且");
    return word;
}

const std::string& orWord() {
    static const std::string word = toGbk("或者");
    return word;
}

ChainConnector connectorAt(std::string_view text, size_t position) {
    const std::string_view rest = text.substr(position);
    if (startsWith(rest, andWord())) return ChainConnector::And;
    if (startsWith(rest, orWord())) return ChainConnector::Or;
    return ChainConnector::None;
}

ChainItem connectorItem(ChainConnector connector) {
    ChainItem item;
    item.connector = connector;
    return item;
}

ChainItem pieceItem(std::string_view piece, const LangContext& ctx) {
    const std::string trimmed = trimSpaces(piece);
    if (trimmed == andWord()) return connectorItem(ChainConnector::And);
    if (trimmed == orWord()) return connectorItem(ChainConnector::Or);
    ChainItem item;
    item.relation = parseRelation(piece, ctx);
    return item;
}

}  // namespace

ConditionChain parseConditionChain(std::string_view input, const LangContext& ctx) {
    const std::string text = trimSpaces(normalizePunctuation(input));
    ConditionChain chain;
    bool inText = false;
    bool previousIsAlnum = false;  // the character before is an ASCII letter or digit
    size_t begin = 0;
    for (size_t i = 0; i < text.size();) {
        const size_t length = characterLength(text, i);
        const char c = text[i];
        if (length == 1 && c == '"') {
            inText = !inText;
        } else if (inText) {
            if (length == 1 && c == '\\' && i + 1 < text.size()) {
                i += 1 + characterLength(text, i + 1);
                previousIsAlnum = false;
                continue;
            }
        } else if (const ChainConnector connector = connectorAt(text, i);
                   connector != ChainConnector::None && !previousIsAlnum) {
            // A connector word counts only when it does not touch a letter or digit on either side.
            const size_t after = i + andWord().size();
            if (after >= text.size() || !isAsciiAlnum(text[after])) {
                chain.push_back(pieceItem(std::string_view(text).substr(begin, i - begin), ctx));
                chain.push_back(connectorItem(connector));
                begin = after;
                i = after;
                previousIsAlnum = false;
                continue;
            }
        }
        previousIsAlnum = length == 1 && isAsciiAlnum(c);
        i += length;
    }
    chain.push_back(pieceItem(std::string_view(text).substr(begin), ctx));
    return chain;
}

std::string printConditionChain(const ConditionChain& chain, const LangContext& ctx) {
    static const std::string andText = " " + andWord() + " ";
    static const std::string orText = " " + orWord() + " ";
    std::string text;
    for (const ChainItem& item : chain) {
        if (item.connector == ChainConnector::And) text += andText;
        else if (item.connector == ChainConnector::Or) text += orText;
        else if (!item.isConnector()) text += printRelation(item.relation, ctx);
    }
    return text;
}

Bytes encodeConditionChain(const ConditionChain& chain) {
    Bytes out;
    for (const ChainItem& item : chain) {
        if (item.isConnector()) {
            out += '\x02';
            out += static_cast<char>(item.connector);
        } else {
            out += encodeRelation(item.relation);
        }
    }
    if (out.size() > kMaxChainBytes) return {};
    return out;
}

ConditionChain decodeConditionChain(ByteView bytes) {
    ConditionChain chain;
    std::vector<ByteView> items;
    if (!splitItems(bytes, items)) return chain;
    for (ByteView item : items) {
        if (item.size() == 2) {
            chain.push_back(connectorItem(static_cast<ChainConnector>(byteAt(item, 1))));
        } else if (item.size() > 2) {
            ChainItem relation;
            relation.relation = decodeRelation(item);
            chain.push_back(std::move(relation));
        }
    }
    return chain;
}

ConditionChain decodeConditionChain(ByteView bytes, size_t count) {
    if (count > bytes.size()) return {};
    return decodeConditionChain(bytes.substr(0, count));
}

}  // namespace lumio
