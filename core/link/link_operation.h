#pragma once
// LinkOperation: the one pending device operation. Each request that expects a reply sets it before
// sending; the reply handler of the operation decides what a delivered frame means. Starting an
// operation replaces the pending one; nothing is queued. The numeric values are the board protocol's own.
#include <cstdint>

namespace lumio {

enum class LinkOperation : std::uint8_t {
    Idle = 0,  // received bytes go to the debug terminal
    ReadAll = 1,
    WriteAll = 2,
    ReadClock = 5,
    LearnRadio = 6,
    Encrypt = 8,
    Decrypt = 9,
    LearnUniversalIr = 10,
    ReadAddress = 11,
    HardwareInfo = 12,
    WizardSend = 14,
    DebugTerminal = 15,  // received bytes go to the debug terminal
    HardwareInfo2 = 17,
    FirmwareUpgrade = 18,
    // The classic relay test panel while it is open: 8-byte status frames go to it. The board protocol
    // names no value for it; 19 follows the others.
    RelayTestPanel = 19,
};

// English name for logs and test output ("ReadAll").
const char* linkOperationName(LinkOperation operation);

}  // namespace lumio
