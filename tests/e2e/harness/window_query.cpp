#include "tests/e2e/harness/window_query.h"

#include <tlhelp32.h>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide.h"

namespace torva::e2e {

using win32::Narrow;
using win32::Wide;

namespace {

constexpr UINT kSendTimeoutMs = 2000;

bool Matches(HWND hwnd, const WindowQuery& q) {
    if (q.visibleOnly && !IsWindowVisible(hwnd)) return false;
    if (q.processId != 0 && WindowProcessId(hwnd) != q.processId) return false;
    if (!q.className.empty() && CompareStringOrdinal(Wide(ClassName(hwnd)).c_str(), -1,
                                                     Wide(q.className).c_str(), -1, TRUE) != CSTR_EQUAL)
        return false;
    if (q.caption.empty()) return true;
    const std::string text = WindowText(hwnd);
    if (q.captionPrefix) return text.compare(0, q.caption.size(), q.caption) == 0;
    return text == q.caption;
}

}  // namespace

std::vector<HWND> FindTopLevelWindows(const WindowQuery& query) {
    struct Context {
        const WindowQuery* query;
        std::vector<HWND> found;
    } context{&query, {}};
    EnumWindows(
        [](HWND hwnd, LPARAM lp) -> BOOL {
            auto* c = reinterpret_cast<Context*>(lp);
            if (Matches(hwnd, *c->query)) c->found.push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&context));
    return context.found;
}

std::optional<HWND> WaitForWindow(const WindowQuery& query, Millis timeout) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            const auto all = FindTopLevelWindows(query);
            if (!all.empty()) found = all.front();
            return found != nullptr;
        },
        timeout);
    if (!found) return std::nullopt;
    return found;
}

bool WaitForNoWindow(const WindowQuery& query, Millis timeout) {
    return WaitUntil([&] { return FindTopLevelWindows(query).empty(); }, timeout);
}

bool CloseWindowsTitled(const std::string& caption) {
    for (HWND w : FindTopLevelWindows(Titled(caption))) PostMessageW(w, WM_CLOSE, 0, 0);
    return WaitForNoWindow(Titled(caption));
}

std::string WindowText(HWND hwnd) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length))
        return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied))
        return {};
    text.resize(copied < text.size() ? copied : text.size() - 1);
    return Narrow(text);
}

std::string ClassName(HWND hwnd) {
    wchar_t name[256] = {};
    const int n = GetClassNameW(hwnd, name, 256);
    return Narrow(std::wstring_view(name, n > 0 ? static_cast<std::size_t>(n) : 0));
}

DWORD WindowProcessId(HWND hwnd) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    return pid;
}

HWND FocusedWindow(HWND hwnd) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info) ? info.hwndFocus : nullptr;
}

LONG_PTR WindowStyle(HWND hwnd) {
    return GetWindowLongPtrW(hwnd, GWL_STYLE);
}
LONG_PTR WindowExStyle(HWND hwnd) {
    return GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
}
bool IsTopmost(HWND hwnd) {
    return (WindowExStyle(hwnd) & WS_EX_TOPMOST) != 0;
}

RECT WindowRectOnScreen(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

RECT ClientRectOnScreen(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

ControlInfo DescribeControl(HWND control) {
    ControlInfo info;
    info.hwnd = control;
    info.parent = GetAncestor(control, GA_PARENT);
    info.className = ClassName(control);
    info.text = WindowText(control);
    info.id = GetDlgCtrlID(control);
    info.visible = IsWindowVisible(control) != FALSE;
    info.enabled = IsWindowEnabled(control) != FALSE;
    info.screen = WindowRectOnScreen(control);
    info.inParent = info.screen;
    if (info.parent) MapWindowPoints(nullptr, info.parent, reinterpret_cast<POINT*>(&info.inParent), 2);
    return info;
}

std::vector<ControlInfo> ListControls(HWND topLevel) {
    std::vector<ControlInfo> controls;
    EnumChildWindows(
        topLevel,
        [](HWND hwnd, LPARAM lp) -> BOOL {
            reinterpret_cast<std::vector<ControlInfo>*>(lp)->push_back(DescribeControl(hwnd));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&controls));
    return controls;
}

std::optional<ControlInfo> FindControlById(HWND topLevel, int id) {
    for (auto& c : ListControls(topLevel))
        if (c.id == id) return c;
    return std::nullopt;
}

std::optional<ControlInfo> FindControl(HWND topLevel, const std::string& className,
                                       const std::optional<std::string>& text) {
    const std::wstring wanted = Wide(className);
    for (auto& c : ListControls(topLevel)) {
        if (CompareStringOrdinal(Wide(c.className).c_str(), -1, wanted.c_str(), -1, TRUE) != CSTR_EQUAL)
            continue;
        if (text && c.text != *text) continue;
        return c;
    }
    return std::nullopt;
}

bool MessageRoundTrip(HWND hwnd, Millis timeout) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(timeout.count()),
                               &result) != 0;
}

bool WaitUntilPainted(HWND topLevel, Millis timeout) {
    return WaitUntil(
        [&] {
            if (!MessageRoundTrip(topLevel)) return false;
            if (GetUpdateRect(topLevel, nullptr, FALSE)) return false;
            for (const ControlInfo& c : ListControls(topLevel)) {
                if (c.visible && GetUpdateRect(c.hwnd, nullptr, FALSE)) return false;
            }
            // Painting happens when the queue is empty; one more trip returns after it.
            return MessageRoundTrip(topLevel);
        },
        timeout);
}

std::vector<DWORD> LiveChildren(DWORD parent) {
    std::vector<DWORD> children;
    win32::UniqueFileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return children;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
         more = Process32NextW(snapshot.get(), &entry)) {
        if (entry.th32ParentProcessID == parent && entry.th32ProcessID != parent)
            children.push_back(entry.th32ProcessID);
    }
    return children;
}

bool WaitForChildrenToEnd(DWORD parentProcessId, Millis timeout) {
    return WaitUntil([&] { return LiveChildCount(parentProcessId) == 0; }, timeout);
}

bool WaitUntilSettled(HWND window, Millis timeout) {
    if (!MessageRoundTrip(window, timeout) || !MessageRoundTrip(window, timeout)) return false;
    return WaitForChildrenToEnd(WindowProcessId(window), timeout);
}

}  // namespace torva::e2e
