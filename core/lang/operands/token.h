#pragma once
// Operand and constant tokens: one element of an expression, its display text, the text forms it is
// read from, and its stored bytes inside a statement parameter (first byte = total stored length).
#include <cstdint>
#include <string>
#include <string_view>

#include "core/lang/context.h"
#include "core/text/bytes.h"

namespace lumio {

// Stored kind codes. Kinds 5, 23, 46 and 52..58 have no name here: they are never produced from text
// and print as nothing, but are carried through in the 3-byte form when met in stored data.
enum class TokenKind : std::uint8_t {
    Empty = 0,
    Integer = 1,  // decimal constant
    LocalInteger = 2,
    GlobalInteger = 3,
    FunctionParameter = 4,
    Timer = 6,
    GlobalFloat = 7,
    HexInteger = 8,  // hexadecimal constant
    Character = 9,   // character constant
    SystemWord = 10,
    PinA = 11,  // IO pins PA..PH are 11..18
    PinB = 12,
    PinC = 13,
    PinD = 14,
    PinE = 15,
    PinF = 16,
    PinG = 17,
    PinH = 18,
    PulseCounter = 21,
    FloatConstant = 22,
    LocalFloat = 25,
    Udp = 27,
    Tcp = 28,
    ByteString = 31,
    Text = 32,
    LocalArray = 33,
    GlobalArray = 35,
    DataPort = 36,
    Input = 37,
    Output = 38,
    BitVariable = 39,
    Can = 40,
    Infrared = 41,
    RemoteTransmitter = 42,
    AnalogInput = 43,
    Iic = 44,
    Spi = 45,
    OnlineSwitch = 47,  // a channel of a remote relay board
    Encoder = 48,
    AnalogOutput = 49,
    InputCounter = 51,  // current edition only
    Function = 59,
    InputCloseCount = 60,  // 60..64: current edition only
    InputOpenCount = 61,
    OutputCloseCount = 62,
    OutputOpenCount = 63,
    ArraySlice = 64,
    Operator = 100,  // operator or bracket; the character is held in `index`
};

// Operator characters as held in Token::index; "<<" and ">>" are single bytes.
inline constexpr std::uint8_t kShiftLeft = 0x81;
inline constexpr std::uint8_t kShiftRight = 0x82;

struct Token {
    TokenKind kind = TokenKind::Empty;
    std::uint8_t scope = 0;   // ArraySlice: 0 local array, 1 global array
    std::uint8_t index = 0;   // resource number, system-word code, or operator character
    std::uint16_t sliceA = 0; // ArraySlice numbers; only the low 3 bits of sliceC are stored
    std::uint16_t sliceB = 0;
    std::uint16_t sliceC = 0;
    // Integer, HexInteger, Character: the constant. "[": the indexed base, base kind * 256 + base index.
    std::int32_t value = 0;
    // FloatConstant: 8 bytes of an IEEE-754 double, little-endian. ByteString, Text: at most 200 bytes.
    Bytes payload;

    friend bool operator==(const Token&, const Token&) = default;
};

inline constexpr size_t kMaxConstantBytes = 200;

inline int kindCode(const Token& token) { return static_cast<int>(token.kind); }
// Kinds 1..99: anything that is not an operator or bracket.
bool isOperand(const Token& token);
bool isOperatorToken(const Token& token, char character);
// "(", ")", "[" or "]".
bool isBracket(const Token& token);
// Kind-100 tokens other than brackets, "," included.
bool isInfixOperator(const Token& token);
// The operand kinds a following "[" merges with into an indexed base.
bool isIndexableKind(int kind);
// Whether the edition knows the kind at all (the classic edition lacks 51 and 60..64).
bool kindExists(int kind, Edition edition);

// One token text (already cut out of an expression) to a Token; kind Empty when nothing matches.
// User names are read back through ctx.names.
// The bytes that are operators on their own: "%&()*+,-/[]^|" and the shift bytes 0x81, 0x82.
bool isOperatorByte(unsigned char c);

Token classifyToken(std::string_view text, const LangContext& ctx);
// The display text, user names applied.
std::string tokenText(const Token& token, const LangContext& ctx);
Bytes encodeToken(const Token& token);
// Reads the token at the front of `bytes` (its first byte is its length); a length that does not fit
// the view or the kind gives the empty Token.
Token decodeToken(ByteView bytes);

// A FloatConstant token for a double, and the double a FloatConstant holds (0 when malformed).
Token floatToken(double number);
double floatValue(const Token& token);

// The brace-less inside of a byte-string constant, also the "hex bytes" parameter form: groups of hex
// digits separated by spaces, at most 200. A group is read up to its first character that is not a hex
// digit (so «0x10», «-1» and «zz» give 0) and gives the low 8 bits of its value («123456789» gives 89).
// A group longer than 9 characters, or an input of 498 bytes or more, gives no bytes.
Bytes parseHexGroups(std::string_view text);

}  // namespace lumio
