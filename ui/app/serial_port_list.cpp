#include "ui/app/serial_port_list.h"

#include <QCollator>
#include <QSerialPortInfo>
#include <algorithm>

#include "core/settings/serial_ports.h"
#include "core/text/gbk.h"

namespace lumio {

PortNaming platformPortNaming() {
#ifdef Q_OS_WIN
    return PortNaming::Numbered;
#else
    return PortNaming::DevicePaths;
#endif
}

std::vector<std::string> presentSerialDevices() {
    if (platformPortNaming() == PortNaming::Numbered) return {};
    QStringList paths;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) paths.push_back(port.systemLocation());
    // ttyS2 before ttyS10.
    QCollator collator;
    collator.setNumericMode(true);
    std::sort(paths.begin(), paths.end(), collator);
    paths.removeDuplicates();
    std::vector<std::string> devices;
    for (const QString& path : paths) devices.push_back(toGbk(path.toStdString()));
    return devices;
}

QStringList serialPortEntries(const LinkSettings& current, PortNaming naming) {
    QStringList entries;
    for (const std::string& name : serialPortChoices(current, naming, presentSerialDevices()))
        entries.push_back(QString::fromStdString(toUtf8(name)));
    return entries;
}

}  // namespace lumio
