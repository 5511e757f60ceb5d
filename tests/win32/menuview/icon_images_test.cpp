// Icon images prepared apart (on another thread, as the menu prepares its first page) and handed to
// the window's images: the page then draws the very images prepared, and extracts nothing again.
#include "menuview/win32/icon_images.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

namespace torva::menuview::win32 {
namespace {

TEST(IconImagesAdopt, PreparedImagesAreUsedAndImagesHeldAlreadyStay) {
    IconImages prepared;
    HICON preparedIcon = nullptr;
    HICON preparedSmall = nullptr;
    HICON preparedTwice = nullptr;
    std::thread([&] {
        preparedIcon = prepared.Icon(1, 1, "shell32.dll|3", false);
        preparedSmall = prepared.Icon(1, 2, "shell32.dll|3", true);
        preparedTwice = prepared.Icon(1, 3, "shell32.dll|4", false);
        prepared.PageDone();
    }).join();
    ASSERT_TRUE(preparedIcon && preparedSmall && preparedTwice);

    IconImages window;
    HICON held = window.Icon(1, 3, "SHELL32.DLL|4", false);
    ASSERT_TRUE(held);
    window.Adopt(std::move(prepared));

    // The same source in another case and on another button is the same image.
    EXPECT_EQ(window.Icon(1, 7, "Shell32.dll|3", false), preparedIcon);
    EXPECT_EQ(window.Icon(1, 8, "shell32.dll|3", true), preparedSmall);
    EXPECT_EQ(window.Icon(1, 9, "shell32.dll|4", false), held);
    // What was not prepared is still extracted.
    EXPECT_TRUE(window.Icon(1, 10, "shell32.dll|5", false));
    // An adopted image stays valid after its first holder is gone (held by the window now).
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(preparedIcon, &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

}  // namespace
}  // namespace torva::menuview::win32
