#pragma once
// The printable listing of a definition: a fixed-width text for review and printing, in Shift-JIS with
// CR LF line ends and columns measured in bytes. Nothing reads it back.

#include <string>

#include "definition/definition_writer.h"
#include "definition/menu_definition.h"
#include "definition/path_check.h"
#include "platform/files.h"

namespace torva::definition {

// Location number of the listing in the editor's error report.
inline constexpr int16_t kListingLocation = 995;

// Where the listing notes the shared steps it enters (the editor's numbers; none elsewhere).
struct ListingSteps {
    WriterSteps writer;  // colour codes and the relative form of paths
    StepLocation colourName;
    StepLocation waitModeName;
};

// The listing as UTF-8 text with CR LF line ends. Paths appear as the writer would write them into a
// definition in folders.definitionFolder (the relative form under "[PSUP]"); passwords only as one
// asterisk per character.
std::string listingText(const definition::MenuDefinition& def, const definition::SearchFolders& folders,
                        const ListingSteps& steps = {});

// Writes the listing to path in Shift-JIS, replacing the file only once the new one is complete.
definition::SaveResult writeListing(platform::FileSystem& files, const std::string& path,
                                    const definition::MenuDefinition& def,
                                    const definition::SearchFolders& folders, const ListingSteps& steps = {});

}  // namespace torva::definition
