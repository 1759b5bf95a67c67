// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/replacing_file.h"

#include <cstdlib>
#include <cstring>
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

} // namespace

bool ReplacingFile::open(const std::string& path) {
    close();
    if (path.empty())
        return false;
    std::string pattern = path + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return false;
    // An existing target keeps its permissions; a new one gets those of an ordinary new file.
    struct stat target {};
    ::fchmod(fd, ::stat(path.c_str(), &target) == 0 ? (target.st_mode & 07777) : defaultFileMode());
    m_file = ::fdopen(fd, "wb");
    if (m_file == nullptr) {
        ::close(fd);
        ::unlink(name.data());
        return false;
    }
    m_path = path;
    m_temporaryPath = name.data();
    m_failed = false;
    return true;
}

void ReplacingFile::write(const std::string& bytes) {
    if (m_file != nullptr && !bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size())
        m_failed = true;
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
        ok = std::rename(m_temporaryPath.c_str(), m_path.c_str()) == 0;
    if (!ok)
        ::unlink(m_temporaryPath.c_str());
    return ok;
}

void ReplacingFile::discard() {
    if (m_file == nullptr)
        return;
    std::fclose(m_file);
    m_file = nullptr;
    ::unlink(m_temporaryPath.c_str());
}

} // namespace zav
