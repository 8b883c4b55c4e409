#include "apps/cli/link_app.h"

namespace lumio::cli {

QCoreApplication& linkApplication() {
    static int argc = 1;
    static char name[] = "lumio";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    return application;
}

}  // namespace lumio::cli
