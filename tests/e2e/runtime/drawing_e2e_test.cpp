// Pixels of the drawn page: colours, a tiled picture showing through a transparent button, and the
// pattern of a semi-transparent one.
#include <gtest/gtest.h>

#include "tests/e2e/harness/menu_session.h"

namespace torva::e2e {
namespace {

// A small bitmap of one colour.
bool WriteSolidBmp(const std::string& path, int size, COLORREF colour) {
    const uint32_t rgb = Capture::FromColorRef(colour);
    return Capture::Filled(size, size, [rgb](int, int) { return rgb; }).SavePictureBmp(path);
}

RECT Inner(const RECT& r) {
    return RECT{r.left + 4, r.top + 4, r.right - 4, r.bottom - 4};
}

double Share(const Capture& c, uint32_t rgb, const RECT& area) {
    const double total = static_cast<double>((area.right - area.left) * (area.bottom - area.top));
    return total > 0 ? static_cast<double>(c.Count(rgb, area)) / total : 0.0;
}

TEST(Drawing, TransparentShowsThePictureAndSemiTransparentIsPatterned) {
    MenuSession s;
    const COLORREF green = RGB(0, 160, 0);
    ASSERT_TRUE(WriteSolidBmp(s.Folder().File("GREEN.BMP"), 16, green));
    ASSERT_TRUE(s.Start({"[VER8.05]", "[MODE1]", "[PAGE1]", "VARTITLE,\"Pixels\",\"PIC:GREEN.BMP\",0",
                         ButtonLine(1, "", "\"CMD:\"", "X"), ButtonLine(2, "", "\"CMD:\"", "H"),
                         ButtonLine(3, "", "\"CMD:\"", "R")}));
    SetForegroundWindow(s.Menu());
    ASSERT_TRUE(WaitUntilPainted(s.Menu()));
    const Capture shot = CaptureWindow(s.Menu(), true);
    ASSERT_FALSE(shot.Empty());
    const RECT client = ClientRectOnScreen(s.Menu());
    auto inClient = [&](int n) {
        RECT r = WindowRectOnScreen(s.Button(n));
        OffsetRect(&r, -client.left, -client.top);
        return Inner(r);
    };
    const uint32_t greenRgb = Capture::FromColorRef(green);
    // The window's background between the buttons is the tiled picture.
    EXPECT_EQ(shot.At(5, 5), greenRgb);
    EXPECT_GT(Share(shot, greenRgb, inClient(1)), 0.95) << "transparent button shows the picture";
    const double semiGreen = Share(shot, greenRgb, inClient(2));
    const double semiWhite = Share(shot, 0xFFFFFF, inClient(2));
    EXPECT_GT(semiGreen, 0.3) << "semi-transparent button still shows the picture";
    EXPECT_GT(semiWhite, 0.3) << "and lays the pattern over it";
    EXPECT_GT(Share(shot, 0xFF0000, inClient(3)), 0.95) << "colour code R is red";
}

TEST(Drawing, EnhancedMetafileBackgroundIsTiledToo) {
    MenuSession s;
    const std::string path = s.Folder().File("BACK.EMF");
    const std::wstring wide(path.begin(), path.end());
    // A 2 x 2 cm metafile filled with one colour, drawn by the system itself.
    const RECT frame{0, 0, 2000, 2000};  // 0.01 mm units
    HDC meta = CreateEnhMetaFileW(nullptr, wide.c_str(), &frame, nullptr);
    ASSERT_NE(meta, nullptr);
    HBRUSH brush = CreateSolidBrush(RGB(200, 30, 90));
    const RECT fill{0, 0, 400, 400};
    FillRect(meta, &fill, brush);
    DeleteObject(brush);
    DeleteEnhMetaFile(CloseEnhMetaFile(meta));
    ASSERT_TRUE(s.Start({"[VER8.05]", "[MODE1]", "[PAGE1]", "VARTITLE,\"Metafile\",\"PIC:BACK.EMF\",0",
                         ButtonLine(1, "One")}));
    SetForegroundWindow(s.Menu());
    ASSERT_TRUE(WaitUntilPainted(s.Menu()));
    const Capture shot = CaptureWindow(s.Menu(), true);
    ASSERT_FALSE(shot.Empty());
    EXPECT_EQ(shot.At(10, 10), Capture::FromColorRef(RGB(200, 30, 90)));
}

TEST(Drawing, TitlesWithoutTextOrColourAreHidden) {
    MenuSession s;
    ASSERT_TRUE(s.Start(
        {"[VER8.05]", "[MODE1]", "[PAGE1]", "TITLE1,\"\",,,,,", "TITLE2,\"\",,,,,R", ButtonLine(1, "One")}));
    EXPECT_FALSE(IsWindowVisible(s.Control(kTitleId + 1)));
    EXPECT_TRUE(IsWindowVisible(s.Control(kTitleId + 2))) << "a coloured title shows without text";
}

TEST(Drawing, OuterFrameIsSunkenInsideTheWindowEdge) {
    MenuSession s;
    ASSERT_TRUE(s.Start(
        {"[VER8.05]", "[MODE2]", "[FRAME]", "[PAGE1]", "VARTITLE,\"Framed\",W,0", ButtonLine(1, "One")}));
    SetForegroundWindow(s.Menu());
    ASSERT_TRUE(WaitUntilPainted(s.Menu()));
    const Capture shot = CaptureWindow(s.Menu(), true);
    ASSERT_FALSE(shot.Empty());
    const int w = shot.Width();
    const int h = shot.Height();
    const uint32_t shadow = Capture::FromColorRef(GetSysColor(COLOR_BTNSHADOW));
    const uint32_t light = Capture::FromColorRef(GetSysColor(COLOR_BTNHIGHLIGHT));
    const uint32_t face = Capture::FromColorRef(GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(shot.At(w / 2, 0), shadow);
    EXPECT_EQ(shot.At(0, h / 2), shadow);
    EXPECT_EQ(shot.At(w / 2, 1), 0u);
    EXPECT_EQ(shot.At(1, h / 2), 0u);
    EXPECT_EQ(shot.At(w / 2, h - 1), light);
    EXPECT_EQ(shot.At(w - 1, h / 2), light);
    EXPECT_EQ(shot.At(w / 2, h - 2), face);
    EXPECT_EQ(shot.At(w - 2, h / 2), face);
    EXPECT_EQ(shot.At(3, h - 5), 0xFFFFFFu) << "inside the frame the page colour W";
}

}  // namespace
}  // namespace torva::e2e
