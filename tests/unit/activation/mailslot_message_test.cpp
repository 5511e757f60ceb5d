#include "runtime/activation/mailslot_message.h"

#include <gtest/gtest.h>

namespace torva::activation {
namespace {

struct DecodeCase {
    const char* wire;
    int page;  // 0: not a press
    int button;
    const char* text;  // non-null: a text message with this rest
};

TEST(MailslotDecode, TellsTheKindsApartAndDropsWhatFallsOutsideTheModel) {
    const DecodeCase cases[] = {
        {"0312", 3, 12, nullptr},
        {"0101", 1, 1, nullptr},
        {"9924", 99, 24, nullptr},
        {"9999PC02:hello", 0, 0, "PC02:hello"},
        {"9999PC02:a:b:c", 0, 0, "PC02:a:b:c"},  // the text keeps its colons
        {"9999", 0, 0, ""},                      // marker only: the viewer gets an empty argument
        {"9999PC02:", 0, 0, "PC02:"},
        // Not four digits, or outside pages 1..99 and buttons 1..24: ignored.
        {"", 0, 0, nullptr},
        {"031", 0, 0, nullptr},
        {"03120", 0, 0, nullptr},
        {"03a2", 0, 0, nullptr},
        {" 312", 0, 0, nullptr},
        {"-312", 0, 0, nullptr},
        {"0012", 0, 0, nullptr},
        {"0300", 0, 0, nullptr},
        {"0325", 0, 0, nullptr},
        {"9925", 0, 0, nullptr},
        {"999", 0, 0, nullptr},
        {"０３１２", 0, 0, nullptr},  // full-width digits are no digits
    };
    for (const DecodeCase& c : cases) {
        const MailslotMessage m = DecodeMailslotMessage(c.wire);
        if (c.text) {
            const auto* t = std::get_if<TextMessage>(&m);
            ASSERT_NE(t, nullptr) << c.wire;
            EXPECT_EQ(t->senderAndText, c.text);
        } else if (c.page) {
            const auto* p = std::get_if<RemotePress>(&m);
            ASSERT_NE(p, nullptr) << c.wire;
            EXPECT_EQ(p->page, c.page);
            EXPECT_EQ(p->button, c.button);
        } else {
            EXPECT_TRUE(std::holds_alternative<IgnoredMessage>(m)) << "'" << c.wire << "'";
        }
    }
}

TEST(MailslotEncode, RoundTripsThroughTheDecoder) {
    EXPECT_EQ(EncodeTextMessage("PC01", "会議は10:00から"), "9999PC01:会議は10:00から");
    EXPECT_EQ(EncodeRemotePress(3, 12), "0312");
    EXPECT_EQ(EncodeRemotePress(99, 1), "9901");
    EXPECT_FALSE(EncodeRemotePress(100, 1));
    EXPECT_FALSE(EncodeRemotePress(1, -1));
    for (int page = 1; page <= 99; page += 7) {
        for (int button = 1; button <= 24; button += 5) {
            const auto m = DecodeMailslotMessage(*EncodeRemotePress(page, button));
            const auto* p = std::get_if<RemotePress>(&m);
            ASSERT_NE(p, nullptr);
            EXPECT_EQ(p->page, page);
            EXPECT_EQ(p->button, button);
        }
    }
    const auto m = DecodeMailslotMessage(EncodeTextMessage("PC01", "x:y"));
    ASSERT_TRUE(std::holds_alternative<TextMessage>(m));
    EXPECT_EQ(std::get<TextMessage>(m).senderAndText, "PC01:x:y");
}

}  // namespace
}  // namespace torva::activation
