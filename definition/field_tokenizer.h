#pragma once
// Lines and fields of a definition file (UTF-8 text, already decoded from the file's code page). The
// fields are views into the text: a file is taken apart in one pass, without copies.

#include <string>
#include <string_view>
#include <vector>

namespace torva::definition {

// The line of text that starts at pos, and pos moved past its line end; false at the end of the text.
// Lines end at CR LF, and also at a lone LF or CR (files edited by hand). A final line without a line
// end counts; the empty remainder after the last line end does not.
bool NextLine(std::string_view text, std::size_t& pos, std::string_view& line);

// All lines of a text, as NextLine takes them.
std::vector<std::string_view> SplitLines(std::string_view text);

// One line taken apart; every view points into the line.
struct ParsedLine {
    bool isComment = false;
    std::string_view comment;              // comment lines: the rest of the line after the first field
    std::string key;                       // other lines: first field, trimmed and upper-cased
    std::vector<std::string_view> fields;  // the fields after the key
    // The field after the key at 1-based position n, or empty when the line is shorter.
    std::string_view Field(std::size_t n) const {
        return n == 0 || n > fields.size() ? std::string_view() : fields[n - 1];
    }
};

// A field that begins (after blanks) with a double quote runs to the next double quote and keeps what
// is between them; text after the closing quote up to the next comma is ignored. An unquoted field
// runs to the next comma, blanks around it dropped.
std::vector<std::string> SplitFields(std::string_view line);

// Takes the line apart into parsed, whose buffers are reused: a reader parsing line after line into
// the same ParsedLine allocates only for the longest line.
void ParseLine(std::string_view line, ParsedLine& parsed);
ParsedLine ParseLine(std::string_view line);

}  // namespace torva::definition
