#pragma once
// The grammar every definition file shares, whatever its version: the line loop, failures and when they
// stop the reading, comments, option and mode lines, pages, paths, start and end programs, the bar
// title, titles and buttons. A format says how its version line reads, which lines it adds, and where
// the fields of its title and button lines stand.

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/cp932.h"
#include "common/run_error.h"
#include "definition/command_text.h"
#include "definition/definition_reader.h"
#include "definition/field_tokenizer.h"

namespace torva::definition {

// The fields of a title or button line numbered as the current format numbers them (button: 1 icon ..
// 14 guide; title: 1 text, 2..4 font, 5 text colour, 6 back colour). Fields a format lacks read empty.
// Only where each field stands on the line is kept: the fields are read from the line when asked for.
class LineFields {
  public:
    static constexpr int kCount = 14;
    // Position on the line (1-based) of each field f; 0 = the format has none.
    using Positions = std::array<std::uint8_t, kCount + 1>;

    LineFields() = default;
    LineFields(const ParsedLine& line, const Positions& positions) : line_(&line), positions_(positions) {}

    std::string_view operator[](int f) const {
        if (f < 1 || f > kCount || line_ == nullptr) return {};
        return line_->Field(positions_[static_cast<std::size_t>(f)]);
    }
    // Field f of the model is field position of the line (1-based, a small number); 0 leaves it empty.
    void Take(const ParsedLine& line, int f, std::size_t position) {
        if (f < 1 || f > kCount) return;
        line_ = &line;
        positions_[static_cast<std::size_t>(f)] = static_cast<std::uint8_t>(position);
    }

  private:
    const ParsedLine* line_ = nullptr;
    Positions positions_{};
};

class LineReader {
  public:
    LineReader(MenuDefinition& def, const ReaderPolicy& policy, const SearchFolders& folders,
               const platform::FileSystem& files, const ReaderSteps& steps, ReadResult& result);
    virtual ~LineReader() = default;
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // Reads the lines of the decoded text, then ends the file as the format says.
    void Run(std::string_view text);
    // After the reading, ended or stopped: clears the buttons of the model that no line put in.
    void ClearButtonsNotRead();

  protected:
    // The first line that is no comment. True when it was the version line (nothing more to read in
    // it); false reads it as any other line.
    virtual bool ReadVersionLine(std::string_view key) = 0;
    // Lines outside the pages that only this format knows; true when the line was one of them.
    virtual bool ReadFormatLine(const ParsedLine&) { return false; }
    // Page lines that only this format knows; true when the line was one of them.
    virtual bool ReadFormatPageLine(const ParsedLine&) { return false; }
    virtual LineFields TitleFields(const ParsedLine& line) const = 0;
    virtual LineFields ButtonFields(const ParsedLine& line) const = 0;
    virtual int ButtonLimit() const { return def_.buttonsPerPage; }
    // The command forms this format knows; any other is Unknown.
    virtual CommandText ClassifyCommand(std::string_view text) const { return classifyCommand(text); }
    // After the last line: the common bar title when the policy asks for it.
    virtual void Finish();

    // Number of a field: its leading decimal number, checked to 16 bits or clamped as the policy says.
    int Number(std::string_view text) const;
    uint8_t WaitMode(std::string_view text, int limit) const;

    // Records a failure; true when the reading stops because of it.
    bool Fail(int rule, std::string detail);
    bool Fail(int rule, int page, int number, std::string_view text);

    PathCheck Check(std::string_view text, bool allowAddress) const;
    // Stores a checked path into text and base as the policy says; the caller reports failures.
    void StorePath(const PathCheck& check, std::string_view text, std::string& stored, uint8_t& base) const;
    // A program entry (start, end, page start): split, checked, stored. Returns the check's status.
    PathStatus ReadProgramEntry(const ParsedLine& line, ProgramEntry& entry);

    MenuDefinition& def_;
    const ReaderPolicy& policy_;
    ReadResult& result_;
    int page_ = 0;  // the open page, 0 = none

  private:
    void ReadLine(const ParsedLine& line);
    void ReadComment(const ParsedLine& line);
    bool ReadKeyword(std::string_view key);
    void OpenPage(std::string_view key);
    void ReadStartEnd(const ParsedLine& line, bool start);
    void ReadPageLine(const ParsedLine& line);
    void ReadBarTitle(const ParsedLine& line);
    void ReadTitle(const ParsedLine& line, int n);
    void ReadButton(const ParsedLine& line);
    bool ReadIcon(std::string_view field, int n, MenuButton& button);
    bool ReadCommand(const ParsedLine& line, const LineFields& fields, int n, int option, MenuButton& button,
                     bool& keep);
    bool ReadRunCommand(const LineFields& fields, int n, int option, std::string_view rest,
                        MenuButton& button);
    bool ReadRemoteControl(int n, std::string_view rest, std::string_view commandText, MenuButton& button);

    const SearchFolders& folders_;
    const platform::FileSystem& files_;
    TextScan scan_;    // where the lines and fields of the text stand
    ParsedLine line_;  // the line being read, its buffers kept from line to line
    const ReaderSteps& steps_;
    MenuButton scratchButton_;  // a button given again is read into this, then swapped into the model
    std::bitset<kPageCount * kMaxButtons> buttonsRead_;  // the buttons lines have put in
    mutable std::string pathBuffer_;                     // the path a file check asks about, its buffer kept
    bool firstLineSeen_ = false;
    bool anyPageLine_ = false;
    bool skipping_ = false;
};

// Decodes the bytes of a file (Shift-JIS) into a cleared model with the reader of a format, built as
// Format(def, policy, context, result).
template <class Format, class Context>
ReadResult ReadWith(std::string_view bytes, MenuDefinition& def, const ReaderPolicy& policy,
                    const Context& context) {
    ReadResult result;
    const Cp932Decoded decoded = DecodeCp932(bytes);
    result.invalidBytes = decoded.invalid;
    // The buttons are left as they are: every button line puts a whole button in, so only the buttons
    // no line gave are cleared, once the reading is over.
    clearDefinitionExceptButtons(def);
    Format format(def, policy, context, result);
    try {
        format.Run(decoded.text);
    } catch (const RunError& error) {
        // Whatever rule state was left from an earlier line does not explain this failure: report the
        // reading's own location with the run-time error number.
        result.stopped = true;
        result.runErrorNumber = error.number();
        result.error.code = policy.location;
        result.error.message.clear();
        result.error.detail.clear();
    }
    format.ClearButtonsNotRead();
    return result;
}

// A file that could not be read at all: the model cleared, the run-time error at the location.
ReadResult FileErrorResult(MenuDefinition& def, int16_t location, int runErrorNumber);

}  // namespace torva::definition
