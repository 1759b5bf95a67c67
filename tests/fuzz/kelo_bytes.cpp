// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the KELO record decoder on bytes of any length.
//
// decodeKeloRecord must read only the bytes it is given, give Complete for 252 bytes or more
// (reading the first 252) and Short below, the values bit for bit as little-endian doubles, the
// name as valid UTF-8 decoded from Windows-1250 up to its first NUL; keloTexts must give a text
// for each value read, in its format, that the next calculation reads back.
#include <cstdint>
#include <cstring>
#include <memory>

#include "fuzz_support.h"
#include "io/kelo_file.h"
#include "kelo_checks.h"

using namespace zav;
using namespace zav::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A copy of exactly `size` bytes (none for an empty input), so that any read past the end is a
    // heap overflow.
    std::unique_ptr<unsigned char[]> bytes(size > 0 ? new unsigned char[size] : nullptr);
    if (size > 0)
        std::memcpy(bytes.get(), data, size);

    const KeloReadResult result = decodeKeloRecord(bytes.get(), size);
    checkKeloRecord(data, size, result);
    checkKeloTexts(result);

    if (size > static_cast<std::size_t>(kKeloFileBytes)) {
        // A longer record reads like its first 252 bytes.
        const KeloReadResult first = decodeKeloRecord(bytes.get(), kKeloFileBytes);
        ZAV_FUZZ_CHECK(sameResult(first, result),
                       "a longer record reads differently from its first 252 bytes");
    }
    return 0;
}
