// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the KELO reader through a file path.
//
// Each input is written to mixture.kelo in a fresh temporary folder (mkdtemp under $TMPDIR or
// /tmp), read with readKeloFile, and the folder removed again. The result must be what the
// decoder gives for the file's first 252 bytes (see kelo_bytes), the folder itself and a missing
// file must give CannotOpen with no fields, and no file descriptor may stay open. The field texts
// of a record are kelo_bytes's part.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

#include "fuzz_support.h"
#include "io/kelo_file.h"
#include "kelo_checks.h"

using namespace zav;
using namespace zav::fuzz;

namespace {

// The lowest free file descriptor: the same before and after a read unless the reader leaked one.
int lowestFreeDescriptor() {
    const int fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    ZAV_FUZZ_CHECK(fd >= 0, std::string("open /dev/null: ") + std::strerror(errno));
    ::close(fd);
    return fd;
}

void writeAll(const std::string& path, const std::uint8_t* data, std::size_t size) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    ZAV_FUZZ_CHECK(fd >= 0, "create " + path + ": " + std::strerror(errno));
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        ZAV_FUZZ_CHECK(n > 0 || errno == EINTR, "write " + path + ": " + std::strerror(errno));
        if (n > 0)
            done += static_cast<std::size_t>(n);
    }
    ZAV_FUZZ_CHECK(::close(fd) == 0, "close " + path);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern =
        std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/zav-kelo-fuzz-XXXXXX";
    ZAV_FUZZ_CHECK(::mkdtemp(pattern.data()) != nullptr, "mkdtemp " + pattern + ": " + std::strerror(errno));
    const std::string folder = pattern;
    const std::string path = folder + "/mixture.kelo";
    writeAll(path, data, size);

    const int freeBefore = lowestFreeDescriptor();
    const KeloReadResult result = readKeloFile(path);
    const KeloReadResult ofFolder = readKeloFile(folder);
    const KeloReadResult ofMissing = readKeloFile(folder + "/missing.kelo");
    ZAV_FUZZ_CHECK(lowestFreeDescriptor() == freeBefore, "readKeloFile left a file descriptor open");

    const std::size_t read = std::min<std::size_t>(size, kKeloFileBytes);
    checkKeloRecord(data, size, result);
    ZAV_FUZZ_CHECK(sameResult(result, decodeKeloRecord(data, read)),
                   "readKeloFile differs from decodeKeloRecord of the file's first bytes");
    // The texts are those of that decoded record, which kelo_bytes checks.
    for (const KeloReadResult* none : {&ofFolder, &ofMissing}) {
        ZAV_FUZZ_CHECK(none->status == KeloReadResult::Status::CannotOpen && none->wholeValues == 0 &&
                           !none->hasName && noTexts(keloTexts(*none)),
                       std::string("a folder or missing file gives ") + statusName(none->status));
    }

    // The reader must leave the folder as it was: the one file, which then goes with the folder.
    ZAV_FUZZ_CHECK(::unlink(path.c_str()) == 0, "remove " + path + ": " + std::strerror(errno));
    ZAV_FUZZ_CHECK(::rmdir(folder.c_str()) == 0, "remove " + folder + ": " + std::strerror(errno));
    return 0;
}
