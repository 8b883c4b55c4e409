#include "ui/dialogs/report_dialog.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>

namespace lumio {
namespace {

constexpr int kBandHeight = 40;
constexpr int kBandMargin = 8;

}  // namespace

Cyingjianxinxi::Cyingjianxinxi(Mode mode, const QString& title, const QString& text, QWidget* parent)
    : QDialog(parent), mode_(mode) {
    setObjectName(QStringLiteral("Cyingjianxinxi"));
    setWindowTitle(title);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(true);

    textBox_ = new QPlainTextEdit(this);  // edit 1027
    textBox_->setObjectName(QStringLiteral("textBox"));
    textBox_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    textBox_->setPlainText(shown);

    // The two buttons stand in the order of the platform's dialogs.
    buttons_ = new QDialogButtonBox(this);
    buttons_->setObjectName(QStringLiteral("buttons"));
    confirm_ = buttons_->addButton(QString::fromUtf8("确定"), QDialogButtonBox::AcceptRole);  // 1048
    confirm_->setObjectName(QStringLiteral("confirmButton"));
    confirm_->setAutoDefault(false);
    cancel_ = buttons_->addButton(QString::fromUtf8("取消"), QDialogButtonBox::RejectRole);  // 1049
    cancel_->setObjectName(QStringLiteral("cancelButton"));
    cancel_->setAutoDefault(false);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    resize(520, 420);
    applyLayout();
    textBox_->setFocus();
}

QString Cyingjianxinxi::text() const {
    QString edited = textBox_->toPlainText();
    edited.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return edited;
}

void Cyingjianxinxi::applyLayout() {
    // The text box fills the client area above a 40-pixel band holding the buttons.
    const int bandTop = height() - kBandHeight;
    textBox_->setGeometry(0, 0, width(), bandTop);
    buttons_->setGeometry(kBandMargin, bandTop, width() - 2 * kBandMargin, kBandHeight);
}

void Cyingjianxinxi::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    applyLayout();
}

}  // namespace lumio
