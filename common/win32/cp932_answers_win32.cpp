// The system's code page 932 conversion, asked about one character at a time and remembered: a whole
// text then converts by look-ups at memory speed, each character giving exactly what the system gives
// for it alone (a lead byte before a byte that makes no pair counts as bad by itself; the pair's second
// byte starts the next character).
#include <windows.h>

#include <atomic>

#include "common/cp932.h"
#include "common/cp932_answers.h"

namespace torva::cp932 {

// Filled as characters are first met.
constinit Remembered systemAnswers{};

namespace {

template <class Ask>
std::uint16_t Remember(std::atomic<std::uint32_t>& entry, Ask ask) {
    const std::uint16_t answer = ask();
    entry.store(kKnown | answer, std::memory_order_relaxed);
    return answer;
}

// The character that bytes decode to alone, or kNone; every character of the code page is one
// UTF-16 unit, and the two values the codec uses as marks are none.
std::uint16_t Decoded(const char* bytes, int count) {
    wchar_t unit[2];
    const int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes, count, unit, 2);
    if (n != 1) return kNone;
    const auto cp = static_cast<std::uint16_t>(unit[0]);
    return cp == kLead ? kNone : cp;
}

}  // namespace

std::uint16_t AskSingleByte(unsigned char byte) {
    return Remember(systemAnswers.single[byte], [byte] {
        if (IsCp932LeadByte(byte)) return kLead;
        const char one = static_cast<char>(byte);
        return Decoded(&one, 1);
    });
}

std::uint16_t AskDoubleByte(unsigned char lead, unsigned char trail) {
    return Remember(systemAnswers.pair[LeadRow(lead) * 256 + trail], [lead, trail] {
        const char two[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        return Decoded(two, 2);
    });
}

std::uint16_t AskCodeOf(char16_t cp) {
    return Remember(systemAnswers.code[cp], [cp]() -> std::uint16_t {
        // The replacement character stands for bytes that had none: it never becomes bytes itself.
        if (cp == 0xFFFD) return kNone;
        const wchar_t unit = static_cast<wchar_t>(cp);
        char bytes[4];
        BOOL usedDefault = FALSE;
        const int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &unit, 1, bytes, sizeof bytes, nullptr,
                                          &usedDefault);
        if (usedDefault || n < 1 || n > 2) return kNone;
        const auto first = static_cast<unsigned char>(bytes[0]);
        return n == 1 ? first : static_cast<std::uint16_t>(first << 8 | static_cast<unsigned char>(bytes[1]));
    });
}

}  // namespace torva::cp932
