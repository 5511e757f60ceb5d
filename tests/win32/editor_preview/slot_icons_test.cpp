// The icon images of the editor's slots, made from a system library: slots naming the same icon
// share one image, and an image stays usable for as long as any slot holds it.
#include "editor/win32/slot_icons.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "platform/win32/file_system.h"
#include "platform/win32/wide.h"

namespace torva::editor::win32 {
namespace {

std::string SystemFolder() {
    wchar_t folder[MAX_PATH] = {};
    GetSystemDirectoryW(folder, MAX_PATH);
    return torva::win32::Narrow(folder);
}

// The width of a live icon; 0 for none or one that was destroyed.
int WidthOf(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return 0;
    BITMAP bitmap{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

class SlotIconsTest : public ::testing::Test {
  protected:
    std::string Source(int number) const { return library + "|" + std::to_string(number); }

    std::string system = SystemFolder();
    std::string library = system + "\\shell32.dll";
    std::unique_ptr<definition::MenuDefinition> def = std::make_unique<definition::MenuDefinition>();
    torva::win32::Win32FileSystem files;
    definition::DefinitionStore store{*def, files, system, system, system};
    EditorSlotIcons icons{store, files, library};
};

TEST_F(SlotIconsTest, SlotsNamingTheSameIconShareOneImageOfEachSize) {
    const HICON large = icons.Icon(1, 1, Source(3), false);
    ASSERT_NE(large, nullptr);
    EXPECT_EQ(icons.Icon(2, 7, Source(3), false), large);
    EXPECT_EQ(icons.Icon(1, 1, Source(3), false), large);
    const HICON small = icons.Icon(2, 7, Source(3), true);
    ASSERT_NE(small, nullptr);
    EXPECT_NE(small, large);
    EXPECT_EQ(WidthOf(large), GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(WidthOf(small), GetSystemMetrics(SM_CXSMICON));
    EXPECT_NE(icons.Icon(1, 2, Source(4), false), large);
}

TEST_F(SlotIconsTest, AnImageStaysWhileAnySlotHoldsIt) {
    const HICON shared = icons.Icon(1, 1, Source(3), false);
    ASSERT_EQ(icons.Icon(1, 2, Source(3), false), shared);
    // The first slot names another icon and lets go of the shared one; the second still shows it.
    const HICON other = icons.Icon(1, 1, Source(4), false);
    ASSERT_NE(other, nullptr);
    icons.PageDone();
    EXPECT_EQ(icons.Icon(1, 2, Source(3), false), shared);
    EXPECT_EQ(WidthOf(shared), GetSystemMetrics(SM_CXICON));
    // A slot naming it again later gets the same image, not a second one.
    EXPECT_EQ(icons.Icon(3, 3, Source(3), false), shared);
}

TEST_F(SlotIconsTest, ACleanedModelGetsUsableImagesAgain) {
    ASSERT_NE(icons.Icon(1, 1, Source(3), false), nullptr);
    icons.Clear();
    icons.PageDone();
    const HICON again = icons.Icon(1, 1, Source(3), false);
    EXPECT_EQ(WidthOf(again), GetSystemMetrics(SM_CXICON));
}

TEST_F(SlotIconsTest, SourcesWithoutAnIconGiveNone) {
    for (const std::string& source : {std::string(), system + "\\no such file.dll|1", system + "\\win.ini"}) {
        EXPECT_EQ(icons.Icon(1, 1, source, false), nullptr) << source;
    }
}

TEST_F(SlotIconsTest, FunctionKeyMarksOnlyForButtonsOneToTwentyFour) {
    EXPECT_NE(icons.KeyMark(1), nullptr);
    EXPECT_EQ(icons.KeyMark(1), icons.KeyMark(1));
    EXPECT_NE(icons.KeyMark(13), nullptr);
    for (const int button : {0, -1, 25}) EXPECT_EQ(icons.KeyMark(button), nullptr) << button;
}

}  // namespace
}  // namespace torva::editor::win32
