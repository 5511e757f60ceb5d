#include "definition/definition_writer.h"

#include <array>
#include <charconv>
#include <initializer_list>

#include "common/cp932.h"
#include "common/path.h"
#include "common/run_error.h"
#include "common/utf8.h"
#include "definition/colour_codes.h"
#include "definition/text_out.h"

namespace torva::definition {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
// Room for everything of a line but its texts: key, number, separators, quotes, codes and numbers.
constexpr std::size_t kLineRoom = 192;

// Colour codes by value, remembered per text written: a file uses few colours, and finding one in the
// table takes a walk through every letter and level. A code remembered notes its step all the same.
class ColourCodes {
  public:
    std::string_view Code(Colour value, const StepLocation& at) {
        Slot& slot = slots_[(value * 0x9E3779B1u) >> (32 - kBits)];
        if (slot.used && slot.value == value) {
            EnterStep(at);
        } else {
            const std::string code = codeFromColour(value, at);
            slot.used = true;
            slot.value = value;
            slot.length =
                static_cast<uint8_t>(code.size() < sizeof slot.code ? code.size() : sizeof slot.code);
            code.copy(slot.code, slot.length);
        }
        return {slot.code, slot.length};
    }

  private:
    static constexpr int kBits = 6;
    struct Slot {
        bool used = false;
        Colour value = 0;
        char code[3] = {};
        uint8_t length = 0;
    };
    std::array<Slot, 1 << kBits> slots_{};
};

class Writer {
  public:
    Writer(const MenuDefinition& def, const SearchFolders& folders, const WriterSteps& steps)
        : def_(def),
          folders_(folders),
          steps_(steps),
          // Roughly what a full page takes, so that the text grows in few steps.
          out_(4096 + static_cast<std::size_t>(ButtonsForMode(def.displayMode)) * 96 * DefinedPages(def)) {}

    std::string Run() {
        for (const auto& comment : def_.comments) {
            out_.Room(comment.size() + kLineRoom);
            out_.Put("*,");
            // A comment runs to the end of its line: only line ends must go.
            for (const char c : comment) {
                if (c != '\r' && c != '\n') out_.Put(c);
            }
            out_.Put(kLineEnd);
        }
        out_.Room(kLineRoom);
        out_.Put("[VER");
        out_.PutNumber(kEditorVersionMajor);
        out_.Put(kEditorVersionMinor < 10 ? ".0" : ".");
        out_.PutNumber(kEditorVersionMinor);
        out_.Put("]");
        out_.Put(kLineEnd);
        const DefinitionOptions& o = def_.options;
        Flag(o.dupCheck, "[DCHK]");
        Flag(o.noCheck, "[NCHK]");
        Flag(o.pathSuppress, "[PSUP]");
        Flag(o.pageKey, "[PKEY]");
        Flag(o.noControlBox, "[NCTL]");
        Flag(o.trayIcon, "[TSKI]");
        Flag(o.remoteControl, "[RCTL]");
        out_.Room(kLineRoom);
        out_.Put("[MODE");
        out_.PutNumber(def_.displayMode);
        out_.Put("]");
        out_.Put(kLineEnd);
        Flag(o.positionSave, "[PSAVE]");
        Flag(o.outerFrame, "[FRAME]");
        Flag(o.noFunctionKeys, "[NOFNC]");
        WriteStartEnd();
        WriteTimers();
        for (int p = 1; p <= kPageCount; ++p) {
            if (def_.Page(p).defined) WritePage(p);
        }
        return out_.Take();
    }

  private:
    static std::size_t DefinedPages(const MenuDefinition& def) {
        std::size_t count = 0;
        for (const auto& page : def.pages) count += page.defined ? 1 : 0;
        return count;
    }

    void Flag(bool set, std::string_view key) {
        if (!set) return;
        out_.Room(kLineRoom);
        out_.Put(key);
        out_.Put(kLineEnd);
    }

    // The key and its number, as "CMD12".
    void Key(std::string_view key, int n) {
        out_.Put(key);
        out_.PutNumber(n);
    }

    // The path as written: its relative form under "[PSUP]" (made into scratch), else itself. Never
    // longer than the path.
    std::string_view PathView(const std::string& path, uint8_t base, std::string& scratch) const {
        if (!(def_.options.pathSuppress && base == kBaseAbsolute)) return path;
        scratch = relativeForm(path, folders_, steps_.relativeForm, steps_.relativeFolder);
        return scratch;
    }

    // The pieces joined between double quotes; nothing when all are empty. Room is the caller's.
    void Quoted(std::initializer_list<std::string_view> pieces) {
        bool empty = true;
        for (const std::string_view piece : pieces) empty = empty && piece.empty();
        if (empty) return;
        out_.Put('"');
        for (const std::string_view piece : pieces) out_.PutKept(piece, kQuotedKeeps);
        out_.Put('"');
    }

    void Unquoted(std::string_view text) {
        const std::size_t start = out_.Size();
        out_.PutKept(text, kUnquotedKeeps);
        out_.TrimBlanksSince(start);
    }

    void PutColour(definition::Colour value) { out_.Put(colourCodes_.Code(value, steps_.codeFromColour)); }

    // prefix + program (in "<" ">" when it holds a blank) + " " + arguments, quoted.
    void QuotedProgram(std::string_view prefix, const std::string& program, uint8_t base,
                       const std::string& arguments) {
        const std::string_view path = PathView(program, base, scratch_);
        const bool bracketed = path.find(' ') != std::string_view::npos;
        const bool withArguments = !TrimBlanksView(arguments).empty();
        Quoted({prefix, bracketed ? "<" : "", path, bracketed ? ">" : "", withArguments ? " " : "",
                withArguments ? std::string_view(arguments) : std::string_view()});
    }

    void WriteEntry(std::string_view key, int n, const ProgramEntry& entry) {
        out_.Room(entry.program.size() + entry.arguments.size() + kLineRoom);
        Key(key, n);
        out_.Put(',');
        QuotedProgram("", entry.program, entry.pathBase, entry.arguments);
        out_.Put(',');
        out_.PutNumber(entry.waitMode);
        out_.Put(kLineEnd);
    }

    void WriteStartEnd() {
        bool any = false;
        for (const auto& e : def_.startPrograms) any = any || e.used();
        for (const auto& e : def_.endPrograms) any = any || e.used();
        if (!any) return;
        Flag(true, "[STREND]");
        for (int n = 1; n <= kEntryCount; ++n) {
            if (def_.StartProgram(n).used()) WriteEntry("STR", n, def_.StartProgram(n));
        }
        for (int n = 1; n <= kEntryCount; ++n) {
            if (def_.EndProgram(n).used()) WriteEntry("END", n, def_.EndProgram(n));
        }
    }

    void WriteTimer(std::string_view key, int n, const TimedStart& timed) {
        if (timed.unused()) return;
        out_.Room(timed.time.size() + kLineRoom);
        Key(key, n);
        out_.Put(',');
        Unquoted(timed.time);
        out_.Put(',');
        out_.PutNumber(timed.page);
        out_.Put(',');
        out_.PutNumber(timed.button);
        out_.Put(kLineEnd);
    }

    void WriteTimers() {
        bool any = false;
        for (const auto& t : def_.elapsedStarts) any = any || !t.unused();
        for (const auto& t : def_.clockStarts) any = any || !t.unused();
        if (!any) return;
        Flag(true, "[TIMER]");
        for (int n = 1; n <= kEntryCount; ++n) WriteTimer("AFT", n, def_.ElapsedStart(n));
        for (int n = 1; n <= kEntryCount; ++n) WriteTimer("TIM", n, def_.ClockStart(n));
    }

    void WriteBarTitle(const MenuPage& page) {
        const BarTitle& bar = page.barTitle;
        if (TrimBlanksView(bar.text).empty() && bar.picture.empty() && bar.backColour == kDefaultBackColour &&
            page.pageWaitMode == 0)
            return;
        out_.Room(bar.text.size() + bar.picture.size() + kLineRoom);
        out_.Put("VARTITLE,");
        Quoted({bar.text});
        out_.Put(',');
        if (bar.picture.empty()) {
            PutColour(bar.backColour);
        } else {
            Quoted({kPicturePrefix, PathView(bar.picture, bar.pathBase, scratch_)});
        }
        out_.Put(',');
        out_.PutNumber(page.pageWaitMode);
        out_.Put(kLineEnd);
    }

    void SizeField(uint8_t size) {
        if (size != 0) out_.PutNumber(size);
    }

    void WriteTitle(int n, const PageTitle& title) {
        if (TrimBlanksView(title.text).empty() && title.foreColour == kDefaultTextColour &&
            title.backColour == kDefaultBackColour)
            return;
        out_.Room(title.text.size() + title.fontName.size() + title.fontStyle.size() + kLineRoom);
        Key("TITLE", n);
        out_.Put(',');
        Quoted({title.text});
        out_.Put(',');
        Unquoted(title.fontName);
        out_.Put(',');
        Unquoted(title.fontStyle);
        out_.Put(',');
        SizeField(title.fontSize);
        out_.Put(',');
        PutColour(title.foreColour);
        out_.Put(',');
        PutColour(title.backColour);
        out_.Put(kLineEnd);
    }

    void CommandField(const MenuButton& b) {
        const int action = static_cast<int>(b.action);
        switch (b.action) {
            case ButtonAction::None:
                Quoted({"CMD:"});
                return;
            case ButtonAction::Run:
                QuotedProgram("CMD:", b.program, b.programBase, b.arguments);
                return;
            case ButtonAction::Page:
                Key("PAGE", b.targetPage);
                return;
            case ButtonAction::End:
                out_.Put("END");
                return;
            case ButtonAction::ScreenSaver:
                out_.Put("SCR");
                return;
            case ButtonAction::RemoteShutdown:
            case ButtonAction::ConfirmRemoteShutdown:
                Remote("RSDWN:", b);
                return;
            case ButtonAction::RemoteReboot:
            case ButtonAction::ConfirmRemoteReboot:
                Remote("RREBT:", b);
                return;
            case ButtonAction::RemoteMessage:
                Remote("RMSG:", b);
                return;
            case ButtonAction::RemoteControl: {
                char page[TextOut::kNumberRoom];
                char button[TextOut::kNumberRoom];
                const char* pageEnd =
                    std::to_chars(page, page + sizeof page, static_cast<int>(b.targetPage)).ptr;
                const char* buttonEnd =
                    std::to_chars(button, button + sizeof button, static_cast<int>(b.runOption)).ptr;
                Quoted({"RCTL:", b.program, " ",
                        std::string_view(page, static_cast<std::size_t>(pageEnd - page)), " ",
                        std::string_view(button, static_cast<std::size_t>(buttonEnd - button))});
                return;
            }
            default:
                break;
        }
        static constexpr std::string_view kSystem[] = {"LOFF", "SDWN", "POFF", "REBT"};
        const int index = (action >= 9 ? action - 4 : action) - static_cast<int>(ButtonAction::Logoff);
        if (index >= 0 && index < 4) {
            out_.Put(kSystem[index]);
        } else {
            Quoted({"CMD:"});  // a value beyond the actions: written as no action
        }
    }

    // prefix + computer + " " + message, quoted.
    void Remote(std::string_view prefix, const MenuButton& b) {
        const bool withArguments = !TrimBlanksView(b.arguments).empty();
        Quoted({prefix, b.program, withArguments ? " " : "",
                withArguments ? std::string_view(b.arguments) : std::string_view()});
    }

    void OptionField(const MenuButton& b) {
        switch (b.action) {
            case ButtonAction::Run:
                out_.PutNumber(b.runOption);
                return;
            case ButtonAction::ConfirmLogoff:
            case ButtonAction::ConfirmShutdown:
            case ButtonAction::ConfirmPowerOff:
            case ButtonAction::ConfirmReboot:
            case ButtonAction::ConfirmRemoteShutdown:
            case ButtonAction::ConfirmRemoteReboot:
                out_.Put('1');
                return;
            default:
                return;
        }
    }

    void WriteButton(int n, const MenuButton& b) {
        if (TrimBlanksView(b.caption).empty() && TrimBlanksView(b.icon).empty() &&
            b.action == ButtonAction::None && b.foreColour == kDefaultTextColour &&
            b.backColour == kDefaultBackColour)
            return;
        out_.Room(b.icon.size() + b.caption.size() + b.fontName.size() + b.fontStyle.size() +
                  b.comment.size() + b.workFolder.size() + b.program.size() + b.arguments.size() +
                  b.password.size() + b.guide.size() + kLineRoom);
        Key("CMD", n);
        out_.Put(',');
        Quoted({PathView(b.icon, b.iconBase, scratch_)});
        out_.Put(b.pfKey ? ",ON," : ",OFF,");
        Quoted({b.caption});
        out_.Put(',');
        Unquoted(b.fontName);
        out_.Put(',');
        Unquoted(b.fontStyle);
        out_.Put(',');
        SizeField(b.fontSize);
        out_.Put(',');
        PutColour(b.foreColour);
        out_.Put(',');
        PutColour(b.backColour);
        out_.Put(',');
        Quoted({b.comment});
        out_.Put(',');
        Quoted({b.workFolder});
        out_.Put(',');
        CommandField(b);
        out_.Put(',');
        OptionField(b);
        out_.Put(',');
        Quoted({b.password});
        out_.Put(',');
        Quoted({b.guide});
        out_.Put(kLineEnd);
    }

    void WritePage(int p) {
        const MenuPage& page = def_.Page(p);
        out_.Room(kLineRoom);
        Key("[PAGE", p);
        out_.Put(']');
        out_.Put(kLineEnd);
        for (int n = 1; n <= kEntryCount; ++n) {
            if (page.PageStart(n).used()) WriteEntry("PSTR", n, page.PageStart(n));
        }
        WriteBarTitle(def_.commonBackground && p != 1 ? def_.Page(1) : page);
        for (int n = 1; n <= kEntryCount; ++n) WriteTitle(n, page.Title(n));
        const int buttons = ButtonsForMode(def_.displayMode);
        for (int n = 1; n <= buttons; ++n) WriteButton(n, page.Button(n));
    }

    const MenuDefinition& def_;
    const SearchFolders& folders_;
    const WriterSteps& steps_;
    TextOut out_;
    ColourCodes colourCodes_;
    std::string scratch_;  // a path's relative form while its line is written
};

}  // namespace

std::string definitionText(const MenuDefinition& def, const SearchFolders& folders,
                           const WriterSteps& steps) {
    return Writer(def, folders, steps).Run();
}

std::string relativeForm(std::string_view path, const SearchFolders& folders, const StepLocation& form,
                         const StepLocation& folderTest) {
    EnterStep(form);
    const std::string upperPath = UpperLetters(path);
    std::string shortest;
    bool found = false;
    for (int base = 1; base <= 4; ++base) {
        EnterStep(folderTest);
        std::string folder = folders.Folder(base);
        if (folder.empty()) continue;
        if (folder.back() != '\\') folder += '\\';
        // Upper-casing keeps byte lengths (ASCII and full-width letters only), so offsets carry over.
        if (!upperPath.starts_with(UpperLetters(folder)) || upperPath.size() == folder.size()) continue;
        std::string rest(path.substr(folder.size()));
        if (rest.find('\\') == std::string::npos) return rest;
        if (!found || rest.size() < shortest.size()) shortest = std::move(rest);
        found = true;
    }
    return found ? shortest : std::string(path);
}

void rebasePaths(MenuDefinition& def, std::string_view oldFolder, const SearchFolders& folders,
                 const StepLocation& at) {
    EnterStep(at);
    if (SamePath(oldFolder, folders.definitionFolder)) return;
    auto rebase = [&](std::string& path, uint8_t& base) {
        if (base != kBaseDefinitionFolder) return;
        if (SamePath(oldFolder, folders.programFolder)) {
            base = kBaseProgramFolder;
        } else if (SamePath(oldFolder, folders.windowsFolder)) {
            base = kBaseWindowsFolder;
        } else if (SamePath(oldFolder, folders.systemFolder)) {
            base = kBaseSystemFolder;
        } else {
            base = kBaseAbsolute;
            path = JoinPath(oldFolder, path);
        }
    };
    for (auto& e : def.startPrograms) rebase(e.program, e.pathBase);
    for (auto& e : def.endPrograms) rebase(e.program, e.pathBase);
    for (auto& page : def.pages) {
        for (auto& e : page.pageStarts) rebase(e.program, e.pathBase);
        rebase(page.barTitle.picture, page.barTitle.pathBase);
        for (auto& b : page.buttons) {
            rebase(b.icon, b.iconBase);
            rebase(b.program, b.programBase);
        }
    }
}

std::string TemporarySavePath(std::string_view path) {
    return std::string(path) + ".~tv";
}

SaveResult saveFileSafely(platform::FileSystem& files, const std::string& path, const std::string& bytes) {
    SaveResult result;
    const std::string temporary = TemporarySavePath(path);
    if (!files.WriteFile(temporary, bytes)) {
        (void)files.DeleteFile(temporary);
        result.runErrorNumber = kErrPathFileAccess;
        return result;
    }
    if (!files.ReplaceFile(temporary, path)) {
        (void)files.DeleteFile(temporary);
        result.runErrorNumber = kErrPathFileAccess;
        return result;
    }
    result.ok = true;
    return result;
}

SaveResult saveDefinition(platform::FileSystem& files, const std::string& path, const MenuDefinition& def,
                          const SearchFolders& folders, const WriterSteps& steps) {
    const Cp932Encoded encoded = EncodeCp932(definitionText(def, folders, steps));
    SaveResult result = saveFileSafely(files, path, encoded.bytes);
    result.unmappable = encoded.unmappable;
    return result;
}

}  // namespace torva::definition
