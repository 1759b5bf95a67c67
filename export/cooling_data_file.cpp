// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/cooling_data_file.h"

#include "core/number_format.h"

namespace zav {

std::string coolingDataHeader() {
    return "Čas (s) ;Teplota telesa (°C) ;Stredna teplota (°C) ;Alfa (W.m-2.K-1) ;Alfa-ziarenie (W.m-2.K-1) "
           ";c_material (J.kg-1.K-1);Pr ;Gr ;Nu ";
}

void appendCoolingDataRow(std::string& line, const CoolingState& s) {
    appendFixed(line, s.coolingTime, 8, 6);
    line += ';';
    appendFixed(line, s.tBody, 8, 6);
    line += ';';
    appendFixed(line, s.tMean, 8, 6);
    line += ';';
    appendFixed(line, s.alphaConv, 8, 3);
    line += ';';
    appendFixed(line, s.alphaRad, 8, 3);
    line += ';';
    appendFixed(line, s.c_material, 8, 2);
    line += ';';
    appendFixed(line, s.prandtl, 8, 4);
    line += ';';
    appendFixed(line, s.grashof, 8, 4);
    line += ';';
    appendFixed(line, s.nusselt, 8, 4);
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
