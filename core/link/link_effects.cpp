#include "core/link/link_effects.h"

namespace lumio {

const char* outcomeName(Outcome outcome) {
    switch (outcome) {
    case Outcome::Completed: return "Completed";
    case Outcome::Failed: return "Failed";
    case Outcome::TimedOut: return "TimedOut";
    case Outcome::Replaced: return "Replaced";
    }
    return "Unknown";
}

}  // namespace lumio
