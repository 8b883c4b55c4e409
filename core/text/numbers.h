#pragma once
// Number extraction and the numbered-prefix rule used by token classification and naming.
//
// The k-th number of a text: a space is added at each end and maximal runs of decimal digits are
// found left to right; a "-" right before a digit belongs to the number; a run counts only when the
// character before it is not a digit. No k-th run gives 0. Floating-point extraction also accepts one
// "." with a digit on both sides.
#include <cstdint>
#include <string_view>

namespace lumio {

// k counts from 1.
std::int32_t nthInteger(std::string_view text, int k);
double nthFloat(std::string_view text, int k);

// True when `text` is longer than `prefix`, starts with it after both are upper-cased (ASCII only),
// and every byte after the prefix is a digit or "-" ("pa3" matches "PA"; "输入3a" does not match "输入").
bool matchesNumberedPrefix(std::string_view text, std::string_view prefix);

}  // namespace lumio
