#include "menuview/win32/icon_file.h"

#include <climits>

#include "menuview/win32/gdi_api.h"
#include "platform/win32/system_library.h"
#include "platform/win32/wide.h"

namespace torva::menuview::win32 {

namespace {

// Icon files and old programs only: the shell is loaded for them alone.
UINT ExtractThroughShell(const wchar_t* file, int index, HICON* large, HICON* small, UINT count) {
    const auto extract =
        torva::win32::SystemFunctionOf<decltype(&ExtractIconExW)>(L"shell32.dll", "ExtractIconExW");
    return extract ? extract(file, index, large, small, count) : 0;
}

}  // namespace

IconFile::IconFile(const std::string& path) : path_(torva::win32::Wide(path)) {
    if (path_.empty()) return;
    mapped_.reset(
        LoadLibraryExW(path_.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    if (mapped_) {
        module_ = mapped_.get();
        ReadGroups();
        return;
    }
    const UINT count = ExtractThroughShell(path_.c_str(), -1, nullptr, nullptr, 0);
    count_ = count == UINT_MAX || count > INT_MAX ? 0 : static_cast<int>(count);
}

IconFile::IconFile(HMODULE loaded) : module_(loaded) {
    if (module_) ReadGroups();
}

BOOL CALLBACK IconFile::AddGroup(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR self) {
    auto& groups = reinterpret_cast<IconFile*>(self)->groups_;
    if (IS_INTRESOURCE(name)) {
        groups.push_back({static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)), {}});
    } else {
        groups.push_back({0, name});
    }
    return TRUE;
}

void IconFile::ReadGroups() {
    EnumResourceNamesW(module_, RT_GROUP_ICON, AddGroup, reinterpret_cast<LONG_PTR>(this));
    count_ = static_cast<int>(groups_.size());
}

torva::win32::UniqueIcon IconFile::Extract(int index, bool small) const {
    if (index < 0 || index >= count_) return {};
    if (module_) {
        const Group& group = groups_[static_cast<std::size_t>(index)];
        const wchar_t* name = group.id ? MAKEINTRESOURCEW(group.id) : group.name.c_str();
        const int width = GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON);
        const int height = GetSystemMetrics(small ? SM_CYSMICON : SM_CYICON);
        return torva::win32::UniqueIcon(
            static_cast<HICON>(LoadImageW(module_, name, IMAGE_ICON, width, height, LR_DEFAULTCOLOR)));
    }
    HICON large = nullptr;
    HICON smallIcon = nullptr;
    ExtractThroughShell(path_.c_str(), index, small ? nullptr : &large, small ? &smallIcon : nullptr, 1);
    return torva::win32::UniqueIcon(small ? smallIcon : large);
}

}  // namespace torva::menuview::win32
