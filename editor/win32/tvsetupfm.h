#pragma once
// TVSETUPFM: the editor's main window. A live preview of one page of the definition, drawn by the
// shared page renderer exactly as the menu shows it, with the editor's menu bar, its selection of a
// slot or title, the press look, context menus and dropped files. Every decision is the editor
// session's; this window turns messages into its calls and shows what it decided.

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "editor/dialogs/dialog_host.h"
#include "editor/editor_host.h"
#include "editor/editor_menu.h"
#include "editor/editor_session.h"
#include "editor/help_topics.h"
#include "editor/press_tracker.h"
#include "editor/win32/slot_icons.h"
#include "editor/win32/tvmsgfm.h"
#include "editor/win32/tvsetupbs.h"
#include "menuview/menu_layout.h"
#include "menuview/win32/canvas.h"
#include "menuview/win32/page_renderer.h"
#include "platform/win32/unique_handle.h"
#include "ui/win32/control_tips.h"
#include "ui/win32/window.h"

namespace torva::editor::win32 {

inline constexpr int kSlotControlIdBase = 1000;   // CMD(i): 1000 + i
inline constexpr int kTitleControlIdBase = 1100;  // titlex(t): 1100 + t
inline constexpr int kPageLabelId = 1201;         // Label1: "頁："
inline constexpr int kPageNumberId = 1202;        // page: the current page number
inline constexpr wchar_t kMainWindowClass[] = L"TVSETUPFM";
inline constexpr UINT_PTR kNeighbourIconsTimerId = 1;
inline constexpr UINT_PTR kOpenerRegistrationTimerId = 2;
inline constexpr UINT kMakeNeighbourIcons = WM_APP + 1;

class VersionBox;
class DefinitionDialogs;

class MainWindow : public ui::win32::Window, private EditorHost, private dialogs::DialogHost {
  public:
    MainWindow(TvsetupProgram& program, ui::win32::FatalReport& report);
    ~MainWindow() override;

    // Creates the window, shows it and takes the command line (the text after the program name).
    bool Open(const std::string& commandLine);

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDestroyed() override { PostQuitMessage(0); }

  private:
    struct SlotControl {
        HWND hwnd = nullptr;
        menuview::win32::Canvas image;  // the face as painted: light edges, focus rectangle
        PressTracker press{true};
        bool pressed = false;
    };
    struct TitleControl {
        HWND hwnd = nullptr;  // paints the title's image of page_
        PressTracker press{false};
    };

    // EditorHost
    SaveAnswer AskSaveChanges() override;
    std::optional<std::string> ChooseFile(const FileDialogSettings& settings,
                                          const std::string& initialFolder) override;
    void ShowProgress(std::string_view caption) override;
    void HideProgress() override;
    void ShowError(const std::string& reportText) override;
    void StartProgram(const std::string& commandLine) override;

    // DialogHost: what the definition dialogs use (tvsetupfm_dialogs.cpp)
    definition::MenuDefinition& Model() override { return *program_.model; }
    const definition::SearchFolders& SearchFolders() const override { return program_.store->folders(); }
    platform::FileSystem& Files() override { return *program_.files; }
    const IconFiles& Icons() const override { return program_.iconFiles; }
    const std::string& ProgramFolder() const override { return program_.programFolder; }
    std::string& ProgramPickFolder() override { return session_.state().programPickFolder; }
    std::string& PicturePickFolder() override { return session_.state().picturePickFolder; }
    void RefreshButtonIcon(int page, int slot) override;
    void ShowHelp(int context) override;
    void DialogClosed(bool stored, bool redraw) override;
    ErrorState& Error() override { return program_.store->error(); }

    // Commands and what follows them (tvsetupfm_window.cpp)
    void RunCommand(MenuId id);
    void HandleRequest(WindowRequest request);
    void OpenDefinitionDialog(WindowRequest request);
    void ShowVersionBox();
    void AfterEvent();
    bool OnClose();
    void CloseWindow();

    // Menu bar, its twin menu and the context menus (tvsetupfm_menu.cpp)
    void BuildMenus();
    void ApplyMenuStates();
    void ApplyMenuBarForm();
    void ShowContextMenu(ContextMenu kind, POINT screen);
    HMENU BuildPopup(std::span<const MenuNode> nodes, bool twin, ContextMenu hide) const;

    // Layout (tvsetupfm_layout.cpp)
    void CreateControls();
    void ApplyDisplayMode();
    void PlaceWindow();
    void RestoreSelection();

    // Drawing (tvsetupfm_paint.cpp)
    void RenderPage();
    menuview::win32::ViewOptions PageOptions();
    // The icons of the pages either side of the shown one, made while the window waits for the
    // user so that Page Down and Page Up find them made; each call makes those it can before a
    // message waits.
    bool NeighbourIconsWanted() const;
    void MakeNeighbourIcons();
    void ComposeSlot(int slot);  // and the slot repaints itself
    bool ComposeSlotImage(int slot);
    void PlaceSlotImage(int slot);  // the slot's image into the window's, where the slot stands
    void ComposeWindow();           // the whole page, repainted by the window alone
    void ShowPageLabels();
    void UpdateTooltips();
    // The tooltips (and the common controls library behind them) are made when the mouse first
    // moves over the window: until then no tip could show, and an editor used from the keyboard
    // never loads them.
    void OnMouseSeen(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void AddTooltips();
    void Paint();
    void PaintControl(HWND control);

    // Focus, keys, mouse and drops (tvsetupfm_input.cpp)
    void OnElementFocus(int element);
    void OnElementBlur(int element);
    bool OnKey(UINT key);
    void OnMouseDown(int element, bool left);
    void OnMouseMove(int element, int x, int y);
    void OnMouseUp(int element, bool left);
    void ApplyPressLook(int slot, PressLook look);
    void OnDrop(HDROP drop);
    void FocusElement(int element);
    int ElementOf(HWND control) const;
    HWND ControlOf(int element) const;

    TvsetupProgram& program_;
    EditorSession session_;
    EditorSlotIcons icons_;
    menuview::win32::PageRenderer renderer_;
    menuview::MenuLayout layout_;
    menuview::win32::PageImages page_;  // the current page as rendered (drawn over by the next)
    // What the window paints: the page's background with the slot frames, selection and pressed
    // edges, and the titles and slots as they look, each where it stands.
    menuview::win32::Canvas window_;
    std::array<SlotControl, menuview::kMaxButtons> slots_{};
    std::array<TitleControl, 2> titles_{};
    ui::win32::ControlTips tips_;
    std::optional<POINT> pointerAtShow_;  // where the mouse pointer rested when the window appeared
    HWND pageLabel_ = nullptr;
    HWND pageNumber_ = nullptr;
    HMENU barMenu_ = nullptr;     // the five menus
    HMENU singleMenu_ = nullptr;  // M_MENU: the five under one entry, for the vertical bar
    bool singleShown_ = false;
    // The five top captions as the last mode other than the vertical bar set them.
    std::array<std::string, 5> topCaptions_{" ﾌｧｲﾙ(&F) ", " 編集(&E) ", " 表示(&V) ", " ｵﾌﾟｼｮﾝ(&O)",
                                            " ﾍﾙﾌﾟ(&H) "};
    int screenWidth_ = 0;
    int screenHeight_ = 0;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    int markedSlot_ = 0;          // the slot whose caption focus rectangle is shown
    int neighbourIconsMade_ = 0;  // of the next page's slots, then the previous page's
    bool neighbourIconsAsked_ = false;
    bool closing_ = false;
    ProgressWindow progress_;
    torva::win32::UniqueGdiObject labelFont_;
    std::unique_ptr<VersionBox> versionBox_;
    std::unique_ptr<DefinitionDialogs> dialogs_;
};

}  // namespace torva::editor::win32
