#pragma once
// The listing: one line of text per statement of a store, as the main window and the function and
// thread lists show it. A line is the prefix (rule number or five spaces, ".  " per block level, the
// word "如果  ", "循环  ", "并且  " or "或者  " before a condition), the statement's text and, when the
// statement has a comment, "       备注:" and the comment. Each line carries the statement's colour.
#include <cstdint>
#include <string>
#include <vector>

#include "core/lang/context.h"
#include "core/model/program_store.h"

namespace lumio {

struct ListingLine {
    std::string text;          // GBK
    std::uint32_t colour = 0;  // 0x00BBGGRR, Statement::colour()
    friend bool operator==(const ListingLine&, const ListingLine&) = default;
};

// The condition or action text of a statement followed by its comment suffix: the line without its
// prefix. This is also the text findText searches.
std::string statementText(const Statement& statement, const LangContext& context);

std::vector<ListingLine> renderListing(const ProgramStore& store, const LangContext& context);
// Line `index` of renderListing(store, context) alone (an edit that changed only that statement's
// text refreshes just its line); an empty line past the end.
ListingLine renderListingLine(const ProgramStore& store, size_t index, const LangContext& context);

// The same lines with the statement texts supplied by `text` (for callers that already hold them).
using StatementTextFunction = std::string (*)(const Statement& statement, const LangContext& context);
std::vector<ListingLine> renderListing(const ProgramStore& store, const LangContext& context,
                                       StatementTextFunction text);

// The lines of renderListing one statement at a time, for callers that read the statements one by one
// (from an image) instead of holding the store. Give it every statement of one store in order, each
// with its depth set.
class ListingRenderer {
public:
    explicit ListingRenderer(const LangContext& context, StatementTextFunction text = statementText);
    ListingLine next(const Statement& statement);

private:
    LangContext context_;
    StatementTextFunction text_;
    unsigned ruleNumber_ = 1;
    bool first_ = true;
    bool previousIsAction_ = false;
};

}  // namespace lumio
