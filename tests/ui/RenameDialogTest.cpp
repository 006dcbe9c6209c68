#include "CRenameDialog.h"
#include "CWinApp.h"
#include "Cp932.h"
#include "ExtensionMode.h"
#include "Messages.h"
#include "RenameTestDirectory.h"
#include "UiTest.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace {

QString ToQ(const char8_t* text)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(text));
}

// Everything the dialog shows, to tell that nothing moved.
struct Fields {
    std::string oldName, typed, extension, newName;
    bool numbering = false, none = false, keep = false, unify = false, extensionEnabled = false;
    bool operator==(const Fields&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Fields& f)
{
    return out << "{old " << f.oldName << ", typed " << f.typed << ", ext " << f.extension << ", new " << f.newName
               << ", numbering " << f.numbering << ", radios " << f.none << f.keep << f.unify << ", ext enabled "
               << f.extensionEnabled << "}";
}

Fields FieldsOf(CDialog& dlg)
{
    Fields f;
    f.oldName = Shown(ControlWidget(dlg, IDC_OLD_NAME));
    f.typed = Shown(ControlWidget(dlg, IDC_INPUT_NAME));
    f.extension = Shown(ControlWidget(dlg, IDC_EXTENSION));
    f.newName = Shown(ControlWidget(dlg, IDC_NEW_NAME));
    f.numbering = IsChecked(ControlWidget(dlg, IDC_AUTO_NUMBER));
    f.none = IsChecked(ControlWidget(dlg, IDC_EXT_NONE));
    f.keep = IsChecked(ControlWidget(dlg, IDC_EXT_KEEP));
    f.unify = IsChecked(ControlWidget(dlg, IDC_EXT_UNIFY));
    f.extensionEnabled = ControlWidget(dlg, IDC_EXTENSION)->isEnabled();
    return f;
}

bool IsRunning(CDialog& dlg)
{
    return dlg.Widget() && dlg.Widget()->isVisible();
}

bool AnyMessageBoxShown()
{
    for (const ModalRun& run : modal_seam::Log()) {
        if (run.kind == ModalKind::MessageBox)
            return true;
    }
    return false;
}

// Tabs to a control as a person does; bounded, so a missing stop fails instead of looping.
void TabTo(CDialog& dlg, int id)
{
    for (int i = 0; i < 20 && FocusedControl(dlg) != id; ++i)
        PressKey(dlg, Qt::Key_Tab);
}

class RenameDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        // Run on its own: no main window to own it, and no Shift left over
        // from an earlier test's Shift+Tab.
        AfxGetApp()->m_pMainWnd = nullptr;
        ReleaseShift();
        modal_seam::ClearLog();
        dir.Write("a.txt", "alpha");
        dir.Write("b.txt", "beta");
    }

    void TearDown() override
    {
        ReleaseShift();
        EXPECT_EQ(modal_seam::UnscriptedRuns(), 0);
        EXPECT_EQ(modal_seam::PendingScripts(), 0);
    }

    // Filled the way the rename command fills it.
    void Fill(CRenameDialog& dlg, const char8_t* oldName, int extMode, const char8_t* extension = u8"",
              BOOL numbering = FALSE, int sequence = 1)
    {
        dlg.m_oldName = oldName;
        dlg.m_extension = extension;
        dlg.m_extMode = extMode;
        dlg.m_autoNumber = numbering;
        dlg.m_directory = dir.Text();
        dlg.m_sequence = sequence;
    }

    RenameTestDirectory dir;
};

TEST_F(RenameDialogTest, OpensWithTheCallersValuesAndTheFocusInTheTypedName)
{
    struct Row {
        const char* label;
        int extMode;
        BOOL numbering;
        int checkedRadio;  // 0: none checked
        bool extensionEnabled;
        const char8_t* newName;
    };
    const Row rows[] = {
        {"none", EXT_NONE, TRUE, IDC_EXT_NONE, false, u8"03 "},
        {"unify", EXT_UNIFY, TRUE, IDC_EXT_UNIFY, true, u8"03 .doc"},
        {"keep", EXT_KEEP, TRUE, IDC_EXT_KEEP, false, u8"03 .txt"},
        {"keep, not numbered", EXT_KEEP, FALSE, IDC_EXT_KEEP, false, u8".txt"},
        {"a value that is no rule", 7, FALSE, 0, false, u8""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        modal_seam::ClearLog();
        CRenameDialog dlg;
        Fill(dlg, u8"a.txt", row.extMode, u8"doc", row.numbering, 3);
        RunDialog(dlg, [&] {
            const Fields f = FieldsOf(dlg);
            EXPECT_EQ(f.oldName, "a.txt");
            EXPECT_EQ(f.typed, "");
            EXPECT_EQ(f.extension, "doc");
            EXPECT_EQ(f.newName, Utf8(row.newName));
            EXPECT_EQ(f.numbering, row.numbering == TRUE);
            EXPECT_EQ(f.none, row.checkedRadio == IDC_EXT_NONE);
            EXPECT_EQ(f.keep, row.checkedRadio == IDC_EXT_KEEP);
            EXPECT_EQ(f.unify, row.checkedRadio == IDC_EXT_UNIFY);
            EXPECT_EQ(f.extensionEnabled, row.extensionEnabled);
            EXPECT_EQ(FocusedControl(dlg), IDC_INPUT_NAME);
        });
        ASSERT_FALSE(modal_seam::Log().empty());
        EXPECT_EQ(Utf8(modal_seam::Log().front().caption), Utf8(u8"リネームするぞっ！"));
    }
}

TEST_F(RenameDialogTest, TypingComposesTheNewNameAfterEveryCharacter)
{
    struct Row {
        const char* label;
        const char8_t* oldName;
        int extMode;
        const char8_t* extension;
        BOOL numbering;
        int sequence;
        const char8_t* typed;
        const char8_t* before;  // what stands before the typed name
        const char8_t* after;   // and after it
    };
    const Row rows[] = {
        {"Japanese, kept extension, numbered", u8"IMG_0001.JPG", EXT_KEEP, u8"", TRUE, 7, u8"夏休み", u8"07 ", u8".JPG"},
        {"unified extension", u8"report.txt", EXT_UNIFY, u8"doc", FALSE, 1, u8"memo", u8"", u8".doc"},
        {"half-width kana, separators, spaces and dots shown as typed", u8"a.txt", EXT_NONE, u8"", FALSE, 1,
         u8"ｶﾅ\\/ .", u8"", u8""},
        {"kept extension doubled by a typed one", u8"a.txt", EXT_KEEP, u8"", TRUE, 100, u8"b.txt", u8"100 ",
         u8".txt"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        CRenameDialog dlg;
        Fill(dlg, row.oldName, row.extMode, row.extension, row.numbering, row.sequence);
        const QString typed = ToQ(row.typed);
        const QString before = ToQ(row.before);
        const QString after = ToQ(row.after);
        RunDialog(dlg, [&] {
            for (int n = 1; n <= typed.size(); ++n) {
                TypeText(dlg, typed.mid(n - 1, 1));
                EXPECT_EQ(Shown(ControlWidget(dlg, IDC_NEW_NAME)), (before + typed.left(n) + after).toStdString())
                    << "after " << n << " characters";
            }
            PressKey(dlg, Qt::Key_Backspace);
            EXPECT_EQ(Shown(ControlWidget(dlg, IDC_NEW_NAME)), (before + typed.chopped(1) + after).toStdString())
                << "after erasing one";
        });
    }
}

TEST_F(RenameDialogTest, RadiosSetTheRuleAndTheExtensionFieldKeepsItsText)
{
    struct Step {
        const char* label;
        int radio;                  // clicked first, 0 for none
        const char8_t* typedExtension;  // then typed into 1002, or nullptr
        const char8_t* newName;
        bool extensionEnabled;
    };
    const Step steps[] = {
        {"unify with no text yet: no dot", IDC_EXT_UNIFY, nullptr, u8"memo", true},
        {"extension typed", 0, u8"doc", u8"memo.doc", true},
        {"keep: disabled, text unused", IDC_EXT_KEEP, nullptr, u8"memo.txt", false},
        {"none", IDC_EXT_NONE, nullptr, u8"memo", false},
        {"unify again uses the kept text", IDC_EXT_UNIFY, nullptr, u8"memo.doc", true},
        {"the checked radio once more", IDC_EXT_UNIFY, nullptr, u8"memo.doc", true},
    };
    CRenameDialog dlg;
    Fill(dlg, u8"report.txt", EXT_KEEP);
    RunDialog(dlg, [&] {
        TypeText(dlg, QStringLiteral("memo"));
        int checked = IDC_EXT_KEEP;
        for (const Step& step : steps) {
            SCOPED_TRACE(step.label);
            if (step.radio != 0) {
                Click(ControlWidget(dlg, step.radio));
                checked = step.radio;
            }
            if (step.typedExtension) {
                Click(ControlWidget(dlg, IDC_EXTENSION));
                const QString ext = ToQ(step.typedExtension);
                for (int n = 1; n <= ext.size(); ++n) {
                    TypeText(dlg, ext.mid(n - 1, 1));
                    EXPECT_EQ(Shown(ControlWidget(dlg, IDC_NEW_NAME)), "memo." + ext.left(n).toStdString());
                }
            }
            const Fields f = FieldsOf(dlg);
            EXPECT_EQ(f.newName, Utf8(step.newName));
            EXPECT_EQ(f.extensionEnabled, step.extensionEnabled);
            EXPECT_EQ(f.none, checked == IDC_EXT_NONE);
            EXPECT_EQ(f.keep, checked == IDC_EXT_KEEP);
            EXPECT_EQ(f.unify, checked == IDC_EXT_UNIFY);
            EXPECT_EQ(f.typed, "memo");
        }
        EXPECT_EQ(Shown(ControlWidget(dlg, IDC_EXTENSION)), "doc");
    });
}

TEST_F(RenameDialogTest, NumberingCheckBoxRecomposesOnClickAndSpace)
{
    struct Row {
        const char* label;
        bool bySpace;
    };
    const Row rows[] = {{"mouse click", false}, {"Space with the focus on it", true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        CRenameDialog dlg;
        Fill(dlg, u8"a.txt", EXT_KEEP, u8"", FALSE, 5);
        RunDialog(dlg, [&] {
            TypeText(dlg, QStringLiteral("b"));
            const char* expected[] = {"05 b.txt", "b.txt"};
            for (const char* name : expected) {
                if (row.bySpace) {
                    TabTo(dlg, IDC_AUTO_NUMBER);
                    PressKey(dlg, Qt::Key_Space);
                } else {
                    Click(ControlWidget(dlg, IDC_AUTO_NUMBER));
                }
                EXPECT_EQ(Shown(ControlWidget(dlg, IDC_NEW_NAME)), name);
            }
        });
    }
}

TEST_F(RenameDialogTest, ReenterButtonReplacesTheTypedNameWithTheWholeOldName)
{
    CRenameDialog dlg;
    Fill(dlg, u8"写真.jpg", EXT_KEEP, u8"", TRUE, 2);
    RunDialog(dlg, [&] {
        TypeText(dlg, QStringLiteral("xyz"));
        Click(ControlWidget(dlg, IDC_REENTER_OLD_NAME));
        EXPECT_EQ(Shown(ControlWidget(dlg, IDC_INPUT_NAME)), Utf8(u8"写真.jpg"));
        EXPECT_EQ(Shown(ControlWidget(dlg, IDC_NEW_NAME)), Utf8(u8"02 写真.jpg.jpg"));
    });
}

// Offscreen the key state is what the last key event carried; HoldShift and
// ReleaseShift send Shift's own events as a keyboard does.
TEST_F(RenameDialogTest, ShiftAtOpeningFillsTheTypedNameOnlyWhileHeld)
{
    struct Row {
        const char* label;
        bool heldAtOpening;
        int extMode;
        const char8_t* extension;
        const char8_t* typed;
        const char8_t* newName;
    };
    const Row rows[] = {
        {"held, keep: the extension twice", true, EXT_KEEP, u8"", u8"photo.jpg", u8"photo.jpg.jpg"},
        {"held, none: the old name", true, EXT_NONE, u8"", u8"photo.jpg", u8"photo.jpg"},
        {"held, unify", true, EXT_UNIFY, u8"doc", u8"photo.jpg", u8"photo.jpg.doc"},
        {"pressed and released before opening", false, EXT_KEEP, u8"", u8"", u8".jpg"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        CRenameDialog dlg;
        Fill(dlg, u8"photo.jpg", row.extMode, row.extension);
        HoldShift();
        if (!row.heldAtOpening)
            ReleaseShift();
        RunDialog(dlg, [&] {
            EXPECT_EQ(Shown(ControlWidget(dlg, IDC_INPUT_NAME)), Utf8(row.typed));
            EXPECT_EQ(Shown(ControlWidget(dlg, IDC_NEW_NAME)), Utf8(row.newName));
        });
        ReleaseShift();
    }
}

TEST_F(RenameDialogTest, ConfirmingMovesTheFileInItsDirectory)
{
    struct Row {
        const char* label;
        const char8_t* oldName;
        int extMode;
        BOOL numbering;
        int sequence;
        const char8_t* typed;
        const char8_t* newName;
    };
    const Row rows[] = {
        {"Japanese, numbered", u8"IMG_0001.JPG", EXT_KEEP, TRUE, 7, u8"夏休み", u8"07 夏休み.JPG"},
        {"spaces only are a name", u8"IMG_0001.JPG", EXT_KEEP, FALSE, 1, u8"   ", u8"   .JPG"},
        {"the same name again", u8"IMG_0001.JPG", EXT_KEEP, FALSE, 1, u8"IMG_0001", u8"IMG_0001.JPG"},
        {"a Japanese old name", u8"表.xls", EXT_NONE, FALSE, 1, u8"資料.xls", u8"資料.xls"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        RenameTestDirectory here;
        here.Write(Utf8(row.oldName), "content");
        here.Write("other.txt", "other");
        CRenameDialog dlg;
        Fill(dlg, row.oldName, row.extMode, u8"", row.numbering, row.sequence);
        dlg.m_directory = here.Text();
        const int result = RunDialog(dlg, [&] {
            TypeText(dlg, ToQ(row.typed));
            PressKey(dlg, Qt::Key_Return);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(Utf8(dlg.m_newName), Utf8(row.newName));
        const std::map<std::string, std::string> expected{{Utf8(row.newName), "content"}, {"other.txt", "other"}};
        EXPECT_EQ(here.Snapshot(), expected);
        EXPECT_FALSE(AnyMessageBoxShown());
    }
}

TEST_F(RenameDialogTest, ConfirmingWithAnEmptyTypedNameDoesNothing)
{
    struct Row {
        const char* label;
        const char8_t* typedThenErased;
        bool byButton;
    };
    const Row rows[] = {
        {"Enter at once", u8"", false},
        {"typed, erased, then button 1", u8"ab", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        modal_seam::ClearLog();
        const auto before = dir.Snapshot();
        CRenameDialog dlg;
        Fill(dlg, u8"a.txt", EXT_KEEP);
        const int result = RunDialog(dlg, [&] {
            TypeText(dlg, ToQ(row.typedThenErased));
            for (int i = 0; i < ToQ(row.typedThenErased).size(); ++i)
                PressKey(dlg, Qt::Key_Backspace);
            const Fields shown = FieldsOf(dlg);
            if (row.byButton)
                Click(ControlWidget(dlg, IDOK));
            else
                PressKey(dlg, Qt::Key_Return);
            EXPECT_TRUE(IsRunning(dlg));
            EXPECT_EQ(FieldsOf(dlg), shown);
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_FALSE(AnyMessageBoxShown());
        EXPECT_EQ(dir.Snapshot(), before);
    }
}

TEST_F(RenameDialogTest, EveryRefusedMoveShowsOneMessageAndKeepsTheDialogAsItWas)
{
    struct Row {
        const char* label;
        std::string directorySuffix;
        const char8_t* oldName;
        QString typed;
    };
    const Row rows[] = {
        {"the new name is taken", "", u8"a.txt", QStringLiteral("b")},
        {"the old file is gone", "", u8"gone.txt", QStringLiteral("x")},
        {"the directory is another one", "/nowhere", u8"a.txt", QStringLiteral("x")},
        {"a slash into a missing directory", "", u8"a.txt", QStringLiteral("sub/x")},
        {"a backslash into a missing directory", "", u8"a.txt", QStringLiteral("sub\\x")},
        {"longer than a file name may be", "", u8"a.txt", QString(300, QLatin1Char('x'))},
        {"a character code page 932 lacks", "", u8"a.txt", ToQ(u8"caf\u00e9")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        const auto before = dir.Snapshot();
        CRenameDialog dlg;
        Fill(dlg, row.oldName, EXT_KEEP, u8"doc");
        dlg.m_directory = dir.Text() + CString(row.directorySuffix.c_str());
        SeenMessage seen;
        const int result = RunDialog(dlg, [&] {
            TypeText(dlg, row.typed);
            const Fields shown = FieldsOf(dlg);
            ExpectMessageBox(seen);
            PressKey(dlg, Qt::Key_Return);
            EXPECT_TRUE(seen.seen);
            EXPECT_TRUE(IsRunning(dlg));
            EXPECT_EQ(FieldsOf(dlg), shown);
            EXPECT_EQ(dir.Snapshot(), before);
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(Utf8(seen.text), Utf8(kMsgCannotRename));
        EXPECT_EQ(Utf8(seen.caption), "sorabun");
        EXPECT_EQ(seen.owner, &dlg);
        EXPECT_EQ(dir.Snapshot(), before);
    }
}

TEST_F(RenameDialogTest, AfterTheMessageAnotherNameCanBeTried)
{
    CRenameDialog dlg;
    Fill(dlg, u8"a.txt", EXT_KEEP);
    SeenMessage seen;
    const int result = RunDialog(dlg, [&] {
        TypeText(dlg, QStringLiteral("b"));
        ExpectMessageBox(seen);
        PressKey(dlg, Qt::Key_Return);
        PressKey(dlg, Qt::Key_Backspace);
        TypeText(dlg, QStringLiteral("c"));
        PressKey(dlg, Qt::Key_Return);
    });
    EXPECT_TRUE(seen.seen);
    EXPECT_EQ(result, IDOK);
    const std::map<std::string, std::string> expected{{"b.txt", "beta"}, {"c.txt", "alpha"}};
    EXPECT_EQ(dir.Snapshot(), expected);
}

TEST_F(RenameDialogTest, CancelTouchesNothingWhateverTheFieldsHold)
{
    struct Row {
        const char* label;
        void (*cancel)(CDialog& dlg);
    };
    const Row rows[] = {
        {"Escape", [](CDialog& dlg) { PressKey(dlg, Qt::Key_Escape); }},
        {"button 2", [](CDialog& dlg) { Click(ControlWidget(dlg, IDCANCEL)); }},
        {"close box", [](CDialog& dlg) { dlg.Widget()->close(); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        const auto before = dir.Snapshot();
        CRenameDialog dlg;
        Fill(dlg, u8"a.txt", EXT_KEEP);
        bool stillRunning = true;
        const int result = RunDialog(dlg, [&] {
            TypeText(dlg, QStringLiteral("new"));
            Click(ControlWidget(dlg, IDC_AUTO_NUMBER));
            Click(ControlWidget(dlg, IDC_EXT_UNIFY));
            Click(ControlWidget(dlg, IDC_EXTENSION));
            TypeText(dlg, QStringLiteral("doc"));
            row.cancel(dlg);
            stillRunning = IsRunning(dlg);
        });
        EXPECT_FALSE(stillRunning);
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(dir.Snapshot(), before);
    }
}

}  // namespace
