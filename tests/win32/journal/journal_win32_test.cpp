#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "journal/win32/win32_journal.h"
#include "platform/win32/append_file.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide.h"
#include "tests/win32/platform/test_support.h"

namespace torva::win32 {
namespace {

constexpr const char* kChildVariable = "TORVA_JOURNAL_TEST_CHILD";
constexpr int kLinesPerWriter = 150;

// Lines of very different lengths, so that a write split in two would show as a broken line.
std::string LineOf(const std::string& writer, int n) {
    const std::size_t padding = static_cast<std::size_t>((n * 997) % 3000);
    return "{\"writer\":\"" + writer + "\",\"n\":" + std::to_string(n) + ",\"pad\":\"" +
           std::string(padding, static_cast<char>('a' + n % 26)) + "\"}\n";
}

std::string ReadAll(const std::string& path) {
    return e2e::ReadBytes(path).value_or("");
}

// Every line is one of the writers' lines, whole, and each writer's lines are all there.
void ExpectWholeLines(const std::string& text, const std::vector<std::string>& writers) {
    std::map<std::string, int> expected;
    for (const auto& w : writers)
        for (int n = 0; n < kLinesPerWriter; ++n) ++expected[LineOf(w, n)];
    std::size_t pos = 0;
    std::size_t broken = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find('\n', pos);
        const std::string line =
            text.substr(pos, end == std::string::npos ? std::string::npos : end - pos + 1);
        pos = end == std::string::npos ? text.size() : end + 1;
        const auto it = expected.find(line);
        if (it == expected.end() || it->second == 0) {
            ++broken;
        } else {
            --it->second;
        }
    }
    EXPECT_EQ(broken, 0u);
    for (const auto& [line, left] : expected) EXPECT_EQ(left, 0) << line.substr(0, 40);
}

// Run as a child process by the test below: appends its share of lines and ends.
TEST(JournalAppendChild, AppendsItsLines) {
    const std::string task = EnvironmentValue(kChildVariable);
    if (task.empty()) GTEST_SKIP() << "only run as a child of the concurrent-process test";
    const auto bar = task.find('|');
    const std::string path = task.substr(0, bar);
    const std::string writer = task.substr(bar + 1);
    for (int n = 0; n < kLinesPerWriter; ++n) ASSERT_TRUE(AppendJournalLine(path, LineOf(writer, n)));
}

TEST(JournalAppend, ThreadsWritingAtOnceLeaveWholeLines) {
    test::ScratchFolder scratch;
    const std::string path = scratch.File("threads.jsonl");
    std::vector<std::string> writers;
    for (int t = 0; t < 6; ++t) writers.push_back("thread" + std::to_string(t));
    std::vector<std::thread> threads;
    std::vector<int> failures(writers.size(), 0);
    for (std::size_t t = 0; t < writers.size(); ++t)
        threads.emplace_back([&, t] {
            for (int n = 0; n < kLinesPerWriter; ++n)
                if (!AppendJournalLine(path, LineOf(writers[t], n))) ++failures[t];
        });
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(std::count(failures.begin(), failures.end(), 0), static_cast<long>(writers.size()));
    ExpectWholeLines(ReadAll(path), writers);
}

TEST(JournalAppend, ProcessesWritingAtOnceLeaveWholeLines) {
    test::ScratchFolder scratch;
    const std::string path = scratch.File("processes.jsonl");
    wchar_t self[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
    std::vector<std::string> writers;
    std::vector<UniqueKernelHandle> children;
    for (int p = 0; p < 4; ++p) {
        writers.push_back("process" + std::to_string(p));
        test::ScopedEnvironment child(kChildVariable, path + "|" + writers.back());
        std::wstring line = L"\"" + std::wstring(self) + L"\" --gtest_filter=JournalAppendChild.*";
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        ASSERT_TRUE(
            CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
        UniqueKernelHandle thread(pi.hThread);
        children.emplace_back(pi.hProcess);
    }
    for (const auto& child : children) {
        ASSERT_EQ(WaitForSingleObject(child.get(), 120000), WAIT_OBJECT_0);
        DWORD code = 1;
        GetExitCodeProcess(child.get(), &code);
        EXPECT_EQ(code, 0u);
    }
    ExpectWholeLines(ReadAll(path), writers);
}

TEST(JournalAppend, UnwritableJournalsFailWithoutHarm) {
    test::ScratchFolder scratch;
    const std::string readOnly = scratch.File("read-only.jsonl");
    ASSERT_TRUE(AppendJournalLine(readOnly, "first\n"));
    ASSERT_TRUE(SetFileAttributesW(Wide(readOnly).c_str(), FILE_ATTRIBUTE_READONLY));
    // Windows refuses the write. Wine leaves it to the file's owner rights, which do not bind a
    // superuser: there the line is written, and whole.
    const bool written = AppendJournalLine(readOnly, "second\n");
    EXPECT_EQ(ReadAll(readOnly), written ? "first\nsecond\n" : "first\n");
    SetFileAttributesW(Wide(readOnly).c_str(), FILE_ATTRIBUTE_NORMAL);

    EXPECT_FALSE(AppendJournalLine(scratch.File("no such folder\\j.jsonl"), "x\n"));
    EXPECT_FALSE(AppendJournalLine(scratch.Path(), "x\n"));  // a folder
    EXPECT_FALSE(AppendJournalLine("", "x\n"));

    // Held shut by another program: given up after a few attempts, written once it is free again.
    const std::string locked = scratch.File("locked.jsonl");
    {
        UniqueFileHandle holder(CreateFileW(Wide(locked).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                            CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(holder);
        EXPECT_FALSE(AppendJournalLine(locked, "x\n"));
    }
    EXPECT_TRUE(AppendJournalLine(locked, "y\n"));
    EXPECT_EQ(ReadAll(locked), "y\n");
}

// The policy as an administrator sets it, read back through the real registry.
class JournalPolicyTest : public ::testing::Test {
  protected:
    void TearDown() override {
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
            RegDeleteKeyValueW(root, L"Software\\Policies\\Torva", L"LaunchJournal");
    }
    static void Set(HKEY root, const wchar_t* value) {
        ASSERT_EQ(RegSetKeyValueW(root, L"Software\\Policies\\Torva", L"LaunchJournal", REG_SZ, value,
                                  static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }
};

TEST_F(JournalPolicyTest, MachinePolicyWinsOverTheUsers) {
    Win32JournalEnvironment environment;
    TearDown();
    EXPECT_EQ(environment.PolicyPath(), "");
    Set(HKEY_CURRENT_USER, L"C:\\user\\日誌.jsonl");
    EXPECT_EQ(environment.PolicyPath(), "C:\\user\\日誌.jsonl");
    Set(HKEY_LOCAL_MACHINE, L"\\\\server\\logs\\launch.jsonl");
    EXPECT_EQ(environment.PolicyPath(), "\\\\server\\logs\\launch.jsonl");
}

TEST(JournalEnvironmentTest, NamesAndClocksAreThoseOfTheSystem) {
    Win32JournalEnvironment environment;
    // Wine's name key can be missing while its start-up runs; the host name stands in then.
    wchar_t computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    EXPECT_FALSE(environment.ComputerName().empty());
    EXPECT_LE(environment.ComputerName().size(), std::size_t{MAX_COMPUTERNAME_LENGTH});
    if (GetComputerNameW(computer, &size)) {
        EXPECT_EQ(environment.ComputerName(), Narrow(computer));
    }
    EXPECT_FALSE(environment.UserName().empty());
    EXPECT_EQ(environment.UserName().find('\0'), std::string::npos);
    SYSTEMTIME now{};
    GetSystemTime(&now);
    const std::string today = journal::FormatUtc(environment.UtcNowMs()).substr(0, 4);
    EXPECT_EQ(today, std::to_string(now.wYear));
    EXPECT_EQ(environment.ProcessId(), GetCurrentProcessId());
}

// The name's volatile key taken away for a moment, as while Wine's start-up still writes it.
TEST(JournalEnvironmentTest, ComputerNameOutlivesAMissingNameKey) {
    const wchar_t* key = L"System\\CurrentControlSet\\Control\\ComputerName\\ActiveComputerName";
    wchar_t saved[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD bytes = sizeof(saved);
    ASSERT_EQ(RegGetValueW(HKEY_LOCAL_MACHINE, key, L"ComputerName", RRF_RT_REG_SZ, nullptr, saved, &bytes),
              ERROR_SUCCESS);
    if (RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, key, L"ComputerName") != ERROR_SUCCESS)
        GTEST_SKIP() << "the name key cannot be changed here";
    const std::string name = Win32JournalEnvironment().ComputerName();
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, key, L"ComputerName", REG_SZ, saved, bytes);
    EXPECT_EQ(name, Narrow(saved));
}

}  // namespace
}  // namespace torva::win32
