#include "rmsg/remote_message.h"

#include "common/run_error.h"

namespace torva::rmsg {

RemoteMessage ParseRemoteMessage(std::string_view arguments) {
    std::string_view text = arguments;
    if (!text.empty() && text.front() == '"') text.remove_prefix(1);
    if (!text.empty() && text.back() == '"') text.remove_suffix(1);
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) throw RunError(kErrInvalidCall, "message without a sender");
    RemoteMessage message;
    message.caption = std::string(text.substr(0, colon)) + " " + std::string(kCaptionSuffix);
    message.text = std::string(text.substr(colon + 1));
    return message;
}

}  // namespace torva::rmsg
