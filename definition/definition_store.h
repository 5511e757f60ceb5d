#pragma once
// The editor's definition store: the model moved to and from the file, the folders relative paths are
// kept against, and the editor's error report.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/error_state.h"
#include "definition/definition_listing.h"
#include "definition/definition_reader.h"
#include "definition/definition_writer.h"
#include "definition/menu_definition.h"
#include "definition/path_check.h"
#include "platform/files.h"

namespace torva::definition {

// Location numbers of the store's procedures, shown after "ErrorNo = " when one fails unexpectedly.
inline constexpr int16_t kLocationReading = 991;
inline constexpr int16_t kLocationWriting = 992;
inline constexpr int16_t kLocationClearing = 993;
inline constexpr int16_t kLocationFindBase = 960;
inline constexpr int16_t kLocationRebasing = 968;
inline constexpr int16_t kLocationAbsolutePath = 803;
// The editor's numbers of the shared steps the store's operations and the editor's windows enter.
inline constexpr int16_t kLocationColourFromCode = 800;
inline constexpr int16_t kLocationCodeFromColour = 801;
inline constexpr int16_t kLocationColourName = 804;
inline constexpr int16_t kLocationWaitModeName = 805;
inline constexpr int16_t kLocationExtension = 962;
inline constexpr int16_t kLocationFaceNameFromBytes = 963;
inline constexpr int16_t kLocationFaceNameToBytes = 964;
inline constexpr int16_t kLocationRelativeForm = 965;
inline constexpr int16_t kLocationRelativeFolder = 966;

class DefinitionStore {
  public:
    // The folders are the editor's program folder and the machine's Windows and System folders.
    DefinitionStore(MenuDefinition& def, platform::FileSystem& files, std::string programFolder,
                    std::string windowsFolder, std::string systemFolder);

    // Normalises path in place (one leading and one trailing double quote removed; empty means
    // "\TORVA.TVX" in the program folder; a path without drive or network prefix is taken to be in the
    // program folder), takes its folder as the definition folder and resets the model to a new
    // definition.
    void beginDefinition(std::string& path);

    // Resets every page, entry, title, button and timed start, and the comments.
    void clearDefinition();

    // Reads a file with the editor's rules after beginDefinition. Each failure is in the result, in the
    // order met; result.stopped after rules 1 and 92 (the caller then treats the definition as
    // untitled) or after an unexpected failure.
    ReadResult readDefinition(std::string path);

    // Writes the model into path, re-basing paths kept relative to the folder the model was read from.
    // The old file is replaced only when the new one was written completely; on failure the error state
    // holds the writing location and the result the run-time error number.
    SaveResult writeDefinition(const std::string& path);

    void setDefinitionFolder(std::string_view path);

    // The first of definition, program, Windows and System folder in which folder + "\" + path exists.
    std::optional<uint8_t> findBase(std::string_view path);

    // Base 0: the path; 1..4: the base folder + "\" + path; other bases: empty.
    std::string absolutePath(std::string_view path, int base);

    // Composes the editor's error report from the error state: the rule's message and a detail built
    // from page, number and text, or the generic lines for location numbers; then the "ErrorNo = " line.
    std::string showStoreError(int page = 0, int number = 0, std::string_view text = {},
                               int runErrorNumber = 0);

    // The store's error state with one of the editor's location numbers, for a shared step to note on
    // entry; and the sets of them the reader, the writer and the listing enter.
    StepLocation at(int16_t code) { return {&error_, code}; }
    ReaderSteps readerSteps() { return {at(kLocationColourFromCode), at(kLocationExtension)}; }
    WriterSteps writerSteps() {
        return {at(kLocationCodeFromColour), at(kLocationRelativeForm), at(kLocationRelativeFolder)};
    }
    ListingSteps listingSteps() {
        return {writerSteps(), at(kLocationColourName), at(kLocationWaitModeName)};
    }

    const SearchFolders& folders() const { return folders_; }
    const std::string& definitionFolder() const { return folders_.definitionFolder; }
    ErrorState& error() { return error_; }
    MenuDefinition& model() { return def_; }

  private:
    MenuDefinition& def_;
    platform::FileSystem& files_;
    SearchFolders folders_;
    ErrorState error_;
};

}  // namespace torva::definition
