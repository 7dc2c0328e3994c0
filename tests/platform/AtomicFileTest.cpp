// Saving as a careful editor does: whole or not at all, the target's mode and
// links kept, read-only targets refused, nothing left behind.
#include "TestSupport.h"

#include "platform/core/AtomicFile.h"
#include "platform/core/CappedFile.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string slurp(const std::string& path)
{
    std::string out;
    CString err;
    CappedFile::ReadAll(path.c_str(), 1 << 20, out, err);
    return out;
}

unsigned modeOf(const std::string& path)
{
    struct stat st {};
    stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

int entriesIn(const std::string& dir)
{
    int n = 0;
    if (DIR* d = opendir(dir.c_str())) {
        while (const dirent* e = readdir(d))
            n += std::string(e->d_name) != "." && std::string(e->d_name) != "..";
        closedir(d);
    }
    return n;
}

}  // namespace

TEST(AtomicFile, KeepsTheTargetsModeAndWritesThroughLinks)
{
    const std::string dir = testsupport::tempDir();
    const std::string target = dir + "/private.dat";
    CString err;
    ASSERT_TRUE(AtomicFile::WriteBytes(target.c_str(), "old\n", err)) << err.GetString();
    chmod(target.c_str(), 0600);
    ASSERT_TRUE(AtomicFile::WriteBytes(target.c_str(), "new\n", err)) << err.GetString();
    EXPECT_EQ(modeOf(target), 0600u);
    EXPECT_EQ(slurp(target), "new\n");

    const std::string link = dir + "/link.dat";
    ASSERT_EQ(symlink("private.dat", link.c_str()), 0);
    ASSERT_TRUE(AtomicFile::WriteBytes(link.c_str(), "through\n", err)) << err.GetString();
    struct stat st {};
    ASSERT_EQ(lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode)) << "the link was replaced by a plain file";
    EXPECT_EQ(slurp(target), "through\n");
    EXPECT_EQ(entriesIn(dir), 2) << "a temporary file was left behind";
}

TEST(AtomicFile, InAnOpenFolderALinkIsReplacedNeverWrittenThrough)
{
    const std::string dir = testsupport::tempDir(), elsewhere = testsupport::tempDir();
    const std::string victim = elsewhere + "/victim.txt";
    CString err;
    ASSERT_TRUE(AtomicFile::WriteBytes(victim.c_str(), "mine\n", err));
    ASSERT_EQ(symlink(victim.c_str(), (dir + "/chart.png").c_str()), 0);
    ASSERT_EQ(symlink((elsewhere + "/made.txt").c_str(), (dir + "/dangling.png").c_str()), 0);
    const int folder = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(folder, 0);
    for (const char* name : {"chart.png", "dangling.png", "new.png"}) {
        AtomicFile f(folder, name, name);
        ASSERT_TRUE(f.Append("chart", 5)) << f.Error().GetString();
        ASSERT_TRUE(f.Commit()) << f.Error().GetString();
        struct stat st {};
        ASSERT_EQ(lstat((dir + "/" + name).c_str(), &st), 0);
        EXPECT_TRUE(S_ISREG(st.st_mode)) << name;
        EXPECT_EQ(slurp(dir + "/" + name), "chart");
    }
    EXPECT_EQ(slurp(victim), "mine\n");
    EXPECT_EQ(entriesIn(elsewhere), 1) << "a dangling link made its target";
    AtomicFile up(folder, "../escape.png", "x");
    EXPECT_LT(up.Handle(), 0);
    close(folder);
    EXPECT_EQ(entriesIn(dir), 3);
}

TEST(AtomicFile, AProcessEndedMidWriteLeavesNoNamedTemporary)
{
    // Where the file system has no unnamed files a temporary has a name from
    // the start: what a process killed mid-write leaves unless its handler
    // removes them. Each case runs in a child, as a signal handler would.
    for (const bool remove : {false, true}) {
        const std::string dir = testsupport::tempDir();
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            setenv("TARNEX_NO_TMPFILE", "1", 1);
            AtomicFile* a = new AtomicFile((dir + "/a.png").c_str());
            AtomicFile* b = new AtomicFile((dir + "/b.png").c_str());
            const bool open = a->Handle() >= 0 && b->Handle() >= 0 && a->Append("x", 1);
            if (remove)
                AtomicFile::RemoveTemporaries();
            _exit(open ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        EXPECT_EQ(entriesIn(dir), remove ? 0 : 2) << "removed: " << remove;
    }
}

TEST(AtomicFile, RefusesReadOnlyTargetsFoldersAndOverlongNames)
{
    const std::string dir = testsupport::tempDir();
    const std::string target = dir + "/kept.dat";
    CString err;
    ASSERT_TRUE(AtomicFile::WriteBytes(target.c_str(), "keep me\n", err));
    chmod(target.c_str(), 0444);
    EXPECT_FALSE(AtomicFile::WriteBytes(target.c_str(), "lost\n", err));
    EXPECT_NE(err.str().find("read-only"), std::string::npos) << err.GetString();
    EXPECT_FALSE(AtomicFile::CheckWritable(target.c_str(), err));
    EXPECT_EQ(slurp(target), "keep me\n");

    EXPECT_FALSE(AtomicFile::WriteBytes(dir.c_str(), "x", err));
    EXPECT_NE(err.str().find("is a directory"), std::string::npos) << err.GetString();
    EXPECT_FALSE(AtomicFile::CheckWritable((dir + "/no/such/folder/x.png").c_str(), err));

    // A name at the file system's limit is written; the temporary's name
    // does not grow with the target's.
    const std::string longName = dir + "/" + std::string(AtomicFile::kMaxNameBytes - 4, 'n') + ".dat";
    EXPECT_TRUE(AtomicFile::WriteBytes(longName.c_str(), "long\n", err)) << err.GetString();
    EXPECT_FALSE(AtomicFile::WriteBytes((longName + "x").c_str(), "long\n", err));
    EXPECT_EQ(entriesIn(dir), 2);
}

TEST(AtomicFile, AWriteCutShortByTheFileSizeLimitKeepsTheOldFile)
{
    const std::string dir = testsupport::tempDir();
    const std::string target = dir + "/good.dat";
    CString err;
    ASSERT_TRUE(AtomicFile::WriteBytes(target.c_str(), "good\n", err));
    {
        testsupport::FileSizeLimit limit(4096);
        EXPECT_FALSE(AtomicFile::WriteBytes(target.c_str(), std::string(10000, 'x'), err));
        EXPECT_FALSE(AtomicFile::Write(target.c_str(), [](std::FILE* f) {
            const std::string big(10000, 'y');
            return std::fwrite(big.data(), 1, big.size(), f) == big.size();
        }, err));
    }
    EXPECT_NE(err.str().find("cannot write"), std::string::npos) << err.GetString();
    EXPECT_EQ(slurp(target), "good\n");
    EXPECT_EQ(entriesIn(dir), 1) << "a temporary file was left behind";

    {
        // Until it is committed the new content has no name in the folder,
        // so that a crash in between leaves nothing behind.
        AtomicFile pending(target.c_str());
        ASSERT_TRUE(pending.Append("new\n", 4));
        EXPECT_EQ(entriesIn(dir), 1);
        AtomicFile empty(target.c_str());
        EXPECT_FALSE(empty.Commit());
    }
    EXPECT_EQ(slurp(target), "good\n");
}

TEST(CappedFile, ReadsPipesToTheCapAndNamesFolders)
{
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const std::string text = "1 2 3 4 5\n";
    ASSERT_EQ(write(fds[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
    close(fds[1]);
    std::string out;
    CString err;
    const std::string viaProc = "/proc/self/fd/" + std::to_string(fds[0]);
    ASSERT_TRUE(CappedFile::ReadAll(viaProc.c_str(), 100, out, err)) << err.GetString();
    EXPECT_EQ(out, text);
    close(fds[0]);

    // An endless input stops at the cap.
    EXPECT_FALSE(CappedFile::ReadAll("/dev/zero", 1 << 16, out, err));
    EXPECT_NE(err.str().find("larger than 65536 bytes"), std::string::npos) << err.GetString();
    EXPECT_TRUE(out.empty());

    EXPECT_FALSE(CappedFile::ReadAll(testsupport::tempDir().c_str(), 100, out, err));
    EXPECT_NE(err.str().find("is a directory"), std::string::npos) << err.GetString();
}
