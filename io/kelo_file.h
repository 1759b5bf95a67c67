// SPDX-License-Identifier: GPL-3.0-or-later
// Reader of KELO coefficient files: the property polynomials of a gas mixture in pressure and
// temperature, their range of validity, the gas constant and the mixture's name, as a 252-byte
// record of little-endian IEEE doubles followed by a 20-byte Windows-1250 name.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace zav {

/// The values of a KELO file in file order: 24 coefficients (viscosity, compressibility,
/// conductivity, heat capacity, a0..a5 each), then tempMin, tempMax (°C), pressureMin,
/// pressureMax (Pa) and gasConstant (J/(kg·K)).
constexpr int kKeloValueCount = 29;
constexpr int kKeloNameBytes = 20;
constexpr int kKeloFileBytes = kKeloValueCount * 8 + kKeloNameBytes; // 252

struct KeloReadResult {
    enum class Status {
        Complete,  // all 252 bytes were there (longer files are read as their first 252 bytes)
        Short,      // the file ended early: only wholeValues values (and the name if hasName)
        NotFinite,  // a value read is NaN or infinite: the record is not a gas's description
        CannotOpen  // nothing was read
    };
    Status status = Status::CannotOpen;
    std::array<double, kKeloValueCount> values{};
    int wholeValues = 0;
    bool hasName = false;
    std::string mixtureName; // UTF-8, the bytes up to the first NUL (all 20 when there is none)
};

/// Reads the first 252 bytes of `path` (binary, read only) whatever the host's byte order.
KeloReadResult readKeloFile(const std::string& path);

/// The loader's message of a file whose record holds a value that is not a finite number.
std::string keloNotFiniteMessage(const std::string& path);

/// Decodes a record from its bytes; `size` may be short of 252.
KeloReadResult decodeKeloRecord(const unsigned char* bytes, std::size_t size);

/// The KELO tab's field numbers and texts for what was read, in the order the loader writes them:
/// Edit30..Edit53 (coefficients, 5 significant digits, exponent form), Edit55, Edit56 (°C, 5/1),
/// Edit58, Edit59 (MPa, 8/3), Edit60 (r, 5/1), Edit57 (the name). Values not read are left out.
std::vector<std::pair<int, std::string>> keloFieldTexts(const KeloReadResult& result);

} // namespace zav
