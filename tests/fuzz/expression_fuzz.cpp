// Fuzzes the third-parameter forms. The input is read as stored bytes by every decoder (which must
// never read past it), and what a decoder returns must print and store again, stable after one
// round. The same input is read as typed text by every parser; a parsed Expression must come back
// from its stored bytes unchanged. Both editions, with and without user names. Last, the input is
// read as a names text.
#include <cstdint>
#include <cstdlib>

#include "core/lang/expressions/forms.h"
#include "core/lang/operands/naming.h"
#include "core/text/gbk.h"

namespace {

using namespace lumio;

template <class Decode, class Encode>
void checkStable(ByteView input, Decode decode, Encode encode) {
    const Bytes first = encode(decode(input));
    if (first.empty()) return;
    if (encode(decode(ByteView(first))) != first) std::abort();
}

// The token as its stored bytes keep it.
Token stored(Token token) {
    token.sliceC &= 7;
    if (token.payload.size() > kMaxConstantBytes) token.payload.resize(kMaxConstantBytes);
    return token;
}

const RenameTable& sampleNames() {
    static const RenameTable names = [] {
        RenameTable table;
        table.entries.push_back({toGbk("全局整数5"), toGbk("温度")});
        table.entries.push_back({toGbk("整数1"), "a"});
        table.entries.push_back({toGbk("数据口"), toGbk("端口")});
        return table;
    }();
    return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const ByteView input(reinterpret_cast<const char*>(data), size);
    for (Edition edition : {Edition::Current, Edition::Classic}) {
        for (const RenameTable* names : {static_cast<const RenameTable*>(nullptr), &sampleNames()}) {
            const LangContext ctx{edition, names};

            // Stored bytes.
            (void)tokenText(decodeToken(input), ctx);
            (void)printExpression(decodeExpression(input), ctx);
            (void)printRelationList(decodeRelationList(input, size / 2), ctx);
            (void)printConditionChain(decodeConditionChain(input), ctx);
            (void)printCallForm(decodeCallForm(input), "f", ctx);
            (void)printIndexedCallForm(decodeIndexedCallForm(input), "", ctx);
            (void)printForHeader(decodeForHeader(input), ctx);
            (void)printHexBytes(decodeHexBytes(input, 200));
            checkStable(input, [](ByteView b) { return decodeExpression(b); }, encodeExpression);
            checkStable(input, [](ByteView b) { return decodeRelation(b); }, encodeRelation);
            checkStable(input, [](ByteView b) { return decodeRelationList(b); }, encodeRelationList);
            checkStable(input, [](ByteView b) { return decodeArgumentList(b); }, encodeArgumentList);
            checkStable(input, [](ByteView b) { return decodeConditionChain(b); }, encodeConditionChain);
            checkStable(input, [](ByteView b) { return decodeCallForm(b); }, encodeCallForm);
            checkStable(input, [](ByteView b) { return decodeIndexedCallForm(b); }, encodeIndexedCallForm);

            // Typed text.
            const Expression expression = parseExpression(input, ctx);
            (void)printExpression(expression, ctx);
            const Bytes bytes = encodeExpression(expression);
            if (!bytes.empty()) {
                Expression expected;
                for (const Token& token : expression.tokens) expected.tokens.push_back(stored(token));
                if (decodeExpression(bytes) != expected) std::abort();
            }
            (void)encodeRelationList(parseRelationList(input, ctx));
            (void)encodeConditionChain(parseConditionChain(input, ctx));
            (void)printCallForm(parseCallForm(input, ctx), "f", ctx);
            (void)encodeIndexedCallForm(parseIndexedCallForm(input, ctx));
            (void)printForHeader(parseForHeader(input, ctx), ctx);
            (void)parseHexBytes(input);
            (void)parseRawText(input);
        }
    }
    for (Edition edition : {Edition::Current, Edition::Classic}) {
        RenameTable names = sampleNames();
        (void)importNames(names, input, edition);
        if (names.count() > RenameTable::kCapacity) std::abort();
        (void)exportNames(names);
    }
    return 0;
}
