#include "ui/app/main_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QUrl>

#include "core/listing/listing.h"
#include "core/model/program_image.h"
#include "core/settings/serial_ports.h"
#include "core/text/bytes.h"
#include "ui/app/app_icon.h"
#include "ui/app/document_notifier.h"
#include "ui/app/drop_down.h"
#include "ui/app/list_controller.h"
#include "ui/app/listing_font.h"
#include "ui/app/listing_source.h"
#include "ui/app/main_window_layout.h"
#include "ui/app/qt_text.h"
#include "ui/app/search_keys.h"
#include "ui/app/serial_port_list.h"
#include "ui/app/statement_list.h"
#include "ui/app/window_placement.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/statement_editor_wiring.h"
#include "ui/dialogs/com_settings_dialog.h"

namespace lumio {
namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

constexpr int kAddressCount = 256;
constexpr int kInitialAddress = 1;
constexpr int kProgressRange = 50;

}  // namespace

CMy1Dlg::CMy1Dlg(Edition edition, QWidget* parent, SettingsStore settings)
    : QMainWindow(parent),
      edition_(edition),
      titleText_(text(editionProfile(edition).title)),
      document_(edition),
      settingsStore_(std::move(settings)),
      linkSettings_(settingsStore_.load()),
      widgetPrompter_(this),
      prompter_(&widgetPrompter_) {
    setObjectName(QStringLiteral("CMy1Dlg"));
    setWindowIcon(appIcon());
    setAcceptDrops(true);
    notifier_ = new DocumentNotifier(document_, this);
    connect(notifier_, &DocumentNotifier::changed, this, &CMy1Dlg::documentChanged);
    buildControls();
    commands_ = std::make_unique<ListController>(
        document_, *list_, [] { return StoreRef::main(); }, [this]() -> Prompter& { return prompter(); });
    buildMenus();
    buildContextMenu();
    statementEditor_ = attachStatementEditor(*this);
    updateTitle();
    refreshMainList();
    updateEditActions();
    openWithinScreen(*this, QSize(1280, 760));
    applyLayout();
    addressList_->setFocus();
}

// The notifier goes first: the document it listens to is a member, destroyed after the children.
CMy1Dlg::~CMy1Dlg() { delete notifier_; }

void CMy1Dlg::setPrompter(Prompter* prompter) { prompter_ = prompter ? prompter : &widgetPrompter_; }

void CMy1Dlg::buildControls() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);
    client_->installEventFilter(this);

    auto button = [&](MainControl id, const char* caption, const char* name) {
        auto* widget = new QPushButton(text(caption), client_);
        widget->setObjectName(QString::fromLatin1(name));
        widget->setAutoDefault(false);
        controls_[id] = widget;
        return widget;
    };
    using enum MainControl;
    connect(button(OpenButton, "打开", "openButton"), &QPushButton::clicked, this, &CMy1Dlg::openProgram);
    connect(button(SaveButton, "保存", "saveButton"), &QPushButton::clicked, this, &CMy1Dlg::save);
    connect(button(SaveAsButton, "另存", "saveAsButton"), &QPushButton::clicked, this, &CMy1Dlg::saveAs);
    connect(button(SettingsButton, "设置", "settingsButton"), &QPushButton::clicked, this, &CMy1Dlg::openComSettings);
    // The statement editor and the device link come with their own windows.
    addStatementButton_ = button(AddStatementButton, "添加指令", "addStatementButton");  // wired by attachStatementEditor
    connect(button(DeleteButton, "删除", "deleteButton"), &QPushButton::clicked, this, &CMy1Dlg::deleteSelected);
    connectButton_ = button(ConnectButton, "串口未连接", "connectButton");
    connectButton_->setEnabled(false);
    button(ReadAllButton, "读取", "readAllButton")->setEnabled(false);
    button(WriteAllButton, "写入", "writeAllButton")->setEnabled(false);
    connect(button(FindButton, "查找", "findButton"), &QPushButton::clicked, this, &CMy1Dlg::findNext);

    list_ = new Clist_command(client_);
    list_->setObjectName(QStringLiteral("mainList"));
    list_->setFont(listingFont());
    controls_[MainList] = list_;
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CMy1Dlg::listSelectionChanged);
    connect(list_, &Clist_command::editRequested, this, &CMy1Dlg::listDoubleClicked);
    connect(list_, &Clist_command::contextMenuRequested, this,
            [this](const QPoint& position) { contextMenu_->popup(position); });

    auto* addresses = addressList_ = new QComboBox(client_);
    addresses->setObjectName(QStringLiteral("addressList"));
    for (int address = 0; address < kAddressCount; ++address)
        addresses->addItem(fromGbk(formatText(toGbk("地址%d").c_str(), address)));
    addresses->setCurrentIndex(kInitialAddress);
    limitDropDownRows(*addresses);
    controls_[AddressList] = addresses;

    auto* ports = portList_ = new QComboBox(client_);
    ports->setObjectName(QStringLiteral("portList"));
    limitDropDownRows(*ports);
    controls_[PortList] = ports;
    // Choosing a port here chooses it for this run; only the settings dialog writes the file.
    connect(ports, &QComboBox::activated, this, [this, ports](int entry) {
        linkSettings_ = withSerialPortChosen(linkSettings_, gbkOf(ports->itemText(entry)), platformPortNaming());
    });
    showLinkSettings();

    sizeText_ = new QLabel(client_);
    sizeText_->setObjectName(QStringLiteral("sizeText"));
    sizeText_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    controls_[SizeText] = sizeText_;

    searchEdit_ = new QLineEdit(client_);
    searchEdit_->setObjectName(QStringLiteral("searchEdit"));
    controls_[SearchEdit] = searchEdit_;
    connect(searchEdit_, &QLineEdit::textChanged, this, [this](const QString& typed) {
        searchText_ = typed;
        searchPosition_ = -1;
    });
    connect(searchEdit_, &QLineEdit::returnPressed, this, &CMy1Dlg::findNext);
    addSearchKeys(*this, *searchEdit_, [this] { findNext(); });

    progress_ = new QProgressBar(client_);
    progress_->setObjectName(QStringLiteral("progressBar"));
    progress_->setRange(0, kProgressRange);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    controls_[ProgressBar] = progress_;

    for (const auto& [id, widget] : controls_) widget->setProperty("resourceId", static_cast<int>(id));
}

QWidget* CMy1Dlg::control(MainControl id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

void CMy1Dlg::applyLayout() {
    if (!list_) return;
    for (const ControlPlace& place : mainWindowLayout(client_->size()))
        if (QWidget* widget = control(place.id)) widget->setGeometry(place.rect);
}

bool CMy1Dlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) applyLayout();
    return QMainWindow::eventFilter(watched, event);
}

void CMy1Dlg::updateTitle() {
    QString title = titleText_;
    if (!currentPath_.isEmpty()) title += QStringLiteral(" ") + currentPath_;
    setWindowTitle(title + QStringLiteral("[*]"));
    setWindowModified(isModified());
}

void CMy1Dlg::updateSizeText() {
    const std::string size = formatText(toGbk("程序大小：%u 字节").c_str(), programBodySize(program(), edition_));
    sizeText_->setText(fromGbk(size));
}

void CMy1Dlg::refreshMainList() {
    const int top = list_->topLine();
    list_->listing().setRows(listingRows(program().main, langContext()));
    list_->selectOnly(currentLine_);
    list_->setTopLine(top);
    updateSizeText();
}

void CMy1Dlg::documentChanged(const DocumentChange& change) {
    if (change.cause == DocumentChange::Cause::Replaced) {
        programReplaced();
        return;
    }
    // Undo and redo show the whole listing again, which also reloads an open statement editor on
    // the selected line; an edit that changed one line's text re-renders that line only.
    const bool lineOnly = change.lineOnly && change.cause == DocumentChange::Cause::Edit;
    if (change.namesChanged || (change.store && change.store->isMain() && !lineOnly)) {
        refreshMainList();
    } else if (change.store && change.store->isMain()) {
        const int line = static_cast<int>(change.position);
        ListingLine shown = renderListingLine(program().main, change.position, langContext());
        list_->listing().setRow(line, std::move(shown.text), shown.colour);
        updateSizeText();
    }
    updateSizeText();
    updateTitle();
    updateEditActions();
}

void CMy1Dlg::showEditorChange(const ListingUpdate& update) {
    currentLine_ = update.line;
    list_->selectOnly(update.line);
    list_->setTopLine(update.topLine);
}

void CMy1Dlg::programReplaced() {
    currentLine_ = -1;
    searchPosition_ = -1;
    list_->listing().setRows({});
    refreshMainList();
    updateTitle();
    updateEditActions();
}

void CMy1Dlg::listSelectionChanged() {
    const int highest = list_->highestSelected();
    if (highest >= 0) currentLine_ = highest;
    if (highest >= 0) emit statementEditorRequested(currentLine_, false, false);
}

void CMy1Dlg::listDoubleClicked() {
    if (list_->count() == 0) {
        currentLine_ = -1;
        return;
    }
    currentLine_ = list_->highestSelected();
    if (currentLine_ >= 0) emit statementEditorRequested(currentLine_, true, false);
}

void CMy1Dlg::showAbout() {
    CAboutDlg about(titleText_, this);
    about.exec();
}

void CMy1Dlg::showLinkSettings() {
    // No link is open yet, so the button tells which kind of link the settings choose.
    connectButton_->setText(linkSettings_.isNetwork() ? text("网络已断开") : text("串口未连接"));
    QComboBox* ports = portList_;
    ports->clear();
    ports->addItems(serialPortEntries(linkSettings_));
    ports->setCurrentIndex(std::max(0, ports->findText(fromGbk(serialPortName(linkSettings_, platformPortNaming())))));
}

void CMy1Dlg::openComSettings() {
    CCom_Dlg dialog(linkSettings_, settingsStore_, this);
    dialog.setPrompter(prompter_);
    if (dialog.exec() != QDialog::Accepted) return;
    linkSettings_ = dialog.settings();
    showLinkSettings();
}

void CMy1Dlg::closeEvent(QCloseEvent* event) {
    if (settleUnsavedChanges())
        event->accept();
    else
        event->ignore();
}

void CMy1Dlg::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMy1Dlg::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (!url.isLocalFile()) continue;
        event->acceptProposedAction();
        // Only the first dropped file is opened.
        openDroppedFile(url.toLocalFile());
        return;
    }
}

}  // namespace lumio
