// The resources are data the framework trusts: these tests pin what a slip of
// the keyboard in a table would break, not every row.

#include "CString.h"
#include "Cp932.h"
#include "ResourceTypes.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kDialogIds[] = {IDD_ABOUTBOX, IDD_MAIN_DIALOG, IDD_RENAME_DIALOG};

const DialogTemplate& Dialog(int id)
{
    const DialogTemplate* dialog = FindDialogTemplate(id);
    if (dialog == nullptr)
        throw std::runtime_error("no dialog template " + std::to_string(id));
    return *dialog;
}

bool IsDefaultPushButton(const ControlTemplate& control)
{
    return control.kind == ControlKind::PushButton
        && (control.style & 0xF) == BS_DEFPUSHBUTTON;
}

TEST(ResourceLookup, FindsEachResourceUnderItsOwnIdAndNothingElse)
{
    for (int id : kDialogIds) {
        SCOPED_TRACE(id);
        const DialogTemplate* dialog = FindDialogTemplate(id);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->id, id);
    }
    ASSERT_NE(FindMenuTemplate(IDR_MAIN_MENU), nullptr);
    EXPECT_EQ(FindMenuTemplate(IDR_MAIN_MENU)->id, IDR_MAIN_MENU);
    ASSERT_NE(FindIconTemplate(IDR_MAINFRAME), nullptr);
    EXPECT_EQ(FindIconTemplate(IDR_MAINFRAME)->id, IDR_MAINFRAME);

    // Neighbouring numbers of another kind must not be found by accident.
    EXPECT_EQ(FindDialogTemplate(IDR_MAINFRAME), nullptr);
    EXPECT_EQ(FindDialogTemplate(IDR_MAIN_MENU), nullptr);
    EXPECT_EQ(FindMenuTemplate(IDD_MAIN_DIALOG), nullptr);
    EXPECT_EQ(FindIconTemplate(IDD_RENAME_DIALOG), nullptr);
    EXPECT_EQ(FindStringResource(IDD_RENAME_DIALOG), nullptr);
}

TEST(ResourceLookup, ReferencesBetweenResourcesResolve)
{
    EXPECT_EQ(Dialog(IDD_MAIN_DIALOG).menuId, IDR_MAIN_MENU);
    EXPECT_EQ(Dialog(IDD_RENAME_DIALOG).menuId, 0);
    EXPECT_EQ(Dialog(IDD_ABOUTBOX).menuId, 0);

    int icons = 0;
    for (int id : kDialogIds) {
        for (const ControlTemplate& control : Dialog(id).controls) {
            if (control.kind != ControlKind::Static || (control.style & 0xF) != SS_ICON)
                continue;
            ++icons;
            EXPECT_NE(FindIconTemplate(control.iconId), nullptr) << "icon " << control.iconId;
        }
    }
    EXPECT_EQ(icons, 1) << "only the about box shows the icon";
}

TEST(DialogTemplates, MainDialogTabOrderFollowsTemplateOrder)
{
    const DialogTemplate& main = Dialog(IDD_MAIN_DIALOG);
    ASSERT_EQ(main.controls.size(), 20u);

    std::vector<int> tabStops;
    for (const ControlTemplate& control : main.controls) {
        if (control.style & WS_TABSTOP)
            tabStops.push_back(control.id);
    }
    const std::vector<int> expected = {
        IDC_SELECT_FILES, IDC_AUTO_NUMBER, IDC_EXTENSION, IDC_FILE_LIST, IDC_RENAME, IDCANCEL,
        IDC_DIRECTORY, IDC_ADD_ALL_FILES, IDC_CLEAR_LIST, IDC_BROWSE, IDC_TIME_SORT,
    };
    EXPECT_EQ(tabStops, expected);
}

TEST(DialogTemplates, EachHasExactlyOneDefaultPushButton)
{
    struct Row {
        const char* label;
        int dialogId;
        int defaultId;
    };
    const Row rows[] = {
        {"main", IDD_MAIN_DIALOG, IDC_RENAME},
        {"rename", IDD_RENAME_DIALOG, IDOK},
        {"about", IDD_ABOUTBOX, IDOK},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        std::vector<int> defaults;
        for (const ControlTemplate& control : Dialog(row.dialogId).controls) {
            if (IsDefaultPushButton(control))
                defaults.push_back(control.id);
        }
        EXPECT_EQ(defaults, std::vector<int>{row.defaultId});
    }
}

TEST(DialogTemplates, ControlIdsAreUniqueExceptStatic)
{
    for (int id : kDialogIds) {
        SCOPED_TRACE(id);
        std::set<int> seen;
        for (const ControlTemplate& control : Dialog(id).controls) {
            if (control.id == IDC_STATIC)
                continue;
            EXPECT_TRUE(seen.insert(control.id).second) << "control " << control.id << " twice";
        }
    }
}

TEST(DialogTemplates, EveryControlIsVisibleAndLiesInsideItsDialog)
{
    for (int id : kDialogIds) {
        const DialogTemplate& dialog = Dialog(id);
        for (const ControlTemplate& control : dialog.controls) {
            SCOPED_TRACE(testing::Message() << "dialog " << id << ", control " << control.id
                                            << " at " << control.x << "," << control.y);
            EXPECT_EQ(control.style & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE);
            EXPECT_GE(control.x, 0);
            EXPECT_GE(control.y, 0);
            EXPECT_GT(control.cx, 0);
            EXPECT_GT(control.cy, 0);
            EXPECT_LE(control.x + control.cx, dialog.cx);
            EXPECT_LE(control.y + control.cy, dialog.cy);
        }
    }
}

// A character CP932 lacks would show as a marker on screen; every text the
// program shows must have an exact form.
TEST(ResourceTexts, EveryTextHasAnExactCp932Form)
{
    std::vector<const char8_t*> texts;
    for (int id : kDialogIds) {
        const DialogTemplate& dialog = Dialog(id);
        texts.push_back(dialog.caption);
        texts.push_back(dialog.fontFace);
        for (const ControlTemplate& control : dialog.controls)
            texts.push_back(control.text);
    }
    for (const PopupTemplate& popup : FindMenuTemplate(IDR_MAIN_MENU)->popups) {
        texts.push_back(popup.text);
        for (const MenuItemTemplate& item : popup.items) {
            if (item.text != nullptr)
                texts.push_back(item.text);
        }
    }
    texts.push_back(FindStringResource(IDS_ABOUTBOX));
    texts.push_back(FindStringResource(IDS_VERSION));

    for (const char8_t* text : texts) {
        ASSERT_NE(text, nullptr);
        const std::string utf8(reinterpret_cast<const char*>(text));
        SCOPED_TRACE(utf8);
        EXPECT_EQ(CString(text).Bytes().find(cp932::kMarker), std::string::npos);
    }
}

TEST(ResourceTexts, MenuSeparatorsHaveNoIdAndItemsHaveBoth)
{
    for (const PopupTemplate& popup : FindMenuTemplate(IDR_MAIN_MENU)->popups) {
        for (const MenuItemTemplate& item : popup.items) {
            SCOPED_TRACE(item.id);
            EXPECT_EQ(item.id == 0, item.text == nullptr);
        }
    }
}

TEST(StringTable, LoadStringGivesTheConvertedText)
{
    struct Row {
        const char* label;
        unsigned id;
        const char8_t* expected;
    };
    const Row rows[] = {
        {"about menu item", IDS_ABOUTBOX, u8"ﾊﾞｰｼﾞｮﾝ情報(Sorabun) (&A)..."},
        {"version", IDS_VERSION, u8"Version 1.20"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        CString text;
        EXPECT_TRUE(text.LoadString(row.id));
        EXPECT_EQ(text.Bytes(), CString(row.expected).Bytes());
    }
}

TEST(StringTable, LoadStringOfAMissingIdFailsAndEmptiesTheString)
{
    CString text(u8"前の内容");
    EXPECT_FALSE(text.LoadString(57344));
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(FindStringResource(57344), nullptr);
}

struct XpmImage {
    int width = 0;
    int height = 0;
    int colours = 0;
    int charsPerPixel = 0;
};

// Reads the header and checks that every pixel row has the declared width and
// uses only declared colour keys; a hand edit that breaks either shows here.
XpmImage CheckXpm(const char* const* lines)
{
    XpmImage image;
    std::istringstream header(lines[0]);
    header >> image.width >> image.height >> image.colours >> image.charsPerPixel;
    EXPECT_FALSE(header.fail()) << "header \"" << lines[0] << "\"";
    EXPECT_EQ(image.charsPerPixel, 1);
    if (header.fail() || image.charsPerPixel != 1)
        return image;

    std::set<char> keys;
    for (int i = 1; i <= image.colours; ++i) {
        const std::string line = lines[i];
        EXPECT_EQ(line.substr(1, 3), " c ") << "colour line \"" << line << "\"";
        EXPECT_TRUE(keys.insert(line[0]).second) << "colour key '" << line[0] << "' twice";
    }
    for (int row = 0; row < image.height; ++row) {
        const std::string pixels = lines[1 + image.colours + row];
        EXPECT_EQ(static_cast<int>(pixels.size()), image.width) << "row " << row;
        for (char pixel : pixels)
            EXPECT_TRUE(keys.count(pixel)) << "row " << row << " uses undeclared '" << pixel << "'";
    }
    return image;
}

TEST(Icon, HasA16AndA32ImageOfAtMost16Colours)
{
    const IconTemplate* icon = FindIconTemplate(IDR_MAINFRAME);
    ASSERT_NE(icon, nullptr);

    std::set<int> sizes;
    for (const IconImage& image : icon->images) {
        SCOPED_TRACE(image.size);
        sizes.insert(image.size);
        const XpmImage xpm = CheckXpm(image.xpm);
        EXPECT_EQ(xpm.width, image.size);
        EXPECT_EQ(xpm.height, image.size);
        EXPECT_GE(xpm.colours, 1);
        EXPECT_LE(xpm.colours, 16);
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32}));
    EXPECT_EQ(icon->images.size(), 2u);
}

}  // namespace
