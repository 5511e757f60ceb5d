#include "definition/definition_store.h"

#include "common/fatal_report.h"
#include "common/path.h"
#include "common/utf8.h"
#include "definition/rules.h"

namespace torva::definition {

DefinitionStore::DefinitionStore(MenuDefinition& def, platform::FileSystem& files, std::string programFolder,
                                 std::string windowsFolder, std::string systemFolder)
    : def_(def), files_(files) {
    folders_.programFolder = std::move(programFolder);
    folders_.windowsFolder = std::move(windowsFolder);
    folders_.systemFolder = std::move(systemFolder);
}

void DefinitionStore::beginDefinition(std::string& path) {
    ErrorLocation location(error_, kLocationReading);
    if (path.starts_with('"')) path.erase(0, 1);
    if (path.ends_with('"')) path.pop_back();
    if (TrimBlanks(path).empty()) {
        path = JoinPath(folders_.programFolder, "TORVA.TVX");
    } else {
        const std::size_t first = Utf8SequenceLength(path, 0);
        const bool drive = path.size() > first && path[first] == ':';
        if (!drive && !path.starts_with("\\\\")) path = JoinPath(folders_.programFolder, path);
    }
    setDefinitionFolder(path);
    clearDefinition();
}

void DefinitionStore::clearDefinition() {
    ErrorLocation location(error_, kLocationClearing);
    definition::clearDefinition(def_);
}

ReadResult DefinitionStore::readDefinition(std::string path) {
    beginDefinition(path);
    ErrorLocation location(error_, kLocationReading);
    const ReaderContext context{ReaderPolicy::Editor(), folders_, files_, path, readerSteps()};
    ReadResult result = readDefinitionFile(def_, context);
    error_ = result.error;
    return result;
}

SaveResult DefinitionStore::writeDefinition(const std::string& path) {
    ErrorLocation location(error_, kLocationWriting);
    const std::string oldFolder = folders_.definitionFolder;
    setDefinitionFolder(path);
    def_.buttonsPerPage = ButtonsForMode(def_.displayMode);
    rebasePaths(def_, oldFolder, folders_, at(kLocationRebasing));
    SaveResult result = saveDefinition(files_, path, def_, folders_, writerSteps());
    // The steps entered on the way left their numbers; the failure is the writing's own.
    if (!result.ok) error_.code = kLocationWriting;
    return result;
}

void DefinitionStore::setDefinitionFolder(std::string_view path) {
    ErrorLocation location(error_, kLocationReading);
    folders_.definitionFolder = FolderPart(path);
}

std::optional<uint8_t> DefinitionStore::findBase(std::string_view path) {
    ErrorLocation location(error_, kLocationFindBase);
    const uint8_t base = definition::findBase(path, folders_, files_);
    if (base == 0) return std::nullopt;
    return base;
}

std::string DefinitionStore::absolutePath(std::string_view path, int base) {
    ErrorLocation location(error_, kLocationAbsolutePath);
    return definition::absolutePath(path, base, folders_);
}

std::string DefinitionStore::showStoreError(int page, int number, std::string_view text, int runErrorNumber) {
    const int code = error_.code;
    if (code <= 499) {
        if (code == kRuleOldVersion) {
            error_.message = RuleMessageText(code, ReaderKind::Editor);
            error_.detail = OldVersionDetail(ReaderKind::Editor, {});
        } else if (code == kRuleNotOldVersion) {
            error_.message = RuleMessageText(code, ReaderKind::Editor);
            error_.detail = NotOldVersionDetail();
        } else if (code != kRuleFirstPageNotOne && HasRuleText(code)) {
            error_.message = RuleMessageText(code, ReaderKind::Editor);
            error_.detail = RuleDetailText(code, page, number, text);
        }
    }
    return ComposeFatalText(error_, runErrorNumber);
}

}  // namespace torva::definition
