#include "script/script_state.h"

#include "common/fatal_report.h"

namespace torva::script {

std::string_view ScriptErrorText(ScriptError error) {
    switch (error) {
        case kErrCommand:
            return "許されないスクリプトコマンドが指定されています。";
        case kErrNoSuchFile:
            return "存在しないコマンドファイル名が指定されています。";
        case kErrBadFileName:
            return "許されないコマンドファイル名が指定されています。";
        case kErrPageButton:
            return "許されないページ（ボタン）番号が指定されています。";
        case kErrCodeTest:
            return "終了コード判定指定に誤りがあります。";
        case kErrLabelNotFound:
            return "飛び先のラベルが見つかりませんでした。";
        case kErrStartFailed:
        case kErrOpenFailed:
            return "コマンドの起動に失敗しました。";
        case kErrWaitFailed:
            return "コマンドの待ち合わせに失敗しました。";
        case kErrNoScript:
            return "ＴＯＲＶＡスクリプトファイルが存在しません。";
    }
    return {};
}

std::string ComposeErrorBoxText(const ScriptState& state, int failureNumber) {
    ErrorState error;
    error.code = state.stepCode;
    error.message = state.errorText;
    error.detail = state.errorDetail;
    return ComposeFatalText(error, failureNumber, kScriptSeparator);
}

}  // namespace torva::script
