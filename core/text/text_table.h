#pragma once
// A fixed list of texts written in the source as UTF-8 and held as GBK, converted once when the table
// is first built. Catalogue name lists are position-coded: entry k (1-based) is the text for code k, and
// asking past the end gives the empty text.
#include <initializer_list>
#include <string>
#include <vector>

#include "core/text/gbk.h"

namespace lumio {

class TextTable {
public:
    TextTable(std::initializer_list<const char*> utf8Texts) {
        texts_.reserve(utf8Texts.size());
        for (const char* text : utf8Texts) texts_.push_back(toGbk(text));
    }
    // 1-based lookup; the empty text outside 1..size().
    const std::string& name(int code) const {
        static const std::string empty;
        return code >= 1 && static_cast<size_t>(code) <= texts_.size() ? texts_[static_cast<size_t>(code) - 1] : empty;
    }
    // 0-based lookup; the empty text outside the table.
    const std::string& at(size_t index) const {
        static const std::string empty;
        return index < texts_.size() ? texts_[index] : empty;
    }
    size_t size() const { return texts_.size(); }

private:
    std::vector<std::string> texts_;
};

// A GBK text converted once from a UTF-8 literal: `static const std::string& word = gbkLiteral("如果  ");`
// is the usual use.
inline std::string gbkLiteral(const char* utf8) { return toGbk(utf8); }

}  // namespace lumio
