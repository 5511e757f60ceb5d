#include "definition/line_reader.h"

#include <utility>

#include "common/number.h"
#include "common/path.h"
#include "common/run_error.h"
#include "common/utf8.h"
#include "definition/colour_codes.h"
#include "definition/common_background.h"
#include "definition/option_flags.h"
#include "definition/text_helpers.h"

namespace torva::definition {

namespace {

constexpr std::string_view kFailedProgram = "(ERR)";
constexpr std::string_view kDefaultFontName = "ＭＳ 明朝";
constexpr std::string_view kDefaultFontStyle = "Regular";
constexpr uint8_t kTitleFontSize = 16;
constexpr uint8_t kButtonFontSize = 10;
constexpr std::size_t kCommentLimit = 32767;
constexpr std::size_t kOpenedPagesLimit = 2 * kPageCount;
constexpr std::size_t kButtonLineFields = 16;
// Far outside every range the rules check: a clamped number still fails its rule.
constexpr double kClampLimit = 1e9;

// The font of a title or button: nothing when name, style and size are all missing, else each missing
// part by its default.
template <class Target>
void SetFont(Target& target, std::string_view name, std::string_view style, int size, uint8_t defaultSize) {
    if (size < 0) size = 0;  // a negative size cannot stand for anything but "not given"
    if (name.empty() && style.empty() && size == 0) {
        target.fontName.clear();
        target.fontStyle.clear();
        target.fontSize = 0;
        return;
    }
    target.fontName = name.empty() ? kDefaultFontName : name;
    target.fontStyle = style.empty() ? kDefaultFontStyle : style;
    target.fontSize = static_cast<uint8_t>(size == 0 ? defaultSize : (size > 255 ? 255 : size));
}

// An extension as written, in any case.
bool IsIconExtension(std::string_view ext) {
    return UpperEquals(ext, "CUR") || UpperEquals(ext, "ICO") || UpperEquals(ext, "EXE") ||
           UpperEquals(ext, "DLL") || UpperEquals(ext, "OCX");
}

// The number after a key's ASCII prefix: its characters start at the byte after the prefix.
std::string_view KeyTail(std::string_view key, std::string_view prefix) {
    return key.substr(prefix.size());
}

}  // namespace

// --- the loop and failures -------------------------------------------------------------------------

LineReader::LineReader(MenuDefinition& def, const ReaderPolicy& policy, const SearchFolders& folders,
                       const platform::FileSystem& files, const ReaderSteps& steps, ReadResult& result)
    : def_(def), policy_(policy), result_(result), folders_(folders), files_(files), steps_(steps) {
    // Room made once for what a reading fills line by line: a button line's fields, and the pages
    // of a file that opens each page once.
    line_.fields.reserve(kButtonLineFields);
    result_.openedPages.reserve(kPageCount);
}

void LineReader::Run(std::string_view text) {
    result_.error.code = policy_.location;
    scan_.Scan(text);
    std::size_t begin = 0;
    std::size_t end = 0;
    for (std::size_t pos = 0; scan_.NextLine(pos, begin, end);) {
        if (begin == end) continue;  // blank lines of hand-edited files carry nothing
        scan_.ParseLine(begin, end, line_);
        ReadLine(line_);
        if (result_.stopped) return;
    }
    Finish();
}

void LineReader::ClearButtonsNotRead() {
    const std::size_t perPage = def_.pages[0].buttons.size();
    for (std::size_t p = 0; p < def_.pages.size(); ++p) {
        for (std::size_t b = 0; b < perPage; ++b) {
            if (!buttonsRead_.test(p * perPage + b)) clearButton(def_.pages[p].buttons[b]);
        }
    }
}

void LineReader::Finish() {
    if (policy_.detectsCommonBackground) DetectCommonBackground(def_, result_.openedPages);
}

int LineReader::Number(std::string_view text) const {
    if (!policy_.clampsNumbers) return LeadingInt16(text);
    const double value = LeadingNumber(text);
    if (value > kClampLimit) return static_cast<int>(kClampLimit);
    if (value < -kClampLimit) return static_cast<int>(-kClampLimit);
    return static_cast<int>(value);
}

uint8_t LineReader::WaitMode(std::string_view text, int limit) const {
    const int value = Number(text);
    return static_cast<uint8_t>(value < 0 || value > limit ? 0 : value);
}

bool LineReader::Fail(int rule, std::string detail) {
    RuleFailure failure;
    failure.rule = rule;
    failure.message = RuleMessageText(rule, policy_.kind);
    failure.detail = std::move(detail);
    const bool alwaysStops = rule == kRuleNotBeforePage || rule == kRuleOldVersion ||
                             rule == kRuleNotOldVersion ||
                             (rule == kRuleFirstPageNotOne && policy_.stopsOnFailure);
    failure.passedOver = policy_.stopsOnFailure && def_.options.noCheck && !alwaysStops;
    result_.error.SetRule(static_cast<int16_t>(rule), failure.message, failure.detail);
    result_.failures.push_back(failure);
    if (alwaysStops || (policy_.stopsOnFailure && !failure.passedOver)) result_.stopped = true;
    return result_.stopped;
}

bool LineReader::Fail(int rule, int page, int number, std::string_view text) {
    return Fail(rule, RuleDetailText(rule, page, number, text));
}

// --- lines -----------------------------------------------------------------------------------------

void LineReader::ReadLine(const ParsedLine& line) {
    if (line.isComment) {
        ReadComment(line);
        return;
    }
    const std::string_view key = line.key;
    if (!firstLineSeen_) {
        firstLineSeen_ = true;
        if (ReadVersionLine(key)) return;
    }
    if (key.starts_with("[PAGE")) {
        OpenPage(key);
        return;
    }
    if (skipping_) return;
    if (key.starts_with('[') && ReadKeyword(key)) return;
    if (key.starts_with("STR") || key.starts_with("END")) {
        ReadStartEnd(line, key.starts_with("STR"));
        return;
    }
    if (ReadFormatLine(line)) return;
    if (page_ == 0) {
        Fail(kRuleNotBeforePage, std::string(key));
        return;
    }
    if (policy_.kind == ReaderKind::Runtime) result_.error.code = 0;
    ReadPageLine(line);
}

void LineReader::ReadComment(const ParsedLine& line) {
    if (!policy_.keepsComments) return;
    if (def_.comments.size() >= kCommentLimit) throw RunError(kErrOverflow, "too many comments");
    def_.comments.emplace_back(line.comment);
}

// Option lines, "[STREND]" and "[MODE" n "]" (all of them begin with "["); false for any other key.
bool LineReader::ReadKeyword(std::string_view key) {
    if (SetOptionFlag(def_.options, key)) return true;
    if (KeyIs(key, "[STREND]")) return true;
    if (key.starts_with("[MODE")) {
        const int mode = Number(KeyTail(key, "[MODE"));
        if (mode < 1 || mode > kDisplayModeCount) {
            Fail(kRuleModeRange, std::string(key));
        } else {
            def_.displayMode = mode;
            def_.buttonsPerPage = ButtonsForMode(mode);
        }
        return true;
    }
    return false;
}

void LineReader::OpenPage(std::string_view key) {
    const int n = Number(KeyTail(key, "[PAGE"));
    const bool first = !anyPageLine_;
    anyPageLine_ = true;
    if (policy_.firstPageMustBeOne && first && n != 1) {
        page_ = 0;
        Fail(kRuleFirstPageNotOne, std::string(key));
        return;
    }
    const int lowest = (policy_.firstPageMustBeOne && !first) ? 2 : 1;
    if (n < lowest || n > kPageCount) {
        page_ = 0;
        skipping_ = true;
        Fail(kRulePageRange, std::string(key));
        return;
    }
    page_ = n;
    skipping_ = false;
    def_.Page(n).defined = true;
    if (policy_.pageClearsLocation) result_.error.code = 0;
    if (result_.openedPages.size() < kOpenedPagesLimit) result_.openedPages.push_back(n);
}

// --- paths -----------------------------------------------------------------------------------------

PathCheck LineReader::Check(std::string_view text, bool allowAddress) const {
    return checkPath(text, allowAddress, folders_, files_, pathBuffer_);
}

void LineReader::StorePath(const PathCheck& check, std::string_view text, std::string& stored,
                           uint8_t& base) const {
    base = kBaseAbsolute;
    switch (check.status) {
        case PathStatus::Absolute:
        case PathStatus::Address:
            stored = text;
            break;
        case PathStatus::Relative:
            if (policy_.storeFolderPrefix) {
                AssignJoinedPath(stored, check.folder, text);
            } else {
                stored = text;
                base = check.base;
            }
            break;
        case PathStatus::NotFound:
        case PathStatus::NotAllowed:
            // The editor keeps what the file says, so that saving does not erase it.
            if (policy_.keepsFailedPaths) {
                stored = text;
            } else {
                stored.clear();
            }
            break;
        case PathStatus::Empty:
            stored.clear();
            break;
    }
}

PathStatus LineReader::ReadProgramEntry(const ParsedLine& line, ProgramEntry& entry) {
    const std::string_view text = TrimBlanksView(line.Field(1));
    const ProgramText split = splitProgramText(text);
    entry.arguments = split.arguments;
    entry.waitMode = WaitMode(line.Field(2), kMaxEntryWaitMode);
    const PathCheck check = Check(split.program, policy_.addressesAllowed);
    StorePath(check, split.program, entry.program, entry.pathBase);
    return check.status;
}

void LineReader::ReadStartEnd(const ParsedLine& line, bool start) {
    const int n = Number(KeyTail(line.key, "STR"));  // "END" is as long
    if (n < 1 || n > kEntryCount) {
        Fail(start ? kRuleStartRange : kRuleEndRange, std::string(line.key));
        return;
    }
    ProgramEntry& entry = start ? def_.StartProgram(n) : def_.EndProgram(n);
    const PathStatus status = ReadProgramEntry(line, entry);
    const std::string_view text = TrimBlanksView(line.Field(1));
    if (status == PathStatus::NotFound) {
        Fail(start ? kRuleStartNotFound : kRuleEndNotFound, 0, n, text);
    } else if (status == PathStatus::NotAllowed) {
        Fail(start ? kRuleStartNotAllowed : kRuleEndNotAllowed, 0, n, text);
    }
}

// --- page lines ------------------------------------------------------------------------------------

void LineReader::ReadPageLine(const ParsedLine& line) {
    const std::string_view key = line.key;
    if (key.starts_with("CMD")) {
        ReadButton(line);
    } else if (KeyIs(key, "VARTITLE")) {
        ReadBarTitle(line);
    } else if (KeyIs(key, "TITLE1") || KeyIs(key, "TITLE2")) {
        ReadTitle(line, key.back() == '1' ? 1 : 2);
    } else if (!ReadFormatPageLine(line) && policy_.unknownPageKeyFails) {
        Fail(kRuleUnknownFormat, 0, 0, key);
    }
}

void LineReader::ReadBarTitle(const ParsedLine& line) {
    MenuPage& page = def_.Page(page_);
    BarTitle& bar = page.barTitle;
    bar.text = line.Field(1);
    page.pageWaitMode = WaitMode(line.Field(3), kMaxButtonWaitMode);
    std::string code(line.Field(2));
    ColourContext context = ColourContext::BarBack;
    bar.backColour = colourFromCode(code, context, steps_.colourFromCode);
    bar.picture.clear();
    bar.pathBase = kBaseAbsolute;
    if (context != ColourContext::Picture) return;
    const std::string_view picture = TrimBlanksView(std::string_view(code).substr(kPicturePrefix.size()));
    const PathCheck check = Check(picture, false);
    StorePath(check, picture, bar.picture, bar.pathBase);
    if (check.status == PathStatus::NotFound) {
        Fail(kRulePictureNotFound, page_, 0, code);
    } else if (check.status == PathStatus::NotAllowed) {
        Fail(kRulePictureNotAllowed, page_, 0, code);
    }
}

void LineReader::ReadTitle(const ParsedLine& line, int n) {
    const LineFields fields = TitleFields(line);
    PageTitle& title = def_.Page(page_).Title(n);
    title.text = fields[1];
    SetFont(title, fields[2], fields[3], Number(fields[4]), kTitleFontSize);
    title.foreColour = colourFromCode(fields[5], ColourContext::TitleText, steps_.colourFromCode);
    title.backColour = colourFromCode(fields[6], ColourContext::TitleBack, steps_.colourFromCode);
}

void LineReader::ReadButton(const ParsedLine& line) {
    const int n = Number(KeyTail(line.key, "CMD"));
    if (n < 1 || n > ButtonLimit()) {
        Fail(kRuleButtonRange, page_, 0, line.key);
        return;
    }
    const LineFields fields = ButtonFields(line);
    // A button no line of this reading gave yet is built in place: should the line be dropped or the
    // reading end, the button stays unmarked and is cleared after the reading, as it was. A button
    // given again is built aside and swapped in only when the line is kept, so that a dropped line
    // leaves the earlier one; the button swapped out is cleared and built into next time.
    MenuButton& slot = def_.Page(page_).Button(n);
    const auto index = static_cast<std::size_t>((page_ - 1) * kMaxButtons + (n - 1));
    const bool inPlace = !buttonsRead_.test(index);
    MenuButton& button = inPlace ? slot : scratchButton_;
    clearButtonIconAndCommand(button);
    if (ReadIcon(fields[1], n, button)) return;
    button.pfKey = UpperEquals(TrimBlanksView(fields[2]), "ON");
    button.caption = fields[3];
    SetFont(button, fields[4], fields[5], Number(fields[6]), kButtonFontSize);
    button.foreColour = colourFromCode(fields[7], ColourContext::ButtonCaption, steps_.colourFromCode);
    button.backColour = colourFromCode(fields[8], ColourContext::ButtonBack, steps_.colourFromCode);
    button.comment = fields[9];
    button.password = fields[13];
    button.guide = fields[14];
    const int option = Number(fields[12]);
    bool keep = true;
    if (ReadCommand(line, fields, n, option, button, keep)) return;
    if (!keep) return;
    if (!inPlace) std::swap(slot, button);
    buttonsRead_.set(index);
}

// Field 1 of a button line. True when the reading stops.
bool LineReader::ReadIcon(std::string_view field, int n, MenuButton& button) {
    const std::string_view source = TrimBlanksView(field);
    if (source.empty()) return false;
    const std::size_t bar = source.find('|');
    const PathCheck check = Check(source.substr(0, bar), false);
    if (check.status == PathStatus::Empty) return false;
    EnterStep(steps_.extension);
    const bool iconKind = IsIconExtension(LaunchExtensionAsWritten(source, false));
    // Of another kind: the runtime keeps the file when failures are passed over.
    if (iconKind || policy_.storesIconOfOtherKind) StorePath(check, source, button.icon, button.iconBase);
    if (check.status == PathStatus::NotFound) return Fail(kRuleIconNotFound, page_, n, source);
    if (check.status == PathStatus::NotAllowed) return Fail(kRuleIconNotAllowed, page_, n, source);
    if (iconKind) return false;
    return Fail(kRuleIconNotAllowed, page_, n, source);
}

// Fields 10, 11 and 12. True when the reading stops; keep is false when the line is dropped.
bool LineReader::ReadCommand(const ParsedLine& line, const LineFields& fields, int n, int option,
                             MenuButton& button, bool& keep) {
    const std::string_view field = fields[11];
    const CommandText command = ClassifyCommand(field);
    const std::string_view commandText = TrimBlanksView(field);
    switch (command.form) {
        case CommandForm::Simple: {
            int action = static_cast<int>(command.simpleAction);
            if (action >= static_cast<int>(ButtonAction::Logoff) && option == 1) action += 4;
            button.action = static_cast<ButtonAction>(action);
            return false;
        }
        case CommandForm::Page: {
            const int target = Number(KeyTail(commandText, "PAGE"));
            if (target < 1 || target > kPageCount) return Fail(kRulePageTarget, page_, n, commandText);
            button.action = ButtonAction::Page;
            button.targetPage = static_cast<uint8_t>(target);
            return false;
        }
        case CommandForm::Run:
            return ReadRunCommand(fields, n, option, command.rest, button);
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
                    shutdown ? (confirm ? ButtonAction::ConfirmRemoteShutdown : ButtonAction::RemoteShutdown)
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

bool LineReader::ReadRunCommand(const LineFields& fields, int n, int option, std::string_view rest,
                                MenuButton& button) {
    const ProgramText split = splitProgramText(rest);
    button.arguments = split.arguments;
    const PathCheck check = Check(split.program, policy_.addressesAllowed);
    StorePath(check, split.program, button.program, button.programBase);
    const auto runOption = static_cast<uint8_t>(option < 0 || option > kMaxButtonWaitMode ? 0 : option);
    if (!button.program.empty()) {
        button.action = ButtonAction::Run;
        button.runOption = runOption;
    }
    if (check.failed()) {
        // The runtime keeps the button, which reports its failure only when pressed.
        if (policy_.storeFolderPrefix) {
            button.program = kFailedProgram;
            button.action = ButtonAction::Run;
            button.runOption = runOption;
        }
        const int rule = check.status == PathStatus::NotFound ? kRuleCommandNotFound : kRuleCommandNotAllowed;
        if (Fail(rule, page_, n, TrimBlanks(rest))) return true;
    }
    const std::string_view folder = TrimBlanksView(fields[10]);
    if (!folder.empty() && Utf8SequenceLength(folder, 0) < folder.size()) {  // more than one character
        pathBuffer_.assign(folder);
        if (files_.IsFolder(pathBuffer_)) {
            button.workFolder = folder;
        } else {
            if (policy_.keepsFailedPaths) button.workFolder = folder;
            if (Fail(kRuleWorkFolder, page_, n, folder)) return true;
        }
    }
    return false;
}

bool LineReader::ReadRemoteControl(int n, std::string_view rest, std::string_view commandText,
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

ReadResult FileErrorResult(MenuDefinition& def, int16_t location, int runErrorNumber) {
    clearDefinition(def);
    ReadResult result;
    result.stopped = true;
    result.error.code = location;
    result.runErrorNumber = runErrorNumber;
    return result;
}

}  // namespace torva::definition
