#pragma once
// The registration of the menu definition (".tvx") and script (".tvs") file types under the
// classes root, kept as data so that the table and the order of registry calls can be checked
// without a registry.

#include <array>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/registry.h"

namespace torva::shell {

struct FileTypeAssociation {
    std::string extension;    // key under the classes root, e.g. ".tvx"
    std::string fileType;     // default value of the extension key and name of the type key
    std::string description;  // default value of the type key
    std::string icon;         // default value of type\DefaultIcon
    std::string openCommand;  // default value of type\shell\open\command
};

// The edit verb that the definition type gains once the editor is installed beside the opener.
struct EditVerb {
    std::string fileType;     // "tvx_auto_file"
    std::string editorPath;   // own folder + "\TVSETUP.EXE", whose presence enables the verb
    std::string command;      // default value of type\shell\edit\command
    std::string label;        // default value of type\shell\edit
    std::string defaultVerb;  // default value of type\shell: opening stays the default action
};

// Both types in registration order, for programs installed in ownFolder (no trailing "\").
std::array<FileTypeAssociation, 2> FileTypeAssociations(std::string_view ownFolder);
EditVerb DefinitionEditVerb(std::string_view ownFolder);

// Registers each type whose extension key is new; an existing extension key, whoever wrote it,
// is left as it is. Then adds the edit verb once, when the editor exists and the verb's command
// key is new. Only the create-or-open reports and the opening of the type key steer the flow:
// a failing write leaves that value out, as a second copy of the opener racing this one may have
// written it already.
void RegisterFileAssociations(platform::Registry& registry, const platform::FileSystem& files,
                              std::string_view ownFolder);

}  // namespace torva::shell
