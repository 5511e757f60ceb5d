// TVSETUPFM: creation, the message handler, menu commands and what the window does for the
// session (save question, file dialogs, progress window, error boxes, starting the runtime), and
// closing.

#include "common/path.h"
#include "editor/location_codes.h"
#include "editor/win32/dialogs/definition_dialogs.h"
#include "editor/win32/file_dialog.h"
#include "editor/win32/tvsetupfm.h"
#include "editor/win32/tvverfm.h"
#include "editor/win32/win_api.h"
#include "platform/win32/message_box.h"
#include "platform/win32/wide.h"

namespace torva::editor::win32 {

using torva::win32::Wide;

MainWindow::MainWindow(TvsetupProgram& program, ui::win32::FatalReport& report)
    : Window(report),
      program_(program),
      session_(*program.model, *program.store, *program.files, *this, program.programFolder),
      icons_(*program.store, *program.files, JoinPath(program.programFolder, "Torva.exe")),
      renderer_(icons_),
      progress_(report, program.instance) {}

MainWindow::~MainWindow() {
    // Menus not attached to the window at its end are not destroyed with it.
    if (singleShown_ && barMenu_) DestroyMenu(barMenu_);
    if (!singleShown_ && singleMenu_) DestroyMenu(singleMenu_);
}

bool MainWindow::Open(const std::string& commandLine) {
    ErrorLocation here(program_.store->error(), location::kWindowLoad);
    screenWidth_ = GetSystemMetrics(SM_CXSCREEN);
    screenHeight_ = GetSystemMetrics(SM_CYSCREEN);
    HICON icon = LoadIconW(program_.instance, MAKEINTRESOURCEW(1));
    ui::win32::WindowClass wc{kMainWindowClass, icon, icon, nullptr, nullptr};
    // Without WS_CLIPCHILDREN: the window's image holds its slots and titles too, and a new page is
    // painted by the window alone (tvsetupfm_paint.cpp).
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    if (!Create(wc, WS_EX_ACCEPTFILES, Wide(kUntitledCaption), style, CW_USEDEFAULT, CW_USEDEFAULT, 600,
                400)) {
        return false;
    }
    CreateControls();
    BuildMenus();
    ApplyDisplayMode();
    if (POINT pointer{}; GetCursorPos(&pointer)) pointerAtShow_ = pointer;
    ShowWindow(Handle(), SW_SHOW);
    UpdateWindow(Handle());
    session_.Start(commandLine);
    // The runtime's marker hides and shows File items; checks and greys follow in AfterEvent.
    if (session_.state().startedByRuntime) BuildMenus();
    AfterEvent();
    // Dropped files are taken from the start on: the window is made with WS_EX_ACCEPTFILES.
    // A timer message comes only when nothing is left to paint: the first page is on screen then,
    // and a first key has had its moment.
    if (program_.backgroundStarts)
        SetTimer(Handle(), kOpenerRegistrationTimerId, platform::kDeferredStartDelayMs, nullptr);
    return true;
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == 0 && lParam == 0) {
                RunCommand(ItemOfCommand(LOWORD(wParam)));
                return 0;
            }
            break;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_CLOSE:
            if (OnClose()) CloseWindow();
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) {
                ErrorLocation here(program_.store->error(), location::kActivation);
                session_.Activated();
                AfterEvent();
            }
            break;
        case kMakeNeighbourIcons:
            MakeNeighbourIcons();
            return 0;
        case WM_TIMER:
            if (wParam == kNeighbourIconsTimerId) {
                MakeNeighbourIcons();
                return 0;
            }
            if (wParam == kOpenerRegistrationTimerId) {
                KillTimer(Handle(), kOpenerRegistrationTimerId);
                program_.backgroundStarts->StartDeferred();
                return 0;
            }
            break;
        case WM_DROPFILES:
            OnDrop(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_KEYDOWN:
            if (OnKey(static_cast<UINT>(wParam))) return 0;
            break;
        case WM_MOUSEMOVE:
            OnMouseSeen(Handle(), message, wParam, lParam);
            break;
        case WM_RBUTTONUP: {
            POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            ClientToScreen(Handle(), &at);
            ShowContextMenu(ContextMenu::Page, at);
            return 0;
        }
        case WM_SETFOCUS:
            // The window itself never keeps the focus: it belongs to the selected element.
            if (HWND control = ControlOf(session_.state().focusIndex); control && IsWindowVisible(control)) {
                SetFocus(control);
            }
            return 0;
        default:
            break;
    }
    return Default(message, wParam, lParam);
}

void MainWindow::RunCommand(MenuId id) {
    ErrorLocation here(program_.store->error(), static_cast<int16_t>(CommandLocation(id)));
    const WindowRequest request = session_.Command(id);
    if (request == WindowRequest::Close) {
        CloseWindow();
        return;
    }
    if (id == MenuId::FileNew || id == MenuId::FileOpen || id == MenuId::FileConv) {
        // A cleared or replaced model: the images of the old one go.
        icons_.Clear();
    }
    AfterEvent();
    HandleRequest(request);
}

void MainWindow::HandleRequest(WindowRequest request) {
    switch (request) {
        case WindowRequest::None:
        case WindowRequest::Close:
            break;
        case WindowRequest::VersionBox:
            ShowVersionBox();
            break;
        case WindowRequest::Help:
            ShowHelp(kHelpContents);
            break;
        default:
            OpenDefinitionDialog(request);
            break;
    }
}

void MainWindow::AfterEvent() {
    if (!Handle()) return;
    const ViewUpdate update = session_.TakeViewUpdate();
    if (update.layout) {
        ApplyDisplayMode();
    } else if (update.render) {
        RenderPage();
        RestoreSelection();
    } else if (update.selection) {
        RestoreSelection();
    }
    ApplyMenuStates();
    const std::wstring caption = Wide(WindowCaption(session_.state().currentPath));
    if (ui::win32::WindowTextOf(Handle()) != caption) SetWindowTextW(Handle(), caption.c_str());
}

bool MainWindow::OnClose() {
    ErrorLocation here(program_.store->error(), location::kClosing);
    if (closing_) return true;
    // While a dialog is open the window is disabled; a close then waits for the dialog.
    if (!IsWindowEnabled(Handle())) return false;
    const bool close = session_.RequestClose();
    AfterEvent();
    return close;
}

void MainWindow::CloseWindow() {
    closing_ = true;
    DestroyWindow(Handle());
}

SaveAnswer MainWindow::AskSaveChanges() {
    ErrorLocation here(program_.store->error(), location::kSaveQuestion);
    const int answer =
        torva::win32::ShowMessageBox(Handle(), "メニューの内容が更新されています。\r保存しますか？",
                                     "TVSETUP", MB_YESNOCANCEL | MB_ICONWARNING | MB_DEFBUTTON3);
    if (answer == IDYES) return SaveAnswer::Yes;
    if (answer == IDNO) return SaveAnswer::No;
    return SaveAnswer::Cancel;
}

std::optional<std::string> MainWindow::ChooseFile(const FileDialogSettings& settings,
                                                  const std::string& initialFolder) {
    EnableWindow(Handle(), FALSE);
    auto chosen = RunFileDialog(Handle(), settings, initialFolder);
    EnableWindow(Handle(), TRUE);
    SetForegroundWindow(Handle());
    return chosen;
}

void MainWindow::ShowProgress(std::string_view caption) {
    progress_.Show(Handle(), caption);
}

void MainWindow::HideProgress() {
    progress_.Hide();
}

void MainWindow::ShowError(const std::string& reportText) {
    torva::win32::ShowErrorBox(Handle(), reportText, "TVSETUP");
}

void MainWindow::StartProgram(const std::string& commandLine) {
    program_.processes->Start(commandLine);
}

}  // namespace torva::editor::win32
