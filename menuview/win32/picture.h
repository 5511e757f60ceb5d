#pragma once
// Background pictures, rendered once into a canvas of the picture's own pixel size: bitmap files
// through the system's bitmap loading, every other kind (GIF, JPEG, ICO, WMF, EMF) through OLE
// picture loading, which is loaded only for them.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "menuview/win32/canvas.h"

namespace torva::menuview::win32 {

// Nothing when the file cannot be read as a picture.
std::optional<Canvas> LoadPictureFile(const std::string& path, COLORREF background);

// The last picture loaded, kept while its file stays as it was (same time of writing and size):
// the pages of a menu usually share one picture, and a page switch then reads nothing.
class PictureCache {
  public:
    // The picture of the file, or null when it cannot be read as one.
    const Canvas* Get(const std::string& path, COLORREF background);
    // Changes whenever Get loaded (or failed to load) anew: what was drawn from the picture before
    // is stale.
    uint64_t Generation() const { return generation_; }

  private:
    struct Key {
        std::string path;
        COLORREF background = 0;
        bool exists = false;
        FILETIME written{};
        uint64_t size = 0;
        bool operator==(const Key& other) const;
    };
    std::optional<Key> key_;
    std::optional<Canvas> picture_;
    uint64_t generation_ = 0;
};

}  // namespace torva::menuview::win32
