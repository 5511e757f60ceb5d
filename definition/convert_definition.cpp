#include "definition/convert_definition.h"

#include "common/cp932.h"
#include "common/number.h"
#include "common/run_error.h"
#include "common/utf8.h"
#include "definition/colour_codes.h"
#include "definition/command_text.h"
#include "definition/common_background.h"
#include "definition/field_tokenizer.h"
#include "definition/option_flags.h"
#include "definition/rules.h"
#include "definition/text_helpers.h"

namespace torva::definition {

namespace {


constexpr float kLastOldVersion = 5.99f;
constexpr int kOldButtonLimit = 12;  // old menus had 12 buttons a page in every display mode
constexpr std::size_t kCommentLimit = 32767;
constexpr std::size_t kOpenedPagesLimit = 2 * kPageCount;

// A field's leading number, clamped far outside every range the rules check: a huge number fails
// its rule instead of overflowing.
int Number(std::string_view text) {
    const double value = LeadingNumber(text);
    if (value > 1e9) return 1000000000;
    if (value < -1e9) return -1000000000;
    return static_cast<int>(value);
}

uint8_t WaitMode(std::string_view text, int limit) {
    const int value = Number(text);
    return static_cast<uint8_t>(value < 0 || value > limit ? 0 : value);
}

bool IsIconExtension(const std::string& ext) {
    return ext == "CUR" || ext == "ICO" || ext == "EXE" || ext == "DLL" || ext == "OCX";
}

// The command texts the old format knows; any other text in the fifth or sixth field of a button
// line is a colour code or a working folder.
bool IsOldCommand(std::string_view field) {
    const std::string u = UpperLetters(TrimBlanks(field));
    return u.starts_with("CMD:") || u.starts_with("PAGE") || u == "LOFF" || u == "SDWN" || u == "POFF" ||
           u == "REBT" || u == "END";
}

// The fields of an old button line after its key.
struct OldButtonLine {
    std::string icon, pfKey, caption, captionColour, buttonColour, workFolder, command, option;
};

OldButtonLine SplitOldButton(const ParsedLine& line) {
    OldButtonLine b;
    b.icon = line.Field(1);
    b.pfKey = line.Field(2);
    b.caption = line.Field(3);
    b.captionColour = line.Field(4);
    std::size_t next = 5;
    if (!IsOldCommand(line.Field(next))) {
        b.buttonColour = line.Field(next++);
        if (!IsOldCommand(line.Field(next))) b.workFolder = line.Field(next++);
    }
    b.command = line.Field(next);
    b.option = line.Field(next + 1);
    return b;
}

class Converter {
  public:
    Converter(MenuDefinition& def, const ConvertContext& context, ReadResult& result)
        : def_(def), context_(context), result_(result) {}

    void Run(std::string_view text) {
        result_.error.code = kConvertLocation;
        for (std::string_view line : SplitLines(text)) {
            if (line.empty()) continue;
            ReadLine(ParseLine(line));
            if (result_.stopped) return;
        }
        DetectCommonBackground();
    }

  private:
    void Fail(int rule, std::string detail, bool stop = false) {
        RuleFailure failure;
        failure.rule = rule;
        failure.message = RuleMessageText(rule, ReaderKind::Editor);
        failure.detail = std::move(detail);
        result_.error.SetRule(static_cast<int16_t>(rule), failure.message, failure.detail);
        result_.failures.push_back(std::move(failure));
        if (stop) result_.stopped = true;
    }
    void Fail(int rule, int page, int number, std::string_view text) {
        Fail(rule, RuleDetailText(rule, page, number, text));
    }

    void ReadLine(const ParsedLine& line) {
        if (line.isComment) {
            if (def_.comments.size() >= kCommentLimit) throw RunError(kErrOverflow, "too many comments");
            def_.comments.push_back(line.comment);
            return;
        }
        const std::string& key = line.key;
        if (!firstLineSeen_) {
            firstLineSeen_ = true;
            if (key.starts_with("[VER")) {
                const float version = static_cast<float>(LeadingNumber(MidChars(key, 5), true));
                if (version > kLastOldVersion) Fail(kRuleNotOldVersion, NotOldVersionDetail(), true);
                return;
            }
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
        if (page_ == 0) {
            Fail(kRuleNotBeforePage, key, true);
            return;
        }
        if (key == "VARTITLE") {
            ReadBarTitle(line);
        } else if (key == "TITLE1" || key == "TITLE2") {
            ReadTitle(line, key == "TITLE1" ? 1 : 2);
        } else if (key.starts_with("CMD")) {
            ReadButton(line);
        }
        // Any other key inside a page is ignored, as the editor's reader does.
    }

    bool ReadKeyword(const std::string& key) {
        // The old option lines, and the three later ones: a file that carries them loses nothing.
        if (SetOptionFlag(def_.options, key)) return true;
        if (key == "[STREND]") return true;
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
        if (n < 1 || n > kPageCount) {
            page_ = 0;
            skipping_ = true;
            Fail(kRulePageRange, key);
            return;
        }
        page_ = n;
        skipping_ = false;
        def_.Page(n).defined = true;
        if (result_.openedPages.size() < kOpenedPagesLimit) result_.openedPages.push_back(n);
    }

    // A checked path, stored as the editor keeps it: relative texts unchanged with their base.
    static void StorePath(const PathCheck& check, std::string_view text, std::string& stored, uint8_t& base) {
        base = kBaseAbsolute;
        stored.clear();
        if (check.status == PathStatus::Absolute) stored = std::string(text);
        if (check.status == PathStatus::Relative) {
            stored = std::string(text);
            base = check.base;
        }
    }

    PathCheck Check(std::string_view text) const {
        // Old definitions name files only: no web addresses.
        return checkPath(text, false, context_.folders, context_.files);
    }

    void ReadStartEnd(const ParsedLine& line, bool start) {
        const int n = Number(MidChars(line.key, 4));
        if (n < 1 || n > kEntryCount) {
            Fail(start ? kRuleStartRange : kRuleEndRange, line.key);
            return;
        }
        ProgramEntry& entry = start ? def_.StartProgram(n) : def_.EndProgram(n);
        const std::string text = TrimBlanks(line.Field(1));
        const ProgramText split = splitProgramText(text);
        entry.arguments = split.arguments;
        entry.waitMode = WaitMode(line.Field(2), kMaxEntryWaitMode);
        const PathCheck check = Check(split.program);
        StorePath(check, split.program, entry.program, entry.pathBase);
        if (check.status == PathStatus::NotFound)
            Fail(start ? kRuleStartNotFound : kRuleEndNotFound, 0, n, text);
        if (check.status == PathStatus::NotAllowed) {
            Fail(start ? kRuleStartNotAllowed : kRuleEndNotAllowed, 0, n, text);
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
        const PathCheck check = Check(picture);
        StorePath(check, picture, bar.picture, bar.pathBase);
        if (check.status == PathStatus::NotFound) Fail(kRulePictureNotFound, page_, 0, code);
        if (check.status == PathStatus::NotAllowed) Fail(kRulePictureNotAllowed, page_, 0, code);
    }

    void ReadTitle(const ParsedLine& line, int n) {
        PageTitle& title = def_.Page(page_).Title(n);
        title = PageTitle{};  // old titles have no font
        title.text = line.Field(1);
        title.foreColour = colourFromCode(line.Field(2), ColourContext::TitleText);
        title.backColour = colourFromCode(line.Field(3), ColourContext::TitleBack);
    }

    void ReadButton(const ParsedLine& line) {
        const OldButtonLine fields = SplitOldButton(line);
        const int n = Number(MidChars(line.key, 4));
        if (n < 1 || n > kOldButtonLimit || n > def_.buttonsPerPage) {
            Fail(kRuleButtonRange, page_, 0, line.key);
            return;
        }
        MenuButton& button = def_.Page(page_).Button(n);
        button = MenuButton{};
        ReadIcon(fields.icon, n, button);
        button.pfKey = UpperLetters(TrimBlanks(fields.pfKey)) == "ON";
        button.caption = fields.caption;
        button.foreColour = colourFromCode(fields.captionColour, ColourContext::ButtonCaption);
        button.backColour = colourFromCode(fields.buttonColour, ColourContext::ButtonBack);
        ReadCommand(line.key, fields, n, button);
    }

    void ReadIcon(const std::string& field, int n, MenuButton& button) {
        const std::string source = TrimBlanks(field);
        if (source.empty()) return;
        const PathCheck check = Check(std::string_view(source).substr(0, source.find('|')));
        if (check.status == PathStatus::NotFound) return Fail(kRuleIconNotFound, page_, n, source);
        if (check.status == PathStatus::NotAllowed) return Fail(kRuleIconNotAllowed, page_, n, source);
        if (check.status == PathStatus::Empty) return;
        if (!IsIconExtension(fileExtension(source))) return Fail(kRuleIconNotAllowed, page_, n, source);
        StorePath(check, source, button.icon, button.iconBase);
    }

    void ReadCommand(const std::string& key, const OldButtonLine& fields, int n, MenuButton& button) {
        const CommandText command = classifyCommand(fields.command);
        const std::string commandText = TrimBlanks(fields.command);
        const int option = Number(fields.option);
        switch (IsOldCommand(fields.command) ? command.form : CommandForm::Unknown) {
            case CommandForm::Simple: {
                int action = static_cast<int>(command.simpleAction);
                if (action >= static_cast<int>(ButtonAction::Logoff) && option == 1) action += 4;
                button.action = static_cast<ButtonAction>(action);
                return;
            }
            case CommandForm::Page: {
                const int target = Number(MidChars(UpperLetters(commandText), 5));
                if (target < 1 || target > kPageCount) return Fail(kRulePageTarget, page_, n, commandText);
                button.action = ButtonAction::Page;
                button.targetPage = static_cast<uint8_t>(target);
                return;
            }
            case CommandForm::Run:
                return ReadRunCommand(fields, n, option, command.rest, button);
            default:
                return Fail(kRuleUnknownFormat, page_, n, key);
        }
    }

    void ReadRunCommand(const OldButtonLine& fields, int n, int option, const std::string& rest,
                        MenuButton& button) {
        const ProgramText split = splitProgramText(rest);
        button.arguments = split.arguments;
        const PathCheck check = Check(split.program);
        StorePath(check, split.program, button.program, button.programBase);
        if (!button.program.empty()) {
            button.action = ButtonAction::Run;
            button.runOption = static_cast<uint8_t>(option < 0 || option > kMaxButtonWaitMode ? 0 : option);
        }
        if (check.failed()) {
            Fail(check.status == PathStatus::NotFound ? kRuleCommandNotFound : kRuleCommandNotAllowed, page_,
                 n, TrimBlanks(rest));
        }
        const std::string folder = TrimBlanks(fields.workFolder);
        if (CharCount(folder) > 1) {
            if (context_.files.IsFolder(folder)) {
                button.workFolder = folder;
            } else {
                Fail(kRuleWorkFolder, page_, n, folder);
            }
        }
    }

    // Every page shows page 1's bar title when the neighbours in file order all agree.
    void DetectCommonBackground() { definition::DetectCommonBackground(def_, result_.openedPages); }

    MenuDefinition& def_;
    const ConvertContext& context_;
    ReadResult& result_;
    bool firstLineSeen_ = false;
    bool skipping_ = false;
    int page_ = 0;
};

}  // namespace

definition::ReadResult convertDefinitionBytes(std::string_view bytes, definition::MenuDefinition& def,
                                              const ConvertContext& context) {
    ReadResult result;
    clearDefinition(def);
    const Cp932Decoded decoded = DecodeCp932(bytes);
    result.invalidBytes = decoded.invalid;
    try {
        Converter converter(def, context, result);
        converter.Run(decoded.text);
    } catch (const RunError& error) {
        result.stopped = true;
        result.runErrorNumber = error.number();
        result.error.code = kConvertLocation;
        result.error.message.clear();
        result.error.detail.clear();
    }
    return result;
}

definition::ReadResult convertDefinitionFile(definition::MenuDefinition& def, const ConvertContext& context) {
    std::string bytes;
    int failure = 0;
    if (!context.files.Exists(context.sourcePath) || context.files.IsFolder(context.sourcePath)) {
        failure = kErrFileNotFound;
    } else if (!context.files.ReadFile(context.sourcePath, bytes)) {
        failure = kErrPathFileAccess;
    }
    if (failure == 0) return convertDefinitionBytes(bytes, def, context);
    clearDefinition(def);
    ReadResult result;
    result.stopped = true;
    result.error.code = kConvertLocation;
    result.runErrorNumber = failure;
    return result;
}

}  // namespace torva::definition
