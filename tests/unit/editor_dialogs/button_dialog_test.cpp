#include "editor/dialogs/button_dialog.h"

#include <gtest/gtest.h>

#include "dialog_fixture.h"
#include "editor/dialogs/path_field_check.h"
#include "editor/dialogs/store_question.h"

namespace torva::editor::dialogs {
namespace {

using definition::ButtonAction;
using definition::MenuButton;

MenuButton FullButton(ButtonAction action) {
    MenuButton b;
    b.action = action;
    b.caption = "Caption";
    b.program = "prog";
    b.arguments = "args";
    b.workFolder = "C:\\WORK";
    b.targetPage = 7;
    b.runOption = 3;
    b.comment = "note";
    b.password = "pw";
    b.guide = "guide";
    b.pfKey = true;
    b.foreColour = 0x0000FF;
    b.backColour = definition::kTransparent;
    return b;
}

TEST(ButtonDialogOpening, FieldsAndEnabledStatesPerAction) {
    struct Case {
        int action;
        int selected;
        ButtonFields texts;  // only the action texts are compared
        ActionFieldStates enabled;
    };
    ButtonFields none;
    ButtonFields run;
    run.program = "prog";
    run.arguments = "args";
    run.workFolder = "C:\\WORK";
    ButtonFields page;
    page.page = "7";
    ButtonFields remote;
    remote.remoteComputer = "prog";
    remote.arguments = "args";
    ButtonFields control;
    control.remoteComputer = "prog";
    control.page = "7";
    control.buttonNumber = "3";
    const Case cases[] = {
        {0, 0, none, {}},
        {1, 1, run, {true, true, false, false, false}},
        {2, 2, page, {false, false, true, false, false}},
        {3, 3, none, {}},
        {12, 12, none, {}},
        {13, 13, remote, {false, true, false, false, true}},
        {14, 14, remote, {false, true, false, false, true}},
        {15, 15, remote, {false, true, false, false, true}},
        {16, 16, remote, {false, true, false, false, true}},
        {17, 17, remote, {false, true, false, false, true}},
        {18, 18, control, {false, false, true, true, true}},
        {19, 0, none, {}},
        {200, 0, none, {}},
    };
    for (const Case& c : cases) {
        const ButtonDialogModel model(FullButton(static_cast<ButtonAction>(c.action)));
        const ButtonFields& f = model.fields;
        EXPECT_EQ(f.action, c.selected) << c.action;
        EXPECT_EQ(f.program, c.texts.program) << c.action;
        EXPECT_EQ(f.arguments, c.texts.arguments) << c.action;
        EXPECT_EQ(f.workFolder, c.texts.workFolder) << c.action;
        EXPECT_EQ(f.page, c.texts.page) << c.action;
        EXPECT_EQ(f.buttonNumber, c.texts.buttonNumber) << c.action;
        EXPECT_EQ(f.remoteComputer, c.texts.remoteComputer) << c.action;
        EXPECT_EQ(f.waitMode, c.action == 1 ? 3 : 0) << c.action;
        EXPECT_EQ(EnabledActionFields(f.action), c.enabled) << c.action;
        EXPECT_EQ(f.caption, "Caption");
        EXPECT_EQ(f.comment, "note");
        EXPECT_EQ(f.password, "pw");
        EXPECT_EQ(f.guide, "guide");
        EXPECT_TRUE(f.pfKey);
        EXPECT_EQ(model.foreColour, 0x0000FFu);
        EXPECT_EQ(model.backColour, definition::kTransparent);
        EXPECT_EQ(model.currentTab, kButtonGeneralTab);
    }
}

TEST(ButtonDialogOpening, ZeroNumbersShowEmptyAndFontOnlyWhenSet) {
    MenuButton b;
    b.action = ButtonAction::RemoteControl;
    ButtonDialogModel model(b);
    EXPECT_EQ(model.fields.page, "");
    EXPECT_EQ(model.fields.buttonNumber, "");
    EXPECT_FALSE(model.font.IsSet());

    b.fontStyle = "Bold";
    EXPECT_EQ(ButtonDialogModel(b).font, (DialogFont{"", "Bold", 0}));
    b.fontStyle.clear();
    b.fontSize = 14;
    EXPECT_TRUE(ButtonDialogModel(b).font.IsSet());
}

TEST(ButtonDialogFields, LeaveRules) {
    const testing::DialogMachine m;
    ButtonDialogModel model{MenuButton{}};
    model.fields.program = "  C:\\APPS\\EDIT.EXE  ";
    model.fields.workFolder = " C:\\WORK ";
    model.fields.remoteComputer = " PC01 ";
    model.fields.arguments = " keep ";
    model.fields.page = "abc";
    model.fields.buttonNumber = " 12x";
    model.EnterField(ButtonField::Program);
    EXPECT_EQ(model.editingField, ButtonField::Program);
    model.LeaveField(ButtonField::Program, m.folders, m.files, m.icons);
    EXPECT_EQ(model.editingField, ButtonField::None);
    model.LeaveField(ButtonField::WorkFolder, m.folders, m.files, m.icons);
    model.LeaveField(ButtonField::RemoteComputer, m.folders, m.files, m.icons);
    model.LeaveField(ButtonField::Arguments, m.folders, m.files, m.icons);
    model.LeaveField(ButtonField::Page, m.folders, m.files, m.icons);
    model.LeaveField(ButtonField::ButtonNumber, m.folders, m.files, m.icons);
    EXPECT_EQ(model.fields.program, "C:\\APPS\\EDIT.EXE");
    EXPECT_EQ(model.fields.workFolder, "C:\\WORK");
    EXPECT_EQ(model.fields.remoteComputer, "PC01");
    EXPECT_EQ(model.fields.arguments, " keep ");
    EXPECT_EQ(model.fields.page, "0");
    EXPECT_EQ(model.fields.buttonNumber, "12");
    model.fields.page = "";
    model.LeaveField(ButtonField::Page, m.folders, m.files, m.icons);
    EXPECT_EQ(model.fields.page, "0");
    model.fields.page = "99999999999999";
    model.LeaveField(ButtonField::Page, m.folders, m.files, m.icons);
    EXPECT_EQ(model.fields.page, "2147483647");

    // Boxes outside the four do not count as being edited.
    model.EnterField(ButtonField::Comment);
    EXPECT_EQ(model.editingField, ButtonField::None);

    // OK finishes the icon file box that still has the focus: trimmed and loaded.
    model.fields.iconFile = "  C:\\ICONS\\MANY.DLL ";
    model.EnterField(ButtonField::IconFile);
    const IconLoad load = model.FinishEditing(m.folders, m.files, m.icons);
    EXPECT_EQ(model.fields.iconFile, "C:\\ICONS\\MANY.DLL");
    EXPECT_EQ(load.count, 25);
    EXPECT_EQ(model.editingField, ButtonField::None);
    EXPECT_FALSE(model.FinishEditing(m.folders, m.files, m.icons).changed);
}

struct CheckCase {
    int action;
    const char* program;
    const char* workFolder;
    const char* page;
    const char* buttonNumber;
    const char* iconFile;
    std::vector<std::string_view> messages;
    uint8_t programBase;
    uint8_t iconBase;
};

TEST(ButtonDialogOk, ChecksInOrderWithTheirMessages) {
    const testing::DialogMachine m;
    const CheckCase cases[] = {
        {1, "C:", "", "", "", "", {kWrongProgram}, 0, 0},
        {1, "\\x", "", "", "", "", {kWrongProgram}, 0, 0},
        {1, "C:\\APPS\\GONE.EXE", "", "", "", "", {kMissingProgram}, 0, 0},
        {1, "http://example.com", "", "", "", "", {}, 0, 0},
        {1, "HTTPS://example.com", "", "", "", "", {}, 0, 0},
        {1, "NOTEPAD.EXE", "", "", "", "", {}, 3, 0},
        {1, "", "", "", "", "", {}, 0, 0},  // an empty program, folder and icon pass
        {1, "NOTEPAD.EXE", "x", "", "", "", {}, 3, 0},
        {1, "NOTEPAD.EXE", "C:\\WORK", "", "", "", {}, 3, 0},
        {1, "NOTEPAD.EXE", "C:\\NOWHERE", "", "", "", {kWrongWorkFolder}, 3, 0},
        {1,
         "GONE.EXE",
         "C:\\NOWHERE",
         "",
         "",
         "C:",
         {kMissingProgram, kWrongWorkFolder, kWrongIconFile},
         0,
         0},
        {2, "C:", "C:\\NOWHERE", "abc", "", "", {kWrongPage}, 0, 0},  // program checks only for action 1
        {2, "", "", "0", "", "", {kWrongPage}, 0, 0},
        {2, "", "", "1", "", "", {}, 0, 0},
        {2, "", "", "99", "", "", {}, 0, 0},
        {2, "", "", "100", "", "", {kWrongPage}, 0, 0},
        {2, "", "", "-1", "", "", {kWrongPage}, 0, 0},
        {18, "", "", "5", "0", "", {kWrongButtonNumber}, 0, 0},
        {18, "", "", "5", "1", "", {}, 0, 0},
        {18, "", "", "5", "12", "", {}, 0, 0},
        {18, "", "", "5", "13", "", {kWrongButtonNumber}, 0, 0},  // the readers refuse it (rule 26)
        {18, "", "", "", "", "", {kWrongPage, kWrongButtonNumber}, 0, 0},
        {3, "", "", "", "", "SHELL32.DLL", {}, 0, 4},
        {3, "", "", "", "", "A.ICO", {}, 0, 1},
        {3, "", "", "", "", "\\A.ICO", {kWrongIconFile}, 0, 0},
        {3, "", "", "", "", "C:\\ICONS\\GONE.ICO", {kMissingIconFile}, 0, 0},
        {3, "", "", "", "", "http://x/a.ico", {kMissingIconFile}, 0, 0},  // no address form
        {0, "C:", "", "", "abc", "", {}, 0, 0},
    };
    for (const CheckCase& c : cases) {
        ButtonDialogModel model{MenuButton{}};
        model.fields.action = c.action;
        model.fields.program = c.program;
        model.fields.workFolder = c.workFolder;
        model.fields.page = c.page;
        model.fields.buttonNumber = c.buttonNumber;
        model.fields.iconFile = c.iconFile;
        const ButtonCheckResult result = model.Check(m.folders, m.files);
        std::vector<std::string_view> messages;
        for (const ButtonFailure& f : result.failures) messages.push_back(f.message);
        EXPECT_EQ(messages, c.messages) << c.action << " " << c.program << " " << c.iconFile;
        EXPECT_EQ(result.programBase, c.programBase) << c.program;
        EXPECT_EQ(result.iconBase, c.iconBase) << c.iconFile;
    }
}

TEST(ButtonDialogOk, NoReturnsToTheFailedFieldsTab) {
    const testing::DialogMachine m;
    ButtonDialogModel model{MenuButton{}};
    model.fields.action = 18;
    model.fields.page = "abc";
    model.fields.buttonNumber = "30";
    model.fields.iconFile = "C:";
    const ButtonCheckResult result = model.Check(m.folders, m.files);
    ASSERT_EQ(result.failures.size(), 3u);
    EXPECT_EQ(result.failures[0].field, ButtonField::Page);
    EXPECT_EQ(result.failures[0].tab, kButtonGeneralTab);
    EXPECT_EQ(result.failures[1].field, ButtonField::ButtonNumber);
    EXPECT_EQ(result.failures[2].field, ButtonField::IconFile);
    EXPECT_EQ(result.failures[2].tab, kButtonIconTab);

    model.fields.action = 1;
    model.fields.program = "GONE.EXE";
    model.fields.workFolder = "C:\\NOWHERE";
    const ButtonCheckResult run = model.Check(m.folders, m.files);
    ASSERT_EQ(run.failures.size(), 3u);
    EXPECT_EQ(run.failures[0].field, ButtonField::Program);
    EXPECT_EQ(run.failures[1].field, ButtonField::WorkFolder);

    // Yes to the first and No to the second stops on the second; nothing is asked after it.
    std::vector<std::string> asked;
    int answers = 0;
    const ButtonFailure* refused = FirstRefused(run.failures, [&](const std::string& text) {
        asked.push_back(text);
        return answers++ == 0;
    });
    ASSERT_NE(refused, nullptr);
    EXPECT_EQ(refused->field, ButtonField::WorkFolder);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0], "指定の実行ファイルが存在しません。\rこのまま格納しますか？");
    EXPECT_EQ(asked[1], "ワークフォルダの指定に誤りがあるか、存在しません。\rこのまま格納しますか？");

    int questions = 0;
    EXPECT_EQ(FirstRefused(run.failures, [&](const std::string&) { return ++questions > 0; }), nullptr);
    EXPECT_EQ(questions, 3);
}

TEST(ButtonDialogOk, StorePerAction) {
    const testing::DialogMachine m;
    struct Case {
        int action;
        ButtonAction stored;
        const char* program;
        uint8_t programBase;
        const char* arguments;
        const char* workFolder;
        uint8_t targetPage;
        uint8_t runOption;
    };
    const Case cases[] = {
        {1, ButtonAction::Run, "NOTEPAD.EXE", 3, " -a ", "C:\\WORK", 0, 4},
        {2, ButtonAction::Page, "", 0, "", "", 42, 0},
        {3, ButtonAction::End, "", 0, "", "", 0, 0},
        {12, ButtonAction::ConfirmReboot, "", 0, "", "", 0, 0},
        {13, ButtonAction::RemoteShutdown, "PC01", 0, " -a ", "", 0, 0},
        {17, ButtonAction::RemoteMessage, "PC01", 0, " -a ", "", 0, 0},
        {18, ButtonAction::RemoteControl, "PC01", 0, "", "", 42, 20},
    };
    for (const Case& c : cases) {
        MenuButton button = FullButton(ButtonAction::Run);
        button.programBase = 2;
        ButtonDialogModel model(button);
        model.fields.action = c.action;
        model.fields.program = "NOTEPAD.EXE";
        model.fields.arguments = " -a ";
        model.fields.remoteComputer = "PC01";
        model.fields.page = "42";
        model.fields.buttonNumber = "20";
        model.fields.waitMode = 4;
        model.Check(m.folders, m.files);
        model.Store(button, model.Check(m.folders, m.files));
        EXPECT_EQ(button.action, c.stored) << c.action;
        EXPECT_EQ(button.program, c.program) << c.action;
        EXPECT_EQ(button.programBase, c.programBase) << c.action;
        EXPECT_EQ(button.arguments, c.arguments) << c.action;
        EXPECT_EQ(button.workFolder, c.workFolder) << c.action;
        EXPECT_EQ(button.targetPage, c.targetPage) << c.action;
        EXPECT_EQ(button.runOption, c.runOption) << c.action;
        // The fields outside the action group are stored whatever the action.
        EXPECT_EQ(button.caption, "Caption");
        EXPECT_EQ(button.comment, "note");
        EXPECT_TRUE(button.pfKey);
        EXPECT_EQ(button.backColour, definition::kTransparent);
    }
}

TEST(ButtonDialogOk, NoActionKeepsTheActionFields) {
    const testing::DialogMachine m;
    MenuButton button = FullButton(ButtonAction::None);
    ButtonDialogModel model(button);
    model.fields.caption = "New";
    model.fields.pfKey = false;
    model.Store(button, model.Check(m.folders, m.files));
    EXPECT_EQ(button.action, ButtonAction::None);
    EXPECT_EQ(button.program, "prog");
    EXPECT_EQ(button.workFolder, "C:\\WORK");
    EXPECT_EQ(button.targetPage, 7);
    EXPECT_EQ(button.runOption, 3);
    EXPECT_EQ(button.caption, "New");
    EXPECT_FALSE(button.pfKey);
}

TEST(ButtonDialogOk, KeptNumbersAreClampedToTheByte) {
    const testing::DialogMachine m;
    struct Case {
        const char* page;
        const char* button;
        uint8_t storedPage;
        uint8_t storedButton;
    };
    const Case cases[] = {
        {"abc", "abc", 0, 0},
        {"300", "999", 255, 255},
        {"-5", "-1", 0, 0},
        {"255", "256", 255, 255},
    };
    for (const Case& c : cases) {
        MenuButton button;
        ButtonDialogModel model(button);
        model.fields.action = 18;
        model.fields.page = c.page;
        model.fields.buttonNumber = c.button;
        model.Store(button, model.Check(m.folders, m.files));
        EXPECT_EQ(button.targetPage, c.storedPage) << c.page;
        EXPECT_EQ(button.runOption, c.storedButton) << c.button;
    }
}

TEST(ButtonDialogOk, IconColoursFontAndTexts) {
    const testing::DialogMachine m;
    MenuButton button;
    button.icon = "SHELL32.DLL|5";
    button.iconBase = 4;
    ButtonDialogModel model(button);
    EXPECT_EQ(model.OpenIcons(m.folders, m.files, m.icons).count, 40);
    EXPECT_EQ(model.fields.iconFile, "SHELL32.DLL");
    EXPECT_EQ(model.icons.selected(), 5);

    model.currentTab = kButtonCaptionColourTab;
    model.PickColour(kTransparentCell);  // not on the caption tab
    EXPECT_EQ(model.foreColour, definition::kDefaultTextColour);
    model.PickColour(5);
    model.currentTab = kButtonBackColourTab;
    model.PickColour(kTransparentCell);
    model.font = {"Arial", "Bold", 12};
    model.fields.password = "secret";
    model.fields.guide = "Press me";
    model.Store(button, model.Check(m.folders, m.files));
    EXPECT_EQ(button.icon, "SHELL32.DLL|5");
    EXPECT_EQ(button.iconBase, 4);
    EXPECT_EQ(button.foreColour, 0x000000u);
    EXPECT_EQ(button.backColour, definition::kTransparent);
    EXPECT_EQ(button.fontName, "Arial");
    EXPECT_EQ(button.fontStyle, "Bold");
    EXPECT_EQ(button.fontSize, 12);
    EXPECT_EQ(button.password, "secret");
    EXPECT_EQ(button.guide, "Press me");

    // Icon 0 is written without an index; a kept wrong icon file keeps its text with base 0.
    model.icons.Scroll(0);
    model.fields.iconFile = "\\A.ICO";
    model.LeaveField(ButtonField::IconFile, m.folders, m.files, m.icons);
    model.Store(button, model.Check(m.folders, m.files));
    EXPECT_EQ(button.icon, "\\A.ICO");
    EXPECT_EQ(button.iconBase, 0);
}

TEST(ButtonDialogOk, StoredIndexBeyondTheLastIconBecomesZero) {
    const testing::DialogMachine m;
    MenuButton button;
    button.icon = "C:\\MENU\\TOOL.EXE|7";
    ButtonDialogModel model(button);
    model.OpenIcons(m.folders, m.files, m.icons);
    model.Store(button, model.Check(m.folders, m.files));
    EXPECT_EQ(button.icon, "C:\\MENU\\TOOL.EXE");
}

}  // namespace
}  // namespace torva::editor::dialogs
