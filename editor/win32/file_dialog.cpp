#include "editor/win32/file_dialog.h"

#include <vector>

#include "editor/win32/win_api.h"
#include "platform/win32/com.h"
#include "platform/win32/wide.h"

namespace torva::editor::win32 {

using torva::win32::Narrow;
using torva::win32::Wide;

namespace {

// The filter's NUL-separated pieces, each converted on its own.
std::wstring WideFilter(std::string_view filter) {
    std::wstring out;
    std::size_t start = 0;
    while (start < filter.size()) {
        const std::size_t end = filter.find('\0', start);
        const std::string_view piece =
            filter.substr(start, end == std::string_view::npos ? end : end - start);
        if (piece.empty()) break;
        out += Wide(piece);
        out += L'\0';
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    out += L'\0';
    return out;
}

}  // namespace

std::optional<std::string> RunFileDialog(HWND owner, const FileDialogSettings& settings,
                                         const std::string& initialFolder) {
    const std::wstring filter = WideFilter(settings.filter);
    const std::wstring title = Wide(settings.title);
    const std::wstring folder = Wide(initialFolder);
    const std::wstring extension = Wide(settings.defaultExtension);
    // Room for any path the system allows, not only the short ones.
    std::vector<wchar_t> file(32768, L'\0');

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrTitle = title.c_str();
    ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (settings.hideReadOnly) ofn.Flags |= OFN_HIDEREADONLY;
    if (settings.fileMustExist) ofn.Flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    if (settings.overwritePrompt) ofn.Flags |= OFN_OVERWRITEPROMPT;
    // The dialog shows the shell's folders, which want COM on this thread; the editor starts it only
    // for the dialog's time.
    const torva::win32::ComScope com;
    const BOOL chosen =
        settings.kind == FileDialogKind::Open ? GetOpenFileNameW(&ofn) : GetSaveFileNameW(&ofn);
    if (!chosen) return std::nullopt;
    return Narrow(file.data());
}

}  // namespace torva::editor::win32
