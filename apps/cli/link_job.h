#pragma once
// LinkJob: one device command run from the command line. It opens the link, starts the command once the
// link is up, shows progress and the board's messages on standard error, bounds the wait, and turns the
// outcome into the exit code: 0 only when the command says the board confirmed everything, 1 with a
// one-line reason on a board or link failure.
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

#include "apps/cli/link_options.h"
#include "core/text/gbk.h"
#include "link/device_link.h"

namespace lumio::cli {

// A GBK text of the core as a QString.
inline QString fromGbkText(const std::string& gbk) { return QString::fromStdString(toUtf8(gbk)); }

class LinkJob final : public QObject {
    Q_OBJECT
public:
    // `defaultTimeoutSeconds` applies when the options give none; 0 leaves the bound to the session.
    LinkJob(const LinkOptions& options, int defaultTimeoutSeconds);

    DeviceLink& link() { return link_; }
    // Runs the event loop: opens the link, calls `start` once it is up, returns the exit code.
    int run(const std::function<void()>& start);

    // Ends the job with exit code 0.
    void succeed();
    // Ends the job with exit code 1; prints "lumio: <reason>" to standard error.
    void fail(const QString& reason);
    // A result line on standard output.
    static void print(const QString& line);
    // The last message the board's answer produced ("数据出错", "加密成功", ...).
    QString lastMessage() const { return lastMessage_; }

    // Ends the job on `operation` ending: failed ("<what> failed: <message>") unless it completed;
    // `onCompleted` decides then.
    void finishOn(LinkOperation operation, const QString& what, const std::function<void()>& onCompleted);
    // Whether the board's messages are echoed on standard error (transfers: yes; a command that prints
    // the answer itself: no).
    void setEchoMessages(bool echo) { echoMessages_ = echo; }

private:
    void showProgress(quint32 range, quint32 position);

    const LinkOptions options_;
    DeviceLink link_;
    QTimer deadline_;
    QString lastMessage_;
    int exitCode_ = 1;
    bool finished_ = false;
    bool progressOnTerminal_ = false;
    bool echoMessages_ = true;
    int lastTenth_ = -1;
};

}  // namespace lumio::cli
