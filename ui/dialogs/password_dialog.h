#pragma once
// Cjiami_dlg: the password dialog of 设备加密 and 设备解密 (dialog 150, caption "请输入密码"). In
// encrypt mode the password is typed twice and the two must match; in decrypt mode the confirmation
// edit and its label are hidden.
#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;

namespace lumio {

class Prompter;

class Cjiami_dlg : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Decrypt = 0, Encrypt = 1 };

    Cjiami_dlg(Mode mode, Prompter& prompter, QWidget* parent = nullptr);

    Mode mode() const { return mode_; }
    // The password as typed (the request carries it as GBK bytes).
    QString password() const;
    QLineEdit* passwordEdit() const { return password_; }        // edit 1027
    QLineEdit* confirmationEdit() const { return confirmation_; }  // edit 1066

public slots:
    // OK: in encrypt mode two different texts give "两次输入不一致，请重新输入！" and the dialog stays.
    void accept() override;

private:
    const Mode mode_;
    Prompter& prompter_;
    QLineEdit* password_ = nullptr;
    QLabel* confirmationLabel_ = nullptr;  // label 1065
    QLineEdit* confirmation_ = nullptr;
};

}  // namespace lumio
