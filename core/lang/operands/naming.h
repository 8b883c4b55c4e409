#pragma once
// Setting and clearing user names, and the names text: one line per named entry, "user\t=\tdefault"
// ended by CR LF, GBK, no header. The same text is the names block of a program file and the content
// of an exported .txt file.
#include <string>
#include <string_view>

#include "core/edition.h"
#include "core/lang/operands/rename_table.h"

namespace lumio {

// Whether a new name that looks like a reserved resource name («输入3», «全局整数5») is refused. Names
// the user types or imports are checked; the names block of a program file is loaded unchecked, so a
// file always opens with every name it carries. The classic edition never refuses them.
enum class ReservedCheck { Apply, Skip };

// Applies one rename; the empty message means success ("已复位" is returned when a name is cleared).
std::string renameVariable(RenameTable& names, std::string_view defaultName, std::string_view newName,
                           Edition edition = Edition::Current, ReservedCheck check = ReservedCheck::Apply);
std::string exportNames(const RenameTable& names);
// Applies the lines ("user = default", blanks around "=" ignored) in order and stops at the first
// non-empty message, which it returns, prefixed "最后一行" when it came from an unterminated last line.
std::string importNames(RenameTable& names, std::string_view text, Edition edition = Edition::Current,
                        ReservedCheck check = ReservedCheck::Apply);

}  // namespace lumio
