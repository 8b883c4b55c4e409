// The --edition option the file and statement commands share: which edition's rules apply.
#include "apps/cli/commands.h"

namespace lumio::cli {

const EditionProfile* takeEditionOption(Arguments& arguments, std::string& error) {
    const EditionProfile* profile = &editionProfile(Edition::Current);
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--") break;
        if (arguments[i] != "--edition") continue;
        if (i + 1 >= arguments.size() || !(profile = editionProfileNamed(arguments[i + 1]))) {
            error = "--edition needs current or classic";
            return nullptr;
        }
        arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i), arguments.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        --i;
    }
    return profile;
}

}  // namespace lumio::cli
