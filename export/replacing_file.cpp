// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/replacing_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zav {

namespace {

mode_t defaultFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The permission bits that apply to this process, as for any user: a file its owner made
// read-only stays unwritten even for the administrator.
bool permitsWriting(const struct stat& st) {
    if (st.st_uid == ::geteuid())
        return (st.st_mode & S_IWUSR) != 0;
    if (st.st_gid == ::getegid())
        return (st.st_mode & S_IWGRP) != 0;
    return (st.st_mode & S_IWOTH) != 0;
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd); // where the file system allows; nothing to report otherwise
    ::close(fd);
}

} // namespace

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
    return current; // a loop of links: creating the file will fail and say so
}

std::string openFailureMessage(ReplacingFile::Failure failure, const std::string& name) {
    if (failure == ReplacingFile::Failure::ReadOnly)
        return "Súbor „" + name + "“ je určený len na čítanie; nezapíše sa.";
    return "Súbor „" + name + "“ sa nepodarilo otvoriť na zápis.";
}

std::string notWrittenMessage(const std::string& name) { return "Súbor „" + name + "“ sa nepodarilo zapísať."; }

std::string notCreatedMessage(const std::string& name) { return "Súbor „" + name + "“ sa nepodarilo vytvoriť."; }

bool ReplacingFile::open(const std::string& path) {
    discard();
    m_failure = Failure::CannotCreate;
    if (path.empty())
        return false;
    const std::string target = resolveWriteTarget(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISREG(existing.st_mode) && !permitsWriting(existing)) {
        m_failure = Failure::ReadOnly;
        return false;
    }
    if (exists && !S_ISREG(existing.st_mode))
        return false; // a folder or a device is no file to replace
    // A short name of its own, so that a target name near the system's limit still fits.
    std::string pattern = folderOf(target) + "/.zav-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return false;
    // An existing target keeps its permissions; a new one gets those of an ordinary new file.
    ::fchmod(fd, exists ? (existing.st_mode & 07777) : defaultFileMode());
    m_file = ::fdopen(fd, "wb");
    if (m_file == nullptr) {
        ::close(fd);
        ::unlink(name.data());
        return false;
    }
    // Sweeps write a line at a time: fewer, larger writes.
    std::setvbuf(m_file, nullptr, _IOFBF, 1 << 16);
    m_target = target;
    m_temporaryPath = name.data();
    m_written = 0;
    m_flushedTo = 0;
    m_failed = false;
    m_failure = Failure::None;
    return true;
}

void ReplacingFile::write(const std::string& bytes) {
    if (m_file == nullptr || bytes.empty())
        return;
    if (std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size())
        m_failed = true;
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
    bool ok = !m_failed;
    ok = std::fflush(m_file) == 0 && ok;
    ok = ::fsync(::fileno(m_file)) == 0 && ok;
    ok = std::fclose(m_file) == 0 && ok;
    m_file = nullptr;
    if (ok)
        ok = std::rename(m_temporaryPath.c_str(), m_target.c_str()) == 0;
    if (!ok) {
        ::unlink(m_temporaryPath.c_str());
        return false;
    }
    syncFolder(folderOf(m_target));
    return true;
}

void ReplacingFile::discard() {
    if (m_file == nullptr)
        return;
    std::fclose(m_file);
    m_file = nullptr;
    ::unlink(m_temporaryPath.c_str());
}

} // namespace zav
