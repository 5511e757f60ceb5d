#include "runtime/activation/mailslot_message.h"

#include "runtime/activation/running_list.h"

namespace torva::activation {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string TwoDigits(int value) {
    return std::string{static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

}  // namespace

MailslotMessage DecodeMailslotMessage(std::string_view message) {
    if (message.substr(0, kTextMessageMarker.size()) == kTextMessageMarker) {
        return TextMessage{std::string(message.substr(kTextMessageMarker.size()))};
    }
    if (message.size() != 4) return IgnoredMessage{};
    for (const char c : message) {
        if (!IsDigit(c)) return IgnoredMessage{};
    }
    const int page = (message[0] - '0') * 10 + (message[1] - '0');
    const int button = (message[2] - '0') * 10 + (message[3] - '0');
    if (!IsValidPage(page) || !IsValidButton(button)) return IgnoredMessage{};
    return RemotePress{page, button};
}

std::string EncodeTextMessage(std::string_view senderComputer, std::string_view text) {
    std::string out(kTextMessageMarker);
    out += senderComputer;
    out += ':';
    out += text;
    return out;
}

std::optional<std::string> EncodeRemotePress(int page, int button) {
    if (page < 0 || page > 99 || button < 0 || button > 99) return std::nullopt;
    return TwoDigits(page) + TwoDigits(button);
}

}  // namespace torva::activation
