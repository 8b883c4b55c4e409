#include "ui/dialogs/local_naming_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/editing/edit_history.h"
#include "core/text/bytes.h"
#include "ui/app/listing_source.h"
#include "ui/app/main_window.h"
#include "ui/app/qt_text.h"

namespace lumio {
namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

C_mming_jubu_dlg::C_mming_jubu_dlg(CMy1Dlg& mainWindow, QWidget* parent) : QDialog(parent), main_(mainWindow) {
    setObjectName(QStringLiteral("C_mming_jubu_dlg"));
    setWindowTitle(text("局部命名"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    stores_ = new QListWidget(this);
    stores_->setObjectName(QStringLiteral("storeList"));
    names_ = new QListWidget(this);
    names_->setObjectName(QStringLiteral("nameList"));

    const Program& program = main_.program();
    const RenameTable* table = &program.names;
    const QString mark = text("√");
    auto addStore = [&](StoreRef store) {
        storesOfRows_.push_back(store);
        QString line = fromGbk(store.displayName(table)) + QStringLiteral("  ");
        if (!program.store(store).empty()) line += mark;
        stores_->addItem(line);
    };
    addStore(StoreRef::main());
    for (int k = 1; k <= kFunctionCount; ++k) addStore(*StoreRef::function(k));
    if (main_.profile().hasThreads)
        for (int k = 1; k <= kThreadCount; ++k) addStore(*StoreRef::thread(k));
    connect(stores_, &QListWidget::currentRowChanged, this, &C_mming_jubu_dlg::showNamesOf);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(text("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(text("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* lists = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(text("程序"), this));
    left->addWidget(stores_);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(text("用到的名称"), this));
    right->addWidget(names_);
    lists->addLayout(left);
    lists->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addWidget(buttons);
    resize(560, 440);
    stores_->setCurrentRow(0);
}

std::optional<StoreRef> C_mming_jubu_dlg::storeOfRow(int row) const {
    if (row < 0 || static_cast<size_t>(row) >= storesOfRows_.size()) return std::nullopt;
    return storesOfRows_[static_cast<size_t>(row)];
}

void C_mming_jubu_dlg::showNamesOf(int row) {
    names_->clear();
    const Program& program = main_.program();
    const std::optional<StoreRef> shown = storeOfRow(row);
    if (!shown) return;
    const ProgramStore* store = &program.store(*shown);
    if (store->empty()) return;
    // The listing shows every operand through its user name, so a name used in the store stands in
    // one of its lines.
    const ListingRows rows = listingRows(*store, main_.langContext());
    for (const RenameEntry& entry : program.names.entries) {
        if (entry.defaultName.empty() || entry.userName.empty()) continue;
        for (const std::string& line : rows.texts)
            if (line.find(entry.userName) != std::string::npos) {
                names_->addItem(fromGbk(entry.userName) + QStringLiteral(" = ") + fromGbk(entry.defaultName));
                break;
            }
    }
}

}  // namespace lumio
