#pragma once
// Drives a definition dialog through its window as a user would, from the test's own thread: a
// stand-in editor (model, folders, the calls back), control lookup by id on any tab page, clicks,
// typing, tab changes, and a second thread that answers the store question.

#include <windows.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "common/error_state.h"
#include "definition/menu_definition.h"
#include "editor/dialogs/dialog_host.h"
#include "editor/win32/system_icon_files.h"
#include "platform/win32/file_system.h"
#include "ui/win32/fatal_guard.h"

namespace torva::test {

class StandInEditor : public editor::dialogs::DialogHost {
  public:
    StandInEditor();

    definition::MenuDefinition& Model() override { return *model; }
    const definition::SearchFolders& SearchFolders() const override { return folders; }
    platform::FileSystem& Files() override { return files; }
    const editor::IconFiles& Icons() const override { return icons; }
    const std::string& ProgramFolder() const override { return programFolder; }
    std::string& ProgramPickFolder() override { return programPick; }
    std::string& PicturePickFolder() override { return picturePick; }
    void RefreshButtonIcon(int page, int slot) override { refreshed.push_back(page * 100 + slot); }
    void ShowHelp(int context) override { helpContexts.push_back(context); }
    void DialogClosed(bool stored, bool redraw) override {
        ++closings;
        lastStored = stored;
        lastRedraw = redraw;
    }
    ErrorState& Error() override { return error; }

    std::unique_ptr<definition::MenuDefinition> model;
    definition::SearchFolders folders;
    win32::Win32FileSystem files;
    editor::SystemIconFiles icons;
    std::string programFolder;
    std::string programPick;
    std::string picturePick;
    std::vector<int> refreshed;
    std::vector<int> helpContexts;
    int closings = 0;
    bool lastStored = false;
    bool lastRedraw = false;
    ErrorState error;
};

class RecordingReport : public ui::win32::FatalReport {
  public:
    void ReportFatal(int runErrorNumber) noexcept override { failures.push_back(runErrorNumber); }
    std::vector<int> failures;
};

// A plain top-level window that stands for the editor's main window.
class OwnerWindow {
  public:
    OwnerWindow();
    ~OwnerWindow();
    HWND get() const { return hwnd_; }

  private:
    HWND hwnd_ = nullptr;
};

// Dispatches what is pending, dialog keys included.
void Pump();
// The control with this id anywhere below the window.
HWND Find(HWND dialog, int id);
std::string TextOf(HWND dialog, int id);
void SetTextOf(HWND dialog, int id, const std::string& text);
// A button click (also radio buttons and check boxes), then the pending messages.
void Click(HWND dialog, int id);
// A left click at a point of a control given in twips from its corner.
void ClickAt(HWND control, int xTwips, int yTwips);
// Selects tab `index` as a click on the tab would.
void SelectTab(HWND dialog, int tabsId, int index);
int SelectedTab(HWND dialog, int tabsId);
// Gives a control the focus (leaving the one that had it), then the pending messages.
void FocusOn(HWND dialog, int id);

// Answers the store question boxes ("TVSETUP") with the given answers in order (IDYES / IDNO),
// recording their texts; each box is answered once it is shown.
class QuestionAnswerer {
  public:
    explicit QuestionAnswerer(std::vector<int> answers);
    ~QuestionAnswerer();
    // The texts of the boxes answered so far.
    std::vector<std::wstring> Texts();

  private:
    std::vector<int> answers_;
    std::mutex mutex_;
    std::vector<std::wstring> texts_;
    std::atomic<bool> stop_{false};
    std::atomic<int> answered_{0};
    std::thread thread_;
};

}  // namespace torva::test
