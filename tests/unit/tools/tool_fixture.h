#pragma once
// Tvtool commands run on a fake machine: a definition folder, Tvtool's folder, Windows and System.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "common/cp932.h"
#include "tests/support/fake_file_system.h"
#include "tools/tool_commands.h"

namespace torva::tools {

class ToolTest : public ::testing::Test {
  protected:
    ToolTest() {
        for (const char* folder :
             {"C:\\MENU", "C:\\TOOLS", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32", "C:\\OTHER"})
            files.AddFolder(folder);
        files.AddFile("C:\\WINDOWS\\SYSTEM32\\CMD.EXE");
        files.AddFile("C:\\TOOLS\\TVTOOL.EXE");
    }

    int Run(std::vector<std::string> args) {
        out.str({});
        err.str({});
        ToolEnvironment environment{
            files,
            "C:\\TOOLS",
            "C:\\WINDOWS",
            "C:\\WINDOWS\\SYSTEM32",
            [](const std::string& p) { return p.find(':') == 1 ? p : "C:\\MENU\\" + p; },
            out,
            err};
        return RunTool(args, environment);
    }

    void File(const std::string& path, const std::string& utf8) { files.AddFile(path, Utf8ToCp932(utf8)); }

    testing::FakeFileSystem files;
    std::ostringstream out;
    std::ostringstream err;
};

}  // namespace torva::tools
