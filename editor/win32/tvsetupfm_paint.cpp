// TVSETUPFM: the page drawn by the shared renderer into retained images (the window surface, the
// titles and the slots), composed with the frames, the selection, the caption focus rectangle, the
// pressed look and the page number. Painting only copies the images.
//
// The renderer draws each page into the images of the page before, and the window's image is the
// whole page as shown, its titles and slots included: the window paints over its slots and titles
// (it does not clip them), so that a new page is one paint of the window rather than one of every
// control. A control paints its own image (the same pixels) only when it alone changes.

#include "common/path.h"
#include "editor/location_codes.h"
#include "editor/win32/tvsetupfm.h"
#include "editor/win32/win_api.h"
#include "menuview/frame_lines.h"
#include "ui/win32/controls.h"

namespace torva::editor::win32 {

menuview::win32::ViewOptions MainWindow::PageOptions() {
    const definition::MenuDefinition& def = session_.model();
    menuview::win32::ViewOptions options;
    options.kind = menuview::WindowKind::Editor;
    options.mode = layout_.mode;
    options.screenWidth = screenWidth_;
    options.screenHeight = screenHeight_;
    options.clientWidth = clientWidth_;
    options.clientHeight = clientHeight_;
    options.outerFrame = def.options.outerFrame;
    options.noFunctionKeys = def.options.noFunctionKeys;
    options.commonBackground = def.commonBackground;
    definition::DefinitionStore* store = program_.store.get();
    const platform::FileSystem* files = program_.files.get();
    options.resolvePath = [store, files](std::string_view text, int base) -> std::string {
        // A picture without a base is loaded only when it is there; one with a base is taken from
        // its base folder.
        if (base == definition::kBaseAbsolute)
            return files->Exists(std::string(text)) ? std::string(text) : "";
        return store->absolutePath(text, base);
    };
    options.keyMark = [this](int button) { return icons_.KeyMark(button); };
    options.windowFrame = store->at(location::kWindowFrame);
    return options;
}

void MainWindow::RenderPage() {
    ErrorLocation here(program_.store->error(), location::kPageRendering);
    renderer_.Render(session_.model(), session_.state().currentPage, layout_, PageOptions(), page_);
    // Every caller composes the window next (RestoreSelection), which shows the slots too.
    for (int i = 1; i <= layout_.buttonCount; ++i) ComposeSlotImage(i);
    UpdateTooltips();
    const std::wstring number = std::to_wstring(session_.state().currentPage);
    if (ui::win32::WindowTextOf(pageNumber_) != number) SetWindowTextW(pageNumber_, number.c_str());
    // The icons of the pages before and after are made once this page is painted (Paint).
    neighbourIconsMade_ = 0;
    neighbourIconsAsked_ = false;
}

bool MainWindow::NeighbourIconsWanted() const {
    return neighbourIconsMade_ < 2 * layout_.buttonCount;
}

void MainWindow::MakeNeighbourIcons() {
    ErrorLocation here(program_.store->error(), location::kPageRendering);
    const int count = layout_.buttonCount;
    const int page = session_.state().currentPage;
    const menuview::win32::ViewOptions options = PageOptions();
    // One icon at a time, and back to the messages as soon as one waits: the user's key, a paint or
    // a message from another program comes first. A timer message, which comes only when nothing
    // else waits, goes on afterwards.
    constexpr UINT kWaiting = QS_INPUT | QS_POSTMESSAGE | QS_PAINT | QS_SENDMESSAGE | QS_HOTKEY;
    while (NeighbourIconsWanted() && HIWORD(GetQueueStatus(kWaiting)) == 0) {
        const int step = neighbourIconsMade_++;
        renderer_.PrepareIcon(session_.model(), step < count ? page + 1 : page - 1, step % count + 1, layout_,
                              options);
    }
    icons_.PageDone();
    if (NeighbourIconsWanted()) {
        SetTimer(Handle(), kNeighbourIconsTimerId, USER_TIMER_MINIMUM, nullptr);
    } else {
        KillTimer(Handle(), kNeighbourIconsTimerId);
    }
}

void MainWindow::ComposeSlot(int slot) {
    if (ComposeSlotImage(slot))
        InvalidateRect(slots_[static_cast<std::size_t>(slot - 1)].hwnd, nullptr, FALSE);
}

bool MainWindow::ComposeSlotImage(int slot) {
    if (slot < 1 || slot > layout_.buttonCount) return false;
    ErrorLocation here(program_.store->error(), location::kCaptionMarker);
    SlotControl& control = slots_[static_cast<std::size_t>(slot - 1)];
    const menuview::win32::SlotImage& face = page_.slots[static_cast<std::size_t>(slot - 1)];
    if (!face.face) return false;
    menuview::win32::ComposeSlot(face, control.pressed, slot == markedSlot_, control.image);
    PlaceSlotImage(slot);
    return true;
}

void MainWindow::PlaceSlotImage(int slot) {
    const SlotControl& control = slots_[static_cast<std::size_t>(slot - 1)];
    if (!window_ || !control.image) return;
    const menuview::PixelRect& home = layout_.buttons[static_cast<std::size_t>(slot - 1)];
    const int shift = control.pressed ? menuview::kPressOffset : 0;
    control.image.CopyTo(window_.dc(), home.left + shift, home.top + shift);
}

void MainWindow::ComposeWindow() {
    ErrorLocation here(program_.store->error(), location::kSlotFrames);
    menuview::win32::PageLook look;
    const int element = session_.state().focusIndex;
    if (element >= 1 && element <= layout_.buttonCount) look.selectedButton = element;
    if (IsTitle(element) && layout_.mode != 7) look.selectedTitle = element - kMainTitle + 1;
    for (int i = 1; i <= layout_.buttonCount; ++i) {
        look.pressed[static_cast<std::size_t>(i - 1)] = slots_[static_cast<std::size_t>(i - 1)].pressed;
    }
    menuview::win32::ComposeWindow(page_, layout_, look, window_);
    if (!window_) return;
    for (std::size_t t = 0; t < page_.titles.size(); ++t) {
        const menuview::PixelRect& at = layout_.titles[t];
        if (page_.titles[t].shown && page_.titles[t].image) {
            page_.titles[t].image.CopyTo(window_.dc(), at.left, at.top);
        } else {
            const RECT r{at.left, at.top, at.right(), at.bottom()};
            FillRect(window_.dc(), &r, GetSysColorBrush(COLOR_BTNFACE));
        }
    }
    for (int i = 1; i <= layout_.buttonCount; ++i) PlaceSlotImage(i);
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
}

void MainWindow::ShowPageLabels() {
    if (layout_.pageLabelFontSize > 0) {
        labelFont_ = ui::win32::MakeFont(L"ＭＳ Ｐゴシック", layout_.pageLabelFontSize * 100,
                                         ui::win32::ScreenDpi::Read().y);
    }
    for (const auto& [control, at] :
         {std::pair{pageLabel_, layout_.pageLabel}, std::pair{pageNumber_, layout_.pageNumber}}) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_.get()), FALSE);
        SetWindowPos(control, nullptr, at.left, at.top, at.width, at.height, SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(control, nullptr, TRUE);
    }
}

void MainWindow::UpdateTooltips() {
    if (!tips_.Created()) return;
    for (int i = 1; i <= menuview::kMaxButtons; ++i) {
        const auto n = static_cast<std::size_t>(i - 1);
        tips_.SetText(slots_[n].hwnd, i <= layout_.buttonCount ? page_.slots[n].tooltip : std::string());
    }
}

void MainWindow::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    // The page labels are the only controls the window's image does not hold.
    for (HWND label : {pageLabel_, pageNumber_}) {
        RECT r{};
        if (!IsWindowVisible(label) || !GetWindowRect(label, &r)) continue;
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&r), 2);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
    if (window_) {
        window_.CopyTo(dc, 0, 0);
    } else {
        FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
    }
    EndPaint(Handle(), &ps);
    // The page is on screen: the icons of the pages either side come next, unless the user is
    // quicker. Asked once per page; the handler goes on by a timer when it had to stop.
    if (NeighbourIconsWanted() && !neighbourIconsAsked_) {
        neighbourIconsAsked_ = PostMessageW(Handle(), kMakeNeighbourIcons, 0, 0) != FALSE;
    }
}

void MainWindow::PaintControl(HWND control) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(control, &ps);
    const int element = ElementOf(control);
    const menuview::win32::Canvas* image = nullptr;
    if (IsSlot(element)) image = &slots_[static_cast<std::size_t>(element - 1)].image;
    if (IsTitle(element)) {
        const menuview::win32::TitleImage& title =
            page_.titles[static_cast<std::size_t>(element - kMainTitle)];
        if (title.shown) image = &title.image;
    }
    if (image && *image) {
        image->CopyTo(dc, 0, 0);
    } else {
        FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
    }
    EndPaint(control, &ps);
}

}  // namespace torva::editor::win32
