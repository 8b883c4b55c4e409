#include "core/lang/actions/action_text.h"
#include "core/lang/conditions/condition_text.h"
#include "core/listing/listing.h"
#include "core/text/text_table.h"

namespace lumio {

std::string statementText(const Statement& statement, const LangContext& context) {
    static const std::string commentMark = gbkLiteral("       备注:");
    std::string text = statement.isAction ? actionText(statement, context) : conditionText(statement, context);
    if (!statement.comment.empty()) {
        text += commentMark;
        text += statement.comment;
    }
    return text;
}

std::vector<ListingLine> renderListing(const ProgramStore& store, const LangContext& context) {
    return renderListing(store, context, statementText);
}

}  // namespace lumio
