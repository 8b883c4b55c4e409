#pragma once
// The deterministic fault harness. One case: an operation, a fault schedule and an image size. The
// editor's DeviceSession and the board model run in one process; their bytes cross a VirtualLine through
// the schedule; 100 ms ticks and arrivals advance virtual time. The oracle:
//  - the session reports success only when it is true: after a write the board holds exactly the image
//    written; after a read the editor holds exactly the board's image; a clock, address, report or code
//    shown is exactly what the board sent; "locked"/"unlocked" only when the board is;
//  - every other end tells the user (a message, or the no-answer note of a single-reply command);
//  - every operation ends within its budget of virtual time: a write within 33 s of its last accepted
//    acknowledgement when the board said nothing since (303 s when it kept talking), a read within 5 s of
//    its last block, a single-reply command shows its note within 3 s.
// A case is replayed from its printed line alone.
#include <cstdint>
#include <memory>
#include <string>

#include "sim/board_model.h"
#include "sim/fault_schedule.h"
#include "sim/harness/harness_operation.h"

namespace lumio::harness {

struct HarnessCase {
    HarnessOperation operation = HarnessOperation::WriteAll;
    sim::FaultSchedule schedule;
    std::uint32_t imageSize = 5000;  // bytes of the program image read or written, 16 .. 499999
};

struct HarnessResult {
    bool oracleHeld = true;
    bool succeeded = false;       // the session reported success
    std::string ending;           // how it ended, for people (UTF-8)
    std::string violation;        // what broke the oracle, empty when it held
    std::uint64_t virtualMilliseconds = 0;
    std::string faultsFired;
    std::string trace;            // every arrival and effect, when asked for
};

// `boardExtension` changes how the board answers (a faulty board shows that the oracle is not vacuous).
HarnessResult runHarnessCase(const HarnessCase& harnessCase, bool keepTrace = false,
                             std::unique_ptr<sim::BoardExtension> boardExtension = nullptr);

// "--operation write-all --size 5000 --schedule seed=7,drop=0.02": what replays the case alone.
std::string replayArguments(const HarnessCase& harnessCase);

}  // namespace lumio::harness
