#pragma once
// Qt's own texts (file dialogs, standard buttons, edit-box menus) in Chinese, as every other text of
// the editor is.
class QCoreApplication;

namespace lumio {

// Loads Qt's Simplified Chinese translations from Qt's translations folder into `application`;
// false when they are not installed (the dialogs then speak English).
bool installQtTranslations(QCoreApplication& application);

}  // namespace lumio
