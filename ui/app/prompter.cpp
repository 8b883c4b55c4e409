#include "ui/app/prompter.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

namespace lumio {

FileFilter fileFilterFrom(const QString& pattern) {
    // Pairs of description and pattern, separated by '|', ended by "||".
    const QStringList parts = pattern.split('|', Qt::SkipEmptyParts);
    QStringList descriptions;
    for (qsizetype i = 0; i < parts.size(); i += 2) descriptions << parts[i];
    FileFilter result;
    result.filter = descriptions.join(QStringLiteral(";;"));
    if (parts.size() > 1 && parts[1].startsWith(QStringLiteral("*.")) && parts[1] != QStringLiteral("*.*"))
        result.defaultSuffix = parts[1].mid(2);
    return result;
}

namespace {

// The caption says how grave a message is: "错误" reports a failure, "警告" (also as in "警告 目标地址%u")
// asks before something is lost or warns; other messages keep the icon of their kind.
QMessageBox::Icon iconFor(const QString& caption, QMessageBox::Icon otherwise) {
    if (caption.startsWith(QString::fromUtf8("错误"))) return QMessageBox::Critical;
    if (caption.startsWith(QString::fromUtf8("警告"))) return QMessageBox::Warning;
    return otherwise;
}

// A message without caption text shows an empty title bar. Window systems put the program's name in
// a title that is empty, so the title is one space.
QString titleFor(const QString& caption) { return caption.isEmpty() ? QStringLiteral(" ") : caption; }

QMessageBox::StandardButton runBox(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                   const QString& caption, QMessageBox::StandardButtons buttons,
                                   QMessageBox::StandardButton defaultButton) {
    QMessageBox box(iconFor(caption, icon), titleFor(caption), text, buttons, parent);
    box.setDefaultButton(defaultButton);
    // The texts of the buttons as the rest of the editor speaks, whatever translations are installed.
    const struct {
        QMessageBox::StandardButton button;
        const char* text;
    } labels[] = {{QMessageBox::Ok, "确定"}, {QMessageBox::Yes, "是(&Y)"}, {QMessageBox::No, "否(&N)"},
                  {QMessageBox::Cancel, "取消"}};
    for (const auto& label : labels)
        if (QAbstractButton* button = box.button(label.button)) button->setText(QString::fromUtf8(label.text));
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString runFileDialog(QWidget* parent, QFileDialog::AcceptMode mode, const FileFilter& filter, const QString& folder) {
    QFileDialog dialog(parent, QString(), folder, filter.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (mode == QFileDialog::AcceptSave) dialog.setDefaultSuffix(filter.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

void WidgetPrompter::inform(const QString& text, const QString& caption) {
    runBox(parent_, QMessageBox::Information, text, caption, QMessageBox::Ok, QMessageBox::Ok);
}

bool WidgetPrompter::askYesNo(const QString& text, const QString& caption) {
    return runBox(parent_, QMessageBox::Question, text, caption, QMessageBox::Yes | QMessageBox::No,
                  QMessageBox::Yes) == QMessageBox::Yes;
}

Prompter::Answer WidgetPrompter::askYesNoCancel(const QString& text, const QString& caption) {
    switch (runBox(parent_, QMessageBox::Warning, text, caption,
                   QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

QString WidgetPrompter::openFileName(const FileFilter& filter, const QString& folder) {
    return runFileDialog(parent_, QFileDialog::AcceptOpen, filter, folder);
}

QString WidgetPrompter::saveFileName(const FileFilter& filter, const QString& folder) {
    return runFileDialog(parent_, QFileDialog::AcceptSave, filter, folder);
}

bool confirmDeleteSelection(Prompter& prompter, int lowestSelected) {
    if (lowestSelected < 0) {
        prompter.inform(QString::fromUtf8("您没有选择信息！"), QString::fromUtf8("注意："));
        return false;
    }
    return prompter.askYesNo(QString::fromUtf8("确认要删除吗？"), QString::fromUtf8("警告"));
}

bool confirmDeleteAll(Prompter& prompter) {
    return prompter.askYesNo(QString::fromUtf8("确认要删除全部信息吗？"), QString::fromUtf8("警告"));
}

}  // namespace lumio
