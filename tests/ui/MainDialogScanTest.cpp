// The directory scan through the window: button 1005 (or menu 32774) with
// the text of field 1004.

#include "CMainDialog.h"
#include "CWinApp.h"
#include "Cp932.h"
#include "MainDialogFixture.h"
#include "Messages.h"
#include "UiTest.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListView>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <unistd.h>

TEST(MainDialogSmoke, ScansATypedDirectoryAndFocusesTheList)
{
    char pattern[] = "/tmp/sorabun-smoke-XXXXXX";
    std::string dir = mkdtemp(pattern);
    std::ofstream(dir + "/b.txt") << "b";
    std::ofstream(dir + "/a.txt") << "a";

    CMainDialog dlg;
    AfxGetApp()->m_pMainWnd = &dlg;
    RunDialog(dlg, [&] {
        EXPECT_EQ(FocusedControl(dlg), IDC_SELECT_FILES);
        for (int i = 0; i < 5; ++i)
            PressKey(dlg, Qt::Key_Tab);
        EXPECT_EQ(FocusedControl(dlg), IDC_DIRECTORY);
        TypeText(dlg, QString::fromStdString(dir));
        PressKey(dlg, Qt::Key_Tab);
        PressKey(dlg, Qt::Key_Space);
        EXPECT_EQ(FocusedControl(dlg), IDC_FILE_LIST);
        EXPECT_EQ(dlg.m_fileList.GetCount(), 2);
        EXPECT_EQ(dlg.m_fileList.GetCurSel(), 0);
    });
    AfxGetApp()->m_pMainWnd = nullptr;
    EXPECT_EQ(modal_seam::UnscriptedRuns(), 0);
    std::system(("rm -rf " + dir).c_str());
}

namespace {

const std::vector<std::string> kSeed = {"s1", "s2", "s3"};
const std::vector<std::string> kSorted = {"A.txt", "a2.txt", "b.txt", "c.TXT"};

class MainDialogScanTest : public MainDialogTest {
protected:
    void SetUp() override
    {
        MainDialogTest::SetUp();
        MakeDirectory("seed");
        for (const std::string& name : kSeed)
            MakeFile("seed/" + name);
        MakeDirectory("files");
        for (const char* name : {"b.txt", "c.TXT", "A.txt", "a2.txt"})
            MakeFile(std::string("files/") + name);
        MakeDirectory("files/sub");
        MakeDirectory("dirs");
        MakeDirectory("dirs/x");
        MakeDirectory("dirs/y");
        MakeFile("plain.txt");
    }

    // Lists the seed directory and moves the selection off entry 0, so a
    // failing scan can be seen to leave both alone.
    void ListSeed()
    {
        ReplaceText(IDC_DIRECTORY, Q(Path("seed")));
        Click(IDC_ADD_ALL_FILES);
        ASSERT_EQ(Entries(), kSeed);
        PressKey(dlg, Qt::Key_Down);
        ASSERT_EQ(dlg.m_fileList.GetCurSel(), 1);
    }
};

TEST_F(MainDialogScanTest, ThreePathsOfTheScan)
{
    const std::string quote = "\"";
    const std::string missing = Path("missing");
    struct Row {
        const char* label;
        std::string typed;
        const char8_t* message;  // nullptr: none
        std::vector<std::string> entries;
        std::string member;      // m_directory afterwards
        std::string field;       // what 1004 shows afterwards
    };
    const Row rows[] = {
        {"empty field", "", kMsgEnterDirectory, kSeed, "", ""},
        {"missing directory", missing, kMsgDirectoryNotFound, kSeed, missing, missing},
        {"missing directory in quotes", quote + missing + quote, kMsgDirectoryNotFound, kSeed, missing,
         quote + missing + quote},
        {"doubled quotes lose one pair", quote + quote + Path("files") + quote + quote, kMsgDirectoryNotFound, kSeed,
         quote + Path("files") + quote, quote + quote + Path("files") + quote + quote},
        {"a file is no directory", Path("plain.txt"), kMsgDirectoryNotFound, kSeed, Path("plain.txt"),
         Path("plain.txt")},
        {"found: sorted, subdirectory left out", Path("files"), nullptr, kSorted, Path("files"), Path("files")},
        {"found in quotes, field loses them", quote + Path("files") + quote, nullptr, kSorted, Path("files"),
         Path("files")},
        {"found with a trailing separator", Path("files") + "/", nullptr, kSorted, Path("files") + "/",
         Path("files") + "/"},
        {"only subdirectories: empty list", Path("dirs"), nullptr, {}, Path("dirs"), Path("dirs")},
    };

    Run([&] {
        for (const Row& row : rows) {
            SCOPED_TRACE(row.label);
            ListSeed();
            ReplaceText(IDC_DIRECTORY, Q(row.typed));
            const int runsBefore = NestedRuns();
            SeenMessage seen;
            if (row.message)
                ExpectMessageBox(seen);
            Click(IDC_ADD_ALL_FILES);

            EXPECT_EQ(NestedRuns() - runsBefore, row.message ? 1 : 0);
            if (row.message) {
                EXPECT_TRUE(seen.seen);
                EXPECT_EQ(seen.text, CString(row.message));
                EXPECT_EQ(seen.caption, CString("sorabun"));
                EXPECT_EQ(seen.owner, &dlg);
            }
            EXPECT_EQ(Entries(), row.entries);
            EXPECT_EQ(dlg.m_directory, CString::FromBytes(row.member));
            EXPECT_EQ(TextOf(IDC_DIRECTORY), Q(row.field));
            if (row.message) {
                EXPECT_EQ(FocusedControl(dlg), IDC_ADD_ALL_FILES);
                EXPECT_EQ(dlg.m_fileList.GetCurSel(), 1);
                EXPECT_EQ(ViewSelection(), 1);
                continue;
            }
            EXPECT_EQ(FocusedControl(dlg), IDC_FILE_LIST);
            const int first = row.entries.empty() ? -1 : 0;
            EXPECT_EQ(dlg.m_fileList.GetCurSel(), first);
            EXPECT_EQ(ViewSelection(), first);
        }
    });
}

TEST_F(MainDialogScanTest, ListingTwiceDoesNotDoubleTheList)
{
    Run([&] {
        ReplaceText(IDC_DIRECTORY, Q(Path("files")));
        Click(IDC_ADD_ALL_FILES);
        Click(IDC_ADD_ALL_FILES);
        EXPECT_EQ(Entries(), kSorted);
        EXPECT_EQ(NestedRuns(), 0);
    });
}

// The entry keeps the name's bytes (or the marker); only what the row shows
// differs, so that every name reads on one line.
TEST_F(MainDialogScanTest, EveryNameIsListedAsItIsAndShownOnOneLine)
{
    struct Row {
        const char* label;
        std::string onDisk;  // UTF-8
        std::string entry;   // CP932
        QString shown;
    };
    const Row rows[] = {
        {"outside the code page", "\U0001F600.txt", std::string(1, cp932::kMarker) + ".txt",
         QString(QChar(0xFFFD)) + QStringLiteral(".txt")},
        {"a line break", "a\nb.txt", "a\nb.txt", QStringLiteral("a\uFFFDb.txt")},
        {"a tab and a carriage return", "a\tb\r.txt", "a\tb\r.txt", QStringLiteral("a\uFFFDb\uFFFD.txt")},
        {"delete", "a\x7F.txt", "a\x7F.txt", QStringLiteral("a\uFFFD.txt")},
        {"Japanese with trail bytes 0x5C and 0x7C", "\u30BD\u30DD.txt", "\x83\x5C\x83\x7C.txt",
         QStringLiteral("\u30BD\u30DD.txt")},
    };
    Run([&] {
        int folder = 0;
        for (const Row& row : rows) {
            SCOPED_TRACE(row.label);
            const std::string dir = "names" + std::to_string(folder++);
            MakeDirectory(dir);
            MakeFile(dir + "/" + row.onDisk);
            ReplaceText(IDC_DIRECTORY, Q(Path(dir)));
            Click(IDC_ADD_ALL_FILES);
            ASSERT_EQ(Entries(), std::vector<std::string>{row.entry});
            auto* view = qobject_cast<QListView*>(Control(IDC_FILE_LIST));
            ASSERT_NE(view, nullptr);
            EXPECT_EQ(view->model()->data(view->model()->index(0, 0)).toString(), row.shown);
        }
    });
}

// The names as the directory reports them, without "." and "..".
std::vector<std::string> ReadDirectory(const std::string& path)
{
    std::vector<std::string> names;
    DIR* dir = opendir(path.c_str());
    if (!dir)
        return names;
    while (dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    closedir(dir);
    return names;
}

TEST_F(MainDialogScanTest, HundredThousandEntriesSortedStablyAndFast)
{
    constexpr int kCount = 100000;
    MakeDirectory("many");
    // Every name has a partner that differs only in case, so the order of
    // equal entries (the order the directory reports them) is checked too.
    for (int i = 0; i < kCount; ++i) {
        const int p = static_cast<int>((static_cast<long long>(i) * 7919) % kCount);
        char name[32];
        std::snprintf(name, sizeof name, "%s%05d.txt", p % 2 ? "ENTRY" : "entry", p / 2);
        const int fd = open(Path(std::string("many/") + name).c_str(), O_CREAT | O_EXCL | O_WRONLY, 0644);
        ASSERT_GE(fd, 0) << name;
        close(fd);
    }
    std::vector<std::string> expected = ReadDirectory(Path("many"));
    ASSERT_EQ(static_cast<int>(expected.size()), kCount);
    std::stable_sort(expected.begin(), expected.end(), [](const std::string& a, const std::string& b) {
        return CString::FromBytes(a).CompareNoCase(CString::FromBytes(b)) < 0;
    });

    Run([&] {
        ReplaceText(IDC_DIRECTORY, Q(Path("many")));
        const auto start = std::chrono::steady_clock::now();
        Click(IDC_ADD_ALL_FILES);
        QCoreApplication::processEvents();
        const auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 5000);

        ASSERT_EQ(dlg.m_fileList.GetCount(), kCount);
        const std::vector<std::string> entries = Entries();
        const auto mismatch = std::mismatch(entries.begin(), entries.end(), expected.begin());
        EXPECT_TRUE(mismatch.first == entries.end())
            << "entry " << (mismatch.first - entries.begin()) << " is " << *mismatch.first << ", expected "
            << *mismatch.second;
        EXPECT_EQ(dlg.m_fileList.GetCurSel(), 0);
    });
}

}  // namespace
