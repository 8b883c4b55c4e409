// lumio read OUT.zt5 and lumio write FILE [--verify]: the whole program between a file and a board.
#include <QSaveFile>
#include <cstdio>

#include "apps/cli/commands.h"
#include "apps/cli/link_app.h"
#include "apps/cli/link_job.h"
#include "core/model/program_files.h"
#include "core/platform/file_io.h"
#include "core/text/gbk.h"

namespace lumio::cli {

int runRead(const Arguments& arguments) {
    const auto options = parseLinkOptions(arguments);
    if (!options) return usageError("read", options.error());
    if (options->rest.size() != 1) return usageError("read", "name one output file");
    const QString path = QString::fromStdString(options->rest[0]);
    linkApplication();
    LinkJob job(*options, 0);
    QByteArray image;
    QObject::connect(&job.link(), &DeviceLink::imageRead, &job, [&image](const QByteArray& bytes) { image = bytes; });
    job.finishOn(LinkOperation::ReadAll, QStringLiteral("read"), [&] {
        // Replaced atomically: a failed write never leaves half a file behind.
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size() || !file.commit()) {
            job.fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
            return;
        }
        std::fprintf(stderr, "read %lld bytes into %s\n", static_cast<long long>(image.size()), path.toUtf8().constData());
        job.succeed();
    });
    return job.run([&job] { job.link().readAll(); });
}

int runWrite(const Arguments& arguments) {
    const auto options = parseLinkOptions(arguments);
    if (!options) return usageError("write", options.error());
    Arguments files;
    bool verify = false;
    for (const std::string& argument : options->rest) {
        if (argument == "--verify") {
            verify = true;
        } else {
            files.push_back(argument);
        }
    }
    if (files.size() != 1) return usageError("write", "name one program file");
    const auto image = readProgramFile(files[0]);
    if (!image) {
        if (image.error().error == FileError::Unreadable && image.error().io) {
            std::fprintf(stderr, "lumio: %s\n", describeFailure(*image.error().io).c_str());
        } else {
            const UserMessage message = programFileMessage(image.error());
            std::fprintf(stderr, "lumio: %s: refused: %s%s\n", files[0].c_str(), fileErrorName(image.error().error),
                         message.text.empty() ? "" : (" (" + toUtf8(message.text) + ")").c_str());
        }
        return 2;
    }
    linkApplication();
    LinkJob job(*options, 0);
    job.finishOn(LinkOperation::WriteAll, QStringLiteral("write"), [&job, verify] {
        if (!verify) job.succeed();
    });
    if (verify) {
        QObject::connect(&job.link(), &DeviceLink::verified, &job, [&job](bool ok, qint64, const QString& text) {
            if (ok) {
                std::fprintf(stderr, "%s\n", text.toUtf8().constData());
                job.succeed();
            } else {
                job.fail(text);
            }
        });
    }
    return job.run([&job, &image, verify] {
        job.link().writeAll(*image, verify);
        // Refused before anything was sent (too large, empty): the message says why.
        if (job.link().operation() != LinkOperation::WriteAll) job.fail(job.lastMessage());
    });
}

}  // namespace lumio::cli
