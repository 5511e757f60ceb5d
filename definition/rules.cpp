#include "definition/rules.h"

#include <array>

namespace torva::definition {

namespace {

struct RuleMessage {
    int rule;
    std::string_view message;
};

// Rule 1's message holds its own CR between its two sentences.
constexpr std::array<RuleMessage, 30> kMessages{{
    {1, "メニュー定義で、ページ定義の先頭がページ開始定義でないか、\rもしくは誤った記述があります｡ "},
    {2, "メニュー定義の先頭のページ開始定義は、ページ１でなくてはいけません。"},
    {3, "メニュー定義のページ開始定義で、範囲外の値が指定されています。"},
    {4, "メニュー定義のコマンド定義で、範囲外の値が指定されています。"},
    {5, "メニュー定義のコマンド定義で、存在しないアイコンファイル名が指定されています。"},
    {6, "メニュー定義のコマンド定義で、許されないアイコンファイル名が指定されています。"},
    {7, "メニュー定義のコマンド定義で、存在しないコマンドファイル名が指定されています。"},
    {8, "メニュー定義のコマンド定義で、許されないコマンドファイル名が指定されています。"},
    {9, "メニュー定義の始動プログラム定義で、範囲外の値が指定されています。"},
    {10, "メニュー定義の終了プログラム定義で、範囲外の値が指定されています。"},
    {11, "メニュー定義の始動プログラム定義で、存在しないファイル名が指定されています。"},
    {12, "メニュー定義の終了プログラム定義で、存在しないファイル名が指定されています。"},
    {13, "メニュー定義の始動プログラム定義で、許されないファイル名が指定されています。"},
    {14, "メニュー定義の終了プログラム定義で、許されないファイル名が指定されています。"},
    {15, "メニュー定義のバータイトル定義で、存在しない背景ファイル名が指定されています。"},
    {16, "メニュー定義のバータイトル定義で、許されない背景ファイル名が指定されています。"},
    {17, "メニュー定義のメニュー表示形式定義で、範囲外の値が指定されています。"},
    {18, "メニュー定義のコマンド定義で、存在しないか許されないワークフォルダ名が指定されています。"},
    {19, "メニュー定義のコマンド定義で、許されないページ移動が指定されています。"},
    {20, "メニュー定義の経過時刻起動ボタン定義で、範囲外の値が指定されています。"},
    {21, "メニュー定義の指定時刻起動ボタン定義で、範囲外の値が指定されています。"},
    {22, "メニュー定義の経過時刻起動ボタン定義で、許されない時刻が指定されています。"},
    {23, "メニュー定義の指定時刻起動ボタン定義で、許されない時刻が指定されています。"},
    {24, "メニュー定義の経過時刻起動ボタン定義で、許されないページ（ボタン）番号が指定されています。"},
    {25, "メニュー定義の指定時刻起動ボタン定義で、許されないページ（ボタン）番号が指定されています。"},
    {26, "メニュー定義のコマンド定義で、許されないページ（ボタン）番号が指定されています。"},
    {27, "メニュー定義のページ始動プログラム定義で、範囲外の値が指定されています。"},
    {28, "メニュー定義のページ始動プログラム定義で、存在しないファイル名が指定されています。"},
    {29, "メニュー定義のページ始動プログラム定義で、許されないファイル名が指定されています。"},
    {90, "メニュー定義で、許されない書式が現れました。表示行及び前行の書式もチェックして下さい。"},
}};

constexpr std::string_view kOldVersionMessage = "変換対象旧バージョンのメニュー定義です。";
constexpr std::string_view kOldVersionRuntimeHint = "ＴＶＳＥＴＵＰにてメニューの変換を行って下さい。";
constexpr std::string_view kOldVersionEditorDetail = "メニューの変換を行って下さい。";
constexpr std::string_view kNotOldMessage = "変換対象旧バージョンのメニュー定義ではありません。";
constexpr std::string_view kNotOldDetail = "通常の読込を行って下さい。";
constexpr std::string_view kMissingFileMessage = "メニュー定義ファイルが存在しません。";

}  // namespace

bool HasRuleText(int rule) {
    if (rule == kRuleOldVersion || rule == kRuleNotOldVersion || rule == kRuleMissingFile) return true;
    for (const auto& entry : kMessages) {
        if (entry.rule == rule) return true;
    }
    return false;
}

std::string RuleMessageText(int rule, ReaderKind reader) {
    if (rule == kRuleOldVersion) {
        if (reader == ReaderKind::Editor) return std::string(kOldVersionMessage);
        return std::string(kOldVersionMessage) + "\r" + std::string(kOldVersionRuntimeHint);
    }
    if (rule == kRuleNotOldVersion) return std::string(kNotOldMessage);
    if (rule == kRuleMissingFile) return std::string(kMissingFileMessage);
    for (const auto& entry : kMessages) {
        if (entry.rule == rule) return std::string(entry.message);
    }
    return {};
}

DetailForm RuleDetailForm(int rule) {
    switch (rule) {
        case 4:
        case 15:
        case 16:
        case 27:
            return DetailForm::PageText;
        case 11:
        case 12:
        case 13:
        case 14:
        case 22:
        case 23:
        case 24:
        case 25:
            return DetailForm::NumberText;
        case 5:
        case 6:
        case 7:
        case 8:
        case 18:
        case 19:
        case 26:
        case 28:
        case 29:
            return DetailForm::PageNumberText;
        case kRuleUnknownFormat:
            return DetailForm::DefinitionLine;
        default:
            return DetailForm::Text;
    }
}

std::string RuleDetailText(int rule, int page, int number, std::string_view text) {
    switch (RuleDetailForm(rule)) {
        case DetailForm::PageText:
            return "Page = " + std::to_string(page) + " : " + std::string(text);
        case DetailForm::NumberText:
            return "No = " + std::to_string(number) + " : " + std::string(text);
        case DetailForm::PageNumberText:
            return "Page = " + std::to_string(page) + " , No = " + std::to_string(number) + " : " +
                   std::string(text);
        case DetailForm::DefinitionLine:
            return "エラー = (" + std::string(text) + ")定義行";
        case DetailForm::Text:
            break;
    }
    return std::string(text);
}

std::string OldVersionDetail(ReaderKind reader, std::string_view definitionPath) {
    if (reader == ReaderKind::Editor) return std::string(kOldVersionEditorDetail);
    return std::string(definitionPath);
}

std::string NotOldVersionDetail() {
    return std::string(kNotOldDetail);
}

}  // namespace torva::definition
