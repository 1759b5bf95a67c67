// SPDX-License-Identifier: GPL-3.0-or-later
// KELO coefficient files written by the tests themselves: the record serialised byte by byte in
// little-endian order, so that the fixtures are the same on any host.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>

namespace zav::test {

struct KeloRecord {
    std::array<double, 29> values{};
    std::string nameBytes; // raw Windows-1250 bytes, at most 20; the rest is NUL
};

inline std::string keloBytes(const KeloRecord& record) {
    std::string bytes;
    for (double value : record.values) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        for (int i = 0; i < 8; ++i)
            bytes.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
    }
    std::string name = record.nameBytes.substr(0, 20);
    name.resize(20, '\0');
    return bytes + name;
}

inline void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

/// A record whose values show the text forms of the KELO tab.
inline KeloRecord sampleRecord() {
    KeloRecord r;
    for (int k = 0; k < 24; ++k)
        r.values[static_cast<std::size_t>(k)] = (k + 1) * 1.5e-3;
    r.values[0] = 0.000017;
    r.values[1] = -0.0032;
    r.values[2] = 1003.6;
    r.values[3] = 0;
    r.values[4] = 1.23456789;
    r.values[24] = -50;      // tempMin
    r.values[25] = 1000;     // tempMax
    r.values[26] = 100000;   // pressureMin, Pa
    r.values[27] = 5000000;  // pressureMax, Pa
    r.values[28] = 296.8;    // r
    r.nameBytes = "Air";
    return r;
}

} // namespace zav::test
