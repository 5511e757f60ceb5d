#pragma once
// TVTITLEFM and TVVTITLEFM: the title dialog (main or sub title) and the bar-title dialog on screen.

#include <windows.h>

#include "editor/dialogs/bar_title_dialog.h"
#include "editor/dialogs/title_dialog.h"
#include "editor/win32/dialogs/definition_dialog.h"
#include "editor/win32/dialogs/palette_control.h"
#include "editor/win32/dialogs/picture_preview.h"
#include "ui/win32/tab_pages.h"

namespace torva::editor::win32 {

class TitleDialogWindow : public DefinitionDialog {
  public:
    // which: dialogs::kMainTitle or dialogs::kSubTitle.
    TitleDialogWindow(dialogs::DialogHost& host, ui::win32::FatalReport& report, int page, int which);

    bool Open(HWND owner) override;

  protected:
    void OnInit() override;
    void OnCommand(int id, int notification) override;
    INT_PTR OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void ShowTab(int tab);

    int page_;
    dialogs::TitleDialogModel model_;
    ui::win32::TabPages tabs_;
    PaletteControl textPalette_;
    PaletteControl backPalette_;
};

class BarTitleDialogWindow : public DefinitionDialog {
  public:
    BarTitleDialogWindow(dialogs::DialogHost& host, ui::win32::FatalReport& report, int page);

    bool Open(HWND owner) override;

  protected:
    void OnInit() override;
    void OnCommand(int id, int notification) override;
    INT_PTR OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void ShowTab(int tab);
    void RefreshPreview();
    void Ok();

    dialogs::BarTitleDialogModel model_;
    ui::win32::TabPages tabs_;
    PaletteControl palette_;
    PicturePreview preview_;
};

}  // namespace torva::editor::win32
