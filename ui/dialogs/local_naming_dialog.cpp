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
    auto addStore = [&](int storeId, const std::string& defaultName, const ProgramStore& store) {
        storeIds_.push_back(storeId);
        QString line = fromGbk(displayName(table, defaultName)) + QStringLiteral("  ");
        if (!store.empty()) line += mark;
        stores_->addItem(line);
    };
    addStore(kMainStoreId, toGbk("主程序"), program.main);
    const std::string function = toGbk("函数");
    for (int k = 1; k <= kFunctionCount; ++k) addStore(k, formatText("%s%d", function.c_str(), k), program.function(k));
    if (main_.edition() == Edition::Current) {
        const std::string thread = toGbk("线程");
        for (int k = 1; k <= kThreadCount; ++k)
            addStore(kThreadIdBase + k, formatText("%s%d", thread.c_str(), k), program.thread(k));
    }
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

int C_mming_jubu_dlg::storeIdOfRow(int row) const {
    return row >= 0 && static_cast<size_t>(row) < storeIds_.size() ? storeIds_[static_cast<size_t>(row)] : -1;
}

void C_mming_jubu_dlg::showNamesOf(int row) {
    names_->clear();
    Program& program = main_.program();
    const ProgramStore* store = storeById(program, storeIdOfRow(row));
    if (!store || store->empty()) return;
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
