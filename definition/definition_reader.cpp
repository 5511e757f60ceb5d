#include "definition/definition_reader.h"

#include <array>
#include <cstdint>
#include <cstdio>

#include "common/number.h"
#include "common/run_error.h"
#include "common/utf8.h"
#include "definition/line_reader.h"
#include "definition/text_helpers.h"

namespace torva::definition {

namespace {

// The current format: a version line first, timed starts and page start programs, fonts on titles and
// buttons, and button lines whose fields depend on the format class the version gives.
class Reader : public LineReader {
  public:
    Reader(MenuDefinition& def, const ReaderPolicy& policy, const ReaderContext& context, ReadResult& result)
        : LineReader(def, policy, context.folders, context.files, context.steps, result), context_(context) {}

  private:
    bool ReadVersionLine(std::string_view key) override {
        versionSeen_ = true;
        if (!key.starts_with("[VER")) {
            Fail(kRuleOldVersion, OldVersionDetail(policy_.kind, context_.definitionPath));
            return true;
        }
        const float version = versionNumber(MidChars(key, 5));
        if (version > 8.0f) {
            def_.formatClass = 3;
        } else if (version == 8.0f) {
            def_.formatClass = 2;
        } else if (version > 5.99f) {
            def_.formatClass = 1;
        } else {
            Fail(kRuleOldVersion, OldVersionDetail(policy_.kind, context_.definitionPath));
        }
        return true;
    }

    bool ReadFormatLine(const ParsedLine& line) override {
        const std::string_view key = line.key;
        if (KeyIs(key, "[TIMER]")) return true;
        if (key.starts_with("AFT") || key.starts_with("TIM")) {
            ReadTimedStart(line, key.starts_with("AFT"));
            return true;
        }
        return false;
    }

    bool ReadFormatPageLine(const ParsedLine& line) override {
        if (!line.key.starts_with("PSTR")) return false;
        ReadPageStart(line);
        return true;
    }

    // A file without any line but comments has no version either: it is no definition of ours.
    void Finish() override {
        if (!versionSeen_) {
            Fail(kRuleOldVersion, OldVersionDetail(policy_.kind, context_.definitionPath));
            return;
        }
        LineReader::Finish();
    }

    LineFields TitleFields(const ParsedLine& line) const override {
        LineFields fields;
        for (int f = 1; f <= 6; ++f) fields.Take(line, f, static_cast<std::size_t>(f));
        return fields;
    }

    LineFields ButtonFields(const ParsedLine& line) const override {
        // Where the model's field f stands on a CMD line of each format class: class 1 lacks the
        // comment (field 9), class 2 the password and guide; 0 where the class has no such field.
        using Positions = LineFields::Positions;
        static constexpr Positions kClass1 = {0, 1, 2, 3, 4, 5, 6, 7, 8, 0, 9, 10, 11, 0, 0};
        static constexpr Positions kClass2 = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0, 0};
        static constexpr Positions kClass3 = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
        return LineFields(line,
                          def_.formatClass == 1 ? kClass1 : (def_.formatClass == 2 ? kClass2 : kClass3));
    }

    void ReadTimedStart(const ParsedLine& line, bool elapsed) {
        const int n = Number(MidChars(line.key, 4));
        if (n < 1 || n > kEntryCount) {
            Fail(elapsed ? kRuleElapsedRange : kRuleClockRange, std::string(line.key));
            return;
        }
        TimedStart& entry = elapsed ? def_.ElapsedStart(n) : def_.ClockStart(n);
        const std::string time = TrimBlanks(line.Field(1));
        const std::size_t colon = time.find(':');
        bool timeGood = false;
        if (colon != std::string::npos) {
            const int hours = Number(std::string_view(time).substr(0, colon));
            const int minutes = Number(std::string_view(time).substr(colon + 1));
            if (hours >= 0 && hours <= 23 && minutes >= 0 && minutes <= 59) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "%02d:%02d", hours, minutes);
                entry.time = buffer;
                timeGood = true;
            }
        }
        const int page = Number(line.Field(2));
        const int button = Number(line.Field(3));
        const bool pageGood = page >= 1 && page <= kPageCount;
        const bool buttonGood = button >= 1 && button <= def_.buttonsPerPage;
        if (pageGood) entry.page = static_cast<uint8_t>(page);
        if (buttonGood) entry.button = static_cast<uint8_t>(button);
        if (!timeGood && Fail(elapsed ? kRuleElapsedTime : kRuleClockTime, 0, n, time)) return;
        if (!pageGood || !buttonGood) {
            Fail(elapsed ? kRuleElapsedTarget : kRuleClockTarget, 0, n,
                 std::to_string(page) + "(" + std::to_string(button) + ")");
        }
    }

    void ReadPageStart(const ParsedLine& line) {
        const int n = Number(MidChars(line.key, 5));
        if (n < 1 || n > kEntryCount) {
            Fail(kRulePageStartRange, page_, 0, line.key);
            return;
        }
        ProgramEntry& entry = def_.Page(page_).PageStart(n);
        const PathStatus status = ReadProgramEntry(line, entry);
        const std::string_view text = TrimBlanksView(line.Field(1));
        if (status == PathStatus::NotFound) {
            Fail(kRulePageStartNotFound, page_, n, text);
        } else if (status == PathStatus::NotAllowed) {
            Fail(kRulePageStartNotAllowed, page_, n, text);
        }
    }

    const ReaderContext& context_;
    bool versionSeen_ = false;
};

}  // namespace

ReadResult readDefinitionBytes(std::string_view bytes, MenuDefinition& def, const ReaderContext& context) {
    return ReadWith<Reader>(bytes, def, context.policy, context);
}

}  // namespace torva::definition
