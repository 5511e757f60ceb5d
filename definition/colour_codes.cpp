#include "definition/colour_codes.h"

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

Colour colourFromCode(std::string_view code, ColourContext context, const StepLocation& at) {
    EnterStep(at);
    // Without the code kept, only codes of one or two bytes can name anything but the default (a
    // picture code among the longer ones gives the default too), and of those only ASCII letters
    // upper-case into a code: no copy is needed.
    const std::string_view trimmed = TrimBlanksView(code);
    const Colour fallback = defaultColour(context);
    if (trimmed.empty() || trimmed.size() > 2) return fallback;
    const char letter =
        trimmed[0] >= 'a' && trimmed[0] <= 'z' ? static_cast<char>(trimmed[0] - 0x20) : trimmed[0];
    if (trimmed.size() == 1 && letter == 'X') return kTransparent;
    if (trimmed.size() == 1 && letter == 'H') return kSemiTransparent;
    const ColourLetter* entry = FindLetter(letter);
    if (entry == nullptr) return fallback;
    if (trimmed.size() == 1) return entry->levels[2];
    const char level = trimmed[1];
    if (level < '1' || level > '6') return fallback;
    return entry->levels[static_cast<std::size_t>(level - '1')];
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
