// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue of surface materials with their emissivities, from which a cooling run's emissivity
// is chosen: entry 0 for a value of the user's own, 31 materials, and an empty last item.
#pragma once

#include <array>

namespace zav {

struct EmissivityEntry {
    const char* caption;  // the list item, the emissivity with a decimal comma
    double emissivity;    // 1; meaningful for entries 1 to 31 only
};

constexpr int kEmissivityEntries = 33;

/// The list in its order; entry 0 is "0: vlastné nastavenie", entry 32 the empty item.
extern const std::array<EmissivityEntry, kEmissivityEntries> emissivityCatalogue;

/// True for the entries that carry a material's emissivity (1 to 31).
constexpr bool isCatalogueMaterial(int index) { return index >= 1 && index <= 31; }

} // namespace zav
