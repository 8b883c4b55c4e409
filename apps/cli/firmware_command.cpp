// lumio firmware: replaces the processor firmware of the board with the image for the chip it names.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "apps/cli/commands.h"
#include "apps/cli/link_app.h"
#include "apps/cli/link_job.h"
#include "core/link/firmware_library.h"
#include "core/link/firmware_texts.h"
#include "core/settings/link_settings.h"
#include "core/text/gbk.h"

namespace lumio::cli {
namespace {

std::string gbkOf(const QString& text) { return toGbk(text.toStdString()); }

// Asks on standard error; true for an answer starting with y. End of input is No.
bool askYes(const QString& question) {
    std::fprintf(stderr, "%s [y/N] ", question.toUtf8().constData());
    std::fflush(stderr);
    std::string answer;
    if (!std::getline(std::cin, answer)) return false;
    return !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y');
}

std::filesystem::path pathOf(const QString& text) { return std::filesystem::path(text.toStdU16String()); }

// --image-dir first, then the settings file of the working directory, then "firmware" beside the program.
std::vector<std::filesystem::path> imageFolders(const std::string& imageDir) {
    std::vector<std::filesystem::path> folders;
    if (!imageDir.empty()) folders.push_back(pathOf(QString::fromStdString(imageDir)));
    QFile settings(QString::fromLatin1(kSettingsFileName.data(), static_cast<int>(kSettingsFileName.size())));
    if (settings.open(QIODevice::ReadOnly)) folders.push_back(firmwareFolderSetting(settings.readAll().toStdString()));
    folders.push_back(pathOf(QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(kFirmwareFolderName.data()))));
    return folders;
}

}  // namespace

int runFirmware(const Arguments& arguments) {
    const auto options = parseLinkOptions(arguments);
    if (!options) return usageError("firmware", options.error());
    std::string imageDir;
    bool fast = false;
    bool yes = false;
    for (size_t index = 0; index < options->rest.size(); ++index) {
        const std::string& argument = options->rest[index];
        if (argument == "--fast") {
            fast = true;
        } else if (argument == "--yes") {
            yes = true;
        } else if (argument == "--image-dir" && index + 1 < options->rest.size()) {
            imageDir = options->rest[++index];
        } else {
            return usageError("firmware", "unexpected argument '" + argument + "'");
        }
    }
    linkApplication();
    if (!yes && !askYes(fromGbkText(firmwareQuestionText()))) {
        std::fprintf(stderr, "lumio: firmware upgrade not started\n");
        return 1;
    }
    const FirmwareCatalog catalog = loadFirmwareCatalog(imageFolders(imageDir));
    // No overall bound: the session ends a stalled upgrade itself after 3 s without a reply.
    LinkJob job(*options, 0);
    job.finishOn(LinkOperation::FirmwareUpgrade, QStringLiteral("firmware upgrade"), [&job] { job.succeed(); });
    QObject::connect(&job.link(), &DeviceLink::firmwareConfirmationAsked, &job,
                     [&job, yes](const QString& chip, const QString& source, quint32 size) {
                         const QString text = fromGbkText(firmwareConfirmText(gbkOf(chip), gbkOf(source), size));
                         std::fprintf(stderr, "%s\n", QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toUtf8().constData());
                         job.link().confirmFirmware(yes || askYes(QStringLiteral("send it?")));
                     });
    return job.run([&job, fast, catalog] {
        job.link().firmwareUpgrade(fast ? FirmwareRate::Fast : FirmwareRate::Configured, catalog);
    });
}

}  // namespace lumio::cli
