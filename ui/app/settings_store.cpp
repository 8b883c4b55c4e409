#include "ui/app/settings_store.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QtDebug>

namespace lumio {
namespace {

Bytes readProfile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

}  // namespace

QString settingsPath() {
    static const QString path = QDir::current().filePath(QString::fromLatin1(kSettingsFileName));
    return path;
}

LinkSettings SettingsStore::load() const { return readLinkSettings(readProfile(path_)); }

bool SettingsStore::write(const std::vector<SettingsWrite>& writes, QString* failure) const {
    if (writes.empty()) return true;
    const Bytes profile = applySettingsWrites(readProfile(path_), writes);
    QSaveFile file(path_);
    if (file.open(QIODevice::WriteOnly) &&
        file.write(profile.data(), static_cast<qint64>(profile.size())) == static_cast<qint64>(profile.size()) &&
        file.commit())
        return true;
    qWarning().noquote() << "settings not saved:" << path_ << file.errorString();
    if (failure)
        *failure = QString::fromUtf8("无法写入文件：%1\n%2").arg(QDir::toNativeSeparators(path_), file.errorString());
    return false;
}

}  // namespace lumio
