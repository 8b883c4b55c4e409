#include "apps/cli/link_job.h"

#include <QCoreApplication>
#include <cstdio>

#include "core/text/gbk.h"
#include "apps/cli/terminal_io.h"

namespace lumio::cli {
namespace {

void printLine(std::FILE* stream, const QString& line) {
    std::fprintf(stream, "%s\n", line.toUtf8().constData());
    std::fflush(stream);
}

DeviceSessionConfig sessionConfig(const LinkOptions& options) {
    DeviceSessionConfig config;
    config.moduleAddress = options.address;
    return config;
}

}  // namespace

LinkJob::LinkJob(const LinkOptions& options, int defaultTimeoutSeconds)
    : options_(options), link_(sessionConfig(options)), deadline_(this) {
    LinkSettings settings;
    settings.mode = options.isNetwork() ? 1 : 0;
    settings.ipText = toGbk(options.tcpHost);
    settings.tcpPort = options.tcpPort;
    link_.setSettings(settings, QString::fromStdString(options.serialDevice));
    link_.setSerialBaud(options.baud);
    link_.setModuleAddress(options.address);
    progressOnTerminal_ = isTerminal(stderr);

    const int seconds = options.timeoutSeconds != 0 ? options.timeoutSeconds : defaultTimeoutSeconds;
    deadline_.setSingleShot(true);
    if (seconds > 0) {
        connect(&deadline_, &QTimer::timeout, this, [this, seconds] {
            fail(QStringLiteral("no answer from the board at address %1 within %2 s")
                     .arg(options_.address)
                     .arg(seconds));
        });
        deadline_.setInterval(seconds * 1000);
    }
    connect(&link_, &DeviceLink::connectFailed, this, [this](const QString& reason) {
        fail(QStringLiteral("cannot connect to %1: 建立连接失败 (%2)").arg(QString::fromStdString(options_.where()), reason));
    });
    connect(&link_, &DeviceLink::linkLost, this, [this](const QString& reason) {
        fail(QStringLiteral("link to %1 lost: %2").arg(QString::fromStdString(options_.where()), reason));
    });
    connect(&link_, &DeviceLink::messageShown, this, [this](const QString& text, const QString&) {
        lastMessage_ = text;
        if (echoMessages_) printLine(stderr, text);
    });
    connect(&link_, &DeviceLink::noteShown, this, [](const QString& text) { printLine(stderr, text); });
    connect(&link_, &DeviceLink::progressChanged, this, &LinkJob::showProgress);
}

int LinkJob::run(const std::function<void()>& start) {
    if (deadline_.interval() > 0) deadline_.start();
    if (options_.isNetwork()) {
        connect(&link_, &DeviceLink::networkConnected, this, [start] { start(); });
        link_.connectNetwork();
    } else if (!link_.openSerial()) {
        fail(QStringLiteral("cannot open serial port %1").arg(QString::fromStdString(options_.serialDevice)));
    } else {
        QTimer::singleShot(0, this, [start] { start(); });
    }
    if (!finished_) QCoreApplication::exec();
    link_.closeAll();
    return exitCode_;
}

void LinkJob::succeed() {
    if (finished_) return;
    finished_ = true;
    exitCode_ = 0;
    QCoreApplication::exit(0);
}

void LinkJob::fail(const QString& reason) {
    if (finished_) return;
    finished_ = true;
    exitCode_ = 1;
    if (progressOnTerminal_ && lastTenth_ >= 0) std::fputc('\n', stderr);
    printLine(stderr, QStringLiteral("lumio: %1").arg(reason));
    QCoreApplication::exit(1);
}

void LinkJob::print(const QString& line) { printLine(stdout, line); }

void LinkJob::finishOn(LinkOperation operation, const QString& what, const std::function<void()>& onCompleted) {
    connect(&link_, &DeviceLink::operationEnded, this, [this, operation, what, onCompleted](LinkOperation ended, Outcome outcome) {
        if (ended != operation) return;
        if (outcome == Outcome::Completed) {
            onCompleted();
            return;
        }
        const QString why = lastMessage_.isEmpty() ? QString::fromLatin1(outcomeName(outcome)) : lastMessage_;
        fail(QStringLiteral("%1 failed: %2").arg(what, why));
    });
}

void LinkJob::showProgress(quint32 range, quint32 position) {
    if (range == 0 || finished_) return;
    if (progressOnTerminal_) {
        if (position == 0 && lastTenth_ >= 0) {  // the transfer ended: keep the bar, start a new line
            std::fputc('\n', stderr);
            lastTenth_ = -1;
            return;
        }
        constexpr int kWidth = 40;
        const int filled = static_cast<int>(std::uint64_t{position} * kWidth / range);
        std::fprintf(stderr, "\r[%s%s] %u/%u blocks", std::string(static_cast<size_t>(filled), '#').c_str(),
                     std::string(static_cast<size_t>(kWidth - filled), ' ').c_str(), position, range);
        std::fflush(stderr);
        lastTenth_ = 0;
        return;
    }
    // Plain lines for logs: one for each tenth of the way.
    const int tenth = static_cast<int>(std::uint64_t{position} * 10 / range);
    if (tenth == lastTenth_ || position == 0) return;
    lastTenth_ = tenth;
    printLine(stderr, QStringLiteral("%1/%2 blocks").arg(position).arg(range));
}

}  // namespace lumio::cli
