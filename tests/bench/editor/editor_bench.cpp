// Figures for the editor under Wine: start of Tvsetup.exe to a painted window, a page switch of a
// page with 24 icons over a tiled picture, and the start of Torva.exe on the same definition in the
// same run for comparison. A program to run (run_bench.sh), not a test: it asserts nothing.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "common/cp932.h"
#include "tests/e2e/harness/harness.h"

using namespace torva::e2e;
using Clock = std::chrono::steady_clock;

namespace {

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

std::string Definition() {
    std::string text = "[VER8.05]\r\n[NCHK]\r\n[MODE9]\r\n";
    for (int page = 1; page <= 2; ++page) {
        text += "[PAGE" + std::to_string(page) + "]\r\nVARTITLE,\"Bench\",\"PIC:TORVABG.BMP\",0\r\n";
        text += "TITLE1,\"Page " + std::to_string(page) + "\",,,,W,B\r\n";
        for (int i = 1; i <= 24; ++i) {
            text += "CMD" + std::to_string(i) + ",\"shell32.dll|" + std::to_string(i + page) +
                    "\",ON,\"Button " + std::to_string(i) + "\",,,,,,,,END,,,\r\n";
        }
    }
    return text;
}

// Starts a program on the definition and waits until its window of the class is shown and its
// thread waits for input (the first paint is done by then).
double StartToPaint(const std::string& program, const std::string& windowClass, const TempFolder& folder,
                    Process& process) {
    const auto start = Clock::now();
    process = Process::Start(
        program, StartOptions().Args("\"" + folder.File("BENCH.TVX") + "\"").InFolder(folder.Path()));
    if (!process.Valid()) return -1;
    const auto window =
        WaitForWindow(WindowQuery().OfProcess(process.Id()).OfClass(windowClass), Millis(30000));
    if (!window) return -1;
    WaitForInputIdle(process.Handle(), 30000);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(*window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &result);
    return Milliseconds(Clock::now() - start);
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus ? info.hwndFocus : window;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    TempFolder folder("tvbench");
    CopyFileTo(ProgramPath("Tvsetup.exe"), folder.File("Tvsetup.exe"));
    CopyFileTo(ProgramPath("Torva.exe"), folder.File("Torva.exe"));
    CopyFileTo(ProgramPath("TORVABG.BMP"), folder.File("TORVABG.BMP"));
    // The opener is a stand-in so that the runs register nothing.
    CopyFileTo(ProgramPath("TvProbe.exe"), folder.File("Tvshell.exe"));
    WriteBytes(folder.File("BENCH.TVX"), torva::Utf8ToCp932(Definition()));

    std::vector<double> editorStarts, runtimeStarts, switches;
    for (int run = 0; run < runs; ++run) {
        Process editor;
        editorStarts.push_back(StartToPaint(folder.File("Tvsetup.exe"), "TVSETUPFM", folder, editor));
        const auto window = WaitForWindow(WindowQuery().OfProcess(editor.Id()).OfClass("TVSETUPFM"));
        if (window) {
            for (int i = 0; i < 10; ++i) {
                for (const UINT key : {VK_NEXT, VK_PRIOR}) {
                    // Sent: it returns once the page has been drawn.
                    const auto begin = Clock::now();
                    DWORD_PTR result = 0;
                    SendMessageTimeoutW(FocusOf(*window), WM_KEYDOWN, key, 0, SMTO_NORMAL, 30000, &result);
                    switches.push_back(Milliseconds(Clock::now() - begin));
                }
            }
        }
        editor.Kill();
        Process runtime;
        runtimeStarts.push_back(StartToPaint(folder.File("Torva.exe"), "TORVAFM", folder, runtime));
        runtime.Kill();
    }
    std::printf("runs: %d\n", runs);
    std::printf("Tvsetup.exe start to painted window: median %.1f ms\n", Median(editorStarts));
    std::printf("Torva.exe start to painted window:   median %.1f ms\n", Median(runtimeStarts));
    std::printf("Tvsetup page switch (24 icons, tiled picture): median %.2f ms over %zu switches\n",
                Median(switches), switches.size());
    return 0;
}
