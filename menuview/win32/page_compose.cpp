// Composing the rendered images with what changes without a new render: the raised frames, the
// selection, the pressed look and the caption's focus rectangle.
#include "menuview/frame_lines.h"
#include "menuview/win32/gdi_api.h"
#include "menuview/win32/line_painter.h"
#include "menuview/win32/page_renderer.h"

namespace torva::menuview::win32 {

namespace {

void Match(Canvas& out, int width, int height) {
    if (!out || out.width() != width || out.height() != height) out = Canvas(width, height);
}

}  // namespace

void ComposeSlot(const SlotImage& slot, bool pressed, bool marker, Canvas& out) {
    if (!slot.face) return;
    Match(out, slot.face.width(), slot.face.height());
    out.CopyFrom(slot.face, 0, 0);
    if (!pressed) DrawLines(out.dc(), ButtonLightLines(out.width(), out.height()));
    if (marker && slot.captionMarker) {
        const PixelRect& m = *slot.captionMarker;
        const RECT r{m.left, m.top, m.right(), m.bottom()};
        SetTextColor(out.dc(), RGB(0, 0, 0));
        SetBkColor(out.dc(), RGB(255, 255, 255));
        DrawFocusRect(out.dc(), &r);
    }
}

void ComposeWindow(const PageImages& page, const MenuLayout& layout, const PageLook& look, Canvas& out) {
    if (!page.background) return;
    Match(out, page.background.width(), page.background.height());
    out.CopyFrom(page.background, 0, 0);
    for (int n = 1; n <= layout.buttonCount; ++n) {
        const PixelRect& home = layout.buttons[static_cast<std::size_t>(n - 1)];
        DrawLines(out.dc(), ButtonFrameLines(layout.kind, home));
        if (look.pressed[static_cast<std::size_t>(n - 1)]) {
            DrawLines(out.dc(), PressedEdgeLines(layout.kind, home));
        }
    }
    if (look.selectedButton >= 1 && look.selectedButton <= layout.buttonCount) {
        const PixelRect& home = layout.buttons[static_cast<std::size_t>(look.selectedButton - 1)];
        DrawLines(out.dc(), SelectionFrameLines(layout.kind, home));
    } else if (look.selectedTitle >= 1 && look.selectedTitle <= 2) {
        DrawLines(out.dc(),
                  TitleSelectionLines(layout.titles[static_cast<std::size_t>(look.selectedTitle - 1)]));
    }
}

Canvas Flatten(const PageImages& page, const MenuLayout& layout, const PageLook& look) {
    Canvas out;
    ComposeWindow(page, layout, look, out);
    if (!out) return out;
    for (std::size_t i = 0; i < page.titles.size(); ++i) {
        if (!page.titles[i].shown) continue;
        const PixelRect& at = layout.titles[i];
        page.titles[i].image.CopyTo(out.dc(), at.left, at.top);
    }
    Canvas face;
    for (int n = 1; n <= layout.buttonCount; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        const bool pressed = look.pressed[i];
        ComposeSlot(page.slots[i], pressed, look.captionMarker && n == look.selectedButton, face);
        const int shift = pressed ? kPressOffset : 0;
        face.CopyTo(out.dc(), layout.buttons[i].left + shift, layout.buttons[i].top + shift);
    }
    return out;
}

SIZE ClientSizeOf(const MenuLayout& layout, int screenWidth, int screenHeight) {
    if (layout.sizing == WindowSizing::Maximised) return SIZE{screenWidth, screenHeight};
    HDC screen = GetDC(nullptr);
    const int dpiX = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
    const int dpiY = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    const int twipsX = dpiX > 0 ? 1440 / dpiX : kTwipsPerPixel;
    const int twipsY = dpiY > 0 ? 1440 / dpiY : kTwipsPerPixel;
    const SIZE designed{layout.windowWidthTwips / twipsX, layout.windowHeightTwips / twipsY};
    if (layout.sizing == WindowSizing::Client) return designed;
    // The outer size less a normal caption and border (and the editor's menu bar).
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    if (layout.minimiseBox) style |= WS_MINIMIZEBOX;
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, style, layout.kind == WindowKind::Editor, WS_EX_APPWINDOW);
    const int width = designed.cx - (frame.right - frame.left);
    const int height = designed.cy - (frame.bottom - frame.top);
    return SIZE{width > 1 ? width : 1, height > 1 ? height : 1};
}

}  // namespace torva::menuview::win32
