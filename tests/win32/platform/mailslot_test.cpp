// Mailslot round trips through the real API: the runtime's receiver and the senders' one write.
#include <gtest/gtest.h>

#include "common/cp932.h"
#include "platform/win32/mailslots.h"
#include "tests/win32/platform/test_support.h"

namespace torva::test {
namespace {

TEST(Win32Mailslots, MessagesArriveWholeAndInOrder) {
    win32::Win32Mailslots slots;
    const std::string name = UniqueName("TORVATEST");
    auto open = slots.Create(name);
    ASSERT_TRUE(open.receiver);
    EXPECT_FALSE(open.alreadyExists);

    auto idle = open.receiver->Poll();
    ASSERT_TRUE(idle);
    EXPECT_EQ(idle->nextSize, platform::MailslotInfo::kNoMessage);
    EXPECT_EQ(idle->messageCount, 0u);

    // Shift-JIS bytes with 0x5C trailing bytes must come through untouched.
    const std::string first = Utf8ToCp932("PC01\x01表示ソフト\\テスト");
    const std::string second = "2 12";
    ASSERT_TRUE(slots.Write(".", name, first));
    ASSERT_TRUE(slots.Write(".", name, second));

    auto info = open.receiver->Poll();
    ASSERT_TRUE(info);
    // Windows counts both messages; Wine only tells whether one is waiting.
    EXPECT_GE(info->messageCount, 1u);
    EXPECT_LE(info->messageCount, 2u);
    EXPECT_EQ(info->nextSize, first.size());
    EXPECT_EQ(open.receiver->Read(info->nextSize), first);

    info = open.receiver->Poll();
    ASSERT_TRUE(info);
    EXPECT_EQ(info->messageCount, 1u);
    EXPECT_EQ(info->nextSize, second.size());
    EXPECT_EQ(open.receiver->Read(info->nextSize), second);

    info = open.receiver->Poll();
    ASSERT_TRUE(info);
    EXPECT_EQ(info->nextSize, platform::MailslotInfo::kNoMessage);
    EXPECT_EQ(info->messageCount, 0u);
    EXPECT_FALSE(open.receiver->Read(platform::MailslotInfo::kNoMessage));
}

TEST(Win32Mailslots, SecondCreateReportsAlreadyExistsUntilTheFirstCloses) {
    win32::Win32Mailslots slots;
    const std::string name = UniqueName("TORVATEST");
    auto first = slots.Create(name);
    ASSERT_TRUE(first.receiver);
    auto second = slots.Create(name);
    EXPECT_FALSE(second.receiver);
    EXPECT_TRUE(second.alreadyExists);
    first.receiver.reset();  // the handle closes with its owner
    auto third = slots.Create(name);
    EXPECT_TRUE(third.receiver);
    EXPECT_FALSE(third.alreadyExists);
}

TEST(Win32Mailslots, WritingToNoReceiverFails) {
    win32::Win32Mailslots slots;
    EXPECT_FALSE(slots.Write(".", UniqueName("TORVANOBODY"), "x"));
    const std::string name = UniqueName("TORVATEST");
    {
        auto open = slots.Create(name);
        ASSERT_TRUE(open.receiver);
        EXPECT_TRUE(slots.Write(".", name, "x"));
    }
    EXPECT_FALSE(slots.Write(".", name, "x"));  // the receiver is gone
}

}  // namespace
}  // namespace torva::test
