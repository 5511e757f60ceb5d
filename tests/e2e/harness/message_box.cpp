#include "tests/e2e/harness/message_box.h"

#include "platform/win32/wide.h"
#include "tests/e2e/harness/capture.h"
#include "tests/e2e/harness/input.h"
#include "tests/e2e/harness/window_query.h"

namespace torva::e2e {

namespace {

// Control ids the system's message box uses for its text and its icon.
constexpr int kTextId = 0xFFFF;
constexpr int kIconId = 0x0440;

// The icon control shows one of the shared system icons. They are told apart by drawing each
// candidate and matching pixels, since icon handles need not be comparable across processes.
MessageBoxIcon ClassifyIcon(HWND iconControl) {
    DWORD_PTR handle = 0;
    if (SendMessageTimeoutW(iconControl, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 2000, &handle) && handle == 0)
        return MessageBoxIcon::None;  // the box keeps an empty icon control when no icon was asked for
    const Capture shown = CaptureWindow(iconControl);
    if (shown.Empty()) return MessageBoxIcon::Unknown;
    struct Candidate {
        LPCWSTR id;
        MessageBoxIcon kind;
    };
    const Candidate candidates[] = {{IDI_HAND, MessageBoxIcon::Error},
                                    {IDI_QUESTION, MessageBoxIcon::Question},
                                    {IDI_EXCLAMATION, MessageBoxIcon::Warning},
                                    {IDI_ASTERISK, MessageBoxIcon::Information}};
    MessageBoxIcon best = MessageBoxIcon::Unknown;
    double bestScore = 0.0;
    for (const auto& c : candidates) {
        const HICON icon = LoadIconW(nullptr, c.id);
        if (!icon) continue;
        // Pixels that come out the same over black and over white are the icon's opaque ones;
        // only those are compared, so the box's background colour does not matter.
        const Capture onBlack = DrawIconOnColour(icon, shown.Width(), shown.Height(), RGB(0, 0, 0));
        const Capture onWhite = DrawIconOnColour(icon, shown.Width(), shown.Height(), RGB(255, 255, 255));
        std::size_t opaque = 0, same = 0;
        for (int y = 0; y < shown.Height(); ++y) {
            for (int x = 0; x < shown.Width(); ++x) {
                if (onBlack.At(x, y) != onWhite.At(x, y)) continue;
                ++opaque;
                if (onBlack.At(x, y) == shown.At(x, y)) ++same;
            }
        }
        const double score = opaque ? static_cast<double>(same) / static_cast<double>(opaque) : 0.0;
        if (score > bestScore) {
            bestScore = score;
            best = c.kind;
        }
    }
    return bestScore >= 0.9 ? best : MessageBoxIcon::Unknown;
}

}  // namespace

const char* IconName(MessageBoxIcon icon) {
    switch (icon) {
        case MessageBoxIcon::None:
            return "none";
        case MessageBoxIcon::Error:
            return "error";
        case MessageBoxIcon::Question:
            return "question";
        case MessageBoxIcon::Warning:
            return "warning";
        case MessageBoxIcon::Information:
            return "information";
        case MessageBoxIcon::Unknown:
            break;
    }
    return "unknown";
}

MessageBoxInfo ReadMessageBox(HWND dialog) {
    MessageBoxInfo info;
    info.hwnd = dialog;
    info.title = WindowText(dialog);
    for (const auto& c : ListControls(dialog)) {
        if (c.id == kTextId) {
            info.text = c.text;
        } else if (c.id == kIconId) {
            info.icon = c.visible ? ClassifyIcon(c.hwnd) : MessageBoxIcon::None;
        } else if (CompareStringOrdinal(L"Button", -1, win32::Wide(c.className).c_str(), -1, TRUE) ==
                       CSTR_EQUAL &&
                   c.visible) {
            info.buttons.push_back(c.id);
        }
    }
    return info;
}

std::vector<MessageBoxInfo> FindMessageBoxes(DWORD processId) {
    WindowQuery query;
    query.processId = processId;
    query.className = "#32770";
    std::vector<MessageBoxInfo> boxes;
    for (const HWND hwnd : FindTopLevelWindows(query)) boxes.push_back(ReadMessageBox(hwnd));
    return boxes;
}

std::optional<MessageBoxInfo> WaitForMessageBox(DWORD processId, Millis timeout) {
    WindowQuery query;
    query.processId = processId;
    query.className = "#32770";
    const auto hwnd = WaitForWindow(query, timeout);
    if (!hwnd) return std::nullopt;
    // The box is visible before its controls are filled in on some systems: wait for the text.
    WaitUntil([&] { return FindControlById(*hwnd, kTextId).has_value(); }, Millis{2000});
    return ReadMessageBox(*hwnd);
}

bool AnswerMessageBox(HWND dialog, int buttonId) {
    const auto button = FindControlById(dialog, buttonId);
    if (!button) return false;
    ClickButton(button->hwnd);
    return true;
}

}  // namespace torva::e2e
