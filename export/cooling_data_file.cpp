// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/cooling_data_file.h"

#include "core/number_format.h"

namespace zav {

std::string coolingDataHeader() {
    return "Čas (s) ;Teplota telesa (°C) ;Stredna teplota (°C) ;Alfa (W.m-2.K-1) ;Alfa-ziarenie (W.m-2.K-1) "
           ";c_material (J.kg-1.K-1);Pr ;Gr ;Nu ";
}

namespace {

// The nine columns in their order, each with its number of decimals (precision 8 for all).
struct Column {
    double CoolingState::*value;
    int decimals;
};
constexpr Column kColumns[] = {
    {&CoolingState::coolingTime, 6}, {&CoolingState::tBody, 6},   {&CoolingState::tMean, 6},
    {&CoolingState::alphaConv, 3},   {&CoolingState::alphaRad, 3}, {&CoolingState::c_material, 2},
    {&CoolingState::prandtl, 4},     {&CoolingState::grashof, 4},  {&CoolingState::nusselt, 4},
};

} // namespace

void appendCoolingDataRow(std::string& line, const CoolingState& s) {
    char buffer[sizeof kColumns / sizeof kColumns[0] * (kMaxNumberText + 1)];
    char* at = buffer;
    for (const Column& column : kColumns) {
        if (&column != kColumns)
            *at++ = ';';
        at = writeFixed(at, s.*column.value, 8, column.decimals);
    }
    line.append(buffer, static_cast<std::size_t>(at - buffer));
}

std::string coolingDataRow(const CoolingState& state) {
    std::string row;
    appendCoolingDataRow(row, state);
    return row;
}

bool CoolingDataFile::open(const std::string& path) {
    if (!m_file.open(path))
        return false;
    m_file.write(coolingDataHeader() + "\n");
    return true;
}

void CoolingDataFile::writeRow(const CoolingState& state) {
    m_line.clear();
    appendCoolingDataRow(m_line, state);
    m_line += "\r\n";
    m_file.writeAscii(m_line);
}

} // namespace zav
