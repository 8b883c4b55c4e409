#include "ui/classic/listing_text_dialog.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/app/listing_font.h"

namespace lumio {

CListingTextDlg::CListingTextDlg(const QString& title, const QString& listing, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CListingTextDlg"));
    setProperty("resourceId", 160);
    setWindowTitle(title);
    edit_ = new QPlainTextEdit(this);
    edit_->setObjectName(QStringLiteral("listingText"));
    edit_->setFont(listingFont());
    edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit_->setPlainText(listing);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(edit_);
    layout->addWidget(buttons);
    resize(720, 520);
}

void CListingTextDlg::setReadOnly(bool readOnly) { edit_->setReadOnly(readOnly); }

QString CListingTextDlg::text() const { return edit_->toPlainText(); }

}  // namespace lumio
