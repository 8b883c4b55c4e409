#pragma once
// Full-width and Chinese punctuation typed into a parameter is read as its ASCII counterpart.
#include <string>
#include <string_view>

namespace lumio {

// Replaces "，【】（）×》《『』；" by ",[]()*><{};", character by character (a mark is never matched
// across the boundary of two other characters); other full-width characters are kept.
std::string normalizePunctuation(std::string_view text);

}  // namespace lumio
