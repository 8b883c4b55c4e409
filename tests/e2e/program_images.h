#pragma once
// Program images of a chosen size for transfer tests and benchmarks: statements with long third
// parameters spread over the main program and the first functions (a store holds at most 200000 bytes).
#include <cstddef>

#include "core/text/bytes.h"

namespace lumio::test {

// A valid program image (it opens, and a board takes it) of exactly `size` bytes, for 16 + 7 < size
// < 500000; the bytes vary with `seed` so a misplaced block shows.
Bytes programImageOfSize(std::size_t size, unsigned seed = 1);

}  // namespace lumio::test
