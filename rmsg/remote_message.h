#pragma once
// The one received message that the viewer shows: sender + ":" + text on its command line.

#include <string>
#include <string_view>

namespace torva::rmsg {

// Follows the sender's name in the caption; it starts with a blank of its own.
inline constexpr std::string_view kCaptionSuffix = " からﾒｯｾｰｼﾞを受信しました。";
inline constexpr std::string_view kFailureMessage = "リモートメッセージの表示に失敗しました。";
inline constexpr int kStartErrorCode = 999;

struct RemoteMessage {
    std::string caption;  // sender + " " + kCaptionSuffix
    std::string text;     // everything after the first ":" (later colons belong to the text)
};

// A leading and a trailing double quote are dropped, each on its own. A text without ":" has no
// sender and raises RunError(kErrInvalidCall).
RemoteMessage ParseRemoteMessage(std::string_view arguments);

}  // namespace torva::rmsg
