#include "ui/dialogs/naming_dialog.h"

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include "core/lang/operands/naming.h"
#include "core/text/bytes.h"
#include "ui/app/document_notifier.h"
#include "ui/app/main_window.h"
#include "ui/app/prompter.h"
#include "ui/app/qt_text.h"
#include "ui/app/typed_text.h"
#include "ui/dialogs/local_naming_dialog.h"
#include "ui/dialogs/report_dialog.h"

namespace lumio {
namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

const QString kNamesExtension = QStringLiteral(".txt");

const FileFilter& namesFilter() {
    static const FileFilter filter = fileFilterFrom(text("文本文件(*.txt)|*.txt|所有文件(*.*)|*.*||"));
    return filter;
}

QString defaultNameOf(const NameCategory& category, int number) {
    return text(category.word) + QString::number(number);
}

}  // namespace

Cmming_dlg::Cmming_dlg(CMy1Dlg& mainWindow) : QDialog(&mainWindow), main_(mainWindow) {
    setObjectName(QStringLiteral("Cmming_dlg"));
    setWindowTitle(text("全局命名"));
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    textViewer_ = [this](const QString& title, const QString& shown) -> std::optional<QString> {
        Cyingjianxinxi viewer(Cyingjianxinxi::Mode::NamesText, title, shown, this);
        if (viewer.exec() != QDialog::Accepted) return std::nullopt;
        return viewer.text();
    };
    localNamingRunner_ = [this] {
        C_mming_jubu_dlg local(main_, this);
        local.exec();
    };
    buildControls();
    connect(&main_.notifier(), &DocumentNotifier::changed, this, &Cmming_dlg::documentChanged);
    refresh();
}

Prompter& Cmming_dlg::prompter() { return main_.prompter(); }
const RenameTable& Cmming_dlg::names() const { return main_.program().names; }

QPushButton* Cmming_dlg::button(const char* objectName) const {
    return findChild<QPushButton*>(QString::fromLatin1(objectName));
}

void Cmming_dlg::buildControls() {
    categories_ = new QListWidget(this);
    categories_->setObjectName(QStringLiteral("categoryList"));
    categories_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const NameCategory& category : main_.profile().nameCategories) categories_->addItem(text(category.word));
    categories_->setCurrentRow(0);
    categories_->setFixedWidth(120);
    connect(categories_, &QListWidget::currentRowChanged, this, [this] {
        fillEntries();
        entries_->setCurrentRow(0);
        showSelectedName();
    });

    entries_ = new QListWidget(this);
    entries_->setObjectName(QStringLiteral("entryList"));
    entries_->setSelectionMode(QAbstractItemView::SingleSelection);
    entries_->setMinimumWidth(260);
    connect(entries_, &QListWidget::currentRowChanged, this, &Cmming_dlg::showSelectedName);

    countBox_ = new QLineEdit(this);
    countBox_->setObjectName(QStringLiteral("countBox"));
    countBox_->setReadOnly(true);
    nameBox_ = new QLineEdit(this);
    nameBox_->setObjectName(QStringLiteral("nameBox"));
    connect(nameBox_, &QLineEdit::textEdited, this, [this] { nameChanged_ = true; });
    connect(nameBox_, &QLineEdit::returnPressed, this, &Cmming_dlg::applyName);

    auto makeButton = [this](const char* caption, const char* name, void (Cmming_dlg::*handler)()) {
        auto* widget = new QPushButton(text(caption), this);
        widget->setObjectName(QString::fromLatin1(name));
        widget->setAutoDefault(false);
        connect(widget, &QPushButton::clicked, this, handler);
        return widget;
    };
    QPushButton* apply = makeButton("《《", "applyButton", &Cmming_dlg::applyName);
    apply->setToolTip(text("把右边的名称用于选中的项"));

    auto* side = new QVBoxLayout;
    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(text("数量"), this), 0, 0);
    fields->addWidget(countBox_, 0, 1, 1, 2);
    fields->addWidget(new QLabel(text("名称"), this), 1, 0);
    fields->addWidget(apply, 1, 1);
    fields->addWidget(nameBox_, 1, 2);
    fields->setColumnStretch(2, 1);
    side->addLayout(fields);
    side->addSpacing(12);
    auto* files = new QGridLayout;
    files->addWidget(makeButton("导入", "importButton", &Cmming_dlg::importNames), 0, 0);
    files->addWidget(makeButton("追加导入", "appendImportButton", &Cmming_dlg::appendImportNames), 0, 1);
    files->addWidget(makeButton("导出", "exportButton", &Cmming_dlg::exportNames), 1, 0);
    files->addWidget(makeButton("查看文本", "viewTextButton", &Cmming_dlg::viewText), 1, 1);
    files->addWidget(makeButton("重置全部", "resetAllButton", &Cmming_dlg::resetAll), 2, 0);
    files->addWidget(makeButton("查看局部", "viewLocalButton", &Cmming_dlg::viewLocal), 2, 1);
    side->addLayout(files);
    side->addStretch(1);
    auto* confirmRow = new QHBoxLayout;
    confirmRow->addStretch(1);
    confirmRow->addWidget(makeButton("确定", "confirmButton", &Cmming_dlg::confirm));
    side->addLayout(confirmRow);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(categories_);
    layout->addWidget(entries_, 1);
    layout->addLayout(side);
    resize(720, 480);
}

void Cmming_dlg::open() {
    refresh();
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void Cmming_dlg::fillEntries() {
    const int category = std::max(categories_->currentRow(), 0);
    const NameCategory& chosen = main_.profile().nameCategories[static_cast<size_t>(category)];
    const int row = entries_->currentRow();
    QStringList rows;
    for (int number = chosen.first; number <= chosen.last; ++number) {
        const QString defaultName = defaultNameOf(chosen, number);
        const std::string gbkDefault = gbkOf(defaultName);
        const std::string user = displayName(&names(), gbkDefault);
        rows << defaultName + QStringLiteral("=") + (user == gbkDefault ? QString() : fromGbk(user));
    }
    const QSignalBlocker blocker(entries_);
    entries_->clear();
    entries_->addItems(rows);
    entries_->setCurrentRow(row);
}

void Cmming_dlg::refresh() {
    countBox_->setText(QString::number(names().namedCount()));
    fillEntries();
    if (entries_->currentRow() < 0) entries_->setCurrentRow(0);
    showSelectedName();
}

QString Cmming_dlg::selectedDefaultName() const {
    const QListWidgetItem* item = entries_->currentItem();
    if (!item) return {};
    return item->text().section(QLatin1Char('='), 0, 0);
}

void Cmming_dlg::showSelectedName() {
    const QString defaultName = selectedDefaultName();
    nameBox_->setText(fromGbk(displayName(&names(), gbkOf(defaultName))));
    nameChanged_ = false;
}

void Cmming_dlg::applyNames(RenameTable edited) {
    EditStep step;
    step.namesAfter = std::move(edited);
    main_.document().apply(std::move(step));
}

void Cmming_dlg::applyName() {
    RenameTable edited = names();
    const std::string message =
        renameVariable(edited, gbkOf(selectedDefaultName()), typedGbk(nameBox_->text(), nameBox_), main_.edition());
    applyNames(std::move(edited));
    nameChanged_ = false;
    if (!message.empty()) prompter().inform(fromGbk(message), text("错误"));
    refresh();
}

void Cmming_dlg::importFile(bool emptyFirst) {
    const QString path = prompter().openFileName(namesFilter(), main_.lastFolder());
    if (path.isEmpty()) return;
    QFile file(path);
    // An unreadable file leaves the names as they are rather than emptying them for nothing.
    if (!file.open(QIODevice::ReadOnly)) {
        prompter().inform(text("无法读取文件：%1").arg(QFileInfo(path).fileName()), text("错误"));
        return;
    }
    const QByteArray content = file.readAll();
    RenameTable edited = names();
    if (emptyFirst) edited.clear();
    const std::string message = lumio::importNames(edited, std::string_view(content.constData(), static_cast<size_t>(content.size())),
                                                   main_.edition());
    applyNames(std::move(edited));
    if (!message.empty()) prompter().inform(fromGbk(message), text("错误"));
    refresh();
}

void Cmming_dlg::importNames() { importFile(true); }
void Cmming_dlg::appendImportNames() { importFile(false); }

void Cmming_dlg::exportNames() {
    const QString chosen = prompter().saveFileName(namesFilter(), main_.lastFolder());
    if (chosen.isEmpty()) return;
    const QString path = chosen.endsWith(kNamesExtension) ? chosen : chosen + kNamesExtension;
    // The dialog asked about the name as typed; the file written carries the extension.
    if (path != chosen && QFileInfo::exists(path) &&
        !prompter().askYesNo(text("%1 已存在。\n要替换它吗？").arg(QFileInfo(path).fileName()), text("导出")))
        return;
    const std::string content = lumio::exportNames(names());
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(content.data(), static_cast<qint64>(content.size())) == static_cast<qint64>(content.size()) &&
                         file.commit();
    if (!written) prompter().inform(text("无法写入文件：%1").arg(QFileInfo(path).fileName()), text("错误"));
}

void Cmming_dlg::viewText() {
    const std::optional<QString> edited = textViewer_(text("重命名"), fromGbk(lumio::exportNames(names())));
    if (!edited) return;
    RenameTable changed;
    const std::string message = lumio::importNames(changed, typedGbk(*edited, this), main_.edition());
    applyNames(std::move(changed));
    // Lines after a refused one are not applied; the user is told which line stopped the rest.
    if (!message.empty()) prompter().inform(fromGbk(message), text("错误"));
    refresh();
}

void Cmming_dlg::resetAll() {
    applyNames(RenameTable());
    refresh();
}

void Cmming_dlg::viewLocal() { localNamingRunner_(); }

void Cmming_dlg::confirm() {
    if (nameChanged_ && !nameBox_->text().isEmpty()) applyName();
    hide();
    main_.refreshMainList();
}

// The close box and Esc: hidden, not destroyed.
void Cmming_dlg::reject() {
    QDialog::reject();
    main_.refreshMainList();
}

void Cmming_dlg::documentChanged(const DocumentChange& change) {
    // An undo, a program opened: show the names as they are now.
    if (change.namesChanged) refresh();
}

}  // namespace lumio
