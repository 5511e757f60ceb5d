#include "editor/dialogs/browse_filters.h"

#include <gtest/gtest.h>

#include <set>

namespace torva::editor::dialogs {
namespace {

std::set<std::string> Patterns(std::string_view list) {
    std::set<std::string> patterns;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(';', start), list.size());
        patterns.insert(std::string(list.substr(start, end - start)));
        start = end + 1;
    }
    return patterns;
}

// The "all" filter of a list must offer every kind the other filters offer (apart from "*.*"), or a
// file of that kind is hidden until the user picks its own filter.
TEST(BrowseFilters, FirstFilterCoversTheOthers) {
    for (const BrowseSettings& settings : {kProgramBrowse, kIconBrowse, kPictureBrowse}) {
        const std::set<std::string> all = Patterns(settings.filters.front().pattern);
        for (const FileFilter& filter : settings.filters.subspan(1)) {
            for (const std::string& pattern : Patterns(filter.pattern)) {
                if (pattern == "*.*") continue;
                EXPECT_TRUE(all.count(pattern)) << settings.title << " misses " << pattern;
            }
        }
        for (const std::string& pattern : all) {
            EXPECT_TRUE(pattern.starts_with("*.") && pattern.find(':') == std::string::npos) << pattern;
        }
    }
}

TEST(BrowseFilters, FilterTextIsNulSeparatedAndDoubleTerminated) {
    const std::array<FileFilter, 2> filters{{{"A", "*.a"}, {"B", "*.b;*.c"}}};
    const std::string text = FilterText(filters);
    EXPECT_EQ(text, std::string("A\0*.a\0B\0*.b;*.c\0\0", 17));
}

}  // namespace
}  // namespace torva::editor::dialogs
