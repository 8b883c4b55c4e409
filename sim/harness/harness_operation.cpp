#include "sim/harness/harness_operation.h"

#include <array>

namespace lumio::harness {
namespace {

constexpr std::array<std::string_view, std::size(kAllHarnessOperations)> kNames = {
    "read-all",    "write-all",     "set-clock",      "read-clock",     "lock",        "unlock",
    "read-address", "write-address", "hardware-info", "hardware-info-2", "learn-radio", "learn-infrared",
};

}  // namespace

std::string_view harnessOperationName(HarnessOperation operation)
{
    return kNames[static_cast<std::size_t>(operation)];
}

std::optional<HarnessOperation> harnessOperationNamed(std::string_view name)
{
    for (std::size_t index = 0; index < kNames.size(); ++index) {
        if (kNames[index] == name)
            return static_cast<HarnessOperation>(index);
    }
    return std::nullopt;
}

}  // namespace lumio::harness
