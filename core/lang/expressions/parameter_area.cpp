#include "core/lang/expressions/parameter_area.h"

namespace lumio {

Bytes fitParameterArea(Bytes encoded) {
    if (encoded.size() > kMaxParam3) return {};
    return encoded;
}

bool storeParameter(Statement& statement, ByteView encoded) {
    const bool fits = encoded.size() <= kMaxParam3;
    statement.setParam3(fits ? encoded : ByteView());
    return fits;
}

}  // namespace lumio
