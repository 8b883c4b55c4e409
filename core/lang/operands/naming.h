#pragma once
// Setting and clearing user names, and the names text: one line per named entry, "user\t=\tdefault"
// ended by CR LF, GBK, no header. The same text is the names block of a program file and the content
// of an exported .txt file.
#include <string>
#include <string_view>

#include "core/edition.h"
#include "core/lang/operands/rename_table.h"

namespace lumio {

// Where a name comes from. Names the user types or imports (Typed) are checked against the reserved
// resource names («输入3», «全局整数5»; the classic edition never refuses them) and their default name
// is normalised as the token layer prints it («全局整数05» becomes «全局整数5»). The names block of a
// program file (Stored) is taken as it stands, neither checked nor normalised: a file opens with every
// name it carries, and saving it writes the same names block again.
enum class NameSource { Typed, Stored };

// Applies one rename; the empty message means success ("已复位" is returned when a name is cleared).
std::string renameVariable(RenameTable& names, std::string_view defaultName, std::string_view newName,
                           Edition edition = Edition::Current, NameSource source = NameSource::Typed);
std::string exportNames(const RenameTable& names);
// Applies the lines ("user = default", blanks around "=" ignored) in order and stops at the first
// non-empty message, which it returns, prefixed "最后一行" when it came from an unterminated last line.
std::string importNames(RenameTable& names, std::string_view text, Edition edition = Edition::Current,
                        NameSource source = NameSource::Typed);

}  // namespace lumio
