#include "ui/dialogs/about_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/app/app_icon.h"

namespace lumio {

CAboutDlg::CAboutDlg(const QString& titleText, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8("关于 ") + titleText);
    setObjectName(QStringLiteral("aboutDialog"));
    auto* icon = new QLabel(this);
    icon->setPixmap(appIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);
    auto* text = new QLabel(this);
    text->setObjectName(QStringLiteral("aboutText"));
    text->setTextFormat(Qt::PlainText);
    text->setText(titleText + QStringLiteral("\n") + QString::fromUtf8("版本 ") + QStringLiteral(LUMIO_VERSION) +
                  QStringLiteral("\n\n") + QString::fromUtf8("Lumio 继电器与 IO 控制板的编程工具"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8("确定"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(360, 0)));
}

}  // namespace lumio
