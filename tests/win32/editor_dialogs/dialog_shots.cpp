// TvDialogShots: pictures of every definition dialog on every tab, for looking at the layouts at
// the screen's resolution (scripts/screenshot-dialogs.sh runs it at 96 and 144 dots per inch).
// Usage: TvDialogShots <folder>   writes <folder>\<dialog>-<tab>.bmp
#include <windows.h>
// After windows.h.
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "editor/win32/dialogs/control_ids.h"
#include "editor/win32/dialogs/definition_dialogs.h"
#include "platform/win32/wide.h"
#include "tests/win32/editor_dialogs/dialog_driver.h"
#include "ui/win32/message_pump.h"

namespace torva::test {
namespace {

// The dialog as it is on the screen, frame included, as a 24-bit BMP file.
bool SaveWindowPicture(HWND window, const std::wstring& path) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME | RDW_ALLCHILDREN);
    RECT r{};
    GetWindowRect(window, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return false;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const int stride = ((width * 3 + 3) / 4) * 4;
    std::vector<unsigned char> pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height));
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (!out) return false;
    const bool written = fwrite(&file, sizeof(file), 1, out) == 1 &&
                         fwrite(&info, sizeof(info), 1, out) == 1 &&
                         fwrite(pixels.data(), 1, pixels.size(), out) == pixels.size();
    fclose(out);
    return written;
}

void Shoot(HWND dialog, int tabs, const std::wstring& folder, const std::wstring& name) {
    const int count =
        tabs ? static_cast<int>(SendMessageW(Find(dialog, editor::win32::ids::kTabs), TCM_GETITEMCOUNT, 0, 0))
             : 1;
    for (int tab = 0; tab < count; ++tab) {
        if (tabs) SelectTab(dialog, editor::win32::ids::kTabs, tab);
        // The virtual desktop shows what was drawn a moment later; a picture, not a check, waits.
        ui::win32::PumpFor(400);
        const std::wstring path = folder + L"\\" + name + L"-" + std::to_wstring(tab) + L".bmp";
        if (!SaveWindowPicture(dialog, path)) fwprintf(stderr, L"not saved: %ls\n", path.c_str());
    }
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    Pump();
}

int Run(const std::wstring& folder) {
    StandInEditor editor;
    RecordingReport report;
    OwnerWindow owner;
    editor::win32::DefinitionDialogs dialogs(editor, report);
    definition::MenuDefinition& model = *editor.model;
    definition::MenuButton& b = model.Page(1).Button(1);
    b.caption = "メモ帳";
    b.action = definition::ButtonAction::Run;
    b.program = "notepad.exe";
    b.arguments = "readme.txt";
    b.runOption = 3;
    b.icon = "shell32.dll|5";
    b.iconBase = definition::kBaseSystemFolder;
    b.password = "secret";
    b.guide = "パスワードを入力してください";
    b.comment = "社内ツール";
    b.foreColour = 0xFF0000;
    b.backColour = definition::kTransparent;
    model.Page(1).Title(1) = {"総務部メニュー", "ＭＳ ゴシック", "Bold", 16, 0x000080, 0xFFC0C0};
    model.Page(1).barTitle = {"Office", 0xFFC0C0, "", 0};
    model.commonBackground = true;
    model.elapsedStarts[0] = {"00:10", 1, 2};
    model.clockStarts[1] = {"12:30", 2, 5};
    model.startPrograms[0] = {"notepad.exe", "start.txt", 1, 3};
    model.endPrograms[1] = {"calc.exe", "", 0, 4};

    if (dialogs.OpenButton(owner.get(), 1, 1)) Shoot(dialogs.OpenDialog(), true, folder, L"button");
    if (dialogs.OpenTitle(owner.get(), 1, 1)) Shoot(dialogs.OpenDialog(), true, folder, L"title");
    if (dialogs.OpenBarTitle(owner.get(), 1)) Shoot(dialogs.OpenDialog(), true, folder, L"bartitle");
    if (dialogs.OpenTimedStarts(owner.get())) Shoot(dialogs.OpenDialog(), false, folder, L"timed");
    if (dialogs.OpenStartEndPrograms(owner.get())) Shoot(dialogs.OpenDialog(), true, folder, L"startend");
    if (dialogs.OpenPageStartPrograms(owner.get(), 1))
        Shoot(dialogs.OpenDialog(), true, folder, L"pagestart");
    return report.failures.empty() ? 0 : 1;
}

}  // namespace
}  // namespace torva::test

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        fwprintf(stderr, L"usage: TvDialogShots <folder>\n");
        return 2;
    }
    SetProcessDPIAware();
    return torva::test::Run(argv[1]);
}
