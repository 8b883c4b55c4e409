#pragma once
// The action catalogue's name tables: the name of every kind, parameter-1 and parameter-2 code, and the
// (code, name) pairs the statement editor offers in each edition. Names are GBK; a code outside its
// list (0 included) has the empty name. A stored code keeps its name in both editions; only the offered
// lists leave out what an edition does not offer.
#include <string>
#include <vector>

#include "core/lang/actions/action_table.h"
#include "core/lang/context.h"

namespace lumio {

// The kinds are the same in both editions.
std::string actionKindName(int kind);
std::string actionParam1Name(int kind, int p1, const LangContext& context);
std::string actionParam2Name(int kind, int p1, int p2, const LangContext& context);

// What the editor's lists offer, in list order: entry i of a list is offered[i], whose code is what is
// stored. In the current edition the codes run 1, 2, 3, ...; the classic edition leaves some out.
std::vector<OfferedEntry> offeredActionKinds();
std::vector<OfferedEntry> offeredActionParam1(int kind, const LangContext& context);
std::vector<OfferedEntry> offeredActionParam2(int kind, int p1, const LangContext& context);

// The same lists asked one position at a time (1, 2, 3, ... until the first empty name): the entry at
// `position`, or {0, ""} past the end.
OfferedEntry actionKindOffered(int position);
OfferedEntry actionParam1Offered(int kind, int position, const LangContext& context);
OfferedEntry actionParam2Offered(int kind, int p1, int position, const LangContext& context);

// Where a stored code stands in an offered list: its 1-based position, or 0 when the list does not
// offer it (the editor then shows the list without a selection).
int offeredPosition(const std::vector<OfferedEntry>& offered, int code);

}  // namespace lumio
