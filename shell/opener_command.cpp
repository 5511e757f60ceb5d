#include "shell/opener_command.h"

#include "common/utf8.h"

namespace torva::shell {

std::string_view StripOuterQuotes(std::string_view text) {
    if (!text.empty() && text.front() == '"') text.remove_prefix(1);
    if (!text.empty() && text.back() == '"') text.remove_suffix(1);
    return text;
}

OpenerRequest ParseOpenerCommand(std::string_view arguments, std::string_view ownFolder) {
    const std::string_view text = StripOuterQuotes(arguments);
    OpenerRequest request;
    if (text == kRegisterMarker) {
        request.registerAssociations = true;
        return request;
    }
    // The first character is never looked at: callers always put "<" there, and a ">" in that
    // place is part of the document rather than the end of an empty folder.
    const std::size_t close = text.size() > 1 ? text.find('>', 1) : std::string_view::npos;
    if (close != std::string_view::npos && close >= 2) {
        request.workFolder = std::string(text.substr(1, close - 1));
        request.document = TrimBlanks(text.substr(close + 1));
    } else {
        request.workFolder = std::string(ownFolder);
        request.document = TrimBlanks(close == std::string_view::npos ? text : text.substr(close + 1));
    }
    return request;
}

}  // namespace torva::shell
