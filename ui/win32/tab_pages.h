#pragma once
// Tab pages in a dialog or window: a tab control whose pages are child windows laid over its
// display area. Each page is the parent of its own controls (placed in twips from the page's
// corner); the commands, notifications and colour requests of those controls go on to the window
// that holds the tab control, so a dialog handles them as if they were its own.
//
//     tabs_.Create(Controls(), kTabsId, {120, 120, 6000, 4000});
//     const int general = tabs_.AddPage(L"General");
//     tabs_.Controls(general).Add(L"EDIT", L"", WS_TABSTOP | WS_BORDER, kNameId, {120, 120, 3000, 300});
//     // in the dialog's OnOtherMessage: WM_NOTIFY -> tabs_.OnNotify(...)

#include <windows.h>

#include <string>
#include <vector>

#include "common/twips.h"
#include "ui/win32/controls.h"

namespace torva::ui::win32 {

class TabPages {
  public:
    // The tab control at a twips rectangle of the maker's parent.
    void Create(const ControlMaker& parent, int id, const TwipsRect& at);
    // A new page with its title; returns its index. The first page is shown, the others hidden.
    int AddPage(const std::wstring& title);
    void Select(int index);
    int Selected() const;
    int Count() const { return static_cast<int>(pages_.size()); }

    HWND Tabs() const { return tabs_; }
    HWND Page(int index) const;
    ControlMaker Controls(int index) const { return ControlMaker(Page(index), dpi_); }

    // From the holder's WM_NOTIFY: shows the chosen page. True when the notification was the tab
    // control's change of page.
    bool OnNotify(const NMHDR& header);

  private:
    HWND tabs_ = nullptr;
    int id_ = 0;
    ScreenDpi dpi_;
    std::vector<HWND> pages_;  // children of the holder; destroyed with it
};

}  // namespace torva::ui::win32
