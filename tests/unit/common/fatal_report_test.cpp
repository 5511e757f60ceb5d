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
    EXPECT_EQ(ComposeFatalText(state, 6),
              "継続不可能なエラーが発生しました。\r処理を終了します。\rErrorNo = 999 : 6");
}

TEST(FatalReport, SmallProgramHasTwoCarriageReturns) {
    EXPECT_EQ(ComposeSmallProgramText("コマンドの起動に失敗しました。", 4, 0),
              "コマンドの起動に失敗しました。\r\rErrorNo = 4 : 0");
}

}  // namespace
}  // namespace torva

namespace torva {
namespace {

TEST(FatalReport, BoundaryBetweenRuleAndLocationCodes) {
    ErrorState state;
    state.SetRule(499, "規則", "詳細");
    EXPECT_EQ(ComposeFatalText(state, 0), "規則\r詳細\rErrorNo = 499 : 0");
    state.code = 500;
    EXPECT_EQ(ComposeFatalText(state, 0),
              "継続不可能なエラーが発生しました。\r処理を終了します。\rErrorNo = 500 : 0");
    state.code = -1;  // a negative code is below 500: the message and detail are shown
    EXPECT_EQ(ComposeFatalText(state, 5), "規則\r詳細\rErrorNo = -1 : 5");
}

TEST(FatalReport, ScriptRunnerSeparatorHasNoBlanks) {
    ErrorState state;
    state.SetRule(1, "許されないスクリプトコマンドが指定されています。", "PAUSE: 5");
    EXPECT_EQ(ComposeFatalText(state, 0, kScriptSeparator),
              "許されないスクリプトコマンドが指定されています。\rPAUSE: 5\rErrorNo = 1:0");
    ErrorLocation here(state, 999);
    EXPECT_EQ(ComposeFatalText(state, 6, kScriptSeparator),
              "継続不可能なエラーが発生しました。\r処理を終了します。\rErrorNo = 999:6");
}

TEST(FatalReport, EmptyTextsStillGiveAllLines) {
    ErrorState state;
    state.SetRule(3, "", "");
    EXPECT_EQ(ComposeFatalText(state, 0), "\r\rErrorNo = 3 : 0");
    EXPECT_EQ(ComposeSmallProgramText("リモートメッセージの表示に失敗しました。", 999, 13),
              "リモートメッセージの表示に失敗しました。\r\rErrorNo = 999 : 13");
    EXPECT_EQ(ErrorNumberLine(-32768, 481), "ErrorNo = -32768 : 481");
}

}  // namespace
}  // namespace torva
