// TvHarness: the end-to-end harness as a console tool, for looking at a program by hand.
//
//   TvHarness run [--cwd DIR] [--env NAME=VALUE]... [--timeout MS] [--kill] [--raw TEXT] PROGRAM [ARGS...]
//       starts PROGRAM, waits for its first window (or its end), prints its windows, controls and
//       message boxes; ends it afterwards with --kill, otherwise leaves it running. ARGS are
//       quoted where they hold blanks or quotes; --raw passes TEXT as the argument text unchanged
//   TvHarness windows [PID]            top-level windows (of one process)
//   TvHarness controls HWND            the controls of a window
//   TvHarness msgbox [PID]             message boxes (of one process)
//   TvHarness answer HWND ID           presses button ID of a message box or dialog
//   TvHarness click HWND               clicks a button (BM_CLICK)
//   TvHarness key HWND VK              posts a key (virtual-key code, decimal or 0x hex)
//   TvHarness capture HWND FILE.bmp [--client] [--print]
//   TvHarness wait PID [MS]            waits for a process to end and prints its exit code
//
// Window handles are printed and read as hexadecimal. Exit code 0 on success, 1 when the thing
// looked for is not there, 2 for a usage error.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide.h"
#include "tests/e2e/harness/harness.h"

namespace {

using namespace torva::e2e;
using torva::win32::Narrow;

void Print(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

std::string Hex(const void* p) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%llX",
                  static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(p)));
    return buffer;
}

std::string Rect(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(Width(r)) + "x" +
           std::to_string(Height(r));
}

// Control characters are shown escaped so that each item stays on one line.
std::string Visible(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else
            out += c;
    }
    return out;
}

bool ParseNumber(const std::string& text, unsigned long long& value, int base = 0) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtoull(text.c_str(), &end, base);
    return end && *end == '\0';
}

// Quotes an argument the way CommandLineToArgvW reads it back: backslashes double only before a
// quote, and quotes are escaped.
std::string QuoteArgument(const std::string& arg) {
    if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos) return arg;
    std::string out = "\"";
    std::size_t backslashes = 0;
    for (const char c : arg) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        out.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        out.push_back(c);
    }
    out.append(backslashes * 2, '\\');
    out.push_back('"');
    return out;
}

HWND ParseWindow(const std::string& text) {
    unsigned long long v = 0;
    if (!ParseNumber(text, v, 16)) return nullptr;
    const HWND hwnd = reinterpret_cast<HWND>(static_cast<uintptr_t>(v));
    return IsWindow(hwnd) ? hwnd : nullptr;
}

void PrintWindowLine(HWND hwnd) {
    Print(Hex(hwnd) + " pid=" + std::to_string(WindowProcessId(hwnd)) + " class=\"" + ClassName(hwnd) +
          "\" caption=\"" + Visible(WindowText(hwnd)) + "\" rect=" + Rect(WindowRectOnScreen(hwnd)) +
          " client=" + Rect(ClientRectOnScreen(hwnd)) + (IsTopmost(hwnd) ? " topmost" : "") + "\n");
}

void PrintControls(HWND hwnd) {
    for (const auto& c : ListControls(hwnd)) {
        Print("  " + Hex(c.hwnd) + " id=" + std::to_string(c.id) + " class=\"" + c.className + "\" text=\"" +
              Visible(c.text) + "\" " + (c.visible ? "visible" : "hidden") + " " +
              (c.enabled ? "enabled" : "disabled") + " screen=" + Rect(c.screen) +
              " parent=" + Rect(c.inParent) + "\n");
    }
}

void PrintMessageBox(const MessageBoxInfo& box) {
    std::string buttons;
    for (const int id : box.buttons) {
        if (!buttons.empty()) buttons.push_back(',');
        buttons.append(std::to_string(id));
    }
    Print(Hex(box.hwnd) + " title=\"" + Visible(box.title) + "\" icon=" + IconName(box.icon) +
          " buttons=" + buttons + " text=\"" + Visible(box.text) + "\"\n");
}

int Windows(DWORD pid) {
    WindowQuery q;
    q.processId = pid;
    const auto all = FindTopLevelWindows(q);
    for (const HWND hwnd : all) PrintWindowLine(hwnd);
    return all.empty() ? 1 : 0;
}

int MessageBoxes(DWORD pid) {
    const auto boxes = FindMessageBoxes(pid);
    for (const auto& box : boxes) PrintMessageBox(box);
    return boxes.empty() ? 1 : 0;
}

int Run(const std::vector<std::string>& args) {
    StartOptions options;
    Millis timeout = kDefaultTimeout;
    bool kill = false;
    std::optional<std::string> raw;
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        unsigned long long n = 0;
        if (args[i] == "--cwd" && i + 1 < args.size()) {
            options.workFolder = args[++i];
        } else if (args[i] == "--env" && i + 1 < args.size()) {
            const std::string& pair = args[++i];
            const auto eq = pair.find('=');
            if (eq == std::string::npos || eq == 0) return 2;
            options.environment[pair.substr(0, eq)] = pair.substr(eq + 1);
        } else if (args[i] == "--timeout" && i + 1 < args.size() && ParseNumber(args[i + 1], n)) {
            timeout = Millis(n);
            ++i;
        } else if (args[i] == "--kill") {
            kill = true;
        } else if (args[i] == "--raw" && i + 1 < args.size()) {
            raw = args[++i];
        } else {
            break;
        }
    }
    if (i >= args.size()) return 2;
    const std::string program = args[i++];
    if (raw) {
        if (i < args.size()) return 2;
        options.arguments = *raw;
    }
    for (; i < args.size(); ++i) {
        if (!options.arguments.empty()) options.arguments.push_back(' ');
        options.arguments.append(QuoteArgument(args[i]));
    }
    Process process = Process::Start(program, options);
    if (!process.Valid()) {
        Print("start failed: error " + std::to_string(process.StartError()) + "\n");
        return 1;
    }
    Print("pid=" + std::to_string(process.Id()) + "\n");
    WindowQuery q;
    q.processId = process.Id();
    WaitUntil([&] { return !process.IsRunning() || !FindTopLevelWindows(q).empty(); }, timeout);
    Sleep(300);  // let the first window finish creating its controls
    for (const HWND hwnd : FindTopLevelWindows(q)) {
        PrintWindowLine(hwnd);
        PrintControls(hwnd);
    }
    for (const auto& box : FindMessageBoxes(process.Id())) PrintMessageBox(box);
    if (!process.IsRunning()) {
        const auto code = process.WaitForExit(Millis{0});
        Print("exit=" + (code ? std::to_string(*code) : std::string("?")) + "\n");
        return 0;
    }
    if (kill) {
        process.Kill();
        Print("killed\n");
    } else {
        process.Detach();
    }
    return 0;
}

int Capture(const std::vector<std::string>& args) {
    if (args.size() < 2) return 2;
    const HWND hwnd = ParseWindow(args[0]);
    if (!hwnd) return 1;
    bool client = false;
    CaptureSource source = CaptureSource::Screen;
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--client")
            client = true;
        else if (args[i] == "--print")
            source = CaptureSource::PrintWindow;
        else
            return 2;
    }
    const auto image = CaptureWindow(hwnd, client, source);
    if (image.Empty() || !image.SaveBmp(args[1])) return 1;
    Print(std::to_string(image.Width()) + "x" + std::to_string(image.Height()) + " -> " + args[1] + "\n");
    return 0;
}

int WaitProcess(const std::vector<std::string>& args) {
    unsigned long long pid = 0, ms = kDefaultTimeout.count();
    if (args.empty() || !ParseNumber(args[0], pid) || (args.size() > 1 && !ParseNumber(args[1], ms)))
        return 2;
    torva::win32::UniqueKernelHandle process(
        OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid)));
    if (!process) return 1;
    if (WaitForSingleObject(process.get(), static_cast<DWORD>(ms)) != WAIT_OBJECT_0) {
        Print("still running\n");
        return 1;
    }
    DWORD code = 0;
    GetExitCodeProcess(process.get(), &code);
    Print("exit=" + std::to_string(code) + "\n");
    return 0;
}

int Dispatch(const std::vector<std::string>& all) {
    if (all.empty()) return 2;
    const std::string& command = all[0];
    const std::vector<std::string> args(all.begin() + 1, all.end());
    unsigned long long n = 0;
    if (command == "run") return Run(args);
    if (command == "windows") {
        if (!args.empty() && !ParseNumber(args[0], n)) return 2;
        return Windows(static_cast<DWORD>(n));
    }
    if (command == "msgbox") {
        if (!args.empty() && !ParseNumber(args[0], n)) return 2;
        return MessageBoxes(static_cast<DWORD>(n));
    }
    if (command == "controls" && args.size() == 1) {
        const HWND hwnd = ParseWindow(args[0]);
        if (!hwnd) return 1;
        PrintWindowLine(hwnd);
        PrintControls(hwnd);
        return 0;
    }
    if (command == "answer" && args.size() == 2 && ParseNumber(args[1], n)) {
        const HWND hwnd = ParseWindow(args[0]);
        return hwnd && AnswerMessageBox(hwnd, static_cast<int>(n)) ? 0 : 1;
    }
    if (command == "click" && args.size() == 1) {
        const HWND hwnd = ParseWindow(args[0]);
        if (!hwnd) return 1;
        ClickButton(hwnd);
        return 0;
    }
    if (command == "key" && args.size() == 2 && ParseNumber(args[1], n)) {
        const HWND hwnd = ParseWindow(args[0]);
        if (!hwnd) return 1;
        PostKey(hwnd, static_cast<UINT>(n));
        return 0;
    }
    if (command == "capture") return Capture(args);
    if (command == "wait") return WaitProcess(args);
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(Narrow(argv[i]));
    const int rc = Dispatch(args);
    if (rc == 2)
        Print(
            "usage: TvHarness run|windows|controls|msgbox|answer|click|key|capture|wait ... (see the source "
            "header)\n");
    return rc;
}
