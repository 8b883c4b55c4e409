#include "core/listing/listing.h"

#include "core/text/bytes.h"
#include "core/text/text_table.h"

namespace lumio {
namespace {

constexpr size_t kPrefixWidth = 5;

// The rule number with four spaces, then cut back to five characters while it ends with a space:
// "1    ", "12   ", "123  ", "1234 ", "12345".
void appendRuleNumber(std::string& line, unsigned number) {
    std::string prefix = std::to_string(number) + "    ";
    while (prefix.size() > kPrefixWidth && prefix.back() == ' ') prefix.pop_back();
    line += prefix;
}

// A number marks each rule that starts at the outer level: the first line (when outside any block)
// and a condition that follows an action at depth 0.
bool startsNumberedRule(const ProgramStore& store, size_t i) {
    const Statement& statement = store[i];
    if (i == 0) return statement.depth == 0;
    return !statement.isAction && store[i - 1].isAction && statement.depth == 0;
}

ListingLine renderLine(const ProgramStore& store, size_t i, unsigned* ruleNumber, const LangContext& context,
                       StatementTextFunction text) {
    static const std::string depthMark = ".  ";
    static const std::string ifWord = gbkLiteral("如果  ");
    static const std::string loopWord = gbkLiteral("循环  ");
    static const std::string andWord = gbkLiteral("并且  ");
    static const std::string orWord = gbkLiteral("或者  ");
    static const std::string blank(kPrefixWidth, ' ');

    const Statement& statement = store[i];
    const Statement* previous = i > 0 ? &store[i - 1] : nullptr;
    ListingLine line;
    line.text.reserve(64);
    if (ruleNumber)
        appendRuleNumber(line.text, (*ruleNumber)++);
    else
        line.text += blank;
    for (int level = 0; level < statement.depth; ++level) line.text += depthMark;
    if (!statement.isAction) {
        if (previous == nullptr || previous->isAction) {
            const bool loop = statement.kind() == 16 && statement.param1() == 3;
            line.text += loop ? loopWord : ifWord;
        } else {
            line.text += statement.orWithPrevious ? orWord : andWord;
        }
    }
    line.text += text(statement, context);
    line.colour = statement.colour();
    return line;
}

}  // namespace

std::vector<ListingLine> renderListing(const ProgramStore& store, const LangContext& context,
                                       StatementTextFunction text) {
    std::vector<ListingLine> lines;
    lines.reserve(store.count());
    unsigned ruleNumber = 1;
    for (size_t i = 0; i < store.count(); ++i)
        lines.push_back(renderLine(store, i, startsNumberedRule(store, i) ? &ruleNumber : nullptr, context, text));
    return lines;
}

ListingLine renderListingLine(const ProgramStore& store, size_t index, const LangContext& context) {
    if (index >= store.count()) return {};
    unsigned ruleNumber = 1;
    for (size_t i = 0; i < index; ++i)
        if (startsNumberedRule(store, i)) ++ruleNumber;
    return renderLine(store, index, startsNumberedRule(store, index) ? &ruleNumber : nullptr, context, statementText);
}

}  // namespace lumio
