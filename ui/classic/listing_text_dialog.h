#pragma once
// CListingTextDlg: dialog 160, the listing shown as one text in a multi-line box with OK and Cancel.
// Closing it, either way, changes nothing. The same window, read-only, shows the change history.
#include <QDialog>

class QPlainTextEdit;

namespace lumio {

class CListingTextDlg : public QDialog {
    Q_OBJECT
public:
    CListingTextDlg(const QString& title, const QString& listing, QWidget* parent = nullptr);
    void setReadOnly(bool readOnly);
    QString text() const;

private:
    QPlainTextEdit* edit_ = nullptr;
};

}  // namespace lumio
