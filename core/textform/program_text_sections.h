#pragma once
// The fixed words of the program text, shared by its writer and its reader.
#include <optional>
#include <string>
#include <string_view>

#include "core/edition.h"

namespace lumio {

inline constexpr std::string_view kFileLinePrefix = "file ";
// After the file kind on the file line when the text is read with the classic edition's rules.
inline constexpr std::string_view kClassicWord = " classic";
inline constexpr std::string_view kHeadingPrefix = "== ";
inline constexpr std::string_view kRecordSeparator = " | ";
// Marks hex lines inside a store: bytes after its records that the loader does not read.
inline constexpr std::string_view kUnreadPrefix = "+ ";

inline constexpr std::string_view kBlockSection = "block";
inline constexpr std::string_view kNamesSection = "names";
inline constexpr std::string_view kNamesOpenSection = "names (no final line break)";
inline constexpr std::string_view kItemSection = "item";
inline constexpr std::string_view kRestSection = "rest";
inline constexpr std::string_view kTailSection = "tail";

// "main", "function K" or "thread K" for the id of a store the edition's programs have; empty for other ids.
std::string storeSectionName(int id, Edition edition);
// The store id a heading word names ("main", "function 7", "thread 2"), if it names one.
std::optional<int> storeSectionId(std::string_view name, Edition edition);
// A number 0..65535 written in plain decimal digits.
std::optional<int> sectionNumber(std::string_view text);

}  // namespace lumio
