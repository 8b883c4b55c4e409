#pragma once
// CMy1Dlg: the main window. It shows the main program as the listing and offers the file, edit and
// search commands; it owns the program, the clipboard store and the one edit history. It coordinates:
// what a command computes lives in core (program files, store edits, the listing), what it asks or
// reports goes through the prompter.
#include <QMainWindow>
#include <QString>
#include <cstdint>
#include <map>
#include <memory>

#include "core/edition.h"
#include "core/edition_profile.h"
#include "core/editing/example_programs.h"
#include "core/editing/program_document.h"
#include "core/editing/statement_editor_session.h"
#include "core/lang/context.h"
#include "core/model/program.h"
#include "core/settings/link_settings.h"
#include "ui/app/main_window_controls.h"
#include "ui/app/prompter.h"
#include "ui/app/settings_store.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;

namespace lumio {

class Cadd_in;
class Clist_command;
class DocumentNotifier;
class LinkPanel;
class ListController;

class CMy1Dlg : public QMainWindow {
    Q_OBJECT
public:
    // The link settings are read from `settings` (the settings file of the working directory).
    explicit CMy1Dlg(Edition edition = Edition::Current, QWidget* parent = nullptr,
                     SettingsStore settings = SettingsStore());
    ~CMy1Dlg() override;

    // Message boxes and file dialogs go through `prompter` (not owned); null restores the dialogs.
    void setPrompter(Prompter* prompter);
    // The prompter the window's dialogs ask and report through.
    Prompter& prompter() { return *prompter_; }

    Edition edition() const { return edition_; }
    const EditionProfile& profile() const { return editionProfile(edition_); }
    ProgramDocument& document() { return document_; }
    // Tells every view which store of the document changed.
    DocumentNotifier& notifier() const { return *notifier_; }
    const Program& program() const { return document_.program(); }
    ProgramStore& clipboard() { return document_.clipboard(); }
    const EditHistory& history() const { return document_.history(); }
    LangContext langContext() const { return document_.langContext(); }
    Clist_command* mainList() const { return list_; }
    QPushButton* addStatementButton() const { return addStatementButton_; }
    QWidget* control(MainControl id) const;
    // The control with resource id `id`, null for none.
    QWidget* control(int id) const { return control(static_cast<MainControl>(id)); }
    QMenu* contextMenu() const { return contextMenu_; }
    // An edition's own menus in place of the window's: `bar` becomes the menu bar and `context` the
    // listing's context menu (both then owned by the window).
    void replaceMenus(QMenuBar* bar, QMenu* context);

    QString titleText() const { return titleText_; }
    QString currentPath() const { return currentPath_; }
    QString lastFolder() const { return lastFolder_; }
    int currentLine() const { return currentLine_; }
    bool isModified() const { return document_.modified(); }
    const LinkSettings& linkSettings() const { return linkSettings_; }

    // After the statement editor changed the main program: selects `update.line` and restores
    // `update.topLine`.
    void showEditorChange(const ListingUpdate& update);

    // The one statement editor, created hidden at start-up.
    Cadd_in* statementEditor() const { return statementEditor_; }

    // Re-renders the main list keeping its top line, re-selects the current line and updates the size.
    void refreshMainList();

    // The window side of the device link (connect button, 读取/写入, the 通信 menu).
    LinkPanel* linkPanel() const { return linkPanel_; }
    const SettingsStore& settingsStore() const { return settingsStore_; }
    // Replaces the program with a program image (read from a board, or a program text's), as one
    // undoable step.
    bool replaceProgramImage(ByteView image);
    bool replaceProgramFromBoard(ByteView image) { return replaceProgramImage(image); }
    // Asks whether to save a modified program; false when the command must not go on.
    bool settleUnsavedChanges();

public slots:
    void newProgram();
    void openProgram();
    // Opens a program file as a drop or the command line does (asking first about unsaved changes).
    bool openDroppedFile(const QString& path);
    bool save();
    bool saveAs();
    void importBlockFile();
    // Imports a block file after the last line of the main program (into an empty one at the top).
    void importBlockFileAtEnd();
    // Gives the selected lines of the main list colour code `code`.
    void setLineColour(std::uint8_t code);
    void exportBlockFile();
    // The whole program as a program text file, and back (asking first about unsaved changes); a text
    // that does not convert is refused with its line and reason and changes nothing.
    void exportProgramText();
    void importProgramText();
    // The printed listing, on a printer chosen in the system's print dialog or as a PDF file.
    void printProgram();
    void exportPdf();
    void deleteSelected();
    void deleteAll();
    void cut();
    void copy();
    void paste();
    void insertBlockPair();
    // Inserts an example program after the caret line, as a block file is imported.
    void insertExample(ExampleProgram example);
    void findNext();
    void undo();
    void redo();
    void showAbout();
    void openComSettings();

signals:
    // The statement editor is wanted for `line` of the main list: shown or only following the
    // selection, in add or in edit mode.
    void statementEditorRequested(int line, bool show, bool addMode);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void buildContextMenu();
    void applyLayout();
    void updateTitle();
    void updateSizeText();
    void updateEditActions();
    void showLinkSettings();
    void documentChanged(const DocumentChange& change);
    void programReplaced();

    // The current file's name for headers, "未命名" before the program has one.
    QString documentName() const;
    bool loadProgram(const QString& path);
    bool writeProgram(const QString& path);
    bool confirmSizes();
    void selectAfterHistory(const EditStep& step, bool undone);
    void listSelectionChanged();
    void listDoubleClicked();

    const Edition edition_;
    const QString titleText_;
    ProgramDocument document_;
    DocumentNotifier* notifier_ = nullptr;
    std::unique_ptr<ListController> commands_;
    SettingsStore settingsStore_;
    LinkSettings linkSettings_;

    QString currentPath_;
    QString lastFolder_;
    int currentLine_ = -1;
    QString searchText_;
    int searchPosition_ = -1;

    WidgetPrompter widgetPrompter_;
    Prompter* prompter_;

    QWidget* client_ = nullptr;
    Clist_command* list_ = nullptr;
    QLabel* sizeText_ = nullptr;
    QLineEdit* searchEdit_ = nullptr;
    QProgressBar* progress_ = nullptr;
    std::map<MainControl, QWidget*> controls_;
    QPushButton* addStatementButton_ = nullptr;
    QPushButton* connectButton_ = nullptr;
    QComboBox* addressList_ = nullptr;
    QComboBox* portList_ = nullptr;
    QMenu* contextMenu_ = nullptr;
    Cadd_in* statementEditor_ = nullptr;
    LinkPanel* linkPanel_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
};

}  // namespace lumio
