#pragma once
// The bar-title dialog's logic: a page's bar title with its background picture or colour, the page's
// wait mode and, on page 1, whether page 1's bar title serves every page.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "definition/menu_definition.h"
#include "definition/path_check.h"
#include "editor/dialogs/colour_palette.h"
#include "platform/files.h"

namespace torva::editor::dialogs {

inline constexpr int kBarGeneralTab = 0;
inline constexpr int kBarColourTab = 1;
inline constexpr int kBarPictureTab = 2;

struct BarFailure {
    std::string message;
    int tab = kBarPictureTab;
};

struct BarCheckResult {
    std::vector<BarFailure> failures;
    std::string picture;  // the trimmed picture path that is stored
    uint8_t pictureBase = 0;
};

class BarTitleDialogModel {
  public:
    // page: 1..99.
    BarTitleDialogModel(const definition::MenuDefinition& def, int page);

    // "ページ共通指定" is offered on page 1 only.
    bool OffersCommonBackground() const { return page == 1; }

    // The file the preview shows for the picture box: its absolute form when the text names a picture
    // that exists; nothing otherwise.
    std::optional<std::string> PreviewPath(const definition::SearchFolders& folders,
                                           const platform::FileSystem& files) const;

    void PickColour(int cell) { colour = PickCell(cell, PaletteUse::Background, colour); }

    // The picture check of OK (the picture is trimmed first).
    BarCheckResult Check(const definition::SearchFolders& folders, const platform::FileSystem& files) const;

    // Stores into the page: with a picture its path and base and the default colour, without one the
    // colour picked; the page wait mode; on page 1 the common background.
    void Store(definition::MenuDefinition& def, const BarCheckResult& checks) const;

    int page = 1;
    std::string text;
    std::string picture;
    Colour colour = definition::kDefaultBackColour;
    int waitMode = 0;  // selected option 0..4
    bool commonBackground = false;
    int currentTab = kBarGeneralTab;
};

}  // namespace torva::editor::dialogs
