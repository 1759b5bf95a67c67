// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/replacing_file.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zav {

namespace {

std::atomic<FileSync> g_fileSync{nullptr};

int syncFile(int fd) {
    const FileSync sync = g_fileSync.load();
    return sync != nullptr ? sync(fd) : ::fsync(fd);
}

// The hidden names of the temporary files that have a name at this moment, for
// removeTemporaryFilesNow(). Each entry is a sequence lock: the sequence is odd while the entry
// changes, so that a signal handler that interrupts a change skips it instead of reading half a
// name. The entry is changed before the file gets its name and after it lost it.
constexpr std::size_t kNamedFiles = 16;
constexpr std::size_t kNameSize = 16; // ".zav-XXXXXX" and its terminator

struct NamedFile {
    std::atomic<bool> taken{false};
    std::atomic<unsigned> sequence{0};
    std::atomic<int> folder{-1};
    std::array<std::atomic<char>, kNameSize> name{};
};

static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<unsigned>::is_always_lock_free &&
                  std::atomic<int>::is_always_lock_free && std::atomic<char>::is_always_lock_free,
              "the table is read in a signal handler");

NamedFile namedFiles[kNamedFiles];

int claimNamedFile() {
    for (std::size_t i = 0; i < kNamedFiles; ++i)
        if (!namedFiles[i].taken.exchange(true, std::memory_order_acquire))
            return static_cast<int>(i);
    return -1; // more files at once than the table holds: a signal cannot remove this one
}

void setNamedFile(int slot, int folder, const std::string& name) {
    if (slot < 0)
        return;
    NamedFile& entry = namedFiles[slot];
    const unsigned sequence = entry.sequence.load(std::memory_order_relaxed);
    entry.sequence.store(sequence + 1, std::memory_order_relaxed);
    std::atomic_thread_fence(std::memory_order_release);
    entry.folder.store(folder, std::memory_order_relaxed);
    for (std::size_t i = 0; i < kNameSize; ++i)
        entry.name[i].store(i < name.size() && i + 1 < kNameSize ? name[i] : '\0', std::memory_order_relaxed);
    entry.sequence.store(sequence + 2, std::memory_order_release);
}

void releaseNamedFile(int slot) {
    if (slot < 0)
        return;
    setNamedFile(slot, -1, std::string());
    namedFiles[slot].taken.store(false, std::memory_order_release);
}

// ".zav-" and six letters or digits: short, so that a target name near the system's limit fits.
std::string hiddenName() {
    static std::atomic<unsigned long long> counter{0};
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    unsigned long long x = counter.fetch_add(1) * 0x9E3779B97F4A7C15ULL;
    x ^= static_cast<unsigned long long>(now.tv_nsec) ^ (static_cast<unsigned long long>(now.tv_sec) << 30) ^
         (static_cast<unsigned long long>(::getpid()) << 44);
    x ^= x >> 30;
    x *= 0xBF58476D1CE4E5B9ULL;
    x ^= x >> 27;
    x *= 0x94D049BB133111EBULL;
    x ^= x >> 31;
    static const char symbols[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = ".zav-";
    for (int i = 0; i < 6; ++i, x /= 62)
        name += symbols[x % 62];
    return name;
}

// The process's file mode creation mask, read without changing it: setting it to 0 and back would
// give a file created meanwhile by another thread (a sweep and a cooling run of the Python module
// run at once) the wrong permissions, or leave the mask at 0. Linux tells it in /proc; where it
// cannot be read there it is read once, before a second thread can write.
mode_t fileCreationMask() {
    if (std::FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned mask = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, status) != nullptr)
            found = std::sscanf(line, "Umask: %o", &mask) == 1;
        std::fclose(status);
        if (found)
            return static_cast<mode_t>(mask);
    }
    static const mode_t once = [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return mask;
    }();
    return once;
}

mode_t defaultFileMode() { return static_cast<mode_t>(0666 & ~fileCreationMask()); }

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Why an existing file may not be written (an errno), or 0. The effective identity's own
// permission decides (its supplementary groups and the administrator's rights included); a file
// without any write bit stays unwritten even for the administrator, as its owner made it
// read-only to protect it.
int writingRefusal(const std::string& path, const struct stat& st) {
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return EACCES;
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0)
        return 0;
    const int error = errno;
    return error == EACCES || error == EPERM || error == EROFS ? error : 0;
}

// The file systems and kernels that do not offer O_TMPFILE answer with one of these.
bool lacksUnnamedFiles(int error) {
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL || error == ENOSYS;
}

std::string descriptorPath(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

} // namespace

void removeTemporaryFilesNow() noexcept {
    const int savedErrno = errno;
    for (NamedFile& entry : namedFiles) {
        const unsigned before = entry.sequence.load(std::memory_order_acquire);
        if ((before & 1U) != 0)
            continue; // interrupted in the middle of a change: the file has no name yet or none any more
        char name[kNameSize];
        for (std::size_t i = 0; i < kNameSize; ++i)
            name[i] = entry.name[i].load(std::memory_order_relaxed);
        const int folder = entry.folder.load(std::memory_order_relaxed);
        std::atomic_thread_fence(std::memory_order_acquire);
        if (entry.sequence.load(std::memory_order_relaxed) != before || folder < 0 || name[0] == '\0')
            continue;
        name[kNameSize - 1] = '\0';
        ::unlinkat(folder, name, 0);
    }
    errno = savedErrno;
}

std::string resolveWriteTarget(const std::string& path) {
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        std::vector<char> buffer(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1);
        const ssize_t length = ::readlink(current.c_str(), buffer.data(), buffer.size());
        if (length < 0 || static_cast<std::size_t>(length) >= buffer.size())
            return current;
        std::string link(buffer.data(), static_cast<std::size_t>(length));
        current = link.front() == '/' ? link : folderOf(current) + "/" + link;
    }
    return current; // a loop of links: still a link, which open() refuses
}

std::string openFailureMessage(ReplacingFile::Failure failure, const std::string& name) {
    if (failure == ReplacingFile::Failure::ReadOnly)
        return "Súbor „" + name + "“ je určený len na čítanie; nezapíše sa.";
    return "Súbor „" + name + "“ sa nepodarilo otvoriť na zápis.";
}

std::string notWrittenMessage(const std::string& name) { return "Súbor „" + name + "“ sa nepodarilo zapísať."; }

std::string notCreatedMessage(const std::string& name) { return "Súbor „" + name + "“ sa nepodarilo vytvoriť."; }

void ReplacingFile::fail(int error) {
    if (!m_failed && m_errorNumber == 0)
        m_errorNumber = error != 0 ? error : EIO;
    m_failed = true;
}

bool ReplacingFile::open(const std::string& path) {
    discard();
    m_failure = Failure::CannotCreate;
    m_failed = false;
    m_errorNumber = 0;
    if (path.empty()) {
        m_errorNumber = ENOENT;
        return false;
    }
    const std::string target = resolveWriteTarget(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (!exists && errno == ELOOP) {
        m_errorNumber = ELOOP; // a link in a loop stays as it is: there is no file it points to
        return false;
    }
    if (exists && !S_ISREG(existing.st_mode)) {
        m_errorNumber = S_ISDIR(existing.st_mode) ? EISDIR : EINVAL; // a folder or a device is no file to replace
        return false;
    }
    if (exists) {
        if (const int refusal = writingRefusal(target, existing); refusal != 0) {
            m_failure = Failure::ReadOnly;
            m_errorNumber = refusal;
            return false;
        }
    }
    m_folderPath = folderOf(target);
    m_folder = ::open(m_folderPath.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (m_folder < 0) {
        m_errorNumber = errno;
        release();
        return false;
    }
    // Owner-only while it is written: the target's permissions (an existing one keeps its own, a
    // new one gets those of an ordinary new file) are given when it is complete.
    int fd = ::openat(m_folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0 && ::access(descriptorPath(fd).c_str(), F_OK) != 0) {
        ::close(fd); // no /proc: a file without a name could not be given one
        fd = -1;
        errno = EOPNOTSUPP;
    }
    if (fd < 0) {
        if (!lacksUnnamedFiles(errno)) {
            m_errorNumber = errno;
            release();
            return false;
        }
        fd = createNamed();
        if (fd < 0) {
            release();
            return false;
        }
    }
    m_file = ::fdopen(fd, "wb");
    if (m_file == nullptr) {
        m_errorNumber = errno;
        ::close(fd);
        discard();
        return false;
    }
    // Sweeps write a line at a time: fewer, larger writes.
    std::setvbuf(m_file, nullptr, _IOFBF, 1 << 16);
    m_targetName = nameOf(target);
    m_mode = exists ? static_cast<mode_t>(existing.st_mode & 07777) : defaultFileMode();
    m_keepsOwner = exists && (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid());
    m_owner = existing.st_uid;
    m_group = existing.st_gid;
    m_written = 0;
    m_flushedTo = 0;
    m_failure = Failure::None;
    return true;
}

int ReplacingFile::createNamed() {
    m_slot = claimNamedFile();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = hiddenName();
        setNamedFile(m_slot, m_folder, name); // before the file exists: a signal never misses it
        const int fd = ::openat(m_folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            m_temporaryName = name;
            return fd;
        }
        if (errno != EEXIST)
            break;
    }
    m_errorNumber = errno;
    return -1;
}

bool ReplacingFile::giveName(int fd) {
    m_slot = claimNamedFile();
    const std::string link = descriptorPath(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = hiddenName();
        setNamedFile(m_slot, m_folder, name);
        if (::linkat(AT_FDCWD, link.c_str(), m_folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            m_temporaryName = name;
            return true;
        }
        const int error = errno;
        if (error == EEXIST)
            continue;
        // Where /proc refuses, a process with the right to do so names the descriptor itself.
        if (::linkat(fd, "", m_folder, name.c_str(), AT_EMPTY_PATH) == 0) {
            m_temporaryName = name;
            return true;
        }
        if (errno != EEXIST) {
            fail(error);
            return false;
        }
    }
    fail(EEXIST);
    return false;
}

std::string ReplacingFile::temporaryPath() const {
    if (m_file == nullptr)
        return std::string();
    if (m_temporaryName.empty())
        return descriptorPath(::fileno(m_file));
    return m_folderPath + "/" + m_temporaryName;
}

void ReplacingFile::write(const std::string& bytes) {
    if (m_file == nullptr || bytes.empty())
        return;
    if (std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size())
        fail(errno);
    m_written += static_cast<long long>(bytes.size());
#ifdef __linux__
    // A long file starts on its way to the disk while the rest is computed, every 8 MiB, so that
    // the fsync of close() waits for its tail only.
    constexpr long long kChunk = 8LL << 20;
    if (m_written - m_flushedTo >= kChunk && std::fflush(m_file) == 0) {
        ::sync_file_range(::fileno(m_file), m_flushedTo, m_written - m_flushedTo, SYNC_FILE_RANGE_WRITE);
        m_flushedTo = m_written;
    }
#endif
}

bool ReplacingFile::close() {
    if (m_file == nullptr)
        return false;
    const int fd = ::fileno(m_file);
    if (std::fflush(m_file) != 0)
        fail(errno);
    if (!m_failed) {
        // Another user's file that the administrator replaces stays that user's, and a file shared
        // through its group keeps the group, where the system lets this process give them.
        if (m_keepsOwner && ::fchown(fd, m_owner, m_group) != 0)
            (void)::fchown(fd, static_cast<uid_t>(-1), m_group);
        ::fchmod(fd, m_mode); // a file system without permissions keeps its own
    }
    if (!m_failed && syncFile(fd) != 0)
        fail(errno);
    if (!m_failed && m_temporaryName.empty())
        giveName(fd);
    if (std::fclose(m_file) != 0)
        fail(errno);
    m_file = nullptr;
    if (!m_failed && ::renameat(m_folder, m_temporaryName.c_str(), m_folder, m_targetName.c_str()) != 0)
        fail(errno);
    if (m_failed) {
        discard();
        return false;
    }
    m_temporaryName.clear(); // it is the target's name now
    const int folder = ::openat(m_folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder); // where the file system allows; nothing to report otherwise
        ::close(folder);
    }
    release();
    return true;
}

void setFileSync(FileSync sync) { g_fileSync.store(sync); }

void ReplacingFile::discard() {
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    if (!m_temporaryName.empty() && m_folder >= 0)
        ::unlinkat(m_folder, m_temporaryName.c_str(), 0);
    release();
}

void ReplacingFile::release() {
    releaseNamedFile(m_slot);
    m_slot = -1;
    if (m_folder >= 0)
        ::close(m_folder);
    m_folder = -1;
    m_temporaryName.clear();
}

} // namespace zav
