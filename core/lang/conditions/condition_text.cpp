#include "core/lang/conditions/condition_text.h"

#include "core/lang/conditions/condition_catalogue.h"
#include "core/lang/conditions/condition_param.h"
#include "core/text/gbk.h"

namespace lumio {
namespace {

struct LayoutFields {
    std::string_view object;
    std::string_view mode;
    const ConditionParameterTexts& parameter;
};

// The value of the field named `name` ("O", "M", "P", "A0".."A2"), or null for an unknown name.
const std::string_view* fieldValue(std::string_view name, const LayoutFields& fields, std::string_view& scratch) {
    if (name == "O") scratch = fields.object;
    else if (name == "M") scratch = fields.mode;
    else if (name == "P") scratch = fields.parameter.parameter;
    else if (name.size() == 2 && name[0] == 'A' && name[1] >= '0' && name[1] <= '2')
        scratch = fields.parameter.arguments[static_cast<size_t>(name[1] - '0')];
    else return nullptr;
    return &scratch;
}

// Fills the {field}s of a GBK layout; the layout's own characters are copied whole.
std::string composeLayout(std::string_view layout, const LayoutFields& fields) {
    std::string out;
    out.reserve(layout.size() + fields.parameter.parameter.size() + fields.object.size() + 8);
    for (size_t i = 0; i < layout.size();) {
        const unsigned char byte = static_cast<unsigned char>(layout[i]);
        if (byte == '{') {
            const size_t close = layout.find('}', i + 1);
            std::string_view scratch;
            if (close != std::string_view::npos)
                if (const std::string_view* value = fieldValue(layout.substr(i + 1, close - i - 1), fields, scratch)) {
                    out += *value;
                    i = close + 1;
                    continue;
                }
        }
        const size_t width = isGbkLeadByte(byte) && i + 1 < layout.size() ? 2 : 1;
        out.append(layout.substr(i, width));
        i += width;
    }
    return out;
}

}  // namespace

std::string conditionText(const Statement& statement, const LangContext& context) {
    const int kind = statement.kind();
    const int param1 = statement.param1();
    const int param2 = statement.param2();
    const ConditionMode mode = conditionMode(kind, param1, param2);
    if (mode.layout.empty()) return {};
    const std::string object = conditionObjectName(kind, param1, context);
    const std::string modeName = conditionModeName(kind, param1, param2, context);
    const ConditionParameterTexts parameter =
        conditionParameterTexts(mode.form, statement.param3(), modeName, context);
    return composeLayout(mode.layout, {object, modeName, parameter});
}

}  // namespace lumio
