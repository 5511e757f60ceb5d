#pragma once
// What code page 932 makes of one character: the table codec's only source (cp932_table.cpp), which
// keeps ASCII as it is itself, as the code page does both ways. Natively the answers come from tables
// made at build time from the C library's converter (cp932_answers.cpp); on Windows from the system's
// own conversion, asked once per character and process (win32/cp932_answers_win32.cpp).

#include <cstdint>

namespace torva::cp932 {

inline constexpr std::uint16_t kNone = 0xFFFF;  // no character (decoding) / no form (encoding)
inline constexpr std::uint16_t kLead = 0xFFFE;  // a byte that starts a two-byte character

#ifdef _WIN32
// A byte from 0x80 alone: its character, kLead or kNone.
std::uint16_t SingleByte(unsigned char byte);
// A byte SingleByte calls kLead and the byte after it: their character, or kNone.
std::uint16_t DoubleByte(unsigned char lead, unsigned char trail);
// A character of the BMP from U+0080: its bytes (one byte below 0x100, else lead and trail), or kNone.
std::uint16_t CodeOf(char16_t cp);
#else
// The build's tables (cp932_answers.cpp), looked up inline: a call per character cost the decoding
// loop more than the look-up itself.
extern const std::uint16_t kSingle[256];
extern const std::uint16_t kLeadRow[256];
extern const std::uint16_t kPair[];  // 256 second bytes for each lead byte, in the rows of kLeadRow
extern const std::uint16_t kEncode[0x10000];

inline std::uint16_t SingleByte(unsigned char byte) {
    return kSingle[byte];
}
inline std::uint16_t DoubleByte(unsigned char lead, unsigned char trail) {
    return kPair[kLeadRow[lead] * 256 + trail];
}
inline std::uint16_t CodeOf(char16_t cp) {
    return kEncode[cp];
}
#endif

}  // namespace torva::cp932
