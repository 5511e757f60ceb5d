#include "shell/opener_command.h"

#include <gtest/gtest.h>

namespace torva::shell {
namespace {

constexpr std::string_view kOwn = "C:\\TORVA";

struct OpenCase {
    const char* arguments;
    const char* document;
    const char* folder;
};

class OpenerCommandOpen : public testing::TestWithParam<OpenCase> {};

TEST_P(OpenerCommandOpen, SplitsFolderAndDocument) {
    const auto& c = GetParam();
    const OpenerRequest r = ParseOpenerCommand(c.arguments, kOwn);
    EXPECT_FALSE(r.registerAssociations);
    EXPECT_EQ(r.document, c.document);
    EXPECT_EQ(r.workFolder, c.folder);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, OpenerCommandOpen,
    testing::Values(OpenCase{"<C:\\DATA>REPORT.XLS", "REPORT.XLS", "C:\\DATA"},
                    OpenCase{"C:\\DATA\\REPORT.XLS", "C:\\DATA\\REPORT.XLS", "C:\\TORVA"},
                    OpenCase{"<>REPORT.XLS", "REPORT.XLS", "C:\\TORVA"},
                    OpenCase{"<C:\\DATA>  REPORT.XLS ", "REPORT.XLS", "C:\\DATA"},
                    OpenCase{"  REPORT.XLS  ", "REPORT.XLS", "C:\\TORVA"},
                    // Quotes: each end on its own; inner quotes stay.
                    OpenCase{"\"<C:\\DATA>REPORT.XLS\"", "REPORT.XLS", "C:\\DATA"},
                    OpenCase{"\"C:\\My Files\\a b.doc", "C:\\My Files\\a b.doc", "C:\\TORVA"},
                    OpenCase{"C:\\a.doc\"", "C:\\a.doc", "C:\\TORVA"},
                    OpenCase{"<C:\\D>\"x\" y\"", "\"x\" y", "C:\\D"},
                    // Only the first ">" at or after the second character ends the folder.
                    OpenCase{"<C:\\D>a>b", "a>b", "C:\\D"},
                    // A ">" in the first place is not a delimiter.
                    OpenCase{">C:\\X.TXT", ">C:\\X.TXT", "C:\\TORVA"}, OpenCase{"><", "><", "C:\\TORVA"},
                    // The first character is not checked to be "<".
                    OpenCase{"[C:\\D>x", "x", "C:\\D"},
                    // Addresses and non-ASCII paths pass through unchanged.
                    OpenCase{"<>HTTP://example.org/a?b=c", "HTTP://example.org/a?b=c", "C:\\TORVA"},
                    OpenCase{"<C:\\データ>報告書.XLS", "報告書.XLS", "C:\\データ"},
                    // Only blanks are trimmed: a full-width space belongs to the name.
                    OpenCase{"<C:\\D>\u3000x ", "\u3000x", "C:\\D"},
                    // Degenerate texts become empty documents, which the shell then refuses.
                    OpenCase{"", "", "C:\\TORVA"}, OpenCase{"\"", "", "C:\\TORVA"},
                    OpenCase{"\"\"", "", "C:\\TORVA"}, OpenCase{"<>", "", "C:\\TORVA"},
                    OpenCase{"<C:\\D>", "", "C:\\D"}, OpenCase{"   ", "", "C:\\TORVA"},
                    // The marker in another case, or with anything around it, is a document.
                    OpenCase{"<linktvx>", "", "linktvx"}, OpenCase{" <LinkTVX>", "", "<LinkTVX"},
                    OpenCase{"<LinkTVX> ", "", "LinkTVX"}));

TEST(OpenerCommand, RegistersOnlyForTheExactMarker) {
    for (const char* marker : {"<LinkTVX>", "\"<LinkTVX>\"", "\"<LinkTVX>", "<LinkTVX>\""}) {
        const OpenerRequest r = ParseOpenerCommand(marker, kOwn);
        EXPECT_TRUE(r.registerAssociations) << marker;
        EXPECT_TRUE(r.document.empty()) << marker;
    }
    for (const char* other : {"<LINKTVX>", "<LinkTVX>x", "<LinkTVX", "\"\"<LinkTVX>\"\""}) {
        EXPECT_FALSE(ParseOpenerCommand(other, kOwn).registerAssociations) << other;
    }
}

TEST(OpenerCommand, StripOuterQuotesTreatsEachEndAlone) {
    EXPECT_EQ(StripOuterQuotes("\"a\""), "a");
    EXPECT_EQ(StripOuterQuotes("\"a"), "a");
    EXPECT_EQ(StripOuterQuotes("a\""), "a");
    EXPECT_EQ(StripOuterQuotes("\""), "");
    EXPECT_EQ(StripOuterQuotes("\"\"\""), "\"");
    EXPECT_EQ(StripOuterQuotes(" \"a\" "), " \"a\" ");
}

}  // namespace
}  // namespace torva::shell
