#include "core/lang/actions/action_kinds.h"

namespace lumio::actions {

const ActionKindTable* actionKindTable(int kind) {
    switch (kind) {
    case 1: return &outputRelayTable();
    case 2: return &timerTable();
    case 3: return &bitVariableTable();
    case 4: return &integerTable();
    case 5: return &globalIntegerTable();
    case 6: return &floatTable();
    case 7: return &globalFloatTable();
    case 8: return &arrayTable();
    case 9: return &globalArrayTable();
    case 10: return &systemSettingsTable();
    case 11: return &dataPortSendTable();
    case 12: return &expressionTable();
    case 13: return &functionTable();
    case 14: return &protocolCommandTable();
    case 15: return &powerLossStorageTable();
    case 16: return &internalBusTable();
    case 17: return &sdCardTable();
    case 18: return &lcdDisplayTable();
    case 19: return &otherOutputTable();
    case 20: return &networkTable();
    default: return nullptr;
    }
}

}  // namespace lumio::actions
