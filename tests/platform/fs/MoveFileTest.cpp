#include "MoveFile.h"

#include "Cp932.h"
#include "MoveFileSeam.h"
#include "TempDirectory.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace {

CString Marker()
{
    return CString::FromBytes(std::string(1, cp932::kMarker));
}

class MoveFileTest : public ::testing::Test {
protected:
    MoveResult Move(const std::string& from, const std::string& to) const
    {
        return MoveFile(dir.Text(from.c_str()), dir.Text(to.c_str()));
    }
    nlink_t Links(const std::string& name) const
    {
        struct stat st {};
        lstat(dir.Path(name).c_str(), &st);
        return st.st_nlink;
    }

    TempDirectory dir;
};

TEST_F(MoveFileTest, RenamesTheFile)
{
    dir.Write("old.txt", "content");
    const MoveResult result = Move("old.txt", "new.txt");
    EXPECT_EQ(result.error, MoveError::None);
    EXPECT_FALSE(dir.Exists("old.txt"));
    EXPECT_EQ(dir.Read("new.txt"), "content");
}

TEST_F(MoveFileTest, NeverReplacesATakenName)
{
    dir.Write("a.txt", "first");
    dir.Write("b.txt", "second");
    const MoveResult result = Move("a.txt", "b.txt");
    EXPECT_EQ(result.error, MoveError::NameTaken);
    EXPECT_EQ(dir.Read("a.txt"), "first");
    EXPECT_EQ(dir.Read("b.txt"), "second");
}

TEST_F(MoveFileTest, SameEntryUnderTheSameOrAnEquivalentTextSucceeds)
{
    dir.Write("same.txt", "content");
    ASSERT_EQ(link(dir.Path("same.txt").c_str(), dir.Path("elsewhere").c_str()), 0);
    struct Row {
        const char* label;
        CString from;
        CString to;
    };
    const Row rows[] = {
        {"same bytes", dir.Text("same.txt"), dir.Text("same.txt")},
        {"doubled separator", dir.Text() + "\\\\same.txt", dir.Text("same.txt")},
        {"through the directory itself", dir.Text() + "\\.\\same.txt", dir.Text("same.txt")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(MoveFile(row.from, row.to).error, MoveError::None);
        EXPECT_EQ(dir.Read("same.txt"), "content");
        EXPECT_EQ(Links("same.txt"), 2u);
    }
}

TEST_F(MoveFileTest, AHardLinkUnderAnotherNameIsATakenName)
{
    dir.Write("a.txt", "shared");
    ASSERT_EQ(link(dir.Path("a.txt").c_str(), dir.Path("b.txt").c_str()), 0);
    const MoveResult result = Move("a.txt", "b.txt");
    EXPECT_EQ(result.error, MoveError::NameTaken);
    EXPECT_EQ(dir.Read("a.txt"), "shared");
    EXPECT_EQ(dir.Read("b.txt"), "shared");
    EXPECT_EQ(Links("a.txt"), 2u);
}

TEST_F(MoveFileTest, FailuresChangeNothing)
{
    dir.Write("here.txt", "content");
    const std::string tooLong(256, 'x');
    struct Row {
        const char* label;
        CString from;
        CString to;
        MoveError expected;
    };
    const Row rows[] = {
        {"source missing", dir.Text("gone.txt"), dir.Text("new.txt"), MoveError::NotFound},
        {"name over 255 bytes", dir.Text("here.txt"), dir.Text(tooLong.c_str()),
         MoveError::Refused},
        {"marker in the source", dir.Text("here") + Marker() + ".txt", dir.Text("new.txt"),
         MoveError::Unmappable},
        {"marker in the target", dir.Text("here.txt"), dir.Text("new") + Marker() + ".txt",
         MoveError::Unmappable},
        {"lone lead byte in the target", dir.Text("here.txt"), dir.Text("new\x81"),
         MoveError::Unmappable},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(MoveFile(row.from, row.to).error, row.expected);
        EXPECT_EQ(dir.Read("here.txt"), "content");
        EXPECT_FALSE(dir.Exists("new.txt"));
    }
}

TEST_F(MoveFileTest, RefusedKeepsTheErrno)
{
    dir.Write("here.txt", "content");
    const MoveResult result = Move("here.txt", std::string(256, 'x'));
    EXPECT_EQ(result.error, MoveError::Refused);
    EXPECT_EQ(result.errnoValue, ENAMETOOLONG);
}

TEST_F(MoveFileTest, ATargetInAMissingDirectoryCreatesNothing)
{
    dir.Write("here.txt", "content");
    const MoveResult result = MoveFile(dir.Text("here.txt"), dir.Text("missing\\new.txt"));
    EXPECT_TRUE(result.error == MoveError::NotFound || result.error == MoveError::Refused)
        << static_cast<int>(result.error);
    EXPECT_EQ(dir.Read("here.txt"), "content");
    EXPECT_FALSE(dir.Exists("missing"));
}

// A file system that refuses RENAME_NOREPLACE, as FUSE does.
class MoveFileWithoutNoReplaceTest : public MoveFileTest {
protected:
    static int RefuseTheFlag(const char*, const char*)
    {
        ++calls;
        errno = EINVAL;
        return -1;
    }
    void SetUp() override
    {
        calls = 0;
        move_file_seam::renameNoReplace = RefuseTheFlag;
    }
    void TearDown() override
    {
        move_file_seam::renameNoReplace = move_file_seam::SystemRenameNoReplace;
        if (IsSkipped())
            return;
        EXPECT_GT(calls, 0) << "the seam was bypassed";
    }

    static inline int calls = 0;
};

TEST_F(MoveFileWithoutNoReplaceTest, RenamesThroughLinkAndUnlink)
{
    dir.Write("old.txt", "content");
    EXPECT_EQ(Move("old.txt", "new.txt").error, MoveError::None);
    EXPECT_FALSE(dir.Exists("old.txt"));
    EXPECT_EQ(dir.Read("new.txt"), "content");
    EXPECT_EQ(Links("new.txt"), 1u);
}

TEST_F(MoveFileWithoutNoReplaceTest, NeverReplacesATakenName)
{
    dir.Write("a.txt", "first");
    dir.Write("b.txt", "second");
    EXPECT_EQ(Move("a.txt", "b.txt").error, MoveError::NameTaken);
    EXPECT_EQ(dir.Read("a.txt"), "first");
    EXPECT_EQ(dir.Read("b.txt"), "second");
    EXPECT_EQ(Links("a.txt"), 1u);
}

TEST_F(MoveFileWithoutNoReplaceTest, TheSameNameSucceeds)
{
    dir.Write("same.txt", "content");
    EXPECT_EQ(Move("same.txt", "same.txt").error, MoveError::None);
    EXPECT_EQ(dir.Read("same.txt"), "content");
}

TEST_F(MoveFileWithoutNoReplaceTest, SourceMissingIsNotFound)
{
    EXPECT_EQ(Move("gone.txt", "new.txt").error, MoveError::NotFound);
    EXPECT_FALSE(dir.Exists("new.txt"));
}

// Directories cannot be hard-linked: the last resort renames them, and must
// still not replace an empty directory, which a plain rename would.
TEST_F(MoveFileWithoutNoReplaceTest, DirectoriesFallBackToACheckedRename)
{
    ASSERT_EQ(mkdir(dir.Path("old").c_str(), 0755), 0);
    ASSERT_EQ(mkdir(dir.Path("empty").c_str(), 0755), 0);
    dir.Write("old/inner.txt", "content");

    EXPECT_EQ(Move("old", "empty").error, MoveError::NameTaken);
    EXPECT_EQ(dir.Read("old/inner.txt"), "content");
    EXPECT_TRUE(dir.Exists("empty"));

    EXPECT_EQ(Move("old", "new").error, MoveError::None);
    EXPECT_EQ(dir.Read("new/inner.txt"), "content");
    EXPECT_FALSE(dir.Exists("old"));
}

// Sets or clears the append-only flag of a directory: entries can be added
// to it but not removed, by root too. false where the file system or the
// user cannot.
bool SetAppendOnly(const std::string& directory, bool on)
{
    const int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? (flags | FS_APPEND_FL) : (flags & ~FS_APPEND_FL);
    done = done && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    close(fd);
    return done;
}

TEST_F(MoveFileWithoutNoReplaceTest, AnUnlinkThatFailsTakesTheNewLinkBack)
{
    ASSERT_EQ(mkdir(dir.Path("kept").c_str(), 0755), 0);
    ASSERT_EQ(mkdir(dir.Path("open").c_str(), 0755), 0);
    dir.Write("kept/old.txt", "content");
    if (!SetAppendOnly(dir.Path("kept"), true))
        GTEST_SKIP() << "no append-only directories here";

    const MoveResult result = Move("kept/old.txt", "open/new.txt");
    ASSERT_TRUE(SetAppendOnly(dir.Path("kept"), false));

    EXPECT_EQ(result.error, MoveError::Refused);
    EXPECT_EQ(result.errnoValue, EPERM);
    EXPECT_EQ(dir.Read("kept/old.txt"), "content");
    EXPECT_EQ(Links("kept/old.txt"), 1u);
    EXPECT_FALSE(dir.Exists("open/new.txt"));
}

}  // namespace
