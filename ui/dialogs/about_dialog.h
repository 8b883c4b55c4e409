#pragma once
// CAboutDlg: the About box.
#include <QDialog>

namespace lumio {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    CAboutDlg(const QString& titleText, QWidget* parent = nullptr);
};

}  // namespace lumio
