#pragma once
// Chanshu_dlg: the function list ("函数列表") and the thread list ("线程列表"). On the left the 100
// functions or threads by name, "√" marking those that hold statements; on the right the listing of
// the chosen one, edited with the main window's clipboard, block files, statement editor and edit
// history. Modeless, one instance per mode, hidden (never destroyed) when closed.
#include <QDialog>
#include <QMap>
#include <QRect>
#include <QSize>
#include <span>
#include <cstdint>
#include <vector>

#include "core/editing/span_change.h"
#include "core/editing/statement_editor_session.h"
#include "core/editing/store_search.h"
#include "core/model/program.h"

class QLineEdit;
class QListWidget;
class QMenu;

namespace lumio {

class CMy1Dlg;
class Clist_command;
class Prompter;

// Where a control of the list window stands: id and rectangle.
struct ListControlPlace {
    int id;
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

    Mode mode() const { return mode_; }
    // "函数" or "线程".
    QString modeWord() const;
    int current() const { return current_; }
    // The store id the statement editor receives: k for function k, 500 + k for thread k.
    int storeId() const;
    int rememberedLine() const { return rememberedLine_; }
    int nameListWidth() const { return nameListWidth_; }
    StoreSearchPosition searchPosition() const { return searchPosition_; }

    QListWidget* nameList() const { return nameList_; }
    Clist_command* statementList() const { return list_; }
    QLineEdit* searchEdit() const { return searchEdit_; }
    QWidget* control(int id) const { return controls_.value(id); }
    QMenu* contextMenu() const { return contextMenu_; }

    // Opening from the menu: shows the first function or thread that holds statements (1 when
    // none does), resets the search and brings the window up.
    void open();
    // Makes `number` (1..100) the shown function or thread.
    void showStore(int number);

    // The list the statement editor writes back through: what it changed in the shown store becomes
    // one step of the edit history, the listing is shown again with `update.line` selected.
    int highestSelected() const override;
    int topLine() const override;
    void commitEdit(EditStep step, const ListingUpdate& update) override;
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
    // The statement editor is wanted for `line` of store `storeId`: shown or only following the
    // selection, in add or in edit mode.
    void statementEditorRequested(int storeId, int line, bool show, bool addMode);

protected:
    void reject() override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    ProgramStore& store();
    std::span<const ProgramStore> stores() const;
    Prompter& prompter();
    void buildControls();
    void buildContextMenu();
    void applyLayout();
    void fillNames();
    void showCurrentStore();
    void record(SpanChange change, std::uint64_t group = 0);
    void removeSelectedLines(int topLine, int lowest);
    void programChanged(int storeId);
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
    bool recording_ = false;
    bool committing_ = false;

    QListWidget* nameList_ = nullptr;
    Clist_command* list_ = nullptr;
    QLineEdit* searchEdit_ = nullptr;
    QMap<int, QWidget*> controls_;
    QMenu* contextMenu_ = nullptr;
};

}  // namespace lumio
