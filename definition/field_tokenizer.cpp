#include "definition/field_tokenizer.h"

#include <cstring>

#include "common/utf8.h"

namespace torva::definition {

bool NextLine(std::string_view text, std::size_t& pos, std::string_view& line) {
    if (pos >= text.size()) return false;
    const char* const begin = text.data() + pos;
    const std::size_t left = text.size() - pos;
    // Most lines end at CR LF: look for the first CR or LF with the library's fast searches.
    const void* cr = std::memchr(begin, '\r', left);
    const std::size_t crAt = cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - begin) : left;
    const void* lf = std::memchr(begin, '\n', crAt);
    const std::size_t end = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - begin) : crAt;
    line = std::string_view(begin, end);
    if (end == left) {
        pos = text.size();
    } else {
        const bool crLf = begin[end] == '\r' && end + 1 < left && begin[end + 1] == '\n';
        pos += end + (crLf ? 2 : 1);
    }
    return true;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::string_view line;
    for (std::size_t pos = 0; NextLine(text, pos, line);) lines.push_back(line);
    return lines;
}

namespace {

// Reads one field starting at pos; leaves pos after the comma that ends it (or at the end) and tells
// whether a comma ended it, in which case another (possibly empty) field follows.
std::string_view NextField(std::string_view line, std::size_t& pos, bool& endedByComma) {
    std::size_t p = pos;
    while (p < line.size() && line[p] == ' ') ++p;
    std::size_t valueEnd = p;
    std::string_view value;
    const bool quoted = p < line.size() && line[p] == '"';
    if (quoted) {
        const std::size_t close = line.find('"', p + 1);
        if (close == std::string_view::npos) {
            pos = line.size();
            endedByComma = false;
            return line.substr(p + 1);
        }
        value = line.substr(p + 1, close - p - 1);
        valueEnd = close + 1;
    }
    const std::size_t comma = line.find(',', valueEnd);
    if (!quoted)
        value = TrimBlanksView(line.substr(p, (comma == std::string_view::npos ? line.size() : comma) - p));
    endedByComma = comma != std::string_view::npos;
    pos = endedByComma ? comma + 1 : line.size();
    return value;
}

}  // namespace

std::vector<std::string> SplitFields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t pos = 0;
    bool more = true;
    while (more) fields.emplace_back(NextField(line, pos, more));
    return fields;
}

void ParseLine(std::string_view line, ParsedLine& parsed) {
    parsed.isComment = false;
    parsed.comment = {};
    parsed.key.clear();
    parsed.fields.clear();
    std::size_t pos = 0;
    bool more = false;
    const std::string_view first = NextField(line, pos, more);
    if (!first.empty() && first[0] == '*') {
        parsed.isComment = true;
        parsed.comment = line.substr(pos);
        return;
    }
    AppendUpperLetters(parsed.key, TrimBlanksView(first));
    while (more) parsed.fields.push_back(NextField(line, pos, more));
}

ParsedLine ParseLine(std::string_view line) {
    ParsedLine parsed;
    ParseLine(line, parsed);
    return parsed;
}

}  // namespace torva::definition
