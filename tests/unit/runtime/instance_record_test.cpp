#include "runtime/instance_record.h"

#include <gtest/gtest.h>

namespace torva::runtime {
namespace {

TEST(InstanceRecord, OnlyRealOtherProcessIdsAreLookedFor) {
    struct Row {
        const char* text;
        std::optional<uint32_t> pid;
    };
    for (const Row& r :
         {Row{"0", std::nullopt}, Row{"", std::nullopt}, Row{"abc", std::nullopt}, Row{"-12", std::nullopt},
          Row{"4294967296", std::nullopt}, Row{"1234", 1234u}, Row{" 1234", 1234u}, Row{"1234abc", 1234u},
          Row{"4294967295", 4294967295u}, Row{"77", std::nullopt}}) {
        EXPECT_EQ(RecordedInstance(r.text, 77), r.pid) << "'" << r.text << "'";
    }
}

}  // namespace
}  // namespace torva::runtime
