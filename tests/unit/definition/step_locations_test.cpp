// A fatal report shows the location number of the last step entered, so every shared step notes the
// number it is handed before it does anything that can fail, and the editor hands each step its own.

#include <gtest/gtest.h>

#include <functional>

#include "common/fatal_report.h"
#include "definition/colour_codes.h"
#include "definition/definition_listing.h"
#include "definition/definition_store.h"
#include "definition/text_helpers.h"
#include "tests/unit/definition/definition_fixture.h"

namespace torva::definition {
namespace {

using torva::testing::DefinitionFixture;
using torva::testing::Lines;

TEST(StepLocations, EachHelperNotesItsNumberOnEntryWhateverItsInput) {
    DefinitionFixture f;
    struct Row {
        const char* step;
        std::function<void(const StepLocation&)> run;
    };
    const Row rows[] = {
        {"colour from code",
         [](const StepLocation& at) {
             std::string code = " b1 ";
             ColourContext context = ColourContext::ButtonBack;
             (void)colourFromCode(code, context, at);
         }},
        {"colour from a picture code",
         [](const StepLocation& at) {
             (void)colourFromCode(std::string_view("PIC:x.bmp"), ColourContext::BarBack, at);
         }},
        {"code from a default colour",
         [](const StepLocation& at) { (void)codeFromColour(kDefaultBackColour, at); }},
        {"colour name of no code", [](const StepLocation& at) { (void)colourName("", at); }},
        {"wait mode name out of range", [](const StepLocation& at) { (void)waitModeName(9, at); }},
        {"extension of an address",
         [](const StepLocation& at) { (void)fileExtension("HTTP://a.b/c.exe", at); }},
        {"relative form of a path under no folder",
         [&](const StepLocation& at) { (void)relativeForm("D:\\ELSE\\A.EXE", f.folders, at); }},
        {"rebasing into the same folder",
         [&](const StepLocation& at) { rebasePaths(*f.def, f.folders.definitionFolder, f.folders, at); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.step);
        ErrorState state;
        state.code = kLocationReading;
        row.run({&state, 777});
        EXPECT_EQ(state.code, 777);
    }
}

// Each step of the writer, the listing and the reader is noted in its own state here, so the test
// sees every step that was entered, not only the last one.
struct Notes {
    ErrorState colourFromCode, codeFromColour, colourName, waitModeName, extension, relativeForm,
        relativeFolder;
    ReaderSteps Reader() { return {{&colourFromCode, 800}, {&extension, 962}}; }
    WriterSteps Writer() { return {{&codeFromColour, 801}, {&relativeForm, 965}, {&relativeFolder, 966}}; }
    ListingSteps Listing() { return {Writer(), {&colourName, 804}, {&waitModeName, 805}}; }
    std::vector<int> Entered() const {
        std::vector<int> codes;
        for (const ErrorState* s : {&colourFromCode, &codeFromColour, &colourName, &waitModeName, &extension,
                                    &relativeForm, &relativeFolder}) {
            if (s->code != 0) codes.push_back(s->code);
        }
        return codes;
    }
};

TEST(StepLocations, ReaderWriterAndListingEnterTheirSteps) {
    const std::string menu =
        Lines({"[VER8.05]", "[PAGE1]", "VARTITLE,\"Bar\",G,2",
               "CMD1,\"C:\\X\\A.ICO\",OFF,\"Go\",,,,W,B1,,,\"CMD:C:\\TOOLS\\START.EXE\",3,,"});
    struct Row {
        const char* what;
        bool pathSuppress;
        std::function<void(DefinitionFixture&, Notes&)> run;
        std::vector<int> entered;
    };
    const Row rows[] = {
        {"editor reading",
         false,
         [&](DefinitionFixture& f, Notes& n) {
             ReaderContext context{ReaderPolicy::Editor(), f.folders, f.files,
                                   torva::testing::kDefinitionPath, n.Reader()};
             ASSERT_TRUE(readDefinitionBytes(menu, *f.def, context).ok());
         },
         {800, 962}},
        {"writing",
         false,
         [](DefinitionFixture& f, Notes& n) { (void)definitionText(*f.def, f.folders, n.Writer()); },
         {801}},
        {"writing relative paths",
         true,
         [](DefinitionFixture& f, Notes& n) { (void)definitionText(*f.def, f.folders, n.Writer()); },
         {801, 965, 966}},
        {"listing",
         false,
         [](DefinitionFixture& f, Notes& n) { (void)listingText(*f.def, f.folders, n.Listing()); },
         {801, 804, 805}},
        {"listing relative paths",
         true,
         [](DefinitionFixture& f, Notes& n) { (void)listingText(*f.def, f.folders, n.Listing()); },
         {801, 804, 805, 965, 966}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        DefinitionFixture f;
        ASSERT_TRUE(f.Editor(menu).ok());
        f.def->options.pathSuppress = row.pathSuppress;
        Notes notes;
        row.run(f, notes);
        EXPECT_EQ(notes.Entered(), row.entered);
    }
}

// The numbers support staff read the editor's reports by.
TEST(StepLocations, TheStoreHandsItsOwnErrorStateWithTheEditorsNumbers) {
    DefinitionFixture f;
    DefinitionStore store(*f.def, f.files, "C:\\TORVA", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32");
    const ReaderSteps reader = store.readerSteps();
    const ListingSteps listing = store.listingSteps();
    const WriterSteps writer = store.writerSteps();
    struct Row {
        const char* step;
        StepLocation at;
        int16_t code;
    };
    const Row rows[] = {
        {"colour from code", reader.colourFromCode, 800},
        {"extension", reader.extension, 962},
        {"code from colour", writer.codeFromColour, 801},
        {"relative form", writer.relativeForm, 965},
        {"relative form, one folder", writer.relativeFolder, 966},
        {"listing: code from colour", listing.writer.codeFromColour, 801},
        {"listing: relative form", listing.writer.relativeForm, 965},
        {"listing: relative form, one folder", listing.writer.relativeFolder, 966},
        {"colour name", listing.colourName, 804},
        {"wait mode name", listing.waitModeName, 805},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.step);
        EXPECT_EQ(row.at.state, &store.error());
        EXPECT_EQ(row.at.code, row.code);
    }
    // Setting the folder a definition's relative paths start from is a step of its own.
    store.error().code = 0;
    store.setDefinitionFolder("C:\\A\\M.TVX");
    EXPECT_EQ(store.error().code, 991);
}

// A save that fails reports the writing's own number, not the last step it entered on the way.
TEST(StepLocations, TheStoresOperationsLeaveTheirStepsInItsReport) {
    DefinitionFixture f;
    f.files.AddFile("C:\\A\\M.TVX",
                    Utf8ToCp932(Lines({"[VER8.05]", "[PSUP]", "[PAGE1]",
                                       "CMD1,\"i.ico\",OFF,,,,,B,,,,\"CMD:C:\\WINDOWS\\NOTEPAD.EXE\",,,"})));
    f.files.AddFile("C:\\A\\i.ico");
    f.files.AddFolder("D:\\B");
    DefinitionStore store(*f.def, f.files, "C:\\TORVA", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32");
    ASSERT_TRUE(store.readDefinition("C:\\A\\M.TVX").ok());
    // Rebasing turns the icon absolute; the writer then writes the paths in relative form, the program
    // last, found in the third folder it tries.
    ASSERT_TRUE(store.writeDefinition("D:\\B\\M.TVX").ok);
    EXPECT_EQ(store.error().code, 966);
    EXPECT_EQ(ComposeFatalText(store.error(), 7),
              "継続不可能なエラーが発生しました。\r処理を終了します。\rErrorNo = 966 : 7");
    f.files.failWrite = true;
    EXPECT_FALSE(store.writeDefinition("D:\\B\\N.TVX").ok);
    EXPECT_EQ(store.error().code, kLocationWriting);
}

}  // namespace
}  // namespace torva::definition
