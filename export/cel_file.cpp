// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/cel_file.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>

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

namespace {

// "%5.3f" in the C locale. std::to_chars rounds as printf does, in no locale; the width of five
// never pads a finite number with three decimals. Infinities and NaN are printf's own ("  inf",
// " -nan"), which no locale changes.
void appendCelNumber(std::string& text, double value) {
    char buffer[400]; // the longest double with three decimals, and more
    const char* end = std::isfinite(value)
                          ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3).ptr
                          : buffer + std::snprintf(buffer, sizeof buffer, "%5.3f", value);
    text.append(buffer, static_cast<std::size_t>(end - buffer));
}

} // namespace

void appendCelPair(std::string& text, double temperature, double alphaTotal) {
    appendCelNumber(text, temperature);
    text += ',';
    appendCelNumber(text, alphaTotal);
}

std::string celPair(double temperature, double alphaTotal) {
    std::string pair;
    appendCelPair(pair, temperature, alphaTotal);
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

std::string invalidCelNameMessage(const std::string& name) {
    if (name.empty())
        return "Názov okrajovej podmienky je prázdny; súbor pre Ansys sa nezapíše.";
    return "Názov okrajovej podmienky „" + name +
           "“ nie je platný: musí začínať písmenom bez diakritiky a obsahovať iba písmená bez diakritiky, "
           "číslice a znak „_“; súbor pre Ansys sa nezapíše.";
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
