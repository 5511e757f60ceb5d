#include "editor/element_edit.h"

#include <gtest/gtest.h>

#include <memory>

namespace torva::editor {
namespace {

using definition::ButtonAction;
using definition::kDefaultBackColour;
using definition::kDefaultTextColour;
using definition::MenuButton;
using definition::MenuDefinition;
using definition::PageTitle;

MenuButton FullButton() {
    MenuButton b;
    b.icon = "tools\\calc.exe|1";
    b.iconBase = 2;
    b.pfKey = true;
    b.caption = "電卓";
    b.fontName = "ＭＳ ゴシック";
    b.fontStyle = "B";
    b.fontSize = 12;
    b.foreColour = 0x0000FF;
    b.backColour = 0x00FF00;
    b.comment = "calculator";
    b.password = "pw";
    b.guide = "guide";
    b.workFolder = "C:\\Tools";
    b.action = ButtonAction::Run;
    b.program = "calc.exe";
    b.programBase = 3;
    b.arguments = "/x";
    b.targetPage = 4;
    b.runOption = 2;
    return b;
}

PageTitle FullTitle() {
    PageTitle t;
    t.text = "総務部";
    t.fontName = "ＭＳ 明朝";
    t.fontStyle = "I";
    t.fontSize = 14;
    t.foreColour = 0x112233;
    t.backColour = 0x445566;
    return t;
}

class ElementEdit : public ::testing::Test {
  protected:
    std::unique_ptr<MenuDefinition> def = std::make_unique<MenuDefinition>();
    EditorWindowState state;
};

TEST_F(ElementEdit, CopyOnOnePagePasteOnAnotherCopiesEveryFieldIncludingFonts) {
    def->Page(1).Button(3) = FullButton();
    def->Page(1).defined = true;
    state.currentPage = 1;
    state.focusIndex = 3;
    EXPECT_FALSE(EditElement(EditCommand::Copy, *def, state));
    state.currentPage = 2;
    state.focusIndex = 7;
    EXPECT_TRUE(EditElement(EditCommand::Paste, *def, state));
    EXPECT_EQ(def->Page(2).Button(7), FullButton());
    EXPECT_EQ(def->Page(1).Button(3), FullButton());
    EXPECT_TRUE(def->Page(2).defined);
}

TEST_F(ElementEdit, DeleteKeepsFontAndPathBasesOnly) {
    def->Page(1).Button(5) = FullButton();
    state.focusIndex = 5;
    EXPECT_TRUE(EditElement(EditCommand::Delete, *def, state));
    MenuButton want;
    want.fontName = "ＭＳ ゴシック";
    want.fontStyle = "B";
    want.fontSize = 12;
    want.iconBase = 2;
    want.programBase = 3;
    EXPECT_EQ(def->Page(1).Button(5), want);
    EXPECT_FALSE(def->Page(1).defined);
}

TEST_F(ElementEdit, CutCopiesThenDeletes) {
    def->Page(1).Button(1) = FullButton();
    state.focusIndex = 1;
    EXPECT_TRUE(EditElement(EditCommand::Cut, *def, state));
    EXPECT_EQ(state.buttonClipboard, FullButton());
    EXPECT_TRUE(def->Page(1).Button(1).caption.empty());
    EXPECT_EQ(def->Page(1).Button(1).fontName, "ＭＳ ゴシック");
}

TEST_F(ElementEdit, EachKindPastesFromItsOwnClipboard) {
    def->Page(1).Button(2) = FullButton();
    def->Page(1).Title(1) = FullTitle();
    state.focusIndex = 2;
    EditElement(EditCommand::Copy, *def, state);
    state.focusIndex = kMainTitle;
    EditElement(EditCommand::Copy, *def, state);
    // A title paste writes the title clipboard, whatever was copied last.
    state.focusIndex = kSubTitle;
    EditElement(EditCommand::Paste, *def, state);
    EXPECT_EQ(def->Page(1).Title(2), FullTitle());
    // A slot paste writes the button clipboard although a title was copied after it.
    state.focusIndex = 9;
    EditElement(EditCommand::Paste, *def, state);
    EXPECT_EQ(def->Page(1).Button(9), FullButton());
}

TEST_F(ElementEdit, PastingAnEmptyClipboardEmptiesTheElement) {
    def->Page(1).Button(4) = FullButton();
    def->Page(1).defined = true;
    state.focusIndex = 4;
    EXPECT_TRUE(EditElement(EditCommand::Paste, *def, state));
    EXPECT_EQ(def->Page(1).Button(4), MenuButton{});
    EXPECT_FALSE(def->Page(1).defined);
}

TEST_F(ElementEdit, DeletingATitleKeepsItsFont) {
    def->Page(1).Title(2) = FullTitle();
    state.focusIndex = kSubTitle;
    EditElement(EditCommand::Delete, *def, state);
    PageTitle want = FullTitle();
    want.text.clear();
    want.foreColour = kDefaultTextColour;
    want.backColour = kDefaultBackColour;
    EXPECT_EQ(def->Page(1).Title(2), want);
}

TEST_F(ElementEdit, NothingHappensWithoutASelectedVisibleElement) {
    def->Page(1).Button(13) = FullButton();
    for (const int focus : {0, 13, 24, 90, 93, 99}) {
        state.focusIndex = focus;
        for (const auto command :
             {EditCommand::Copy, EditCommand::Cut, EditCommand::Paste, EditCommand::Delete}) {
            EXPECT_FALSE(EditElement(command, *def, state)) << focus;
        }
    }
    EXPECT_EQ(def->Page(1).Button(13), FullButton());
    EXPECT_EQ(state.buttonClipboard, MenuButton{});
}

TEST_F(ElementEdit, ExtendedModeEditsSlotsBeyondTwelve) {
    def->displayMode = 9;
    state.focusIndex = 20;
    state.buttonClipboard = FullButton();
    EXPECT_TRUE(EditElement(EditCommand::Paste, *def, state));
    EXPECT_TRUE(def->Page(1).defined);
}

struct UseCase {
    const char* name;
    void (*change)(definition::MenuPage&);
    int buttonsPerPage;
    bool commonBackground;
    bool inUse;
};

class PageInUse : public ::testing::TestWithParam<UseCase> {};

TEST_P(PageInUse, DecidesWhetherThePageIsWritten) {
    const UseCase& c = GetParam();
    auto page = std::make_unique<definition::MenuPage>();
    c.change(*page);
    EXPECT_EQ(pageInUse(*page, c.buttonsPerPage, c.commonBackground), c.inUse) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PageInUse,
    ::testing::Values(
        UseCase{"empty", [](definition::MenuPage&) {}, 12, false, false},
        UseCase{"blank caption", [](definition::MenuPage& p) { p.Button(1).caption = "   "; }, 12, false,
                false},
        UseCase{"caption", [](definition::MenuPage& p) { p.Button(12).caption = "x"; }, 12, false, true},
        UseCase{"icon", [](definition::MenuPage& p) { p.Button(2).icon = "a.ico"; }, 12, false, true},
        UseCase{"action", [](definition::MenuPage& p) { p.Button(2).action = ButtonAction::End; }, 12, false,
                true},
        UseCase{"back colour", [](definition::MenuPage& p) { p.Button(2).backColour = 0; }, 12, false, true},
        UseCase{"fore colour", [](definition::MenuPage& p) { p.Button(2).foreColour = 0; }, 12, false, true},
        // Fonts, comments and passwords alone do not make a page.
        UseCase{"font only", [](definition::MenuPage& p) { p.Button(2).fontName = "x"; }, 12, false, false},
        UseCase{"slot 13 in mode 1", [](definition::MenuPage& p) { p.Button(13).caption = "x"; }, 12, false,
                false},
        UseCase{"slot 13 in mode 9", [](definition::MenuPage& p) { p.Button(13).caption = "x"; }, 24, false,
                true},
        UseCase{"slot 24 in mode 9", [](definition::MenuPage& p) { p.Button(24).action = ButtonAction::Run; },
                24, false, true},
        UseCase{"title text", [](definition::MenuPage& p) { p.Title(2).text = "t"; }, 12, false, true},
        UseCase{"title colour", [](definition::MenuPage& p) { p.Title(1).backColour = 1; }, 12, false, true},
        UseCase{"bar text", [](definition::MenuPage& p) { p.barTitle.text = "b"; }, 12, false, true},
        UseCase{"bar text, common", [](definition::MenuPage& p) { p.barTitle.text = "b"; }, 12, true, false},
        UseCase{"bar picture", [](definition::MenuPage& p) { p.barTitle.picture = "a.bmp"; }, 12, false,
                true},
        UseCase{"bar colour", [](definition::MenuPage& p) { p.barTitle.backColour = 5; }, 12, false, true},
        UseCase{"page wait", [](definition::MenuPage& p) { p.pageWaitMode = 2; }, 12, false, true},
        UseCase{"page start program", [](definition::MenuPage& p) { p.PageStart(2).program = "a.exe"; }, 12,
                false, true},
        UseCase{"page wait, common", [](definition::MenuPage& p) { p.pageWaitMode = 2; }, 12, true, false}));

}  // namespace
}  // namespace torva::editor
