// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/kelo_file.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <type_traits>

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


// The value at `index` (0 to 28) in file order, of the values or of their texts.
template <typename Record>
auto& valueAt(Record& record, int index) {
    using Row = std::remove_reference_t<decltype((record.viscosity))>;
    using Value = std::remove_reference_t<decltype((record.tempMin))>;
    Row* const rows[] = {&record.viscosity, &record.compressibility, &record.conductivity,
                         &record.heatCapacity};
    Value* const tail[] = {&record.tempMin, &record.tempMax, &record.pressureMin, &record.pressureMax,
                           &record.gasConstant};
    if (index < 24)
        return (*rows[index / 6])[static_cast<std::size_t>(index % 6)];
    return *tail[index - 24];
}

} // namespace

KeloReadResult decodeKeloRecord(const unsigned char* bytes, std::size_t size) {
    KeloReadResult result;
    result.status = size >= static_cast<std::size_t>(kKeloFileBytes) ? KeloReadResult::Status::Complete
                                                                       : KeloReadResult::Status::Short;
    for (int k = 0; k < kKeloValueCount && static_cast<std::size_t>(k + 1) * 8 <= size; ++k) {
        double& value = valueAt(result.coefficients, k);
        value = littleEndianDouble(bytes + k * 8);
        result.wholeValues = k + 1;
        if (!std::isfinite(value))
            result.status = KeloReadResult::Status::NotFinite;
    }
    if (size >= static_cast<std::size_t>(kKeloFileBytes)) {
        const unsigned char* name = bytes + kKeloValueCount * 8;
        std::size_t length = 0;
        while (length < static_cast<std::size_t>(kKeloNameBytes) && name[length] != 0)
            ++length;
        result.hasName = true;
        result.coefficients.name = fromWindows1250(std::string(reinterpret_cast<const char*>(name), length));
    }
    return result;
}

KeloReadResult readKeloFile(const std::string& path, InputKinds kinds) {
    const InputRead input = readInput(path, kinds, {}, kKeloFileBytes);
    if (input.problem != InputRead::Problem::None && input.problem != InputRead::Problem::TooLarge)
        return KeloReadResult{};
    return decodeKeloRecord(reinterpret_cast<const unsigned char*>(input.bytes.data()),
                            std::min<std::size_t>(input.bytes.size(), kKeloFileBytes));
}

std::string keloNotFiniteMessage(const std::string& path) {
    return "Súbor „" + path + "“ obsahuje hodnotu, ktorá nie je konečné číslo (NaN alebo nekonečno); súbor sa "
           "nenačítal.";
}

std::array<double, kKeloValueCount> keloFileValues(const KeloCoefficients& coefficients) {
    std::array<double, kKeloValueCount> values{};
    for (int k = 0; k < kKeloValueCount; ++k)
        values[static_cast<std::size_t>(k)] = valueAt(coefficients, k);
    return values;
}

KeloTexts keloTexts(const KeloReadResult& result) {
    KeloTexts texts;
    for (int k = 0; k < result.wholeValues; ++k) {
        const double value = valueAt(result.coefficients, k);
        std::optional<std::string>& text = valueAt(texts, k);
        if (k < 24)
            text = formatExponent(value, 5);
        else if (&text == &texts.pressureMin || &text == &texts.pressureMax)
            text = formatFixed(value * 1e-6, 8, 3); // pressures are shown in MPa
        else
            text = formatFixed(value, 5, 1);
    }
    if (result.hasName)
        texts.name = result.coefficients.name;
    return texts;
}

} // namespace zav
