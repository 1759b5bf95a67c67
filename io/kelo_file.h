// SPDX-License-Identifier: GPL-3.0-or-later
// Reader of KELO coefficient files: the property polynomials of a gas mixture in pressure and
// temperature, their range of validity, the gas constant and the mixture's name, as a 252-byte
// record of little-endian IEEE doubles followed by a 20-byte Windows-1250 name.
#pragma once

#include "io/input_file.h"

#include <array>
#include <optional>
#include <string>

namespace zav {

/// A KELO file holds 29 values, in this order: 24 coefficients (viscosity, compressibility,
/// conductivity, heat capacity, a0..a5 each), then tempMin, tempMax, pressureMin, pressureMax and
/// gasConstant; then the mixture's name.
constexpr int kKeloValueCount = 29;
constexpr int kKeloNameBytes = 20;
constexpr int kKeloFileBytes = kKeloValueCount * 8 + kKeloNameBytes; // 252

/// What a KELO file describes: the property polynomials a0..a5 of a gas mixture, the range in
/// which they hold, its gas constant and its name.
struct KeloCoefficients {
    std::array<double, 6> viscosity{};
    std::array<double, 6> compressibility{};
    std::array<double, 6> conductivity{};
    std::array<double, 6> heatCapacity{};
    double tempMin = 0;     // °C
    double tempMax = 0;     // °C
    double pressureMin = 0; // Pa
    double pressureMax = 0; // Pa
    double gasConstant = 0; // J/(kg·K)
    std::string name;       // UTF-8, the bytes up to the first NUL (all 20 when there is none)
};

struct KeloReadResult {
    enum class Status {
        Complete,  // all 252 bytes were there (longer files are read as their first 252 bytes)
        Short,      // the file ended early: only wholeValues values (and the name if hasName)
        NotFinite,  // a value read is NaN or infinite: the record is not a gas's description
        CannotOpen  // nothing was read
    };
    Status status = Status::CannotOpen;
    KeloCoefficients coefficients; // the values not read are 0, the name empty
    int wholeValues = 0;           // how many values were read, in file order
    bool hasName = false;          // whether the name was read
};

/// The values of `coefficients` in file order.
std::array<double, kKeloValueCount> keloFileValues(const KeloCoefficients& coefficients);

/// Reads the first 252 bytes of `path` (binary, read only) whatever the host's byte order; the
/// desktop takes only a regular file (RegularOnly), a pipe would stop it.
KeloReadResult readKeloFile(const std::string& path, InputKinds kinds = InputKinds::RegularOnly);

/// The loader's message of a file whose record holds a value that is not a finite number.
std::string keloNotFiniteMessage(const std::string& path);

/// Decodes a record from its bytes; `size` may be short of 252.
KeloReadResult decodeKeloRecord(const unsigned char* bytes, std::size_t size);

/// The texts shown for what was read: coefficients with 5 significant digits in exponent form,
/// temperatures (°C) and the gas constant 5/1, pressures in MPa 8/3, the name as it is. A value
/// that was not read has no text.
struct KeloTexts {
    std::array<std::optional<std::string>, 6> viscosity;
    std::array<std::optional<std::string>, 6> compressibility;
    std::array<std::optional<std::string>, 6> conductivity;
    std::array<std::optional<std::string>, 6> heatCapacity;
    std::optional<std::string> tempMin;
    std::optional<std::string> tempMax;
    std::optional<std::string> pressureMin; // MPa
    std::optional<std::string> pressureMax; // MPa
    std::optional<std::string> gasConstant;
    std::optional<std::string> name;
};
KeloTexts keloTexts(const KeloReadResult& result);

} // namespace zav
