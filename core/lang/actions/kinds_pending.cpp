// Kinds whose catalogues are not written yet: empty tables (no names, every text empty). Each
// definition moves to its kind group's file when that catalogue is written.
#include "core/lang/actions/action_kinds.h"

namespace lumio::actions {

namespace {
const ActionKindTable& pendingTable() {
    static const ActionKindTable table{};
    return table;
}
}  // namespace

const ActionKindTable& systemSettingsTable() { return pendingTable(); }
const ActionKindTable& dataPortSendTable() { return pendingTable(); }
const ActionKindTable& protocolCommandTable() { return pendingTable(); }
const ActionKindTable& powerLossStorageTable() { return pendingTable(); }
const ActionKindTable& internalBusTable() { return pendingTable(); }
const ActionKindTable& sdCardTable() { return pendingTable(); }
const ActionKindTable& lcdDisplayTable() { return pendingTable(); }
const ActionKindTable& otherOutputTable() { return pendingTable(); }
const ActionKindTable& networkTable() { return pendingTable(); }

}  // namespace lumio::actions
