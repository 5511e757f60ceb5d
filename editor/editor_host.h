#pragma once
// What the editor's commands need from the window they run in: the save question, the file dialogs,
// the progress window, the error boxes and starting the runtime. The Win32 window implements it;
// tests answer from a script.

#include <optional>
#include <string>
#include <string_view>

#include "definition/definition_reader.h"
#include "editor/file_dialogs.h"

namespace torva::editor {

enum class SaveAnswer { Yes, No, Cancel };

// Captions of the progress window.
inline constexpr std::string_view kReadingCaption = "読込中...";
inline constexpr std::string_view kWritingCaption = "書込中...";
inline constexpr std::string_view kConvertingCaption = "変換中...";
inline constexpr std::string_view kListingCaption = "出力中...";

class EditorHost {
  public:
    virtual ~EditorHost() = default;

    // "メニューの内容が更新されています。" CR "保存しますか？", Yes/No/Cancel, Cancel the default.
    virtual SaveAnswer AskSaveChanges() = 0;
    // The chosen full path, or nothing when the dialog was cancelled.
    virtual std::optional<std::string> ChooseFile(const FileDialogSettings& settings,
                                                  const std::string& initialFolder) = 0;
    // Shows the progress window with the caption until HideProgress.
    virtual void ShowProgress(std::string_view caption) = 0;
    virtual void HideProgress() = 0;
    // One error box ("TVSETUP") per text, in order.
    virtual void ShowError(const std::string& reportText) = 0;
    // Starts a program by its command line in a normal window, without waiting.
    virtual void StartProgram(const std::string& commandLine) = 0;
};

// Shows the progress window for as long as it lives.
class ProgressScope {
  public:
    ProgressScope(EditorHost& host, std::string_view caption) : host_(host) { host_.ShowProgress(caption); }
    ~ProgressScope() { host_.HideProgress(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

  private:
    EditorHost& host_;
};

}  // namespace torva::editor
