// Shell open with the default verb: results for missing and unassociated documents, and a real
// association (to the probe) that must receive the document and the working folder.
#include "platform/win32/shell.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/file_system.h"
#include "platform/win32/processes.h"
#include "platform/win32/registry.h"
#include "platform/win32/wide.h"
#include "tests/win32/platform/test_support.h"

namespace torva::test {
namespace {

TEST(Win32Shell, MissingDocumentGivesFileNotFound) {
    ScratchFolder scratch;
    win32::Win32Shell shell;
    EXPECT_EQ(shell.Open(scratch.File("missing.txt"), scratch.Path()), 2);
}

TEST(Win32Shell, UnassociatedTypeGivesNoAssociation) {
    ScratchFolder scratch;
    const std::string document = scratch.File("doc." + UniqueName("noassoc"));
    ASSERT_TRUE(win32::Win32FileSystem().WriteFile(document, "x"));
    win32::Win32Shell shell;
    EXPECT_EQ(shell.Open(document, scratch.Path()), SE_ERR_NOASSOC);
}

TEST(Win32Shell, AssociatedDocumentOpensInTheGivenFolder) {
    ScratchFolder scratch;
    ScratchFolder work;
    const std::string extension = "." + UniqueName("tvp");
    const std::string type = UniqueName("TorvaProbeDoc");
    win32::Win32Registry registry;
    {
        auto ext = registry.Create(platform::RegistryRoot::ClassesRoot, extension);
        ASSERT_TRUE(ext.key);
        ASSERT_TRUE(ext.key->SetString("", type));
        auto command = registry.Create(platform::RegistryRoot::ClassesRoot, type + "\\shell\\open\\command");
        ASSERT_TRUE(command.key);
        ASSERT_TRUE(command.key->SetString("", QuotedProbe() + " \"%1\""));
    }
    const std::string document = scratch.File("書類 1" + extension);
    ASSERT_TRUE(win32::Win32FileSystem().WriteFile(document, "x"));
    const std::string log = scratch.File("probe.log");
    {
        // The probe inherits these: where to log, and to end at once instead of showing a window.
        ScopedEnvironment logTo("TORVA_PROBE_LOG", log);
        ScopedEnvironment options("TORVA_PROBE_OPTIONS", "--exit 0");
        win32::Win32Shell shell;
        EXPECT_GT(shell.Open(document, work.Path()), 32);
    }
    std::string text;
    for (int attempt = 0; attempt < 600 && !win32::Win32FileSystem().ReadFile(log, text); ++attempt)
        Sleep(50);
    const auto records = probe::ParseProbeLog(text);
    ASSERT_EQ(records.size(), 1u) << text;
    ASSERT_EQ(records[0].args.size(), 1u) << text;
    // The shell may hand over the long or the short form of the path; both name the same file.
    EXPECT_TRUE(win32::Win32FileSystem().Exists(records[0].args[0])) << records[0].args[0];
    wchar_t longForm[MAX_PATH] = {};
    GetLongPathNameW(win32::Wide(records[0].args[0]).c_str(), longForm, MAX_PATH);
    EXPECT_EQ(win32::Narrow(longForm), document);
    EXPECT_EQ(records[0].workFolder, work.Path());
    RegDeleteTreeW(HKEY_CLASSES_ROOT, win32::Wide(type).c_str());
    RegDeleteTreeW(HKEY_CLASSES_ROOT, win32::Wide(extension).c_str());
}

}  // namespace
}  // namespace torva::test
