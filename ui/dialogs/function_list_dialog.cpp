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

constexpr int kStoreCount = 100;
const QString kBlockExtension = QStringLiteral(".hs5");

std::filesystem::path filePath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace

std::vector<ListControlPlace> functionListLayout(QSize client, int nameListWidth) {
    const int listHeight = client.height() - 50;
    return {
        {1050, QRect(0, 0, 60, 30)},
        {1051, QRect(60, 0, 60, 30)},
        {1052, QRect(240, 0, 60, 30)},
        {1007, QRect(300, 0, 60, 30)},
        {1054, QRect(360, 0, 120, 30)},
        {1014, QRect(500, 0, 200, 30)},
        {1015, QRect(700, 0, 60, 30)},
        {1053, QRect(0, 30, nameListWidth, listHeight)},
        {1006, QRect(nameListWidth, 30, client.width() - nameListWidth, listHeight)},
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
    connect(&main_, &CMy1Dlg::programChanged, this, &Chanshu_dlg::programChanged);
}

QString Chanshu_dlg::modeWord() const { return mode_ == Mode::Functions ? text("函数") : text("线程"); }

int Chanshu_dlg::storeId() const { return mode_ == Mode::Functions ? current_ : kThreadIdBase + current_; }

ProgramStore& Chanshu_dlg::store() {
    return mode_ == Mode::Functions ? main_.program().function(current_) : main_.program().thread(current_);
}

std::span<const ProgramStore> Chanshu_dlg::stores() const {
    const Program& program = main_.program();
    if (mode_ == Mode::Functions) return program.functions;
    return program.threads;
}

Prompter& Chanshu_dlg::prompter() { return main_.prompter(); }

void Chanshu_dlg::buildControls() {
    auto button = [&](int id, const char* caption, const char* name, void (Chanshu_dlg::*handler)()) {
        auto* widget = new QPushButton(text(caption), this);
        widget->setObjectName(QString::fromLatin1(name));
        widget->setAutoDefault(false);
        controls_.insert(id, widget);
        connect(widget, &QPushButton::clicked, this, handler);
    };
    button(1050, "导入", "importButton", &Chanshu_dlg::importBlockFile);
    button(1051, "导出", "exportButton", &Chanshu_dlg::exportBlockFile);
    button(1052, "添加", "addButton", &Chanshu_dlg::addStatement);
    button(1007, "删除", "deleteButton", &Chanshu_dlg::deleteSelected);
    button(1054, "删除全部", "deleteAllButton", &Chanshu_dlg::deleteAll);
    button(1015, "查找", "findButton", &Chanshu_dlg::findNext);

    searchEdit_ = new QLineEdit(this);
    searchEdit_->setObjectName(QStringLiteral("searchEdit"));
    controls_.insert(1014, searchEdit_);
    connect(searchEdit_, &QLineEdit::returnPressed, this, &Chanshu_dlg::findNext);
    addSearchKeys(*this, *searchEdit_, [this] { findNext(); });

    nameList_ = new QListWidget(this);
    nameList_->setObjectName(QStringLiteral("nameList"));
    nameList_->setSelectionMode(QAbstractItemView::SingleSelection);
    nameList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    nameList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    controls_.insert(1053, nameList_);
    connect(nameList_, &QListWidget::currentRowChanged, this, &Chanshu_dlg::nameSelected);

    list_ = new Clist_command(this);
    list_->setObjectName(QStringLiteral("statementList"));
    controls_.insert(1006, list_);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &Chanshu_dlg::listSelectionChanged);
    connect(list_, &Clist_command::editRequested, this, &Chanshu_dlg::listDoubleClicked);
    connect(list_, &Clist_command::deleteRequested, this, &Chanshu_dlg::deleteSelected);
    connect(list_, &Clist_command::cutRequested, this, &Chanshu_dlg::cut);
    connect(list_, &Clist_command::copyRequested, this, &Chanshu_dlg::copy);
    connect(list_, &Clist_command::pasteRequested, this, &Chanshu_dlg::paste);
    connect(list_, &Clist_command::contextMenuRequested, this,
            [this](const QPoint& position) { contextMenu_->popup(position); });

    for (auto entry = controls_.constBegin(); entry != controls_.constEnd(); ++entry)
        entry.value()->setProperty("resourceId", entry.key());

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

void Chanshu_dlg::applyLayout() {
    if (!list_) return;
    for (const ListControlPlace& place : functionListLayout(size(), nameListWidth_))
        if (QWidget* widget = controls_.value(place.id)) widget->setGeometry(place.rect);
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
    controls_.value(1052)->setEnabled(isSignalConnected(QMetaMethod::fromSignal(&Chanshu_dlg::statementEditorRequested)));
    showCurrentStore();
    applyLayout();
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void Chanshu_dlg::fillNames() {
    static const QString mark = text("√");
    const std::string word = gbkOf(modeWord());
    const QFontMetrics metrics(nameList_->font());
    int widest = 0;
    QStringList lines;
    for (int number = 1; number <= kStoreCount; ++number) {
        const std::string name = displayName(&main_.program().names, formatText("%s%d", word.c_str(), number));
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

void Chanshu_dlg::record(SpanChange change, std::uint64_t group) {
    EditStep step;
    step.storeId = storeId();
    step.change = std::move(change);
    step.group = group;
    recording_ = true;
    main_.recordEdit(std::move(step));
    recording_ = false;
    showCurrentStore();
}

void Chanshu_dlg::programChanged(int changedStore) {
    if (recording_ || !isVisible()) return;
    const bool mine = mode_ == Mode::Functions ? changedStore >= 1 && changedStore <= kStoreCount
                                               : changedStore > kThreadIdBase && changedStore <= kThreadIdBase + kStoreCount;
    if (changedStore != -1 && !mine) return;
    // An undo or redo elsewhere shows the function or thread it changed.
    if (mine) current_ = mode_ == Mode::Functions ? changedStore : changedStore - kThreadIdBase;
    showCurrentStore();
}

int Chanshu_dlg::highestSelected() const { return list_->highestSelected(); }
int Chanshu_dlg::topLine() const { return list_->topLine(); }
bool Chanshu_dlg::listVisible() const { return isVisible() && list_->isVisible(); }
void Chanshu_dlg::focusList() { list_->setFocus(); }

void Chanshu_dlg::commitEdit(EditStep step, const ListingUpdate& update) {
    // The editor is the one writing: re-selecting the line must not load it into the editor again.
    committing_ = true;
    recording_ = true;
    main_.recordEdit(std::move(step));
    recording_ = false;
    showCurrentStore();
    list_->setTopLine(update.topLine);
    list_->selectOnly(update.line);
    list_->showCaret();
    committing_ = false;
}

void Chanshu_dlg::removeSelectedLines(int topLine, int lowest) {
    record(deleteSelection(store(), list_->selectedLines()));
    list_->setTopLine(topLine);
    const int line = lineAfterDelete(lowest, store().count());
    if (line >= 0) list_->selectOnly(line);
}

void Chanshu_dlg::deleteSelected() {
    const int top = list_->topLine();
    const int lowest = list_->lowestSelected();
    if (!confirmDeleteSelection(prompter(), lowest)) return;
    removeSelectedLines(top, lowest);
}

void Chanshu_dlg::deleteAll() {
    if (!confirmDeleteAll(prompter())) return;
    record(lumio::deleteAll(store()));
}

void Chanshu_dlg::cut() {
    const int lowest = list_->lowestSelected();
    if (lowest < 0) return;
    const int top = list_->topLine();
    copySelection(list_->selectedLines(), store(), main_.clipboard());
    removeSelectedLines(top, lowest);
}

void Chanshu_dlg::copy() {
    if (list_->lowestSelected() < 0) return;
    copySelection(list_->selectedLines(), store(), main_.clipboard());
}

void Chanshu_dlg::paste() {
    if (main_.clipboard().empty()) return;
    const int top = list_->topLine();
    const int highest = list_->highestSelected();
    const int lines = list_->count();
    SpanChange change = pasteClipboard(store(), main_.clipboard(), highest, static_cast<size_t>(lines));
    const int pasted = static_cast<int>(change.inserted.size());
    record(std::move(change));
    list_->setTopLine(top);
    list_->selectRange(lines > 0 ? highest + 1 : 0, pasted);
    list_->showCaret();
}

void Chanshu_dlg::insertBlockPair() {
    const int top = list_->topLine();
    SpanChange change = lumio::insertBlockPair(store(), list_->highestSelected());
    const int begin = static_cast<int>(change.position);
    record(std::move(change));
    list_->setTopLine(top);
    list_->selectOnly(begin);
    list_->showCaret();
    main_.refreshMainList();
}

void Chanshu_dlg::importBlockFile() {
    QString path = prompter().openFileName(FileFilter{}, main_.lastFolder());
    if (path.isEmpty()) return;
    if (!path.endsWith(kBlockExtension)) path += kBlockExtension;
    ProgramStore block;
    auto loaded = loadBlockFile(block, filePath(path));
    if (!loaded) {
        const UserMessage message = blockFileMessage(loaded.error());
        if (!message.text.empty()) prompter().inform(fromGbk(message.text), fromGbk(message.caption));
        return;
    }
    ProgramStore& target = store();
    record(recordSpan(target, 0, target.count(), [&](ProgramStore& edited) {
        edited.statements = std::move(block.statements);
        edited.recomputeDepths();
    }));
}

void Chanshu_dlg::exportBlockFile() {
    const QString chosen = prompter().saveFileName(FileFilter{}, main_.lastFolder());
    if (chosen.isEmpty()) return;
    // The dialog asked about the name as typed; the file written carries the extension.
    const QString path = chosen.endsWith(kBlockExtension) ? chosen : chosen + kBlockExtension;
    if (path != chosen && QFileInfo::exists(path) &&
        !prompter().askYesNo(text("%1 已存在。\n要替换它吗？").arg(QFileInfo(path).fileName()), text("导出")))
        return;
    ProgramStore& source = store();
    const QString name = modeWord() + QString::number(current_);
    if (source.imageSize() > kMaxStoreImage &&
        !prompter().askYesNo(text("%1超过 %2 字节，导入时将为空。\n仍要导出吗？").arg(name).arg(kMaxStoreImage), text("警告")))
        return;
    auto written = saveBlockFile(source, filePath(path));
    if (!written) prompter().inform(fromGbk(written.error()), text("错误"));
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
