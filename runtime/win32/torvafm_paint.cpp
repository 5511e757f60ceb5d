// Drawing a page into the retained images, in the fixed order: page start programs, caption,
// background colour and picture, titles, buttons, outer frame, button frames.
#include <algorithm>

#include "common/error_state.h"
#include "common/utf8.h"
#include "menuview/button_face.h"
#include "menuview/tooltips.h"
#include "platform/win32/wide.h"
#include "runtime/program_entries.h"
#include "runtime/win32/gdi_text.h"
#include "runtime/win32/picture.h"
#include "runtime/win32/settle.h"
#include "runtime/win32/torvabs.h"
#include "runtime/win32/torvafm.h"
#include "runtime/win32/win_api.h"

namespace torva::runtime::win32 {

using namespace torva::menuview;

using torva::win32::Wide;

namespace {

const Canvas& SemiTransparentPattern() {
    // A 64 x 64 pattern of every other pixel, laid over a copy of what lies beneath.
    static const Canvas pattern = [] {
        Canvas c(64, 64);
        c.Fill(kPatternKey);
        for (int y = 0; y < 64; ++y) {
            for (int x = (y & 1); x < 64; x += 2) SetPixelV(c.dc(), x, y, RGB(255, 255, 255));
        }
        return c;
    }();
    return pattern;
}

// The background of a title or button: its colour, or what lies beneath it on the window.
void FillControlBackground(const Canvas& target, const Canvas& windowBase, const PixelRect& at,
                           uint32_t colour) {
    if (colour == kTransparentColour || colour == kSemiTransparentColour) {
        target.CopyFrom(windowBase, at.left, at.top);
        if (colour == kSemiTransparentColour) {
            const Canvas& p = SemiTransparentPattern();
            for (int x = 0; x < target.width(); x += 64) {
                GdiTransparentBlt(target.dc(), x, 0, 64, 64, p.dc(), 0, 0, 64, 64, kPatternKey);
            }
        }
        return;
    }
    target.Fill(ToColorRef(colour, GetSysColor(COLOR_BTNFACE)));
}

void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    MSG msg;
    do {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    } while (GetTickCount() - start < milliseconds);
}

}  // namespace

void MenuWindow::DrawPage() {
    TorvaRuntime& rt = Torva();
    ErrorLocation here(rt.error, 998);
    const definition::MenuPage& page = rt.definition->Page(currentPage_);

    EntryRunnerHooks hooks;
    hooks.reportFailure = ReportLaunchFailure;
    hooks.betweenChecks = [] { PumpFor(500); };
    hooks.settle = WaitUntilStarted;
    RunProgramEntries(EntryKind::PageStart, page.pageStarts, rt.programFolder, *rt.os.processes, hooks);
    RenderPage();
}

void MenuWindow::RenderPage() {
    TorvaRuntime& rt = Torva();
    ErrorLocation here(rt.error, 998);
    const definition::MenuPage& page = rt.definition->Page(currentPage_);
    SetWindowTextW(hwnd_, Wide(page.barTitle.text).c_str());
    DrawBackground();
    DrawTitles();
    DrawButtons();
    DrawOuterFrame();
    ComposeWindow();
    UpdateTooltips();
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void MenuWindow::DrawBackground() {
    const definition::MenuPage& page = Torva().definition->Page(currentPage_);
    base_ = Canvas(clientWidth_, clientHeight_);
    const COLORREF colour = ToColorRef(page.barTitle.backColour, GetSysColor(COLOR_BTNFACE));
    base_.Fill(colour);
    const std::string picture = TrimBlanks(page.barTitle.picture);
    if (picture.empty()) return;
    // A picture that cannot be read leaves the plain colour: the menu stays usable.
    const auto image = LoadPictureFile(picture, colour);
    if (!image) return;
    for (const FacePoint& p : TileOrigins(clientWidth_, clientHeight_, image->width(), image->height())) {
        image->CopyTo(base_.dc(), p.x, p.y);
    }
}

void MenuWindow::DrawTitles() {
    const definition::MenuPage& page = Torva().definition->Page(currentPage_);
    if (!layout_.titleBars) {
        const auto& t1 = page.titles[0];
        const auto& t2 = page.titles[1];
        titleTipText_ = BarTitleTooltip(t1.text, t2.text, TitleShown(t2.text, t2.backColour));
        return;
    }
    for (std::size_t i = 0; i < 2; ++i) {
        const definition::PageTitle& t = page.titles[i];
        TitleState& bar = titles_[i];
        if (!TitleShown(t.text, t.backColour)) {
            ShowWindow(bar.hwnd, SW_HIDE);
            continue;
        }
        const PixelRect& at = layout_.titles[i];
        bar.image = Canvas(at.width, at.height);
        FillControlBackground(bar.image, base_, at, t.backColour);
        const FontChoice font = ResolveFont(t.fontName, t.fontStyle, t.fontSize, layout_.titleFontSize);
        TextPainter painter(bar.image.dc(), font, ToColorRef(t.foreColour, GetSysColor(COLOR_BTNTEXT)));
        const SIZE size = painter.Measure(t.text);
        painter.Print(t.text, (at.width - size.cx) / 2, (at.height - size.cy) / 2);
        ShowWindow(bar.hwnd, SW_SHOWNA);
        InvalidateRect(bar.hwnd, nullptr, FALSE);
    }
}

void MenuWindow::DrawButtons() {
    for (int i = 1; i <= layout_.buttonCount; ++i) {
        DrawButtonFace(i);
        ComposeButton(i);
    }
}

void MenuWindow::DrawButtonFace(int n) {
    TorvaRuntime& rt = Torva();
    const definition::MenuButton& def = rt.definition->Page(currentPage_).Button(n);
    ButtonState& b = buttons_[static_cast<std::size_t>(n - 1)];
    const PixelRect& at = layout_.buttons[static_cast<std::size_t>(n - 1)];
    b.face = Canvas(at.width, at.height);
    FillControlBackground(b.face, base_, at, def.backColour);

    const bool hasIcon = !TrimBlanks(def.icon).empty();
    if (hasIcon) {
        if (HICON icon = icons_.Get(currentPage_, n, def.icon, layout_.mode == 6)) {
            DrawIconEx(b.face.dc(), kIconOrigin.x, kIconOrigin.y, icon, 0, 0, 0, nullptr, DI_NORMAL);
        }
    }
    const bool keyMark = def.pfKey && !rt.options().noFunctionKeys;
    b.captionRect = RECT{};
    if (layout_.captions) {
        if (keyMark) {
            if (HICON mark = rt.keyMarks[static_cast<std::size_t>(n - 1)].get()) {
                const FacePoint p = KeyMarkOrigin(at.width);
                DrawIconEx(b.face.dc(), p.x, p.y, mark, 0, 0, 0, nullptr, DI_NORMAL);
            }
        }
        const FontChoice font =
            ResolveFont(def.fontName, def.fontStyle, def.fontSize, layout_.captionFontSize);
        TextPainter painter(b.face.dc(), font, ToColorRef(def.foreColour, GetSysColor(COLOR_BTNTEXT)));
        const SIZE size = painter.Measure(def.caption);
        const FacePoint p = CaptionOrigin(at.width, at.height, size.cx, size.cy, hasIcon, keyMark);
        painter.Print(def.caption, p.x, p.y);
        if (!def.caption.empty()) b.captionRect = RECT{p.x, p.y, p.x + size.cx, p.y + size.cy};
        buttonTips_[static_cast<std::size_t>(n - 1)] = def.comment;
    } else {
        buttonTips_[static_cast<std::size_t>(n - 1)] =
            IconModeTooltip(n, def.caption, def.pfKey, rt.options().noFunctionKeys, def.comment);
    }
}

void MenuWindow::DrawOuterFrame() {
    if (!Torva().options().outerFrame) return;
    int right = clientWidth_ - 1;
    int bottom = clientHeight_ - 1;
    if (layout_.mode == 4) {
        right = screenWidthPx_ - 1;
        bottom = screenHeightPx_ - 21;
    }
    HDC dc = base_.dc();
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    DrawLine(dc, 0, 0, right, 0, shadow);
    DrawLine(dc, 0, 0, 0, bottom, shadow);
    DrawLine(dc, 0, bottom, right, bottom, light);
    DrawLine(dc, right, 0, right, bottom, light);
    DrawLine(dc, 1, 1, right - 1, 1, RGB(0, 0, 0));
    DrawLine(dc, 1, 1, 1, bottom - 1, RGB(0, 0, 0));
    DrawLine(dc, 1, bottom - 1, right - 1, bottom - 1, face);
    DrawLine(dc, right - 1, 1, right - 1, bottom - 1, face);
}

void MenuWindow::UpdateTooltips() {
    auto set = [&](HWND control, const std::string& text) {
        std::wstring wide = Wide(text);
        TTTOOLINFOW info{};
        info.cbSize = TTTOOLINFOW_V2_SIZE;
        info.hwnd = hwnd_;
        info.uId = reinterpret_cast<UINT_PTR>(control);
        info.lpszText = wide.data();
        SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    };
    for (int i = 0; i < layout_.buttonCount; ++i) {
        set(buttons_[static_cast<std::size_t>(i)].hwnd, buttonTips_[static_cast<std::size_t>(i)]);
    }
    if (titleTip_) set(titleTip_, titleTipText_);
}

}  // namespace torva::runtime::win32
