#pragma once
// ForHeader: «for(整数0=0;整数0<8;整数0=整数0+1)», a RelationList inside "for(" and ")", stored as that list.
#include <string>
#include <string_view>

#include "core/lang/expressions/relation.h"

namespace lumio {

struct ForHeader {
    RelationList relations;
    friend bool operator==(const ForHeader&, const ForHeader&) = default;
};

ForHeader parseForHeader(std::string_view text, const LangContext& ctx);
std::string printForHeader(const ForHeader& header, const LangContext& ctx);
Bytes encodeForHeader(const ForHeader& header);
ForHeader decodeForHeader(ByteView bytes);
ForHeader decodeForHeader(ByteView bytes, size_t count);

}  // namespace lumio
