// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/table_file.h"

#include "core/number_format.h"

namespace zav {

std::string tableHeader() {
    return "Teplota telesa (°C);Teplota tekutiny (°C);Stredná teplota (°C);Kin.viskozita(m2.s-1);"
           "Dyn. viskozita (Pa.s);Hustota (kg.m-3);Tep.vodivosť (W.m-1.K-1);Tep. kapacita (J.kg-1.K-1);Pr;Gr;Nu;"
           "ZAV (W.m-2.K-1);ZAV_sálanie (W.m-2.K-1);ZAV_celkový (W.m-2.K-1) ";
}

std::string tableLine(const ConvectionState& s) {
    const std::string columns[] = {
        formatFixed(s.tBody, 6, 3),        formatFixed(s.tFluid, 6, 3),       formatFixed(s.tMean, 6, 3),
        formatExponent(s.kinViscosity, 8), formatExponent(s.dynViscosity, 8), formatFixed(s.density, 6, 4),
        formatFixed(s.conductivity, 6, 4), formatFixed(s.heatCapacity, 6, 2), formatFixed(s.prandtl, 6, 4),
        formatExponent(s.grashof, 8),      formatFixed(s.nusselt, 6, 4),      formatFixed(s.alphaConv, 6, 3),
        formatFixed(s.alphaRad, 6, 3),     formatFixed(s.alphaTotal, 6, 3),
    };
    std::string line;
    for (const std::string& column : columns) {
        if (!line.empty())
            line += ';';
        line += column;
    }
    return line;
}

} // namespace zav
