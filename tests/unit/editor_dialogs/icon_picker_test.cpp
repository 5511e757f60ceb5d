#include "editor/dialogs/icon_picker.h"

#include <gtest/gtest.h>

#include "dialog_fixture.h"

namespace torva::editor::dialogs {
namespace {

std::vector<int> ShownIndexes(const IconPicker& picker) {
    std::vector<int> shown;
    for (const IconCell& cell : picker.Cells()) {
        if (cell.index >= 0) shown.push_back(cell.index);
    }
    return shown;
}

int HighlightedIndex(const IconPicker& picker) {
    int found = -1;
    for (const IconCell& cell : picker.Cells()) {
        if (cell.selected) {
            EXPECT_EQ(found, -1) << "two cells highlighted";
            found = cell.index;
        }
    }
    return found;
}

TEST(IconPicker, OpeningFromTheStoredSource) {
    const testing::DialogMachine m;
    struct Case {
        const char* source;
        uint8_t base;
        const char* path;  // nullptr: nothing loaded
        int count;
        int selected;
        int first;
        int cursor;
    };
    const Case cases[] = {
        {"SHELL32.DLL|5", 4, "C:\\WINDOWS\\SYSTEM32\\SHELL32.DLL", 40, 5, 0, 5},
        {"C:\\ICONS\\MANY.DLL|20", 0, "C:\\ICONS\\MANY.DLL", 25, 20, 11, 20},
        {"C:\\ICONS\\MANY.DLL|25", 0, "C:\\ICONS\\MANY.DLL", 25, 0, 0, 0},  // beyond the last icon
        {"C:\\ICONS\\MANY.DLL|24", 0, "C:\\ICONS\\MANY.DLL", 25, 24, 15, 24},
        {"C:\\ICONS\\MANY.DLL|", 0, "C:\\ICONS\\MANY.DLL", 25, 0, 0, 0},
        {"C:\\ICONS\\MANY.DLL|99999999999", 0, "C:\\ICONS\\MANY.DLL", 25, 0, 0, 0},
        {"A.ICO", 2, "C:\\TORVA\\A.ICO", 1, 0, 0, 0},  // the button's own base while the file is there
        {"A.ICO", 0, "C:\\MENU\\A.ICO", 1, 0, 0, 0},
        {"C:\\ICONS\\B.CUR", 0, "C:\\ICONS\\B.CUR", 1, 0, 0, 0},
        {"C:\\APPS\\PLAIN.EXE|3", 0, nullptr, 0, 0, 0, 0},          // a program without icons has no icon 3
        {"C:\\ICONS\\B.CUR|3", 0, "C:\\ICONS\\B.CUR", 1, 3, 0, 3},  // the index counts for libraries only
        {"C:\\ICONS\\PIC.BMP", 0, nullptr, 0, 0, 0, 0},
        {"C:\\ICONS\\GONE.ICO|2", 0, nullptr, 0, 2, 0, 2},
        {"", 0, nullptr, 0, 0, 0, 0},
        {"C:", 0, nullptr, 0, 0, 0, 0},
        {"\\A.ICO", 0, nullptr, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        IconPicker picker;
        const IconLoad load = picker.Open(c.source, c.base, m.folders, m.files, m.icons);
        EXPECT_TRUE(load.changed) << c.source;
        EXPECT_EQ(load.path, c.path ? c.path : "") << c.source;
        EXPECT_EQ(load.count, c.count) << c.source;
        EXPECT_EQ(picker.count(), c.count) << c.source;
        EXPECT_EQ(picker.selected(), c.selected) << c.source;
        EXPECT_EQ(picker.firstVisible(), c.first) << c.source;
        EXPECT_EQ(picker.cursor(), c.cursor) << c.source;
        EXPECT_EQ(picker.fileBase(), c.base) << c.source;
    }
}

TEST(IconPicker, IndexTwentyOfTwentyFiveShowsElevenToTwenty) {
    const testing::DialogMachine m;
    IconPicker picker;
    picker.Open("C:\\ICONS\\MANY.DLL|20", 0, m.folders, m.files, m.icons);
    EXPECT_EQ(picker.ScrollMax(), 24);
    EXPECT_EQ(ShownIndexes(picker), (std::vector<int>{11, 12, 13, 14, 15, 16, 17, 18, 19, 20}));
    EXPECT_EQ(HighlightedIndex(picker), 20);
    EXPECT_EQ(picker.StoredSource("C:\\ICONS\\MANY.DLL"), "C:\\ICONS\\MANY.DLL|20");
}

TEST(IconPicker, ScrollingAndClicking) {
    const testing::DialogMachine m;
    IconPicker picker;
    EXPECT_TRUE(picker.Load("C:\\ICONS\\MANY.DLL", m.folders, m.files, m.icons).changed);
    EXPECT_EQ(ShownIndexes(picker), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(HighlightedIndex(picker), 0);

    // The choice follows the bar while the bar is on it; the cells follow the bar.
    EXPECT_TRUE(picker.Scroll(12));
    EXPECT_EQ(picker.selected(), 12);
    EXPECT_EQ(picker.firstVisible(), 3);
    EXPECT_EQ(HighlightedIndex(picker), 12);
    EXPECT_FALSE(picker.Scroll(12));
    EXPECT_TRUE(picker.Scroll(2));
    EXPECT_EQ(picker.firstVisible(), 2);
    EXPECT_EQ(picker.selected(), 2);

    // A click chooses the icon under the cell; cells past the last icon choose nothing.
    EXPECT_TRUE(picker.Click(4));
    EXPECT_EQ(picker.selected(), 6);
    EXPECT_EQ(picker.cursor(), 6);
    EXPECT_FALSE(picker.Click(10));
    EXPECT_FALSE(picker.Click(-1));
    EXPECT_TRUE(picker.Scroll(24));
    EXPECT_EQ(ShownIndexes(picker).back(), 24);
    EXPECT_EQ(picker.StoredSource("C:\\ICONS\\MANY.DLL"), "C:\\ICONS\\MANY.DLL|24");

    // Off the choice (a resource number the cells cannot show) the bar moves without taking it along.
    IconPicker kept;
    kept.Open("C:\\ICONS\\MANY.DLL|-5", 0, m.folders, m.files, m.icons);
    EXPECT_EQ(kept.cursor(), 0);
    EXPECT_TRUE(kept.Scroll(3));
    EXPECT_EQ(kept.selected(), -5);
    EXPECT_EQ(kept.StoredSource("C:\\ICONS\\MANY.DLL"), "C:\\ICONS\\MANY.DLL|-5");
    EXPECT_EQ(HighlightedIndex(kept), -1);
}

TEST(IconPicker, LoadingAnotherFile) {
    const testing::DialogMachine m;
    IconPicker picker;
    picker.Open("C:\\ICONS\\MANY.DLL|20", 0, m.folders, m.files, m.icons);
    // The same text leaves the images and the choice alone.
    EXPECT_FALSE(picker.Load("C:\\ICONS\\MANY.DLL", m.folders, m.files, m.icons).changed);
    EXPECT_EQ(picker.selected(), 20);

    const IconLoad tool = picker.Load("TOOL.EXE", m.folders, m.files, m.icons);
    EXPECT_TRUE(tool.changed);
    EXPECT_EQ(tool.path, "C:\\MENU\\TOOL.EXE");
    EXPECT_EQ(tool.count, 3);
    EXPECT_EQ(picker.fileBase(), 1);
    EXPECT_EQ(picker.selected(), 0);
    EXPECT_EQ(picker.firstVisible(), 0);
    EXPECT_EQ(ShownIndexes(picker), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(picker.StoredSource("TOOL.EXE"), "TOOL.EXE");

    // A file that cannot give icons releases the old ones and shows empty cells.
    for (const char* text : {"", "C:", "\\A.ICO", "GONE.ICO", "C:\\ICONS\\PIC.BMP", "C:\\APPS\\PLAIN.EXE"}) {
        const IconLoad none = picker.Load(text, m.folders, m.files, m.icons);
        EXPECT_TRUE(none.changed) << text;
        EXPECT_EQ(none.count, 0) << text;
        EXPECT_TRUE(none.path.empty()) << text;
        EXPECT_TRUE(ShownIndexes(picker).empty()) << text;
        EXPECT_EQ(picker.ScrollMax(), 0) << text;
        picker.Load("TOOL.EXE", m.folders, m.files, m.icons);
    }
}

// The extension of each file the picker looks at is a step of the editor's own: a fatal report names it.
TEST(IconPicker, NotesTheExtensionStepWhereItIsTold) {
    const testing::DialogMachine m;
    ErrorState state;
    state.code = 990;
    IconPicker picker;
    picker.NoteExtensionIn({&state, 962});
    (void)picker.Open("C:\\ICONS\\MANY.DLL|20", 0, m.folders, m.files, m.icons);
    EXPECT_EQ(state.code, 962);
    state.code = 990;
    (void)picker.Load("C:\\ICONS\\B.CUR", m.folders, m.files, m.icons);
    EXPECT_EQ(state.code, 962);
}

}  // namespace
}  // namespace torva::editor::dialogs
