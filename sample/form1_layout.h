#pragma once
// Geometry and texts of the sample's window Form1, in twips as designed.

#include <string_view>

#include "common/twips.h"

namespace torva::sample {

using torva::TwipsRect;

inline constexpr std::string_view kCaption = "Sample for Tvscript Running";
inline constexpr std::string_view kCommand1Caption = "正常終了";
inline constexpr std::string_view kCommand2Caption = "異常終了";
inline constexpr std::string_view kLabel1Caption =
    "「異常終了」はプロセスをその場で終了させます（終了コード 9）。"
    "開発環境の中でこのサンプルを実行しているときに「異常終了」を押すと、"
    "プロセス全体が終了するため、開発環境も一緒に終了します。";

inline constexpr int kExitNormal = 0;
inline constexpr int kExitAbnormal = 9;

inline constexpr int kClientWidth = 4800;
inline constexpr int kClientHeight = 2280;
inline constexpr TwipsRect kLabel1 = {240, 180, 4320, 1140};
inline constexpr TwipsRect kCommand1 = {600, 1500, 1500, 495};
inline constexpr TwipsRect kCommand2 = {2700, 1500, 1500, 495};

}  // namespace torva::sample
