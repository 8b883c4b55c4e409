#include "tests/e2e/link_support.h"

#include <QSignalSpy>
#include <QTest>

#include "tests/e2e/wait_until.h"

namespace lumio::test {

LinkUnderTest::LinkUnderTest() : link_(std::make_unique<DeviceLink>()) {
    DeviceLink* link = link_.get();
    QObject::connect(link, &DeviceLink::messageShown, link, [this](const QString& text, const QString&) { record_.messages << text; });
    QObject::connect(link, &DeviceLink::noteShown, link, [this](const QString& text) { record_.notes << text; });
    QObject::connect(link, &DeviceLink::operationEnded, link,
                     [this](LinkOperation operation, Outcome outcome) { record_.ended << Ended{operation, outcome}; });
    QObject::connect(link, &DeviceLink::imageRead, link, [this](const QByteArray& image) { record_.images << image; });
    QObject::connect(link, &DeviceLink::reportOpened, link,
                     [this](int, const QByteArray&, const QString& text) { record_.reports << text; });
    QObject::connect(link, &DeviceLink::codeLearned, link,
                     [this](RemoteCodeKind, const QByteArray& code) { record_.learned << code; });
    QObject::connect(link, &DeviceLink::verified, link, [this](bool ok, qint64, const QString& text) {
        record_.verified << text;
        record_.verifiedOk = ok;
    });
    QObject::connect(link, &DeviceLink::linkLost, link, [this] { ++record_.lost; });
    QObject::connect(link, &DeviceLink::connectFailed, link, [this] { ++record_.connectFailures; });
    QObject::connect(link, &DeviceLink::progressChanged, link,
                     [this](quint32, quint32 position) { record_.lastProgress = position; });
}

bool LinkUnderTest::open(const SimProcess& sim, Pipe pipe, std::uint32_t baud) {
    LinkSettings settings;
    settings.mode = pipe == Pipe::Tcp ? 1 : 0;
    settings.ipText = "127.0.0.1";
    settings.tcpPort = sim.tcpPort();
    link_->setSettings(settings, sim.ptyPath());
    link_->setSerialBaud(baud);
    if (pipe == Pipe::Pty) return link_->openSerial();
    link_->connectNetwork();
    return lumio::test::waitUntil([this] { return link_->isNetworkConnected() || record_.connectFailures > 0; }, 5000) &&
           link_->isNetworkConnected();
}

QString LinkUnderTest::waitForEnd(LinkOperation operation, int milliseconds) {
    std::optional<Outcome> outcome;
    const bool ended = lumio::test::waitUntil(
        [&] {
            for (const Ended& each : record_.ended)
                if (each.operation == operation) outcome = each.outcome;
            return outcome.has_value();
        },
        milliseconds);
    return ended && outcome ? QString::fromLatin1(outcomeName(*outcome)) : QStringLiteral("not ended");
}

}  // namespace lumio::test
