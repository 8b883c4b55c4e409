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

}  // namespace

Cadd_in* attachStatementEditor(CMy1Dlg& window) {
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

}  // namespace lumio
