#include "editor/file_icon.h"

#include "common/number.h"
#include "common/path.h"
#include "common/utf8.h"
#include "definition/text_helpers.h"
#include "editor/shell_link.h"

namespace torva::editor {

namespace {

constexpr std::string_view kSystemRoot = "%SYSTEMROOT%";
constexpr std::string_view kDocumentItself = "%1";
// A class name longer than this is no class name the system would register.
constexpr std::size_t kMaxClassNameBytes = 128;

std::string ExpandSystemRoot(std::string_view text, const IconLookup& env) {
    if (text.size() >= kSystemRoot.size() &&
        UpperLetters(text.substr(0, kSystemRoot.size())) == kSystemRoot) {
        return env.windowsFolder + std::string(text.substr(kSystemRoot.size()));
    }
    return std::string(text);
}

bool IsRooted(std::string_view path) {
    return path.rfind("\\\\", 0) == 0 || (path.size() >= 2 && path[1] == ':');
}

std::string DefaultValue(platform::Registry& registry, const std::string& keyPath) {
    const auto key = registry.Open(platform::RegistryRoot::ClassesRoot, keyPath, false);
    if (!key) return {};
    return TrimBlanks(key->GetString("").value_or(std::string()));
}

// The icon file a shortcut names for itself, or nothing.
std::string ShortcutOwnIcon(const ShellLink& link, const IconLookup& env) {
    if (!link.hasIconLocation) return {};
    const std::string location = ExpandSystemRoot(TrimBlanks(link.iconLocation), env);
    if (location.empty()) return {};
    const std::string extension = definition::fileExtension(location, env.extension);
    if (extension == "ICO" || extension == "CUR") {
        // An icon file stands for itself; it has no number.
        return env.files.Exists(location) && env.icons.IconCount(location) > 0 ? location : std::string();
    }
    return CheckedIconSource(location, link.iconIndex, env);
}

std::string IconSourceForTarget(const std::string& target, const IconLookup& env) {
    if (env.files.IsFolder(target)) return IconSourceForClass("Directory", target, env);
    const std::string extension = definition::fileExtension(target, env.extension);
    if (extension == "EXE") return CheckedIconSource(target, 0, env);
    return IconSourceForExtension(extension, target, env);
}

}  // namespace

std::string FallbackIconSource(const IconLookup& env) {
    return JoinPath(env.systemFolder, "shell32.dll") + "|0";
}

std::string CheckedIconSource(const std::string& file, long long number, const IconLookup& env) {
    if (file.empty()) return {};
    const auto attributes = env.files.Attributes(file);
    if (!attributes || (*attributes & platform::FileSystem::kAttributeDirectory) != 0) return {};
    const int count = env.icons.IconCount(file);
    if (count <= 0) return {};
    // Negative numbers name an icon by its resource id, which the extraction understands as is.
    if (number >= count) number = 0;
    return file + "|" + std::to_string(number);
}

namespace {

struct IconRef {
    std::string file;
    long long number = 0;
};

IconRef ParseRegistryIcon(std::string_view text, const std::string& documentPath, const IconLookup& env) {
    std::string trimmed = TrimBlanks(text);
    std::string file;
    std::string numberText;
    if (!trimmed.empty() && trimmed.front() == '"') {
        // A quoted file may hold commas; the number follows the closing quote.
        const auto close = trimmed.find('"', 1);
        file = trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1);
        if (close != std::string::npos) {
            const std::string rest = TrimBlanks(std::string_view(trimmed).substr(close + 1));
            if (!rest.empty() && rest.front() == ',') numberText = rest.substr(1);
        }
    } else {
        const auto comma = trimmed.rfind(',');
        // The comma must stand at the third character or later ("C:" cannot be split off).
        if (comma != std::string::npos && CharCount(std::string_view(trimmed).substr(0, comma)) >= 2) {
            file = trimmed.substr(0, comma);
            numberText = trimmed.substr(comma + 1);
        } else {
            file = trimmed;
        }
    }
    file = TrimBlanks(file);
    if (file == kDocumentItself) {
        file = documentPath;
    } else {
        file = ExpandSystemRoot(file, env);
        if (!file.empty() && !IsRooted(file)) file = JoinPath(env.systemFolder, file);
    }
    long long number = 0;
    const double value = LeadingNumber(numberText);
    if (value >= -2147483648.0 && value <= 2147483647.0) number = static_cast<long long>(value);
    return {file, number};
}

}  // namespace

std::string IconSourceFromRegistryText(std::string_view text, const std::string& documentPath,
                                       const IconLookup& env) {
    const IconRef ref = ParseRegistryIcon(text, documentPath, env);
    return ref.file + "|" + std::to_string(ref.number);
}

std::string IconSourceForClass(const std::string& className, const std::string& documentPath,
                               const IconLookup& env) {
    if (className.empty() || className.size() > kMaxClassNameBytes) return {};
    const std::string text = DefaultValue(env.registry, className + "\\DefaultIcon");
    if (text.empty()) return {};
    const IconRef ref = ParseRegistryIcon(text, documentPath, env);
    return CheckedIconSource(ref.file, ref.number, env);
}

std::string IconSourceForExtension(const std::string& extension, const std::string& documentPath,
                                   const IconLookup& env) {
    if (extension.empty()) return {};
    return IconSourceForClass(DefaultValue(env.registry, "." + extension), documentPath, env);
}

std::string IconSourceForShortcut(const std::string& linkPath, const IconLookup& env) {
    std::string bytes;
    std::optional<ShellLink> link;
    if (env.files.ReadFile(linkPath, bytes)) link = ParseShellLink(bytes);
    if (!link) return IconSourceForExtension("LNK", linkPath, env);
    std::string source = ShortcutOwnIcon(*link, env);
    if (source.empty() && link->hasLinkInfo && !link->targetPath.empty()) {
        source = IconSourceForTarget(link->targetPath, env);
    }
    if (source.empty()) source = IconSourceForExtension("LNK", linkPath, env);
    return source;
}

std::string DroppedIconSource(const std::string& path, const IconLookup& env) {
    std::string source;
    if (env.files.IsFolder(path)) {
        source = IconSourceForClass("Directory", path, env);
    } else if (definition::fileExtension(path, env.extension) == "LNK") {
        source = IconSourceForShortcut(path, env);
    } else {
        source = IconSourceForTarget(path, env);
    }
    return source.empty() ? FallbackIconSource(env) : source;
}

}  // namespace torva::editor
