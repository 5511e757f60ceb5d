#include "shell/file_associations.h"

#include "common/path.h"

namespace torva::shell {

namespace {

using platform::RegistryRoot;

// Where a registration is written. The classes root is the machine-wide view; a program running
// without administrator rights (the manifest asks for none) cannot create keys there, and then the
// per-user classes, which the classes root merges in for that user, take the registration instead.
struct Classes {
    RegistryRoot root;
    std::string prefix;
    std::string Path(const std::string& key) const { return prefix + key; }
};

const Classes kMachineClasses{RegistryRoot::ClassesRoot, ""};
const Classes kUserClasses{RegistryRoot::CurrentUser, "Software\\Classes\\"};

// The program in quotes as well as the document: the program folder is normally below
// "C:\Program Files", and an unquoted path with a blank would let the system try "C:\Program.exe".
std::string QuotedArgumentCommand(std::string_view ownFolder, std::string_view program) {
    return "\"" + JoinPath(ownFolder, program) + "\" \"%1\"";
}

void SetDefault(platform::RegistryKey* key, const std::string& value) {
    if (key) (void)key->SetString("", value);
}

bool Exists(platform::Registry& registry, const std::string& key) {
    return registry.Open(kMachineClasses.root, kMachineClasses.Path(key), false) != nullptr;
}

// Creates the key in the classes root or, when that is refused, in the per-user classes. A key
// that exists already (readable, even if not writable) counts as existing: a registration made by
// someone else is never shadowed by a per-user copy.
struct Created {
    platform::CreatedKey key;
    const Classes* where = nullptr;
};

Created CreateNew(platform::Registry& registry, const std::string& key) {
    Created result{registry.Create(kMachineClasses.root, kMachineClasses.Path(key)), &kMachineClasses};
    if (result.key.key || Exists(registry, key)) return result;
    return {registry.Create(kUserClasses.root, kUserClasses.Path(key)), &kUserClasses};
}

void RegisterType(platform::Registry& registry, const FileTypeAssociation& type) {
    const Classes* where = nullptr;
    {
        Created extension = CreateNew(registry, type.extension);
        if (!extension.key.key || !extension.key.created) return;
        where = extension.where;
        SetDefault(extension.key.key.get(), type.fileType);
    }
    auto typeKey = registry.Create(where->root, where->Path(type.fileType));
    SetDefault(typeKey.key.get(), type.description);
    SetDefault(registry.Create(where->root, where->Path(type.fileType + "\\DefaultIcon")).key.get(),
               type.icon);
    SetDefault(registry.Create(where->root, where->Path(type.fileType + "\\shell\\open\\command")).key.get(),
               type.openCommand);
}

void RegisterEditVerb(platform::Registry& registry, const platform::FileSystem& files, const EditVerb& verb) {
    if (!files.Exists(verb.editorPath)) return;
    const Classes* where = &kMachineClasses;
    auto typeKey = registry.Open(where->root, where->Path(verb.fileType), true);
    if (!typeKey) {
        // Readable but not writable: the type was registered for the machine by an administrator.
        // The verb then goes to this user's classes, unless the machine already has one.
        if (!Exists(registry, verb.fileType) || Exists(registry, verb.fileType + "\\shell\\edit\\command"))
            return;
        where = &kUserClasses;
    }
    auto command = registry.Create(where->root, where->Path(verb.fileType + "\\shell\\edit\\command"));
    if (!command.key || !command.created) return;
    SetDefault(command.key.get(), verb.command);
    command.key.reset();
    SetDefault(registry.Open(where->root, where->Path(verb.fileType + "\\shell\\edit"), true).get(),
               verb.label);
    SetDefault(registry.Open(where->root, where->Path(verb.fileType + "\\shell"), true).get(),
               verb.defaultVerb);
}

}  // namespace

std::array<FileTypeAssociation, 2> FileTypeAssociations(std::string_view ownFolder) {
    return {{
        {".tvx", "tvx_auto_file", "TORVA command definition", JoinPath(ownFolder, "Torva.exe,1"),
         QuotedArgumentCommand(ownFolder, "Torva.exe")},
        {".tvs", "tvs_auto_file", "TORVA script file", JoinPath(ownFolder, "Torva.exe,14"),
         QuotedArgumentCommand(ownFolder, "Tvscript.exe")},
    }};
}

EditVerb DefinitionEditVerb(std::string_view ownFolder) {
    return {"tvx_auto_file", JoinPath(ownFolder, "TVSETUP.EXE"),
            QuotedArgumentCommand(ownFolder, "Tvsetup.exe"), "メニュー編集(&E)", "open"};
}

void RegisterFileAssociations(platform::Registry& registry, const platform::FileSystem& files,
                              std::string_view ownFolder) {
    for (const auto& type : FileTypeAssociations(ownFolder)) RegisterType(registry, type);
    RegisterEditVerb(registry, files, DefinitionEditVerb(ownFolder));
}

}  // namespace torva::shell
