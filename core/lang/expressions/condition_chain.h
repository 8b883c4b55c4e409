#pragma once
// ConditionChain: Relations joined by the connectors "并且" (and) and "或者" (or). Stored as the items
// one after another with no own length byte: a connector is [2][1 or 2], a Relation its stored form.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/lang/expressions/relation.h"

namespace lumio {

enum class ChainConnector : std::uint8_t { None = 0, And = 1, Or = 2 };

// A connector item when `connector` is not None, otherwise a Relation item.
struct ChainItem {
    ChainConnector connector = ChainConnector::None;
    Relation relation;
    bool isConnector() const { return connector != ChainConnector::None; }
    friend bool operator==(const ChainItem&, const ChainItem&) = default;
};

using ConditionChain = std::vector<ChainItem>;

// A stored chain longer than this is stored as nothing.
inline constexpr size_t kMaxChainBytes = 200;

ConditionChain parseConditionChain(std::string_view text, const LangContext& ctx);
// Connectors print as " 并且 " and " 或者 ".
std::string printConditionChain(const ConditionChain& chain, const LangContext& ctx);
Bytes encodeConditionChain(const ConditionChain& chain);
// The items must fill `bytes` exactly, otherwise the chain is empty.
ConditionChain decodeConditionChain(ByteView bytes);
ConditionChain decodeConditionChain(ByteView bytes, size_t count);

}  // namespace lumio
