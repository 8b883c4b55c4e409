#pragma once
// The event loop of lumio-board-sim: bytes from the editor's endpoint go through the fault schedule into
// the board model; its replies go through the schedule again, paced at the baud rate, back to that endpoint.
#include <cstdint>
#include <optional>
#include <string>

#include "sim/board_model.h"
#include "sim/fault_injector.h"
#include "sim/sim_options.h"

namespace lumio::boardsim {

// Runs until SIGINT or SIGTERM. Returns the exit code.
int runBoardServer(const sim::SimOptions& options, sim::BoardModel& board);

}  // namespace lumio::boardsim
