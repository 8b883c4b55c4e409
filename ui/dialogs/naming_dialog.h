#pragma once
// Cmming_dlg: the global naming dialog ("全局命名"). Users give board resources and variables names
// of their own: a category list, the 100 entries of the chosen category with their names, a name box
// and the commands to apply, import, export, view as text and reset the names. Modeless, created on
// the first "重命名" and shown again on later ones. Every change of the names is one step of the
// main window's edit history.
#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

#include "core/edition_profile.h"
#include "core/lang/operands/rename_table.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace lumio {

class CMy1Dlg;
class Prompter;

struct DocumentChange;

class Cmming_dlg : public QDialog {
    Q_OBJECT
public:
    explicit Cmming_dlg(CMy1Dlg& mainWindow);

    // Shows the names text in the information dialog and gives back the edited text when the user
    // confirmed it, nothing when cancelled. Replaceable, so a test answers in its place.
    using TextViewer = std::function<std::optional<QString>(const QString& title, const QString& text)>;
    void setTextViewer(TextViewer viewer) { textViewer_ = std::move(viewer); }
    // Runs the local naming dialog. Replaceable as the viewer.
    void setLocalNamingRunner(std::function<void()> runner) { localNamingRunner_ = std::move(runner); }

    // "重命名": brings the dialog up.
    void open();

    QListWidget* categoryList() const { return categories_; }
    QListWidget* entryList() const { return entries_; }
    QLineEdit* countBox() const { return countBox_; }
    QLineEdit* nameBox() const { return nameBox_; }
    QPushButton* button(const char* objectName) const;
    bool nameChanged() const { return nameChanged_; }

public slots:
    void applyName();
    void importNames();
    void appendImportNames();
    void exportNames();
    void viewText();
    void resetAll();
    void viewLocal();
    void confirm();

protected:
    void reject() override;

private:
    Prompter& prompter();
    const RenameTable& names() const;
    void buildControls();
    void refresh();
    void fillEntries();
    void showSelectedName();
    QString selectedDefaultName() const;
    // Makes `edited` the program's names, as one step of the history.
    void applyNames(RenameTable edited);
    void importFile(bool emptyFirst);
    void documentChanged(const DocumentChange& change);

    CMy1Dlg& main_;
    TextViewer textViewer_;
    std::function<void()> localNamingRunner_;
    bool nameChanged_ = false;

    QListWidget* categories_ = nullptr;
    QListWidget* entries_ = nullptr;
    QLineEdit* countBox_ = nullptr;
    QLineEdit* nameBox_ = nullptr;
};

}  // namespace lumio
