#include "ui/dialogs/password_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/app/prompter.h"

namespace lumio {

Cjiami_dlg::Cjiami_dlg(Mode mode, Prompter& prompter, QWidget* parent)
    : QDialog(parent), mode_(mode), prompter_(prompter) {
    setObjectName(QStringLiteral("Cjiami_dlg"));
    setWindowTitle(QString::fromUtf8("请输入密码"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* form = new QFormLayout(this);
    password_ = new QLineEdit(this);
    password_->setObjectName(QStringLiteral("passwordEdit"));
    password_->setEchoMode(QLineEdit::Password);
    password_->setProperty("resourceId", 1027);
    form->addRow(QString::fromUtf8("密码："), password_);

    confirmationLabel_ = new QLabel(QString::fromUtf8("确认密码："), this);
    confirmationLabel_->setProperty("resourceId", 1065);
    confirmation_ = new QLineEdit(this);
    confirmation_->setObjectName(QStringLiteral("confirmationEdit"));
    confirmation_->setEchoMode(QLineEdit::Password);
    confirmation_->setProperty("resourceId", 1066);
    form->addRow(confirmationLabel_, confirmation_);
    const bool encrypt = mode == Mode::Encrypt;
    confirmationLabel_->setVisible(encrypt);
    confirmation_->setVisible(encrypt);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &Cjiami_dlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    password_->setFocus();
}

QString Cjiami_dlg::password() const { return password_->text(); }

void Cjiami_dlg::accept() {
    if (mode_ == Mode::Encrypt && password_->text() != confirmation_->text()) {
        prompter_.inform(QString::fromUtf8("两次输入不一致，请重新输入！"), QString());
        return;
    }
    QDialog::accept();
}

}  // namespace lumio
