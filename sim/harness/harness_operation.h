#pragma once
// The device operations the fault harness drives, with the names its command lines use.
#include <optional>
#include <string_view>

namespace lumio::harness {

enum class HarnessOperation {
    ReadAll,
    WriteAll,
    SetClock,
    ReadClock,
    Lock,
    Unlock,
    ReadAddress,
    WriteAddress,
    HardwareInfo,
    HardwareInfo2,
    LearnRadio,
    LearnInfrared,
};
inline constexpr HarnessOperation kAllHarnessOperations[] = {
    HarnessOperation::ReadAll,      HarnessOperation::WriteAll,      HarnessOperation::SetClock,
    HarnessOperation::ReadClock,    HarnessOperation::Lock,          HarnessOperation::Unlock,
    HarnessOperation::ReadAddress,  HarnessOperation::WriteAddress,  HarnessOperation::HardwareInfo,
    HarnessOperation::HardwareInfo2, HarnessOperation::LearnRadio,   HarnessOperation::LearnInfrared,
};

std::string_view harnessOperationName(HarnessOperation operation);  // "write-all"
std::optional<HarnessOperation> harnessOperationNamed(std::string_view name);

}  // namespace lumio::harness
