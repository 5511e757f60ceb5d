#pragma once
// Page 1's button icons and function-key marks, extracted on a thread of their own while the menu
// window is being made: making the first window of a process (the display connection and the
// system's look) leaves the processor idle for a good part of it, and the icons are the largest
// share of drawing the first page. Nothing is shown from that thread; the page is drawn as before,
// only from icons that are ready. A page 1 with page start programs is not prepared early: those
// programs run before the page is drawn and may change what it shows.

#include <windows.h>

#include <array>
#include <thread>

#include "definition/menu_definition.h"
#include "menuview/win32/icon_images.h"
#include "platform/win32/unique_handle.h"

namespace torva::runtime::win32 {

class FirstPageIcons {
  public:
    using Marks = std::array<torva::win32::UniqueIcon, menuview::win32::kKeyMarkCount>;

    FirstPageIcons() = default;
    ~FirstPageIcons();
    FirstPageIcons(const FirstPageIcons&) = delete;
    FirstPageIcons& operator=(const FirstPageIcons&) = delete;

    // Starts extracting page 1's icons of the definition's display mode and, unless [NOFNC], the
    // marks of its function-key buttons from the program's own module. The definition must not
    // change until Finish.
    void Start(const definition::MenuDefinition& def, HMODULE program);
    // Waits for the extraction and hands its images on: icons into the window's images, marks into
    // the slots of the runtime's marks that are still empty. Nothing when none was started.
    void Finish(menuview::win32::IconImages& icons, Marks& marks);

  private:
    void Join();

    std::thread thread_;
    menuview::win32::IconImages icons_;
    Marks marks_;
};

// Whether page 1 can be prepared before it is drawn: nothing runs between the window's making and
// the page's drawing that could change its icons.
bool FirstPageCanBePrepared(const definition::MenuDefinition& def);

}  // namespace torva::runtime::win32
