#pragma once
// A DeviceLink pointed at a running simulator over TCP or its pseudo-terminal, and the signals a test
// waits on, recorded.
#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>

#include "link/device_link.h"
#include "tests/e2e/sim_process.h"

namespace lumio::test {

enum class Pipe { Tcp, Pty };

struct Ended {
    LinkOperation operation;
    Outcome outcome;
};

// Everything the link said, in order of arrival.
struct LinkRecord {
    QList<QString> messages;
    QList<QString> notes;
    QList<Ended> ended;
    QList<QByteArray> images;
    QList<QString> reports;
    QList<QByteArray> learned;
    QList<QString> verified;
    bool verifiedOk = false;
    int lost = 0;
    int connectFailures = 0;
    quint32 lastProgress = 0;
};

class LinkUnderTest {
public:
    LinkUnderTest();
    // Points the link at `sim` over `pipe` and opens it; false when it did not come up within 5 s.
    bool open(const SimProcess& sim, Pipe pipe, std::uint32_t baud = 115200);
    DeviceLink& link() { return *link_; }
    LinkRecord& record() { return record_; }
    // Waits (at most `milliseconds`) until `operation` has ended; the name of its outcome ("Completed"),
    // or "not ended".
    QString waitForEnd(LinkOperation operation, int milliseconds = 20000);

private:
    std::unique_ptr<DeviceLink> link_;
    LinkRecord record_;
};

}  // namespace lumio::test
