#include "script/command_line.h"

#include <gtest/gtest.h>

#include "common/run_error.h"

namespace torva::script {
namespace {

TEST(RunnerCommandLine, Forms) {
    struct Case {
        const char* commandLine;
        bool empty;
        int32_t window;
        const char* path;
    };
    const Case cases[] = {
        {"C:\\MENU\\DAILY.TVS", false, 0, "C:\\MENU\\DAILY.TVS"},
        {"\"C:\\MENU FILES\\A.TVS\"", false, 0, "C:\\MENU FILES\\A.TVS"},
        {"\"C:\\MENU FILES\\A.TVS", false, 0, "C:\\MENU FILES\\A.TVS"},
        {"C:\\MENU FILES\\A.TVS\"", false, 0, "C:\\MENU FILES\\A.TVS"},
        {"DAILY.TVS", false, 0, "C:\\TORVA\\DAILY.TVS"},
        {"SUB\\DAILY.TVS", false, 0, "C:\\TORVA\\SUB\\DAILY.TVS"},
        {"\\\\SERVER\\SHARE\\A.TVS", false, 0, "\\\\SERVER\\SHARE\\A.TVS"},
        {"|TORVA|0001A2B4|C:\\MENU\\DAILY.TVS", false, 0x0001A2B4, "C:\\MENU\\DAILY.TVS"},
        {"|TORVA|00000000|C:\\MENU\\DAILY.TVS", false, 0, "C:\\MENU\\DAILY.TVS"},
        {"|TORVA|0001a2b4|DAILY.TVS", false, 0x0001A2B4, "C:\\TORVA\\DAILY.TVS"},
        {"\"|TORVA|0000FFFF|C:\\A B\\X.TVS\"", false, 0xFFFF, "C:\\A B\\X.TVS"},
        // The top digit carries the sign.
        {"|TORVA|FFFFFFFE|C:\\X.TVS", false, -2, "C:\\X.TVS"},
        // The marker is exact in case; otherwise it is part of a (relative) path.
        {"|torva|0001A2B4|C:\\X.TVS", false, 0, "C:\\TORVA\\|torva|0001A2B4|C:\\X.TVS"},
        {"", true, 0, ""},
        {"   ", true, 0, ""},
        {"\"\"", true, 0, ""},
        {"\"", true, 0, ""},
        {"|TORVA|0001A2B4|", true, 0, ""},
        {"|TORVA|0001A2B4|   ", true, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.commandLine);
        const RunnerCommandLine parsed = ParseRunnerCommandLine(c.commandLine, "C:\\TORVA");
        EXPECT_EQ(parsed.empty, c.empty);
        if (c.empty) continue;
        EXPECT_EQ(parsed.callerWindow, c.window);
        EXPECT_EQ(parsed.scriptPath, c.path);
    }
}

TEST(RunnerCommandLine, MalformedWindowNumberIsAFailure) {
    for (const char* commandLine :
         {"|TORVA|0001G2B4|C:\\X.TVS", "|TORVA|12", "|TORVA|", "|TORVA| 001A2B4|X.TVS"}) {
        SCOPED_TRACE(commandLine);
        try {
            ParseRunnerCommandLine(commandLine, "C:\\TORVA");
            ADD_FAILURE() << "accepted";
        } catch (const RunError& e) {
            EXPECT_EQ(e.number(), kErrTypeMismatch);
        }
    }
}

}  // namespace
}  // namespace torva::script
