// The icon set as ExtractIconEx sees it in an executable built with it, and the version
// information and manifest of the programs.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide.h"
#include "tests/e2e/harness/harness.h"

namespace torva::e2e {
namespace {

constexpr int kIconCount = 28;

// The build folder's path as this process sees it: under Wine a Unix path is reached through Z:.
std::wstring IconFile(int index) {
    std::string folder = TORVA_TEST_ICON_DIR;
    if (!folder.empty() && folder.front() == '/') {
        for (char& c : folder)
            if (c == '/') c = '\\';
        folder = "Z:" + folder;
    }
    char name[32];
    std::snprintf(name, sizeof name, "\\torva_%02d.ico", index);
    return win32::Wide(folder + name);
}

std::wstring SelfPath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

// The icon drawn over black and over white: equal pairs mean equal images, transparency included.
std::pair<Capture, Capture> Render(HICON icon, int size) {
    return {DrawIconOnColour(icon, size, size, RGB(0, 0, 0)),
            DrawIconOnColour(icon, size, size, RGB(255, 255, 255))};
}

TEST(IconSet, ExecutableCarriesTwentyEightIconsInExtractionOrder) {
    const std::wstring self = SelfPath();
    EXPECT_EQ(ExtractIconExW(self.c_str(), -1, nullptr, nullptr, 0), static_cast<UINT>(kIconCount));
    std::vector<Capture> large;
    for (int i = 0; i < kIconCount; ++i) {
        SCOPED_TRACE("index " + std::to_string(i));
        HICON bigRaw = nullptr, smallRaw = nullptr;
        ASSERT_EQ(ExtractIconExW(self.c_str(), i, &bigRaw, &smallRaw, 1), 2u);
        win32::UniqueIcon big(bigRaw), small(smallRaw);
        ASSERT_TRUE(big && small);
        // The small image: Wine's ExtractIconEx scales the large one down, so the 16x16 entry is
        // read through its group id, which must be the index + 1.
        win32::UniqueIcon smallEntry(static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(i + 1), IMAGE_ICON, 16, 16, 0)));
        ASSERT_TRUE(smallEntry);
        const std::pair<HICON, int> shown[] = {{big.get(), 32}, {smallEntry.get(), 16}};
        for (const auto& [icon, size] : shown) {
            win32::UniqueIcon fromFile(static_cast<HICON>(
                LoadImageW(nullptr, IconFile(i).c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE)));
            ASSERT_TRUE(fromFile) << "icon file of index " << i;
            const auto expected = Render(fromFile.get(), size);
            const auto actual = Render(icon, size);
            EXPECT_EQ(actual.first.Pixels(), expected.first.Pixels()) << "size " << size;
            EXPECT_EQ(actual.second.Pixels(), expected.second.Pixels()) << "size " << size;
        }
        large.push_back(Render(big.get(), 32).first);
    }
    // Every index shows its own picture: the F-key marks differ in their numbers, the shifted ones
    // from the plain ones.
    for (int i = 0; i < kIconCount; ++i)
        for (int j = i + 1; j < kIconCount; ++j)
            EXPECT_NE(large[i].Pixels(), large[j].Pixels()) << i << " and " << j;
}

std::string VersionString(const std::wstring& file, const wchar_t* name) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0) return "<no version information>";
    std::vector<BYTE> data(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, data.data())) return "<unreadable>";
    void* value = nullptr;
    UINT length = 0;
    const std::wstring query = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
    if (!VerQueryValueW(data.data(), query.c_str(), &value, &length) || length == 0) return "<missing>";
    return win32::Narrow(static_cast<const wchar_t*>(value));
}

std::string Manifest(const std::wstring& file) {
    HMODULE module = LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return {};
    std::string text;
    if (HRSRC res = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24))) {
        if (HGLOBAL loaded = LoadResource(module, res))
            text.assign(static_cast<const char*>(LockResource(loaded)), SizeofResource(module, res));
    }
    FreeLibrary(module);
    return text;
}

struct ProgramCase {
    const char* file;
    const char* description;
};

class ProgramResources : public testing::TestWithParam<ProgramCase> {};

TEST_P(ProgramResources, CarryVersionInformationAndTheCommonManifest) {
    const std::wstring file = win32::Wide(ProgramPath(GetParam().file));
    EXPECT_EQ(VersionString(file, L"FileDescription"), GetParam().description);
    EXPECT_EQ(VersionString(file, L"ProductName"), "Torva");
    EXPECT_EQ(VersionString(file, L"OriginalFilename"), GetParam().file);
    EXPECT_EQ(VersionString(file, L"FileVersion").substr(0, 2), "1.");
    const std::string manifest = Manifest(file);
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Programs, ProgramResources,
                         testing::Values(ProgramCase{"Tvrmsg.exe", "Torva remote message viewer"},
                                         ProgramCase{"SMPTVS.exe", "Sample for Tvscript Running"},
                                         ProgramCase{"Tvshell.exe", "Torva document opener"}));

}  // namespace
}  // namespace torva::e2e
