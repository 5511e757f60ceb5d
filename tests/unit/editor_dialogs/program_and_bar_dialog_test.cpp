#include <gtest/gtest.h>

#include "dialog_fixture.h"
#include "editor/dialogs/bar_title_dialog.h"
#include "editor/dialogs/path_field_check.h"
#include "editor/dialogs/program_dialog.h"
#include "editor/dialogs/store_question.h"

namespace torva::editor::dialogs {
namespace {

using definition::MenuDefinition;
using definition::ProgramEntry;

std::unique_ptr<MenuDefinition> Definition() {
    auto def = std::make_unique<MenuDefinition>();
    def->startPrograms[0] = {"NOTEPAD.EXE", "a.txt", 1, 3};
    def->startPrograms[1] = {"", "", 0, 0};
    def->endPrograms[0] = {"C:\\APPS\\EDIT.EXE", "", 0, 0};
    def->endPrograms[1] = {"TOOL.EXE", "-x", 7, 1};  // a wait mode neither option shows
    def->Page(3).pageStarts[0] = {"CALC.EXE", "", 0, 4};
    return def;
}

TEST(ProgramDialog, TwinsDifferInCaptionHelpAndTabs) {
    EXPECT_EQ(TraitsOf(ProgramDialogKind::StartEnd).caption, "【始動・終了プログラム設定】");
    EXPECT_EQ(TraitsOf(ProgramDialogKind::PageStart).caption, "【ページ始動プログラム設定】");
    EXPECT_EQ(TraitsOf(ProgramDialogKind::StartEnd).helpContext, 14);
    EXPECT_EQ(TraitsOf(ProgramDialogKind::PageStart).helpContext, 32);
    EXPECT_EQ(TraitsOf(ProgramDialogKind::PageStart).okLocation, 617);
    EXPECT_EQ(TraitsOf(ProgramDialogKind::StartEnd).okLocation, 937);

    const auto def = Definition();
    ProgramDialogModel page(ProgramDialogKind::PageStart, *def, 3);
    EXPECT_EQ(page.BoxesOf(0)[0].program, "CALC.EXE");
    EXPECT_FALSE(page.SwitchTab(1, page.BoxesOf(0)));  // the end tab is hidden
    EXPECT_EQ(page.shownTab(), 0);
    EXPECT_TRUE(page.Copy(1, 0).program.empty());
}

TEST(ProgramDialog, OpeningAndTabSwitchKeepEveryEdit) {
    const auto def = Definition();
    ProgramDialogModel model(ProgramDialogKind::StartEnd, *def, 1);
    const ProgramTabBoxes start = model.BoxesOf(0);
    EXPECT_EQ(start[0], (ProgramEntryBoxes{"NOTEPAD.EXE", "a.txt", 1}));
    EXPECT_EQ(model.BoxesOf(1)[1], (ProgramEntryBoxes{"TOOL.EXE", "-x", -1}));

    ProgramTabBoxes edited = start;
    edited[1] = {"  C:\\APPS\\EDIT.EXE  ", " keep ", -1};
    EXPECT_TRUE(model.SwitchTab(1, edited));
    EXPECT_EQ(model.Copy(0, 1), (ProgramEntry{"C:\\APPS\\EDIT.EXE", " keep ", 1, 0}));  // neither option: 1
    ProgramTabBoxes end = model.BoxesOf(1);
    end[0].program = "CALC.EXE";
    end[0].waitOption = 0;
    EXPECT_TRUE(model.SwitchTab(0, end));
    EXPECT_EQ(model.Copy(1, 0).program, "CALC.EXE");

    // OK after switching back stores the end programs too.
    const testing::DialogMachine m;
    auto stored = Definition();
    model.SaveShownTab(model.BoxesOf(0));
    const ProgramCheckResult checks = model.Check(m.folders, m.files);
    EXPECT_TRUE(checks.failures.empty());
    model.Store(*stored, checks);
    EXPECT_EQ(stored->startPrograms[0], (ProgramEntry{"NOTEPAD.EXE", "a.txt", 1, 3}));
    EXPECT_EQ(stored->startPrograms[1], (ProgramEntry{"C:\\APPS\\EDIT.EXE", " keep ", 1, 0}));
    EXPECT_EQ(stored->endPrograms[0], (ProgramEntry{"CALC.EXE", "", 0, 4}));
    EXPECT_EQ(stored->endPrograms[1], (ProgramEntry{"TOOL.EXE", "-x", 1, 1}));
    EXPECT_EQ(stored->Page(3).pageStarts, def->Page(3).pageStarts);
}

TEST(ProgramDialog, ChecksPerTabAndEntry) {
    const testing::DialogMachine m;
    auto def = std::make_unique<MenuDefinition>();
    def->startPrograms[0] = {"", "", 0, 0};               // empty passes
    def->startPrograms[1] = {"HTTP://intra/", "", 0, 2};  // an address passes with base 0
    def->endPrograms[0] = {"\\x", "", 0, 0};
    def->endPrograms[1] = {"GONE.EXE", "", 0, 0};
    ProgramDialogModel model(ProgramDialogKind::StartEnd, *def, 1);
    const ProgramCheckResult checks = model.Check(m.folders, m.files);
    ASSERT_EQ(checks.failures.size(), 2u);
    EXPECT_EQ(checks.failures[0].message, kWrongProgram);
    EXPECT_EQ(checks.failures[0].tab, 1);
    EXPECT_EQ(checks.failures[0].entry, 0);
    EXPECT_EQ(checks.failures[1].message, kMissingProgram);
    EXPECT_EQ(checks.failures[1].tab, 1);
    EXPECT_EQ(checks.failures[1].entry, 1);

    // No on end program 2: tab 1, its second program box.
    int answers = 0;
    const ProgramFailure* refused =
        FirstRefused(checks.failures, [&](const std::string&) { return answers++ == 0; });
    ASSERT_NE(refused, nullptr);
    EXPECT_EQ(refused->tab, 1);
    EXPECT_EQ(refused->entry, 1);

    // Yes to both: the texts are stored with base 0.
    model.Store(*def, checks);
    EXPECT_EQ(def->startPrograms[1], (ProgramEntry{"HTTP://intra/", "", 0, 0}));
    EXPECT_EQ(def->endPrograms[0], (ProgramEntry{"\\x", "", 0, 0}));
    EXPECT_EQ(def->endPrograms[1], (ProgramEntry{"GONE.EXE", "", 0, 0}));
    EXPECT_EQ(def->startPrograms[0], ProgramEntry{});
}

TEST(ProgramDialog, PageStartsChangeOnlyTheirPage) {
    const testing::DialogMachine m;
    auto def = Definition();
    ProgramDialogModel model(ProgramDialogKind::PageStart, *def, 5);
    ProgramTabBoxes boxes = model.BoxesOf(0);
    boxes[0] = {"NOTEPAD.EXE", "x.txt", 1};
    model.SaveShownTab(boxes);
    model.Store(*def, model.Check(m.folders, m.files));
    EXPECT_EQ(def->Page(5).pageStarts[0], (ProgramEntry{"NOTEPAD.EXE", "x.txt", 1, 3}));
    EXPECT_TRUE(def->Page(5).defined);  // else the writer would leave the page out
    EXPECT_FALSE(def->Page(3).defined);
    EXPECT_EQ(def->Page(3).pageStarts[0].program, "CALC.EXE");
    EXPECT_EQ(def->startPrograms, Definition()->startPrograms);
    EXPECT_EQ(def->endPrograms, Definition()->endPrograms);
}

TEST(BarTitleDialog, OpensWithTheCommonBoxOnPageOneOnly) {
    auto def = std::make_unique<MenuDefinition>();
    def->commonBackground = true;
    def->Page(1).barTitle = {"Office", 0xFFC0C0, "", 0};
    def->Page(1).pageWaitMode = 2;
    def->Page(2).barTitle = {"Two", definition::kDefaultBackColour, "BACK.JPG", 1};
    const BarTitleDialogModel first(*def, 1);
    EXPECT_TRUE(first.OffersCommonBackground());
    EXPECT_TRUE(first.commonBackground);
    EXPECT_EQ(first.text, "Office");
    EXPECT_EQ(first.waitMode, 2);
    EXPECT_EQ(CellForColour(first.colour, PaletteUse::Background), 21);
    const BarTitleDialogModel second(*def, 2);
    EXPECT_FALSE(second.OffersCommonBackground());
    EXPECT_FALSE(second.commonBackground);
    EXPECT_EQ(second.picture, "BACK.JPG");
    EXPECT_EQ(CellForColour(second.colour, PaletteUse::Background), kDefaultCell);
}

TEST(BarTitleDialog, PictureCheckPreviewAndStore) {
    const testing::DialogMachine m;
    auto def = std::make_unique<MenuDefinition>();
    BarTitleDialogModel model(*def, 2);
    model.text = "Bar";
    model.picture = " BACK.JPG ";
    model.colour = 0x00FF00;
    model.waitMode = 3;
    EXPECT_EQ(model.PreviewPath(m.folders, m.files), "C:\\MENU\\BACK.JPG");
    const BarCheckResult ok = model.Check(m.folders, m.files);
    EXPECT_TRUE(ok.failures.empty());
    model.Store(*def, ok);
    EXPECT_EQ(def->Page(2).barTitle,
              (definition::BarTitle{"Bar", definition::kDefaultBackColour, "BACK.JPG", 1}));
    EXPECT_EQ(def->Page(2).pageWaitMode, 3);

    // Without a picture the colour picked is stored.
    model.picture = "";
    EXPECT_FALSE(model.PreviewPath(m.folders, m.files).has_value());
    model.Store(*def, model.Check(m.folders, m.files));
    EXPECT_EQ(def->Page(2).barTitle, (definition::BarTitle{"Bar", 0x00FF00, "", 0}));

    // A path from the root of the current drive is wrong; Yes stores it with base 0.
    model.picture = "\\pics\\a.bmp";
    const BarCheckResult wrong = model.Check(m.folders, m.files);
    ASSERT_EQ(wrong.failures.size(), 1u);
    EXPECT_EQ(wrong.failures[0].message, kWrongPicture);
    EXPECT_EQ(wrong.failures[0].tab, kBarPictureTab);
    EXPECT_FALSE(model.PreviewPath(m.folders, m.files).has_value());
    model.Store(*def, wrong);
    EXPECT_EQ(def->Page(2).barTitle.picture, "\\pics\\a.bmp");
    EXPECT_EQ(def->Page(2).barTitle.pathBase, 0);

    model.picture = "C:\\PICS\\GONE.BMP";
    EXPECT_EQ(model.Check(m.folders, m.files).failures.at(0).message, kMissingPicture);

    // The palette of the bar title has no see-through cells.
    model.PickColour(kTransparentCell);
    EXPECT_EQ(model.colour, 0x00FF00u);
    model.PickColour(kDefaultCell);
    EXPECT_EQ(model.colour, definition::kDefaultBackColour);
}

TEST(BarTitleDialog, CommonBackgroundIsStoredOnPageOneOnly) {
    const testing::DialogMachine m;
    auto def = std::make_unique<MenuDefinition>();
    BarTitleDialogModel other(*def, 4);
    other.commonBackground = true;  // the box is hidden there; nothing it says counts
    other.Store(*def, other.Check(m.folders, m.files));
    EXPECT_FALSE(def->commonBackground);
    BarTitleDialogModel first(*def, 1);
    first.commonBackground = true;
    first.Store(*def, first.Check(m.folders, m.files));
    EXPECT_TRUE(def->commonBackground);
    BarTitleDialogModel again(*def, 1);
    again.commonBackground = false;
    again.Store(*def, again.Check(m.folders, m.files));
    EXPECT_FALSE(def->commonBackground);
}

}  // namespace
}  // namespace torva::editor::dialogs
