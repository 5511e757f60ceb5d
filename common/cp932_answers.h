#pragma once
// What code page 932 makes of one character: the table codec's only source (cp932_table.cpp), which
// keeps ASCII as it is itself, as the code page does both ways. Natively the answers come from tables
// made at build time from the C library's converter (cp932_answers.cpp); on Windows from the system's
// own conversion, asked once per character and process (win32/cp932_answers_win32.cpp).

#include <cstdint>
#ifdef _WIN32
#include <atomic>
#endif

namespace torva::cp932 {

inline constexpr std::uint16_t kNone = 0xFFFF;  // no character (decoding) / no form (encoding)
inline constexpr std::uint16_t kLead = 0xFFFE;  // a byte that starts a two-byte character

// SingleByte(byte): a byte from 0x80 alone: its character, kLead or kNone.
// DoubleByte(lead, trail): a byte SingleByte calls kLead and the byte after it: their character, or
// kNone.
// CodeOf(cp): a character of the BMP from U+0080: its bytes (one byte below 0x100, else lead and
// trail), or kNone.

#ifdef _WIN32
// The system's answers as this process met them (win32/cp932_answers_win32.cpp), one entry per
// question: 0 until asked, then kKnown with the answer in the low half. An answer never changes while
// the process runs, so two threads asking at once store the same value, and a relaxed load sees either
// nothing (and asks again) or the whole answer. Looked up inline; only a first question calls out.
inline constexpr std::uint32_t kKnown = 0x10000;
inline constexpr int kLeadRows = 60;  // lead bytes 0x81..0x9F and 0xE0..0xFC

struct Remembered {
    std::atomic<std::uint32_t> single[256];
    std::atomic<std::uint32_t> pair[kLeadRows * 256];
    std::atomic<std::uint32_t> code[0x10000];
};
extern Remembered systemAnswers;

// Ask the system, remember and return the answer.
std::uint16_t AskSingleByte(unsigned char byte);
std::uint16_t AskDoubleByte(unsigned char lead, unsigned char trail);
std::uint16_t AskCodeOf(char16_t cp);

constexpr int LeadRow(unsigned char lead) {
    return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31;
}

inline std::uint16_t SingleByte(unsigned char byte) {
    const std::uint32_t known = systemAnswers.single[byte].load(std::memory_order_relaxed);
    return known != 0 ? static_cast<std::uint16_t>(known) : AskSingleByte(byte);
}
inline std::uint16_t DoubleByte(unsigned char lead, unsigned char trail) {
    const std::uint32_t known =
        systemAnswers.pair[LeadRow(lead) * 256 + trail].load(std::memory_order_relaxed);
    return known != 0 ? static_cast<std::uint16_t>(known) : AskDoubleByte(lead, trail);
}
inline std::uint16_t CodeOf(char16_t cp) {
    const std::uint32_t known = systemAnswers.code[cp].load(std::memory_order_relaxed);
    return known != 0 ? static_cast<std::uint16_t>(known) : AskCodeOf(cp);
}
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
