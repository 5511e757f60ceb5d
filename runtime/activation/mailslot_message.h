#pragma once
// Wire format of the menu's mailslot. One write is one message, text in the sender's ANSI code page,
// no terminator. "9999" + sender computer + ":" + text is a text message; exactly four digits, page
// then button, is a remote press. Texts here are UTF-8; the code page is applied at the edge.

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace torva::activation {

inline constexpr std::string_view kMailslotName = "TORVAMS";
inline constexpr std::string_view kTextMessageMarker = "9999";
inline constexpr unsigned kMailslotPollIntervalMs = 1500;

struct TextMessage {
    std::string senderAndText;  // the message without its marker: what the viewer is started with
};

struct RemotePress {
    int page = 0;    // 1..99
    int button = 0;  // 1..24
};

// A message that is neither: not four digits, or a page or button outside the model's limits.
// Such a message is dropped so that a stray or hostile sender cannot reach data outside the model.
struct IgnoredMessage {};

using MailslotMessage = std::variant<TextMessage, RemotePress, IgnoredMessage>;

MailslotMessage DecodeMailslotMessage(std::string_view message);

std::string EncodeTextMessage(std::string_view senderComputer, std::string_view text);

// Two digits each; nothing when page or button cannot be written in two digits.
std::optional<std::string> EncodeRemotePress(int page, int button);

}  // namespace torva::activation
