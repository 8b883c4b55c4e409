#include "core/lang/actions/action_text.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/lang/actions/action_catalogue.h"
#include "core/lang/actions/action_kinds.h"
#include "core/lang/actions/param3_codec.h"
#include "core/text/text_table.h"

namespace lumio {

namespace {

using actions::Place;
using actions::PlaceKind;

Param3Form formOf(const Statement& statement) {
    return actionParam3Form(statement.kind(), statement.param1(), statement.param2());
}

std::string joinFrom(const std::vector<std::string>& items, size_t first) {
    std::string joined;
    for (size_t index = first; index < items.size(); ++index) {
        if (index > first) joined += ", ";
        joined += items[index];
    }
    return joined;
}

// The values of one statement's places, each worked out on first use: most texts need only a name
// or two, and reading parameter 3 as items is the costly part.
class PlaceValues {
public:
    PlaceValues(const Statement& statement, const actions::ActionKindTable& table, const LangContext& context)
        : statement_(statement), table_(table), context_(context) {}

    const std::vector<std::string>& items() {
        if (!items_) items_ = param3Items(statement_.param3(), context_);
        return *items_;
    }

    std::string value(const Place& place) {
        switch (place.kind) {
        case PlaceKind::Param1Name: return actionParam1Name(statement_.kind(), statement_.param1(), context_);
        case PlaceKind::Param2Name: return param2Name();
        case PlaceKind::Param3Text: return decodeActionParam(statement_, context_);
        case PlaceKind::Item:
            return place.index >= 0 && static_cast<size_t>(place.index) < items().size()
                       ? items()[static_cast<size_t>(place.index)]
                       : std::string();
        case PlaceKind::ItemsFrom: return joinFrom(items(), static_cast<size_t>(std::max(place.index, 0)));
        case PlaceKind::ArrayWord: return table_.arrayWord.gbk;
        case PlaceKind::CallText: return param3CallText(statement_.param3(), param2Name(), context_);
        case PlaceKind::IndexedCallText: {
            static const std::string functionWord = gbkLiteral("函数");
            return param3IndexedCallText(statement_.param3(), functionWord, context_);
        }
        }
        return {};
    }

private:
    std::string param2Name() const {
        return actionParam2Name(statement_.kind(), statement_.param1(), statement_.param2(), context_);
    }

    const Statement& statement_;
    const actions::ActionKindTable& table_;
    const LangContext& context_;
    std::optional<std::vector<std::string>> items_;
};

// The first rule for the statement's codes; the item count is read only when a rule depends on it.
const actions::TextRule* ruleFor(const Statement& statement, const actions::ActionKindTable& table,
                                 PlaceValues& values) {
    for (const actions::TextRule& candidate : table.texts) {
        if (!candidate.p1.contains(statement.param1()) || !candidate.p2.contains(statement.param2())) continue;
        if (candidate.count == actions::kAnyCount) return &candidate;
        if (candidate.count.contains(static_cast<int>(values.items().size()))) return &candidate;
    }
    return nullptr;
}

}  // namespace

std::string decodeActionParam(const Statement& statement, const LangContext& context) {
    return param3EditText(formOf(statement), statement.param3(), context);
}

bool encodeActionParam(Statement& statement, std::string_view text, const LangContext& context) {
    return statement.setParam3(encodeParam3(formOf(statement), text, context));
}

std::string actionText(const Statement& statement, const LangContext& context) {
    const int kind = statement.kind();
    const actions::ActionKindTable* table = actions::actionKindTable(kind);
    if (!table) {
        return actionParam1Name(kind, statement.param1(), context) + " " +
               actionParam2Name(kind, statement.param1(), statement.param2(), context) + " " +
               decodeActionParam(statement, context);
    }
    PlaceValues values(statement, *table, context);
    const actions::TextRule* rule = ruleFor(statement, *table, values);
    if (!rule) return table->prefix.gbk;

    const bool classic = context.edition == Edition::Classic;
    const std::string& format = classic && rule->classicFormat ? rule->classicFormat->gbk : rule->format.gbk;
    const std::vector<Place>& places = classic && rule->classicPlaces ? *rule->classicPlaces : rule->places;
    std::vector<std::string> filled;
    filled.reserve(places.size());
    for (const Place& place : places) filled.push_back(values.value(place));
    return table->prefix.gbk + actions::fillTemplate(format, filled);
}

}  // namespace lumio
