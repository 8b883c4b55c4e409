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

// Where a line stands: whether it is the store's first, and whether the statement before it is an action.
struct LinePlace {
    bool first = true;
    bool previousIsAction = false;
};

LinePlace placeAfter(const Statement& statement) { return {false, statement.isAction != 0}; }

// A number marks each rule that starts at the outer level: the first line (when outside any block)
// and a condition that follows an action at depth 0.
bool startsNumberedRule(const Statement& statement, LinePlace place) {
    if (place.first) return statement.depth == 0;
    return !statement.isAction && place.previousIsAction && statement.depth == 0;
}

ListingLine renderLine(const Statement& statement, LinePlace place, unsigned* ruleNumber, const LangContext& context,
                       StatementTextFunction text) {
    static const std::string depthMark = ".  ";
    static const std::string ifWord = gbkLiteral("如果  ");
    static const std::string loopWord = gbkLiteral("循环  ");
    static const std::string andWord = gbkLiteral("并且  ");
    static const std::string orWord = gbkLiteral("或者  ");
    static const std::string blank(kPrefixWidth, ' ');

    ListingLine line;
    line.text.reserve(64);
    if (ruleNumber)
        appendRuleNumber(line.text, (*ruleNumber)++);
    else
        line.text += blank;
    for (int level = 0; level < statement.depth; ++level) line.text += depthMark;
    if (!statement.isAction) {
        if (place.first || place.previousIsAction) {
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

ListingRenderer::ListingRenderer(const LangContext& context, StatementTextFunction text)
    : context_(context), text_(text) {}

ListingLine ListingRenderer::next(const Statement& statement) {
    const LinePlace place{first_, previousIsAction_};
    ListingLine line =
        renderLine(statement, place, startsNumberedRule(statement, place) ? &ruleNumber_ : nullptr, context_, text_);
    first_ = false;
    previousIsAction_ = statement.isAction != 0;
    return line;
}

std::vector<ListingLine> renderListing(const ProgramStore& store, const LangContext& context,
                                       StatementTextFunction text) {
    std::vector<ListingLine> lines;
    lines.reserve(store.count());
    ListingRenderer renderer(context, text);
    for (const Statement& statement : store.statements) lines.push_back(renderer.next(statement));
    return lines;
}

ListingLine renderListingLine(const ProgramStore& store, size_t index, const LangContext& context) {
    if (index >= store.count()) return {};
    unsigned ruleNumber = 1;
    LinePlace place;
    for (size_t i = 0; i < index; ++i) {
        if (startsNumberedRule(store[i], place)) ++ruleNumber;
        place = placeAfter(store[i]);
    }
    return renderLine(store[index], place, startsNumberedRule(store[index], place) ? &ruleNumber : nullptr, context,
                      statementText);
}

}  // namespace lumio
