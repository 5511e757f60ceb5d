// Whole-file reads and writes, safe replacement, attributes and the current folder.
#include "platform/win32/file_system.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/win32/platform/test_support.h"

namespace torva::test {
namespace {

TEST(Win32FileSystem, BytesRoundTripExactly) {
    ScratchFolder scratch;
    win32::Win32FileSystem files;
    std::string binary;
    for (int i = 0; i < 256; ++i) binary += static_cast<char>(i);
    const std::string big(300000, '\x95');  // larger than one read buffer
    for (const std::string& bytes : {std::string(), std::string("\x95\x5C\r\n"), binary, big}) {
        const std::string path = scratch.File("表\\..\\data.TVX");
        ASSERT_TRUE(files.WriteFile(path, bytes));
        std::string read = "stale";
        ASSERT_TRUE(files.ReadFile(path, read));
        EXPECT_EQ(read, bytes);
    }
    // A shorter write truncates.
    ASSERT_TRUE(files.WriteFile(scratch.File("t"), "long text"));
    ASSERT_TRUE(files.WriteFile(scratch.File("t"), "ab"));
    std::string read;
    ASSERT_TRUE(files.ReadFile(scratch.File("t"), read));
    EXPECT_EQ(read, "ab");
}

TEST(Win32FileSystem, AttributesAndExistence) {
    ScratchFolder scratch;
    win32::Win32FileSystem files;
    const std::string file = scratch.File("メニュー.TVX");
    ASSERT_TRUE(files.WriteFile(file, "x"));
    EXPECT_TRUE(files.Exists(file));
    EXPECT_FALSE(files.IsFolder(file));
    EXPECT_TRUE(files.IsFolder(scratch.Path()));
    EXPECT_FALSE(files.Attributes(scratch.File("missing")));
    EXPECT_FALSE(files.Attributes(""));
    EXPECT_FALSE(files.Exists(scratch.File("missing\\deeper")));
    std::string bytes = "kept";
    EXPECT_FALSE(files.ReadFile(scratch.File("missing"), bytes));
    EXPECT_EQ(bytes, "kept");                             // a failed read leaves the caller's buffer alone
    EXPECT_FALSE(files.ReadFile(scratch.Path(), bytes));  // a folder is not a file
    EXPECT_FALSE(files.WriteFile(scratch.File("missing\\x"), "x"));
}

TEST(Win32FileSystem, ReplaceSwapsInTheNewFile) {
    ScratchFolder scratch;
    win32::Win32FileSystem files;
    const std::string target = scratch.File("TORVA.TVX");
    const std::string source = scratch.File("TORVA.TVX.new");
    ASSERT_TRUE(files.WriteFile(target, "old"));
    ASSERT_TRUE(files.WriteFile(source, "new"));
    ASSERT_TRUE(files.ReplaceFile(source, target));
    std::string read;
    ASSERT_TRUE(files.ReadFile(target, read));
    EXPECT_EQ(read, "new");
    EXPECT_FALSE(files.Exists(source));
    // No target yet: the source simply takes its name.
    const std::string fresh = scratch.File("fresh.TVX");
    ASSERT_TRUE(files.WriteFile(source, "first"));
    ASSERT_TRUE(files.ReplaceFile(source, fresh));
    ASSERT_TRUE(files.ReadFile(fresh, read));
    EXPECT_EQ(read, "first");
    // A missing source changes nothing.
    EXPECT_FALSE(files.ReplaceFile(scratch.File("missing"), target));
    ASSERT_TRUE(files.ReadFile(target, read));
    EXPECT_EQ(read, "new");
}

TEST(Win32FileSystem, DeleteAndCurrentFolder) {
    ScratchFolder scratch;
    win32::Win32FileSystem files;
    const std::string file = scratch.File("gone");
    ASSERT_TRUE(files.WriteFile(file, "x"));
    EXPECT_TRUE(files.DeleteFile(file));
    EXPECT_FALSE(files.Exists(file));
    EXPECT_FALSE(files.DeleteFile(file));

    const std::string before = files.CurrentFolder();
    ASSERT_FALSE(before.empty());
    ASSERT_TRUE(files.SetCurrentFolder(scratch.Path()));
    EXPECT_EQ(files.CurrentFolder(), scratch.Path());
    EXPECT_FALSE(files.SetCurrentFolder(scratch.File("missing")));
    EXPECT_FALSE(files.SetCurrentFolder(""));
    EXPECT_EQ(files.CurrentFolder(), scratch.Path());
    ASSERT_TRUE(files.SetCurrentFolder(before));
}

}  // namespace
}  // namespace torva::test
