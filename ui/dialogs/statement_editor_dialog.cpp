#include "ui/dialogs/statement_editor_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/text/gbk.h"
#include "ui/app/drop_down.h"
#include "ui/app/typed_text.h"

namespace lumio {
namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }
QString shown(const std::string& gbk) { return QString::fromStdString(toUtf8(gbk)); }

// Template 133 is 289 dialog units wide; at the usual 1.75 x 1.625 pixels a unit that is about 506
// pixels. The condition/result list is 76 units wide and the comment 47 units high. The height
// follows the controls, so no empty band is left above the buttons.
constexpr int kWidth = 506;
constexpr int kChoiceWidth = 133;
constexpr int kCommentHeight = 76;

void fillCombo(QComboBox* combo, const std::vector<OfferedEntry>& entries, int selection) {
    combo->clear();
    for (const OfferedEntry& entry : entries) combo->addItem(shown(entry.name), entry.code);
    combo->setCurrentIndex(selection);
}

}  // namespace

Cadd_in::Cadd_in(ProgramDocument& document, QWidget* parent) : QDialog(parent), session_(document) {
    setObjectName(QStringLiteral("Cadd_in"));
    setWindowTitle(text("编辑指令"));
    setModal(false);
    buildControls();
    resize(kWidth, sizeHint().height());
    comment_->setFocus();
}

template <class Choice>
void Cadd_in::choose(Choice choice) {
    choosing_ = true;
    const StatementEditorSession::Parts parts = choice();
    choosing_ = false;
    showParts(parts);
}

void Cadd_in::buildControls() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    grid->setColumnStretch(1, 1);
    int row = 0;
    auto label = [&](const char* caption, QWidget* buddy) {
        auto* widget = new QLabel(text(caption), this);
        widget->setBuddy(buddy);
        grid->addWidget(widget, row, 0, Qt::AlignRight | (row == 5 ? Qt::AlignTop : Qt::AlignVCenter));
    };
    auto list = [&](const char* name, int id) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QString::fromLatin1(name));
        combo->setProperty("resourceId", id);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(20);
        limitDropDownRows(*combo);
        return combo;
    };

    // The controls in their tab order: 1042, 1036, 1039, 1040, 1041, 1025, 1037, 确认, 取消.
    choice_ = list("choiceList", 1042);
    choice_->addItem(text("输入条件"));
    choice_->addItem(text("输出结果"));
    choice_->setFixedWidth(kChoiceWidth);
    orCheck_ = new QCheckBox(text("与上条逻辑或"), this);
    orCheck_->setObjectName(QStringLiteral("orCheck"));
    orCheck_->setProperty("resourceId", 1036);
    auto* choiceRow = new QHBoxLayout;
    choiceRow->addWidget(choice_);
    choiceRow->addSpacing(12);
    choiceRow->addWidget(orCheck_);
    choiceRow->addStretch(1);
    label("条件/结果:", choice_);
    grid->addLayout(choiceRow, row++, 1);

    kinds_ = list("kindList", 1039);
    label("类型:", kinds_);
    grid->addWidget(kinds_, row++, 1);
    param1_ = list("param1List", 1040);
    label("参数1:", param1_);
    grid->addWidget(param1_, row++, 1);
    param2_ = list("param2List", 1041);
    label("参数2:", param2_);
    grid->addWidget(param2_, row++, 1);

    param3_ = list("param3Box", 1025);
    param3_->setEditable(true);
    param3_->setInsertPolicy(QComboBox::NoInsert);
    param3_->setCompleter(nullptr);
    param3_->lineEdit()->installEventFilter(this);
    label("参数3:", param3_);
    grid->addWidget(param3_, row++, 1);

    comment_ = new QPlainTextEdit(this);
    comment_->setObjectName(QStringLiteral("commentEdit"));
    comment_->setProperty("resourceId", 1037);
    comment_->setFixedHeight(kCommentHeight);
    comment_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    comment_->setTabChangesFocus(true);
    label("备注:", comment_);
    grid->addWidget(comment_, row++, 1);

    confirm_ = new QPushButton(text("确认"), this);
    confirm_->setObjectName(QStringLiteral("confirmButton"));
    confirm_->setProperty("resourceId", 1);
    confirm_->setDefault(true);
    cancel_ = new QPushButton(text("取消"), this);
    cancel_->setObjectName(QStringLiteral("cancelButton"));
    cancel_->setProperty("resourceId", 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(confirm_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(choice_, &QComboBox::currentIndexChanged, this, [this](int entry) {
        if (!showing_ && entry >= 0) choose([&] { return session_.chooseAction(entry == 1); });
    });
    connect(orCheck_, &QCheckBox::toggled, this, [this](bool checked) {
        if (!showing_) choose([&] { return session_.setOrChecked(checked); });
    });
    connect(kinds_, &QComboBox::currentIndexChanged, this, [this](int entry) {
        if (!showing_ && entry >= 0) choose([&] { return session_.chooseKind(entry); });
    });
    connect(param1_, &QComboBox::currentIndexChanged, this, [this](int entry) {
        if (!showing_ && entry >= 0) choose([&] { return session_.chooseParam1(entry); });
    });
    connect(param2_, &QComboBox::currentIndexChanged, this, [this](int entry) {
        if (!showing_ && entry >= 0) choose([&] { return session_.chooseParam2(entry); });
    });
    // Typing and picking an example both change the edit text.
    connect(param3_, &QComboBox::editTextChanged, this, [this](const QString& value) {
        if (!showing_) choose([&] { return session_.editParam3(typedGbk(value, param3_)); });
    });
    connect(comment_, &QPlainTextEdit::textChanged, this, [this] {
        if (!showing_) choose([&] { return session_.editComment(typedGbk(comment_->toPlainText(), comment_)); });
    });
    connect(confirm_, &QPushButton::clicked, this, &Cadd_in::accept);
    connect(cancel_, &QPushButton::clicked, this, &Cadd_in::reject);
}

QWidget* Cadd_in::control(int id) const {
    switch (id) {
        case 1042: return choice_;
        case 1036: return orCheck_;
        case 1039: return kinds_;
        case 1040: return param1_;
        case 1041: return param2_;
        case 1025: return param3_;
        case 1037: return comment_;
        case 1: return confirm_;
        case 2: return cancel_;
        default: return nullptr;
    }
}

void Cadd_in::setListView(Lists lists, StatementListView* view) { views_[static_cast<size_t>(lists)] = view; }

void Cadd_in::openStatementEditor(StoreRef store, int index, bool show, bool isNew) {
    if (choosing_) return;
    if (show && isHidden()) this->show();
    if (!isVisible()) return;
    session_.open(store, index, isNew, viewFor(store));
    showParts(StatementEditorSession::AllParts);
    // To the top of the window order, where it is.
    raise();
    if (show) activateWindow();
}

void Cadd_in::showParts(StatementEditorSession::Parts parts) {
    if (parts == 0) return;
    showing_ = true;
    const Statement& statement = session_.statement();
    if (parts & StatementEditorSession::ChoicePart) {
        choice_->setCurrentIndex(statement.isAction ? 1 : 0);
        orCheck_->setVisible(!statement.isAction);
        orCheck_->setChecked(session_.orChecked());
    }
    if (parts & StatementEditorSession::KindsPart) fillCombo(kinds_, session_.kinds(), session_.kindSelection());
    if (parts & StatementEditorSession::Param1Part) fillCombo(param1_, session_.param1s(), session_.param1Selection());
    if (parts & StatementEditorSession::Param2Part) fillCombo(param2_, session_.param2s(), session_.param2Selection());
    if (parts & StatementEditorSession::ExamplesPart) {
        param3_->clear();
        for (const std::string& example : session_.examples()) param3_->addItem(shown(example));
        param3_->setCurrentIndex(-1);
    }
    if (parts & StatementEditorSession::Param3Part) param3_->setEditText(shown(session_.param3Text()));
    if (parts & StatementEditorSession::CommentPart) {
        const QString comment = shown(session_.commentText());
        if (comment_->toPlainText() != comment) comment_->setPlainText(comment);
    }
    showing_ = false;
}

void Cadd_in::learnedCodeArrived(const QByteArray& code) {
    showParts(session_.learnedCode(ByteView(code.constData(), static_cast<size_t>(code.size()))));
}

bool Cadd_in::eventFilter(QObject* watched, QEvent* event) {
    if (watched == param3_->lineEdit() && event->type() == QEvent::FocusIn) {
        if (const auto request = session_.remoteLearnRequest()) emit remoteLearnRequested(*request);
    }
    return QDialog::eventFilter(watched, event);
}

void Cadd_in::accept() {
    choosing_ = true;
    session_.confirm();
    choosing_ = false;
    hide();
}

void Cadd_in::reject() {
    session_.cancel();
    hide();
}

void Cadd_in::closeEvent(QCloseEvent* event) {
    // The close box cancels; the editor lives on hidden.
    event->ignore();
    reject();
}

}  // namespace lumio
