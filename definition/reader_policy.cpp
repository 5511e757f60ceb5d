// The parts of reading that surround the reader itself: the two policies, the report text, and the
// file access before the bytes are read.
#include "common/fatal_report.h"
#include "common/run_error.h"
#include "definition/definition_reader.h"
#include "definition/line_reader.h"

namespace torva::definition {

ReaderPolicy ReaderPolicy::Runtime() {
    return ReaderPolicy{};
}

ReaderPolicy ReaderPolicy::Editor() {
    ReaderPolicy policy;
    policy.kind = ReaderKind::Editor;
    policy.firstPageMustBeOne = false;
    policy.unknownPageKeyFails = false;
    policy.storeFolderPrefix = false;
    policy.remoteControlNeedsAllParts = false;
    policy.stopsOnFailure = false;
    policy.dropsUnknownCommand = false;
    policy.keepsFailedPaths = true;
    policy.keepsComments = true;
    policy.detectsCommonBackground = true;
    policy.location = 991;
    return policy;
}

std::string FailureReportText(const RuleFailure& failure) {
    ErrorState state;
    state.SetRule(static_cast<int16_t>(failure.rule), failure.message, failure.detail);
    return ComposeFatalText(state, 0);
}

std::string ReadResult::ReportText() const {
    return ComposeFatalText(error, runErrorNumber);
}

ReadResult readDefinitionFile(MenuDefinition& def, const ReaderContext& context) {
    const std::string& path = context.definitionPath;
    if (!context.files.Exists(path) || context.files.IsFolder(path)) {
        if (context.policy.kind != ReaderKind::Runtime) {
            return FileErrorResult(def, context.policy.location, kErrFileNotFound);
        }
        clearDefinition(def);
        ReadResult result;
        result.stopped = true;
        RuleFailure failure{kRuleMissingFile, RuleMessageText(kRuleMissingFile, ReaderKind::Runtime), path,
                            false};
        result.error.SetRule(kRuleMissingFile, failure.message, failure.detail);
        result.failures.push_back(std::move(failure));
        return result;
    }
    std::string bytes;
    if (!context.files.ReadFile(path, bytes)) {
        return FileErrorResult(def, context.policy.location, kErrPathFileAccess);
    }
    return readDefinitionBytes(bytes, def, context);
}

}  // namespace torva::definition
