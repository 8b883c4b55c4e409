#include "apps/cli/binary_output.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <cstdio>
#endif

namespace lumio::cli {

void useBinaryStandardOutput() {
#if defined(_WIN32)
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

}  // namespace lumio::cli
