// Windows codec through the system's code page 932 tables: one system call converts a whole text;
// only a text with a bad byte or a character without a form goes character by character.
#include <windows.h>

#include <climits>

#include "common/cp932.h"
#include "common/utf8.h"

namespace torva {

namespace {

// The system converts at most INT_MAX units a call; longer texts take the character-by-character
// path, which never needs more than a few.
bool FitsOneCall(std::size_t size) {
    return size <= static_cast<std::size_t>(INT_MAX) / 3;
}

// The code point at wide[i]; a high surrogate takes the unit after it along (the code page never yields
// one; the form is kept for whatever a caller passes). *units is how many it took.
char32_t CodePointAt(const wchar_t* wide, std::size_t i, std::size_t count, std::size_t* units) {
    const char32_t cp = static_cast<char16_t>(wide[i]);
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < count) {
        *units = 2;
        return 0x10000 + ((cp - 0xD800) << 10) + (static_cast<char16_t>(wide[i + 1]) - 0xDC00);
    }
    *units = 1;
    return cp;
}

std::size_t Utf8Length(char32_t cp) {
    return cp < 0x80 ? 1 : cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
}

// UTF-16 units -> UTF-8, appended: measured first, so that the text is allocated once at its size.
void AppendWide(std::string& out, const wchar_t* wide, std::size_t count) {
    std::size_t length = 0;
    for (std::size_t i = 0, units = 1; i < count; i += units)
        length += Utf8Length(CodePointAt(wide, i, count, &units));
    const std::size_t start = out.size();
    out.resize(start + length);
    char* p = out.data() + start;
    for (std::size_t i = 0, units = 1; i < count; i += units) {
        const char32_t cp = CodePointAt(wide, i, count, &units);
        if (cp < 0x80) {
            *p++ = static_cast<char>(cp);
        } else if (cp < 0x800) {
            *p++ = static_cast<char>(0xC0 | (cp >> 6));
            *p++ = static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            *p++ = static_cast<char>(0xE0 | (cp >> 12));
            *p++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *p++ = static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            *p++ = static_cast<char>(0xF0 | (cp >> 18));
            *p++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            *p++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *p++ = static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
}

// The whole text in one call; false when some byte is not valid Shift-JIS.
bool DecodeWhole(std::string_view bytes, std::string& out) {
    if (bytes.empty()) return true;
    if (!FitsOneCall(bytes.size())) return false;
    // Each byte makes one UTF-16 unit at most.
    std::wstring wide(bytes.size(), L'\0');
    const int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                                      wide.data(), static_cast<int>(wide.size()));
    if (n <= 0) return false;
    AppendWide(out, wide.data(), static_cast<std::size_t>(n));
    return true;
}

// One character's worth of Shift-JIS bytes at pos: two for a lead byte with a following byte.
std::size_t CharLength(std::string_view bytes, std::size_t pos) {
    return IsCp932LeadByte(static_cast<unsigned char>(bytes[pos])) && pos + 1 < bytes.size() ? 2 : 1;
}

}  // namespace

Cp932Decoded DecodeCp932(std::string_view bytes) {
    Cp932Decoded result;
    if (DecodeWhole(bytes, result.text)) return result;
    // Some byte is bad: go character by character so that only the bad ones are replaced.
    result.text.clear();
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t len = CharLength(bytes, pos);
        wchar_t one[2];
        const int n =
            MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data() + pos, static_cast<int>(len), one, 2);
        if (n > 0) {
            AppendWide(result.text, one, static_cast<std::size_t>(n));
            pos += len;
        } else {
            AppendUtf8(result.text, 0xFFFD);
            ++result.invalid;
            pos += 1;
        }
    }
    return result;
}

namespace {

// UTF-16 of a UTF-8 text; malformed bytes become U+FFFD, which has no Shift-JIS form.
std::wstring ToUtf16(std::string_view utf8) {
    // Never more units than bytes: a four-byte sequence makes two.
    std::wstring wide(utf8.size(), L'\0');
    wchar_t* p = wide.data();
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[pos]);
        if (lead < 0x80) {
            *p++ = static_cast<wchar_t>(lead);
            ++pos;
            continue;
        }
        std::size_t len = 0;
        const char32_t cp = DecodeAt(utf8, pos, &len);
        pos += len;
        if (cp >= 0x10000) {
            *p++ = static_cast<wchar_t>(0xD800 + ((cp - 0x10000) >> 10));
            *p++ = static_cast<wchar_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            *p++ = static_cast<wchar_t>(cp);
        }
    }
    wide.resize(static_cast<std::size_t>(p - wide.data()));
    return wide;
}

// The whole text in one call; false when any character had no Shift-JIS form.
bool EncodeWhole(std::string_view utf8, std::string& out) {
    if (utf8.empty()) return true;
    if (!FitsOneCall(utf8.size())) return false;
    const std::wstring wide = ToUtf16(utf8);
    // Never more bytes than the UTF-8 text: a character of two or three UTF-8 bytes takes two at most,
    // and one of four has no form.
    std::string bytes(utf8.size(), '\0');
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                      bytes.data(), static_cast<int>(bytes.size()), nullptr, &usedDefault);
    if (n <= 0 || usedDefault) return false;
    bytes.resize(static_cast<std::size_t>(n));
    out = std::move(bytes);
    return true;
}

}  // namespace

Cp932Encoded EncodeCp932(std::string_view utf8) {
    Cp932Encoded result;
    if (EncodeWhole(utf8, result.bytes)) return result;
    // Some character has no form: go character by character so that only those become "?".
    for (std::size_t pos = 0; pos < utf8.size();) {
        std::size_t len = 0;
        const char32_t cp = DecodeAt(utf8, pos, &len);
        pos += len;
        if (cp < 0x80) {
            result.bytes += static_cast<char>(cp);
            continue;
        }
        wchar_t units[2];
        int count = 1;
        if (cp >= 0x10000) {
            units[0] = static_cast<wchar_t>(0xD800 + ((cp - 0x10000) >> 10));
            units[1] = static_cast<wchar_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
            count = 2;
        } else {
            units[0] = static_cast<wchar_t>(cp);
        }
        char buffer[8];
        BOOL usedDefault = FALSE;
        const int n = cp == 0xFFFD ? 0
                                   : WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, units, count, buffer,
                                                         sizeof buffer, nullptr, &usedDefault);
        if (n <= 0 || usedDefault) {
            result.bytes += '?';
            ++result.unmappable;
        } else {
            result.bytes.append(buffer, static_cast<std::size_t>(n));
        }
    }
    return result;
}

std::size_t Cp932ByteLength(std::string_view utf8) {
    return EncodeCp932(utf8).bytes.size();
}

}  // namespace torva
