#pragma once
// Cyingjianxinxi: the information dialog, a text box over a band with "确定" and "取消". In its
// names-text mode it shows the names text for the user to read and edit; confirming hands the
// edited text back.
#include <QDialog>
#include <QString>

class QDialogButtonBox;
class QPlainTextEdit;
class QPushButton;

namespace lumio {

class Cyingjianxinxi : public QDialog {
    Q_OBJECT
public:
    enum class Mode { NamesText = 2 };

    // `text` is shown with its CR LF line ends as lines.
    Cyingjianxinxi(Mode mode, const QString& title, const QString& text, QWidget* parent = nullptr);

    Mode mode() const { return mode_; }
    // The text as it stands in the box, every line ended by CR LF as it was given.
    QString text() const;
    QPlainTextEdit* textBox() const { return textBox_; }
    QPushButton* confirmButton() const { return confirm_; }
    QPushButton* cancelButton() const { return cancel_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyLayout();

    const Mode mode_;
    QPlainTextEdit* textBox_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    QPushButton* confirm_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace lumio
