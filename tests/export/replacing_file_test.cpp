// SPDX-License-Identifier: GPL-3.0-or-later
// ReplacingFile: which existing files it replaces, that the file it writes has no name until it
// is complete and leaves nothing behind however the writer ends (SIGKILL included), the named
// file of a system without O_TMPFILE that a signal handler removes, and the errno of a failure.
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "export/replacing_file.h"
#include "temp_folder.h"

namespace zav {
namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::vector<std::string> entries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The exit status of `body` run in a child process; -1 when it did not exit.
int inChild(const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(body());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class ReplacingFileTest : public ::testing::Test {
protected:
    std::string path(const char* name) const { return m_folder.file(name); }
    std::vector<std::string> names() const { return entries(m_folder.path()); }
    test::TempFolder m_folder;
};

// Whose file is replaced, and by whom.
enum class Owner {
    Self,              // the file is this process's own
    AnotherUser,       // the administrator replaces the file of uid 65534
    SupplementaryGroup // root:4242's file, written by uid 65534 with 4242 among its supplementary groups
};

struct WritabilityCase {
    const char* what;
    mode_t mode;
    Owner owner;
    bool accepted;
};

class WritabilityTest : public ReplacingFileTest, public ::testing::WithParamInterface<WritabilityCase> {};

// 0: open() decided as expected (and close() put the file in place); anything else: where not.
int replaceAs(const std::string& target, bool accepted) {
    ReplacingFile file;
    if (file.open(target) != accepted)
        return 1;
    if (!accepted)
        return file.failure() == ReplacingFile::Failure::ReadOnly && file.errorNumber() == EACCES ? 0 : 2;
    file.write("new");
    return file.close() && file.errorNumber() == 0 ? 0 : 3;
}

TEST_P(WritabilityTest, TheEffectiveIdentitysPermissionDecidesButNoWriteBitAtAllRefuses) {
    const WritabilityCase& c = GetParam();
    if (c.owner != Owner::Self && ::geteuid() != 0)
        GTEST_SKIP() << "giving a file to another user takes the administrator";
    const std::string target = path("f.txt");
    writeFile(target, "old");
    ::chmod(target.c_str(), c.mode);
    if (c.owner == Owner::AnotherUser) {
        ASSERT_EQ(::chown(target.c_str(), 65534, 65534), 0);
    }
    if (c.owner == Owner::SupplementaryGroup) {
        ASSERT_EQ(::chown(target.c_str(), 0, 4242), 0);
        ::chmod(m_folder.path().c_str(), 0777);
    }
    struct stat before {};
    ::stat(target.c_str(), &before);
    const int status = c.owner != Owner::SupplementaryGroup ? replaceAs(target, c.accepted) : inChild([&] {
        const gid_t groups[] = {4242};
        if (::setgroups(1, groups) != 0 || ::setgid(4343) != 0 || ::setuid(65534) != 0)
            return 4;
        return replaceAs(target, c.accepted);
    });
    EXPECT_EQ(status, 0) << c.what;
    EXPECT_EQ(readAll(target), c.accepted ? "new" : "old") << c.what;
    EXPECT_EQ(names(), std::vector<std::string>{"f.txt"}) << c.what;
    struct stat after {};
    ::stat(target.c_str(), &after);
    EXPECT_EQ(after.st_mode & 07777, c.mode) << c.what;
    EXPECT_EQ(after.st_gid, before.st_gid) << c.what;
    if (c.owner != Owner::SupplementaryGroup) {
        EXPECT_EQ(after.st_uid, before.st_uid) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Targets, WritabilityTest,
    ::testing::Values(WritabilityCase{"own 0644 file", 0644, Owner::Self, true},
                      WritabilityCase{"own write-only 0200 file", 0200, Owner::Self, true},
                      WritabilityCase{"own read-only 0444 file", 0444, Owner::Self, false},
                      WritabilityCase{"another user's 0644 file, by root", 0644, Owner::AnotherUser, true},
                      WritabilityCase{"another user's 0444 file, by root", 0444, Owner::AnotherUser, false},
                      WritabilityCase{"0464 file of a supplementary group", 0464, Owner::SupplementaryGroup, true},
                      WritabilityCase{"0644 file of a supplementary group", 0644, Owner::SupplementaryGroup, false}));

enum class Ending { Close, Discard, Destruction };

struct EndingCase {
    Ending ending;
    bool oldFile;
};

class EndingTest : public ReplacingFileTest, public ::testing::WithParamInterface<EndingCase> {};

// While it is written the file has no name (O_TMPFILE): the folder holds only what it held.
// However the writer ends, the folder holds the old file or the new one and nothing else.
TEST_P(EndingTest, NoTemporaryFileIsEverSeenInTheFolder) {
    const EndingCase& c = GetParam();
    const std::string target = path("f.txt");
    if (c.oldFile)
        writeFile(target, "old");
    const mode_t mask = ::umask(027);
    {
        ReplacingFile file;
        ASSERT_TRUE(file.open(target));
        file.write("new");
        EXPECT_EQ(file.temporaryPath().rfind("/proc/self/fd/", 0), 0u) << file.temporaryPath();
        EXPECT_EQ(names(), c.oldFile ? std::vector<std::string>{"f.txt"} : std::vector<std::string>{});
        if (c.ending == Ending::Close) {
            EXPECT_TRUE(file.close());
        }
        if (c.ending == Ending::Discard)
            file.discard();
        EXPECT_EQ(file.errorNumber(), 0);
    }
    ::umask(mask);
    const bool written = c.ending == Ending::Close;
    EXPECT_EQ(names(), written || c.oldFile ? std::vector<std::string>{"f.txt"} : std::vector<std::string>{});
    if (written || c.oldFile) {
        EXPECT_EQ(readAll(target), written ? "new" : "old");
    }
    struct stat st {};
    if (written && !c.oldFile && ::stat(target.c_str(), &st) == 0) {
        EXPECT_EQ(st.st_mode & 07777, 0640u); // an ordinary new file's permissions under the umask
    }
}

// Written through symbolic links, the file they point to is replaced and every link stays: a
// relative link is read from its own folder (not the working one), an absolute one as it stands,
// a chain link by link.
TEST_F(ReplacingFileTest, LinksLeadToTheFileTheyPointTo) {
    std::filesystem::create_directories(path("a/b"));
    writeFile(path("a/target.txt"), "old");
    std::filesystem::create_symlink("../target.txt", path("a/b/relative"));
    std::filesystem::create_symlink(path("a/target.txt"), path("absolute"));
    std::filesystem::create_symlink("b/relative", path("a/chain"));
    // A working folder elsewhere, where the links' texts would name another file, which must stay.
    std::filesystem::create_directories(path("w/x"));
    writeFile(path("w/target.txt"), "decoy");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(path("w/x"));
    for (const char* link : {"a/b/relative", "absolute", "a/chain"}) {
        ReplacingFile file;
        ASSERT_TRUE(file.open(path(link))) << link;
        file.write(link);
        EXPECT_TRUE(file.close()) << link;
        EXPECT_EQ(readAll(path("a/target.txt")), link);
        EXPECT_TRUE(std::filesystem::is_symlink(path(link))) << link;
    }
    std::filesystem::current_path(before);
    EXPECT_EQ(readAll(path("w/target.txt")), "decoy");
}

// Threads writing new files at once (the Python module's runs): each file gets the permissions of
// the process's mask, which stays as it was.
TEST(ReplacingFileThreadsTest, NewFilesTakeTheMaskWhichStays) {
    const test::TempFolder folder;
    const mode_t mask = ::umask(027);
    const auto writeFiles = [&folder](char name) {
        for (int i = 0; i < 200; ++i) {
            ReplacingFile file;
            if (file.open(folder.file(std::string(1, name) + std::to_string(i)))) {
                file.write("x");
                file.close();
            }
        }
    };
    std::thread first(writeFiles, 'a');
    std::thread second(writeFiles, 'b');
    first.join();
    second.join();
    EXPECT_EQ(::umask(mask), 027u);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        struct stat st {};
        ASSERT_EQ(::stat(entry.path().c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0640u) << entry.path();
        ++files;
    }
    EXPECT_EQ(files, 400);
}

INSTANTIATE_TEST_SUITE_P(Endings, EndingTest,
                         ::testing::Values(EndingCase{Ending::Close, true}, EndingCase{Ending::Close, false},
                                           EndingCase{Ending::Discard, true},
                                           EndingCase{Ending::Destruction, true}));

struct ErrorCase {
    const char* what;
    const char* target; // a name in the test's folder, or an absolute path
    int errorNumber;
    bool opens;
};

class ErrorNumberTest : public ReplacingFileTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(ErrorNumberTest, TheFirstFailuresErrnoAndTheOldFileAsItWas) {
    const ErrorCase& c = GetParam();
    writeFile(path("f.txt"), "old");
    std::filesystem::create_directory(path("folder"));
    // Two links that point at each other.
    std::filesystem::create_symlink("l2", path("folder/l1"));
    std::filesystem::create_symlink("l1", path("folder/l2"));
    const std::string target = c.target[0] == '/' || c.target[0] == '\0' ? c.target : path(c.target);
    // A file may not grow beyond 1000 bytes: a write fails as on a full disk.
    const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY};
    const rlimit limited{1000, RLIM_INFINITY};
    const auto sigxfsz = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limited);
    ReplacingFile file;
    const bool opened = file.open(target);
    if (opened) {
        file.write(std::string(5000, 'x'));
        EXPECT_FALSE(file.close()) << c.what;
    } else {
        EXPECT_EQ(file.failure(), ReplacingFile::Failure::CannotCreate) << c.what;
    }
    ::setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, sigxfsz);
    EXPECT_EQ(opened, c.opens) << c.what;
    EXPECT_EQ(file.errorNumber(), c.errorNumber) << c.what;
    EXPECT_EQ(readAll(path("f.txt")), "old") << c.what;
    EXPECT_EQ(names(), (std::vector<std::string>{"f.txt", "folder"})) << c.what;
    EXPECT_TRUE(std::filesystem::is_symlink(path("folder/l1"))) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Failures, ErrorNumberTest,
                         ::testing::Values(ErrorCase{"an empty name", "", ENOENT, false},
                                           ErrorCase{"a missing folder", "nie/je/tu.txt", ENOENT, false},
                                           ErrorCase{"a folder", "folder", EISDIR, false},
                                           ErrorCase{"a device", "/dev/null", EINVAL, false},
                                           ErrorCase{"a link in a loop", "folder/l1", ELOOP, false},
                                           ErrorCase{"a write beyond the size limit", "f.txt", EFBIG, true}));

// The finished file reaches the disk before it takes the target's place, and a failed sync
// keeps the old file.
struct SyncRecord {
    int calls = 0;
    std::string targetWhenSynced;
    int error = 0; // what the sync fails with; 0: it succeeds
};
SyncRecord g_sync;
std::string g_syncTarget;

int recordingSync(int) {
    ++g_sync.calls;
    g_sync.targetWhenSynced = readAll(g_syncTarget);
    if (g_sync.error == 0)
        return 0;
    errno = g_sync.error;
    return -1;
}

TEST_F(ReplacingFileTest, SyncsBeforeTheRenameAndAFailedSyncKeepsTheOldFile) {
    for (const int error : {0, EIO}) {
        SCOPED_TRACE(error);
        writeFile(path("f.txt"), "old");
        g_sync = SyncRecord{0, "", error};
        g_syncTarget = path("f.txt");
        setFileSync(&recordingSync);
        ReplacingFile file;
        ASSERT_TRUE(file.open(path("f.txt")));
        file.write("new");
        const bool closed = file.close();
        setFileSync(nullptr);
        EXPECT_EQ(g_sync.calls, 1);
        EXPECT_EQ(g_sync.targetWhenSynced, "old");
        EXPECT_EQ(closed, error == 0);
        EXPECT_EQ(file.errorNumber(), error);
        EXPECT_EQ(readAll(path("f.txt")), error == 0 ? "new" : "old");
        EXPECT_EQ(names(), std::vector<std::string>{"f.txt"});
    }
}

// Where the file system offers no O_TMPFILE (here: without /proc, so that an unnamed file could
// not be named), the file has a hidden name while written; removeTemporaryFilesNow(), which a
// signal handler calls, removes it, and closing still replaces the target.
TEST_F(ReplacingFileTest, NamedTemporaryFileIsRemovedOnDemand) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "hiding /proc takes a mount namespace of the administrator's";
    const std::string target = path("f.txt");
    writeFile(target, "old");
    const int status = inChild([&] {
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("none", "/proc", "tmpfs", 0, nullptr) != 0)
            return 77;
        ReplacingFile removed;
        if (!removed.open(target))
            return 1;
        removed.write("lost");
        if (names().size() != 2 || removed.temporaryPath().find("/.zav-") == std::string::npos)
            return 2;
        removeTemporaryFilesNow();
        if (names() != std::vector<std::string>{"f.txt"} || readAll(target) != "old")
            return 3;
        removed.discard();
        ReplacingFile written;
        if (!written.open(target))
            return 4;
        written.write("new");
        return written.close() ? 0 : 5;
    });
    if (status == 77)
        GTEST_SKIP() << "no mount namespace here";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readAll(target), "new");
    EXPECT_EQ(names(), std::vector<std::string>{"f.txt"});
}

// A process that writes a long file is killed with SIGKILL at random moments: the folder holds
// the old file or the whole new one, never a part of it, and no temporary file.
TEST(ReplacingFileKillTest, SigkillLeavesTheOldOrTheWholeNewFileAndNothingElse) {
    test::TempFolder folder;
    const std::string target = folder.file("tabulka.txt");
    const std::string old = "stará tabuľka\r\n";
    auto start = [](const std::string& file) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::execl(ZAV_REPLACING_FILE_WRITER, ZAV_REPLACING_FILE_WRITER, file.c_str(), "30", nullptr);
            ::_exit(127);
        }
        return pid;
    };
    // One run to its end gives the new file and how long a run takes.
    test::TempFolder reference;
    const auto begin = std::chrono::steady_clock::now();
    int status = 0;
    ::waitpid(start(reference.file("tabulka.txt")), &status, 0);
    const auto runTime = std::chrono::steady_clock::now() - begin;
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const std::string whole = readAll(reference.file("tabulka.txt"));
    ASSERT_EQ(whole.size(), 30u << 20);

    writeFile(target, old);
    std::mt19937 random(std::random_device{}());
    // Up to a little beyond a whole run, so that some runs finish and some die while renaming.
    std::uniform_int_distribution<long long> delay(
        0, std::chrono::duration_cast<std::chrono::microseconds>(runTime).count() * 11 / 10);
    int finished = 0;
    for (int kill = 0; kill < 30; ++kill) {
        const pid_t pid = start(target);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
        finished += WIFEXITED(status) ? 1 : 0;
        ASSERT_EQ(entries(folder.path()), std::vector<std::string>{"tabulka.txt"}) << "kill " << kill;
        const std::string content = readAll(target);
        ASSERT_TRUE(content == old || content == whole) << "kill " << kill << ": " << content.size() << " bytes";
    }
    EXPECT_LT(finished, 30) << "no run was killed";
}

} // namespace
} // namespace zav
