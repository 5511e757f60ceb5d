// Drawing a page: its page start programs, then the caption and the page's images from the page
// renderer, composed with the frames.
#include "common/error_state.h"
#include "platform/win32/wide.h"
#include "runtime/program_entries.h"
#include "runtime/win32/settle.h"
#include "runtime/win32/torvabs.h"
#include "runtime/win32/torvafm.h"
#include "runtime/win32/win_api.h"
#include "ui/win32/message_pump.h"

namespace torva::runtime::win32 {

using torva::win32::Wide;

void MenuWindow::DrawPage() {
    TorvaRuntime& rt = rt_;
    ErrorLocation here(rt.error, 998);
    const definition::MenuPage& page = rt.definition->Page(currentPage_);

    EntryRunnerHooks hooks;
    hooks.reportFailure = [this](int16_t code, const std::string& message, const std::string& detail) {
        rt_.ReportLaunchFailure(code, message, detail);
    };
    hooks.betweenChecks = [] { (void)ui::win32::PumpFor(500); };
    hooks.settle = WaitUntilStarted;
    hooks.error = &rt.error;
    JournalEntryStarts(rt, hooks, "pageStart", currentPage_);
    RunProgramEntries(EntryKind::PageStart, page.pageStarts, rt.programFolder, *rt.os.processes, hooks);
    RenderPage();
}

void MenuWindow::RenderPage() {
    TorvaRuntime& rt = rt_;
    ErrorLocation here(rt.error, 998);
    firstPageIcons_.Finish(icons_, rt.keyMarks);
    menuview::win32::ViewOptions options;
    options.kind = menuview::WindowKind::Runtime;
    options.mode = layout_.mode;
    options.screenWidth = screenWidthPx_;
    options.screenHeight = screenHeightPx_;
    options.clientWidth = clientWidth_;
    options.clientHeight = clientHeight_;
    options.outerFrame = rt.options().outerFrame;
    options.noFunctionKeys = rt.options().noFunctionKeys;
    options.keyMark = [&rt](int button) { return rt.KeyMark(button); };
    renderer_.Render(*rt.definition, currentPage_, layout_, options, page_);
    SetWindowTextW(Handle(), Wide(page_.caption).c_str());
    ShowTitles();
    for (int i = 1; i <= layout_.buttonCount; ++i) ComposeButtonImage(i);
    // One paint of the window shows the new page, its controls included.
    ComposeWindow();
    UpdateTooltips();
}

void MenuWindow::ShowTitles() {
    for (std::size_t i = 0; i < titles_.size(); ++i) {
        const TitleState& bar = titles_[i];
        // The window paints the bars' images; a bar that appears paints itself once too.
        ShowWindow(bar.hwnd, page_.titles[i].shown ? SW_SHOWNA : SW_HIDE);
    }
}

void MenuWindow::UpdateTooltips() {
    // Before AddTooltips there is nothing to update: it sets the texts of the page shown then.
    if (!tips_.Created()) return;
    for (int i = 0; i < layout_.buttonCount; ++i) {
        tips_.SetText(buttons_[static_cast<std::size_t>(i)].hwnd,
                      page_.slots[static_cast<std::size_t>(i)].tooltip);
    }
    if (titleTip_) tips_.SetText(titleTip_, page_.titleTooltip);
}

}  // namespace torva::runtime::win32
