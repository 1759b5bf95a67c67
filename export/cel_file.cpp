// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/cel_file.h"

#include <cstdio>
#include <ctime>
#include <locale.h>

namespace zav {

std::string currentAsctime() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    return local != nullptr ? std::asctime(local) : "\n";
}

std::string celHead(const std::string& name, const std::string& asctime) {
    return "# Vytvorené v programe ZAV. Autori: tím projektu ZAV.\n"
           "# Vytvorené:  " +
           asctime +
           "\n"
           "LIBRARY:\n"
           "  CEL:\n"
           "    EXPRESSIONS:\n"
           "      " +
           name + " = " + name +
           "1(T)\n"
           "    END\n"
           "    FUNCTION: " +
           name +
           "1\n"
           "      Argument Units = [C]\n"
           "      Option = Interpolation\n"
           "      Result Units = [W m^-2 K^-1]\n"
           "      INTERPOLATION DATA:\n"
           "        Data Pairs = ";
}

std::string celPair(double temperature, double alphaTotal) {
    // printf in the C locale: the pre-processor reads a decimal point.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const locale_t previous = uselocale(cLocale);
    std::string pair(std::snprintf(nullptr, 0, "%5.3f,%5.3f", temperature, alphaTotal) + 1, '\0');
    std::snprintf(pair.data(), pair.size(), "%5.3f,%5.3f", temperature, alphaTotal);
    uselocale(previous);
    pair.pop_back();
    return pair;
}

std::string celTail() {
    return "\n"
           "        Extend Max = On\n"
           "        Extend Min = On\n"
           "        Option = One Dimensional\n"
           "      END\n"
           "    END\n"
           "  END\n"
           "END";
}

bool isValidCelName(const std::string& name) {
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (name.empty() || !letter(name[0]))
        return false;
    for (char c : name) {
        if (!letter(c) && !(c >= '0' && c <= '9') && c != '_')
            return false;
    }
    return true;
}

} // namespace zav
