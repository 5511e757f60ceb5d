#include "tools/win32/win32_page_rendering.h"

// clang-format off
#include <windows.h>
#include <objbase.h>
// clang-format on

#include "common/path.h"
#include "menuview/menu_layout.h"
#include "menuview/win32/icon_images.h"
#include "menuview/win32/page_renderer.h"
#include "menuview/win32/png_file.h"
#include "platform/win32/com.h"
#include "platform/win32/wide.h"

namespace torva::tools {

namespace {

using torva::win32::ComScope;
using torva::win32::Wide;

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The folder and the folders above it that are missing.
bool MakeFolders(const std::string& path) {
    if (path.empty() || IsFolder(path)) return !path.empty();
    const std::string parent = FolderPart(path);
    if (!parent.empty() && parent != path && parent.size() < path.size() && !IsFolder(parent) &&
        !MakeFolders(parent)) {
        return false;
    }
    return CreateDirectoryW(Wide(path).c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

bool IsRelative(const std::string& path) {
    return !(path.size() >= 2 && path[1] == ':') && !path.starts_with("\\");
}

std::string Join(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return folder.back() == '\\' ? folder + name : folder + "\\" + name;
}

}  // namespace

bool Win32PageRendering::Render(const RenderJob& job, std::vector<std::string>& written,
                                std::string& problem) {
    if (!job.definition) {
        problem = "nothing to render";
        return false;
    }
    const definition::MenuDefinition& def = *job.definition;
    if (!MakeFolders(job.outFolder)) {
        problem = "cannot create the folder \"" + job.outFolder + "\"";
        return false;
    }
    const ComScope com;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const menuview::MenuLayout layout = menuview::ComputeLayout(menuview::WindowKind::Runtime, job.mode,
                                                                screenWidth, screenHeight, tallCaption_);
    const SIZE client = menuview::win32::ClientSizeOf(layout, screenWidth, screenHeight);

    // The marks are icons of the menu program, which sits in the program folder.
    const menuview::win32::KeyMarks marks(Join(job.programFolder, "Torva.exe"));
    menuview::win32::IconImages icons;
    menuview::win32::PageRenderer renderer(icons);
    menuview::win32::ViewOptions options;
    options.kind = menuview::WindowKind::Runtime;
    options.mode = layout.mode;
    options.screenWidth = screenWidth;
    options.screenHeight = screenHeight;
    options.clientWidth = client.cx;
    options.clientHeight = client.cy;
    options.outerFrame = def.options.outerFrame;
    options.noFunctionKeys = def.options.noFunctionKeys;
    options.keyMark = [&marks](int button) { return marks.Mark(button); };
    // The menu runs in its program folder, so relative pictures are found there; a menu being
    // reviewed away from its machine may keep them beside the definition instead.
    options.resolvePath = [&job](std::string_view text, int) {
        const std::string path(text);
        if (!IsRelative(path)) return path;
        for (const std::string& folder : {job.programFolder, job.definitionFolder}) {
            const std::string candidate = Join(folder, path);
            if (FileExists(candidate)) return candidate;
        }
        return path;
    };
    menuview::win32::PageLook look;
    look.selectedButton = 1;
    look.captionMarker = true;
    for (const int page : job.pages) {
        const menuview::win32::PageImages images = renderer.Render(def, page, layout, options);
        const menuview::win32::Canvas picture = menuview::win32::Flatten(images, layout, look);
        const std::string file = Join(job.outFolder, std::to_string(page) + ".png");
        if (!menuview::win32::SavePng(picture, file, problem)) return false;
        written.push_back(file);
    }
    return true;
}

}  // namespace torva::tools
