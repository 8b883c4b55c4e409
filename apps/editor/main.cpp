// lumio-editor: the programming editor of the current board generation.
#include "ui/app/application.h"

int main(int argc, char** argv) {
    lumio::CMy1App app(argc, argv);
    return app.run();
}
