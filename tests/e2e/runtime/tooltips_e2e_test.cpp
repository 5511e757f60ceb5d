// The buttons' tips as a user meets them: the mouse comes over the menu and rests on a button, and
// the tip shows the button's comment; after a page key, the new page's comment.
#include <gtest/gtest.h>

#include "platform/win32/wide.h"
#include "tests/e2e/harness/menu_session.h"
#include "tests/e2e/harness/tooltip_query.h"

namespace torva::e2e {
namespace {

std::string Caption(HWND window) {
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    return win32::Narrow(text);
}

TEST(Tooltips, ShowTheCommentOfTheButtonUnderTheMouseAndFollowThePage) {
    MenuSession s;
    ASSERT_TRUE(s.Start({"[VER8.05]", "[PKEY]", "[MODE1]", "[PAGE1]", "VARTITLE,\"First\",B1,0",
                         ButtonLine(2, "Two", "\"CMD:\"", "", "", false, "Comment of page one"), "[PAGE2]",
                         "VARTITLE,\"Second\",B1,0",
                         ButtonLine(2, "Deux", "\"CMD:\"", "", "", false, "Comment of page two")}));
    ASSERT_TRUE(BringToForeground(s.Menu()));
    EXPECT_TRUE(TipShowsOver(s.Menu(), s.Button(2), "Comment of page one"));

    // Away from the menu, a page key, and back on the same button.
    SendMouseMoveTo(s.Menu(), POINT{-40, -40});
    ASSERT_TRUE(WaitUntil([&] { return s.Focus() != nullptr; }));
    PostKey(s.Focus(), VK_PRIOR);
    ASSERT_TRUE(WaitUntil([&] { return Caption(s.Menu()) == "Second"; }));
    EXPECT_TRUE(TipShowsOver(s.Menu(), s.Button(2), "Comment of page two"));
}

}  // namespace
}  // namespace torva::e2e
