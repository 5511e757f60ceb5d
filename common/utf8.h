#pragma once
// Character-level helpers over UTF-8 text. "Characters" are code points: a count or a cut never
// splits a multi-byte sequence. Malformed bytes count as one character each, so nothing is lost.

#include <cstddef>
#include <string>
#include <string_view>

namespace torva {

// Byte length of the sequence that starts at text[pos] (1 for a malformed lead or continuation).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos);

std::size_t CharCount(std::string_view text);

// The first n characters (all of them when there are fewer).
std::string LeftChars(std::string_view text, std::size_t n);

// Characters from the 1-based position start, at most n of them (n = npos: to the end).
std::string MidChars(std::string_view text, std::size_t start, std::size_t n = std::string_view::npos);

// The last n characters.
std::string RightChars(std::string_view text, std::size_t n);

// Blanks (U+0020) only are removed; tabs and full-width spaces stay.
std::string TrimBlanks(std::string_view text);
// The same without a copy: the part of text between its blanks.
inline std::string_view TrimBlanksView(std::string_view text) {
    std::size_t first = 0;
    std::size_t end = text.size();
    while (first < end && text[first] == ' ') ++first;
    while (end > first && text[end - 1] == ' ') --end;
    return text.substr(first, end - first);
}
std::string TrimLeftBlanks(std::string_view text);
std::string TrimRightBlanks(std::string_view text);

// Letters a..z, full-width ａ..ｚ and the Greek, Cyrillic and Roman-numeral letters of the Shift-JIS
// set become upper case; everything else (malformed bytes too) is kept as it is, byte for byte.
std::string UpperLetters(std::string_view text);
// The same, appended to out. Byte lengths never change: each letter has an upper-case partner of its
// own length, so offsets in the text hold in the result.
void AppendUpperLetters(std::string& out, std::string_view text);

// True when the upper-cased text begins with / equals the ASCII word, given in upper case. Without a
// copy: no other character upper-cases into ASCII, and upper-casing keeps byte lengths.
inline bool UpperStartsWith(std::string_view text, std::string_view upperWord) {
    if (text.size() < upperWord.size()) return false;
    for (std::size_t i = 0; i < upperWord.size(); ++i) {
        const char c = text[i];
        if ((c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : c) != upperWord[i]) return false;
    }
    return true;
}
inline bool UpperEquals(std::string_view text, std::string_view upperWord) {
    return text.size() == upperWord.size() && UpperStartsWith(text, upperWord);
}

// Decodes one code point at pos; returns U+FFFD for a malformed sequence.
char32_t DecodeAt(std::string_view text, std::size_t pos, std::size_t* length);

void AppendUtf8(std::string& out, char32_t cp);

}  // namespace torva
