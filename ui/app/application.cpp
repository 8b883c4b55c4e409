#include "ui/app/application.h"

#include <QFileInfo>
#include <QStringList>

#include "ui/app/app_icon.h"
#include "ui/app/main_window.h"
#include "ui/app/qt_translations.h"

namespace lumio {

CMy1App::CMy1App(int& argc, char** argv, Edition edition) : QApplication(argc, argv), edition_(edition) {
    setApplicationName(QStringLiteral("lumio-editor"));
    setApplicationVersion(QStringLiteral(LUMIO_VERSION));
    setWindowIcon(appIcon());
    installQtTranslations(*this);
}

int CMy1App::run() {
    CMy1Dlg window(edition_);
    window.show();
    const QStringList arguments = QApplication::arguments().mid(1);
    if (!arguments.isEmpty()) window.openDroppedFile(QFileInfo(arguments.constFirst()).absoluteFilePath());
    return exec();
}

}  // namespace lumio
