// The device commands of a lumio built without the device link (no Qt, as in the Windows cross-build):
// each says so on one line and fails as a link failure does, so scripts see exit code 1.
#include <cstdio>

#include "apps/cli/commands.h"

namespace lumio::cli {
namespace {

int noDeviceLink(const char* command) {
    std::fprintf(stderr, "lumio: %s: this build has no device link (it was built without Qt)\n", command);
    return 1;
}

}  // namespace

int runRead(const Arguments&) { return noDeviceLink("read"); }
int runWrite(const Arguments&) { return noDeviceLink("write"); }
int runClock(const Arguments&) { return noDeviceLink("clock"); }
int runAddress(const Arguments&) { return noDeviceLink("address"); }
int runInfo(const Arguments&) { return noDeviceLink("info"); }
int runLock(const Arguments&) { return noDeviceLink("lock"); }
int runUnlock(const Arguments&) { return noDeviceLink("unlock"); }
int runFirmware(const Arguments&) { return noDeviceLink("firmware"); }

}  // namespace lumio::cli
