#pragma once
// The building blocks of an action kind's catalogue table: its name lists (fixed or numbered), the
// editions each entry is offered in, and its listing-text templates. action_kinds.h says how a kind's
// table is written with them.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/edition.h"
#include "core/lang/context.h"
#include "core/text/gbk.h"

namespace lumio {

// A (code, name) pair as the statement editor offers it: the stored code and the name shown.
struct OfferedEntry {
    int code = 0;
    std::string name;  // GBK; empty past the end of a list
    friend bool operator==(const OfferedEntry&, const OfferedEntry&) = default;
};

}  // namespace lumio

namespace lumio::actions {

// A catalogue text, written as UTF-8 in a table and held as GBK (tables are function-local statics, so
// each text is converted once).
struct CatalogueText {
    std::string gbk;
    CatalogueText() = default;
    CatalogueText(const char* utf8) : gbk(utf8 ? toGbk(utf8) : std::string()) {}
    bool empty() const { return gbk.empty(); }
};

// An inclusive range of codes (kind, parameter 1, parameter 2 or item count). A single number is the
// range of that code alone.
struct Codes {
    int low = 0;
    int high = 255;
    constexpr Codes() = default;
    constexpr Codes(int code) : low(code), high(code) {}
    constexpr Codes(int lowCode, int highCode) : low(lowCode), high(highCode) {}
    constexpr bool contains(int code) const { return code >= low && code <= high; }
    friend constexpr bool operator==(const Codes&, const Codes&) = default;
};
// Every code, 0 included.
inline constexpr Codes kAny{0, 255};
// `code` and every code above it.
constexpr Codes from(int code) { return Codes{code, 255}; }
// Item counts: any count, and `count` or more.
inline constexpr Codes kAnyCount{0, 1 << 30};
constexpr Codes countFrom(int count) { return Codes{count, 1 << 30}; }

// Where a list entry is offered. A stored code keeps its name in every edition (so a program written by
// the other build still reads), but the statement editor offers only the entries of its own edition.
enum class Offer : std::uint8_t { Both, CurrentOnly, ClassicOnly };

bool offeredIn(Offer offer, Edition edition);

// One entry of a fixed list; its code is its position in the list, counted from 1.
struct ListEntry {
    CatalogueText name;
    Offer offer = Offer::Both;
    CatalogueText classicName;  // the classic build's name, where it differs

    ListEntry(const char* utf8Name) : name(utf8Name) {}
    ListEntry(const char* utf8Name, Offer where, const char* classicUtf8Name = nullptr)
        : name(utf8Name), offer(where), classicName(classicUtf8Name) {}
};
// An entry the classic build does not offer.
inline ListEntry notInClassic(const char* name) { return ListEntry(name, Offer::CurrentOnly); }
// An entry only the classic build offers (the current build keeps its code free at the end of a list).
inline ListEntry classicOnly(const char* name) { return ListEntry(name, Offer::ClassicOnly); }
// An entry both builds offer under different names.
inline ListEntry renamedInClassic(const char* name, const char* classicName) {
    return ListEntry(name, Offer::Both, classicName);
}

enum class UserNames : std::uint8_t { Ignored, Applied };

// A generated list: entry `code` is word followed by the decimal number code - 1 + firstNumber, shown
// through the user-name overlay when userNames is Applied.
struct NumberedNames {
    CatalogueText word;
    int count = 0;
    int firstNumber = 1;
    UserNames userNames = UserNames::Ignored;
};

// A name list: fixed entries or a numbered list.
class NameList {
public:
    NameList() = default;
    explicit NameList(std::vector<ListEntry> entries) : entries_(std::move(entries)) {}
    explicit NameList(NumberedNames numbered) : numbered_(std::move(numbered)) {}

    // The name of a stored code, in the context's edition; empty outside the list.
    std::string name(int code, const LangContext& context) const;
    // The entries the context's edition offers, in list order.
    std::vector<OfferedEntry> offered(const LangContext& context) const;
    bool empty() const { return entries_.empty() && !numbered_; }

private:
    std::vector<ListEntry> entries_;
    std::optional<NumberedNames> numbered_;
};

inline NameList names(std::initializer_list<ListEntry> entries) { return NameList(std::vector<ListEntry>(entries)); }
inline NameList numbered(const char* word, int count, int firstNumber, UserNames userNames) {
    return NameList(NumberedNames{word, count, firstNumber, userNames});
}

// The parameter-2 list of the parameter-1 codes in p1.
struct Param2Names {
    Codes p1;
    NameList list;
};

// What fills one "%s" place of a template.
enum class PlaceKind : std::uint8_t {
    Param1Name,       // P1
    Param2Name,       // P2
    Param3Text,       // T, the edit text of parameter 3
    Item,             // E(i), item i of parameter 3 read as an argument list
    ItemsFrom,        // R(i), items i, i+1, ... joined with ", "
    ArrayWord,        // A, the table's arrayWord
    CallText,         // parameter 3 as a call form, with P2 as the function name
    IndexedCallText,  // parameter 3 as an indexed call form, with the name "函数"
};

struct Place {
    PlaceKind kind;
    int index = 0;
};

inline constexpr Place P1{PlaceKind::Param1Name};
inline constexpr Place P2{PlaceKind::Param2Name};
inline constexpr Place T{PlaceKind::Param3Text};
inline constexpr Place A{PlaceKind::ArrayWord};
inline constexpr Place kCall{PlaceKind::CallText};
inline constexpr Place kIndexedCall{PlaceKind::IndexedCallText};
constexpr Place E(int index) { return Place{PlaceKind::Item, index}; }
constexpr Place R(int index) { return Place{PlaceKind::ItemsFrom, index}; }

// One listing template: applies to the codes p1, p2 and item counts `count`; "%s" places are filled in
// order, "%%" prints one percent sign, values are inserted as they are.
struct TextRule {
    Codes p1;
    Codes p2;
    CatalogueText format;
    std::vector<Place> places;
    Codes count = kAnyCount;
    std::optional<CatalogueText> classicFormat{};
    std::optional<std::vector<Place>> classicPlaces{};

    // The same rule, only for these item counts.
    TextRule whenCount(Codes counts) const;
    // The same rule with the classic build's own template (and places, when they differ).
    TextRule inClassic(const char* format) const;
    TextRule inClassic(const char* format, std::vector<Place> places) const;
};

inline TextRule text(Codes p1, Codes p2, const char* format, std::vector<Place> places = {}) {
    return TextRule{p1, p2, CatalogueText(format), std::move(places)};
}

// The catalogue of one action kind. Texts are tried in order and the first rule that matches (p1, p2,
// item count) gives the text; when none matches the text is the prefix alone (usually empty).
struct ActionKindTable {
    NameList param1{};
    std::vector<Param2Names> param2{};
    std::vector<TextRule> texts{};
    CatalogueText prefix{};     // put before every text of the kind
    CatalogueText arrayWord{};  // the value of the place A

    // The parameter-2 list of p1 (an empty list when there is none).
    const NameList& param2List(int p1) const;
    bool empty() const { return param1.empty(); }
};

// Fills the "%s" places of a template in order ("%%" gives "%"; a missing value is empty).
std::string fillTemplate(std::string_view format, const std::vector<std::string>& values);

}  // namespace lumio::actions
