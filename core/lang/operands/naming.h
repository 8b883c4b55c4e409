#pragma once
// Setting and clearing user names, and the names text: one line per named entry, "user\t=\tdefault"
// ended by CR LF, GBK, no header. The same text is the names block of a program file and the content
// of an exported .txt file.
#include <string>
#include <string_view>

#include "core/edition.h"
#include "core/lang/operands/rename_table.h"

namespace lumio {

// Applies one rename; the empty message means success ("已复位" is returned when a name is cleared).
std::string renameVariable(RenameTable& names, std::string_view defaultName, std::string_view newName,
                           Edition edition = Edition::Current);
std::string exportNames(const RenameTable& names);
// Applies the lines in order and stops at the first non-empty message, which it returns.
std::string importNames(RenameTable& names, std::string_view text, Edition edition = Edition::Current);

}  // namespace lumio
