#pragma once
// The icons of one file, numbered as the system's icon extraction numbers them (0 = the first icon
// group of a program or library, the one icon of an icon file). A program or library is mapped once
// for its resources and each icon is loaded from there: asking the system's extraction for the count
// and then for each icon reads the whole file again every time, which made a page of icons slow to
// draw. Other files (icon files, old programs) go through the system's extraction.

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/unique_handle.h"

namespace torva::menuview::win32 {

class IconFile {
  public:
    // A file by its path; the file stays mapped while this object lives.
    explicit IconFile(const std::string& path);
    // A module of this process (the program's own icons); it is not freed here.
    explicit IconFile(HMODULE loaded);

    // How many icons the file holds; 0 when it holds none or cannot be read.
    int Count() const { return count_; }
    // The icon at index (0..Count()-1) in the large (system icon) or the small size; null when
    // there is none.
    torva::win32::UniqueIcon Extract(int index, bool small) const;

  private:
    // An icon group's resource name: a number, or a text when the number is 0.
    struct Group {
        WORD id = 0;
        std::wstring name;
    };
    static BOOL CALLBACK AddGroup(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR self);
    void ReadGroups();

    std::wstring path_;
    torva::win32::UniqueModule mapped_;
    HMODULE module_ = nullptr;
    std::vector<Group> groups_;  // in resource order, the order of the icon numbers
    int count_ = 0;
};

}  // namespace torva::menuview::win32
