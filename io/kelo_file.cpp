// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/kelo_file.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "core/number_format.h"
#include "core/text_encoding.h"

namespace zav {

namespace {

double littleEndianDouble(const unsigned char* bytes) {
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | bytes[i];
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Field numbers of the values after the coefficients: the bounds, then r.
constexpr int kTailFields[] = {55, 56, 58, 59, 60};

} // namespace

KeloReadResult decodeKeloRecord(const unsigned char* bytes, std::size_t size) {
    KeloReadResult result;
    result.status = size >= static_cast<std::size_t>(kKeloFileBytes) ? KeloReadResult::Status::Complete
                                                                       : KeloReadResult::Status::Short;
    for (int k = 0; k < kKeloValueCount && static_cast<std::size_t>(k + 1) * 8 <= size; ++k) {
        result.values[static_cast<std::size_t>(k)] = littleEndianDouble(bytes + k * 8);
        result.wholeValues = k + 1;
        if (!std::isfinite(result.values[static_cast<std::size_t>(k)]))
            result.status = KeloReadResult::Status::NotFinite;
    }
    if (size >= static_cast<std::size_t>(kKeloFileBytes)) {
        const unsigned char* name = bytes + kKeloValueCount * 8;
        std::size_t length = 0;
        while (length < static_cast<std::size_t>(kKeloNameBytes) && name[length] != 0)
            ++length;
        result.hasName = true;
        result.mixtureName = fromWindows1250(std::string(reinterpret_cast<const char*>(name), length));
    }
    return result;
}

KeloReadResult readKeloFile(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return KeloReadResult{};
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return KeloReadResult{};
    unsigned char bytes[kKeloFileBytes];
    const std::size_t size = std::fread(bytes, 1, sizeof bytes, file.get());
    return decodeKeloRecord(bytes, size);
}

std::string keloNotFiniteMessage(const std::string& path) {
    return "Súbor „" + path + "“ obsahuje hodnotu, ktorá nie je konečné číslo (NaN alebo nekonečno); súbor sa "
           "nenačítal.";
}

std::vector<std::pair<int, std::string>> keloFieldTexts(const KeloReadResult& result) {
    std::vector<std::pair<int, std::string>> fields;
    for (int k = 0; k < result.wholeValues; ++k) {
        const double value = result.values[static_cast<std::size_t>(k)];
        if (k < 24) {
            fields.emplace_back(30 + k, formatExponent(value, 5));
        } else {
            const int field = kTailFields[k - 24];
            // Pressures are shown in MPa.
            const bool pressure = field == 58 || field == 59;
            fields.emplace_back(field, pressure ? formatFixed(value * 1e-6, 8, 3) : formatFixed(value, 5, 1));
        }
    }
    if (result.hasName)
        fields.emplace_back(57, result.mixtureName);
    return fields;
}

} // namespace zav
