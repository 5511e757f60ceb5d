#pragma once
// Tvtool commands run on a fake machine: a definition folder, Tvtool's folder, Windows and System.

#include <gtest/gtest.h>

#include <map>
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
        files.AddFolders({"C:\\MENU", "C:\\TOOLS", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32", "C:\\OTHER"});
        files.AddFile("C:\\WINDOWS\\SYSTEM32\\CMD.EXE");
        files.AddFile("C:\\TOOLS\\TVTOOL.EXE");
    }

    // rendering: what Tvtool render draws with (none: the command reports it cannot draw).
    int Run(std::vector<std::string> args, PageRendering* rendering = nullptr) {
        out.str({});
        err.str({});
        ToolEnvironment environment{
            files,
            "C:\\TOOLS",
            "C:\\WINDOWS",
            "C:\\WINDOWS\\SYSTEM32",
            [](const std::string& p) { return p.find(':') == 1 ? p : "C:\\MENU\\" + p; },
            out,
            err,
            rendering,
            [this](const std::string& path) {
                if (const auto it = special.find(path); it != special.end()) return it->second;
                SourceFacts facts;
                if (files.Has(path)) {
                    facts.kind =
                        files.IsFolder(path) ? SourceFacts::Kind::Folder : SourceFacts::Kind::Regular;
                    if (!files.IsFolder(path)) facts.size = files.Content(path).size();
                }
                return facts;
            }};
        return RunTool(args, environment);
    }

    void File(const std::string& path, const std::string& utf8) { files.AddFile(path, Utf8ToCp932(utf8)); }

    testing::FakeFileSystem files;
    std::map<std::string, SourceFacts> special;  // paths that are pipes, devices or huge files
    std::ostringstream out;
    std::ostringstream err;
};

}  // namespace torva::tools
