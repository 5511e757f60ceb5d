#include "definition/definition_listing.h"

#include "common/cp932.h"
#include "common/utf8.h"
#include "definition/colour_codes.h"
#include "definition/listing_columns.h"

namespace torva::definition {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kRuleWidth = 47;

std::string Repeat(std::string_view piece, std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < count; ++i) out += piece;
    return out;
}

bool HasFont(const std::string& name, const std::string& style, uint8_t size) {
    return !name.empty() || !style.empty() || size != 0;
}

std::string SyncName(uint8_t waitMode) {
    return waitMode == kWaitNone ? "非同期" : "同期";
}

class Listing {
  public:
    Listing(const MenuDefinition& def, const SearchFolders& folders, const ListingSteps& steps)
        : def_(def), folders_(folders), steps_(steps) {}

    std::string Run() {
        Banner();
        Settings();
        Comments();
        Programs();
        TimedStarts();
        bool first = true;
        for (int p = 1; p <= kPageCount; ++p) {
            if (!def_.Page(p).defined) continue;
            if (first) {
                Line("【ページ定義】");
                Blank();
                first = false;
            }
            Page(p);
        }
        return std::move(out_);
    }

  private:
    void Line(std::string_view text) {
        out_ += text;
        out_ += kLineEnd;
    }
    void Blank() { out_ += kLineEnd; }
    void Separator() { Line(Repeat("－", kRuleWidth)); }

    // A path as the writer would put it into the file.
    std::string Path(const std::string& path, uint8_t base) const {
        if (def_.options.pathSuppress && base == kBaseAbsolute)
            return relativeForm(path, folders_, steps_.writer.relativeForm, steps_.writer.relativeFolder);
        return path;
    }

    std::string ColourText(Colour value) const {
        return colourName(codeFromColour(value, steps_.writer.codeFromColour), steps_.colourName);
    }

    std::string WaitModeText(int mode) const { return waitModeName(mode, steps_.waitModeName); }

    static void AddFlag(std::string& list, bool set, std::string_view name) {
        if (!set) return;
        list += name;
        list += ',';
    }
    static std::string WithoutLastComma(std::string list) {
        if (!list.empty()) list.pop_back();
        return list;
    }

    void Banner() {
        Line(Repeat("＊", kRuleWidth));
        Line("＊" + Repeat("　", 17) + "ＴＯＲＶＡ　定義リスト" + Repeat("　", 17) + "＊");
        Line(Repeat("＊", kRuleWidth));
    }

    void Settings() {
        std::string minor = kEditorVersionMinor < 10 ? "0" : "";
        minor += std::to_string(kEditorVersionMinor);
        Line("バージョン　：" + std::to_string(kEditorVersionMajor) + "." + minor);
        Blank();
        const DefinitionOptions& o = def_.options;
        std::string options;
        AddFlag(options, o.dupCheck, "DCHK");
        AddFlag(options, o.noCheck, "NCHK");
        AddFlag(options, o.pathSuppress, "PSUP");
        AddFlag(options, o.pageKey, "PKEY");
        AddFlag(options, o.noControlBox, "NCTL");
        AddFlag(options, o.trayIcon, "TSKI");
        AddFlag(options, o.remoteControl, "RCTL");
        if (!options.empty()) {
            Line("オプション　：" + WithoutLastComma(options));
            Blank();
        }
        Line(std::string("表示形式　　：") + DisplayModeName(def_.displayMode));
        Blank();
        std::string display;
        AddFlag(display, o.positionSave, "PSAVE");
        AddFlag(display, o.outerFrame, "FRAME");
        AddFlag(display, o.noFunctionKeys, "NOFNC");
        if (!display.empty()) {
            Line("表示拡張指定：" + WithoutLastComma(display));
            Blank();
        }
        Separator();
    }

    void Comments() {
        if (def_.comments.empty()) return;
        Line("【コメント】");
        Blank();
        for (const std::string& comment : def_.comments) Line(comment);
        Blank();
        Separator();
    }

    // One group of start or end programs; true when it printed anything.
    bool ProgramGroup(std::string_view heading, const std::array<ProgramEntry, kEntryCount>& entries) {
        if (!entries[0].used() && !entries[1].used()) return false;
        Line(heading);
        Blank();
        static constexpr std::string_view kMarks[] = {"①", "②"};
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const ProgramEntry& e = entries[i];
            if (!e.used()) continue;
            Line(std::string(kMarks[i]) + "実行プログラム：" + Path(e.program, e.pathBase));
            Line("　コマンドライン：" + PadToBytes(e.arguments, 40) + "    同期指定：" +
                 SyncName(e.waitMode));
        }
        Blank();
        return true;
    }

    void Programs() {
        const bool starts = ProgramGroup("【始動プログラム定義】", def_.startPrograms);
        const bool ends = ProgramGroup("【終了プログラム定義】", def_.endPrograms);
        if (starts || ends) Separator();
    }

    bool TimedGroup(std::string_view heading, std::string_view unit,
                    const std::array<TimedStart, kEntryCount>& entries) {
        if (entries[0].unused() && entries[1].unused()) return false;
        Line(heading);
        Blank();
        static constexpr std::string_view kMarks[] = {"①", "②"};
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const TimedStart& t = entries[i];
            if (t.unused()) continue;
            Line(std::string(kMarks[i]) + "時刻：" + t.time + std::string(unit) + RightAligned(t.page, 2) +
                 "頁 第" + RightAligned(t.button, 2) + "ボタン");
        }
        Blank();
        return true;
    }

    void TimedStarts() {
        const bool elapsed = TimedGroup("【経過時刻起動ボタン定義】", "分後 ", def_.elapsedStarts);
        const bool clock = TimedGroup("【指定時刻起動ボタン定義】", "分 ", def_.clockStarts);
        if (elapsed || clock) Separator();
    }

    void FontLine(const std::string& name, const std::string& style, uint8_t size) {
        Line("　フォント名：" + PadToBytes(name, 25) + std::string(5, ' ') + "スタイル：" +
             PadToChars(style, 11) + std::string(5, ' ') + "サイズ：" + std::to_string(size) + "ポイント");
    }

    void Page(int p) {
        const MenuPage& page = def_.Page(p);
        Line("（頁" + RightAligned(p, 3) + "）");
        Blank();
        PageStarts(page);
        BarTitleLines(def_.commonBackground && p != 1 ? def_.Page(1) : page);
        static constexpr std::string_view kTitleNames[] = {"主タイトル　：", "副タイトル　："};
        for (int n = 1; n <= kEntryCount; ++n) {
            const PageTitle& t = page.Title(n);
            if (TrimBlanks(t.text).empty() && t.foreColour == kDefaultTextColour &&
                t.backColour == kDefaultBackColour)
                continue;
            Line(std::string(kTitleNames[n - 1]) + t.text);
            if (HasFont(t.fontName, t.fontStyle, t.fontSize)) FontLine(t.fontName, t.fontStyle, t.fontSize);
            Line("　　　文字色：" + PadToBytes(ColourText(t.foreColour), 9) + " " + "背景色：" +
                 ColourText(t.backColour));
            Blank();
        }
        const int buttons = ButtonsForMode(def_.displayMode);
        for (int n = 1; n <= buttons; ++n) Button(n, page.Button(n));
        Separator();
    }

    void PageStarts(const MenuPage& page) {
        bool any = false;
        for (int n = 1; n <= kEntryCount; ++n) {
            const ProgramEntry& e = page.PageStart(n);
            if (!e.used()) continue;
            any = true;
            Line("始動ﾌﾟﾛｸﾞﾗﾑ" + std::to_string(n) + "：" + Path(e.program, e.pathBase));
            Line("　　ｺﾏﾝﾄﾞﾗｲﾝ：" + PadToBytes(e.arguments, 40) + "    同期指定：" + SyncName(e.waitMode));
        }
        if (any) Blank();
    }

    void BarTitleLines(const MenuPage& source) {
        const BarTitle& bar = source.barTitle;
        if (TrimBlanks(bar.text).empty() && bar.picture.empty() && bar.backColour == kDefaultBackColour &&
            source.pageWaitMode == 0)
            return;
        Line("バータイトル：" + bar.text);
        if (!bar.picture.empty()) {
            Line("　　背景画像：" + Path(bar.picture, bar.pathBase));
        } else {
            Line("　　　背景色：" + ColourText(bar.backColour));
        }
        Line("　　同期指定：" + WaitModeText(source.pageWaitMode));
        Blank();
    }

    void Button(int n, const MenuButton& b) {
        if (TrimBlanks(b.caption).empty() && TrimBlanks(b.icon).empty() && b.action == ButtonAction::None &&
            b.foreColour == kDefaultTextColour && b.backColour == kDefaultBackColour)
            return;
        const std::string number = LeftChars("(" + std::to_string(n) + ") ", 4);
        Line(number + "ﾎﾞﾀﾝ名称：" + PadToBytes(b.caption, 40) + std::string(5, ' ') + ActionName(b.action) +
             std::string(5, ' ') + "PFｷｰ：" + (b.pfKey ? "ON" : "OFF"));
        if (!b.password.empty()) {
            Line("　パスワード：" + PadToBytes(std::string(CharCount(b.password), '*'), 30) + "　ガイド：" +
                 PadToBytes(b.guide, 40));
        }
        if (!b.icon.empty()) Line("　　アイコン：" + Path(b.icon, b.iconBase));
        if (HasFont(b.fontName, b.fontStyle, b.fontSize)) FontLine(b.fontName, b.fontStyle, b.fontSize);
        Line("　　　文字色：" + PadToBytes(ColourText(b.foreColour), 9) + " " + "背景色：" +
             PadToBytes(ColourText(b.backColour), 9) + std::string(3, ' ') + "コメント：" +
             PadToBytes(b.comment, 40));
        const int action = static_cast<int>(b.action);
        if (b.action == ButtonAction::Run) {
            Line(" 実行ﾌﾟﾛｸﾞﾗﾑ：" + Path(b.program, b.programBase));
            Line("    ｺﾏﾝﾄﾞﾗｲﾝ：" + PadToBytes(b.arguments, 40) + "    同期指定：" +
                 WaitModeText(b.runOption));
            if (!b.workFolder.empty()) Line("   作業ﾌｫﾙﾀﾞ：" + b.workFolder);
        } else if (b.action == ButtonAction::Page) {
            Line(" 　　移動先頁：" + RightAligned(b.targetPage, 2));
        } else if (action >= static_cast<int>(ButtonAction::RemoteShutdown) &&
                   action <= static_cast<int>(ButtonAction::RemoteMessage)) {
            Line("　ｺﾝﾋﾟｭｰﾀ名：" + PadToBytes(b.program, 24) + "   メッセージ：" +
                 PadToBytes(b.arguments, 40));
        } else if (b.action == ButtonAction::RemoteControl) {
            Line("　ｺﾝﾋﾟｭｰﾀ名：" + b.program + "   起動頁：" + std::to_string(b.targetPage) +
                 "   起動ボタン：" + std::to_string(b.runOption));
        }
        Blank();
    }

    const MenuDefinition& def_;
    const SearchFolders& folders_;
    const ListingSteps& steps_;
    std::string out_;
};

}  // namespace

std::string listingText(const definition::MenuDefinition& def, const definition::SearchFolders& folders,
                        const ListingSteps& steps) {
    return Listing(def, folders, steps).Run();
}

definition::SaveResult writeListing(platform::FileSystem& files, const std::string& path,
                                    const definition::MenuDefinition& def,
                                    const definition::SearchFolders& folders, const ListingSteps& steps) {
    const Cp932Encoded encoded = EncodeCp932(listingText(def, folders, steps));
    definition::SaveResult result = definition::saveFileSafely(files, path, encoded.bytes);
    result.unmappable = encoded.unmappable;
    return result;
}

}  // namespace torva::definition
