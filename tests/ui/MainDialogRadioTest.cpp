// The three extension-rule radio buttons and the extension field they enable.

#include "MainDialogFixture.h"

#include "ExtensionMode.h"
#include "resource.h"

#include <QWidget>

namespace {

TEST_F(MainDialogTest, RadioClicksSetTheRuleAndEnableOnlyUnify)
{
    struct Row {
        const char* label;
        const char* typedFirst;  // typed into 1002 before the click, or nullptr
        int radio;
        int mode;
        bool extensionEnabled;
        const char* extensionText;
    };
    const Row rows[] = {
        {"unify enables the empty field", nullptr, IDC_EXT_UNIFY, EXT_UNIFY, true, ""},
        {"keep disables it and the typed text stays", "jpg", IDC_EXT_KEEP, EXT_KEEP, false, "jpg"},
        {"unify again shows the same text", nullptr, IDC_EXT_UNIFY, EXT_UNIFY, true, "jpg"},
        {"unify while checked runs its handler again", nullptr, IDC_EXT_UNIFY, EXT_UNIFY, true, "jpg"},
        {"none disables it", nullptr, IDC_EXT_NONE, EXT_NONE, false, "jpg"},
    };
    const int radios[] = {IDC_EXT_KEEP, IDC_EXT_UNIFY, IDC_EXT_NONE};

    Run([&] {
        for (const Row& row : rows) {
            SCOPED_TRACE(row.label);
            if (row.typedFirst)
                ReplaceText(IDC_EXTENSION, row.typedFirst);
            Click(row.radio);
            EXPECT_EQ(dlg.m_extMode, row.mode);
            EXPECT_EQ(Control(IDC_EXTENSION)->isEnabled(), row.extensionEnabled);
            EXPECT_EQ(TextOf(IDC_EXTENSION), QString(row.extensionText));
            EXPECT_EQ(FocusedControl(dlg), row.radio);
            for (int radio : radios)
                EXPECT_EQ(IsChecked(radio), radio == row.radio) << "radio " << radio;
            // The handlers exchange no data.
            EXPECT_TRUE(dlg.m_extension.IsEmpty());
        }
        dlg.UpdateData(TRUE);
        EXPECT_EQ(dlg.m_extension, CString("jpg")) << "a disabled field is still read";
    });
}

TEST_F(MainDialogTest, ScanAfterUnifyAndKeepStillReadsTheDisabledExtension)
{
    MakeFile("a.txt");
    Run([&] {
        Click(IDC_EXT_UNIFY);
        ReplaceText(IDC_EXTENSION, QStringLiteral("png"));
        Click(IDC_EXT_KEEP);
        ReplaceText(IDC_DIRECTORY, Q(m_dir));
        Click(IDC_ADD_ALL_FILES);
        EXPECT_EQ(dlg.m_extension, CString("png"));
        EXPECT_EQ(dlg.m_extMode, EXT_KEEP);
        EXPECT_FALSE(Control(IDC_EXTENSION)->isEnabled());
        EXPECT_EQ(TextOf(IDC_EXTENSION), QStringLiteral("png"));
    });
}

}  // namespace
