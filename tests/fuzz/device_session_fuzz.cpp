// Fuzzes the device session: the input is a script of commands, raw received bytes, well-formed board
// replies (so the fuzzer gets past the checks) and ticks. Beyond no crash and no sanitizer report: an
// image offered as read must pass checkProgramImage, and every frame sent must fit a CRC or Frame55 layout.
#include <cstdint>
#include <cstdlib>
#include <ctime>

#include "core/link/device_session.h"
#include "core/model/program_image.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

using namespace lumio;

class Script {
public:
    explicit Script(ByteView input) : input_(input) {}
    bool done() const { return position_ >= input_.size(); }
    std::uint8_t next() { return done() ? 0 : byteAt(input_, position_++); }
    std::uint16_t next16() { return static_cast<std::uint16_t>(next() << 8 | next()); }
    ByteView take(size_t count) {
        const ByteView piece = input_.substr(std::min(position_, input_.size()), count);
        position_ += piece.size();
        return piece;
    }

private:
    ByteView input_;
    size_t position_ = 0;
};

Bytes crcReply(std::uint8_t address, std::uint8_t code, ByteView body) {
    Bytes frame;
    frame.push_back(static_cast<char>(address));
    frame.push_back(static_cast<char>(code));
    frame += body;
    appendCrc(frame);
    return frame;
}

struct Checker {
    Bytes lastSent;

    void check(const Effects& effects) {
        for (const Effect& effect : effects) {
            if (const auto* image = std::get_if<ImageRead>(&effect)) {
                if (checkProgramImage(image->image) != ImageCheck::Ok) std::abort();
            }
            if (const auto* send = std::get_if<SendBytes>(&effect)) {
                lastSent = send->bytes;
                if (lastSent.size() > 20 + 255 + 9) std::abort();
            }
        }
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    Script script(ByteView(reinterpret_cast<const char*>(data), size));
    DeviceSession session;
    Checker checker;
    int steps = 0;
    while (!script.done() && ++steps < 4000) {
        const std::uint8_t action = script.next();
        const std::uint8_t address = session.moduleAddress();
        Effects effects;
        switch (action % 24) {
        case 0: effects = session.readAll(); break;
        case 1: {
            // Mostly small images; now and then one at the buffer's limit, which is refused.
            const size_t imageSize = script.next() == 0xFF ? 499990u + script.next() % 20 : script.next16() % 4096u;
            effects = session.writeAll(Bytes(imageSize, static_cast<char>(script.next())));
            break;
        }
        case 2: {
            std::tm time{};
            time.tm_wday = script.next() % 7;
            time.tm_mday = script.next();
            effects = session.setClock(time);
            break;
        }
        case 3: effects = session.readClock(); break;
        case 4: effects = session.encrypt(script.take(script.next())); break;
        case 5: effects = session.decrypt(script.take(script.next() % 128)); break;
        case 6: effects = session.readAddress(); break;
        case 7: effects = session.writeAddress(); break;
        case 8: effects = session.hardwareInfo(); break;
        case 9: effects = session.hardwareInfo2(); break;
        case 10: effects = session.learnRemote(script.next() % 2 ? RemoteCodeKind::Radio : RemoteCodeKind::UniversalIr); break;
        case 11: session.setModuleAddress(script.next()); break;
        case 12:
        case 13: effects = session.receive(script.take(script.next())); break;
        case 14: {
            // A 'g' or 'i' reply with a length byte that matches its data.
            const std::uint8_t code = script.next() % 2 ? 'g' : 'i';
            const ByteView body = script.take(script.next() % 251);
            Bytes framed(1, static_cast<char>(body.size()));
            framed += body;
            effects = session.receive(crcReply(address, code, framed));
            break;
        }
        case 15: {
            // A program block that carries a sealed image, so reads can complete.
            const std::uint16_t index = script.next() % 4;
            const std::uint16_t total = script.next() % 5;
            Bytes body;
            appendU16BigEndian(body, index);
            appendU16BigEndian(body, total);
            body += fuzz::sealedProgramImage(script.take(script.next() % 200)).substr(0, 246);
            Bytes framed(1, static_cast<char>(body.size()));
            framed += body;
            effects = session.receive(crcReply(address, 'g', framed));
            break;
        }
        case 16: {
            // The acknowledgement a board would send for the last block, or a near miss.
            const ByteView last = checker.lastSent;
            const size_t head = last.size() >= 26 && byteAt(last, 0) == 0xFF ? 20 : 0;
            if (last.size() >= head + 6) {
                Bytes echo(last.substr(head + 2, 4));
                if (script.next() % 4 == 0) echo[1] = static_cast<char>(echo[1] + 1);
                effects = session.receive(crcReply(address, 'j', echo));
            }
            break;
        }
        case 17: effects = session.receive(crcReply(address, 'l', script.take(4))); break;
        case 18: {
            Bytes reply(1, '\x22');
            reply += script.take(6);
            reply.push_back(static_cast<char>(sum8(reply)));
            effects = session.receive(reply);
            break;
        }
        case 19:
        case 20: {
            const int ticks = script.next();
            for (int i = 0; i < ticks; ++i) checker.check(session.tick());
            break;
        }
        default: effects = session.tick(); break;
        }
        checker.check(effects);
    }
    return 0;
}
