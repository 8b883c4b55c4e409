#pragma once
// Byte-string helpers shared by the file, language and link layers. A "byte string" is a std::string
// used as a sequence of bytes (GBK text or binary data).
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace lumio {

using Bytes = std::string;
using ByteView = std::string_view;

inline std::uint8_t byteAt(ByteView bytes, size_t index) { return static_cast<std::uint8_t>(bytes[index]); }

void appendU16BigEndian(Bytes& out, std::uint16_t value);
void appendU32BigEndian(Bytes& out, std::uint32_t value);
std::uint16_t readU16BigEndian(ByteView bytes, size_t offset);
std::uint32_t readU32BigEndian(ByteView bytes, size_t offset);

// "01 0A FF": each byte as two upper-case hex digits, separated by single spaces.
std::string hexPairs(ByteView bytes);

// ASCII-only helpers: bytes of 0x80 and above (GBK) are never changed.
std::string asciiUpper(std::string_view text);
std::string trimSpaces(std::string_view text);
// Trims spaces and tabs.
std::string trimBlanks(std::string_view text);
bool isAsciiDigit(char c);
bool isAsciiAlnum(char c);

bool endsWith(std::string_view text, std::string_view suffix);
bool startsWith(std::string_view text, std::string_view prefix);
void replaceAll(std::string& text, std::string_view from, std::string_view to);

// printf-style formatting into a std::string (the catalogue templates are printf formats).
std::string formatText(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

}  // namespace lumio
