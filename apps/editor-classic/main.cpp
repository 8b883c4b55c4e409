// lumio-editor-classic: the programming editor of the earlier board generation, the same editor with
// the classic edition and its own menus.
#include "ui/app/application.h"
#include "ui/classic/classic_window.h"

int main(int argc, char** argv) {
    lumio::CMy1App app(argc, argv, lumio::Edition::Classic);
    return app.run(lumio::installClassicMenus);
}
