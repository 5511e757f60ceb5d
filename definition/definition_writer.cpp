#include "definition/definition_writer.h"

#include <charconv>
#include <initializer_list>

#include "common/cp932.h"
#include "common/path.h"
#include "common/run_error.h"
#include "common/utf8.h"
#include "definition/colour_codes.h"

namespace torva::definition {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Free text goes between double quotes; it cannot hold one, nor a line end.
std::string Clean(std::string_view text, bool unquoted) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '"' || c == '\r' || c == '\n' || (unquoted && c == ',')) continue;
        out += c;
    }
    return out;
}

// A comment runs to the end of its line: only line ends must go.
std::string WithoutLineEnds(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c != '\r' && c != '\n') out += c;
    }
    return out;
}

std::string Quoted(std::string_view text) {
    if (text.empty()) return {};
    std::string out(1, '"');
    out += Clean(text, false);
    out += '"';
    return out;
}

std::string Unquoted(std::string_view text) {
    return TrimBlanks(Clean(text, true));
}

std::string SizeField(uint8_t size) {
    return size == 0 ? std::string() : std::to_string(size);
}

// The appending forms of the above: lines are written straight into the text, field after field,
// without a temporary string for each piece.
bool NeedsCleaning(std::string_view text, bool unquoted) {
    for (const char c : text) {
        if (c == '"' || c == '\r' || c == '\n' || (unquoted && c == ',')) return true;
    }
    return false;
}

void AppendClean(std::string& out, std::string_view text, bool unquoted) {
    if (!NeedsCleaning(text, unquoted)) {
        out += text;
        return;
    }
    for (const char c : text) {
        if (c == '"' || c == '\r' || c == '\n' || (unquoted && c == ',')) continue;
        out += c;
    }
}

// Quoted() of the pieces joined.
void AppendQuoted(std::string& out, std::initializer_list<std::string_view> pieces) {
    bool empty = true;
    for (const std::string_view piece : pieces) empty = empty && piece.empty();
    if (empty) return;
    out += '"';
    for (const std::string_view piece : pieces) AppendClean(out, piece, false);
    out += '"';
}

void AppendUnquoted(std::string& out, std::string_view text) {
    const std::size_t start = out.size();
    AppendClean(out, text, true);
    std::size_t first = start;
    while (first < out.size() && out[first] == ' ') ++first;
    std::size_t end = out.size();
    while (end > first && out[end - 1] == ' ') --end;
    out.erase(end);
    out.erase(start, first - start);
}

void AppendNumber(std::string& out, int n) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, n);
    out.append(digits, result.ptr);
}

class Writer {
  public:
    Writer(const MenuDefinition& def, const SearchFolders& folders, const WriterSteps& steps)
        : def_(def), folders_(folders), steps_(steps) {}

    std::string Run() {
        // Roughly what a full page takes, so that the text grows in few steps.
        out_.reserve(4096 + static_cast<std::size_t>(ButtonsForMode(def_.displayMode)) * 96 * DefinedPages());
        for (const auto& comment : def_.comments) Line("*," + WithoutLineEnds(comment));
        Line("[VER" + std::to_string(kEditorVersionMajor) + "." + TwoDigits(kEditorVersionMinor) + "]");
        const DefinitionOptions& o = def_.options;
        Flag(o.dupCheck, "[DCHK]");
        Flag(o.noCheck, "[NCHK]");
        Flag(o.pathSuppress, "[PSUP]");
        Flag(o.pageKey, "[PKEY]");
        Flag(o.noControlBox, "[NCTL]");
        Flag(o.trayIcon, "[TSKI]");
        Flag(o.remoteControl, "[RCTL]");
        Line("[MODE" + std::to_string(def_.displayMode) + "]");
        Flag(o.positionSave, "[PSAVE]");
        Flag(o.outerFrame, "[FRAME]");
        Flag(o.noFunctionKeys, "[NOFNC]");
        WriteStartEnd();
        WriteTimers();
        for (int p = 1; p <= kPageCount; ++p) {
            if (def_.Page(p).defined) WritePage(p);
        }
        return std::move(out_);
    }

  private:
    std::size_t DefinedPages() const {
        std::size_t count = 0;
        for (const auto& page : def_.pages) count += page.defined ? 1 : 0;
        return count;
    }

    static std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

    void Line(std::string_view text) {
        out_ += text;
        out_ += kLineEnd;
    }

    void Flag(bool set, std::string_view key) {
        if (set) Line(key);
    }

    std::string Code(Colour value) const { return codeFromColour(value, steps_.codeFromColour); }

    std::string Path(const std::string& path, uint8_t base) const {
        if (def_.options.pathSuppress && base == kBaseAbsolute)
            return relativeForm(path, folders_, steps_.relativeForm, steps_.relativeFolder);
        return path;
    }

    // Path() without a copy unless the relative form is made (into scratch).
    std::string_view PathView(const std::string& path, uint8_t base, std::string& scratch) const {
        if (!(def_.options.pathSuppress && base == kBaseAbsolute)) return path;
        scratch = relativeForm(path, folders_, steps_.relativeForm, steps_.relativeFolder);
        return scratch;
    }

    // Quoted(prefix + ProgramText(...)).
    void AppendQuotedProgram(std::string_view prefix, const std::string& program, uint8_t base,
                             const std::string& arguments) {
        const std::string_view path = PathView(program, base, scratch_);
        const bool bracketed = path.find(' ') != std::string_view::npos;
        const bool withArguments = !TrimBlanksView(arguments).empty();
        AppendQuoted(out_,
                     {prefix, bracketed ? "<" : "", path, bracketed ? ">" : "", withArguments ? " " : "",
                      withArguments ? std::string_view(arguments) : std::string_view()});
    }

    std::string ProgramText(const std::string& program, uint8_t base, const std::string& arguments) const {
        std::string text = Path(program, base);
        if (text.find(' ') != std::string::npos) text = "<" + text + ">";
        if (!TrimBlanks(arguments).empty()) text += " " + arguments;
        return text;
    }

    void WriteEntry(const std::string& key, const ProgramEntry& entry) {
        Line(key + "," + Quoted(ProgramText(entry.program, entry.pathBase, entry.arguments)) + "," +
             std::to_string(entry.waitMode));
    }

    void WriteStartEnd() {
        bool any = false;
        for (const auto& e : def_.startPrograms) any = any || e.used();
        for (const auto& e : def_.endPrograms) any = any || e.used();
        if (!any) return;
        Line("[STREND]");
        for (int n = 1; n <= kEntryCount; ++n) {
            if (def_.StartProgram(n).used()) WriteEntry("STR" + std::to_string(n), def_.StartProgram(n));
        }
        for (int n = 1; n <= kEntryCount; ++n) {
            if (def_.EndProgram(n).used()) WriteEntry("END" + std::to_string(n), def_.EndProgram(n));
        }
    }

    void WriteTimer(const std::string& key, const TimedStart& timed) {
        if (timed.unused()) return;
        Line(key + "," + Unquoted(timed.time) + "," + std::to_string(timed.page) + "," +
             std::to_string(timed.button));
    }

    void WriteTimers() {
        bool any = false;
        for (const auto& t : def_.elapsedStarts) any = any || !t.unused();
        for (const auto& t : def_.clockStarts) any = any || !t.unused();
        if (!any) return;
        Line("[TIMER]");
        for (int n = 1; n <= kEntryCount; ++n) WriteTimer("AFT" + std::to_string(n), def_.ElapsedStart(n));
        for (int n = 1; n <= kEntryCount; ++n) WriteTimer("TIM" + std::to_string(n), def_.ClockStart(n));
    }

    void WriteBarTitle(const MenuPage& page) {
        const BarTitle& bar = page.barTitle;
        if (TrimBlanks(bar.text).empty() && bar.picture.empty() && bar.backColour == kDefaultBackColour &&
            page.pageWaitMode == 0)
            return;
        const std::string colour =
            bar.picture.empty() ? Code(bar.backColour)
                                : Quoted(std::string(kPicturePrefix) + Path(bar.picture, bar.pathBase));
        Line("VARTITLE," + Quoted(bar.text) + "," + colour + "," + std::to_string(page.pageWaitMode));
    }

    void WriteTitle(int n, const PageTitle& title) {
        if (TrimBlanksView(title.text).empty() && title.foreColour == kDefaultTextColour &&
            title.backColour == kDefaultBackColour)
            return;
        out_ += "TITLE";
        AppendNumber(out_, n);
        out_ += ',';
        AppendQuoted(out_, {title.text});
        out_ += ',';
        AppendUnquoted(out_, title.fontName);
        out_ += ',';
        AppendUnquoted(out_, title.fontStyle);
        out_ += ',';
        out_ += SizeField(title.fontSize);
        out_ += ',';
        out_ += Code(title.foreColour);
        out_ += ',';
        out_ += Code(title.backColour);
        out_ += kLineEnd;
    }

    void AppendCommandField(const MenuButton& b) {
        const int action = static_cast<int>(b.action);
        switch (b.action) {
            case ButtonAction::None:
                AppendQuoted(out_, {"CMD:"});
                return;
            case ButtonAction::Run:
                AppendQuotedProgram("CMD:", b.program, b.programBase, b.arguments);
                return;
            case ButtonAction::Page:
                out_ += "PAGE";
                AppendNumber(out_, b.targetPage);
                return;
            case ButtonAction::End:
                out_ += "END";
                return;
            case ButtonAction::ScreenSaver:
                out_ += "SCR";
                return;
            case ButtonAction::RemoteShutdown:
            case ButtonAction::ConfirmRemoteShutdown:
                AppendRemote("RSDWN:", b);
                return;
            case ButtonAction::RemoteReboot:
            case ButtonAction::ConfirmRemoteReboot:
                AppendRemote("RREBT:", b);
                return;
            case ButtonAction::RemoteMessage:
                AppendRemote("RMSG:", b);
                return;
            case ButtonAction::RemoteControl:
                AppendQuoted(out_, {"RCTL:", b.program, " ", std::to_string(b.targetPage), " ",
                                    std::to_string(b.runOption)});
                return;
            default:
                break;
        }
        static constexpr std::string_view kSystem[] = {"LOFF", "SDWN", "POFF", "REBT"};
        const int index = (action >= 9 ? action - 4 : action) - static_cast<int>(ButtonAction::Logoff);
        if (index >= 0 && index < 4) {
            out_ += kSystem[index];
        } else {
            AppendQuoted(out_, {"CMD:"});  // a value beyond the actions: written as no action
        }
    }

    // Quoted(prefix + Remote(b)).
    void AppendRemote(std::string_view prefix, const MenuButton& b) {
        const bool withArguments = !TrimBlanksView(b.arguments).empty();
        AppendQuoted(out_, {prefix, b.program, withArguments ? " " : "",
                            withArguments ? std::string_view(b.arguments) : std::string_view()});
    }

    static std::string OptionField(const MenuButton& b) {
        switch (b.action) {
            case ButtonAction::Run:
                return std::to_string(b.runOption);
            case ButtonAction::ConfirmLogoff:
            case ButtonAction::ConfirmShutdown:
            case ButtonAction::ConfirmPowerOff:
            case ButtonAction::ConfirmReboot:
            case ButtonAction::ConfirmRemoteShutdown:
            case ButtonAction::ConfirmRemoteReboot:
                return "1";
            default:
                return {};
        }
    }

    void WriteButton(int n, const MenuButton& b) {
        if (TrimBlanksView(b.caption).empty() && TrimBlanksView(b.icon).empty() &&
            b.action == ButtonAction::None && b.foreColour == kDefaultTextColour &&
            b.backColour == kDefaultBackColour)
            return;
        out_ += "CMD";
        AppendNumber(out_, n);
        out_ += ',';
        AppendQuoted(out_, {PathView(b.icon, b.iconBase, scratch_)});
        out_ += b.pfKey ? ",ON," : ",OFF,";
        AppendQuoted(out_, {b.caption});
        out_ += ',';
        AppendUnquoted(out_, b.fontName);
        out_ += ',';
        AppendUnquoted(out_, b.fontStyle);
        out_ += ',';
        out_ += SizeField(b.fontSize);
        out_ += ',';
        out_ += Code(b.foreColour);
        out_ += ',';
        out_ += Code(b.backColour);
        out_ += ',';
        AppendQuoted(out_, {b.comment});
        out_ += ',';
        AppendQuoted(out_, {b.workFolder});
        out_ += ',';
        AppendCommandField(b);
        out_ += ',';
        out_ += OptionField(b);
        out_ += ',';
        AppendQuoted(out_, {b.password});
        out_ += ',';
        AppendQuoted(out_, {b.guide});
        out_ += kLineEnd;
    }

    void WritePage(int p) {
        const MenuPage& page = def_.Page(p);
        Line("[PAGE" + std::to_string(p) + "]");
        for (int n = 1; n <= kEntryCount; ++n) {
            if (page.PageStart(n).used()) WriteEntry("PSTR" + std::to_string(n), page.PageStart(n));
        }
        WriteBarTitle(def_.commonBackground && p != 1 ? def_.Page(1) : page);
        for (int n = 1; n <= kEntryCount; ++n) WriteTitle(n, page.Title(n));
        const int buttons = ButtonsForMode(def_.displayMode);
        for (int n = 1; n <= buttons; ++n) WriteButton(n, page.Button(n));
    }

    const MenuDefinition& def_;
    const SearchFolders& folders_;
    const WriterSteps& steps_;
    std::string out_;
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
