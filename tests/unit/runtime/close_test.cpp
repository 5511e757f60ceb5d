#include <gtest/gtest.h>

#include "runtime/close_logic.h"

namespace torva::runtime {
namespace {

TEST(Close, ReasonsAndTheNoControlOption) {
    struct Row {
        CloseReason reason;
        bool nctl;
        bool refuse;
        bool endPrograms;
    };
    for (const Row r : {Row{CloseReason::User, false, false, true}, Row{CloseReason::User, true, true, false},
                        Row{CloseReason::EndProgramsRun, false, false, false},
                        Row{CloseReason::EndProgramsRun, true, false, false},
                        Row{CloseReason::ProgramCommand, false, false, true},
                        Row{CloseReason::ProgramCommand, true, false, true}}) {
        const CloseDecision d = DecideClose(r.reason, r.nctl);
        EXPECT_EQ(d.refuse, r.refuse) << static_cast<int>(r.reason) << r.nctl;
        EXPECT_EQ(d.runEndPrograms, r.endPrograms) << static_cast<int>(r.reason) << r.nctl;
    }
}

}  // namespace
}  // namespace torva::runtime
