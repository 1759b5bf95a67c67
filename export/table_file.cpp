// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/table_file.h"

#include "core/number_format.h"

namespace zav {

std::string tableHeader() {
    return "Teplota telesa (°C);Teplota tekutiny (°C);Stredná teplota (°C);Kin.viskozita(m2.s-1);"
           "Dyn. viskozita (Pa.s);Hustota (kg.m-3);Tep.vodivosť (W.m-1.K-1);Tep. kapacita (J.kg-1.K-1);Pr;Gr;Nu;"
           "ZAV (W.m-2.K-1);ZAV_sálanie (W.m-2.K-1);ZAV_celkový (W.m-2.K-1) ";
}

namespace {

// The fourteen columns in their order: fixed with precision 6 and `decimals` decimals, or the
// exponent form with 8 digits (decimals -1).
struct Column {
    double ConvectionState::*value;
    int decimals;
};
constexpr int kExponentForm = -1;
constexpr Column kColumns[] = {
    {&ConvectionState::tBody, 3},        {&ConvectionState::tFluid, 3},
    {&ConvectionState::tMean, 3},        {&ConvectionState::kinViscosity, kExponentForm},
    {&ConvectionState::dynViscosity, kExponentForm}, {&ConvectionState::density, 4},
    {&ConvectionState::conductivity, 4}, {&ConvectionState::heatCapacity, 2},
    {&ConvectionState::prandtl, 4},      {&ConvectionState::grashof, kExponentForm},
    {&ConvectionState::nusselt, 4},      {&ConvectionState::alphaConv, 3},
    {&ConvectionState::alphaRad, 3},     {&ConvectionState::alphaTotal, 3},
};

} // namespace

void appendTableLine(std::string& line, const ConvectionState& s) {
    char buffer[sizeof kColumns / sizeof kColumns[0] * (kMaxNumberText + 1)];
    char* at = buffer;
    for (const Column& column : kColumns) {
        if (&column != kColumns)
            *at++ = ';';
        at = column.decimals == kExponentForm ? writeExponent(at, s.*column.value, 8)
                                              : writeFixed(at, s.*column.value, 6, column.decimals);
    }
    line.append(buffer, static_cast<std::size_t>(at - buffer));
}

std::string tableLine(const ConvectionState& state) {
    std::string line;
    appendTableLine(line, state);
    return line;
}

} // namespace zav
