#pragma once
// What code page 932 makes of one character: the table codec's only source (cp932_table.cpp), which
// keeps ASCII as it is itself, as the code page does both ways. Natively the answers come from tables
// made at build time from the C library's converter (cp932_answers.cpp); on Windows from the system's
// own conversion, asked once per character and process (win32/cp932_answers_win32.cpp).

#include <cstdint>

namespace torva::cp932 {

inline constexpr std::uint16_t kNone = 0xFFFF;  // no character (decoding) / no form (encoding)
inline constexpr std::uint16_t kLead = 0xFFFE;  // a byte that starts a two-byte character

// A byte from 0x80 alone: its character, kLead or kNone.
std::uint16_t SingleByte(unsigned char byte);
// A byte SingleByte calls kLead and the byte after it: their character, or kNone.
std::uint16_t DoubleByte(unsigned char lead, unsigned char trail);
// A character of the BMP from U+0080: its bytes (one byte below 0x100, else lead and trail), or kNone.
std::uint16_t CodeOf(char16_t cp);

}  // namespace torva::cp932
