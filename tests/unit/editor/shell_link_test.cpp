#include "editor/shell_link.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "common/utf8.h"
#include "link_builder.h"

namespace torva::editor {
namespace {

using testing::BuildLink;
using testing::LinkSpec;
using testing::SetU32;
using testing::Utf16;

LinkSpec LocalNotepad() {
    LinkSpec s;
    s.idList = std::string(30, '\x07');
    s.linkInfo = true;
    s.localBase = "C:\\WINDOWS\\notepad.exe";
    s.strings = {{kLinkHasName, "Edit"},
                 {kLinkHasWorkingDir, "C:\\WINDOWS"},
                 {kLinkHasArguments, "/a b"},
                 {kLinkHasIconLocation, "C:\\WINDOWS\\system32\\shell32.dll"}};
    s.iconIndex = 7;
    return s;
}

TEST(ShellLink, ReadsAnsiLinkWithEveryPart) {
    const auto link = ParseShellLink(BuildLink(LocalNotepad()));
    ASSERT_TRUE(link);
    EXPECT_TRUE(link->hasLinkInfo);
    EXPECT_EQ(link->targetPath, "C:\\WINDOWS\\notepad.exe");
    EXPECT_EQ(link->name, "Edit");
    EXPECT_EQ(link->relativePath, "");
    EXPECT_EQ(link->workingDir, "C:\\WINDOWS");
    EXPECT_EQ(link->arguments, "/a b");
    EXPECT_TRUE(link->hasIconLocation);
    EXPECT_EQ(link->iconLocation, "C:\\WINDOWS\\system32\\shell32.dll");
    EXPECT_EQ(link->iconIndex, 7);
}

TEST(ShellLink, DecodesShiftJisAndUnicodeTextsInFull) {
    LinkSpec s;
    s.linkInfo = true;
    s.localBase = "C:\\\x83\x5C\x83\x74\x83\x67\\a.exe";  // "C:\ソフト\a.exe": 0x5C trails a lead byte
    s.unicode = true;
    // "メモ" and an icon path with a character outside Shift-JIS (U+00E9).
    s.strings = {{kLinkHasName, Utf16(u"\u30E1\u30E2")}, {kLinkHasIconLocation, Utf16(u"C:\\caf\u00E9.ico")}};
    const auto link = ParseShellLink(BuildLink(s));
    ASSERT_TRUE(link);
    EXPECT_EQ(link->targetPath, "C:\\ソフト\\a.exe");
    EXPECT_EQ(link->name, "メモ");
    EXPECT_EQ(link->iconLocation, "C:\\café.ico");
}

TEST(ShellLink, PrefersUnicodeLocalBasePath) {
    LinkSpec s;
    s.linkInfo = true;
    s.localBase = "C:\\?.exe";
    s.localBaseUnicode = Utf16(u"C:\\\u00E9t\u00E9.exe");
    const auto link = ParseShellLink(BuildLink(s));
    ASSERT_TRUE(link);
    EXPECT_EQ(link->targetPath, "C:\\été.exe");
}

TEST(ShellLink, JoinsNetworkShareAndSuffix) {
    struct Case {
        std::string suffix;
        std::string expected;
    };
    for (const Case& c : {Case{"tools\\x.exe", "\\\\srv\\share\\tools\\x.exe"}, Case{"", "\\\\srv\\share"}}) {
        LinkSpec s;
        s.linkInfo = true;
        s.network = true;
        s.netName = "\\\\srv\\share";
        s.suffix = c.suffix;
        const auto link = ParseShellLink(BuildLink(s));
        ASSERT_TRUE(link) << c.suffix;
        EXPECT_EQ(link->targetPath, c.expected);
    }
}

TEST(ShellLink, LinkWithoutLinkInfoKeepsItsStrings) {
    LinkSpec s;
    s.idList = "\x02\x00\x00\x00";
    s.strings = {{kLinkHasRelativePath, "..\\a.txt"}, {kLinkHasIconLocation, "x.ico"}};
    const auto link = ParseShellLink(BuildLink(s));
    ASSERT_TRUE(link);
    EXPECT_FALSE(link->hasLinkInfo);
    EXPECT_EQ(link->targetPath, "");
    EXPECT_EQ(link->relativePath, "..\\a.txt");
    EXPECT_EQ(link->iconLocation, "x.ico");
}

// Every proper prefix of a link lacks a part its flags announce, so none may parse (nor read past
// its end, which the sanitizers watch).
TEST(ShellLink, EveryTruncationIsRefused) {
    LinkSpec unicode = LocalNotepad();
    unicode.unicode = true;
    for (auto& str : unicode.strings)
        str.second = Utf16(std::u16string(str.second.begin(), str.second.end()));
    LinkSpec network;
    network.linkInfo = true;
    network.network = true;
    network.netName = "\\\\s\\x";
    network.suffix = "a.exe";
    for (const LinkSpec& wanted : {LocalNotepad(), unicode, network}) {
        const std::string full = BuildLink(wanted);
        ASSERT_TRUE(ParseShellLink(full));
        for (std::size_t n = 0; n < full.size(); ++n) {
            EXPECT_FALSE(ParseShellLink(full.substr(0, n))) << "prefix of " << n << " bytes";
        }
    }
}

TEST(ShellLink, RefusesHostileHeadersAndOffsets) {
    const std::string good = BuildLink(LocalNotepad());
    const std::size_t linkInfoAt = 0x4C + 2 + 30;
    struct Case {
        const char* what;
        std::size_t at;
        uint32_t value;
    };
    const Case cases[] = {
        {"header size", 0, 0x4D},
        {"class id", 4, 0xDEADBEEF},
        {"id list size beyond the end", 0x4C, 0xFFFF},
        {"link info size beyond the end", linkInfoAt, 0x7FFFFFFF},
        {"link info size below its header", linkInfoAt, 8},
        {"link info header size beyond the block", linkInfoAt + 4, 0x10000},
        {"link info header size too small", linkInfoAt + 4, 4},
        {"local base path outside the block", linkInfoAt + 16, 0xFFFFFFF0},
        {"suffix outside the block", linkInfoAt + 24, 0x80000000},
    };
    for (const Case& c : cases) {
        std::string bad = good;
        if (std::string_view(c.what) == "id list size beyond the end") {
            bad[c.at] = '\xFF';
            bad[c.at + 1] = '\xFF';
        } else {
            SetU32(bad, c.at, c.value);
        }
        EXPECT_FALSE(ParseShellLink(bad)) << c.what;
    }
}

TEST(ShellLink, RefusesStringsWithoutTerminator) {
    LinkSpec s;
    s.linkInfo = true;
    s.localBase = "C:\\a.exe";
    std::string bytes = BuildLink(s);
    // Overwrite every zero of the link information after its header: no string ends any more.
    const std::size_t at = 0x4C;
    for (std::size_t i = at + 0x1C + 0x11; i < bytes.size(); ++i) {
        if (bytes[i] == '\0') bytes[i] = 'x';
    }
    EXPECT_FALSE(ParseShellLink(bytes));
}

TEST(ShellLink, NetworkBlockSizeMustFitItsLinkInfo) {
    LinkSpec s;
    s.linkInfo = true;
    s.network = true;
    s.netName = "\\\\s\\x";
    std::string bytes = BuildLink(s);
    const std::size_t networkAt = 0x4C + 0x1C;
    for (uint32_t size : {0u, 0x13u, 0x1000u}) {
        std::string bad = bytes;
        SetU32(bad, networkAt, size);
        EXPECT_FALSE(ParseShellLink(bad)) << size;
    }
}

// Shortcuts saved by the shell's own link interface under Wine (see tests/e2e/editor for how they
// are made): the reader must find what the shell stored.
std::string ReadData(const std::string& name) {
    std::ifstream in(std::string(TORVA_EDITOR_TEST_DATA) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ShellLink, ReadsShortcutsSavedByTheShell) {
    const std::string bytes = ReadData("notepad_icon.lnk");
    ASSERT_FALSE(bytes.empty());
    const auto link = ParseShellLink(bytes);
    ASSERT_TRUE(link);
    EXPECT_TRUE(link->hasLinkInfo);
    EXPECT_EQ(UpperLetters(link->targetPath), "C:\\WINDOWS\\SYSTEM32\\NOTEPAD.EXE");
    EXPECT_TRUE(link->hasIconLocation);
    EXPECT_EQ(UpperLetters(link->iconLocation), "C:\\WINDOWS\\SYSTEM32\\SHELL32.DLL");
    EXPECT_EQ(link->iconIndex, 3);
    EXPECT_EQ(link->arguments, "/p readme.txt");
    EXPECT_EQ(link->workingDir, "C:\\windows");

    // The shell appends extra data blocks that the reader skips: there is one length T from which on
    // every prefix reads as the whole file, and every shorter prefix is refused.
    std::size_t threshold = bytes.size();
    while (threshold > 0 && ParseShellLink(bytes.substr(0, threshold - 1))) --threshold;
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        const auto cut = ParseShellLink(bytes.substr(0, n));
        ASSERT_EQ(cut.has_value(), n >= threshold) << n;
        if (cut) {
            EXPECT_EQ(cut->targetPath, link->targetPath) << n;
        }
    }
    // Times, sizes and show flags of the header do not move any part.
    for (std::size_t i = 28; i < 56; ++i) {
        std::string changed = bytes;
        changed[i] = static_cast<char>(changed[i] ^ 0xA5);
        const auto other = ParseShellLink(changed);
        ASSERT_TRUE(other) << i;
        EXPECT_EQ(other->iconLocation, link->iconLocation) << i;
    }
}

TEST(ShellLink, ReadsFolderShortcutWithoutIcon) {
    const auto link = ParseShellLink(ReadData("folder.lnk"));
    ASSERT_TRUE(link);
    EXPECT_TRUE(link->hasLinkInfo);
    EXPECT_EQ(UpperLetters(link->targetPath), "C:\\USERS\\PUBLIC\\TOOLS");
    EXPECT_FALSE(link->hasIconLocation);
    EXPECT_EQ(link->iconLocation, "");
}

}  // namespace
}  // namespace torva::editor
