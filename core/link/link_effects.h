#pragma once
// What a DeviceSession asks its caller to do. Every command, receive() and tick() returns the effects in
// the order the caller must carry them out (a message box shown before a later send is closed before that
// send goes out). Texts are GBK bytes, like all core text.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "core/link/link_operation.h"
#include "core/text/bytes.h"

namespace lumio {

// Bytes for the active pipe: one frame, with the attention preamble already in front when it was armed
// (a preamble alone when the frame is empty).
struct SendBytes {
    Bytes bytes;
    friend bool operator==(const SendBytes&, const SendBytes&) = default;
};

// A modal message box. An empty caption means the application's default caption.
struct ShowMessage {
    std::string text;
    std::string caption;
    friend bool operator==(const ShowMessage&, const ShowMessage&) = default;
};

// A non-modal note (a status line or a toast) that does not stop the user; the operation goes on.
struct ShowNote {
    std::string text;
    friend bool operator==(const ShowNote&, const ShowNote&) = default;
};

// The progress bar: range 0..range, at position.
struct Progress {
    std::uint32_t range = 0;
    std::uint32_t position = 0;
    friend bool operator==(const Progress&, const Progress&) = default;
};

// A whole program read from the board: the image bytes, already passed checkProgramImage. The caller
// replaces its program with it (loadProgramImage); until then nothing of the user's program is touched.
struct ImageRead {
    Bytes image;
    friend bool operator==(const ImageRead&, const ImageRead&) = default;
};

// The report window to open: mode 1 for register 20, mode 3 for register 102; the frame it was made
// from and the report text.
enum class ReportMode : std::uint8_t { HardwareInfo = 1, PlainText = 2, HardwareInfo2 = 3 };
struct OpenReport {
    ReportMode mode = ReportMode::HardwareInfo;
    Bytes frame;
    std::string text;
    friend bool operator==(const OpenReport&, const OpenReport&) = default;
};

// A remote code was learned and stored: tell the statement editor (message 1234 radio, 1235 universal
// infrared). Comes after the message box that shows the code.
enum class RemoteCodeKind : std::uint8_t { Radio, UniversalIr };
struct CodeLearned {
    RemoteCodeKind kind = RemoteCodeKind::Radio;
    Bytes code;
    friend bool operator==(const CodeLearned&, const CodeLearned&) = default;
};

// Received bytes for the debug terminal (while Idle or DebugTerminal).
struct TerminalBytes {
    Bytes bytes;
    friend bool operator==(const TerminalBytes&, const TerminalBytes&) = default;
};

// A pending operation ended. Completed: its reply arrived and was handled (whatever the board answered);
// Failed: a wrong reply or a bad image; TimedOut: the session gave up waiting; Replaced: another
// operation started before it ended.
enum class Outcome : std::uint8_t { Completed, Failed, TimedOut, Replaced };
struct OperationEnded {
    LinkOperation operation = LinkOperation::Idle;
    Outcome outcome = Outcome::Completed;
    friend bool operator==(const OperationEnded&, const OperationEnded&) = default;
};

// Serial links only: wait `delayMilliseconds` without blocking, let the output drain, then set the port to
// `baud`. A network link ignores it.
struct ChangeBaud {
    std::uint32_t baud = 0;
    std::uint32_t delayMilliseconds = 0;
    friend bool operator==(const ChangeBaud&, const ChangeBaud&) = default;
};

// The firmware upgrade found the image for the board's chip: ask the user (chip, image source and size
// shown) and answer with DeviceSession::confirmFirmware. Nothing of the image is sent before that.
struct ConfirmFirmware {
    std::string chipName;  // as the board reported it
    std::string source;    // where the image comes from (GBK text)
    std::uint32_t size = 0;
    friend bool operator==(const ConfirmFirmware&, const ConfirmFirmware&) = default;
};

// An 8-byte relay status frame (0x22 ... sum) for the open relay test panel, which reads it.
struct RelayFrame {
    Bytes frame;
    friend bool operator==(const RelayFrame&, const RelayFrame&) = default;
};

using Effect = std::variant<SendBytes, ShowMessage, ShowNote, Progress, ImageRead, OpenReport, CodeLearned,
                            TerminalBytes, OperationEnded, ChangeBaud, ConfirmFirmware, RelayFrame>;
using Effects = std::vector<Effect>;

const char* outcomeName(Outcome outcome);

}  // namespace lumio
