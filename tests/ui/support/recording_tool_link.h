#pragma once
// A ToolLink for tests: it records what the debug terminal and the command wizard asked of the link.
#include <vector>

#include "ui/tools/tool_link.h"

namespace lumio::testing {

class RecordingToolLink : public ToolLink {
public:
    void openTerminal() override { ++opened; }
    void closeTerminal() override { ++closed; }
    void sendTerminalBytes(const Bytes& bytes) override { terminalSends.push_back(bytes); }
    void sendWizardBytes(const Bytes& bytes) override { wizardSends.push_back(bytes); }

    int opened = 0;
    int closed = 0;
    std::vector<Bytes> terminalSends;
    std::vector<Bytes> wizardSends;
};

}  // namespace lumio::testing
