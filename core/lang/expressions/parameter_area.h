#pragma once
// Putting an encoded third parameter into a statement. The parameter area keeps at most 243 bytes;
// an encoded parameter that does not fit is stored as nothing (N = 0), the same way a form too long
// for its own length byte is, so a statement never keeps stale bytes of an earlier parameter and
// nothing is written beyond the area.
#include "core/model/statement.h"
#include "core/text/bytes.h"

namespace lumio {

// The bytes when they fit the parameter area, otherwise nothing.
Bytes fitParameterArea(Bytes encoded);
// Sets the statement's param3 to the encoded bytes, or to nothing when they do not fit. Returns
// whether the bytes were kept.
bool storeParameter(Statement& statement, ByteView encoded);

}  // namespace lumio
