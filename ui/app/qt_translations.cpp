#include "ui/app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace lumio {

bool installQtTranslations(QCoreApplication& application) {
    // Chinese whatever the system's language: the editor's own texts are Chinese only.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    translator->setParent(&application);
    return QCoreApplication::installTranslator(translator.release());
}

}  // namespace lumio
