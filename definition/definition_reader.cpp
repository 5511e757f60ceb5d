#include "definition/definition_reader.h"

#include <cfloat>
#include <cstdio>

#include "common/cp932.h"
#include "common/fatal_report.h"
#include "common/number.h"
#include "common/path.h"
#include "common/run_error.h"
#include "common/utf8.h"
#include "definition/colour_codes.h"
#include "definition/command_text.h"
#include "definition/common_background.h"
#include "definition/field_tokenizer.h"
#include "definition/option_flags.h"
#include "definition/text_helpers.h"

namespace torva::definition {

namespace {

constexpr std::string_view kFailedProgram = "(ERR)";
constexpr std::string_view kDefaultFontName = "ＭＳ 明朝";
constexpr std::string_view kDefaultFontStyle = "Regular";
constexpr uint8_t kTitleFontSize = 16;
constexpr uint8_t kButtonFontSize = 10;
constexpr std::size_t kOpenedPagesLimit = 2 * kPageCount;

struct Font {
    std::string name;
    std::string style;
    uint8_t size = 0;
};

// Number of a field: the leading decimal number, which must fit 16 bits.
int Number(std::string_view text) {
    return LeadingInt16(text);
}

uint8_t WaitMode(std::string_view text, int limit) {
    const int value = Number(text);
    return static_cast<uint8_t>(value < 0 || value > limit ? 0 : value);
}

Font ReadFont(const std::string& name, const std::string& style, std::string_view sizeText,
              uint8_t defaultSize) {
    int size = Number(sizeText);
    if (size < 0) size = 0;  // a negative size cannot stand for anything but "not given"
    Font font;
    if (name.empty() && style.empty() && size == 0) return font;
    font.name = name.empty() ? std::string(kDefaultFontName) : name;
    font.style = style.empty() ? std::string(kDefaultFontStyle) : style;
    font.size = static_cast<uint8_t>(size == 0 ? defaultSize : (size > 255 ? 255 : size));
    return font;
}

bool IsIconExtension(const std::string& ext) {
    return ext == "CUR" || ext == "ICO" || ext == "EXE" || ext == "DLL" || ext == "OCX";
}

class Reader {
  public:
    Reader(MenuDefinition& def, const ReaderContext& context, ReadResult& result)
        : def_(def), context_(context), policy_(context.policy), result_(result) {}

    void Run(std::string_view text) {
        result_.error.code = policy_.location;
        for (std::string_view line : SplitLines(text)) {
            if (line.empty()) continue;  // blank lines of hand-edited files carry nothing
            ReadLine(ParseLine(line));
            if (result_.stopped) return;
        }
        // A file without any line but comments has no version either: it is no definition of ours.
        if (!versionSeen_) {
            Fail(kRuleOldVersion, OldVersionDetail(policy_.kind, context_.definitionPath));
            return;
        }
        if (policy_.detectsCommonBackground) DetectCommonBackground();
    }

  private:
    // --- failures --------------------------------------------------------------------------------

    // Records a failure; true when the reading stops because of it.
    bool Fail(int rule, std::string detail) {
        RuleFailure failure;
        failure.rule = rule;
        failure.message = RuleMessageText(rule, policy_.kind);
        failure.detail = std::move(detail);
        const bool alwaysStops = rule == kRuleNotBeforePage || rule == kRuleOldVersion ||
                                 (rule == kRuleFirstPageNotOne && policy_.stopsOnFailure);
        failure.passedOver = policy_.stopsOnFailure && def_.options.noCheck && !alwaysStops;
        result_.error.SetRule(static_cast<int16_t>(rule), failure.message, failure.detail);
        result_.failures.push_back(failure);
        if (alwaysStops || (policy_.stopsOnFailure && !failure.passedOver)) result_.stopped = true;
        return result_.stopped;
    }

    bool Fail(int rule, int page, int number, std::string_view text) {
        return Fail(rule, RuleDetailText(rule, page, number, text));
    }

    // --- lines -----------------------------------------------------------------------------------

    void ReadLine(const ParsedLine& line) {
        if (line.isComment) {
            if (policy_.keepsComments) {
                if (def_.comments.size() >= 32767) throw RunError(kErrOverflow, "too many comments");
                def_.comments.push_back(line.comment);
            }
            return;
        }
        const std::string& key = line.key;
        if (!versionSeen_) {
            ReadVersion(key);
            return;
        }
        if (key.starts_with("[PAGE")) {
            OpenPage(key);
            return;
        }
        if (skipping_) return;
        if (ReadKeyword(key)) return;
        if (key.starts_with("STR") || key.starts_with("END")) {
            ReadStartEnd(line, key.starts_with("STR"));
            return;
        }
        if (key.starts_with("AFT") || key.starts_with("TIM")) {
            ReadTimedStart(line, key.starts_with("AFT"));
            return;
        }
        if (page_ == 0) {
            Fail(kRuleNotBeforePage, key);
            return;
        }
        if (policy_.kind == ReaderKind::Runtime) result_.error.code = 0;
        if (key.starts_with("PSTR")) {
            ReadPageStart(line);
        } else if (key == "VARTITLE") {
            ReadBarTitle(line);
        } else if (key == "TITLE1" || key == "TITLE2") {
            ReadTitle(line, key == "TITLE1" ? 1 : 2);
        } else if (key.starts_with("CMD")) {
            ReadButton(line);
        } else if (policy_.unknownPageKeyFails) {
            Fail(kRuleUnknownFormat, 0, 0, key);
        }
    }

    void ReadVersion(const std::string& key) {
        versionSeen_ = true;
        if (!key.starts_with("[VER")) {
            Fail(kRuleOldVersion, OldVersionDetail(policy_.kind, context_.definitionPath));
            return;
        }
        const double number = LeadingNumber(MidChars(key, 5), true);
        if (number > FLT_MAX || number < -FLT_MAX) throw RunError(kErrOverflow, "version number");
        const float version = static_cast<float>(number);
        if (version > 8.0f) {
            def_.formatClass = 3;
        } else if (version == 8.0f) {
            def_.formatClass = 2;
        } else if (version > 5.99f) {
            def_.formatClass = 1;
        } else {
            Fail(kRuleOldVersion, OldVersionDetail(policy_.kind, context_.definitionPath));
        }
    }

    // Option lines, "[STREND]", "[TIMER]" and "[MODE" n "]"; false for any other key.
    bool ReadKeyword(const std::string& key) {
        if (SetOptionFlag(def_.options, key)) return true;
        if (key == "[STREND]" || key == "[TIMER]") return true;
        if (key.starts_with("[MODE")) {
            const int mode = Number(MidChars(key, 6));
            if (mode < 1 || mode > kDisplayModeCount) {
                Fail(kRuleModeRange, key);
            } else {
                def_.displayMode = mode;
                def_.buttonsPerPage = ButtonsForMode(mode);
            }
            return true;
        }
        return false;
    }

    void OpenPage(const std::string& key) {
        const int n = Number(MidChars(key, 6));
        const bool first = !anyPageLine_;
        anyPageLine_ = true;
        if (policy_.firstPageMustBeOne && first && n != 1) {
            page_ = 0;
            Fail(kRuleFirstPageNotOne, key);
            return;
        }
        const int lowest = (policy_.firstPageMustBeOne && !first) ? 2 : 1;
        if (n < lowest || n > kPageCount) {
            page_ = 0;
            skipping_ = true;
            Fail(kRulePageRange, key);
            return;
        }
        page_ = n;
        skipping_ = false;
        def_.Page(n).defined = true;
        result_.error.code = 0;
        if (result_.openedPages.size() < kOpenedPagesLimit) result_.openedPages.push_back(n);
    }

    // --- paths -----------------------------------------------------------------------------------

    // Stores a checked path into text and base as the policy says; the caller handles failures.
    void StorePath(const PathCheck& check, std::string_view text, std::string& stored, uint8_t& base) const {
        base = kBaseAbsolute;
        switch (check.status) {
            case PathStatus::Absolute:
            case PathStatus::Address:
                stored = std::string(text);
                break;
            case PathStatus::Relative:
                if (policy_.storeFolderPrefix) {
                    stored = JoinPath(check.folder, text);
                } else {
                    stored = std::string(text);
                    base = check.base;
                }
                break;
            case PathStatus::NotFound:
            case PathStatus::NotAllowed:
                // The editor keeps what the file says, so that saving does not erase it.
                if (policy_.keepsFailedPaths) {
                    stored = std::string(text);
                } else {
                    stored.clear();
                }
                break;
            case PathStatus::Empty:
                stored.clear();
                break;
        }
    }

    PathCheck Check(std::string_view text, bool allowAddress) const {
        return checkPath(text, allowAddress, context_.folders, context_.files);
    }

    // A program entry (start, end, page start): split, checked, stored. Returns the failure kind.
    PathStatus ReadProgramEntry(const ParsedLine& line, ProgramEntry& entry) {
        const std::string text = TrimBlanks(line.Field(1));
        const ProgramText split = splitProgramText(text);
        entry.arguments = split.arguments;
        entry.waitMode = WaitMode(line.Field(2), kMaxEntryWaitMode);
        const PathCheck check = Check(split.program, true);
        StorePath(check, split.program, entry.program, entry.pathBase);
        return check.status;
    }

    // --- global lines ----------------------------------------------------------------------------

    void ReadStartEnd(const ParsedLine& line, bool start) {
        const int n = Number(MidChars(line.key, 4));
        if (n < 1 || n > kEntryCount) {
            Fail(start ? kRuleStartRange : kRuleEndRange, line.key);
            return;
        }
        ProgramEntry& entry = start ? def_.StartProgram(n) : def_.EndProgram(n);
        const PathStatus status = ReadProgramEntry(line, entry);
        const std::string text = TrimBlanks(line.Field(1));
        if (status == PathStatus::NotFound) {
            Fail(start ? kRuleStartNotFound : kRuleEndNotFound, 0, n, text);
        } else if (status == PathStatus::NotAllowed) {
            Fail(start ? kRuleStartNotAllowed : kRuleEndNotAllowed, 0, n, text);
        }
    }

    void ReadTimedStart(const ParsedLine& line, bool elapsed) {
        const int n = Number(MidChars(line.key, 4));
        if (n < 1 || n > kEntryCount) {
            Fail(elapsed ? kRuleElapsedRange : kRuleClockRange, line.key);
            return;
        }
        TimedStart& entry = elapsed ? def_.ElapsedStart(n) : def_.ClockStart(n);
        const std::string time = TrimBlanks(line.Field(1));
        const std::size_t colon = time.find(':');
        bool timeGood = false;
        if (colon != std::string::npos) {
            const int hours = Number(std::string_view(time).substr(0, colon));
            const int minutes = Number(std::string_view(time).substr(colon + 1));
            if (hours >= 0 && hours <= 23 && minutes >= 0 && minutes <= 59) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "%02d:%02d", hours, minutes);
                entry.time = buffer;
                timeGood = true;
            }
        }
        const int page = Number(line.Field(2));
        const int button = Number(line.Field(3));
        const bool pageGood = page >= 1 && page <= kPageCount;
        const bool buttonGood = button >= 1 && button <= def_.buttonsPerPage;
        if (pageGood) entry.page = static_cast<uint8_t>(page);
        if (buttonGood) entry.button = static_cast<uint8_t>(button);
        if (!timeGood && Fail(elapsed ? kRuleElapsedTime : kRuleClockTime, 0, n, time)) return;
        if (!pageGood || !buttonGood) {
            Fail(elapsed ? kRuleElapsedTarget : kRuleClockTarget, 0, n,
                 std::to_string(page) + "(" + std::to_string(button) + ")");
        }
    }

    // --- page lines ------------------------------------------------------------------------------

    void ReadPageStart(const ParsedLine& line) {
        const int n = Number(MidChars(line.key, 5));
        if (n < 1 || n > kEntryCount) {
            Fail(kRulePageStartRange, page_, 0, line.key);
            return;
        }
        ProgramEntry& entry = def_.Page(page_).PageStart(n);
        const PathStatus status = ReadProgramEntry(line, entry);
        const std::string text = TrimBlanks(line.Field(1));
        if (status == PathStatus::NotFound) {
            Fail(kRulePageStartNotFound, page_, n, text);
        } else if (status == PathStatus::NotAllowed) {
            Fail(kRulePageStartNotAllowed, page_, n, text);
        }
    }

    void ReadBarTitle(const ParsedLine& line) {
        MenuPage& page = def_.Page(page_);
        BarTitle& bar = page.barTitle;
        bar.text = line.Field(1);
        page.pageWaitMode = WaitMode(line.Field(3), kMaxButtonWaitMode);
        std::string code = line.Field(2);
        ColourContext context = ColourContext::BarBack;
        bar.backColour = colourFromCode(code, context);
        bar.picture.clear();
        bar.pathBase = kBaseAbsolute;
        if (context != ColourContext::Picture) return;
        const std::string picture = TrimBlanks(std::string_view(code).substr(kPicturePrefix.size()));
        const PathCheck check = Check(picture, false);
        StorePath(check, picture, bar.picture, bar.pathBase);
        if (check.status == PathStatus::NotFound) {
            Fail(kRulePictureNotFound, page_, 0, code);
        } else if (check.status == PathStatus::NotAllowed) {
            Fail(kRulePictureNotAllowed, page_, 0, code);
        }
    }

    void ReadTitle(const ParsedLine& line, int n) {
        PageTitle& title = def_.Page(page_).Title(n);
        title.text = line.Field(1);
        Font font = ReadFont(line.Field(2), line.Field(3), line.Field(4), kTitleFontSize);
        title.fontName = std::move(font.name);
        title.fontStyle = std::move(font.style);
        title.fontSize = font.size;
        title.foreColour = colourFromCode(line.Field(5), ColourContext::TitleText);
        title.backColour = colourFromCode(line.Field(6), ColourContext::TitleBack);
    }

    // The model's field number f of a CMD line in the file's format class: class 1 lacks the comment
    // (field 9), class 2 the password and guide; 0 when the class has no such field.
    std::size_t ButtonField(int f) const {
        switch (def_.formatClass) {
            case 1:
                if (f <= 8) return static_cast<std::size_t>(f);
                if (f == 9 || f > 12) return 0;
                return static_cast<std::size_t>(f - 1);
            case 2:
                return f <= 12 ? static_cast<std::size_t>(f) : 0;
            default:
                return static_cast<std::size_t>(f);
        }
    }

    const std::string& ButtonText(const ParsedLine& line, int f) const {
        static const std::string kEmpty;
        const std::size_t position = ButtonField(f);
        return position == 0 ? kEmpty : line.Field(position);
    }

    void ReadButton(const ParsedLine& line) {
        const int n = Number(MidChars(line.key, 4));
        if (n < 1 || n > def_.buttonsPerPage) {
            Fail(kRuleButtonRange, page_, 0, line.key);
            return;
        }
        // Built aside: a runtime that drops the line keeps the button as it was.
        MenuButton button;
        if (ReadIcon(ButtonText(line, 1), n, button)) return;
        button.pfKey = UpperLetters(TrimBlanks(ButtonText(line, 2))) == "ON";
        button.caption = ButtonText(line, 3);
        Font font = ReadFont(ButtonText(line, 4), ButtonText(line, 5), ButtonText(line, 6), kButtonFontSize);
        button.fontName = std::move(font.name);
        button.fontStyle = std::move(font.style);
        button.fontSize = font.size;
        button.foreColour = colourFromCode(ButtonText(line, 7), ColourContext::ButtonCaption);
        button.backColour = colourFromCode(ButtonText(line, 8), ColourContext::ButtonBack);
        button.comment = ButtonText(line, 9);
        button.password = ButtonText(line, 13);
        button.guide = ButtonText(line, 14);
        const int option = Number(ButtonText(line, 12));
        bool keep = true;
        if (ReadCommand(line, n, option, button, keep)) return;
        if (keep) def_.Page(page_).Button(n) = std::move(button);
    }

    // Field 1 of a CMD line. True when the reading stops.
    bool ReadIcon(const std::string& field, int n, MenuButton& button) {
        const std::string source = TrimBlanks(field);
        if (source.empty()) return false;
        const std::size_t bar = source.find('|');
        const std::string file = source.substr(0, bar);
        const PathCheck check = Check(file, false);
        if (check.status == PathStatus::Empty) return false;
        StorePath(check, source, button.icon, button.iconBase);
        if (check.status == PathStatus::NotFound) return Fail(kRuleIconNotFound, page_, n, source);
        if (check.status == PathStatus::NotAllowed) return Fail(kRuleIconNotAllowed, page_, n, source);
        // Of another kind: the runtime keeps the existing file when failures are passed over.
        if (IsIconExtension(fileExtension(source))) return false;
        return Fail(kRuleIconNotAllowed, page_, n, source);
    }

    // Fields 10, 11 and 12. True when the reading stops; keep is false when the line is dropped.
    bool ReadCommand(const ParsedLine& line, int n, int option, MenuButton& button, bool& keep) {
        const std::string& field = ButtonText(line, 11);
        const CommandText command = classifyCommand(field);
        const std::string commandText = TrimBlanks(field);
        switch (command.form) {
            case CommandForm::Simple: {
                int action = static_cast<int>(command.simpleAction);
                if (action >= static_cast<int>(ButtonAction::Logoff) && option == 1) action += 4;
                button.action = static_cast<ButtonAction>(action);
                return false;
            }
            case CommandForm::Page: {
                const int target = Number(MidChars(UpperLetters(commandText), 5));
                if (target < 1 || target > kPageCount) return Fail(kRulePageTarget, page_, n, commandText);
                button.action = ButtonAction::Page;
                button.targetPage = static_cast<uint8_t>(target);
                return false;
            }
            case CommandForm::Run:
                return ReadRunCommand(line, n, option, command.rest, button);
            case CommandForm::RemoteShutdown:
            case CommandForm::RemoteReboot:
            case CommandForm::RemoteMessage: {
                const RemoteText remote = splitRemoteText(command.rest);
                button.program = remote.computer;
                button.arguments = remote.message;
                if (command.form == CommandForm::RemoteMessage) {
                    button.action = ButtonAction::RemoteMessage;
                } else {
                    const bool shutdown = command.form == CommandForm::RemoteShutdown;
                    const bool confirm = option == 1;
                    button.action =
                        shutdown
                            ? (confirm ? ButtonAction::ConfirmRemoteShutdown : ButtonAction::RemoteShutdown)
                            : (confirm ? ButtonAction::ConfirmRemoteReboot : ButtonAction::RemoteReboot);
                }
                return false;
            }
            case CommandForm::RemoteControl:
                return ReadRemoteControl(n, command.rest, commandText, button);
            case CommandForm::Unknown:
                break;
        }
        keep = !policy_.dropsUnknownCommand;
        return Fail(kRuleUnknownFormat, page_, n, line.key);
    }

    bool ReadRunCommand(const ParsedLine& line, int n, int option, const std::string& rest,
                        MenuButton& button) {
        const ProgramText split = splitProgramText(rest);
        button.arguments = split.arguments;
        const PathCheck check = Check(split.program, true);
        StorePath(check, split.program, button.program, button.programBase);
        if (!button.program.empty()) {
            button.action = ButtonAction::Run;
            button.runOption = static_cast<uint8_t>(option < 0 || option > kMaxButtonWaitMode ? 0 : option);
        }
        if (check.failed()) {
            // The runtime keeps the button, which reports its failure only when pressed.
            if (policy_.storeFolderPrefix) {
                button.program = kFailedProgram;
                button.action = ButtonAction::Run;
                button.runOption =
                    static_cast<uint8_t>(option < 0 || option > kMaxButtonWaitMode ? 0 : option);
            }
            const int rule =
                check.status == PathStatus::NotFound ? kRuleCommandNotFound : kRuleCommandNotAllowed;
            if (Fail(rule, page_, n, TrimBlanks(rest))) return true;
        }
        const std::string folder = TrimBlanks(ButtonText(line, 10));
        if (CharCount(folder) > 1) {
            if (context_.files.IsFolder(folder)) {
                button.workFolder = folder;
            } else {
                if (policy_.keepsFailedPaths) button.workFolder = folder;
                if (Fail(kRuleWorkFolder, page_, n, folder)) return true;
            }
        }
        return false;
    }

    bool ReadRemoteControl(int n, const std::string& rest, const std::string& commandText,
                           MenuButton& button) {
        const RemoteControlText remote = splitRemoteControlText(rest);
        if (policy_.remoteControlNeedsAllParts && !remote.complete()) return false;
        const int page = Number(remote.pageText);
        const int target = Number(remote.buttonText);
        button.action = ButtonAction::RemoteControl;
        button.program = remote.computer;
        const bool pageGood = page >= 1 && page <= kPageCount;
        const bool buttonGood = target >= 1 && target <= kRemoteButtonLimit;
        if (pageGood) button.targetPage = static_cast<uint8_t>(page);
        if (buttonGood) button.runOption = static_cast<uint8_t>(target);
        if (pageGood && buttonGood) return false;
        if (policy_.remoteControlNeedsAllParts) {
            button.action = ButtonAction::None;
            button.targetPage = 0;
            button.runOption = 0;
        }
        return Fail(kRuleRemoteTarget, page_, n, commandText);
    }

    // --- end of file -----------------------------------------------------------------------------

    void DetectCommonBackground() { definition::DetectCommonBackground(def_, result_.openedPages); }

    MenuDefinition& def_;
    const ReaderContext& context_;
    const ReaderPolicy& policy_;
    ReadResult& result_;
    bool versionSeen_ = false;
    bool anyPageLine_ = false;
    bool skipping_ = false;
    int page_ = 0;  // the open page, 0 = none
};

}  // namespace

ReadResult readDefinitionBytes(std::string_view bytes, MenuDefinition& def, const ReaderContext& context) {
    ReadResult result;
    clearDefinition(def);
    const Cp932Decoded decoded = DecodeCp932(bytes);
    result.invalidBytes = decoded.invalid;
    try {
        Reader reader(def, context, result);
        reader.Run(decoded.text);
    } catch (const RunError& error) {
        // Whatever rule state was left from an earlier line does not explain this failure: report the
        // reading's own location with the run-time error number.
        result.stopped = true;
        result.runErrorNumber = error.number();
        result.error.code = context.policy.location;
        result.error.message.clear();
        result.error.detail.clear();
    }
    return result;
}

}  // namespace torva::definition
