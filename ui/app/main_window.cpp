#include "ui/app/main_window.h"
#include "ui/tools/tool_windows.h"

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
#include "ui/app/listing_font.h"
#include "ui/app/listing_source.h"
#include "ui/app/main_window_layout.h"
#include "ui/app/qt_text.h"
#include "ui/app/serial_port_list.h"
#include "ui/app/statement_list.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/statement_editor_wiring.h"
#include "ui/dialogs/com_settings_dialog.h"
#include "ui/link/link_panel.h"

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
      titleText_(text("Lumio工具V2.000（固件16）")),
      settingsStore_(std::move(settings)),
      linkSettings_(settingsStore_.load()),
      widgetPrompter_(this),
      prompter_(&widgetPrompter_) {
    setObjectName(QStringLiteral("CMy1Dlg"));
    setWindowIcon(appIcon());
    setAcceptDrops(true);
    buildControls();
    buildMenus();
    buildContextMenu();
    statementEditor_ = attachStatementEditor(*this);
    linkPanel_ = new LinkPanel(*this, settingsStore_);
    wireToolMenus(*this);
    updateTitle();
    refreshMainList();
    updateEditActions();
    resize(1280, 760);
    applyLayout();
    controls_.value(1010)->setFocus();
}

CMy1Dlg::~CMy1Dlg() = default;

void CMy1Dlg::setPrompter(Prompter* prompter) { prompter_ = prompter ? prompter : &widgetPrompter_; }

void CMy1Dlg::buildControls() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);
    client_->installEventFilter(this);

    auto button = [&](int id, const char* caption, const char* name) {
        auto* widget = new QPushButton(text(caption), client_);
        widget->setObjectName(QString::fromLatin1(name));
        widget->setAutoDefault(false);
        controls_.insert(id, widget);
        return widget;
    };
    connect(button(1001, "打开", "openButton"), &QPushButton::clicked, this, &CMy1Dlg::openProgram);
    connect(button(1002, "保存", "saveButton"), &QPushButton::clicked, this, &CMy1Dlg::save);
    connect(button(1003, "另存", "saveAsButton"), &QPushButton::clicked, this, &CMy1Dlg::saveAs);
    connect(button(1004, "设置", "settingsButton"), &QPushButton::clicked, this, &CMy1Dlg::openComSettings);
    // The statement editor and the device link come with their own windows.
    button(1006, "添加指令", "addStatementButton");  // wired by attachStatementEditor
    connect(button(1007, "删除", "deleteButton"), &QPushButton::clicked, this, &CMy1Dlg::deleteSelected);
    // The link's controls are wired by the link panel.
    button(1008, "串口未连接", "connectButton");
    button(1011, "读取", "readAllButton");
    button(1012, "写入", "writeAllButton");
    connect(button(1015, "查找", "findButton"), &QPushButton::clicked, this, &CMy1Dlg::findNext);

    list_ = new Clist_command(client_);
    list_->setObjectName(QStringLiteral("mainList"));
    list_->setFont(listingFont());
    controls_.insert(1005, list_);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CMy1Dlg::listSelectionChanged);
    connect(list_, &Clist_command::lineDoubleClicked, this, &CMy1Dlg::listDoubleClicked);
    connect(list_, &Clist_command::deleteRequested, this, &CMy1Dlg::deleteSelected);
    connect(list_, &Clist_command::cutRequested, this, &CMy1Dlg::cut);
    connect(list_, &Clist_command::copyRequested, this, &CMy1Dlg::copy);
    connect(list_, &Clist_command::pasteRequested, this, &CMy1Dlg::paste);
    connect(list_, &Clist_command::contextMenuRequested, this,
            [this](const QPoint& position) { contextMenu_->popup(position); });

    auto* addresses = new QComboBox(client_);
    addresses->setObjectName(QStringLiteral("addressList"));
    for (int address = 0; address < kAddressCount; ++address)
        addresses->addItem(fromGbk(formatText(toGbk("地址%d").c_str(), address)));
    addresses->setCurrentIndex(kInitialAddress);
    controls_.insert(1010, addresses);

    auto* ports = new QComboBox(client_);
    ports->setObjectName(QStringLiteral("portList"));
    controls_.insert(1017, ports);
    // Choosing a port here chooses it for this run; only the settings dialog writes the file.
    connect(ports, &QComboBox::activated, this, [this, ports](int entry) {
        linkSettings_ = withSerialPortChosen(linkSettings_, gbkOf(ports->itemText(entry)), platformPortNaming());
    });
    showLinkSettings();

    sizeText_ = new QLabel(client_);
    sizeText_->setObjectName(QStringLiteral("sizeText"));
    sizeText_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    controls_.insert(1013, sizeText_);

    searchEdit_ = new QLineEdit(client_);
    searchEdit_->setObjectName(QStringLiteral("searchEdit"));
    controls_.insert(1014, searchEdit_);
    connect(searchEdit_, &QLineEdit::textChanged, this, [this](const QString& typed) {
        searchText_ = typed;
        searchPosition_ = -1;
    });
    connect(searchEdit_, &QLineEdit::returnPressed, this, &CMy1Dlg::findNext);

    progress_ = new QProgressBar(client_);
    progress_->setObjectName(QStringLiteral("progressBar"));
    progress_->setRange(0, kProgressRange);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    controls_.insert(1018, progress_);

    for (auto entry = controls_.constBegin(); entry != controls_.constEnd(); ++entry)
        entry.value()->setProperty("resourceId", entry.key());
}

void CMy1Dlg::applyLayout() {
    if (!list_) return;
    for (const ControlPlace& place : mainWindowLayout(client_->size()))
        if (QWidget* widget = controls_.value(place.id)) widget->setGeometry(place.rect);
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
    const std::string size = formatText(toGbk("程序大小：%u 字节").c_str(), programBodySize(program_, edition_));
    sizeText_->setText(fromGbk(size));
}

void CMy1Dlg::refreshMainList() {
    const int top = list_->topLine();
    list_->listing().setRows(listingRows(program_.main, langContext()));
    list_->selectOnly(currentLine_);
    list_->setTopLine(top);
    updateSizeText();
}

void CMy1Dlg::recordEdit(EditStep step) {
    const int storeId = step.storeId;
    const bool changesNames = step.namesBefore.has_value() || storeId == kWholeProgramId;
    history_.record(std::move(step));
    if (storeId == kMainStoreId || changesNames) refreshMainList();
    updateTitle();
    updateEditActions();
    emit programChanged(changesNames ? -1 : storeId);
}

void CMy1Dlg::recordEdit(EditStep step, const ListingUpdate& update) {
    const int storeId = step.storeId;
    history_.record(std::move(step));
    if (storeId == kMainStoreId) {
        currentLine_ = update.line;
        if (update.lineOnly) {
            ListingLine line = renderListingLine(program_.main, static_cast<size_t>(update.line), langContext());
            list_->listing().setRow(update.line, std::move(line.text), line.colour);
            updateSizeText();
        } else {
            refreshMainList();
        }
        list_->selectOnly(update.line);
        list_->setTopLine(update.topLine);
    }
    updateTitle();
    updateEditActions();
    emit programChanged(storeId);
}

void CMy1Dlg::programReplaced() {
    history_.clear();
    currentLine_ = -1;
    searchPosition_ = -1;
    list_->listing().setRows({});
    refreshMainList();
    updateTitle();
    updateEditActions();
    emit programChanged(-1);
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
    // Until the link panel exists no link is open, so the button tells which kind of link the settings
    // choose; later the panel keeps it showing the link's state.
    auto* connectButton = qobject_cast<QPushButton*>(controls_.value(1008));
    connectButton->setText(linkSettings_.isNetwork() ? text("网络已断开") : text("串口未连接"));
    auto* ports = qobject_cast<QComboBox*>(controls_.value(1017));
    ports->clear();
    ports->addItems(serialPortEntries(linkSettings_));
    ports->setCurrentIndex(std::max(0, ports->findText(fromGbk(serialPortName(linkSettings_, platformPortNaming())))));
}

void CMy1Dlg::openComSettings() {
    CCom_Dlg dialog(linkSettings_, settingsStore_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    linkSettings_ = dialog.settings();
    showLinkSettings();
    linkPanel_->applyConfirmedSettings();
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
