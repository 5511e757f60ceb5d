// Icons read from a file's resources come out as the system's extraction gives them, numbered the
// same way, from a path and from the loaded program alike; other files go the system's way.
#include "menuview/win32/icon_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide.h"
#include "tests/e2e/harness/harness.h"

namespace torva::e2e {
namespace {

using menuview::win32::IconFile;

constexpr int kIconCount = 28;

std::string SelfPath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return win32::Narrow(path);
}

// Over black and over white: equal pairs mean equal images, transparency included.
bool SameImage(HICON a, HICON b, int size) {
    for (const COLORREF back : {RGB(0, 0, 0), RGB(255, 255, 255)}) {
        if (DrawIconOnColour(a, size, size, back).Pixels() != DrawIconOnColour(b, size, size, back).Pixels())
            return false;
    }
    return true;
}

TEST(IconFile, ProgramIconsFromItsPathAndFromTheLoadedModuleMatchTheSystemsExtraction) {
    const std::string self = SelfPath();
    const IconFile fromPath(self);
    const IconFile fromModule(GetModuleHandleW(nullptr));
    ASSERT_EQ(fromPath.Count(), kIconCount);
    ASSERT_EQ(fromModule.Count(), kIconCount);
    for (int i = 0; i < kIconCount; ++i) {
        SCOPED_TRACE("index " + std::to_string(i));
        HICON extractedRaw = nullptr;
        ASSERT_EQ(ExtractIconExW(win32::Wide(self).c_str(), i, &extractedRaw, nullptr, 1), 1u);
        win32::UniqueIcon extracted(extractedRaw);
        // The 16x16 entry of the group (ids are index + 1 in this icon set).
        win32::UniqueIcon smallEntry(static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(i + 1), IMAGE_ICON, 16, 16, 0)));
        for (const IconFile* file : {&fromPath, &fromModule}) {
            const auto large = file->Extract(i, false);
            const auto small = file->Extract(i, true);
            ASSERT_TRUE(large && small);
            EXPECT_TRUE(SameImage(large.get(), extracted.get(), 32));
            EXPECT_TRUE(SameImage(small.get(), smallEntry.get(), 16));
        }
    }
    // The marks differ from one another, so a wrong numbering would show above.
    EXPECT_FALSE(SameImage(fromPath.Extract(2, false).get(), fromPath.Extract(3, false).get(), 32));
}

TEST(IconFile, IndexesOutsideTheFileGiveNoIcon) {
    const IconFile file(SelfPath());
    for (const int index : {-1, kIconCount, 1000}) EXPECT_FALSE(file.Extract(index, false)) << index;
}

TEST(IconFile, AnIconFileGoesTheSystemsWay) {
    TempFolder folder("tvicon");
    const std::string ico = folder.File("ONE.ICO");
    // A 1-entry icon file made from one of this program's groups' large image would need an
    // encoder; the system's extraction of a program's icon into a file is not available either,
    // so the test writes a minimal 16x16 32-bit icon by hand.
    std::string bytes;
    auto put16 = [&](int v) { bytes.push_back(char(v & 255)), bytes.push_back(char((v >> 8) & 255)); };
    auto put32 = [&](int v) { put16(v & 0xFFFF), put16((v >> 16) & 0xFFFF); };
    const int pixels = 16 * 16 * 4, mask = 16 * 4, image = 40 + pixels + mask;
    put16(0), put16(1), put16(1);  // directory, one entry
    bytes += std::string{16, 16, 0, 0}, put16(1), put16(32), put32(image), put32(6 + 16);  // entry
    put32(40), put32(16), put32(32), put16(1), put16(32), put32(0), put32(pixels + mask);  // header
    put32(0), put32(0), put32(0), put32(0);
    for (int p = 0; p < 16 * 16; ++p) put32(static_cast<int>(0xFF2040C0u));  // opaque colour
    bytes += std::string(static_cast<std::size_t>(mask), '\0');
    ASSERT_TRUE(WriteBytes(ico, bytes));

    const IconFile file(ico);
    ASSERT_EQ(file.Count(), 1);
    const auto icon = file.Extract(0, false);
    ASSERT_TRUE(icon);
    HICON extractedRaw = nullptr;
    ASSERT_EQ(ExtractIconExW(win32::Wide(ico).c_str(), 0, &extractedRaw, nullptr, 1), 1u);
    win32::UniqueIcon extracted(extractedRaw);
    EXPECT_TRUE(SameImage(icon.get(), extracted.get(), 32));
}

TEST(IconFile, MissingAndIconlessFilesHoldNone) {
    TempFolder folder("tvicon");
    const std::string text = folder.File("NOTES.TXT");
    ASSERT_TRUE(WriteBytes(text, "not an icon"));
    for (const std::string& path : {folder.File("MISSING.DLL"), text, std::string()}) {
        const IconFile file(path);
        EXPECT_EQ(file.Count(), 0) << path;
        EXPECT_FALSE(file.Extract(0, false)) << path;
    }
}

}  // namespace
}  // namespace torva::e2e
