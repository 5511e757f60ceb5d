#pragma once
// The text a writer produces, appended through a pointer into a buffer grown ahead of it: a line makes
// room for its longest possible length once, and its pieces are then copied without a check each.

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace torva::definition {

// Which bytes a field keeps: free text goes between double quotes, so it cannot hold one, nor a line
// end; an unquoted field cannot hold a comma either.
using KeptBytes = std::array<bool, 256>;

constexpr KeptBytes MakeKeptBytes(bool unquoted) {
    KeptBytes keep{};
    for (std::size_t c = 0; c < keep.size(); ++c)
        keep[c] = c != '"' && c != '\r' && c != '\n' && !(unquoted && c == ',');
    return keep;
}

inline constexpr KeptBytes kQuotedKeeps = MakeKeptBytes(false);
inline constexpr KeptBytes kUnquotedKeeps = MakeKeptBytes(true);

class TextOut {
  public:
    explicit TextOut(std::size_t expected) : buffer_(std::max<std::size_t>(expected, 64), '\0') {
        p_ = buffer_.data();
    }

    // At least n more bytes may be put before the next call.
    void Room(std::size_t n) {
        if (static_cast<std::size_t>(buffer_.data() + buffer_.size() - p_) < n) Grow(n);
    }

    void Put(char c) { *p_++ = c; }
    void Put(std::string_view text) {
        if (text.empty()) return;
        std::memcpy(p_, text.data(), text.size());
        p_ += text.size();
    }
    void PutNumber(int n) { p_ = std::to_chars(p_, p_ + kNumberRoom, n).ptr; }

    // The bytes of text that keep allows, without a branch per byte: each byte is written, and the
    // end moves past it only when it stays.
    void PutKept(std::string_view text, const KeptBytes& keep) {
        char* p = p_;
        for (const char c : text) {
            *p = c;
            p += keep[static_cast<unsigned char>(c)];
        }
        p_ = p;
    }

    // Blanks at both ends of what was put since offset are dropped.
    void TrimBlanksSince(std::size_t offset) {
        char* const start = buffer_.data() + offset;
        char* first = start;
        while (first < p_ && *first == ' ') ++first;
        while (p_ > first && p_[-1] == ' ') --p_;
        if (first != start) {
            std::memmove(start, first, static_cast<std::size_t>(p_ - first));
            p_ -= first - start;
        }
    }

    std::size_t Size() const { return static_cast<std::size_t>(p_ - buffer_.data()); }

    std::string Take() {
        buffer_.resize(Size());
        p_ = buffer_.data();
        return std::move(buffer_);
    }

    static constexpr std::size_t kNumberRoom = 12;  // an int in decimal with its sign

  private:
    void Grow(std::size_t n) {
        const std::size_t used = Size();
        buffer_.resize(std::max(buffer_.size() * 2, used + n));
        p_ = buffer_.data() + used;
    }

    std::string buffer_;
    char* p_;
};

}  // namespace torva::definition
