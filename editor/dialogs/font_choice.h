#pragma once
// The font a button or title dialog edits, what the system font dialog is opened with, and what its
// answer makes of the font. The button and title dialogs differ only in the size taken when the user
// confirms without choosing one.

#include <optional>
#include <string>
#include <string_view>

namespace torva::editor::dialogs {

inline constexpr std::string_view kDefaultFace = "ＭＳ 明朝";
inline constexpr int kButtonDefaultSize = 10;
inline constexpr int kTitleDefaultSize = 16;
inline constexpr int kLargestSize = 255;

struct DialogFont {
    std::string name;
    std::string style;
    int size = 0;  // points; 0 = none

    // A font counts as set when any of the three is; the clear button is enabled exactly then.
    bool IsSet() const { return !name.empty() || !style.empty() || size != 0; }
    void Clear() { *this = {}; }
    bool operator==(const DialogFont&) const = default;
};

// The working font as the dialogs show it beside their font buttons ("ＭＳ 明朝  Bold  12pt"); empty
// when no font is set, so that the button's own default shows.
std::string FontSummary(const DialogFont& font);

// How the system font dialog starts: screen fonts only, initialised from these values, no script
// choice; without a style also no style selection.
struct FontRequest {
    std::string faceName;
    int height = 0;  // logical height in pixels, negative: a character height
    int weight = 0;  // 700 bold, 400 otherwise; 0 when no style is given
    bool italic = false;
    bool selectStyle = false;  // false: the dialog starts with no style selected
    bool selectFace = false;   // false: no face name selected
    bool selectSize = false;   // false: no size selected
};

// pixelsPerInch: the vertical resolution of the main window's device.
FontRequest PrepareFontRequest(const DialogFont& font, int pixelsPerInch);

// What the user confirmed. A part the user left unselected is reported as not selected.
struct FontAnswer {
    bool faceSelected = false;
    std::string face;
    bool styleSelected = false;
    int weight = 400;
    bool italic = false;
    bool sizeSelected = false;
    int sizeTenths = 0;  // tenths of a point
};

// The font after a confirmed dialog; nothing when face, style and size were all left unselected
// (the font then stays as it was). defaultSize is the size taken when no size was selected.
std::optional<DialogFont> ApplyFontAnswer(const FontAnswer& answer, int defaultSize);

}  // namespace torva::editor::dialogs
