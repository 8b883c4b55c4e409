// The classic relay test panel on the link: while it is open its operation is pending and every
// sum-checked 8-byte status frame goes to it.
#include "core/link/device_session.h"

namespace lumio {

Effects DeviceSession::openRelayPanel() {
    Effects effects;
    begin(LinkOperation::RelayTestPanel, effects);
    return effects;
}

Effects DeviceSession::closeRelayPanel() {
    Effects effects;
    if (operation_ == LinkOperation::RelayTestPanel) end(Outcome::Completed, effects);
    return effects;
}

Effects DeviceSession::relayPanelSend(std::uint8_t target, std::uint8_t code, std::uint32_t value) {
    Effects effects;
    // Another command may have taken the link since the panel opened; its replies belong to the panel again.
    if (operation_ != LinkOperation::RelayTestPanel) begin(LinkOperation::RelayTestPanel, effects);
    sendRequest(frame55(target, code, value), false, effects);
    return effects;
}

void DeviceSession::onRelayPanelFrame(ByteView frame, Effects& effects) { effects.push_back(RelayFrame{Bytes(frame)}); }

}  // namespace lumio
