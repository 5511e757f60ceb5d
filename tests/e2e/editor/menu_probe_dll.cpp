// TvMenuProbe.dll: loaded into a program under test (see menu_probe.h), it answers requests from the
// test inside that program, where the program's menus can be read and a drop of files can be made.
// Menus live inside their process under Wine; another process cannot read them.
//
// Requests come as a file written by the test followed by a named event; the answer is a file and a
// second event. The file names come from the environment of the program (TORVA_MENU_PROBE_FILE).
//   "dump"                 every item of the menu bar of the main window: depth, id, flags, caption
//   "drop X Y PATH"        a drop of PATH at the client point (X, Y) of the main window
//   "focus"                the control id of the control that has the keyboard focus
// clang-format off
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
// clang-format on

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string Narrow(const std::wstring& w) {
    if (w.empty()) return {};
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring Wide(const std::string& s) {
    if (s.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), out.data(), n);
    return out;
}

HWND MainWindow() {
    struct Search {
        DWORD pid;
        HWND found;
    } search{GetCurrentProcessId(), nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            DWORD pid = 0;
            GetWindowThreadProcessId(hwnd, &pid);
            if (pid == s->pid && GetMenu(hwnd) != nullptr) {
                s->found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void DumpMenu(HMENU menu, int depth, std::ostringstream& out) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[512] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = 511;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
        std::string flags;
        if (info.fType & MFT_SEPARATOR) flags += 'S';
        if (info.fState & MFS_CHECKED) flags += 'C';
        if (info.fState & MFS_GRAYED) flags += 'G';
        if (info.hSubMenu) flags += 'P';
        if (flags.empty()) flags = "-";
        out << depth << '\t' << info.wID << '\t' << flags << '\t' << Narrow(text) << '\n';
        if (info.hSubMenu) DumpMenu(info.hSubMenu, depth + 1, out);
    }
}

std::string Dump() {
    HWND hwnd = MainWindow();
    std::ostringstream out;
    if (hwnd) DumpMenu(GetMenu(hwnd), 0, out);
    return out.str();
}

std::string Drop(int x, int y, const std::wstring& path) {
    HWND hwnd = MainWindow();
    if (!hwnd) return "no window";
    const std::size_t bytes = sizeof(DROPFILES) + (path.size() + 2) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, bytes);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = POINT{x, y};
    drop->fNC = FALSE;
    drop->fWide = TRUE;
    auto* names = reinterpret_cast<wchar_t*>(reinterpret_cast<char*>(drop) + sizeof(DROPFILES));
    path.copy(names, path.size());
    GlobalUnlock(memory);
    // The window owns the handle once it has the message (DragFinish frees it).
    PostMessageW(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
    return "ok";
}

std::string Focus() {
    HWND hwnd = MainWindow();
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!hwnd || !GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info)) return "0";
    return std::to_string(info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0);
}

DWORD WINAPI Worker(void*) {
    const char* base = std::getenv("TORVA_MENU_PROBE_FILE");
    if (!base) return 0;
    const std::string answerPath = base;
    const std::string requestPath = answerPath + ".req";
    const std::wstring pid = std::to_wstring(GetCurrentProcessId());
    HANDLE request = CreateEventW(nullptr, FALSE, FALSE, (L"TorvaMenuProbeRequest-" + pid).c_str());
    HANDLE done = CreateEventW(nullptr, FALSE, FALSE, (L"TorvaMenuProbeDone-" + pid).c_str());
    for (;;) {
        if (WaitForSingleObject(request, INFINITE) != WAIT_OBJECT_0) break;
        std::ifstream in(requestPath, std::ios::binary);
        std::string command;
        in >> command;
        std::string answer;
        if (command == "dump") {
            answer = Dump();
        } else if (command == "drop") {
            int x = 0;
            int y = 0;
            in >> x >> y;
            std::string path;
            std::getline(in >> std::ws, path);
            answer = Drop(x, y, Wide(path));
        } else if (command == "focus") {
            answer = Focus();
        }
        std::ofstream(answerPath, std::ios::binary | std::ios::trunc) << answer;
        SetEvent(done);
    }
    return 0;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        // The thread starts once the loader is done with us.
        HANDLE thread = CreateThread(nullptr, 0, Worker, nullptr, 0, nullptr);
        if (thread) CloseHandle(thread);
    }
    return TRUE;
}
