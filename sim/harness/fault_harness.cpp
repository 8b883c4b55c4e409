#include "sim/harness/fault_harness.h"

#include <algorithm>
#include <optional>
#include <variant>
#include <vector>

#include "core/link/device_session.h"
#include "core/link/link_texts.h"
#include "core/text/gbk.h"
#include "sim/board_frames.h"
#include "sim/board_image.h"
#include "sim/board_model.h"
#include "sim/fault_injector.h"
#include "sim/harness/virtual_line.h"

namespace lumio::harness {
namespace {

constexpr std::uint64_t kTick = 100;
// A write whose board said nothing since the last acknowledgement: ten resends 3 s apart, failing at the
// eleventh expiry. One that kept talking: up to a hundred resends.
constexpr std::uint64_t kSilentWriteBudget = 11 * 3000 + 2 * kTick;
constexpr std::uint64_t kChattyWriteBudget = 101 * 3000 + 2 * kTick;
constexpr std::uint64_t kReadBudget = 5000 + 2 * kTick;
constexpr std::uint64_t kNoAnswerBudget = 3000 + 2 * kTick;
// Nothing the harness drives may take longer than this.
constexpr std::uint64_t kHardLimit = 2'000'000;

const Bytes kPassword = "lumio123";
constexpr std::uint8_t kNewAddress = 7;

Bytes toCore(sim::ByteView bytes)
{
    return Bytes(bytes.begin(), bytes.end());
}

sim::Bytes toSim(ByteView bytes)
{
    return sim::Bytes(bytes.begin(), bytes.end());
}

// A valid program image of the given size whose body is drawn from the seed.
sim::Bytes imageFor(const HarnessCase& harnessCase)
{
    sim::SeededRandom random(harnessCase.schedule.seed * 31 + 7);
    sim::Bytes body(std::max<std::uint32_t>(harnessCase.imageSize, 16) - 16);
    for (std::uint8_t& byte : body)
        byte = static_cast<std::uint8_t>(random.next() >> 56);
    return sim::programImageWithBody(body);
}

std::tm localTimeFor(std::uint64_t seed)
{
    sim::SeededRandom random(seed + 11);
    std::tm time{};
    time.tm_year = 100 + static_cast<int>(random.below(60));
    time.tm_mon = static_cast<int>(random.below(12));
    time.tm_mday = 1 + static_cast<int>(random.below(28));
    time.tm_hour = static_cast<int>(random.below(24));
    time.tm_min = static_cast<int>(random.below(60));
    time.tm_sec = static_cast<int>(random.below(60));
    time.tm_wday = static_cast<int>(random.below(7));
    return time;
}

std::string printable(ByteView gbk)
{
    return toUtf8(gbk);
}

// Everything the session told its caller during the case.
struct Observed {
    std::vector<std::string> messages;
    bool noteShown = false;
    std::uint64_t noteAt = 0;
    std::optional<OperationEnded> ended;
    std::optional<Bytes> imageRead;
    std::optional<OpenReport> report;
    std::optional<CodeLearned> learned;
    std::uint32_t progressPosition = 0;
};

class HarnessRun {
public:
    HarnessRun(const HarnessCase& harnessCase, bool keepTrace)
        : case_(harnessCase), keepTrace_(keepTrace), image_(imageFor(harnessCase)), board_(boardConfig()),
          injector_(harnessCase.schedule)
    {
    }

    HarnessResult run();
    void setBoardExtension(std::unique_ptr<sim::BoardExtension> extension) { board_.setExtension(std::move(extension)); }

private:
    sim::BoardConfig boardConfig() const;
    Effects start();
    void carryOut(const Effects& effects);
    void deliverToBoard(const sim::Bytes& bytes);
    void deliverToEditor(const sim::Bytes& bytes);
    bool finished() const;
    void checkBudget();
    void judge(HarnessResult& result);
    void note(const std::string& line);
    void violate(std::string what)
    {
        if (violation_.empty())
            violation_ = std::move(what);
    }

    const HarnessCase& case_;
    bool keepTrace_;
    sim::Bytes image_;
    sim::BoardModel board_;
    sim::FaultInjector injector_;
    DeviceSession session_;
    VirtualLine line_;
    Observed observed_;
    std::vector<sim::Bytes> boardReplies_;  // every frame the board sent, before any fault
    std::uint64_t now_ = 0;
    std::uint64_t startedAt_ = 0;
    std::uint64_t lastProgressAt_ = 0;       // start, an accepted block or acknowledgement
    bool editorHeardSinceProgress_ = false;
    std::uint64_t lastBytesToBoardAt_ = 0;
    std::tm clockSent_{};
    std::string violation_;
    std::string trace_;
};

sim::BoardConfig HarnessRun::boardConfig() const
{
    sim::BoardConfig config;
    if (case_.operation == HarnessOperation::ReadAll)
        config.program = image_;
    if (case_.operation == HarnessOperation::Unlock)
        config.password = toSim(kPassword);
    const std::tm time = localTimeFor(case_.schedule.seed + 1);
    config.clock = sim::BoardClock::fromPayload(toSim(clockPayload(time))).value_or(sim::BoardClock{});
    return config;
}

Effects HarnessRun::start()
{
    switch (case_.operation) {
    case HarnessOperation::ReadAll:
        return session_.readAll();
    case HarnessOperation::WriteAll:
        return session_.writeAll(toCore(image_));
    case HarnessOperation::SetClock:
        clockSent_ = localTimeFor(case_.schedule.seed);
        return session_.setClock(clockSent_);
    case HarnessOperation::ReadClock:
        return session_.readClock();
    case HarnessOperation::Lock:
        return session_.encrypt(kPassword);
    case HarnessOperation::Unlock:
        return session_.decrypt(kPassword);
    case HarnessOperation::ReadAddress:
        return session_.readAddress();
    case HarnessOperation::WriteAddress:
        session_.setModuleAddress(kNewAddress);
        return session_.writeAddress();
    case HarnessOperation::HardwareInfo:
        return session_.hardwareInfo();
    case HarnessOperation::HardwareInfo2:
        return session_.hardwareInfo2();
    case HarnessOperation::LearnRadio:
        return session_.learnRemote(RemoteCodeKind::Radio);
    case HarnessOperation::LearnInfrared:
        return session_.learnRemote(RemoteCodeKind::UniversalIr);
    }
    return {};
}

void HarnessRun::note(const std::string& line)
{
    if (keepTrace_)
        trace_ += std::to_string(now_) + " ms  " + line + "\n";
}

void HarnessRun::carryOut(const Effects& effects)
{
    for (const Effect& effect : effects) {
        if (const auto* send = std::get_if<SendBytes>(&effect)) {
            note("editor sends " + sim::hexText(toSim(send->bytes)));
            line_.send(sim::Direction::ToBoard, injector_.pass(sim::Direction::ToBoard, toSim(send->bytes)), now_);
        } else if (const auto* message = std::get_if<ShowMessage>(&effect)) {
            note("message: " + printable(message->text));
            observed_.messages.push_back(message->text);
        } else if (std::holds_alternative<ShowNote>(effect)) {
            note("note: no answer");
            if (!observed_.noteShown)
                observed_.noteAt = now_;
            observed_.noteShown = true;
        } else if (const auto* progress = std::get_if<Progress>(&effect)) {
            if (progress->position > observed_.progressPosition ||
                case_.operation == HarnessOperation::ReadAll) {
                lastProgressAt_ = now_;
                editorHeardSinceProgress_ = false;
            }
            observed_.progressPosition = progress->position;
        } else if (const auto* read = std::get_if<ImageRead>(&effect)) {
            note("image read, " + std::to_string(read->image.size()) + " bytes");
            observed_.imageRead = read->image;
        } else if (const auto* report = std::get_if<OpenReport>(&effect)) {
            note("report opened");
            observed_.report = *report;
        } else if (const auto* learned = std::get_if<CodeLearned>(&effect)) {
            note("code learned " + sim::hexText(toSim(learned->code)));
            observed_.learned = *learned;
        } else if (const auto* ended = std::get_if<OperationEnded>(&effect)) {
            note(std::string("ended ") + linkOperationName(ended->operation) + " " + outcomeName(ended->outcome));
            if (observed_.ended)
                violate("the operation ended twice");
            observed_.ended = *ended;
        }
    }
}

void HarnessRun::deliverToBoard(const sim::Bytes& bytes)
{
    lastBytesToBoardAt_ = now_;
    const sim::Exchange exchange = board_.receive(bytes);
    for (const sim::InboundRecord& record : exchange.inbound)
        note("board takes " + sim::hexText(record.bytes) + " | " + record.note);
    for (const sim::Bytes& reply : exchange.replies) {
        note("board replies " + sim::hexText(reply));
        boardReplies_.push_back(reply);
        line_.send(sim::Direction::FromBoard, injector_.pass(sim::Direction::FromBoard, reply), now_);
    }
}

void HarnessRun::deliverToEditor(const sim::Bytes& bytes)
{
    note("editor receives " + sim::hexText(bytes));
    const std::uint64_t progressBefore = lastProgressAt_;
    editorHeardSinceProgress_ = true;
    carryOut(session_.receive(toCore(bytes)));
    // Bytes that came in the same piece after an acknowledgement count as the board talking after it.
    constexpr std::size_t kAcknowledgementLength = 8;
    if (lastProgressAt_ != progressBefore && bytes.size() > kAcknowledgementLength)
        editorHeardSinceProgress_ = true;
}

bool HarnessRun::finished() const
{
    switch (case_.operation) {
    case HarnessOperation::SetClock:
    case HarnessOperation::WriteAddress:
        // Nothing is awaited: done when nothing more is on its way.
        return line_.empty();
    case HarnessOperation::ReadAll:
    case HarnessOperation::WriteAll:
        return observed_.ended.has_value();
    default:
        // A single-reply command without an answer stays pending after its note; once nothing more can
        // arrive, that is how it ends.
        return observed_.ended.has_value() || (observed_.noteShown && line_.empty());
    }
}

void HarnessRun::checkBudget()
{
    const std::uint64_t since = now_ - lastProgressAt_;
    switch (case_.operation) {
    case HarnessOperation::WriteAll:
        if (since > (editorHeardSinceProgress_ ? kChattyWriteBudget : kSilentWriteBudget))
            violate("the write went on " + std::to_string(since) + " ms after its last acknowledgement");
        break;
    case HarnessOperation::ReadAll:
        if (since > kReadBudget)
            violate("the read went on " + std::to_string(since) + " ms after its last block");
        break;
    case HarnessOperation::SetClock:
    case HarnessOperation::WriteAddress:
        break;
    default:
        if (!observed_.ended && !observed_.noteShown && now_ - startedAt_ > kNoAnswerBudget)
            violate("no answer and no note " + std::to_string(now_ - startedAt_) + " ms after the request");
        break;
    }
}

HarnessResult HarnessRun::run()
{
    carryOut(start());
    std::uint64_t nextTick = kTick;
    while (!finished() && violation_.empty()) {
        const std::uint64_t next = std::min(nextTick, line_.nextArrival().value_or(nextTick));
        board_.advance(next - now_);
        now_ = next;
        if (now_ > kHardLimit) {
            violate("did not end within " + std::to_string(kHardLimit / 1000) + " s");
            break;
        }
        while (auto arrival = line_.takeDue(sim::Direction::ToBoard, now_))
            deliverToBoard(arrival->bytes);
        while (auto arrival = line_.takeDue(sim::Direction::FromBoard, now_))
            deliverToEditor(arrival->bytes);
        if (now_ == nextTick) {
            // A torn request is given up after a silence, as the program does after 200 ms.
            if (board_.buffered() != 0 && now_ - lastBytesToBoardAt_ >= 200) {
                for (const sim::InboundRecord& record : board_.lineSilent().inbound)
                    note("board gives up " + sim::hexText(record.bytes));
            }
            carryOut(session_.tick());
            nextTick += kTick;
        }
        checkBudget();
    }
    HarnessResult result;
    result.virtualMilliseconds = now_;
    result.faultsFired = injector_.firedSummary();
    judge(result);
    if (!violation_.empty()) {
        result.oracleHeld = false;
        result.violation = violation_;
    }
    result.trace = std::move(trace_);
    return result;
}

bool sentByBoard(const std::vector<sim::Bytes>& replies, ByteView frame)
{
    return std::any_of(replies.begin(), replies.end(), [&](const sim::Bytes& reply) { return toCore(reply) == frame; });
}

void HarnessRun::judge(HarnessResult& result)
{
    if (!violation_.empty())
        return;
    const auto& messages = observed_.messages;
    const auto shown = [&](const std::string& text) {
        return std::find(messages.begin(), messages.end(), text) != messages.end();
    };
    const auto fail = [&](std::string what) { violate(std::move(what)); };
    const bool completed = observed_.ended && observed_.ended->outcome == Outcome::Completed;
    const std::string lastMessage = messages.empty() ? std::string() : printable(messages.back());

    switch (case_.operation) {
    case HarnessOperation::WriteAll:
        result.succeeded = completed;
        if (completed && board_.programMemory() != image_)
            fail("the write was reported complete but the board holds other bytes");
        if (completed && !shown(writeDoneText()))
            fail("the write completed without its message");
        break;
    case HarnessOperation::ReadAll:
        result.succeeded = observed_.imageRead.has_value();
        if (observed_.imageRead && toSim(*observed_.imageRead) != board_.programMemory())
            fail("the read handed over an image the board does not hold");
        if (completed != observed_.imageRead.has_value())
            fail("the read's outcome and its image disagree");
        break;
    case HarnessOperation::SetClock:
        for (const sim::ClockPayload& taken : board_.clocksWritten()) {
            if (toCore(sim::ByteView(taken)) != clockPayload(clockSent_))
                fail("the board took a clock the editor did not send");
        }
        result.succeeded = !board_.clocksWritten().empty();
        break;
    case HarnessOperation::WriteAddress:
        if (board_.address() != 1 && board_.address() != kNewAddress)
            fail("the board took an address the editor did not send");
        result.succeeded = board_.address() == kNewAddress;
        break;
    case HarnessOperation::ReadClock:
        if (completed) {
            result.succeeded = std::any_of(boardReplies_.begin(), boardReplies_.end(), [&](const sim::Bytes& reply) {
                return reply.size() == 12 && shown(clockText(toCore(sim::ByteView(reply).subspan(3, 7))));
            });
            if (!result.succeeded)
                fail("the clock shown is not one the board sent");
        }
        break;
    case HarnessOperation::Lock:
    case HarnessOperation::Unlock: {
        const bool lock = case_.operation == HarnessOperation::Lock;
        const std::string success = *passwordResultText(lock ? 0x0A : 0x0C);
        result.succeeded = shown(success);
        if (result.succeeded && board_.locked() != lock)
            fail(lock ? "locked was reported but the board is open" : "unlocked was reported but the board is locked");
        if (result.succeeded && lock && board_.password() != toSim(kPassword))
            fail("locked was reported but with another password");
        break;
    }
    case HarnessOperation::ReadAddress:
        if (completed) {
            result.succeeded = shown(addressText(board_.address()));
            if (!result.succeeded)
                fail("the address shown is not the board's");
        }
        break;
    case HarnessOperation::HardwareInfo:
    case HarnessOperation::HardwareInfo2:
        result.succeeded = observed_.report.has_value();
        if (observed_.report && !sentByBoard(boardReplies_, observed_.report->frame))
            fail("the report was made from a frame the board did not send");
        break;
    case HarnessOperation::LearnRadio:
    case HarnessOperation::LearnInfrared: {
        const bool radio = case_.operation == HarnessOperation::LearnRadio;
        result.succeeded = observed_.learned.has_value();
        if (observed_.learned && toSim(observed_.learned->code) != (radio ? board_.radioCode() : board_.infraredCode()))
            fail("the code learned is not the board's");
        break;
    }
    }
    // Every end that is not a success must tell the user something.
    const bool awaitsNothing =
        case_.operation == HarnessOperation::SetClock || case_.operation == HarnessOperation::WriteAddress;
    if (!result.succeeded && !awaitsNothing && messages.empty() && !observed_.noteShown)
        fail("ended without telling the user");

    if (result.succeeded)
        result.ending = "success";
    else if (awaitsNothing)
        result.ending = "not taken by the board";
    else if (!messages.empty())
        result.ending = "clear failure: " + lastMessage;
    else
        result.ending = "clear failure: no answer (note shown)";
}

}  // namespace

HarnessResult runHarnessCase(const HarnessCase& harnessCase, bool keepTrace,
                             std::unique_ptr<sim::BoardExtension> boardExtension)
{
    HarnessRun run(harnessCase, keepTrace);
    if (boardExtension)
        run.setBoardExtension(std::move(boardExtension));
    return run.run();
}

std::string replayArguments(const HarnessCase& harnessCase)
{
    return "--operation " + std::string(harnessOperationName(harnessCase.operation)) + " --size " +
           std::to_string(harnessCase.imageSize) + " --schedule " + harnessCase.schedule.toString();
}

}  // namespace lumio::harness
