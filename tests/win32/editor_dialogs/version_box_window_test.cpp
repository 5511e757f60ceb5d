// The editor's version box driven through its window: whichever way it is closed, the main window
// is usable again and a failure while closing is reported under the box's own location.
#include <gtest/gtest.h>
#include <windows.h>

#include "editor/location_codes.h"
#include "editor/win32/tvverfm.h"
#include "tests/win32/editor_dialogs/dialog_driver.h"

namespace torva::test {
namespace {

struct Closing {
    const char* name;
    bool byOkButton;  // otherwise Esc / the caption's close (IDCANCEL)
};

class VersionBoxClosing : public ::testing::TestWithParam<Closing> {};

TEST_P(VersionBoxClosing, EnablesTheOwnerUnderItsLocation) {
    RecordingReport report;
    ErrorState error;
    OwnerWindow owner;
    editor::win32::VersionBox box(report, error, GetModuleHandleW(nullptr));
    ASSERT_TRUE(box.Show(owner.get()));
    Pump();
    EXPECT_FALSE(IsWindowEnabled(owner.get()));
    error.code = 0;
    if (GetParam().byOkButton) {
        Click(box.Handle(), IDOK);
    } else {
        SendMessageW(box.Handle(), WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
        Pump();
    }
    EXPECT_FALSE(box.IsOpen());
    EXPECT_TRUE(IsWindowEnabled(owner.get()));
    EXPECT_EQ(error.code, editor::location::kVersionOk);
    EXPECT_TRUE(report.failures.empty());
}

INSTANTIATE_TEST_SUITE_P(Ways, VersionBoxClosing,
                         ::testing::Values(Closing{"OkButton", true}, Closing{"Escape", false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace torva::test
