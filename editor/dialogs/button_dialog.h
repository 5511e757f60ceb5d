#pragma once
// The button dialog's logic: what it shows for a button, which action fields each action enables, what
// leaving a field does, the checks of OK in their order and what OK stores into the button.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "definition/menu_definition.h"
#include "definition/path_check.h"
#include "editor/dialogs/colour_palette.h"
#include "editor/dialogs/font_choice.h"
#include "editor/dialogs/icon_picker.h"
#include "editor/icon_files.h"
#include "platform/files.h"

namespace torva::editor::dialogs {

// Tabs of the dialog.
inline constexpr int kButtonGeneralTab = 0;
inline constexpr int kButtonIconTab = 1;
inline constexpr int kButtonCaptionColourTab = 2;
inline constexpr int kButtonBackColourTab = 3;

// The boxes of the dialog that a rule names.
enum class ButtonField {
    None,
    Caption,
    Program,
    Arguments,
    WorkFolder,
    Page,
    ButtonNumber,
    RemoteComputer,
    Comment,
    IconFile,
    Password,
    Guide,
};

// Contents of the boxes and choices as the controls hold them.
struct ButtonFields {
    std::string caption;
    std::string program;
    std::string arguments;
    std::string workFolder;
    std::string page;
    std::string buttonNumber;
    std::string remoteComputer;
    std::string comment;
    std::string iconFile;
    std::string password;
    std::string guide;
    int action = 0;    // selected action option 1..18; 0 = none selected
    int waitMode = 0;  // selected wait-mode option 0..4
    bool pfKey = false;

    bool operator==(const ButtonFields&) const = default;
};

// Action fields an action enables. `program` stands for the program box, its browse button, the
// working folder and the wait-mode options.
struct ActionFieldStates {
    bool program = false;
    bool arguments = false;
    bool page = false;
    bool buttonNumber = false;
    bool remoteComputer = false;

    bool operator==(const ActionFieldStates&) const = default;
};
ActionFieldStates EnabledActionFields(int action);

struct ButtonFailure {
    std::string message;
    int tab = kButtonGeneralTab;            // tab shown when the user does not store
    ButtonField field = ButtonField::None;  // box that then takes the focus
};

struct ButtonCheckResult {
    std::vector<ButtonFailure> failures;  // in the order they are asked
    uint8_t programBase = 0;  // base found for the program (0 when failed, absolute or an address)
    uint8_t iconBase = 0;     // base found for the icon file
};

inline constexpr std::string_view kWrongPage = "ページ番号の指定に誤りがあります。";
inline constexpr std::string_view kWrongButtonNumber = "ボタン番号の指定に誤りがあります。";

class ButtonDialogModel {
  public:
    // Opening without the icons: the icons are read by OpenIcons once the dialog is shown.
    explicit ButtonDialogModel(const definition::MenuButton& button);

    // Reads the button's icon file; the Win32 side extracts what the result names.
    IconLoad OpenIcons(const definition::SearchFolders& folders, const platform::FileSystem& files,
                       const IconFiles& icons);

    // A box took the focus; program, icon file, working folder and remote computer remember it, so that
    // OK can first finish what was typed there.
    void EnterField(ButtonField field);

    // A box lost the focus: trims, leading numbers, and for the icon file a new load of its icons.
    IconLoad LeaveField(ButtonField field, const definition::SearchFolders& folders,
                        const platform::FileSystem& files, const IconFiles& icons);

    // OK's first step: finishes the box that still has the focus.
    IconLoad FinishEditing(const definition::SearchFolders& folders, const platform::FileSystem& files,
                           const IconFiles& icons);

    // The checks of OK, in the order they are asked.
    ButtonCheckResult Check(const definition::SearchFolders& folders,
                            const platform::FileSystem& files) const;

    // Stores the dialog into the button. Fields the user kept against a failed check are stored as they
    // are, a page or button number clamped to a byte.
    void Store(definition::MenuButton& button, const ButtonCheckResult& checks) const;

    // Colour-cell click on a colour tab.
    void PickColour(int cell);
    PaletteUse PaletteUseOf(int tab) const;
    // The colour the colour tab edits.
    Colour TabColour(int tab) const;

    ButtonFields fields;
    DialogFont font;
    Colour foreColour = definition::kDefaultTextColour;
    Colour backColour = definition::kDefaultBackColour;
    IconPicker icons;
    int currentTab = kButtonGeneralTab;
    ButtonField editingField = ButtonField::None;

  private:
    std::string iconSource_;
    uint8_t iconBase_ = 0;
};

// Captions of the action options, index = action 1..18 (index 0 is empty: there is no option for
// a button without action).
extern const std::array<std::string_view, definition::kActionCount> kActionCaptions;
// Captions of the wait-mode options 0..4.
extern const std::array<std::string_view, 5> kWaitModeCaptions;

}  // namespace torva::editor::dialogs
