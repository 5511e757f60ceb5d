#pragma once
// Lines and fields of a definition file (UTF-8 text, already decoded from the file's code page).

#include <string>
#include <string_view>
#include <vector>

namespace torva::definition {

// Splits text into lines at CR LF, and also at a lone LF or CR (files edited by hand). A final line
// without a line end counts; the empty remainder after the last line end does not.
std::vector<std::string_view> SplitLines(std::string_view text);

// One line taken apart.
struct ParsedLine {
    bool isComment = false;
    std::string comment;              // comment lines: the rest of the line after the first field
    std::string key;                  // other lines: first field, trimmed and upper-cased
    std::vector<std::string> fields;  // the fields after the key
    // The field after the key at 1-based position n, or empty when the line is shorter.
    const std::string& Field(std::size_t n) const;
};

// A field that begins (after blanks) with a double quote runs to the next double quote and keeps what
// is between them; text after the closing quote up to the next comma is ignored. An unquoted field
// runs to the next comma, blanks around it dropped.
std::vector<std::string> SplitFields(std::string_view line);

ParsedLine ParseLine(std::string_view line);

}  // namespace torva::definition
