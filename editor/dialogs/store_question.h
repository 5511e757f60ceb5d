#pragma once
// The question every definition dialog asks when a check of OK fails, and the walk through the
// failures that stops at the first one the user does not want stored.

#include <string>
#include <string_view>
#include <vector>

namespace torva::editor::dialogs {

inline constexpr std::string_view kStoreQuestion = "このまま格納しますか？";
inline constexpr std::string_view kQuestionTitle = "TVSETUP";

// The text of the Yes/No box for a failed check: the message, CR and the question.
inline std::string StoreQuestion(std::string_view message) {
    std::string text(message);
    text += '\r';
    text += kStoreQuestion;
    return text;
}

// Asks about each failure in order (confirm gets the box text and answers true for Yes). Returns the
// first failure answered No, or nullptr when every failure may be stored. Nothing is asked after a No.
template <typename Failure, typename Confirm>
const Failure* FirstRefused(const std::vector<Failure>& failures, Confirm&& confirm) {
    for (const Failure& failure : failures) {
        if (!confirm(StoreQuestion(failure.message))) return &failure;
    }
    return nullptr;
}

}  // namespace torva::editor::dialogs
