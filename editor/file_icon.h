#pragma once
// Which icon a dropped file or folder gets: its own for programs, the one its shortcut names, the
// one registered for its file type ("DefaultIcon" of its class), or the shell's generic icon.

#include <string>
#include <string_view>

#include "common/error_state.h"
#include "editor/icon_files.h"
#include "platform/files.h"
#include "platform/registry.h"

namespace torva::editor {

struct IconLookup {
    const platform::FileSystem& files;
    platform::Registry& registry;
    const IconFiles& icons;
    std::string windowsFolder;
    std::string systemFolder;
    StepLocation extension = {};  // where each extension taken is noted
};

// The shell's generic icon: System folder + "\shell32.dll|0".
std::string FallbackIconSource(const IconLookup& env);

// Icon source for a dropped path ("file|number" or an icon file); never empty: the generic icon when
// nothing better is found.
std::string DroppedIconSource(const std::string& path, const IconLookup& env);

// Steps of the lookup, open for tests and for the editor's other icon pickers. Each gives an empty
// text when it finds nothing usable.
std::string IconSourceForClass(const std::string& className, const std::string& documentPath,
                               const IconLookup& env);
std::string IconSourceForExtension(const std::string& extension, const std::string& documentPath,
                                   const IconLookup& env);
std::string IconSourceForShortcut(const std::string& linkPath, const IconLookup& env);

// A registry icon text ("%SystemRoot%\system32\shell32.dll,3", "\"C:\A B\x.exe\",-101", "x.ico")
// made absolute: "%SystemRoot%" becomes the Windows folder, a bare name lies in the System folder,
// "%1" stands for the document itself. Returns "file|number".
std::string IconSourceFromRegistryText(std::string_view text, const std::string& documentPath,
                                       const IconLookup& env);

// Checks an icon source against the file: it must exist and hold an icon; a number beyond the last
// icon becomes 0. Empty when the file is no usable icon source.
std::string CheckedIconSource(const std::string& file, long long number, const IconLookup& env);

}  // namespace torva::editor
