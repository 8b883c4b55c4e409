#include "core/lang/operands/naming.h"

#include <array>

#include "core/lang/expressions/punctuation.h"
#include "core/lang/operands/token.h"
#include "core/text/bytes.h"
#include "core/text/numbers.h"
#include "core/text/text_table.h"

namespace lumio {
namespace {

// The category words of the naming dialog double as reserved prefixes for user names.
const TextTable& categoryWords() {
    static const TextTable words{"全局整数", "全局数组", "全局浮点数", "定时器", "位变量",
                                 "函数",     "输入",     "输出",       "数据口", "线程"};
    return words;
}

bool isNameByte(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c >= 0x80;
}

void clearEntriesFor(RenameTable& names, std::string_view defaultName) {
    for (RenameEntry& entry : names.entries)
        if (entry.defaultName == defaultName) entry = RenameEntry{};
}

// The default name as the token layer prints it («全局整数05» is «全局整数5», «pa3» is «PA3»), or the
// text itself when it is no token. D's own entries are left out of the lookup, and the result is the
// plain default text, never a user name.
std::string normalisedDefaultName(const RenameTable& names, std::string_view defaultName, Edition edition) {
    // classifyToken reads user names back; this is that lookup over every entry but D's own.
    std::string text = trimSpaces(normalizePunctuation(defaultName));
    const RenameEntry* named = nullptr;
    for (const RenameEntry& entry : names.entries) {
        if (!entry.defaultName.empty() && entry.defaultName != defaultName && entry.userName == text) {
            named = &entry;
            break;
        }
    }
    if (named != nullptr) text = named->defaultName;
    const LangContext plain{edition, nullptr};
    std::string printed = tokenText(classifyToken(text, plain), plain);
    if (!printed.empty()) return printed;
    return named != nullptr ? named->defaultName : std::string(defaultName);
}

}  // namespace

std::string renameVariable(RenameTable& names, std::string_view defaultName, std::string_view newName,
                           Edition edition, NameSource source) {
    static const std::string reset = toGbk("已复位");
    if (newName.empty()) {
        clearEntriesFor(names, defaultName);
        return reset;
    }
    if (defaultName.empty()) return toGbk("空字符不行");
    // Giving an entry its own default name resets it, even when that name is reserved («全局整数5»).
    const bool checkReserved = source == NameSource::Typed && edition != Edition::Classic && newName != defaultName;
    for (size_t i = 0; checkReserved && i < categoryWords().size(); ++i)
        if (matchesNumberedPrefix(newName, categoryWords().at(i)))
            return toGbk("与系统名称重复：") + std::string(defaultName) + " = " + std::string(newName);
    if (newName == defaultName) {
        clearEntriesFor(names, defaultName);
        return reset;
    }
    const std::string normalised =
        source == NameSource::Typed ? normalisedDefaultName(names, defaultName, edition) : std::string(defaultName);
    for (char c : newName)
        if (!isNameByte(static_cast<unsigned char>(c))) return toGbk("新名称不合法（应该由字符数字下划线组成）");
    for (const RenameEntry& entry : names.entries)
        if (!entry.defaultName.empty() && entry.userName == newName && entry.defaultName != normalised)
            return toGbk("重复: ") + entry.defaultName;
    clearEntriesFor(names, normalised);
    for (RenameEntry& entry : names.entries) {
        if (entry.defaultName.empty()) {
            entry = RenameEntry{normalised, std::string(newName)};
            return {};
        }
    }
    if (names.entries.size() < RenameTable::kCapacity) names.entries.push_back(RenameEntry{normalised, std::string(newName)});
    return {};
}

std::string exportNames(const RenameTable& names) {
    std::string text;
    for (const RenameEntry& entry : names.entries) {
        if (entry.defaultName.empty()) continue;
        text += entry.userName;
        text += "\t=\t";
        text += entry.defaultName;
        text += "\r\n";
    }
    return text;
}

std::string importNames(RenameTable& names, std::string_view text, Edition edition, NameSource source) {
    size_t position = 0;
    while (position < text.size()) {
        size_t end = text.find_first_of("\r\n", position);
        const bool lastWithoutBreak = end == std::string_view::npos;
        if (lastWithoutBreak) end = text.size();
        const std::string_view line = text.substr(position, end - position);
        position = end;
        while (position < text.size() && (text[position] == '\r' || text[position] == '\n')) ++position;
        if (line.empty()) continue;
        // A trailing single character without a line break is not read.
        if (lastWithoutBreak && line.size() == 1) break;
        const size_t equals = line.find('=');
        const bool hasEquals = equals != std::string_view::npos;
        const std::string userName = hasEquals ? trimBlanks(line.substr(0, equals)) : std::string();
        const std::string defaultName = hasEquals ? trimBlanks(line.substr(equals + 1)) : std::string();
        std::string message = renameVariable(names, defaultName, userName, edition, source);
        if (!message.empty()) return lastWithoutBreak ? toGbk("最后一行") + message : message;
    }
    return {};
}

}  // namespace lumio
