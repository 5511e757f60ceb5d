#pragma once
// Random definitions that the writer can represent, as the editor would hold them after reading:
// for the round-trip property and the benchmarks. Paths name files of DefinitionFixture's machine.

#include <random>
#include <string>

#include "definition/colour_codes.h"
#include "definition/menu_definition.h"

namespace torva::testing {

class ModelGenerator {
  public:
    explicit ModelGenerator(unsigned seed) : rng_(seed) {}

    void Fill(definition::MenuDefinition& d) {
        using namespace definition;
        clearDefinition(d);
        const int comments = Int(0, 3);
        for (int i = 0; i < comments; ++i) d.comments.push_back(Text(true));
        d.formatClass = 3;
        d.displayMode = Int(1, 9);
        d.buttonsPerPage = ButtonsForMode(d.displayMode);
        bool* flags[] = {&d.options.dupCheck,      &d.options.noCheck,      &d.options.pathSuppress,
                         &d.options.pageKey,       &d.options.noControlBox, &d.options.trayIcon,
                         &d.options.remoteControl, &d.options.positionSave, &d.options.outerFrame,
                         &d.options.noFunctionKeys};
        for (bool* flag : flags) *flag = Chance(3);
        d.options.pathSuppress = false;  // the relative form changes how paths are kept; tested on its own
        for (auto& e : d.startPrograms) Entry(e);
        for (auto& e : d.endPrograms) Entry(e);
        for (auto& t : d.elapsedStarts) Timed(t, d.buttonsPerPage);
        for (auto& t : d.clockStarts) Timed(t, d.buttonsPerPage);
        for (int p = 1; p <= kPageCount; ++p) {
            if (Chance(p == 1 ? 1 : 4)) Page(d.Page(p), d.buttonsPerPage);
        }
        CommonBackground(d);
    }

    // Every slot of every page used, in display mode 9: the heaviest definition there is.
    void FillFull(definition::MenuDefinition& d) {
        Fill(d);
        d.displayMode = 9;
        d.buttonsPerPage = 24;
        for (auto& page : d.pages) {
            Page(page, 24);
            for (auto& button : page.buttons) {
                while (button.action == definition::ButtonAction::None) Button(button);
            }
        }
        CommonBackground(d);
    }

    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool Chance(int oneIn) { return Int(1, oneIn) == 1; }

    // Text without double quotes and line ends; not blank unless empty.
    std::string Text(bool allowComma = true) {
        static const char* const kPieces[] = {"a", "Z", "7", " ", "漢字", "ｱｲ", "ＭＳ",
                                              "-", "|", "<", ">", "\\",   "*",  ":"};
        const int n = Int(0, 6);
        std::string out;
        for (int i = 0; i < n; ++i) out += kPieces[Int(0, 13)];
        if (allowComma && Chance(4)) out += ",x";
        if (!out.empty() && out.find_first_not_of(' ') == std::string::npos) out += "t";
        return out;
    }

    // A text with no blank at either end (fields the reader trims).
    std::string Trimmed() {
        std::string t = Text();
        while (!t.empty() && t.front() == ' ') t.erase(0, 1);
        while (!t.empty() && t.back() == ' ') t.pop_back();
        return t;
    }

    definition::Colour Colour(bool text) {
        static const definition::Colour kValues[] = {0x000000,
                                                     0xFFFFFF,
                                                     0x808080,
                                                     0xFFC0C0,
                                                     0x0000FF,
                                                     0x404080,
                                                     definition::kTransparent,
                                                     definition::kSemiTransparent};
        if (Chance(2)) return text ? definition::kDefaultTextColour : definition::kDefaultBackColour;
        return kValues[Int(0, 7)];
    }

  private:
    struct PathChoice {
        const char* path;
        uint8_t base;
    };

    PathChoice Program() {
        static const PathChoice kPrograms[] = {{"C:\\TOOLS\\START.EXE", 0},
                                               {"C:\\Program Files\\Viewer\\view.exe", 0},
                                               {"http://example.com/a b", 0},
                                               {"calc.exe", 4},
                                               {"NOTEPAD.EXE", 3},
                                               {"tool.exe", 1},
                                               {"\\\\SRV\\SHARE\\APP.EXE", 0}};
        return kPrograms[Int(0, 6)];
    }

    PathChoice Icon() {
        static const PathChoice kIcons[] = {
            {"C:\\X\\A.ICO", 0}, {"C:\\WINDOWS\\NOTEPAD.EXE|2", 0}, {"tv.ico", 2}, {"calc.exe|1", 4}};
        return kIcons[Int(0, 3)];
    }

    void Entry(definition::ProgramEntry& e) {
        if (!Chance(2)) return;
        const PathChoice choice = Program();
        e.program = choice.path;
        e.pathBase = choice.base;
        e.arguments = Chance(2) ? Trimmed() : "";
        e.waitMode = static_cast<uint8_t>(Int(0, 1));
    }

    void Timed(definition::TimedStart& t, int buttons) {
        if (!Chance(2)) return;
        t.time = Two(Int(0, 23)) + ":" + Two(Int(0, 59));
        t.page = static_cast<uint8_t>(Int(1, 99));
        t.button = static_cast<uint8_t>(Int(1, buttons));
    }

    static std::string Two(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

    void Font(std::string& name, std::string& style, uint8_t& size) {
        static const char* const kNames[] = {"ＭＳ 明朝", "ＭＳ Ｐゴシック", "Arial", "Times New Roman"};
        static const char* const kStyles[] = {"Regular", "Bold", "Bold Italic"};
        if (Chance(2)) return;
        name = kNames[Int(0, 3)];
        style = kStyles[Int(0, 2)];
        size = static_cast<uint8_t>(Int(1, 255));
    }

    void Page(definition::MenuPage& page, int buttons) {
        page.defined = true;
        for (auto& e : page.pageStarts) Entry(e);
        page.barTitle.text = Text();
        if (Chance(4)) {
            page.barTitle.picture = Chance(2) ? "C:\\X\\A.BMP" : "BACK.BMP";
            page.barTitle.pathBase = page.barTitle.picture == "BACK.BMP" ? 1 : 0;
        } else {
            page.barTitle.backColour = Colour(false);
        }
        page.pageWaitMode = static_cast<uint8_t>(Int(0, 4));
        for (auto& title : page.titles) {
            if (!Chance(2)) continue;
            title.text = Text();
            title.foreColour = Colour(true);
            title.backColour = Colour(false);
            if (title.text.empty() && title.foreColour == definition::kDefaultTextColour &&
                title.backColour == definition::kDefaultBackColour)
                continue;
            Font(title.fontName, title.fontStyle, title.fontSize);
        }
        for (int n = 1; n <= buttons; ++n) {
            if (Chance(2)) Button(page.Button(n));
        }
    }

    void Button(definition::MenuButton& b) {
        using definition::ButtonAction;
        b = definition::MenuButton{};
        const int action = Int(0, 18);
        b.action = static_cast<ButtonAction>(action);
        b.caption = Text();
        if (Chance(2)) {
            const PathChoice icon = Icon();
            b.icon = icon.path;
            b.iconBase = icon.base;
        }
        b.pfKey = Chance(2);
        Font(b.fontName, b.fontStyle, b.fontSize);
        b.foreColour = Colour(true);
        b.backColour = Colour(false);
        b.comment = Text();
        b.password = Text();
        b.guide = Text();
        switch (b.action) {
            case ButtonAction::None:
                if (Chance(3)) b.workFolder = "C:\\WORK";
                break;
            case ButtonAction::Run: {
                const PathChoice program = Program();
                b.program = program.path;
                b.programBase = program.base;
                b.arguments = Chance(2) ? Trimmed() : "";
                b.runOption = static_cast<uint8_t>(Int(0, 4));
                if (Chance(3)) b.workFolder = "C:\\WORK";
                break;
            }
            case ButtonAction::Page:
                b.targetPage = static_cast<uint8_t>(Int(1, 99));
                break;
            case ButtonAction::RemoteShutdown:
            case ButtonAction::RemoteReboot:
            case ButtonAction::ConfirmRemoteShutdown:
            case ButtonAction::ConfirmRemoteReboot:
            case ButtonAction::RemoteMessage:
                b.program = "PC" + std::to_string(Int(1, 99));
                b.arguments = Chance(2) ? Trimmed() : "";
                break;
            case ButtonAction::RemoteControl:
                b.program = "PC" + std::to_string(Int(1, 99));
                b.targetPage = static_cast<uint8_t>(Int(1, 99));
                b.runOption = static_cast<uint8_t>(Int(1, 12));
                break;
            default:
                break;
        }
        const bool written = b.action != ButtonAction::None ||
                             b.caption.find_first_not_of(' ') != std::string::npos || !b.icon.empty() ||
                             b.foreColour != definition::kDefaultTextColour ||
                             b.backColour != definition::kDefaultBackColour;
        if (!written) b = definition::MenuButton{};
    }

    // The reader sets commonBackground when all opened pages share the bar title; make the model say
    // the same, with one picture, so that it survives the trip.
    static void CommonBackground(definition::MenuDefinition& d) {
        int defined = 0;
        bool same = d.Page(1).defined;
        const auto& first = d.Page(1);
        for (const auto& page : d.pages) {
            if (!page.defined) continue;
            ++defined;
            same = same && page.barTitle.text == first.barTitle.text &&
                   page.barTitle.backColour == first.barTitle.backColour &&
                   page.pageWaitMode == first.pageWaitMode;
        }
        d.commonBackground = same && defined >= 2;
        if (!d.commonBackground) return;
        for (auto& page : d.pages) {
            if (!page.defined) continue;
            page.barTitle.picture = first.barTitle.picture;
            page.barTitle.pathBase = first.barTitle.pathBase;
        }
    }

    std::mt19937 rng_;
};

}  // namespace torva::testing
