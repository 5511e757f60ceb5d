#include "definition/menu_definition.h"

namespace torva::definition {

const char* DisplayModeName(int displayMode) {
    static constexpr const char* kNames[] = {"MODE1(標準)",   "MODE2(右端)",     "MODE3(左端)",
                                             "MODE4(全画面)", "MODE5(アイコン)", "MODE6(アイコン小)",
                                             "MODE7(縦バー)", "MODE8(標準大)",   "MODE9(拡張)"};
    if (displayMode < 1 || displayMode > kDisplayModeCount) return "";
    return kNames[displayMode - 1];
}

const char* ActionName(ButtonAction action) {
    static constexpr const char* kNames[kActionCount] = {
        "＜----------------＞", "＜プログラム実行＞", "＜頁移動＞",         "＜メニュー終了＞",
        "＜ｽｸﾘｰﾝｾｰﾊﾞ起動＞",    "＜ログオフ＞",       "＜シャットダウン＞", "＜パワーオフ＞",
        "＜リブート＞",         "＜確認ﾛｸﾞｵﾌ＞",      "＜確認ｼｬｯﾄﾀﾞｳﾝ＞",   "＜確認ﾊﾟﾜｰｵﾌ＞",
        "＜確認ﾘﾌﾞｰﾄ＞",        "＜ﾘﾓｰﾄｼｬｯﾄﾀﾞｳﾝ＞",   "＜ﾘﾓｰﾄﾘﾌﾞｰﾄ＞",      "＜確認ﾘﾓｰﾄｼｬｯﾄﾀﾞｳﾝ＞",
        "＜確認ﾘﾓｰﾄﾘﾌﾞｰﾄ＞",    "＜ﾘﾓｰﾄﾒｯｾｰｼﾞ＞",     "＜ﾘﾓｰﾄｺﾝﾄﾛｰﾙ＞"};
    const auto index = static_cast<std::size_t>(action);
    if (index >= static_cast<std::size_t>(kActionCount)) return "";
    return kNames[index];
}

void clearDefinition(MenuDefinition& def) {
    // Field by field: a whole MenuDefinition temporary would not fit a thread's stack comfortably.
    def.comments.clear();
    def.comments.shrink_to_fit();
    def.formatClass = 3;
    def.displayMode = 1;
    def.buttonsPerPage = kButtonsNormal;
    def.options = DefinitionOptions{};
    def.startPrograms = {};
    def.endPrograms = {};
    def.elapsedStarts = {};
    def.clockStarts = {};
    for (auto& page : def.pages) {
        page.defined = false;
        page.pageStarts = {};
        page.barTitle = BarTitle{};
        page.pageWaitMode = kWaitNone;
        page.titles = {};
        for (auto& button : page.buttons) button = MenuButton{};
    }
    def.commonBackground = false;
}

}  // namespace torva::definition
