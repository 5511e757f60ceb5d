// Drawing a page into its retained images, in the fixed order: background colour and picture,
// titles, buttons, then the window frame (after the buttons, so that a transparent button shows the
// page and not the frame).
#include "menuview/win32/page_renderer.h"

#include "common/utf8.h"
#include "menuview/button_face.h"
#include "menuview/frame_lines.h"
#include "menuview/tooltips.h"
#include "menuview/win32/gdi_api.h"
#include "menuview/win32/gdi_text.h"
#include "menuview/win32/line_painter.h"
#include "menuview/win32/picture.h"

namespace torva::menuview::win32 {

namespace {

constexpr int kPatternSize = 64;

// Every other pixel of the pattern is painted; the rest lets the backdrop through. The runtime's
// pattern is white, the editor's grey.
Canvas MakePattern(WindowKind kind) {
    Canvas c(kPatternSize, kPatternSize);
    c.Fill(kPatternKey);
    const COLORREF dot = kind == WindowKind::Editor ? RGB(128, 128, 128) : RGB(255, 255, 255);
    for (int y = 0; y < kPatternSize; ++y) {
        for (int x = (y & 1); x < kPatternSize; x += 2) SetPixelV(c.dc(), x, y, dot);
    }
    return c;
}

// Images of the right size are drawn over: making a bitmap and its DC costs more than filling it.
void MatchSize(Canvas& image, int width, int height) {
    if (!image || image.width() != width || image.height() != height) image = Canvas(width, height);
}

}  // namespace

PageRenderer::PageRenderer(SlotIcons& icons) : icons_(icons) {}

std::string PageRenderer::Resolve(const ViewOptions& options, const std::string& text, int base) const {
    return options.resolvePath ? options.resolvePath(text, base) : text;
}

PageImages PageRenderer::Render(const definition::MenuDefinition& def, int page, const MenuLayout& layout,
                                const ViewOptions& options) {
    PageImages out;
    Render(def, page, layout, options, out);
    return out;
}

void PageRenderer::Render(const definition::MenuDefinition& def, int page, const MenuLayout& layout,
                          const ViewOptions& options, PageImages& out) {
    if (!pattern_ || patternKind_ != options.kind) {
        pattern_ = MakePattern(options.kind);
        patternKind_ = options.kind;
    }
    out.page = page;
    const definition::MenuPage& shown = def.Page(page);
    out.caption = shown.barTitle.text;
    const definition::BarTitle& bar = options.commonBackground ? def.Page(1).barTitle : shown.barTitle;
    const FrameArea area{options.clientWidth, options.clientHeight, options.screenWidth,
                         options.screenHeight};
    const LineList frame = options.outerFrame ? WindowFrameLines(options.kind, layout.mode, area)
                                              : WindowFrameStripLines(options.kind);
    // The frame is drawn after the buttons, so that a transparent button shows the page and not the
    // frame. Where no title or button lies over it, it goes with the background, which a later
    // render may then keep.
    const bool frameApart = !LinesUnderControls(frame, layout);
    DrawBackground(out, bar, options, frameApart ? &frame : nullptr);
    for (int t = 1; t <= 2; ++t) DrawTitle(out, t, shown.titles[static_cast<std::size_t>(t - 1)], layout);
    out.titleTooltip.clear();
    if (!layout.titleBars) {
        const auto& t1 = shown.titles[0];
        const auto& t2 = shown.titles[1];
        out.titleTooltip = BarTitleTooltip(t1.text, t2.text, TitleShown(t2.text, t2.backColour));
    }
    for (int n = 1; n <= layout.buttonCount; ++n) DrawSlot(out, n, shown.Button(n), layout, options);
    // The frame is the last step, whether drawn now or with the background.
    EnterStep(options.windowFrame);
    if (!frameApart) DrawLines(out.background.dc(), frame);
    icons_.PageDone();
}

void PageRenderer::PrepareIcon(const definition::MenuDefinition& def, int page, int button,
                               const MenuLayout& layout, const ViewOptions& options) {
    if (page < 1 || page > definition::kPageCount || button < 1 || button > layout.buttonCount) return;
    const definition::MenuButton& b = def.Page(page).Button(button);
    const std::string iconSource = TrimBlanks(b.icon);
    if (!iconSource.empty()) (void)SlotIcon(page, button, iconSource, b, layout, options);
}

HICON PageRenderer::SlotIcon(int page, int button, const std::string& iconSource,
                             const definition::MenuButton& b, const MenuLayout& layout,
                             const ViewOptions& options) {
    return icons_.Icon(page, button, Resolve(options, iconSource, b.iconBase), layout.mode == 6);
}

void PageRenderer::DrawBackground(PageImages& out, const definition::BarTitle& bar,
                                  const ViewOptions& options, const LineList* frame) {
    BackgroundSource source;
    source.colour = ToColorRef(bar.backColour, GetSysColor(COLOR_BTNFACE));
    const std::string picture = TrimBlanks(bar.picture);
    // A picture that cannot be read leaves the plain colour: the page stays usable.
    const Canvas* image = nullptr;
    if (!picture.empty()) {
        source.picture = Resolve(options, picture, bar.pathBase);
        image = pictures_.Get(source.picture, source.colour);
        source.pictureGeneration = pictures_.Generation();
    }
    source.width = options.clientWidth;
    source.height = options.clientHeight;
    if (frame) source.frame = *frame;
    source.lineColours = {GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT),
                          GetSysColor(COLOR_BTNFACE)};
    if (frame && out.background && out.backgroundSource == source) return;

    out.backgroundSource.reset();
    if (!out.background || out.background.width() != options.clientWidth ||
        out.background.height() != options.clientHeight) {
        out.background = Canvas(options.clientWidth, options.clientHeight);
    }
    const Canvas& target = out.background;
    target.Fill(source.colour);
    if (image) {
        for (const FacePoint& p :
             TileOrigins(target.width(), target.height(), image->width(), image->height())) {
            image->CopyTo(target.dc(), p.x, p.y);
        }
    }
    if (!frame) return;  // drawn after the buttons; this background cannot be kept
    const StepLocation& step = options.windowFrame;
    const int16_t resume = step.state ? step.state->code : 0;
    EnterStep(step);
    DrawLines(target.dc(), *frame);
    if (step.state) step.state->code = resume;
    if (target) out.backgroundSource = std::move(source);
}

void PageRenderer::FillBackdrop(const Canvas& target, const Canvas& background, const PixelRect& at,
                                int inset, uint32_t colour) const {
    if (colour == kTransparentColour || colour == kSemiTransparentColour) {
        target.CopyFrom(background, at.left, at.top);
        if (colour == kSemiTransparentColour) {
            for (int x = inset; x < target.width(); x += kPatternSize) {
                GdiTransparentBlt(target.dc(), x, inset, kPatternSize, kPatternSize, pattern_.dc(), 0, 0,
                                  kPatternSize, kPatternSize, kPatternKey);
            }
        }
        return;
    }
    target.Fill(ToColorRef(colour, GetSysColor(COLOR_BTNFACE)));
}

void PageRenderer::DrawTitle(PageImages& out, int title, const definition::PageTitle& t,
                             const MenuLayout& layout) {
    TitleImage& bar = out.titles[static_cast<std::size_t>(title - 1)];
    bar.shown = TitleBarShown(layout, t.text, t.backColour);
    if (!bar.shown) return;
    const PixelRect& at = layout.titles[static_cast<std::size_t>(title - 1)];
    MatchSize(bar.image, at.width, at.height);
    FillBackdrop(bar.image, out.background, at, layout.titleBorder, t.backColour);
    const FontChoice font = ResolveFont(t.fontName, t.fontStyle, t.fontSize, layout.titleFontSize);
    TextPainter painter(bar.image.dc(), fonts_.Get(bar.image.dc(), font),
                        ToColorRef(t.foreColour, GetSysColor(COLOR_BTNTEXT)));
    const SIZE size = painter.Measure(t.text);
    const FacePoint p = TitleTextOrigin(layout.titleBorder, at.width, at.height, size.cx, size.cy);
    painter.Print(t.text, p.x, p.y);
}

void PageRenderer::DrawSlot(PageImages& out, int n, const definition::MenuButton& def,
                            const MenuLayout& layout, const ViewOptions& options) {
    SlotImage& slot = out.slots[static_cast<std::size_t>(n - 1)];
    const PixelRect& at = layout.buttons[static_cast<std::size_t>(n - 1)];
    MatchSize(slot.face, at.width, at.height);
    FillBackdrop(slot.face, out.background, at, 0, def.backColour);
    slot.captionMarker.reset();

    const std::string iconSource = TrimBlanks(def.icon);
    const bool hasIcon = !iconSource.empty();
    if (hasIcon) {
        if (HICON icon = SlotIcon(out.page, n, iconSource, def, layout, options)) {
            DrawIconEx(slot.face.dc(), kIconOrigin.x, kIconOrigin.y, icon, 0, 0, 0, nullptr, DI_NORMAL);
        }
    }
    if (!layout.captions) {
        slot.tooltip = IconModeTooltip(n, def.caption, def.pfKey, options.noFunctionKeys, def.comment);
        return;
    }
    const bool keyMark = def.pfKey && !options.noFunctionKeys;
    if (keyMark && options.keyMark) {
        if (HICON mark = options.keyMark(n)) {
            const FacePoint p = KeyMarkOrigin(at.width);
            DrawIconEx(slot.face.dc(), p.x, p.y, mark, 0, 0, 0, nullptr, DI_NORMAL);
        }
    }
    const FontChoice font = ResolveFont(def.fontName, def.fontStyle, def.fontSize, layout.captionFontSize);
    TextPainter painter(slot.face.dc(), fonts_.Get(slot.face.dc(), font),
                        ToColorRef(def.foreColour, GetSysColor(COLOR_BTNTEXT)));
    const SIZE size = painter.Measure(def.caption);
    const FacePoint p = CaptionOrigin(at.width, at.height, size.cx, size.cy, hasIcon, keyMark);
    painter.Print(def.caption, p.x, p.y);
    slot.captionMarker = CaptionMarker(layout.captions, def.caption, p, size.cx, size.cy);
    slot.tooltip = def.comment;
}

}  // namespace torva::menuview::win32
