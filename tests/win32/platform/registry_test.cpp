// Registry keys, the per-user settings store and INI files against the real API.
#include "platform/win32/registry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/file_system.h"
#include "platform/win32/ini_file.h"
#include "platform/win32/settings.h"
#include "platform/win32/wide.h"
#include "tests/win32/platform/test_support.h"

namespace torva::test {
namespace {

using platform::RegistryRoot;

// A key of our own below HKCU\Software, deleted with its subkeys afterwards.
class RegistryTest : public ::testing::Test {
  protected:
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, win32::Wide(base_).c_str()); }
    std::string base_ = "Software\\TorvaTest\\" + UniqueName("reg");
    win32::Win32Registry registry_;
};

TEST_F(RegistryTest, CreateTellsNewFromExisting) {
    const std::string path = base_ + "\\tvx_auto_file\\shell\\open\\command";
    auto first = registry_.Create(RegistryRoot::CurrentUser, path);
    ASSERT_TRUE(first.key);
    EXPECT_TRUE(first.created);
    auto second = registry_.Create(RegistryRoot::CurrentUser, path);
    ASSERT_TRUE(second.key);
    EXPECT_FALSE(second.created);
    // A parent created on the way exists too, and opens as existing.
    auto parent = registry_.Create(RegistryRoot::CurrentUser, base_ + "\\tvx_auto_file");
    ASSERT_TRUE(parent.key);
    EXPECT_FALSE(parent.created);
}

TEST_F(RegistryTest, StringsRoundTripThroughDefaultAndNamedValues) {
    auto created = registry_.Create(RegistryRoot::CurrentUser, base_);
    ASSERT_TRUE(created.key);
    struct Case {
        std::string name, value;
    } cases[] = {
        {"", "\"C:\\Program Files\\Torva\\Torva.exe\" \"%1\""},
        {"SCRNSAVE.EXE", "C:\\WINDOWS\\system32\\ssText3d.scr"},
        {"日本語", "メニュー定義ファイル 表\\ソ"},
        {"empty", ""},
    };
    for (const auto& c : cases) EXPECT_TRUE(created.key->SetString(c.name, c.value)) << c.name;
    auto opened = registry_.Open(RegistryRoot::CurrentUser, base_, false);
    ASSERT_TRUE(opened);
    for (const auto& c : cases) EXPECT_EQ(opened->GetString(c.name), c.value) << c.name;
    EXPECT_FALSE(opened->GetString("missing"));
    // A long value needs more than the first buffer.
    const std::string longValue(5000, 'x');
    EXPECT_TRUE(created.key->SetString("long", longValue));
    EXPECT_EQ(opened->GetString("long"), longValue);
}

TEST_F(RegistryTest, OtherValueKindsAndMissingKeys) {
    auto created = registry_.Create(RegistryRoot::CurrentUser, base_);
    ASSERT_TRUE(created.key);
    auto* key = static_cast<win32::Win32RegistryKey*>(created.key.get());
    const DWORD number = 5;
    ASSERT_EQ(RegSetValueExW(key->get(), L"number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                             sizeof number),
              ERROR_SUCCESS);
    EXPECT_FALSE(key->GetString("number"));
    const wchar_t expand[] = L"%SystemRoot%\\system32\\shell32.dll,3";
    ASSERT_EQ(RegSetValueExW(key->get(), L"icon", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(expand),
                             sizeof expand),
              ERROR_SUCCESS);
    const auto icon = key->GetString("icon");
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->find('%'), std::string::npos) << *icon;
    EXPECT_NE(icon->find("\\system32\\shell32.dll,3"), std::string::npos) << *icon;
    // Stored without the closing NUL: the text still ends where the data ends.
    const wchar_t bare[] = {L'a', L'b', L'c'};
    ASSERT_EQ(
        RegSetValueExW(key->get(), L"bare", 0, REG_SZ, reinterpret_cast<const BYTE*>(bare), sizeof bare),
        ERROR_SUCCESS);
    EXPECT_EQ(key->GetString("bare"), "abc");

    EXPECT_FALSE(registry_.Open(RegistryRoot::CurrentUser, base_ + "\\missing", false));
    EXPECT_FALSE(registry_.Open(RegistryRoot::CurrentUser, base_ + "\\missing", true));
}

TEST_F(RegistryTest, ReadOnlyKeyRefusesWrites) {
    ASSERT_TRUE(registry_.Create(RegistryRoot::CurrentUser, base_).key);
    auto readOnly = registry_.Open(RegistryRoot::CurrentUser, base_, false);
    ASSERT_TRUE(readOnly);
    EXPECT_FALSE(readOnly->SetString("x", "y"));
    auto writable = registry_.Open(RegistryRoot::CurrentUser, base_, true);
    ASSERT_TRUE(writable);
    EXPECT_TRUE(writable->SetString("x", "y"));
    EXPECT_EQ(writable->GetString("x"), "y");
}

TEST(Win32Settings, ValuesPersistPerApplicationAndSection) {
    win32::Win32Settings settings;
    const std::string app = UniqueName("TorvaTest");
    EXPECT_EQ(settings.Get(app, "Opt", "rgDCHK", "0"), "0");
    ASSERT_TRUE(settings.Save(app, "Opt", "rgDCHK", "1234"));
    EXPECT_EQ(settings.Get(app, "Opt", "rgDCHK", "0"), "1234");
    EXPECT_EQ(settings.Get(app, "Other", "rgDCHK", "0"), "0");
    ASSERT_TRUE(settings.Save(app, "Opt", "rgDCHK", "0"));
    EXPECT_EQ(settings.Get(app, "Opt", "rgDCHK", "x"), "0");
    ASSERT_TRUE(settings.Save(app, "Opt", "名前", "値"));
    EXPECT_EQ(settings.Get(app, "Opt", "名前", ""), "値");
    EXPECT_FALSE(settings.Save(app, "Opt", "", "default value is not a setting"));
    EXPECT_EQ(settings.Get(app, "Opt", "", "fallback"), "fallback");

    // Where it lives, so that another program (or an administrator) finds it.
    win32::Win32Registry registry;
    auto key = registry.Open(RegistryRoot::CurrentUser, "Software\\Torva\\" + app + "\\Opt", false);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->GetString("rgDCHK"), "0");
    RegDeleteTreeW(HKEY_CURRENT_USER, win32::Wide("Software\\Torva\\" + app).c_str());
}

TEST(Win32IniFile, IntegersRoundTripWithDefaults) {
    ScratchFolder scratch;
    const std::string ini = scratch.File("Torva.ini");
    win32::Win32IniFile file;
    EXPECT_EQ(file.GetInt(ini, "INIT", "Xpos", -1), -1);  // no file yet
    ASSERT_TRUE(file.WriteString(ini, "INIT", "Xpos", "1440"));
    ASSERT_TRUE(file.WriteString(ini, "INIT", "Ypos", "30"));
    EXPECT_EQ(file.GetInt(ini, "INIT", "Xpos", -1), 1440);
    EXPECT_EQ(file.GetInt(ini, "INIT", "Ypos", -1), 30);
    EXPECT_EQ(file.GetInt(ini, "INIT", "Zpos", -1), -1);
    EXPECT_EQ(file.GetInt(ini, "OTHER", "Xpos", -7), -7);
    ASSERT_TRUE(file.WriteString(ini, "INIT", "Xpos", "2880.5"));
    EXPECT_EQ(file.GetInt(ini, "INIT", "Xpos", -1), 2880);  // the leading number
    ASSERT_TRUE(file.WriteString(ini, "INIT", "Xpos", "-1200"));
    EXPECT_EQ(file.GetInt(ini, "INIT", "Xpos", -1), -1200);  // a menu left of the main screen

    std::string text;
    ASSERT_TRUE(win32::Win32FileSystem().ReadFile(ini, text));
    EXPECT_NE(text.find("[INIT]"), std::string::npos) << text;
    EXPECT_NE(text.find("Ypos=30"), std::string::npos) << text;

    EXPECT_FALSE(file.WriteString(scratch.File("no folder\\x.ini"), "INIT", "Xpos", "1"));
}

}  // namespace
}  // namespace torva::test
