#include "core/link/link_operation.h"

namespace lumio {

const char* linkOperationName(LinkOperation operation) {
    switch (operation) {
    case LinkOperation::Idle: return "Idle";
    case LinkOperation::ReadAll: return "ReadAll";
    case LinkOperation::WriteAll: return "WriteAll";
    case LinkOperation::ReadClock: return "ReadClock";
    case LinkOperation::LearnRadio: return "LearnRadio";
    case LinkOperation::Encrypt: return "Encrypt";
    case LinkOperation::Decrypt: return "Decrypt";
    case LinkOperation::LearnUniversalIr: return "LearnUniversalIr";
    case LinkOperation::ReadAddress: return "ReadAddress";
    case LinkOperation::HardwareInfo: return "HardwareInfo";
    case LinkOperation::WizardSend: return "WizardSend";
    case LinkOperation::DebugTerminal: return "DebugTerminal";
    case LinkOperation::HardwareInfo2: return "HardwareInfo2";
    case LinkOperation::FirmwareUpgrade: return "FirmwareUpgrade";
    case LinkOperation::RelayTestPanel: return "RelayTestPanel";
    }
    return "Unknown";
}

}  // namespace lumio
