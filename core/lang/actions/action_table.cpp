#include "core/lang/actions/action_table.h"

#include "core/lang/operands/rename_table.h"

namespace lumio::actions {

bool offeredIn(Offer offer, Edition edition) {
    switch (offer) {
    case Offer::Both: return true;
    case Offer::CurrentOnly: return edition == Edition::Current;
    case Offer::ClassicOnly: return edition == Edition::Classic;
    }
    return false;
}

namespace {

std::string numberedName(const NumberedNames& list, int code, const LangContext& context) {
    std::string defaultName = list.word.gbk + std::to_string(code - 1 + list.firstNumber);
    return list.userNames == UserNames::Applied ? displayName(context.names, defaultName) : defaultName;
}

const std::string& entryName(const ListEntry& entry, Edition edition) {
    return edition == Edition::Classic && !entry.classicName.empty() ? entry.classicName.gbk : entry.name.gbk;
}

}  // namespace

std::string NameList::name(int code, const LangContext& context) const {
    if (numbered_) return code >= 1 && code <= numbered_->count ? numberedName(*numbered_, code, context) : std::string();
    if (code < 1 || static_cast<size_t>(code) > entries_.size()) return {};
    return entryName(entries_[static_cast<size_t>(code) - 1], context.edition);
}

std::vector<OfferedEntry> NameList::offered(const LangContext& context) const {
    std::vector<OfferedEntry> result;
    if (numbered_) {
        for (int code = 1; code <= numbered_->count; ++code)
            result.push_back({code, numberedName(*numbered_, code, context)});
        return result;
    }
    for (size_t index = 0; index < entries_.size(); ++index)
        if (offeredIn(entries_[index].offer, context.edition))
            result.push_back({static_cast<int>(index) + 1, entryName(entries_[index], context.edition)});
    return result;
}

TextRule TextRule::whenCount(Codes counts) const {
    TextRule copy = *this;
    copy.count = counts;
    return copy;
}

TextRule TextRule::inClassic(const char* format) const {
    TextRule copy = *this;
    copy.classicFormat = CatalogueText(format);
    return copy;
}

TextRule TextRule::inClassic(const char* format, std::vector<Place> places) const {
    TextRule copy = inClassic(format);
    copy.classicPlaces = std::move(places);
    return copy;
}

const NameList& ActionKindTable::param2List(int p1) const {
    static const NameList none;
    for (const Param2Names& entry : param2)
        if (entry.p1.contains(p1)) return entry.list;
    return none;
}

std::string fillTemplate(std::string_view format, const std::vector<std::string>& values) {
    std::string out;
    out.reserve(format.size() + 32);
    size_t next = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            if (format[i + 1] == 's') {
                if (next < values.size()) out += values[next];
                ++next;
                ++i;
                continue;
            }
            if (format[i + 1] == '%') {
                out += '%';
                ++i;
                continue;
            }
        }
        out += format[i];
    }
    return out;
}

}  // namespace lumio::actions
