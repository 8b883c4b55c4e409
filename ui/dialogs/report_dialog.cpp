#include "ui/dialogs/report_dialog.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>

namespace lumio {
namespace {

constexpr int kBandHeight = 40;
constexpr int kButtonWidth = 100;
constexpr int kCancelX = 200;

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
    textBox_->setReadOnly(mode != Mode::NamesText);

    confirm_ = new QPushButton(QString::fromUtf8("确定"), this);  // 1048
    confirm_->setObjectName(QStringLiteral("confirmButton"));
    confirm_->setAutoDefault(false);
    cancel_ = new QPushButton(QString::fromUtf8("取消"), this);  // 1049
    cancel_->setObjectName(QStringLiteral("cancelButton"));
    cancel_->setAutoDefault(false);
    connect(confirm_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

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
    // The text box fills the client area above a 40-pixel band holding the two buttons.
    const int bandTop = height() - kBandHeight;
    textBox_->setGeometry(0, 0, width(), bandTop);
    confirm_->setGeometry(0, bandTop, kButtonWidth, kBandHeight);
    cancel_->setGeometry(kCancelX, bandTop, kButtonWidth, kBandHeight);
}

void Cyingjianxinxi::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    applyLayout();
}

}  // namespace lumio
