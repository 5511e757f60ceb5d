#include "editor/win32/dialogs/definition_dialog.h"

#include <commctrl.h>
#include <commdlg.h>

#include <vector>

#include "common/twips.h"
#include "editor/dialogs/store_question.h"
#include "platform/win32/com.h"
#include "platform/win32/message_box.h"
#include "platform/win32/wide.h"

namespace torva::editor::win32 {

namespace {

constexpr wchar_t kDialogFace[] = L"ＭＳ Ｐゴシック";
constexpr int kDialogPointHundredths = 900;
constexpr UINT_PTR kQuoteFilterId = 0x5146;

}  // namespace

DefinitionDialog::DefinitionDialog(dialogs::DialogHost& host, ui::win32::FatalReport& report,
                                   int16_t closingLocation)
    : Dialog(report), host_(host), closingLocation_(closingLocation) {}

bool DefinitionDialog::OpenWith(HWND owner, std::string_view caption, int clientWidthTwips,
                                int clientHeightTwips) {
    owner_ = owner;
    if (owner_) EnableWindow(owner_, FALSE);
    if (ShowModeless(owner, torva::win32::Wide(caption), clientWidthTwips, clientHeightTwips)) return true;
    if (owner_) EnableWindow(owner_, TRUE);
    return false;
}

void DefinitionDialog::Close(bool stored, bool redraw) {
    stored_ = stored;
    redraw_ = redraw;
    if (owner_) EnableWindow(owner_, TRUE);
    End(stored ? IDOK : IDCANCEL);
}

void DefinitionDialog::OnClosed() {
    if (closingLocation_ != 0) host_.Error().code = closingLocation_;
    if (owner_) {
        EnableWindow(owner_, TRUE);
        SetForegroundWindow(owner_);
    }
    host_.DialogClosed(stored_, redraw_);
}

POINT DefinitionDialog::Placement(HWND owner, SIZE outer) const {
    RECT area{};
    if (!owner || !GetWindowRect(owner, &area) || IsIconic(owner)) return Dialog::Placement(owner, outer);
    return POINT{
        CentredOverOrigin(area.left, area.right - area.left, outer.cx, GetSystemMetrics(SM_CXSCREEN)),
        CentredOverOrigin(area.top, area.bottom - area.top, outer.cy, GetSystemMetrics(SM_CYSCREEN))};
}

void DefinitionDialog::OnCommand(int id, int) {
    if (id == IDCANCEL) Close(false, false);
}

bool DefinitionDialog::ConfirmStore(const std::string& question) {
    const int answer = torva::win32::ShowMessageBox(Handle(), question, std::string(dialogs::kQuestionTitle),
                                                    MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2);
    return answer == IDYES;
}

std::optional<std::string> DefinitionDialog::Browse(const dialogs::BrowseSettings& settings,
                                                    std::string& pickFolder) {
    const std::wstring filter = torva::win32::Wide(dialogs::FilterText(settings.filters));
    const std::wstring title = torva::win32::Wide(settings.title);
    const std::wstring initial = torva::win32::Wide(pickFolder);
    std::vector<wchar_t> name(dialogs::kBrowseNameLength, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = Handle();
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrInitialDir = initial.empty() ? nullptr : initial.c_str();
    ofn.lpstrTitle = title.c_str();
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    std::optional<std::string> chosen;
    // The shell's folders in the dialog want COM on this thread, for the dialog's time only.
    const torva::win32::ComScope com;
    if (GetOpenFileNameW(&ofn)) {
        chosen = torva::win32::Narrow(name.data());
        // The folder the file was chosen in: the path up to its last separator.
        const std::wstring path(name.data());
        const std::size_t cut = path.find_last_of(L'\\');
        if (cut != std::wstring::npos) {
            pickFolder = torva::win32::Narrow(path.substr(0, cut == 2 ? 3 : cut));
        }
    }
    (void)host_.Files().SetCurrentFolder(host_.ProgramFolder());
    return chosen;
}

HWND DefinitionDialog::Add(const ui::win32::ControlMaker& maker, const wchar_t* windowClass,
                           std::string_view text, DWORD style, int id, const TwipsRect& at, DWORD exStyle) {
    HWND control = maker.Add(windowClass, torva::win32::Wide(text), style, id, at, DialogFont(), exStyle);
    if (id != 0 && id != -1) controls_[id] = control;
    return control;
}

HWND DefinitionDialog::Label(const ui::win32::ControlMaker& maker, std::string_view text, int id,
                             const TwipsRect& at) {
    return Add(maker, L"STATIC", text, SS_LEFT | SS_NOPREFIX, id, at);
}

HWND DefinitionDialog::Edit(const ui::win32::ControlMaker& maker, int id, const TwipsRect& at,
                            bool refuseQuotes) {
    HWND edit = Add(maker, L"EDIT", "", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, id, at);
    if (refuseQuotes) SetWindowSubclass(edit, &DefinitionDialog::QuoteFilter, kQuoteFilterId, 0);
    return edit;
}

LRESULT CALLBACK DefinitionDialog::QuoteFilter(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                               UINT_PTR, DWORD_PTR) {
    switch (message) {
        case WM_CHAR:
            if (static_cast<wchar_t>(wParam) == L'"') return 0;
            break;
        case WM_PASTE: {
            // Pasted text loses its double quotes as typed text does.
            if (!OpenClipboard(edit)) return 0;
            std::wstring text;
            if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
                if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
                    text = chars;
                    GlobalUnlock(data);
                }
            }
            CloseClipboard();
            std::erase(text, L'"');
            SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
            return 0;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(edit, &DefinitionDialog::QuoteFilter, kQuoteFilterId);
            break;
        default:
            break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

HGDIOBJ DefinitionDialog::DialogFont() {
    // Made once the dialog knows the screen's resolution, which it reads as it is created.
    if (!font_) font_ = Font(kDialogFace, kDialogPointHundredths);
    return font_.get();
}

HWND DefinitionDialog::Control(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? Item(id) : it->second;
}

std::string DefinitionDialog::Text(int id) const {
    return torva::win32::Narrow(ui::win32::WindowTextOf(Control(id)));
}

void DefinitionDialog::SetText(int id, std::string_view text) {
    SetWindowTextW(Control(id), torva::win32::Wide(text).c_str());
}

bool DefinitionDialog::Checked(int id) const {
    return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void DefinitionDialog::SetChecked(int id, bool checked) {
    SendMessageW(Control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void DefinitionDialog::Enable(int id, bool enabled) {
    EnableWindow(Control(id), enabled ? TRUE : FALSE);
}

void DefinitionDialog::Show(int id, bool shown) {
    ShowWindow(Control(id), shown ? SW_SHOW : SW_HIDE);
}

void DefinitionDialog::FocusControl(int id) {
    HWND control = Control(id);
    if (!control) return;
    SendMessageW(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

bool DefinitionDialog::SelectAllOnEntry(int id, int notification) {
    if (notification != EN_SETFOCUS) return false;
    // Posted: a click that gave the focus places the caret after this notification.
    PostMessageW(Control(id), EM_SETSEL, 0, -1);
    return true;
}

}  // namespace torva::editor::win32
