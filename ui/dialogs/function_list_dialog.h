#pragma once
// Chanshu_dlg: the function list ("函数列表") and the thread list ("线程列表"). On the left the 100
// functions or threads by name, "√" marking those that hold statements; on the right the listing of
// the chosen one, edited with the main window's clipboard, block files, statement editor and edit
// history. Modeless, one instance per mode, hidden (never destroyed) when closed.
#include <QDialog>
#include <map>
#include <QRect>
#include <QSize>
#include <memory>
#include <span>
#include <vector>

#include "core/editing/statement_editor_session.h"
#include "core/editing/store_search.h"
#include "core/model/program.h"

class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

namespace lumio {

class CMy1Dlg;
class Clist_command;
class ListController;
class Prompter;

// The controls of the list window by name; the numbers are their resource ids in this window.
enum class ListControl {
    ImportButton = 1050,
    ExportButton = 1051,
    AddButton = 1052,
    DeleteButton = 1007,
    DeleteAllButton = 1054,
    SearchEdit = 1014,
    FindButton = 1015,
    NameList = 1053,
    StatementList = 1006,
};

// Where a control of the list window stands.
struct ListControlPlace {
    ListControl id;
    QRect rect;
};
// The controls of the list window for a client area and a name-list width: the buttons and the
// search edit in one row at the top, the name list and the statement list side by side below.
std::vector<ListControlPlace> functionListLayout(QSize client, int nameListWidth);

class Chanshu_dlg : public QDialog, public StatementListView {
    Q_OBJECT
public:
    enum class Mode { Functions, Threads };
    static constexpr int kMinimumNameListWidth = 120;

    Chanshu_dlg(Mode mode, CMy1Dlg& mainWindow);
    ~Chanshu_dlg() override;

    Mode mode() const { return mode_; }
    // The kind of store the list shows: functions or threads.
    StoreKind kind() const { return mode_ == Mode::Functions ? StoreKind::Function : StoreKind::Thread; }
    // The function or thread shown.
    StoreRef shownStore() const;
    // "函数" or "线程".
    QString modeWord() const;
    int current() const { return current_; }
    // The StoreImage id of the shown store: k for function k, 500 + k for thread k.
    int storeId() const { return shownStore().id(); }
    int rememberedLine() const { return rememberedLine_; }
    int nameListWidth() const { return nameListWidth_; }
    StoreSearchPosition searchPosition() const { return searchPosition_; }

    QListWidget* nameList() const { return nameList_; }
    Clist_command* statementList() const { return list_; }
    QLineEdit* searchEdit() const { return searchEdit_; }
    QWidget* control(ListControl id) const;
    // The control with resource id `id`, null for none.
    QWidget* control(int id) const { return control(static_cast<ListControl>(id)); }
    QMenu* contextMenu() const { return contextMenu_; }

    // Opening from the menu: shows the first function or thread that holds statements (1 when
    // none does), resets the search and brings the window up.
    void open();
    // Makes `number` (1..100) the shown function or thread.
    void showStore(int number);

    // The list the statement editor writes back through: after it changed the shown store, the
    // listing selects `update.line`.
    int highestSelected() const override;
    int topLine() const override;
    void showEdit(const ListingUpdate& update) override;
    bool listVisible() const override;
    void focusList() override;

public slots:
    void importBlockFile();
    void exportBlockFile();
    void addStatement();
    void deleteSelected();
    void deleteAll();
    void findNext();
    void cut();
    void copy();
    void paste();
    void insertBlockPair();

signals:
    // The statement editor is wanted for `line` of the store with id `storeId`: shown or only
    // following the selection, in add or in edit mode.
    void statementEditorRequested(int storeId, int line, bool show, bool addMode);

protected:
    void reject() override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const ProgramStore& store() const;
    std::span<const ProgramStore> stores() const;
    Prompter& prompter();
    void buildControls();
    void buildContextMenu();
    void applyLayout();
    void fillNames();
    void showCurrentStore();
    void documentChanged(const DocumentChange& change);
    void nameSelected();
    void listSelectionChanged();
    void listDoubleClicked();
    void windowHidden();

    const Mode mode_;
    CMy1Dlg& main_;
    int current_ = 1;
    int rememberedLine_ = -1;
    int nameListWidth_ = kMinimumNameListWidth;
    StoreSearchPosition searchPosition_;
    // The editor's own write-back is being shown: re-selecting the line must not load it again.
    bool committing_ = false;
    std::unique_ptr<ListController> commands_;

    QListWidget* nameList_ = nullptr;
    Clist_command* list_ = nullptr;
    QLineEdit* searchEdit_ = nullptr;
    std::map<ListControl, QWidget*> controls_;
    QPushButton* addButton_ = nullptr;
    QMenu* contextMenu_ = nullptr;
};

}  // namespace lumio
