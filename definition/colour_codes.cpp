#include "definition/colour_codes.h"

#include <array>
#include <cstdint>

#include "common/utf8.h"

namespace torva::definition {

namespace {

const ColourLetter* FindLetter(char letter) {
    for (const auto& entry : kColourTable) {
        if (entry.letter == letter) return &entry;
    }
    return nullptr;
}

}  // namespace

Colour defaultColour(ColourContext context) {
    switch (context) {
        case ColourContext::TitleText:
        case ColourContext::ButtonCaption:
            return kDefaultTextColour;
        default:
            return kDefaultBackColour;
    }
}

Colour colourFromCode(std::string& code, ColourContext& context, const StepLocation& at) {
    EnterStep(at);
    code = UpperLetters(TrimBlanks(code));
    const Colour fallback = defaultColour(context);
    if (code.starts_with(kPicturePrefix)) {
        context = ColourContext::Picture;
        return fallback;
    }
    if (code == "X") return kTransparent;
    if (code == "H") return kSemiTransparent;
    if (code.empty() || code.size() > 2) return fallback;
    const ColourLetter* entry = FindLetter(code[0]);
    if (entry == nullptr) return fallback;
    if (code.size() == 1) return entry->levels[2];
    const char level = code[1];
    if (level < '1' || level > '6') return fallback;
    return entry->levels[static_cast<std::size_t>(level - '1')];
}

namespace {

// What a code of one or two bytes names, looked up without a search: the row of its first byte
// (upper-cased; 0 names nothing) and the column of its second (0 for none, 1..6 for a level, 7 for
// anything else). kNamesDefault stands for the context's default.
constexpr Colour kNamesDefault = 0xFFFFFFFF;
constexpr std::size_t kRows = kColourTable.size() + 3;  // nothing, the letters, "X", "H"
constexpr std::size_t kColumns = 8;

constexpr std::array<std::uint8_t, 256> kRowOfByte = [] {
    std::array<std::uint8_t, 256> rows{};
    for (std::size_t i = 0; i < kColourTable.size(); ++i) {
        const auto letter = static_cast<unsigned char>(kColourTable[i].letter);
        rows[letter] = rows[letter + 0x20] = static_cast<std::uint8_t>(i + 1);
    }
    rows['X'] = rows['x'] = static_cast<std::uint8_t>(kColourTable.size() + 1);
    rows['H'] = rows['h'] = static_cast<std::uint8_t>(kColourTable.size() + 2);
    return rows;
}();

constexpr std::array<std::uint8_t, 256> kColumnOfByte = [] {
    std::array<std::uint8_t, 256> columns{};
    for (auto& column : columns) column = 7;
    for (std::uint8_t level = 1; level <= 6; ++level) columns['0' + level] = level;
    return columns;
}();

constexpr std::array<std::array<Colour, kColumns>, kRows> kNamed = [] {
    std::array<std::array<Colour, kColumns>, kRows> named{};
    for (auto& row : named) row.fill(kNamesDefault);
    for (std::size_t i = 0; i < kColourTable.size(); ++i) {
        named[i + 1][0] = kColourTable[i].levels[2];  // the bare letter is level 3
        for (std::size_t level = 1; level <= 6; ++level)
            named[i + 1][level] = kColourTable[i].levels[level - 1];
    }
    named[kColourTable.size() + 1][0] = kTransparent;
    named[kColourTable.size() + 2][0] = kSemiTransparent;
    return named;
}();

}  // namespace

Colour colourFromCode(std::string_view code, ColourContext context, const StepLocation& at) {
    EnterStep(at);
    // Without the code kept, only codes of one or two bytes can name anything but the default (a
    // picture code among the longer ones gives the default too), and of those only ASCII letters
    // upper-case into a code: no copy is needed.
    const std::string_view trimmed = TrimBlanksView(code);
    const Colour fallback = defaultColour(context);
    if (trimmed.empty() || trimmed.size() > 2) return fallback;
    const std::size_t row = kRowOfByte[static_cast<unsigned char>(trimmed[0])];
    const std::size_t column =
        trimmed.size() == 1 ? 0 : kColumnOfByte[static_cast<unsigned char>(trimmed[1])];
    const Colour named = kNamed[row][column];
    return named == kNamesDefault ? fallback : named;
}

std::string codeFromColour(Colour value, const StepLocation& at) {
    EnterStep(at);
    if (value == kTransparent) return "X";
    if (value == kSemiTransparent) return "H";
    for (const auto& entry : kColourTable) {
        // The bare letter names level 3; it wins over the levels sharing its value (M4..M6, W1, W2).
        if (entry.levels[2] == value) return std::string(1, entry.letter);
        for (std::size_t i = 0; i < entry.levels.size(); ++i) {
            if (entry.levels[i] == value) return std::string{entry.letter, static_cast<char>('1' + i)};
        }
    }
    return {};
}

std::string colourName(std::string_view code, const StepLocation& at) {
    EnterStep(at);
    static constexpr std::string_view kPadded[] = {"(黒)    ", "(白)    ", "(赤)    ", "(橙)    ", "(黄)    ",
                                                   "(緑)    ", "(水)    ", "(青)    ", "(桃)    "};
    if (!code.empty()) {
        const char first = code[0];
        for (std::size_t i = 0; i < kColourTable.size(); ++i) {
            if (kColourTable[i].letter == first) return std::string(code) + std::string(kPadded[i]);
        }
        if (first == 'X') return std::string(code) + "(透過)  ";
        if (first == 'H') return std::string(code) + "(半透過)";
    }
    return "(省略)   ";
}

std::string waitModeName(int mode, const StepLocation& at) {
    EnterStep(at);
    switch (mode) {
        case kWaitNone:
            return "非同期";
        case kWaitSync:
            return "同期";
        case kWaitSyncHide:
            return "同期/ﾒﾆｭｰ非表示";
        case kWaitSyncLock:
            return "同期/ﾒﾆｭｰﾛｯｸ";
        case kWaitSyncLockHide:
            return "同期/ﾒﾆｭｰﾛｯｸ非表示";
        default:
            return {};
    }
}

}  // namespace torva::definition
