#pragma once
// DeviceSession: the device link as a deterministic state machine. No clock, no thread, no I/O.
//
//   DeviceSession session(DeviceSessionConfig{...});
//   Effects e = session.readAll();          // commands: readAll, writeAll(image), setClock(tm), readClock,
//                                           //   encrypt(pw), decrypt(pw), readAddress, writeAddress,
//                                           //   hardwareInfo, hardwareInfo2, networkInfo,
//                                           //   identification, learnRemote(kind), the relay panel's
//   e = session.receive(bytesFromPipe);     // any split of the byte stream gives the same effects
//   e = session.tick();                     // call every 100 ms
//
// Each call returns the effects (link_effects.h) to carry out in order: SendBytes go to the active pipe
// as they are (the attention preamble is already in front where armed), ShowMessage opens a modal box,
// ShowNote a non-modal note, Progress moves the bar, ImageRead hands over a checked program image,
// OpenReport opens the report window, CodeLearned tells the statement editor, TerminalBytes feed the debug
// terminal, RelayFrame feeds the relay test panel, OperationEnded says how the pending operation ended.
//
// The caller asks the confirmation questions (and checks that a serial port is open) before it calls a
// command; the session never asks. Starting a command replaces whatever was pending (OperationEnded with
// Outcome::Replaced). Time exists only as ticks: writing resends after 30 ticks within its budget;
// reading all gives up after 50 ticks without a block; a single-reply command that has no answer after
// 30 ticks gets a ShowNote and stays pending, so a late reply still works.
#include <array>
#include <ctime>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/edition.h"
#include "core/link/firmware_image.h"
#include "core/link/frame_assembler.h"
#include "core/link/frames.h"
#include "core/link/link_effects.h"
#include "core/link/link_operation.h"
#include "core/text/bytes.h"

namespace lumio {

struct DeviceSessionConfig {
    // The 13 ASCII characters of the attention preamble; an invalid text falls back to the default.
    std::string preambleIdentification{kDefaultPreambleIdentification};
    // Which images checkProgramImage accepts when a whole program is read.
    Edition edition = Edition::Current;
    std::uint8_t moduleAddress = 1;
};

// Limits and timings of the link, in bytes and in 100 ms ticks.
inline constexpr std::uint32_t kTransferBufferSize = 500000;
inline constexpr std::uint32_t kTransferBlockSize = 50;
inline constexpr int kResendTicks = 30;
inline constexpr int kResendBudget = 100;
inline constexpr int kReadSilenceTicks = 50;
inline constexpr int kNoAnswerTicks = 30;
inline constexpr size_t kPasswordLimit = 100;
inline constexpr std::uint32_t kInitialProgressRange = 50;
// Firmware upgrade: ticks from the preamble to the identify request, ticks after the board's last reply
// before the port returns to the configured rate, ticks without a reply before the upgrade is given up.
inline constexpr int kFirmwareStartTicks = 3;
inline constexpr int kFirmwareBaudRestoreTicks = 10;
inline constexpr int kFirmwareStallTicks = 30;
inline constexpr std::uint32_t kFirmwareFastBaud = 115200;
// The board switches its port to 115200 this long after the identify request of the fast variant.
inline constexpr std::uint32_t kFirmwareBaudSwitchMilliseconds = 50;

// The two upgrade commands: at the configured rate, or switching both ends to 115200 for the transfer.
enum class FirmwareRate : std::uint8_t { Configured, Fast };

class DeviceSession {
public:
    explicit DeviceSession(DeviceSessionConfig config = {});

    // --- state the windows show or pass on ---
    LinkOperation operation() const { return operation_; }
    std::uint8_t moduleAddress() const { return moduleAddress_; }
    // The address list of the main window: every later frame carries it.
    void setModuleAddress(std::uint8_t address) { moduleAddress_ = address; }
    const Progress& progress() const { return progress_; }
    // The learned code stores the statement editor reads (empty until a code was learned).
    const Bytes& learnedCode(RemoteCodeKind kind) const;

    // --- whole program ---
    // Asks the board for its program; the user's program is untouched until ImageRead.
    Effects readAll();
    // Writes `image` (the program image the caller built) in blocks of 50 bytes.
    Effects writeAll(ByteView image);

    // --- device commands ---
    // Shows the time taken and sends it to the board (no reply awaited). `localTime` is the computer's local
    // time; tm_wday 0 (Sunday) is sent as 7.
    Effects setClock(const std::tm& localTime);
    Effects readClock();
    // The password as typed (GBK): 1..100 bytes. Empty sends nothing; longer is refused with a message.
    Effects encrypt(ByteView password);
    Effects decrypt(ByteView password);
    Effects readAddress();
    // Sends the selected module address to every module on the line (no reply awaited).
    Effects writeAddress();
    Effects hardwareInfo();
    Effects hardwareInfo2();
    // The classic edition's network (register 23) and identification (register 24) reports; both
    // wait as HardwareInfo does.
    Effects networkInfo();
    Effects identification();
    // Remote learning, started by the statement editor.
    Effects learnRemote(RemoteCodeKind kind);

    // --- firmware upgrade ---
    // The caller asked firmwareQuestionText() first. Returns the port to `configuredBaud`, sends the
    // attention preamble alone and, three ticks later, asks the board for its chip. With the chip's image
    // found in `catalog` the session emits ConfirmFirmware and waits for confirmFirmware(); nothing of the
    // image goes out before. 30 ticks without a reply end the upgrade with a message.
    Effects firmwareUpgrade(FirmwareRate rate, FirmwareCatalog catalog, std::uint32_t configuredBaud);
    Effects confirmFirmware(bool proceed);
    bool awaitingFirmwareConfirmation() const { return upgrade_.awaitingConfirmation; }

    // --- debug terminal and command wizard ---
    // Received bytes go to the terminal while Idle or DebugTerminal.
    Effects openTerminal();
    // Closing the terminal returns DebugTerminal to Idle; another pending operation goes on.
    Effects closeTerminal();
    // Raw sends: the bytes as they are (no address, no check), after the preamble if one is armed.
    Effects terminalSend(ByteView bytes);
    Effects wizardSend(ByteView bytes);

    // --- relay test panel (classic edition) ---
    // Opening the panel makes RelayTestPanel pending: every 8-byte status frame (0x22, sum-checked) that
    // arrives is handed over as RelayFrame until the panel closes, which returns to Idle.
    Effects openRelayPanel();
    Effects closeRelayPanel();
    // One Frame55 command of the panel (no preamble); the panel stays pending.
    Effects relayPanelSend(std::uint8_t target, std::uint8_t code, std::uint32_t value);

    // --- input ---
    Effects receive(ByteView bytes);
    Effects tick();

private:
    struct WriteState {
        Bytes image;
        std::uint32_t blockTotal = 0;
        std::uint32_t blockIndex = 0;
        int resendTicks = 0;
        int resendBudget = 0;
    };

    struct UpgradeState {
        FirmwareCatalog catalog;
        Bytes image;
        std::string chipName;
        std::uint16_t baudCode = 0;  // 0, or 1152 for 115200 (rate = code x 100)
        std::uint32_t step = 0;
        std::uint32_t blockTotal = 0;
        int startCountdown = 0;
        int stallTicks = 0;
        bool awaitingConfirmation = false;
        // Fast variant: the port switches to 115200 50 ms after the identify request; the chip's reply is
        // acted on from the next tick, so nothing more is sent before the switch.
        bool switchPending = false;
        std::optional<Bytes> chipReply;
    };

    DeviceSessionConfig config_;
    Bytes preamble_;
    std::uint8_t moduleAddress_;
    LinkOperation operation_ = LinkOperation::Idle;
    bool preambleArmed_ = false;
    bool byteReceived_ = false;
    FrameAssembler assembler_;
    Progress progress_{kInitialProgressRange, 0};

    WriteState write_;
    UpgradeState upgrade_;
    // Timer 2 of the upgrade: runs on after the upgrade ended, so the port always returns to this rate.
    int baudRestoreCountdown_ = 0;
    std::uint32_t configuredBaud_ = 0;
    Bytes readBuffer_;
    int readSilenceTicks_ = 0;
    int noAnswerTicks_ = 0;
    std::array<Bytes, 2> learned_;
    static size_t learnedSlot(RemoteCodeKind kind) { return kind == RemoteCodeKind::Radio ? 0 : 1; }

    // How the pending operation takes received bytes and which handler a delivered frame goes to.
    struct Route;
    static const Route& routeOf(LinkOperation operation);

    // Sending and operations.
    void sendFrame(Bytes frame, Effects& effects);
    void sendRequest(Bytes frame, bool armPreamble, Effects& effects);
    void begin(LinkOperation operation, Effects& effects);
    void end(Outcome outcome, Effects& effects);
    void setProgress(std::uint32_t range, std::uint32_t position, Effects& effects);
    Effects startSingleReply(LinkOperation operation, Bytes request);
    void deliver(ByteView frame, Effects& effects);

    // Whole program.
    void onReadAllFrame(ByteView frame, Effects& effects);
    void finishRead(Effects& effects);
    void onWriteAllFrame(ByteView frame, Effects& effects);
    void sendBlock(Effects& effects);
    void abortWrite(Effects& effects);
    void clearWrite();
    void tickWrite(Effects& effects);
    void tickRead(Effects& effects);

    // Device commands.
    Effects sendPassword(LinkOperation operation, std::uint16_t registerNumber, ByteView password);
    void onReadClockFrame(ByteView frame, Effects& effects);
    void onPasswordFrame(ByteView frame, Effects& effects);
    void onAddressFrame(ByteView frame, Effects& effects);
    void onHardwareInfoFrame(ByteView frame, Effects& effects);
    void onHardwareInfo2Frame(ByteView frame, Effects& effects);
    void onLearnFrame(ByteView frame, Effects& effects);
    void onWizardFrame(ByteView frame, Effects& effects);
    void onRelayPanelFrame(ByteView frame, Effects& effects);
    void tickNoAnswer(Effects& effects);

    // Firmware upgrade.
    Effects rawSend(LinkOperation operation, ByteView bytes);
    void onFirmwareFrame(ByteView frame, Effects& effects);
    void onChipNamed(ByteView chipName, Effects& effects);
    void firmwareStep(Effects& effects);
    void endFirmware(Outcome outcome, Effects& effects);
    void restoreBaud(Effects& effects);
    void tickFirmware(Effects& effects);
};

}  // namespace lumio
