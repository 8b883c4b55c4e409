#pragma once
// The relay-board command wizard's commands: fifteen operations, each an 8-byte Frame55
//   55 address code b3 b4 b5 b6 sum8
// with a function code for "reply requested" and one for "no reply", and bytes 3..6 built from the
// user's choices (channel, jog time, channel mask, new address, or a sequence with its interval).
//
// Interval of the sequence operations: with d the number of decimal digits of the interval t (ms),
// d < 3 gives mantissa t and exponent 0, otherwise exponent d - 2 and mantissa t / 10^(d - 2); the board
// waits mantissa x 10^exponent ms.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/link/link_effects.h"
#include "core/text/bytes.h"

namespace lumio {

// Positions in the wizard's operation list.
enum class WizardOperation : std::uint8_t {
    QueryStatus = 0,
    CloseOne = 1,
    OpenOne = 2,
    ToggleOne = 3,
    JogOne = 4,
    CloseAll = 5,
    OpenAll = 6,
    CloseGroup = 7,
    OpenGroup = 8,
    ToggleGroup = 9,
    Execute = 10,
    BroadcastAddress = 11,
    ChangeAddress = 12,
    SequenceOpen = 13,
    SequenceClose = 14,
};
inline constexpr int kWizardOperationCount = 15;
inline constexpr int kWizardChannelCount = 32;
inline constexpr int kWizardAddressCount = 256;

// The operation list's entry (GBK), "" past the end.
std::string wizardOperationName(int position);

// What the user chose in the dialog.
struct WizardChoice {
    std::uint8_t address = 1;           // position in the address list
    std::optional<WizardOperation> operation = WizardOperation::CloseOne;  // none selected: nullopt
    int channel = 1;                    // 1..32
    std::string parameter;              // the parameter edit (GBK)
    bool withReply = true;              // reply list position 0
};

// The composed frame, or none when refused; messages to show first (a refusal, or "参数只能是数字"
// for a channel list, which still composes with mask 0).
struct WizardCommand {
    std::optional<Bytes> frame;
    std::vector<ShowMessage> messages;
};

WizardCommand composeWizardCommand(const WizardChoice& choice);

// "55 01 12 00 00 00 01 69": the output box's text of a frame.
std::string wizardFrameText(ByteView frame);

struct WizardInterval {
    std::uint8_t mantissa = 0;
    std::uint8_t exponent = 0;
    friend bool operator==(const WizardInterval&, const WizardInterval&) = default;
};
WizardInterval encodeInterval(std::uint32_t milliseconds);

// Bit k - 1 for each listed channel k in 1..32 (the low 8 bits of each number); others are ignored.
std::uint32_t channelMask(const std::vector<std::uint32_t>& channels);

// How the dialog looks for an operation: the parameter label (nullopt: unchanged), the label of the
// address list, which controls are visible (reply nullopt: unchanged) and whether the parameter text is
// emptied.
struct WizardLayout {
    std::optional<std::string> parameterLabel;
    std::string addressLabel;
    bool address = true;
    bool parameter = true;
    bool channel = true;
    std::optional<bool> reply;
    bool emptyParameter = false;
};
WizardLayout wizardLayout(std::optional<WizardOperation> operation);

// The "填写说明" text of an operation (GBK); empty for none.
std::string wizardHelpText(std::optional<WizardOperation> operation);
// The output box's text when the dialog opens (GBK).
std::string wizardIntroText();
// The initial parameter label "参数：   " (GBK).
std::string wizardInitialParameterLabel();

}  // namespace lumio
