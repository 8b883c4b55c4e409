#pragma once
// CCom_Dlg: the communication settings dialog (serial or network link, serial port, baud rate, board
// address and TCP port, the two auto-open flags). OK with a change takes the edited values over and
// writes them to the settings file; OK without a change and Cancel write nothing. What the link does
// after OK is the caller's.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "core/settings/link_settings.h"
#include "ui/app/serial_port_list.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace lumio {

class SettingsStore;

class Prompter;

class CCom_Dlg : public QDialog {
    Q_OBJECT

public:
    using DeviceLister = std::function<std::vector<std::string>()>;

    CCom_Dlg(const LinkSettings& current, const SettingsStore& store, QWidget* parent = nullptr,
             PortNaming naming = platformPortNaming(), DeviceLister listDevices = presentSerialDevices);

    // The values the fields show now, applied to the current settings: a list without a selection, an
    // untouched port list and a port field that holds no valid port leave the current value.
    LinkSettings editedSettings() const;

    // The settings in force: after OK the edited values when they differ, else the current ones.
    const LinkSettings& settings() const { return settings_; }

    // True when OK found a change: the edited values were taken over and written to the settings file.
    bool changed() const { return changed_; }

    // A failed settings write is reported through `prompter` (not owned); without one, in a message box.
    void setPrompter(Prompter* prompter) { prompter_ = prompter; }

    void accept() override;

private:
    void buildLayout();
    void fill();
    void updateEnabling();
    bool portFieldValid() const;

    LinkSettings settings_;
    const SettingsStore& store_;
    PortNaming naming_;
    bool changed_ = false;
    Prompter* prompter_ = nullptr;

    QRadioButton* serialRadio_;
    QRadioButton* networkRadio_;
    QLabel* portLabel_;
    QComboBox* portList_;
    QLabel* baudLabel_;
    QComboBox* baudList_;
    QLabel* ipLabel_;
    QLineEdit* ipEdit_;
    QLabel* tcpPortLabel_;
    QLineEdit* tcpPortEdit_;
    QCheckBox* autoOpenPortBox_;
    QCheckBox* autoOpenFileBox_;
    QDialogButtonBox* buttons_;
};

}  // namespace lumio
