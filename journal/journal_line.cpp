#include "journal/journal_line.h"

#include <cstdio>
#include <nlohmann/json.hpp>

namespace torva::journal {

namespace {

// Days since 1970-01-01 of a civil date, and back (proleptic Gregorian calendar).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

struct Civil {
    std::int64_t year;
    unsigned month;
    unsigned day;
};

Civil CivilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2), m, d};
}

bool IsLeap(std::int64_t y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

unsigned DaysInMonth(std::int64_t y, unsigned m) {
    static constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

// Reads exactly `count` digits at `pos`; false when they are not all there.
bool Digits(std::string_view text, std::size_t& pos, std::size_t count, unsigned& value) {
    if (pos + count > text.size()) return false;
    value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const char c = text[pos + i];
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    pos += count;
    return true;
}

bool Expect(std::string_view text, std::size_t& pos, char c) {
    if (pos >= text.size() || text[pos] != c) return false;
    ++pos;
    return true;
}

void PutOptional(nlohmann::json& j, const char* key, const std::optional<int>& value) {
    j[key] = value ? nlohmann::json(*value) : nlohmann::json(nullptr);
}

std::string Finish(const nlohmann::json& j) {
    return j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

nlohmann::json Head(const char* event, const JournalOrigin& origin, const std::string& id,
                    std::int64_t timeMs) {
    nlohmann::json j = nlohmann::json::object();
    j["event"] = event;
    j["id"] = id;
    j["time"] = FormatUtc(timeMs);
    j["computer"] = origin.computer;
    j["user"] = origin.user;
    j["program"] = origin.program;
    return j;
}

}  // namespace

std::string FormatUtc(std::int64_t ms) {
    std::int64_t days = ms / 86400000;
    std::int64_t rest = ms % 86400000;
    if (rest < 0) {
        rest += 86400000;
        --days;
    }
    const Civil c = CivilFromDays(days);
    const auto seconds = rest / 1000;
    char text[40];
    std::snprintf(text, sizeof text, "%04lld-%02u-%02uT%02lld:%02lld:%02lld.%03lldZ",
                  static_cast<long long>(c.year), c.month, c.day, static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60),
                  static_cast<long long>(rest % 1000));
    return text;
}

std::optional<std::int64_t> ParseUtc(std::string_view text) {
    std::size_t pos = 0;
    unsigned year = 0, month = 0, day = 0;
    if (!Digits(text, pos, 4, year) || !Expect(text, pos, '-') || !Digits(text, pos, 2, month) ||
        !Expect(text, pos, '-') || !Digits(text, pos, 2, day))
        return std::nullopt;
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return std::nullopt;
    unsigned hour = 0, minute = 0, second = 0, milli = 0;
    if (pos < text.size() && (text[pos] == 'T' || text[pos] == ' ')) {
        ++pos;
        if (!Digits(text, pos, 2, hour) || !Expect(text, pos, ':') || !Digits(text, pos, 2, minute))
            return std::nullopt;
        if (pos < text.size() && text[pos] == ':') {
            ++pos;
            if (!Digits(text, pos, 2, second)) return std::nullopt;
            if (pos < text.size() && text[pos] == '.') {
                ++pos;
                if (!Digits(text, pos, 3, milli)) return std::nullopt;
            }
        }
        if (hour > 23 || minute > 59 || second > 59) return std::nullopt;
    }
    if (pos < text.size() && text[pos] == 'Z') ++pos;
    if (pos != text.size()) return std::nullopt;
    const std::int64_t days = DaysFromCivil(year, month, day);
    return ((days * 24 + hour) * 60 + minute) * 60000 + second * 1000 + milli;
}

std::string StartLine(const JournalOrigin& origin, const StartRecord& r) {
    nlohmann::json j = Head("start", origin, r.id, r.timeMs);
    PutOptional(j, "page", r.page);
    PutOptional(j, "button", r.button);
    j["caption"] = r.caption;
    j["action"] = r.action;
    j["commandLine"] = r.commandLine;
    j["workFolder"] = r.workFolder;
    if (!r.script.empty()) j["script"] = r.script;
    if (r.scriptLine) j["scriptLine"] = *r.scriptLine;
    j["waited"] = r.waited;
    j["started"] = r.started;
    if (r.processId) j["processId"] = *r.processId;
    return Finish(j);
}

std::string EndLine(const JournalOrigin& origin, const EndRecord& r) {
    nlohmann::json j = Head("end", origin, r.id, r.timeMs);
    PutOptional(j, "page", r.page);
    PutOptional(j, "button", r.button);
    j["caption"] = r.caption;
    j["exitCode"] = r.exitCode ? nlohmann::json(*r.exitCode) : nlohmann::json(nullptr);
    j["durationMs"] = r.durationMs;
    return Finish(j);
}

}  // namespace torva::journal
