#include "definition/convert_definition.h"

#include <algorithm>

#include "common/number.h"
#include "common/run_error.h"
#include "common/utf8.h"
#include "definition/line_reader.h"
#include "definition/text_helpers.h"

namespace torva::definition {

namespace {

constexpr float kLastOldVersion = 5.99f;
constexpr int kOldButtonLimit = 12;  // old menus had 12 buttons a page in every display mode

// The old format read with the editor's rules, except that it names no web addresses, numbers out of
// range fail their rule instead of overflowing, the conversion keeps its own location number, and
// neither a failed path nor an icon file of another kind is carried into the new file.
ReaderPolicy OldFormatPolicy() {
    ReaderPolicy policy = ReaderPolicy::Editor();
    policy.location = kConvertLocation;
    policy.addressesAllowed = false;
    policy.clampsNumbers = true;
    policy.pageClearsLocation = false;
    policy.keepsFailedPaths = false;
    policy.storesIconOfOtherKind = false;
    return policy;
}

// The command texts the old format knows; any other text in the fifth or sixth field of a button
// line is a colour code or a working folder.
bool IsOldCommand(std::string_view field) {
    const std::string u = UpperLetters(TrimBlanks(field));
    return u.starts_with("CMD:") || u.starts_with("PAGE") || u == "LOFF" || u == "SDWN" || u == "POFF" ||
           u == "REBT" || u == "END";
}

// The old format: an optional version line up to 5.99, no timed starts or page start programs, titles
// without fonts, and button lines of varying length whose button colour and working folder are told
// apart from the command text by its form.
class Converter : public LineReader {
  public:
    Converter(MenuDefinition& def, const ReaderPolicy& policy, const ConvertContext& context,
              ReadResult& result)
        : LineReader(def, policy, context.folders, context.files, context.steps, result) {}

  private:
    bool ReadVersionLine(std::string_view key) override {
        if (!key.starts_with("[VER")) return false;
        // Narrowed as the reader narrows it: beyond the float range the reading ends as an overflow.
        if (versionNumber(MidChars(key, 5)) > kLastOldVersion)
            Fail(kRuleNotOldVersion, NotOldVersionDetail());
        return true;
    }

    LineFields TitleFields(const ParsedLine& line) const override {
        LineFields fields;
        fields.Take(line, 1, 1);
        fields.Take(line, 5, 2);
        fields.Take(line, 6, 3);
        return fields;
    }

    LineFields ButtonFields(const ParsedLine& line) const override {
        LineFields fields;
        for (int f = 1; f <= 3; ++f) fields.Take(line, f, static_cast<std::size_t>(f));
        fields.Take(line, 7, 4);
        std::size_t next = 5;
        if (!IsOldCommand(line.Field(next))) {
            fields.Take(line, 8, next++);
            if (!IsOldCommand(line.Field(next))) fields.Take(line, 10, next++);
        }
        fields.Take(line, 11, next);
        fields.Take(line, 12, next + 1);
        return fields;
    }

    int ButtonLimit() const override { return std::min(kOldButtonLimit, def_.buttonsPerPage); }

    CommandText ClassifyCommand(std::string_view text) const override {
        return IsOldCommand(text) ? classifyCommand(text) : CommandText{};
    }
};

}  // namespace

ReadResult convertDefinitionBytes(std::string_view bytes, MenuDefinition& def,
                                  const ConvertContext& context) {
    return ReadWith<Converter>(bytes, def, OldFormatPolicy(), context);
}

ReadResult convertDefinitionFile(MenuDefinition& def, const ConvertContext& context) {
    const std::string& path = context.sourcePath;
    if (!context.files.Exists(path) || context.files.IsFolder(path)) {
        return FileErrorResult(def, kConvertLocation, kErrFileNotFound);
    }
    std::string bytes;
    if (!context.files.ReadFile(path, bytes))
        return FileErrorResult(def, kConvertLocation, kErrPathFileAccess);
    return convertDefinitionBytes(bytes, def, context);
}

}  // namespace torva::definition
