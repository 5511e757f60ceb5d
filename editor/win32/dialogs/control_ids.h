#pragma once
// The control ids of the definition dialogs, for the dialogs themselves and for whatever drives them
// from outside (tests, the end-to-end harness). Controls on tab pages are found by id below the
// dialog window, not with GetDlgItem on the dialog itself.

namespace torva::editor::win32::ids {

// Shared by every dialog: OK and Cancel are IDOK and IDCANCEL.
inline constexpr int kTabs = 100;
inline constexpr int kHelp = 103;
// The font buttons of the button and title dialogs.
inline constexpr int kFontButton = 202, kFontClearButton = 203, kFontSummary = 205;

namespace button {
inline constexpr int kCaptionLabel = 200, kCaption = 201, kPfKey = 204;
inline constexpr int kActionFirst = 210;  // + action 1..18
inline constexpr int kProgramLabel = 230, kProgram = 231, kProgramBrowseButton = 232, kArgumentsLabel = 233,
                     kArguments = 234, kWorkFolderLabel = 235, kWorkFolder = 236;
inline constexpr int kWaitFirst = 240;  // + wait mode 0..4
inline constexpr int kPageLabel = 245, kPage = 246, kButtonNumberLabel = 247, kButtonNumber = 248,
                     kRemoteLabel = 249, kRemote = 250, kCommentLabel = 251, kComment = 252;
inline constexpr int kIconLabel = 300, kIconFile = 301, kIconBrowseButton = 302, kIconCellsLabel = 303,
                     kIconStrip = 304, kPasswordLabel = 305, kPassword = 306, kGuideLabel = 307, kGuide = 308;
inline constexpr int kCaptionColourHeading = 400, kCaptionPalette = 401, kBackColourHeading = 410,
                     kBackPalette = 411;
}  // namespace button

namespace title {
// Title and bar-title dialogs.
inline constexpr int kTextLabel = 200, kText = 201, kWaitHeading = 204;
inline constexpr int kWaitFirst = 210;  // + page wait mode 0..4
inline constexpr int kCommon = 220, kPictureLabel = 230, kPicture = 231, kBrowse = 232, kPreview = 233;
inline constexpr int kHeading = 400;  // + tab
inline constexpr int kPalette = 410;  // + tab
}  // namespace title

namespace timed {
inline constexpr int kSideFirst = 110;  // + side 0 elapsed, 1 clock
inline constexpr int kFrame = 120, kRowTitle = 130, kTime = 140, kPageLabel = 150, kPage = 160,
                     kButtonLabel = 170, kButton = 180;  // each + row 0..1
}  // namespace timed

namespace program {
// Each + tab * 100 + entry * 10.
inline constexpr int kProgramLabel = 1000, kProgram = 1001, kBrowse = 1002, kArgumentsLabel = 1003,
                     kArguments = 1004, kNoWait = 1005, kWait = 1006;
constexpr int IdOf(int base, int tab, int entry) {
    return base + tab * 100 + entry * 10;
}
}  // namespace program

}  // namespace torva::editor::win32::ids
