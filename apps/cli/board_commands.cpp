// lumio clock, address, info, lock and unlock: the single-reply device commands.
#include <QFile>
#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <cstdio>
#include <optional>

#include "apps/cli/commands.h"
#include "apps/cli/link_app.h"
#include "apps/cli/link_job.h"
#include "apps/cli/terminal_io.h"
#include "core/link/link_texts.h"
#include "core/text/gbk.h"

namespace lumio::cli {
namespace {

// A board that has not answered a single request by then is taken as absent.
constexpr int kSingleReplySeconds = 10;

// The one flag a command takes beyond the link options; an error text for anything else.
std::optional<std::string> extraArguments(const Arguments& rest, const Arguments& allowed) {
    for (const std::string& argument : rest) {
        if (std::find(allowed.begin(), allowed.end(), argument) == allowed.end())
            return "unexpected argument '" + argument + "'";
    }
    return std::nullopt;
}

// Prints the board's answer to standard output and ends the job successfully.
void printAndSucceed(LinkJob& job, const QString& answer) {
    LinkJob::print(answer);
    job.succeed();
}

}  // namespace

int runClock(const Arguments& arguments) {
    const auto options = parseLinkOptions(arguments);
    if (!options) return usageError("clock", options.error());
    if (const auto error = extraArguments(options->rest, {"--set"})) return usageError("clock", *error);
    const bool set = !options->rest.empty();
    linkApplication();
    LinkJob job(*options, kSingleReplySeconds);
    job.setEchoMessages(false);
    job.finishOn(LinkOperation::ReadClock, QStringLiteral("reading the clock"), [&job] { printAndSucceed(job, job.lastMessage()); });
    return job.run([&job, set] {
        if (set) {
            // The board does not acknowledge a set clock; reading it back right after is the confirmation.
            const std::time_t now = std::time(nullptr);
            job.link().setClock(*std::localtime(&now));
        }
        job.link().readClock();
    });
}

int runAddress(const Arguments& arguments) {
    const auto options = parseLinkOptions(arguments);
    if (!options) return usageError("address", options.error());
    std::optional<std::uint8_t> newAddress;
    for (size_t index = 0; index < options->rest.size(); ++index) {
        if (options->rest[index] != "--set" || index + 1 >= options->rest.size())
            return usageError("address", "unexpected argument '" + options->rest[index] + "'");
        const std::string& value = options->rest[++index];
        char* end = nullptr;
        const unsigned long number = std::strtoul(value.c_str(), &end, 10);
        if (value.empty() || *end != '\0' || number > 255) return usageError("address", "bad address '" + value + "' (0..255)");
        newAddress = static_cast<std::uint8_t>(number);
    }
    linkApplication();
    LinkJob job(*options, kSingleReplySeconds);
    job.setEchoMessages(false);
    job.finishOn(LinkOperation::ReadAddress, QStringLiteral("reading the address"), [&job, newAddress] {
        const QString answer = job.lastMessage();
        if (newAddress && answer != fromGbkText(addressText(*newAddress))) {
            job.fail(QStringLiteral("the board did not take address %1: %2").arg(*newAddress).arg(answer));
            return;
        }
        printAndSucceed(job, answer);
    });
    return job.run([&job, newAddress] {
        if (newAddress) {
            // Every module on the line takes the address (within ten seconds of its power-up); reading it
            // back confirms it.
            job.link().setModuleAddress(*newAddress);
            job.link().writeAddress();
        }
        job.link().readAddress();
    });
}

int runInfo(const Arguments& arguments) {
    const auto options = parseLinkOptions(arguments);
    if (!options) return usageError("info", options.error());
    int report = 1;
    const Arguments& rest = options->rest;
    if (rest.size() == 2 && rest[0] == "--report" && (rest[1] == "1" || rest[1] == "2")) {
        report = rest[1] == "1" ? 1 : 2;
    } else if (!rest.empty()) {
        return usageError("info", "expected --report 1 or --report 2");
    }
    linkApplication();
    LinkJob job(*options, kSingleReplySeconds);
    job.setEchoMessages(false);
    QObject::connect(&job.link(), &DeviceLink::reportOpened, &job, [&job](int, const QByteArray&, const QString& text) {
        if (text.isEmpty()) {
            job.fail(QStringLiteral("the board's report is too short to show"));
            return;
        }
        QString plain = text;
        plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        while (plain.endsWith(QLatin1Char('\n'))) plain.chop(1);
        printAndSucceed(job, plain);
    });
    const LinkOperation operation = report == 1 ? LinkOperation::HardwareInfo : LinkOperation::HardwareInfo2;
    job.finishOn(operation, QStringLiteral("reading the report"), [] {});
    return job.run([&job, report] {
        if (report == 1) {
            job.link().hardwareInfo();
        } else {
            job.link().hardwareInfo2();
        }
    });
}

namespace {

// The password from --password-file (its first line) or typed at a prompt without echo; GBK like the
// editor sends it. Nothing when none could be had (the error is printed).
std::optional<Bytes> takePassword(const char* command, Arguments& rest, bool confirm) {
    std::string text;
    const auto option = std::find(rest.begin(), rest.end(), "--password-file");
    if (option != rest.end()) {
        if (option + 1 == rest.end()) {
            usageError(command, "--password-file needs a value");
            return std::nullopt;
        }
        QFile file(QString::fromStdString(*(option + 1)));
        if (!file.open(QIODevice::ReadOnly)) {
            usageError(command, "cannot read " + *(option + 1) + ": " + file.errorString().toStdString());
            return std::nullopt;
        }
        text = file.readLine().toStdString();
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        rest.erase(option, option + 2);
    } else {
        const auto typed = readHiddenLine("password: ");
        if (!typed) {
            usageError(command, "no password given");
            return std::nullopt;
        }
        if (confirm) {
            const auto again = readHiddenLine("password again: ");
            if (!again || *again != *typed) {
                usageError(command, "the two passwords differ");
                return std::nullopt;
            }
        }
        text = *typed;
    }
    if (text.empty()) {
        usageError(command, "the password is empty");
        return std::nullopt;
    }
    return toGbk(text);
}

int runPassword(const char* command, const Arguments& arguments, bool lock) {
    auto options = parseLinkOptions(arguments);
    if (!options) return usageError(command, options.error());
    const auto password = takePassword(command, options->rest, lock);
    if (!password) return 2;
    if (!options->rest.empty()) return usageError(command, "unexpected argument '" + options->rest[0] + "'");
    if (password->size() > kPasswordLimit) return usageError(command, "the password is longer than 100 bytes");
    linkApplication();
    LinkJob job(*options, kSingleReplySeconds);
    job.setEchoMessages(false);
    const LinkOperation operation = lock ? LinkOperation::Encrypt : LinkOperation::Decrypt;
    const QString success = fromGbkText(*passwordResultText(lock ? 0x0A : 0x0C));
    job.finishOn(operation, QString::fromLatin1(command), [&job, success] {
        if (job.lastMessage() == success) {
            printAndSucceed(job, success);
        } else {
            job.fail(job.lastMessage().isEmpty() ? QStringLiteral("the board gave no result") : job.lastMessage());
        }
    });
    return job.run([&job, &password, lock] {
        if (lock) {
            job.link().encrypt(*password);
        } else {
            job.link().decrypt(*password);
        }
    });
}

}  // namespace

int runLock(const Arguments& arguments) { return runPassword("lock", arguments, true); }
int runUnlock(const Arguments& arguments) { return runPassword("unlock", arguments, false); }

}  // namespace lumio::cli
