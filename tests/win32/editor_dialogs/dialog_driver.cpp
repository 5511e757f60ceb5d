#include "tests/win32/editor_dialogs/dialog_driver.h"

#include <commctrl.h>

#include "common/twips.h"
#include "platform/win32/system_info.h"
#include "platform/win32/wide.h"
#include "ui/win32/controls.h"
#include "ui/win32/message_pump.h"

namespace torva::test {

StandInEditor::StandInEditor() : model(std::make_unique<definition::MenuDefinition>()) {
    const win32::Win32SystemInfo system;
    programFolder = system.ProgramFolder();
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::string definitionFolder = win32::Narrow(temp);
    if (!definitionFolder.empty() && definitionFolder.back() == '\\') definitionFolder.pop_back();
    folders = {definitionFolder, programFolder, system.WindowsFolder(), system.SystemFolder()};
    programPick = picturePick = programFolder;
}

OwnerWindow::OwnerWindow() {
    hwnd_ = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
}

OwnerWindow::~OwnerWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void Pump() {
    ui::win32::PumpPending();
}

namespace {

struct FindRequest {
    int id;
    HWND found;
};

BOOL CALLBACK FindChild(HWND child, LPARAM param) {
    auto* request = reinterpret_cast<FindRequest*>(param);
    if (GetDlgCtrlID(child) == request->id) {
        request->found = child;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND Find(HWND dialog, int id) {
    FindRequest request{id, nullptr};
    EnumChildWindows(dialog, FindChild, reinterpret_cast<LPARAM>(&request));
    return request.found;
}

std::string TextOf(HWND dialog, int id) {
    HWND control = Find(dialog, id);
    wchar_t text[1024] = {};
    GetWindowTextW(control, text, 1024);
    return win32::Narrow(text);
}

void SetTextOf(HWND dialog, int id, const std::string& text) {
    SetWindowTextW(Find(dialog, id), win32::Wide(text).c_str());
    Pump();
}

void Click(HWND dialog, int id) {
    SendMessageW(Find(dialog, id), BM_CLICK, 0, 0);
    Pump();
}

void ClickAt(HWND control, int xTwips, int yTwips) {
    const int x = TwipsToPixels(xTwips, ui::win32::ScreenDpi::Read().x);
    const int y = TwipsToPixels(yTwips, ui::win32::ScreenDpi::Read().y);
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    Pump();
}

void SelectTab(HWND dialog, int tabsId, int index) {
    HWND tabs = Find(dialog, tabsId);
    SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    NMHDR header{tabs, static_cast<UINT_PTR>(tabsId), static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(dialog, WM_NOTIFY, static_cast<WPARAM>(tabsId), reinterpret_cast<LPARAM>(&header));
    Pump();
}

int SelectedTab(HWND dialog, int tabsId) {
    return static_cast<int>(SendMessageW(Find(dialog, tabsId), TCM_GETCURSEL, 0, 0));
}

void FocusOn(HWND dialog, int id) {
    SetFocus(Find(dialog, id));
    Pump();
}

namespace {

BOOL CALLBACK CollectTexts(HWND child, LPARAM param) {
    wchar_t text[1024] = {};
    GetWindowTextW(child, text, 1024);
    if (GetDlgCtrlID(child) == 0xFFFF) reinterpret_cast<std::wstring*>(param)->assign(text);
    return TRUE;
}

}  // namespace

QuestionAnswerer::QuestionAnswerer(std::vector<int> answers) : answers_(std::move(answers)) {
    thread_ = std::thread([this] {
        while (!stop_ && answered_ < static_cast<int>(answers_.size())) {
            HWND box = FindWindowW(L"#32770", L"TVSETUP");
            if (box && IsWindowVisible(box)) {
                std::wstring text;
                EnumChildWindows(box, CollectTexts, reinterpret_cast<LPARAM>(&text));
                {
                    std::lock_guard<std::mutex> lock(mutex_);
                    texts_.push_back(text);
                }
                const int answer = answers_[static_cast<std::size_t>(answered_.load())];
                PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
                ++answered_;
                // Wait for that box to go before looking for the next.
                while (!stop_ && IsWindow(box)) Sleep(10);
                continue;
            }
            Sleep(10);
        }
    });
}

QuestionAnswerer::~QuestionAnswerer() {
    stop_ = true;
    thread_.join();
}

std::vector<std::wstring> QuestionAnswerer::Texts() {
    std::lock_guard<std::mutex> lock(mutex_);
    return texts_;
}

}  // namespace torva::test
