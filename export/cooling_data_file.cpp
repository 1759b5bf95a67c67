#include "export/cooling_data_file.h"

#include "core/number_format.h"

namespace zav {

std::string coolingDataHeader() {
    return "Čas (s) ;Teplota telesa (°C) ;Stredna teplota (°C) ;Alfa (W.m-2.K-1) ;Alfa-ziarenie (W.m-2.K-1) "
           ";c_material (J.kg-1.K-1);Pr ;Gr ;Nu ";
}

std::string coolingDataRow(const CoolingState& s) {
    std::string row;
    row.reserve(128);
    auto column = [&row](double value, int decimals) {
        if (!row.empty())
            row += ';';
        row += formatFixed(value, 8, decimals);
    };
    column(s.coolingTime, 6);
    column(s.tBody, 6);
    column(s.tMean, 6);
    column(s.alphaConv, 3);
    column(s.alphaRad, 3);
    column(s.c_material, 2);
    column(s.prandtl, 4);
    column(s.grashof, 4);
    column(s.nusselt, 4);
    return row;
}

bool CoolingDataFile::open(const std::string& path) {
    if (!m_file.open(path))
        return false;
    m_file.write(coolingDataHeader() + "\n");
    return true;
}

void CoolingDataFile::writeRow(const CoolingState& state) { m_file.writeAsciiLine(coolingDataRow(state)); }

} // namespace zav
