#include "tests/e2e/sim_process.h"

#include <QDeadlineTimer>
#include <QRegularExpression>

namespace lumio::test {

QString simProgram() { return QStringLiteral(LUMIO_SIM_PROGRAM); }
QString cliProgram() { return QStringLiteral(LUMIO_CLI_PROGRAM); }

SimProcess::~SimProcess() { kill(); }

bool SimProcess::start(const QStringList& arguments) {
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.start(simProgram(), QStringList{QStringLiteral("--tcp"), QStringLiteral("0"), QStringLiteral("--pty")} + arguments);
    if (!process_.waitForStarted(10000)) {
        error_ = process_.errorString();
        return false;
    }
    const QDeadlineTimer deadline(10000);
    while (!process_.canReadLine()) {
        if (deadline.hasExpired() || !process_.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            error_ = QStringLiteral("no listening line: ") + QString::fromUtf8(process_.readAllStandardError());
            return false;
        }
    }
    const QString line = QString::fromUtf8(process_.readLine()).trimmed();
    const auto match = QRegularExpression(QStringLiteral(R"(tcp 127\.0\.0\.1:(\d+) pty (\S+))")).match(line);
    if (!match.hasMatch()) {
        error_ = QStringLiteral("unexpected first line: ") + line;
        return false;
    }
    tcpPort_ = static_cast<std::uint16_t>(match.captured(1).toUInt());
    ptyPath_ = match.captured(2);
    return true;
}

void SimProcess::kill() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished(10000);
}

}  // namespace lumio::test
