#pragma once
// TVSETUPBS: the editor's program state and its shared procedures. One TvsetupProgram is made by the
// entry and handed to every window; nothing else is program-wide.

#include <windows.h>

#include <memory>
#include <string>

#include "definition/definition_store.h"
#include "definition/menu_definition.h"
#include "editor/win32/system_icon_files.h"
#include "platform/background_starts.h"
#include "platform/files.h"
#include "platform/processes.h"
#include "platform/registry.h"
#include "ui/win32/fatal_guard.h"

namespace torva::editor::win32 {

struct TvsetupProgram {
    HINSTANCE instance = nullptr;
    std::string executablePath;
    std::string programFolder;
    std::string windowsFolder;
    std::string systemFolder;
    bool tallCaption = false;
    std::unique_ptr<platform::FileSystem> files;
    std::unique_ptr<platform::Processes> processes;
    // The same object as processes: it keeps the opener's registration until the window has shown
    // its first page for a moment.
    platform::BackgroundStartProcesses* backgroundStarts = nullptr;
    std::unique_ptr<platform::Shell> shell;
    std::unique_ptr<platform::Registry> registry;
    SystemIconFiles iconFiles;
    // The model is about a megabyte: never on the stack.
    std::unique_ptr<definition::MenuDefinition> model;
    std::unique_ptr<definition::DefinitionStore> store;
};

// The editor's error report: the "TVSETUP" box with the error state's message and detail (or the
// generic lines for a location number) and "ErrorNo = " code " : " runErrorNumber.
void ShowEditorError(TvsetupProgram& program, HWND owner, int runErrorNumber);

// An unexpected failure in a handler: the report, then the editor ends.
class EditorFatalReport final : public ui::win32::FatalReport {
  public:
    explicit EditorFatalReport(TvsetupProgram& program) : program_(program) {}
    void ReportFatal(int runErrorNumber) noexcept override;

  private:
    TvsetupProgram& program_;
};

}  // namespace torva::editor::win32
