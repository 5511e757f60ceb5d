#include "runtime/win32/first_page_icons.h"

#include <utility>

#include "common/utf8.h"
#include "menuview/menu_layout.h"
#include "menuview/win32/icon_file.h"

namespace torva::runtime::win32 {

bool FirstPageCanBePrepared(const definition::MenuDefinition& def) {
    for (const definition::ProgramEntry& entry : def.Page(1).pageStarts) {
        if (entry.used()) return false;
    }
    return true;
}

FirstPageIcons::~FirstPageIcons() {
    Join();
}

void FirstPageIcons::Join() {
    if (thread_.joinable()) thread_.join();
}

void FirstPageIcons::Start(const definition::MenuDefinition& def, HMODULE program) {
    Join();
    // Which buttons a mode shows, and whether it prints captions (with their key marks), does not
    // depend on the screen.
    const menuview::MenuLayout shape = menuview::ComputeLayout(def.displayMode, 0, 0, false);
    const bool small = def.displayMode == 6;
    const bool keyMarks = shape.captions && !def.options.noFunctionKeys;
    thread_ = std::thread([this, &def, program, count = shape.buttonCount, small, keyMarks] {
        try {
            const definition::MenuPage& page = def.Page(1);
            for (int n = 1; n <= count; ++n) {
                const definition::MenuButton& button = page.Button(n);
                const std::string source = TrimBlanks(button.icon);
                if (!source.empty()) (void)icons_.Icon(1, n, source, small);
            }
            icons_.PageDone();
            if (!keyMarks) return;
            const menuview::win32::IconFile self(program);
            for (int n = 1; n <= count; ++n) {
                if (page.Button(n).pfKey)
                    marks_[static_cast<std::size_t>(n - 1)] =
                        self.Extract(menuview::win32::KeyMarkIndex(n), false);
            }
        } catch (...) {
            // What could not be prepared here is extracted when the page is drawn.
        }
    });
}

void FirstPageIcons::Finish(menuview::win32::IconImages& icons, Marks& marks) {
    if (!thread_.joinable()) return;
    Join();
    icons.Adopt(std::move(icons_));
    for (std::size_t i = 0; i < marks.size(); ++i) {
        if (!marks[i] && marks_[i]) marks[i] = std::move(marks_[i]);
    }
}

}  // namespace torva::runtime::win32
