// Any bytes as a journal: the summary and its report never crash, and what it counts adds up.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "journal/journal_line.h"
#include "journal/journal_summary.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    using namespace torva::journal;
    const JournalSummary all = SummariseJournal(text, {});
    (void)FormatJournalSummary(all);
    if (all.malformed > all.lines || all.failedStarts > all.starts || all.ends > all.starts ||
        all.longestRuns.size() > kLongestRunsShown)
        std::abort();
    JournalFilter filter;
    filter.sinceMs = ParseUtc(text.substr(0, 24));
    filter.page = 1;
    filter.button = 1;
    (void)FormatJournalSummary(SummariseJournal(text, filter));
    (void)ParsePageButton(text.substr(0, 8));
    if (const auto t = ParseUtc(text.substr(0, 24)); t && ParseUtc(FormatUtc(*t)) != t) std::abort();
    return 0;
}
