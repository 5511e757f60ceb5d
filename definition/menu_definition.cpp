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

namespace {

// Each reset equals assigning a fresh value (a test holds them to that), without giving up buffers.
void Clear(ProgramEntry& entry) {
    entry.program.clear();
    entry.arguments.clear();
    entry.waitMode = kWaitNone;
    entry.pathBase = kBaseAbsolute;
}

void Clear(TimedStart& timed) {
    timed.time.clear();
    timed.page = 0;
    timed.button = 0;
}

void Clear(BarTitle& bar) {
    bar.text.clear();
    bar.backColour = kDefaultBackColour;
    bar.picture.clear();
    bar.pathBase = kBaseAbsolute;
}

void Clear(PageTitle& title) {
    title.text.clear();
    title.fontName.clear();
    title.fontStyle.clear();
    title.fontSize = 0;
    title.foreColour = kDefaultTextColour;
    title.backColour = kDefaultBackColour;
}

}  // namespace

void clearButton(MenuButton& b) {
    clearButtonIconAndCommand(b);
    b.pfKey = false;
    b.caption.clear();
    b.fontName.clear();
    b.fontStyle.clear();
    b.fontSize = 0;
    b.foreColour = kDefaultTextColour;
    b.backColour = kDefaultBackColour;
    b.comment.clear();
    b.password.clear();
    b.guide.clear();
}

void clearDefinition(MenuDefinition& def) {
    clearDefinitionExceptButtons(def);
    for (auto& page : def.pages) {
        for (auto& button : page.buttons) clearButton(button);
    }
}

void clearDefinitionExceptButtons(MenuDefinition& def) {
    // Field by field: a whole MenuDefinition temporary would not fit a thread's stack comfortably.
    def.comments.clear();
    def.comments.shrink_to_fit();
    def.formatClass = 3;
    def.displayMode = 1;
    def.buttonsPerPage = kButtonsNormal;
    def.options = DefinitionOptions{};
    for (auto& entry : def.startPrograms) Clear(entry);
    for (auto& entry : def.endPrograms) Clear(entry);
    for (auto& timed : def.elapsedStarts) Clear(timed);
    for (auto& timed : def.clockStarts) Clear(timed);
    for (auto& page : def.pages) {
        page.defined = false;
        for (auto& entry : page.pageStarts) Clear(entry);
        Clear(page.barTitle);
        page.pageWaitMode = kWaitNone;
        for (auto& title : page.titles) Clear(title);
    }
    def.commonBackground = false;
}

}  // namespace torva::definition
