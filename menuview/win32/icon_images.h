#pragma once
// Button icons for the page renderer. A window hands the renderer a SlotIcons: the runtime's
// IconImages extracts each icon source once and shares the image between every button and page that
// names the same file, index and size; the editor gives the images it resolved for each slot.

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "menuview/win32/icon_file.h"
#include "platform/win32/unique_handle.h"

namespace torva::menuview::win32 {

class SlotIcons {
  public:
    virtual ~SlotIcons() = default;
    // The icon of button (1..24) of page (1..99) from its source ("file" or "file|index"), the small
    // (16 x 16) image when small is set, the large one otherwise. Null when there is none. The image
    // stays owned by the provider.
    virtual HICON Icon(int page, int button, const std::string& source, bool small) = 0;
    // The page has been drawn: files opened for its icons may be let go.
    virtual void PageDone() {}
};

class IconImages : public SlotIcons {
  public:
    HICON Icon(int page, int button, const std::string& source, bool small) override;
    // The files stay open only while a page is drawn, so that the menu never holds them.
    void PageDone() override { files_.clear(); }
    // Takes the images another one extracted (a page prepared on another thread); an image this one
    // holds already for the same source stays.
    void Adopt(IconImages&& other);

  private:
    // File (as written, upper-cased), effective index before clamping, size.
    using Key = std::tuple<std::string, int, bool>;
    std::map<Key, torva::win32::UniqueIcon> images_;
    std::map<std::string, IconFile> files_;  // by upper-cased name, while a page is drawn
};

// The 24 function-key marks (F1..F12 and Shift+F1..F12) of the menu program's own file: large icons
// 2..13 and 16..27.
inline constexpr int kKeyMarkCount = 24;
// The icon number of the mark of button 1..24.
constexpr int KeyMarkIndex(int button) {
    return (button <= 12 ? 2 : 16) + (button - 1) % 12;
}

class KeyMarks {
  public:
    KeyMarks() = default;
    explicit KeyMarks(const std::string& programFile);
    // Button 1..24; null when the file holds no such icon.
    HICON Mark(int button) const;

  private:
    std::map<int, torva::win32::UniqueIcon> marks_;
};

}  // namespace torva::menuview::win32
