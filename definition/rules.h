#pragma once
// The validation rules of definition files: numbers, messages and the forms of their detail texts.

#include <string>
#include <string_view>

namespace torva::definition {

enum class ReaderKind { Runtime, Editor };

inline constexpr int kRuleNotBeforePage = 1;  // a non-keyword line before the first "[PAGE" line
inline constexpr int kRuleFirstPageNotOne = 2;
inline constexpr int kRulePageRange = 3;
inline constexpr int kRuleButtonRange = 4;
inline constexpr int kRuleIconNotFound = 5;
inline constexpr int kRuleIconNotAllowed = 6;
inline constexpr int kRuleCommandNotFound = 7;
inline constexpr int kRuleCommandNotAllowed = 8;
inline constexpr int kRuleStartRange = 9;
inline constexpr int kRuleEndRange = 10;
inline constexpr int kRuleStartNotFound = 11;
inline constexpr int kRuleEndNotFound = 12;
inline constexpr int kRuleStartNotAllowed = 13;
inline constexpr int kRuleEndNotAllowed = 14;
inline constexpr int kRulePictureNotFound = 15;
inline constexpr int kRulePictureNotAllowed = 16;
inline constexpr int kRuleModeRange = 17;
inline constexpr int kRuleWorkFolder = 18;
inline constexpr int kRulePageTarget = 19;
inline constexpr int kRuleElapsedRange = 20;
inline constexpr int kRuleClockRange = 21;
inline constexpr int kRuleElapsedTime = 22;
inline constexpr int kRuleClockTime = 23;
inline constexpr int kRuleElapsedTarget = 24;
inline constexpr int kRuleClockTarget = 25;
inline constexpr int kRuleRemoteTarget = 26;
inline constexpr int kRulePageStartRange = 27;
inline constexpr int kRulePageStartNotFound = 28;
inline constexpr int kRulePageStartNotAllowed = 29;
inline constexpr int kRuleUnknownFormat = 90;
inline constexpr int kRuleNotOldVersion = 91;  // the converter's
inline constexpr int kRuleOldVersion = 92;
inline constexpr int kRuleMissingFile = 99;  // the runtime's

// How a rule's detail text is built from the page, the entry or button number and the failing text.
enum class DetailForm {
    Text,            // the text alone
    PageText,        // "Page = " p " : " text
    NumberText,      // "No = " n " : " text
    PageNumberText,  // "Page = " p " , No = " n " : " text
    DefinitionLine,  // "エラー = (" text ")定義行"
};

bool HasRuleText(int rule);

// The message of a rule; rule 92 differs between the runtime and the editor. Empty for numbers that
// are not rules.
std::string RuleMessageText(int rule, ReaderKind reader);

DetailForm RuleDetailForm(int rule);
std::string RuleDetailText(int rule, int page, int number, std::string_view text);

// Rule 92's detail: the definition path in the runtime, a fixed hint in the editor.
std::string OldVersionDetail(ReaderKind reader, std::string_view definitionPath);
// Rule 91's detail.
std::string NotOldVersionDetail();

}  // namespace torva::definition
