#include "ui/dialogs/function_list_dialog.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaMethod>
#include <QMenu>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <algorithm>
#include <filesystem>

#include "core/editing/store_edit.h"
#include "core/lang/operands/rename_table.h"
#include "core/model/program_files.h"
#include "core/text/bytes.h"
#include "ui/app/listing_font.h"
#include "ui/app/document_notifier.h"
#include "ui/app/list_controller.h"
#include "ui/app/listing_source.h"
#include "ui/app/main_window.h"
#include "ui/app/prompter.h"
#include "ui/app/qt_text.h"
#include "ui/app/search_keys.h"
#include "ui/app/statement_list.h"
#include "ui/app/window_placement.h"

namespace lumio {
namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// Functions and threads are numbered alike.
static_assert(kFunctionCount == kThreadCount);
constexpr int kStoreCount = kFunctionCount;
const QString kBlockExtension = QString::fromLatin1(kBlockFileExtension.data(), kBlockFileExtension.size());

}  // namespace

std::vector<ListControlPlace> functionListLayout(QSize client, int nameListWidth) {
    const int listHeight = client.height() - 50;
    using enum ListControl;
    return {
        {ImportButton, QRect(0, 0, 60, 30)},
        {ExportButton, QRect(60, 0, 60, 30)},
        {AddButton, QRect(240, 0, 60, 30)},
        {DeleteButton, QRect(300, 0, 60, 30)},
        {DeleteAllButton, QRect(360, 0, 120, 30)},
        {SearchEdit, QRect(500, 0, 200, 30)},
        {FindButton, QRect(700, 0, 60, 30)},
        {NameList, QRect(0, 30, nameListWidth, listHeight)},
        {StatementList, QRect(nameListWidth, 30, client.width() - nameListWidth, listHeight)},
    };
}

Chanshu_dlg::Chanshu_dlg(Mode mode, CMy1Dlg& mainWindow) : QDialog(&mainWindow), mode_(mode), main_(mainWindow) {
    setObjectName(mode == Mode::Functions ? QStringLiteral("functionList") : QStringLiteral("threadList"));
    setModal(false);
    setSizeGripEnabled(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildControls();
    buildContextMenu();
    resize(sizeWithinScreen(*this, QSize(1000, 640)));
    commands_ = std::make_unique<ListController>(
        main_.document(), *list_, [this] { return shownStore(); }, [this]() -> Prompter& { return prompter(); });
    connect(&main_.notifier(), &DocumentNotifier::changed, this, &Chanshu_dlg::documentChanged);
}

Chanshu_dlg::~Chanshu_dlg() = default;

QString Chanshu_dlg::modeWord() const { return mode_ == Mode::Functions ? text("函数") : text("线程"); }

StoreRef Chanshu_dlg::shownStore() const { return *StoreRef::of(kind(), current_); }

const ProgramStore& Chanshu_dlg::store() const { return main_.program().store(shownStore()); }

std::span<const ProgramStore> Chanshu_dlg::stores() const {
    const Program& program = main_.program();
    if (mode_ == Mode::Functions) return program.functions;
    return program.threads;
}

Prompter& Chanshu_dlg::prompter() { return main_.prompter(); }

void Chanshu_dlg::buildControls() {
    auto button = [&](ListControl id, const char* caption, const char* name, void (Chanshu_dlg::*handler)()) {
        auto* widget = new QPushButton(text(caption), this);
        widget->setObjectName(QString::fromLatin1(name));
        widget->setAutoDefault(false);
        controls_[id] = widget;
        connect(widget, &QPushButton::clicked, this, handler);
        return widget;
    };
    using enum ListControl;
    button(ImportButton, "导入", "importButton", &Chanshu_dlg::importBlockFile);
    button(ExportButton, "导出", "exportButton", &Chanshu_dlg::exportBlockFile);
    addButton_ = button(AddButton, "添加", "addButton", &Chanshu_dlg::addStatement);
    button(DeleteButton, "删除", "deleteButton", &Chanshu_dlg::deleteSelected);
    button(DeleteAllButton, "删除全部", "deleteAllButton", &Chanshu_dlg::deleteAll);
    button(FindButton, "查找", "findButton", &Chanshu_dlg::findNext);

    searchEdit_ = new QLineEdit(this);
    searchEdit_->setObjectName(QStringLiteral("searchEdit"));
    controls_[SearchEdit] = searchEdit_;
    connect(searchEdit_, &QLineEdit::returnPressed, this, &Chanshu_dlg::findNext);
    addSearchKeys(*this, *searchEdit_, [this] { findNext(); });

    nameList_ = new QListWidget(this);
    nameList_->setObjectName(QStringLiteral("nameList"));
    nameList_->setSelectionMode(QAbstractItemView::SingleSelection);
    nameList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    nameList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    controls_[NameList] = nameList_;
    connect(nameList_, &QListWidget::currentRowChanged, this, &Chanshu_dlg::nameSelected);

    list_ = new Clist_command(this);
    list_->setObjectName(QStringLiteral("statementList"));
    controls_[StatementList] = list_;
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &Chanshu_dlg::listSelectionChanged);
    connect(list_, &Clist_command::editRequested, this, &Chanshu_dlg::listDoubleClicked);
    connect(list_, &Clist_command::contextMenuRequested, this,
            [this](const QPoint& position) { contextMenu_->popup(position); });

    for (const auto& [id, widget] : controls_) widget->setProperty("resourceId", static_cast<int>(id));

    // The main window's undo and redo keys work here too: it is the one history of the program.
    auto shortcut = [this](QKeySequence keys, void (CMy1Dlg::*command)()) {
        connect(new QShortcut(keys, this), &QShortcut::activated, &main_, command);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), &CMy1Dlg::undo);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), &CMy1Dlg::redo);
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &CMy1Dlg::redo);
}

void Chanshu_dlg::buildContextMenu() {
    // Menu 143, popup "函数右键".
    contextMenu_ = new QMenu(text("函数右键"), this);
    contextMenu_->setObjectName(QStringLiteral("listContextMenu"));
    auto entry = [&](const char* caption, const char* name, void (Chanshu_dlg::*handler)()) {
        QAction* action = contextMenu_->addAction(text(caption));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
    };
    entry("剪切", "contextCut", &Chanshu_dlg::cut);
    entry("复制", "contextCopy", &Chanshu_dlg::copy);
    entry("粘贴", "contextPaste", &Chanshu_dlg::paste);
    contextMenu_->addSeparator();
    entry("导入语句块", "contextBlockPair", &Chanshu_dlg::insertBlockPair);
}

QWidget* Chanshu_dlg::control(ListControl id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

void Chanshu_dlg::applyLayout() {
    if (!list_) return;
    for (const ListControlPlace& place : functionListLayout(size(), nameListWidth_))
        if (QWidget* widget = control(place.id)) widget->setGeometry(place.rect);
}

void Chanshu_dlg::open() {
    current_ = 1;
    for (int number = 1; number <= kStoreCount; ++number)
        if (!stores()[static_cast<size_t>(number - 1)].empty()) {
            current_ = number;
            break;
        }
    list_->setFont(listingFont());
    setWindowTitle(mode_ == Mode::Functions ? text("函数列表") : text("线程列表"));
    searchPosition_ = {};
    // "添加" works only once a statement editor listens.
    addButton_->setEnabled(isSignalConnected(QMetaMethod::fromSignal(&Chanshu_dlg::statementEditorRequested)));
    showCurrentStore();
    applyLayout();
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void Chanshu_dlg::fillNames() {
    static const QString mark = text("√");
    const QFontMetrics metrics(nameList_->font());
    int widest = 0;
    QStringList lines;
    for (int number = 1; number <= kStoreCount; ++number) {
        const std::string name = StoreRef::of(kind(), number)->displayName(&main_.program().names);
        QString line = fromGbk(name) + QStringLiteral("  ");
        if (!stores()[static_cast<size_t>(number - 1)].empty()) line += mark;
        widest = std::max(widest, metrics.horizontalAdvance(line + mark));
        lines << line;
    }
    {
        const QSignalBlocker blocker(nameList_);
        nameList_->clear();
        nameList_->addItems(lines);
        nameList_->setCurrentRow(current_ - 1);
    }
    // The widest line with a mark to spare, plus what the list itself takes beside its text: frame,
    // item margins and the scroll bar.
    const int chrome = 2 * nameList_->frameWidth() + 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8 +
                       style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int width = std::max(kMinimumNameListWidth, widest + chrome);
    if (width != nameListWidth_) {
        nameListWidth_ = width;
        applyLayout();
    }
}

void Chanshu_dlg::showCurrentStore() {
    const int top = list_->topLine();
    fillNames();
    list_->listing().setRows(listingRows(store(), main_.langContext()));
    list_->selectOnly(rememberedLine_);
    list_->setTopLine(top);
}

void Chanshu_dlg::showStore(int number) {
    if (number < 1 || number > kStoreCount) return;
    current_ = number;
    showCurrentStore();
    listSelectionChanged();
}

void Chanshu_dlg::nameSelected() {
    const int row = nameList_->currentRow();
    if (row < 0) return;
    showStore(row + 1);
}

void Chanshu_dlg::listSelectionChanged() {
    const int highest = list_->highestSelected();
    if (highest < 0) return;
    rememberedLine_ = highest;
    if (!committing_) emit statementEditorRequested(storeId(), rememberedLine_, false, false);
}

void Chanshu_dlg::listDoubleClicked() {
    const int highest = list_->highestSelected();
    if (highest < 0) return;
    rememberedLine_ = highest;
    emit statementEditorRequested(storeId(), rememberedLine_, true, false);
}

void Chanshu_dlg::addStatement() { emit statementEditorRequested(storeId(), rememberedLine_, true, true); }

void Chanshu_dlg::documentChanged(const DocumentChange& change) {
    const bool mine = change.store && change.store->kind() == kind();
    const bool shown = mine && change.store->number() == current_;
    if (!isVisible() && !shown) return;
    if (change.store && !mine && !change.namesChanged) return;
    // An undo or redo elsewhere shows the function or thread it changed.
    if (mine) current_ = change.store->number();
    // After an edit, showing the store again re-selects the remembered line: no choice of the user's,
    // it loads nothing into the statement editor. After undo or redo the editor follows the line.
    const QScopedValueRollback showing(committing_, committing_ || change.cause == DocumentChange::Cause::Edit);
    showCurrentStore();
}

int Chanshu_dlg::highestSelected() const { return list_->highestSelected(); }
int Chanshu_dlg::topLine() const { return list_->topLine(); }
bool Chanshu_dlg::listVisible() const { return isVisible() && list_->isVisible(); }
void Chanshu_dlg::focusList() { list_->setFocus(); }

void Chanshu_dlg::showEdit(const ListingUpdate& update) {
    committing_ = true;
    list_->setTopLine(update.topLine);
    list_->selectOnly(update.line);
    list_->showCaret();
    committing_ = false;
}

void Chanshu_dlg::deleteSelected() { commands_->deleteSelected(); }
void Chanshu_dlg::deleteAll() { commands_->deleteAll(); }
void Chanshu_dlg::cut() { commands_->cut(); }
void Chanshu_dlg::copy() { commands_->copy(); }
void Chanshu_dlg::paste() { commands_->paste(); }

void Chanshu_dlg::insertBlockPair() {
    commands_->insertBlockPair();
    main_.refreshMainList();
}

void Chanshu_dlg::importBlockFile() {
    QString path = prompter().openFileName(FileFilter{}, main_.lastFolder());
    if (path.isEmpty()) return;
    if (!path.endsWith(kBlockExtension)) path += kBlockExtension;
    if (const auto block = commands_->readBlock(path)) commands_->replaceAll(*block);
}

void Chanshu_dlg::exportBlockFile() {
    const QString chosen = prompter().saveFileName(FileFilter{}, main_.lastFolder());
    if (chosen.isEmpty()) return;
    // The dialog asked about the name as typed; the file written carries the extension.
    const QString path = chosen.endsWith(kBlockExtension) ? chosen : chosen + kBlockExtension;
    if (path != chosen && QFileInfo::exists(path) &&
        !prompter().askYesNo(text("%1 已存在。\n要替换它吗？").arg(QFileInfo(path).fileName()), text("导出")))
        return;
    commands_->writeBlock(path);
}

void Chanshu_dlg::findNext() {
    const std::string wanted = gbkOf(searchEdit_->text());
    if (wanted.empty()) return;
    const StoreSearchResult result = findAcrossStores(stores(), searchPosition_, wanted, main_.langContext());
    searchPosition_ = result.position;
    if (!result.found) return;
    current_ = result.position.store;
    rememberedLine_ = result.position.line;
    showCurrentStore();
    list_->setTopLine(result.position.line);
    list_->setFocus();
}

void Chanshu_dlg::windowHidden() { main_.refreshMainList(); }

// The close box and Esc both come here; the window is hidden, not destroyed.
void Chanshu_dlg::reject() {
    windowHidden();
    QDialog::reject();
}

void Chanshu_dlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    applyLayout();
}

void Chanshu_dlg::keyPressEvent(QKeyEvent* event) {
    // Enter never closes the window; it searches from the search edit (handled there).
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace lumio
