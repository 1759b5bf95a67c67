// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the case file reader.
//
// Any bytes are read as a case file: readCase gives a record or throws CaseFileError, nothing
// else, with a message that names the file. A record it gives is written again, and those bytes
// read back to the same record and are written again byte for byte.
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "io/case_file.h"

using namespace zav;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CaseRecord record;
    try {
        record = readCase(bytes, "f.zav");
    } catch (const CaseFileError& e) {
        const std::string message = e.what();
        ZAV_FUZZ_CHECK(message.rfind("Súbor „f.zav“ ", 0) == 0, fuzz::escaped(message));
        return 0;
    }
    const std::string written = writeCase(record);
    CaseRecord again;
    try {
        again = readCase(written, "f.zav");
    } catch (const CaseFileError& e) {
        ZAV_FUZZ_CHECK(false, std::string("a written case is refused: ") + fuzz::escaped(e.what()));
    }
    ZAV_FUZZ_CHECK(again == record, "a written case reads back otherwise: " + fuzz::escaped(written));
    ZAV_FUZZ_CHECK(writeCase(again) == written, "a case is written otherwise the second time");
    return 0;
}
