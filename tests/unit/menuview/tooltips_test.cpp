#include "menuview/tooltips.h"

#include <gtest/gtest.h>

namespace torva::menuview {
namespace {

TEST(IconModeTooltips, CaptionWithKeyAndComment) {
    struct Row {
        int button;
        const char* caption;
        bool pfKey, noFnc;
        const char* comment;
        const char* tip;
    };
    for (const Row& r :
         {Row{1, "メモ帳", true, false, "", "F1 : メモ帳"}, Row{12, "終了", true, false, "", "F12 : 終了"},
          Row{13, "予備", true, false, "", "sF1 : 予備"},
          Row{24, "予備", true, false, "説明", "sF12 : 予備・説明"},
          Row{3, "電卓", false, false, "計算", "電卓・計算"}, Row{3, "電卓", true, true, "", "電卓"},
          Row{3, "", false, false, "", ""}}) {
        EXPECT_EQ(IconModeTooltip(r.button, r.caption, r.pfKey, r.noFnc, r.comment), r.tip);
    }
}

TEST(BarTooltip, JoinsTheTitles) {
    EXPECT_EQ(BarTitleTooltip("業務", "", false), "業務");
    EXPECT_EQ(BarTitleTooltip("業務", "総務", true), "業務 (総務)");
    EXPECT_EQ(BarTitleTooltip("", "総務", true), "総務");
    EXPECT_EQ(BarTitleTooltip("  ", "総務", true), "総務");
    EXPECT_EQ(BarTitleTooltip("業務", "総務", false), "業務");
}

}  // namespace
}  // namespace torva::menuview
