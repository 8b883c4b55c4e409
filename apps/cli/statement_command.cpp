// lumio statement (--condition|--action) KIND P1 P2 [--or] [--comment TEXT] [--edition classic] -- PARAM3: one statement
// encoded as the statement editor encodes it, printed as its record bytes and its listing text.
#include <cstdio>
#include <optional>

#include "apps/cli/commands.h"
#include "core/lang/actions/action_text.h"
#include "core/lang/actions/param3_codec.h"
#include "core/lang/conditions/condition_param.h"
#include "core/listing/listing.h"
#include "core/model/statement.h"
#include "core/text/bytes.h"
#include "core/text/gbk.h"

namespace lumio::cli {
namespace {

std::optional<std::uint8_t> code(const std::string& text) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int value = std::stoi(text);
    if (value > 255) return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

// The GBK of a typed text, or nothing (with a message) when GBK cannot hold one of its characters: the
// command refuses rather than store a '?' the user did not type.
std::optional<std::string> typedGbk(const std::string& utf8, const char* what) {
    GbkConversion conversion = convertToGbk(utf8);
    if (conversion.firstReplaced.empty()) return std::move(conversion.text);
    std::fprintf(stderr, "lumio: GBK cannot hold %s in the %s\n", describeUnconvertible(conversion.firstReplaced).c_str(),
                 what);
    return std::nullopt;
}

}  // namespace

int runStatement(const Arguments& given) {
    Arguments arguments = given;
    std::string editionError;
    const EditionProfile* profile = takeEditionOption(arguments, editionError);
    if (!profile) return usageError("statement", editionError);
    std::optional<bool> isAction;
    bool orWithPrevious = false;
    std::optional<std::string> comment;
    std::vector<std::string> codes;
    std::optional<std::string> parameter;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--") {
            std::string joined;
            for (size_t j = i + 1; j < arguments.size(); ++j) joined += (j > i + 1 ? " " : "") + arguments[j];
            parameter = joined;
            break;
        }
        if (argument == "--condition" || argument == "--action") {
            const bool action = argument == "--action";
            if (isAction && *isAction != action)
                return usageError("statement", "give either --condition or --action, not both");
            isAction = action;
        } else if (argument == "--or") {
            orWithPrevious = true;
        } else if (argument == "--comment") {
            if (i + 1 >= arguments.size()) return usageError("statement", "--comment needs a TEXT");
            comment = arguments[++i];
        } else if (startsWith(argument, "-") && argument.size() > 1) {
            return usageError("statement", "unknown option '" + argument + "'");
        } else {
            codes.push_back(argument);
        }
    }
    if (!isAction) return usageError("statement", "say --condition or --action");
    if (codes.size() != 3)
        return usageError("statement", "statement needs KIND P1 P2 (three codes 0..255), got " +
                                           std::to_string(codes.size()));
    if (orWithPrevious && *isAction) return usageError("statement", "--or applies to conditions only");

    Statement statement;
    statement.isAction = *isAction ? 1 : 0;
    statement.orWithPrevious = orWithPrevious ? 1 : 0;
    const char* roles[] = {"KIND", "P1", "P2"};
    for (size_t k = 0; k < 3; ++k) {
        const auto value = code(codes[k]);
        if (!value) return usageError("statement", std::string(roles[k]) + " must be a code 0..255, not '" + codes[k] + "'");
        statement.data[k] = *value;
    }
    const auto gbkComment = typedGbk(comment.value_or(""), "comment");
    const auto gbkParameter = typedGbk(parameter.value_or(""), "parameter");
    if (!gbkComment || !gbkParameter) return 1;
    statement.comment = *gbkComment;

    const LangContext context{profile->edition, nullptr};
    // The editor trims the typed text and reads typographic quotes as ASCII ones before encoding.
    const std::string text = editorParam3Text(*gbkParameter);
    const bool stored = statement.isAction ? encodeActionParam(statement, text, context)
                                           : encodeConditionParam(statement, text, context);
    if (!stored) {
        std::fprintf(stderr, "lumio: the encoded parameter does not fit the %zu bytes a statement keeps\n", kMaxParam3);
        return 1;
    }
    std::printf("record: %s\n", hexPairs(statementRecord(statement)).c_str());
    std::printf("text: %s\n", toUtf8(statementText(statement, context)).c_str());
    return 0;
}

}  // namespace lumio::cli
