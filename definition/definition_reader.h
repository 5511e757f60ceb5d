#pragma once
// The one reader of definition files. The runtime and the editor read with the same grammar and rules;
// where they differ, the ReaderPolicy says how.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/error_state.h"
#include "definition/menu_definition.h"
#include "definition/path_check.h"
#include "definition/rules.h"
#include "platform/files.h"

namespace torva::definition {

struct ReaderPolicy {
    ReaderKind kind = ReaderKind::Runtime;
    // The first "[PAGE" line must open page 1 (rule 2) and later ones pages 2..99.
    bool firstPageMustBeOne = true;
    // Unknown keys inside a page fail rule 90 instead of being ignored.
    bool unknownPageKeyFails = true;
    // A relative path found in a search folder is stored with that folder in front; otherwise it is
    // kept as written, with the folder's number as its base.
    bool storeFolderPrefix = true;
    // "RCTL:" needs computer, page and button before it becomes action 18.
    bool remoteControlNeedsAllParts = true;
    // Failures stop the reading unless "[NCHK]" passes them over; otherwise reading goes on after
    // every failure but those of rules 1 and 92.
    bool stopsOnFailure = true;
    // A CMD line failing rule 90 is dropped as a whole; otherwise its good values are kept.
    bool dropsUnknownCommand = true;
    // A path that fails its check (not found, not allowed, a working folder that is no folder) is kept
    // as written, base 0, besides being reported: the editor must not erase what a file says only
    // because this machine lacks a file (a network drive not connected, another machine's folders).
    bool keepsFailedPaths = false;
    // The comment lines are kept in the model.
    bool keepsComments = false;
    // The common bar title is detected at the end of the file.
    bool detectsCommonBackground = false;
    // Program entries and run commands may name web addresses.
    bool addressesAllowed = true;
    // A field number beyond 16 bits is the run-time error "overflow"; otherwise it is clamped far
    // outside every range, so that it fails its rule and the reading goes on.
    bool clampsNumbers = false;
    // Opening a page clears the location number (page lines have none of their own).
    bool pageClearsLocation = true;
    // An icon file of a kind that holds no icon is kept besides being reported.
    bool storesIconOfOtherKind = true;
    // The location number the error state holds before the first page and after an unexpected failure.
    int16_t location = 999;

    static ReaderPolicy Runtime();
    static ReaderPolicy Editor();
    static ReaderPolicy For(ReaderKind kind) { return kind == ReaderKind::Editor ? Editor() : Runtime(); }
};

struct RuleFailure {
    int rule = 0;
    std::string message;
    std::string detail;
    bool passedOver = false;  // the runtime went on because of "[NCHK]"

    bool operator==(const RuleFailure&) const = default;
};

// The error report of one failure, as the editor shows each one while it reads on: the message, CR,
// the detail, CR, "ErrorNo = " rule " : 0".
std::string FailureReportText(const RuleFailure& failure);

struct ReadResult {
    std::vector<RuleFailure> failures;
    bool stopped = false;    // reading ended before the end of the file
    ErrorState error;        // the program's error state after reading
    int runErrorNumber = 0;  // not 0: an unexpected failure ended the reading (error.code is the location)
    std::size_t invalidBytes = 0;  // bytes of the file that were not valid Shift-JIS
    std::vector<int> openedPages;  // "[PAGE" lines accepted, in file order

    bool ok() const { return failures.empty() && runErrorNumber == 0; }
    // The text of the program's fatal-error report for the failure that stopped the reading.
    std::string ReportText() const;
};

// Where a reader notes the shared steps it enters (the editor's numbers; none in the runtime).
struct ReaderSteps {
    StepLocation colourFromCode;
    StepLocation extension;  // of each icon source
};

struct ReaderContext {
    ReaderPolicy policy;
    SearchFolders folders;
    const platform::FileSystem& files;
    std::string definitionPath;  // rule 92's detail in the runtime
    ReaderSteps steps = {};
};

// Reads a definition from the bytes of a file (Shift-JIS). The model is cleared first.
ReadResult readDefinitionBytes(std::string_view bytes, MenuDefinition& def, const ReaderContext& context);

// Reads the file at context.definitionPath. A missing file is rule 99 in the runtime and the run-time
// error "file not found" in the editor; an unreadable one is the run-time error "path/file access".
ReadResult readDefinitionFile(MenuDefinition& def, const ReaderContext& context);

}  // namespace torva::definition
