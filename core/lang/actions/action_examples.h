#pragma once
// The example entries the statement editor offers in the parameter-3 drop-down of an action: entry k
// (1, 2, ... until the empty text) for the statement's kind and parameters. Examples are offered, never
// inserted by themselves. GBK.
#include <string>

#include "core/model/statement.h"

namespace lumio {

std::string actionExample(int kind, int p1, int p2, int k);
std::string actionExample(const Statement& statement, int k);

}  // namespace lumio
