#pragma once
// Location numbers of the editor's main window, shown after "ErrorNo = " when a handler meets an
// unexpected failure. Support staff find the failing handler by them, so they never change.

#include <cstdint>

namespace torva::editor::location {

inline constexpr int16_t kNew = 700;
inline constexpr int16_t kOpen = 701;
inline constexpr int16_t kSave = 702;
inline constexpr int16_t kSaveAs = 703;
inline constexpr int16_t kConvert = 704;
inline constexpr int16_t kTextOutput = 705;
inline constexpr int16_t kExit = 706;
inline constexpr int16_t kReturnToRuntime = 707;
inline constexpr int16_t kCut = 710;
inline constexpr int16_t kCopy = 711;
inline constexpr int16_t kPaste = 712;
inline constexpr int16_t kDelete = 713;
inline constexpr int16_t kBarTitleDialog = 714;
inline constexpr int16_t kStartEndDialog = 715;
inline constexpr int16_t kTimedStartDialog = 716;
inline constexpr int16_t kPageStartDialog = 717;
inline constexpr int16_t kFirstPage = 720;
inline constexpr int16_t kPreviousPage = 721;
inline constexpr int16_t kNextPage = 722;
inline constexpr int16_t kLastPage = 723;
inline constexpr int16_t kDisplayMode = 724;
inline constexpr int16_t kPositionItem = 725;
inline constexpr int16_t kFrameItem = 726;
inline constexpr int16_t kFunctionKeyItem = 727;
// Option items in menu order: DUPCHECK, NOCHECK, PATH, PAGEKEY, NOCTRL, TASKTRAY, RCTRL.
inline constexpr int16_t kFirstOptionItem = 730;
inline constexpr int16_t kHelp = 740;
inline constexpr int16_t kVersion = 741;
inline constexpr int16_t kPageInUse = 802;
inline constexpr int16_t kActivation = 880;
inline constexpr int16_t kTitleFocus = 901;
inline constexpr int16_t kTitleMouseDown = 903;
inline constexpr int16_t kTitleMouseMove = 904;
inline constexpr int16_t kTitleMouseUp = 905;
inline constexpr int16_t kClosing = 909;
inline constexpr int16_t kSlotFocus = 911;
inline constexpr int16_t kSlotLostFocus = 912;
inline constexpr int16_t kSlotMouseDown = 913;
inline constexpr int16_t kSlotMouseMove = 914;
inline constexpr int16_t kSlotMouseUp = 915;
inline constexpr int16_t kDrop = 961;
inline constexpr int16_t kVersionOk = 967;
inline constexpr int16_t kWindowFrame = 984;
inline constexpr int16_t kModeLayout = 985;
inline constexpr int16_t kCaptionMarker = 986;
inline constexpr int16_t kSlotFrames = 987;
inline constexpr int16_t kSaveQuestion = 988;
inline constexpr int16_t kWindowLoad = 990;
inline constexpr int16_t kIconRefresh = 994;
inline constexpr int16_t kTitleClick = 995;
inline constexpr int16_t kPageRendering = 998;
inline constexpr int16_t kSlotClick = 997;
inline constexpr int16_t kProgramEntry = 999;

}  // namespace torva::editor::location
