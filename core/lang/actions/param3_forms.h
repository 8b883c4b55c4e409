#pragma once
// Which stored form parameter 3 of an action takes, by (kind, parameter 1, parameter 2).
#include <cstdint>

namespace lumio {

enum class Param3Form : std::uint8_t {
    None,             // nothing stored, N = 0
    Expression,
    ArgumentList,     // expressions separated by commas
    RelationList,     // relations separated by ";"
    CallForm,         // [result relation] (arguments)
    IndexedCallForm,  // result relation object(arguments)
    HexBytes,         // blank-separated hexadecimal groups, one byte each
    RawText,          // the typed bytes, no terminator
};

Param3Form actionParam3Form(int kind, int p1, int p2);

}  // namespace lumio
