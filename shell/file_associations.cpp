#include "shell/file_associations.h"

#include "common/path.h"

namespace torva::shell {

namespace {

using platform::RegistryRoot;

constexpr RegistryRoot kRoot = RegistryRoot::ClassesRoot;

std::string QuotedArgumentCommand(std::string_view ownFolder, std::string_view program) {
    return JoinPath(ownFolder, program) + " \"%1\"";
}

void SetDefault(platform::RegistryKey* key, const std::string& value) {
    if (key) (void)key->SetString("", value);
}

void RegisterType(platform::Registry& registry, const FileTypeAssociation& type) {
    {
        auto extension = registry.Create(kRoot, type.extension);
        if (!extension.key || !extension.created) return;
        SetDefault(extension.key.get(), type.fileType);
    }
    auto typeKey = registry.Create(kRoot, type.fileType);
    SetDefault(typeKey.key.get(), type.description);
    SetDefault(registry.Create(kRoot, type.fileType + "\\DefaultIcon").key.get(), type.icon);
    SetDefault(registry.Create(kRoot, type.fileType + "\\shell\\open\\command").key.get(), type.openCommand);
}

void RegisterEditVerb(platform::Registry& registry, const platform::FileSystem& files, const EditVerb& verb) {
    if (!files.Exists(verb.editorPath)) return;
    const auto typeKey = registry.Open(kRoot, verb.fileType, true);
    if (!typeKey) return;
    auto command = registry.Create(kRoot, verb.fileType + "\\shell\\edit\\command");
    if (!command.key || !command.created) return;
    SetDefault(command.key.get(), verb.command);
    command.key.reset();
    SetDefault(registry.Open(kRoot, verb.fileType + "\\shell\\edit", true).get(), verb.label);
    SetDefault(registry.Open(kRoot, verb.fileType + "\\shell", true).get(), verb.defaultVerb);
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
