#pragma once
// The settings file zt_lumio.ini in the working directory: read once at start-up, written only when the
// settings dialog is confirmed with a change. The file's format and rules are core's
// (core/settings/link_settings.h); this class only moves its bytes.
#include <QString>
#include <vector>

#include "core/settings/link_settings.h"

namespace lumio {

// The full path of the settings file: the working directory when first asked, then the file name.
// Computed once and kept for the rest of the run.
QString settingsPath();

class SettingsStore {
public:
    explicit SettingsStore(QString path = settingsPath()) : path_(std::move(path)) {}

    const QString& path() const { return path_; }

    // The settings the file holds; the defaults when there is no file (which is not created).
    LinkSettings load() const;

    // Writes the keys into the file, keeping everything else it holds, by replacing the whole file at
    // once. False when the file could not be written: a line on the standard error says why, and
    // `failure` receives the user's text.
    [[nodiscard]] bool write(const std::vector<SettingsWrite>& writes, QString* failure = nullptr) const;

private:
    QString path_;
};

}  // namespace lumio
