#include "common/fatal_report.h"

#include <gtest/gtest.h>

namespace torva {
namespace {

TEST(FatalReport, RuleFailureShowsMessageAndDetail) {
    ErrorState state;
    state.SetRule(99, "メニュー定義ファイルが存在しません。", "C:\\X\\TORVA.TVX");
    EXPECT_EQ(ComposeFatalText(state, 0),
              "メニュー定義ファイルが存在しません。\rC:\\X\\TORVA.TVX\rErrorNo = 99 : 0");
}

TEST(FatalReport, LocationCodeShowsGenericLines) {
    ErrorState state;
    state.SetRule(12, "ignored", "ignored");
    ErrorLocation here(state, 999);
    EXPECT_EQ(ComposeFatalText(state, 6), "継続不可能なエラーが発生しました。\r処理を終了します。\rErrorNo = 999 : 6");
}

TEST(FatalReport, SmallProgramHasTwoCarriageReturns) {
    EXPECT_EQ(ComposeSmallProgramText("コマンドの起動に失敗しました。", 4, 0),
              "コマンドの起動に失敗しました。\r\rErrorNo = 4 : 0");
}

}  // namespace
}  // namespace torva
