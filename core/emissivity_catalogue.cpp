// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/emissivity_catalogue.h"

namespace zav {

const std::array<EmissivityEntry, kEmissivityEntries> emissivityCatalogue = {{
    {"0: vlastné nastavenie", 1},
    {"1: Cín  (0,05)", 0.05},
    {"2: Hliník nezoxidovaný (0,02)", 0.02},
    {"3: Hliník zoxidovaný (0,11)", 0.11},
    {"4: Hliník silne zoxidovaný (0,2)", 0.2},
    {"5: Hliník fólia (0,09)", 0.09},
    {"6: Chróm (0,08)", 0.08},
    {"7: Chróm leštený (0,06)", 0.06},
    {"8: Kobalt nezoxidovaný (0,13)", 0.13},
    {"9: Meď - oxid meďný (0,87)", 0.87},
    {"10: Meď - čierna, zoxidovaná (0,78)", 0.78},
    {"11: Meď - hrubo leštená (0,07)", 0.07},
    {"12: Meď - leštená (0,03)", 0.03},
    {"13: Mosadz - leštená (0,03)", 0.03},
    {"14: Mosadz - zoxidovaná (0,6)", 0.6},
    {"15: Nikel - leštený (0,05)", 0.05},
    {"16: Nikel - zoxidovaný (0,4)", 0.4},
    {"17: Nikel - nezoxidovaný (0,05)", 0.05},
    {"18: Oceľ - valcovaná za studena (0,8)", 0.8},
    {"19: Oceľ - plech (0,58)", 0.58},
    {"20: Oceľ - plech leštený (0,07)", 0.07},
    {"21: Oceľ - nezoxidovaná (0,08)", 0.08},
    {"22: Oceľ - zoxidovaná (0,8)", 0.8},
    {"23: Platina (0,05)", 0.05},
    {"24: Ortuť (0,1)", 0.1},
    {"25: Titan (0,08)", 0.08},
    {"26: Uhlík - lampová čerň (0,95)", 0.95},
    {"27: Uhlík - nezoxidovaný (0,81)", 0.81},
    {"28: Wolfrám (0,02)", 0.02},
    {"29: Zinok - leštený (0,02)", 0.02},
    {"30: Zinok - lesklý, galvanizovaný (0,23)", 0.23},
    {"31: Zinok - zoxidovaný (0,11)", 0.11},
    {"", 0},
}};

} // namespace zav
