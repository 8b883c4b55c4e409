#pragma once
// Cadd_in: the statement editor, one modeless window for the whole process. It shows the state of a
// StatementEditorSession (core) and passes the user's choices to it; the session writes the statement
// back through the list view of the store it edits (the main window's listing, the function list or
// the thread list).
#include <QDialog>
#include <QByteArray>
#include <array>

#include "core/editing/statement_editor_session.h"

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace lumio {

class Cadd_in : public QDialog {
    Q_OBJECT
public:
    // The lists the editor writes back through, by the kind of store they show.
    using Lists = StoreKind;

    explicit Cadd_in(ProgramDocument& document, QWidget* parent = nullptr);

    // The view of the main listing, of the function list or of the thread list; null when that list
    // does not exist yet.
    void setListView(Lists lists, StatementListView* view);

    // Shows the editor when `show` is set; then, only while it is visible, loads the statement at
    // `index` of `store` (a blank one outside the store) in add or edit mode.
    void openStatementEditor(StoreRef store, int index, bool show, bool isNew);

    const StatementEditorSession& session() const { return session_; }
    // The control with the given resource id (1042, 1036, 1039, 1040, 1041, 1025, 1037, 1, 2).
    QWidget* control(int id) const;

signals:
    // 参数3 gained the focus on a statement that sends or tests a remote code: the main window asks
    // the board to learn one and answers with learnedCodeArrived.
    void remoteLearnRequested(lumio::RemoteLearn code);

public slots:
    // A learned remote code: 参数3 shows it as "{XX XX ...}"; the statement takes it at the next
    // write-back.
    void learnedCodeArrived(const QByteArray& code);
    void accept() override;
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void showParts(StatementEditorSession::Parts parts);
    // Runs a choice of the user on the session and shows what it changed.
    template <class Choice>
    void choose(Choice choice);
    StatementListView* viewFor(StoreRef store) const { return views_[static_cast<size_t>(store.kind())]; }

    StatementEditorSession session_;
    std::array<StatementListView*, 3> views_{};
    bool showing_ = false;  // controls are being set from the session: their signals are not choices
    // A choice is being applied: the selection changes its write-back causes in the list are the
    // editor's own and do not reload it.
    bool choosing_ = false;

    QComboBox* choice_ = nullptr;    // 1042
    QCheckBox* orCheck_ = nullptr;   // 1036
    QComboBox* kinds_ = nullptr;     // 1039
    QComboBox* param1_ = nullptr;    // 1040
    QComboBox* param2_ = nullptr;    // 1041
    QComboBox* param3_ = nullptr;    // 1025
    QPlainTextEdit* comment_ = nullptr;  // 1037
    QPushButton* confirm_ = nullptr;     // 1
    QPushButton* cancel_ = nullptr;      // 2
};

}  // namespace lumio
