// Tvtool journal: a summary of a launch journal — starts per button, the failures and the longest
// runs. The journal is read whole; lines that are not the journal's own are counted and passed over.
#include "journal/journal_line.h"
#include "journal/journal_summary.h"
#include "tools/tool_commands.h"
#include "tools/tool_options.h"

namespace torva::tools {

namespace {

// Journals grow for as long as the policy stays set; this is years of a busy desk, and keeps a
// stray huge file from exhausting memory.
constexpr std::uint64_t kMaxJournalBytes = 256ull * 1024 * 1024;

int Usage(ToolEnvironment& environment, const std::string& message) {
    environment.err << "Tvtool: " << message << "\n";
    return kExitUsage;
}

std::optional<std::string> JournalProblem(const std::string& path, const ToolEnvironment& environment) {
    return InputProblem(path, environment, "a journal", kMaxJournalBytes, "256 MiB");
}

}  // namespace

int RunJournal(const CommandArguments& arguments, ToolEnvironment& environment) {
    journal::JournalFilter filter;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a == "--since" || a == "--button") {
            if (i + 1 >= arguments.size()) return Usage(environment, a + " needs a value");
            const std::string& value = arguments[++i];
            if (a == "--since") {
                filter.sinceMs = journal::ParseUtc(value);
                if (!filter.sinceMs)
                    return Usage(environment,
                                 "--since wants a UTC time such as 2026-12-08 or 2026-12-08T09:30, not \"" +
                                     value + "\"");
            } else {
                const auto pageButton = journal::ParsePageButton(value);
                if (!pageButton)
                    return Usage(
                        environment,
                        "--button wants PAGE:BUTTON (page 1..99, button 1..24), not \"" + value + "\"");
                filter.page = pageButton->first;
                filter.button = pageButton->second;
            }
        } else if (a.size() > 1 && a.starts_with("--")) {
            return Usage(environment, "unknown option \"" + a + "\"");
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 1) return Usage(environment, "journal takes one journal file");

    const std::string path = environment.fullPath(files.front());
    if (const auto problem = JournalProblem(path, environment)) return Usage(environment, *problem);
    std::string text;
    if (!environment.files.ReadFile(path, text)) return Usage(environment, "cannot read \"" + path + "\"");
    if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);

    environment.out << "Journal \"" << path << "\"\n"
                    << journal::FormatJournalSummary(journal::SummariseJournal(text, filter));
    return kExitOk;
}

}  // namespace torva::tools
