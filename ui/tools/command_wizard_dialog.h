#pragma once
// Czhilingshengchengqi: the relay-board command wizard (dialog 131, captioned by the edition). A modal
// dialog, built anew each time, that composes the 8-byte commands of the relay boards from the user's
// choices (core/link/wizard_frames.h), shows them as hexadecimal text and can send that text.
#include <QDialog>
#include <QMap>
#include <optional>

#include "core/link/wizard_frames.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lumio {

class Prompter;
class ToolLink;

class Czhilingshengchengqi : public QDialog {
    Q_OBJECT
public:
    Czhilingshengchengqi(ToolLink& link, Prompter& prompter, QWidget* parent = nullptr);

    // The resource id's control (1022 address list, 1023 operation list, ...), or null.
    QWidget* control(int id) const { return controls_.value(id); }
    // The labels of the operation and reply lists (they have no id of their own).
    QLabel* operationLabel() const { return operationLabel_; }
    QString outputText() const;

public slots:
    void operationChanged();
    void showHelp();
    void compose();
    void send();

private:
    std::optional<WizardOperation> selectedOperation() const;
    WizardChoice choice() const;

    ToolLink& link_;
    Prompter& prompter_;
    QMap<int, QWidget*> controls_;
    QLabel* addressLabel_ = nullptr;
    QComboBox* address_ = nullptr;
    QLabel* operationLabel_ = nullptr;
    QComboBox* operation_ = nullptr;
    QLabel* channelLabel_ = nullptr;
    QComboBox* channel_ = nullptr;
    QLabel* parameterLabel_ = nullptr;
    QLineEdit* parameter_ = nullptr;
    QLabel* replyLabel_ = nullptr;
    QComboBox* reply_ = nullptr;
    QPlainTextEdit* output_ = nullptr;
};

}  // namespace lumio
