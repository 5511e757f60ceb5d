#include "rmsg/remote_message.h"

#include <gtest/gtest.h>

#include "common/run_error.h"
#include "rmsg/layout.h"

namespace torva::rmsg {
namespace {

struct MessageCase {
    const char* arguments;
    const char* sender;
    const char* text;
};

class RemoteMessageParse : public testing::TestWithParam<MessageCase> {};

TEST_P(RemoteMessageParse, SplitsAtTheFirstColon) {
    const auto& c = GetParam();
    const RemoteMessage m = ParseRemoteMessage(c.arguments);
    EXPECT_EQ(m.caption, std::string(c.sender) + "  からﾒｯｾｰｼﾞを受信しました。");
    EXPECT_EQ(m.text, c.text);
}

INSTANTIATE_TEST_SUITE_P(Forms, RemoteMessageParse,
                         testing::Values(MessageCase{"PC01:会議は15時からです", "PC01", "会議は15時からです"},
                                         MessageCase{"PC01:time 12:30:00", "PC01", "time 12:30:00"},
                                         MessageCase{"PC01:", "PC01", ""}, MessageCase{":text", "", "text"},
                                         MessageCase{"\"PC01:quoted\"", "PC01", "quoted"},
                                         MessageCase{"\"PC01:say \"hi\"\"", "PC01", "say \"hi\""},
                                         MessageCase{"PC01:\"", "PC01", ""},
                                         MessageCase{"\"PC01:", "PC01", ""},
                                         MessageCase{" PC01 : x ", " PC01 ", " x "}));

TEST(RemoteMessage, WithoutColonIsAnInvalidCall) {
    for (const char* bad : {"", "\"", "\"\"", "PC01 no colon", "\"PC01\""}) {
        try {
            (void)ParseRemoteMessage(bad);
            ADD_FAILURE() << "accepted: " << bad;
        } catch (const RunError& e) {
            EXPECT_EQ(e.number(), kErrInvalidCall) << bad;
        }
    }
}

TEST(RmsgLayout, TwipsTableAtStandardDpi) {
    EXPECT_EQ(TwipsToPixels(kClientWidth, 96), 377);
    EXPECT_EQ(TwipsToPixels(kClientHeight, 96), 126);
    EXPECT_EQ(ToPixels(kFrame1, 96), (PixelRect{0, 0, 369, 93}));
    EXPECT_EQ(ToPixels(MsgInClient(), 96), (PixelRect{4, 12, 361, 77}));
    EXPECT_EQ(ToPixels(kOk, 96), (PixelRect{156, 100, 65, 21}));
    EXPECT_EQ(FontHeightPixels(kMsgFontHundredths, 96), -13);
}

TEST(RmsgLayout, ScalesAndRoundsAtOtherDpi) {
    EXPECT_EQ(TwipsToPixels(1440, 120), 120);
    EXPECT_EQ(TwipsToPixels(5655, 120), 471);  // 471.25
    EXPECT_EQ(TwipsToPixels(7, 96), 0);        // 0.47
    EXPECT_EQ(TwipsToPixels(8, 96), 1);        // 0.53
    EXPECT_EQ(TwipsToPixels(-8, 96), -1);
    EXPECT_EQ(FontHeightPixels(975, 144), -20);  // 19.5 rounds away from zero
    EXPECT_EQ(CentredOrigin(1280, 383), 448);
    EXPECT_EQ(CentredOrigin(300, 383), -41);
}

}  // namespace
}  // namespace torva::rmsg
