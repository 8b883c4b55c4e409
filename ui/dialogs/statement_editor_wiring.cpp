#include "ui/dialogs/statement_editor_wiring.h"

#include <QPushButton>

#include "ui/app/main_window.h"
#include "ui/app/statement_list.h"
#include "ui/dialogs/statement_editor_dialog.h"

namespace lumio {
namespace {

// The main listing as the statement editor writes to it.
class MainListView : public QObject, public StatementListView {
public:
    MainListView(CMy1Dlg& window, QObject* parent) : QObject(parent), window_(window) {}
    int highestSelected() const override { return window_.mainList()->highestSelected(); }
    int topLine() const override { return window_.mainList()->topLine(); }
    void showEdit(const ListingUpdate& update) override { window_.showEditorChange(update); }

private:
    CMy1Dlg& window_;
};

Cadd_in* attachLiveEditor(CMy1Dlg& window) {
    auto* editor = new Cadd_in(window.document(), &window);
    editor->hide();
    editor->setListView(Cadd_in::Lists::Main, new MainListView(window, editor));
    QObject::connect(&window, &CMy1Dlg::statementEditorRequested, editor,
                     [editor](int line, bool show, bool addMode) {
                         editor->openStatementEditor(StoreRef::main(), line, show, addMode);
                     });
    if (QPushButton* add = window.addStatementButton()) {
        add->setEnabled(true);
        QObject::connect(add, &QPushButton::clicked, editor, [editor, &window] {
            editor->openStatementEditor(StoreRef::main(), window.currentLine(), true, true);
        });
    }
    return editor;
}

void attachModalEditor(CMy1Dlg& window) {
    auto* view = new MainListView(window, &window);
    QObject::connect(&window, &CMy1Dlg::statementEditorRequested, &window,
                     [&window, view](int line, bool show, bool addMode) {
                         // Only a double click opens it; a selection change does not.
                         if (show && !addMode) editStatementModally(&window, window.document(), StoreRef::main(), line, *view);
                     });
    if (QPushButton* add = window.addStatementButton()) {
        add->setEnabled(true);
        QObject::connect(add, &QPushButton::clicked, &window, [&window, view] {
            addStatementModally(&window, window.document(), StoreRef::main(), std::nullopt, *view);
        });
    }
}

bool runModal(Cadd_in& editor) { return editor.exec() == QDialog::Accepted; }

}  // namespace

Cadd_in* attachStatementEditor(CMy1Dlg& window) {
    if (window.profile().statementEditor == StatementEditorStyle::ModelessLive) return attachLiveEditor(window);
    attachModalEditor(window);
    return nullptr;
}

bool addStatementModally(QWidget* parent, ProgramDocument& document, StoreRef store, std::optional<size_t> position,
                         StatementListView& view) {
    Cadd_in editor(document, parent, StatementEditorSession::WriteBack::OnConfirm);
    editor.loadForAdd(store, position, &view);
    return runModal(editor);
}

bool editStatementModally(QWidget* parent, ProgramDocument& document, StoreRef store, int index,
                          StatementListView& view) {
    if (index < 0 || static_cast<size_t>(index) >= document.store(store).count()) return false;
    Cadd_in editor(document, parent, StatementEditorSession::WriteBack::OnConfirm);
    editor.loadForEdit(store, index, &view);
    return runModal(editor);
}

bool addMainStatementAt(CMy1Dlg& window, size_t position) {
    MainListView view(window, nullptr);
    return addStatementModally(&window, window.document(), StoreRef::main(), position, view);
}

}  // namespace lumio
