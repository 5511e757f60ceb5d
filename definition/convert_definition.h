#pragma once
// Conversion of old-version definitions (version up to 5.99, or no version line) into the model, ready
// to be written in the current format. Old button lines vary in length: the button colour and the
// working folder are optional and are told apart from the command text by its form.

#include <string>
#include <string_view>

#include "definition/definition_reader.h"
#include "definition/menu_definition.h"
#include "definition/path_check.h"
#include "platform/files.h"

namespace torva::definition {

// Location number of the conversion in the editor's error report.
inline constexpr int16_t kConvertLocation = 996;

struct ConvertContext {
    definition::SearchFolders folders;  // the definition folder is the source file's folder
    const platform::FileSystem& files;
    std::string sourcePath;
    ReaderSteps steps = {};
};

// Converts the bytes of an old file (Shift-JIS). The model is cleared first. Rule failures are
// collected and the conversion goes on, except for rule 91 (the file is not old) and rule 1 (a line
// before the first page that is no keyword): these stop it, and nothing may then be written.
definition::ReadResult convertDefinitionBytes(std::string_view bytes, definition::MenuDefinition& def,
                                              const ConvertContext& context);

// Converts the file at context.sourcePath; a missing or unreadable file ends as the run-time error
// "file not found" or "path/file access" with the conversion's location.
definition::ReadResult convertDefinitionFile(definition::MenuDefinition& def, const ConvertContext& context);

}  // namespace torva::definition
