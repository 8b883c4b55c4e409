#pragma once
// SimProcess: lumio-board-sim started as a real process for a test, listening on 127.0.0.1 (a free
// port) and on a pseudo-terminal. Waits, with a bound, for the first line that says where.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace lumio::test {

class SimProcess {
public:
    SimProcess() = default;
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // Starts the simulator with `arguments` beside --tcp 0 --pty; false (with the reason in error())
    // when it did not say where it listens within 10 s.
    bool start(const QStringList& arguments = {});
    // Ends it at once, as a crash or a pulled cable would.
    void kill();

    std::uint16_t tcpPort() const { return tcpPort_; }
    QString tcpTarget() const { return QStringLiteral("127.0.0.1:%1").arg(tcpPort_); }
    QString ptyPath() const { return ptyPath_; }
    QString error() const { return error_; }

private:
    QProcess process_;
    std::uint16_t tcpPort_ = 0;
    QString ptyPath_;
    QString error_;
};

// The built programs, given by the build as compile definitions.
QString simProgram();
QString cliProgram();

}  // namespace lumio::test
