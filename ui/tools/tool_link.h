#pragma once
// What the debug terminal and the command wizard need of the device link: set the pending operation and
// send raw bytes. The main window hands them its link; tests hand them a recorder.
#include "core/text/bytes.h"

namespace lumio {

class ToolLink {
public:
    virtual ~ToolLink() = default;
    // The terminal window was opened or brought up: received bytes go to it.
    virtual void openTerminal() = 0;
    // The terminal window was closed (hidden).
    virtual void closeTerminal() = 0;
    // Bytes as they are: no address, no check.
    virtual void sendTerminalBytes(const Bytes& bytes) = 0;
    virtual void sendWizardBytes(const Bytes& bytes) = 0;
};

}  // namespace lumio
