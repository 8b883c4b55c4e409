#pragma once
// Helpers for driving a DeviceSession in tests: picking effects of one kind, building board replies.
#include <variant>
#include <vector>

#include "core/link/device_session.h"
#include "core/link/frames.h"
#include "core/text/gbk.h"

namespace lumio::test {

template <class T>
std::vector<T> effectsOf(const Effects& effects) {
    std::vector<T> found;
    for (const Effect& effect : effects) {
        if (const T* item = std::get_if<T>(&effect)) found.push_back(*item);
    }
    return found;
}

// Everything the session sent, one entry per SendBytes.
inline std::vector<Bytes> sent(const Effects& effects) {
    std::vector<Bytes> frames;
    for (const SendBytes& send : effectsOf<SendBytes>(effects)) frames.push_back(send.bytes);
    return frames;
}

inline std::vector<ShowMessage> messages(const Effects& effects) { return effectsOf<ShowMessage>(effects); }

inline ShowMessage message(const char* utf8Text, const char* utf8Caption) {
    return ShowMessage{toGbk(utf8Text), toGbk(utf8Caption)};
}

inline Bytes bytes(std::initializer_list<int> values) {
    Bytes out;
    for (int value : values) out.push_back(static_cast<char>(value));
    return out;
}

// A 'g' or 'i' reply: addr code n data crc.
inline Bytes dataReply(std::uint8_t address, std::uint8_t code, ByteView data) {
    Bytes frame;
    frame.push_back(static_cast<char>(address));
    frame.push_back(static_cast<char>(code));
    frame.push_back(static_cast<char>(data.size()));
    frame += data;
    appendCrc(frame);
    return frame;
}

// A 'j' or 'l' reply: addr code four bytes crc.
inline Bytes shortReply(std::uint8_t address, std::uint8_t code, ByteView four) {
    Bytes frame;
    frame.push_back(static_cast<char>(address));
    frame.push_back(static_cast<char>(code));
    frame += four;
    appendCrc(frame);
    return frame;
}

inline Bytes blockAck(std::uint8_t address, std::uint16_t index, std::uint16_t total) {
    Bytes four;
    appendU16BigEndian(four, index);
    appendU16BigEndian(four, total);
    return shortReply(address, kBlockCode, four);
}

// A read-program reply carrying one block of an image.
inline Bytes programBlock(std::uint8_t address, std::uint16_t index, std::uint16_t total, ByteView data) {
    Bytes body;
    appendU16BigEndian(body, index);
    appendU16BigEndian(body, total);
    body += data;
    return dataReply(address, kReadProgramCode, body);
}

// The OperationEnded effects expected when exactly one operation ended.
inline std::vector<OperationEnded> ending(LinkOperation operation, Outcome outcome) {
    return {OperationEnded{operation, outcome}};
}

inline Effects tickTimes(DeviceSession& session, int ticks) {
    Effects all;
    for (int i = 0; i < ticks; ++i) {
        Effects effects = session.tick();
        all.insert(all.end(), effects.begin(), effects.end());
    }
    return all;
}

}  // namespace lumio::test
