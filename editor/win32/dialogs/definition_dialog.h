#pragma once
// The common frame of the editor's definition dialogs: shown modeless over the disabled main window,
// closing by enabling it again and bringing it forward, the store question of failed checks, the
// browse dialogs, and the text boxes' shared behaviour (whole text selected on entry, double quotes
// refused where the file quotes the text).

#include <windows.h>

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "editor/dialogs/browse_filters.h"
#include "editor/dialogs/dialog_host.h"
#include "editor/dialogs/font_choice.h"
#include "editor/win32/dialogs/palette_control.h"
#include "platform/win32/unique_handle.h"
#include "ui/win32/dialog.h"
#include "ui/win32/tab_pages.h"

namespace torva::editor::win32 {

class DefinitionDialog : public ui::win32::Dialog {
  public:
    // closingLocation: the location number the closing runs under in the error report (0: none).
    DefinitionDialog(dialogs::DialogHost& host, ui::win32::FatalReport& report, int16_t closingLocation = 0);

    // Disables the owner and shows the dialog; false (owner enabled again) when it could not be shown.
    virtual bool Open(HWND owner) = 0;

  protected:
    bool OpenWith(HWND owner, std::string_view caption, int clientWidthTwips, int clientHeightTwips);
    // Closes the dialog: the owner is enabled before the dialog goes, so that it, not another
    // program, becomes active.
    void Close(bool stored, bool redraw);
    void OnClosed() override;
    POINT Placement(HWND owner, SIZE outer) const override;
    void OnCommand(int id, int notification) override;

    // The Yes/No box of a failed check ("TVSETUP", warning icon, No the default) with the question
    // text of dialogs::StoreQuestion: true for Yes.
    bool ConfirmStore(const std::string& question);
    // The open-file dialog of a browse button; the chosen path, and pickFolder then holds the folder
    // it was chosen in. The current directory is the program folder again afterwards.
    std::optional<std::string> Browse(const dialogs::BrowseSettings& settings, std::string& pickFolder);

    // Controls are made through these so that every control, on any tab page, is found by its id.
    HWND Add(const ui::win32::ControlMaker& maker, const wchar_t* windowClass, std::string_view text,
             DWORD style, int id, const TwipsRect& at, DWORD exStyle = 0);
    HWND Label(const ui::win32::ControlMaker& maker, std::string_view text, int id, const TwipsRect& at);
    HWND Edit(const ui::win32::ControlMaker& maker, int id, const TwipsRect& at, bool refuseQuotes = false);
    HWND Control(int id) const;
    std::string Text(int id) const;
    void SetText(int id, std::string_view text);
    bool Checked(int id) const;
    void SetChecked(int id, bool checked);
    void Enable(int id, bool enabled);
    void Show(int id, bool shown);
    void FocusControl(int id);

    // EN_SETFOCUS of a text box: its whole text is selected.
    bool SelectAllOnEntry(int id, int notification);

    // The parts several dialogs share (definition_dialog_parts.cpp).
    // The tab control across the dialog's top, one page a title, in the dialog font.
    void MakeTabs(ui::win32::TabPages& tabs, int clientWidthTwips, int heightTwips,
                  std::span<const std::string_view> titles);
    // OK (the default button), Cancel and Help side by side, OK's corner at (left, top).
    void MakeClosingButtons(const ui::win32::ControlMaker& maker, int left, int top);
    // A colour tab page: its heading over the palette.
    void MakeColourPage(const ui::win32::ControlMaker& page, std::string_view heading, int headingId,
                        PaletteControl& palette, int paletteId, dialogs::PaletteUse use);
    // A WM_NOTIFY that is the tab control's change of page.
    static bool IsPageChange(const ui::win32::TabPages& tabs, UINT message, LPARAM lParam);
    // The font buttons (ids::kFontButton, kFontClearButton, kFontSummary): the summary of the font,
    // Clear enabled only while one is set.
    void ShowFont(const dialogs::DialogFont& font);
    // The system font dialog over `font`; shows the answer when one was taken.
    void PickFont(dialogs::DialogFont& font, int defaultSize);
    void ClearFont(dialogs::DialogFont& font);

    HGDIOBJ DialogFont();
    dialogs::DialogHost& Host() { return host_; }
    HWND Owner() const { return owner_; }

  private:
    static LRESULT CALLBACK QuoteFilter(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR);

    dialogs::DialogHost& host_;
    int16_t closingLocation_;
    HWND owner_ = nullptr;
    bool stored_ = false;
    bool redraw_ = false;
    torva::win32::UniqueGdiObject font_;
    std::map<int, HWND> controls_;
};

}  // namespace torva::editor::win32
