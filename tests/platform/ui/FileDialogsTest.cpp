// The file-open dialog and the folder browser as the program sees them: what
// comes back for what a person picks (scripted in the stand-in window).

#include "FileOpenDialog.h"
#include "FolderBrowser.h"
#include "UiTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

void ExpectPick(std::vector<std::string> paths, Qt::Key key = Qt::Key_Return)
{
    modal_seam::Expect([paths, key](const ModalRun& run) {
        ASSERT_NE(run.pick, nullptr);
        run.pick->paths = paths;
        PressKey(WindowOf(run), key);
    });
}

std::string Picked(std::vector<std::string> paths, int& ok, unsigned& error)
{
    ExpectPick(std::move(paths));
    OpenFileRequest request;
    request.title = CString(u8"ファイルを選択");
    std::string result = "untouched";
    ok = GetOpenFileName(request, result);
    error = CommDlgExtendedError();
    return result;
}

TEST(FileOpenDialog, BuildsTheResultFromThePickedPaths)
{
    struct Row {
        const char* label;
        std::vector<std::string> paths;
        int ok;
        std::string result;
    };
    const Row rows[] = {
        {"one file", {"/home/me/a.txt"}, 1, "/home/me/a.txt\0\0"s},
        {"one file in the root", {"/a.txt"}, 1, "/a.txt\0\0"s},
        {"several files", {"/home/me/b", "/home/me/a"}, 1, "/home/me\0b\0a\0\0"s},
        {"several files in the root", {"/a", "/b"}, 1, "/\0a\0b\0\0"s},
        {"a path in another folder is left out", {"/d/a", "/e/b", "/d/c"}, 1, "/d\0a\0c\0\0"s},
        {"Japanese names in CP932", {"/写真/ソ.jpg"}, 1, CString(u8"/写真/ソ.jpg").Bytes() + "\0\0"s},
        {"a name CP932 lacks holds the marker", {"/d/caf\xC3\xA9"}, 1, "/d/caf\xFF\0\0"s},
        {"a backslash in a name is no separator", {"/d/a\\b"}, 1, "/d/a\xFF" "b\0\0"s},
        {"nothing picked is no choice", {}, 0, "untouched"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        int ok = -1;
        unsigned error = 1;
        EXPECT_EQ(Picked(row.paths, ok, error), row.result);
        EXPECT_EQ(ok, row.ok);
        EXPECT_EQ(error, 0u);
    }
}

// The limit counts the whole result with its NULs, as the buffer of 2048
// bytes held it.
TEST(FileOpenDialog, ReportsAResultOverTheLimitAndLeavesTheOldOne)
{
    const std::string directory = "/d";
    std::vector<std::string> paths;
    size_t size = directory.size() + 2;
    for (int i = 0; size + 10 <= 2048; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "file%05d", i);
        paths.push_back(directory + "/" + name);
        size += 10;
    }
    std::string fill(2048 - size - 1, 'x');
    paths.push_back(directory + "/" + fill);
    int ok = 0;
    unsigned error = 1;
    const std::string fits = Picked(paths, ok, error);
    EXPECT_EQ(fits.size(), 2048u);
    EXPECT_EQ(ok, 1);
    EXPECT_EQ(error, 0u);

    paths.back() += 'x';
    EXPECT_EQ(Picked(paths, ok, error), "untouched");
    EXPECT_EQ(ok, 0);
    EXPECT_EQ(error, FNERR_BUFFERTOOSMALL);
}

TEST(FileOpenDialog, CancelIsErrorZeroAndRecordsTheRequest)
{
    modal_seam::ClearLog();
    ExpectPick({"/d/a"}, Qt::Key_Escape);
    OpenFileRequest request;
    request.title = CString(u8"ファイルを選択");
    request.initialDir = CString("\"quoted\"");
    std::string result = "untouched";
    EXPECT_EQ(GetOpenFileName(request, result), 0);
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_EQ(result, "untouched");
    ASSERT_EQ(modal_seam::Log().size(), 1u);
    const ModalRun& run = modal_seam::Log().front();
    EXPECT_EQ(run.kind, ModalKind::FileOpen);
    EXPECT_EQ(run.caption.Bytes(), CString(u8"ファイルを選択").Bytes());
    EXPECT_EQ(run.initialPath.Bytes(), "\"quoted\"");
    EXPECT_EQ(modal_seam::UnscriptedRuns(), 0);
}

TEST(FolderBrowser, HandsBackTheChosenFolderOrNothing)
{
    struct Row {
        const char* label;
        std::vector<std::string> paths;
        Qt::Key key;
        bool chosen;
        std::string path;
    };
    const Row rows[] = {
        {"a folder", {"/home/me/写真"}, Qt::Key_Return, true, CString(u8"/home/me/写真").Bytes()},
        {"the root", {"/"}, Qt::Key_Return, true, "/"},
        {"cancelled", {"/home"}, Qt::Key_Escape, false, "untouched"},
        {"no file-system path", {}, Qt::Key_Return, false, "untouched"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        ExpectPick(row.paths, row.key);
        FolderBrowserRequest request;
        request.title = CString(u8"フォルダを選択してください");
        request.preselect = CString("\\");
        CString path("untouched");
        EXPECT_EQ(ShowFolderBrowser(request, path), row.chosen);
        EXPECT_EQ(path.Bytes(), row.path);
    }
}

}  // namespace
