// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace zav {

namespace {

// Reads `fd` into `result` up to `count` bytes; TooLarge when there are more.
void readAll(int fd, InputRead& result, const InterruptCheck& interrupted, std::size_t count = kMaximumInputBytes) {
    char buffer[1 << 14];
    while (result.bytes.size() <= count) {
        const std::size_t wanted = std::min(sizeof buffer, count + 1 - result.bytes.size());
        const ssize_t got = ::read(fd, buffer, wanted);
        if (got == 0)
            return;
        if (got < 0 && errno == EINTR) {
            if (interrupted)
                interrupted();
            continue;
        }
        if (got < 0) {
            result.problem = InputRead::Problem::CannotRead;
            result.errorNumber = errno;
            return;
        }
        result.bytes.append(buffer, static_cast<std::size_t>(got));
    }
    result.problem = InputRead::Problem::TooLarge;
}

// Opens `path` for reading, taking the open up again after a signal.
int openForReading(const std::string& path, int flags, const InterruptCheck& interrupted) {
    for (;;) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | flags);
        if (fd >= 0 || errno != EINTR)
            return fd;
        if (interrupted)
            interrupted();
    }
}

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

InputRead readInput(const std::string& path, InputKinds kinds, const InterruptCheck& interrupted,
                    std::size_t count) {
    InputRead result;
    // Opened without waiting, the kind of file is known before anything can block: a pipe with no
    // writer opens at once and is refused or opened again to wait, as the reader wants.
    Descriptor probe(openForReading(path, O_NONBLOCK, interrupted));
    if (probe.get() < 0) {
        result.problem = InputRead::Problem::CannotOpen;
        result.errorNumber = errno;
        return result;
    }
    struct stat st {};
    if (::fstat(probe.get(), &st) != 0) {
        result.problem = InputRead::Problem::CannotRead;
        result.errorNumber = errno;
        return result;
    }
    if (S_ISDIR(st.st_mode)) {
        result.problem = InputRead::Problem::Directory;
        result.errorNumber = EISDIR;
        return result;
    }
    if (S_ISREG(st.st_mode)) {
        const int flags = ::fcntl(probe.get(), F_GETFL);
        if (flags < 0 || ::fcntl(probe.get(), F_SETFL, flags & ~O_NONBLOCK) < 0) {
            result.problem = InputRead::Problem::CannotRead;
            result.errorNumber = errno;
            return result;
        }
        readAll(probe.get(), result, interrupted, count);
        return result;
    }
    if (kinds == InputKinds::RegularOnly) {
        result.problem = InputRead::Problem::NotRegular;
        return result;
    }
    // A pipe, a device or a socket of a command: opened as a command's input always was.
    Descriptor waiting(openForReading(path, 0, interrupted));
    if (waiting.get() < 0) {
        result.problem = InputRead::Problem::CannotOpen;
        result.errorNumber = errno;
        return result;
    }
    readAll(waiting.get(), result, interrupted, count);
    return result;
}

InputRead readDescriptor(int fd, const InterruptCheck& interrupted) {
    InputRead result;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        result.problem = InputRead::Problem::Directory;
        result.errorNumber = EISDIR;
        return result;
    }
    readAll(fd, result, interrupted);
    return result;
}

std::string inputTooLargeText() { return "je väčší ako " + std::to_string(kMaximumInputBytes / 1024) + " kB."; }

} // namespace zav
