#pragma once
// The one page renderer: turns a page of the definition and the options of the window that shows it
// into retained images (the background, the two title bars and the buttons), and composes them with
// the frames, the selection and the pressed look. It owns no window, starts no program and changes
// no caption: the runtime's menu window, the editor's preview and Tvtool's off-screen rendering all
// draw through it.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/error_state.h"
#include "definition/menu_definition.h"
#include "menuview/frame_lines.h"
#include "menuview/menu_layout.h"
#include "menuview/win32/canvas.h"
#include "menuview/win32/gdi_text.h"
#include "menuview/win32/icon_images.h"
#include "menuview/win32/picture.h"

namespace torva::menuview::win32 {

struct ViewOptions {
    WindowKind kind = WindowKind::Runtime;
    int mode = 1;
    int screenWidth = 0;  // pixels; mode 4 is laid out on the screen
    int screenHeight = 0;
    int clientWidth = 0;  // the area the background covers
    int clientHeight = 0;
    bool outerFrame = false;        // the sunken window frame
    bool noFunctionKeys = false;    // no key marks, no key in the icon modes' tooltips
    bool commonBackground = false;  // every page shows page 1's bar title background
    // A picture path or icon source as the definition holds it, with its base (0 absolute, 1..4 the
    // base folders) -> the file to load. Empty: the text as written.
    std::function<std::string(std::string_view text, int base)> resolvePath;
    // The function-key mark of a button (1..24); empty or null: none.
    std::function<HICON(int button)> keyMark;
    // Where the drawing of the window frame is noted (the editor's number; the runtime has none).
    StepLocation windowFrame;
};

struct SlotImage {
    Canvas face;                             // background, icon, key mark and caption
    std::optional<PixelRect> captionMarker;  // in the face's coordinates
    std::string tooltip;
};

struct TitleImage {
    bool shown = false;
    Canvas image;
};

// What a page's background was drawn from: a render into the same images with an equal source
// leaves the background as it is (pages of a menu usually share their colour and picture).
struct BackgroundSource {
    COLORREF colour = 0;
    std::string picture;             // as loaded; empty: none
    uint64_t pictureGeneration = 0;  // of the renderer's picture cache
    int width = 0;
    int height = 0;
    LineList frame;                         // the window frame drawn over it
    std::array<COLORREF, 3> lineColours{};  // shadow, highlight, face: the frame's system colours
    bool operator==(const BackgroundSource&) const = default;
};

struct PageImages {
    int page = 1;
    Canvas background;                                 // colour, tiled picture, window frame
    std::optional<BackgroundSource> backgroundSource;  // set by the renderer with the background
    std::array<TitleImage, 2> titles;
    std::array<SlotImage, kMaxButtons> slots;  // 1..buttonCount of the layout are drawn
    std::string titleTooltip;                  // the runtime's vertical bar carries the titles as a tooltip
    std::string caption;                       // the bar title: the caption of a window that shows one
};

// What changes between renders: the selected element and the pressed buttons.
struct PageLook {
    int selectedButton = 0;      // 1..24, 0 none
    int selectedTitle = 0;       // the editor's selected title bar 1..2, 0 none
    bool captionMarker = false;  // the selected button shows its caption's focus rectangle
    std::array<bool, kMaxButtons> pressed{};
};

class PageRenderer {
  public:
    explicit PageRenderer(SlotIcons& icons);

    PageImages Render(const definition::MenuDefinition& def, int page, const MenuLayout& layout,
                      const ViewOptions& options);
    // The same into images rendered before: images of the right size are drawn over rather than
    // made again, and a background from an equal source is kept as it is.
    void Render(const definition::MenuDefinition& def, int page, const MenuLayout& layout,
                const ViewOptions& options, PageImages& out);
    // Asks the icon provider for the icon button (1..24) of page would show, as a render does,
    // without drawing anything: a window prepares the pages next to the one shown while it is idle.
    void PrepareIcon(const definition::MenuDefinition& def, int page, int button, const MenuLayout& layout,
                     const ViewOptions& options);

  private:
    // The icon of a button whose icon source is not blank.
    HICON SlotIcon(int page, int button, const std::string& iconSource, const definition::MenuButton& b,
                   const MenuLayout& layout, const ViewOptions& options);
    // frame: the window frame, drawn with the background, which is then kept for a later render
    // from an equal source; null: the background alone, drawn every time.
    void DrawBackground(PageImages& out, const definition::BarTitle& bar, const ViewOptions& options,
                        const LineList* frame);
    void DrawTitle(PageImages& out, int title, const definition::PageTitle& t, const MenuLayout& layout);
    void DrawSlot(PageImages& out, int button, const definition::MenuButton& b, const MenuLayout& layout,
                  const ViewOptions& options);
    void FillBackdrop(const Canvas& target, const Canvas& background, const PixelRect& at, int inset,
                      uint32_t colour) const;
    std::string Resolve(const ViewOptions& options, const std::string& text, int base) const;

    SlotIcons& icons_;
    PictureCache pictures_;
    FontCache fonts_;
    Canvas pattern_;  // the semi-transparent look, built for the window kind of the last render
    WindowKind patternKind_ = WindowKind::Runtime;
};

// The button as painted: its face with the light edges (hidden while pressed) and the caption's focus
// rectangle when asked for. out is resized to the face.
void ComposeSlot(const SlotImage& slot, bool pressed, bool marker, Canvas& out);

// The window surface as painted: the background with every button's raised frame, the pressed
// edges and the selection frame.
void ComposeWindow(const PageImages& page, const MenuLayout& layout, const PageLook& look, Canvas& out);

// Everything at once, as the window shows it (buttons pressed in by their offset): off-screen views.
Canvas Flatten(const PageImages& page, const MenuLayout& layout, const PageLook& look);

// The client size of a window of this layout with a normal caption and border, for drawing without a
// window; mode 4 covers the screen.
SIZE ClientSizeOf(const MenuLayout& layout, int screenWidth, int screenHeight);

}  // namespace torva::menuview::win32
