#include "definition/field_tokenizer.h"

#include "common/utf8.h"

namespace torva::definition {

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (c == '\r' || c == '\n') {
            lines.push_back(text.substr(start, pos - start));
            pos += (c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;
            start = pos;
        } else {
            ++pos;
        }
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

namespace {

// Reads one field starting at pos; leaves pos after the comma that ends it (or at the end) and tells
// whether a comma ended it, in which case another (possibly empty) field follows.
std::string NextField(std::string_view line, std::size_t& pos, bool& endedByComma) {
    std::size_t p = pos;
    while (p < line.size() && line[p] == ' ') ++p;
    std::size_t valueEnd;
    std::string value;
    if (p < line.size() && line[p] == '"') {
        const std::size_t close = line.find('"', p + 1);
        if (close == std::string_view::npos) {
            value = std::string(line.substr(p + 1));
            pos = line.size();
            endedByComma = false;
            return value;
        }
        value = std::string(line.substr(p + 1, close - p - 1));
        valueEnd = close + 1;
    } else {
        valueEnd = p;
    }
    const std::size_t comma = line.find(',', valueEnd);
    if (valueEnd == p)
        value = TrimBlanks(line.substr(p, (comma == std::string_view::npos ? line.size() : comma) - p));
    endedByComma = comma != std::string_view::npos;
    pos = endedByComma ? comma + 1 : line.size();
    return value;
}

}  // namespace

std::vector<std::string> SplitFields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t pos = 0;
    bool more = true;
    while (more) fields.push_back(NextField(line, pos, more));
    return fields;
}

const std::string& ParsedLine::Field(std::size_t n) const {
    static const std::string kEmpty;
    if (n == 0 || n > fields.size()) return kEmpty;
    return fields[n - 1];
}

ParsedLine ParseLine(std::string_view line) {
    ParsedLine parsed;
    std::size_t pos = 0;
    bool more = false;
    std::string first = NextField(line, pos, more);
    if (!first.empty() && first[0] == '*') {
        parsed.isComment = true;
        parsed.comment = std::string(line.substr(pos));
        return parsed;
    }
    parsed.key = UpperLetters(TrimBlanks(first));
    while (more) parsed.fields.push_back(NextField(line, pos, more));
    return parsed;
}

}  // namespace torva::definition
