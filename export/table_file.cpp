// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/table_file.h"

#include "core/number_format.h"
#include "core/quantities.h"

namespace zav {

namespace {

// The fourteen columns in their order: the header's name, then fixed with precision 6 and
// `decimals` decimals, or the exponent form with 8 digits (decimals -1).
struct Column {
    Quantity quantity;
    const char* header;
    int decimals;
};
constexpr int kExponentForm = -1;
constexpr Column kColumns[] = {
    {Quantity::TBody, "Teplota telesa (°C)", 3},
    {Quantity::TFluid, "Teplota tekutiny (°C)", 3},
    {Quantity::TMean, "Stredná teplota (°C)", 3},
    {Quantity::KinViscosity, "Kin.viskozita(m2.s-1)", kExponentForm},
    {Quantity::DynViscosity, "Dyn. viskozita (Pa.s)", kExponentForm},
    {Quantity::Density, "Hustota (kg.m-3)", 4},
    {Quantity::Conductivity, "Tep.vodivosť (W.m-1.K-1)", 4},
    {Quantity::HeatCapacity, "Tep. kapacita (J.kg-1.K-1)", 2},
    {Quantity::Prandtl, "Pr", 4},
    {Quantity::Grashof, "Gr", kExponentForm},
    {Quantity::Nusselt, "Nu", 4},
    {Quantity::AlphaConv, "ZAV (W.m-2.K-1)", 3},
    {Quantity::AlphaRad, "ZAV_sálanie (W.m-2.K-1)", 3},
    {Quantity::AlphaTotal, "ZAV_celkový (W.m-2.K-1) ", 3},
};

} // namespace

std::string tableHeader() {
    std::string header;
    for (const Column& column : kColumns) {
        if (&column != kColumns)
            header += ';';
        header += column.header;
    }
    return header;
}

void appendTableLine(std::string& line, const ConvectionState& s) {
    char buffer[sizeof kColumns / sizeof kColumns[0] * (kMaxNumberText + 1)];
    char* at = buffer;
    for (const Column& column : kColumns) {
        if (&column != kColumns)
            *at++ = ';';
        at = column.decimals == kExponentForm ? writeExponent(at, quantityValue(s, column.quantity), 8)
                                              : writeFixed(at, quantityValue(s, column.quantity), 6, column.decimals);
    }
    line.append(buffer, static_cast<std::size_t>(at - buffer));
}

std::string tableLine(const ConvectionState& state) {
    std::string line;
    appendTableLine(line, state);
    return line;
}

} // namespace zav
