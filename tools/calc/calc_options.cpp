// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/calc/calc_options.h"

#include "core/number_format.h"
#include "io/kelo_file.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>

namespace zav::calc {

namespace {

template <class Enum>
Enum choice(const std::string& name, const std::vector<std::string>& names, const char* what) {
    const auto found = std::find(names.begin(), names.end(), name);
    if (found != names.end())
        return static_cast<Enum>(found - names.begin());
    std::string list;
    for (const std::string& n : names)
        list += (list.empty() ? "" : ", ") + n;
    throw InputError(std::string("Neznám") + what + " „" + name + "“; možnosti: " + list + ".");
}

std::string quoted(const std::string& name) { return "„" + name + "“"; }

// A user-defined fluid's JSON object, read key by key; every key must be used.
class FluidObject {
public:
    FluidObject(const nlohmann::json& object, const std::string& path) : m_object(object), m_path(path) {}

    [[noreturn]] void fail(const std::string& what) const {
        throw InputError("Súbor " + quoted(m_path) + ": " + what);
    }

    bool has(const char* key) const { return m_object.contains(key); }

    // A number, or a text with the decimal comma or point; the window's default when missing.
    double number(const char* key, const char* windowDefault) {
        m_used.push_back(key);
        if (!m_object.contains(key)) {
            if (windowDefault == nullptr)
                fail("chýba pole " + quoted(key) + ".");
            return parseNumber(windowDefault);
        }
        return value(m_object.at(key), key);
    }

    // A list of `count` numbers; missing entries take the window's defaults.
    void numbers(const char* key, std::array<double, 6>& target, std::size_t count,
                 const std::vector<const char*>& windowDefaults) {
        m_used.push_back(key);
        if (!m_object.contains(key)) {
            if (windowDefaults.empty())
                fail("chýba pole " + quoted(key) + ".");
            for (std::size_t i = 0; i < count; ++i)
                target[i] = parseNumber(windowDefaults[i]);
            return;
        }
        const nlohmann::json& list = m_object.at(key);
        if (!list.is_array() || list.size() != count)
            fail("pole " + quoted(key) + " musí byť zoznam " + std::to_string(count) + " čísel.");
        for (std::size_t i = 0; i < count; ++i)
            target[i] = value(list[i], key);
    }

    void noOtherKeys() const {
        for (const auto& item : m_object.items()) {
            if (std::find(m_used.begin(), m_used.end(), item.key()) == m_used.end())
                fail("neznáme pole " + quoted(item.key()) + ".");
        }
    }

private:
    double value(const nlohmann::json& item, const char* key) const {
        if (item.is_number())
            return item.get<double>();
        if (item.is_string())
            return parseInputNumber(item.get<std::string>());
        fail("pole " + quoted(key) + " musí byť číslo.");
    }

    const nlohmann::json& m_object;
    std::string m_path;
    std::vector<std::string> m_used{"kind"};
};

const char* const kPolynomialKeys[4] = {"dyn_viscosity", "density", "conductivity", "heat_capacity"};

// The defaults of the fluid window's Linear and Quadratic tabs (a0, a1, a2 of each row).
const std::vector<const char*> kPolynomialDefaults[4] = {
    {"1,7e-5", "4,05e-8", "0"}, {"1,2", "-0,0032", "0"}, {"0,0237", "6,97e-5", "0"}, {"1003,6", "0,067", "0"}};

} // namespace

double parseInputNumber(const std::string& text) {
    const bool comma = text.find(',') != std::string::npos;
    return parseNumber(text, comma ? ',' : '.');
}

const std::vector<std::string> kFluidNames = {"air", "water", "user"};
const std::vector<std::string> kShapeNames = {"vertical-plate",    "inclined-plate",      "horizontal-plate",
                                              "cube",              "vertical-cylinder",   "horizontal-cylinder",
                                              "sphere",            "finned-tube"};
const std::vector<std::string> kFaceNames = {"upper", "lower"};
const std::vector<std::string> kPropertyModelNames = {"builtin", "reference"};

FluidKind fluidKind(const std::string& name) { return choice<FluidKind>(name, kFluidNames, "a tekutina"); }
SurfaceGeometry surfaceGeometry(const std::string& name) {
    return choice<SurfaceGeometry>(name, kShapeNames, "y tvar povrchu");
}
PlatePosition platePosition(const std::string& name) { return choice<PlatePosition>(name, kFaceNames, "a plocha"); }
PropertyModel propertyModel(const std::string& name) {
    return choice<PropertyModel>(name, kPropertyModelNames, "e vlastnosti");
}

HeatCapacityModel heatCapacityModel(const std::string& text) {
    HeatCapacityModel model;
    if (text == "carbon-steel") {
        model.kind = HeatCapacityKind::CarbonSteel;
        return model;
    }
    if (text == "17246") {
        model.kind = HeatCapacityKind::Grade17246;
        return model;
    }
    const std::size_t colon = text.find(':');
    const std::string kind = text.substr(0, colon);
    const std::string values = colon == std::string::npos ? std::string() : text.substr(colon + 1);
    if (kind == "constant" && colon != std::string::npos) {
        model.kind = HeatCapacityKind::Constant;
        model.constant = parseInputNumber(values);
        return model;
    }
    if (kind == "cubic" && colon != std::string::npos) {
        // With decimal commas the coefficients are separated by semicolons.
        const char separator = values.find(';') != std::string::npos ? ';' : ',';
        std::vector<std::string> parts;
        std::size_t start = 0;
        for (std::size_t at = values.find(separator); at != std::string::npos; at = values.find(separator, start)) {
            parts.push_back(values.substr(start, at - start));
            start = at + 1;
        }
        parts.push_back(values.substr(start));
        if (parts.size() != 4)
            throw InputError("Kubická tepelná kapacita " + quoted(text) + " potrebuje štyri koeficienty A,B,C,D.");
        model.kind = HeatCapacityKind::Cubic;
        model.a = parseInputNumber(parts[0]);
        model.b = parseInputNumber(parts[1]);
        model.c = parseInputNumber(parts[2]);
        model.d = parseInputNumber(parts[3]);
        return model;
    }
    throw InputError("Neznáma tepelná kapacita " + quoted(text) +
                     "; možnosti: constant:HODNOTA, cubic:A,B,C,D, carbon-steel, 17246.");
}

UserFluidModel readFluidFile(const std::string& path, double pressureMpa) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw InputError("Súbor " + quoted(path) + " sa nepodarilo otvoriť.");
    nlohmann::json document;
    try {
        document = nlohmann::json::parse(in);
    } catch (const nlohmann::json::parse_error& e) {
        throw InputError("Súbor " + quoted(path) + " nie je platný JSON (chyba na bajte " + std::to_string(e.byte) +
                         ").");
    }
    if (!document.is_object() || !document.contains("kind") || !document.at("kind").is_string())
        throw InputError("Súbor " + quoted(path) +
                         ": očakáva sa objekt JSON s poľom „kind“ (constant, linear, quadratic alebo kelo).");
    FluidObject object(document, path);
    const std::string kind = document.at("kind").get<std::string>();
    UserFluidModel m;
    if (kind == "constant") {
        m.kind = ApproximationKind::Constant;
        m.dynViscosity = object.number("dyn_viscosity", "1,7e-5");
        m.density = object.number("density", "1,2");
        m.conductivity = object.number("conductivity", "0,024");
        m.heatCapacity = object.number("heat_capacity", "1004");
        m.expansionCoeff = object.number("expansion_coeff", "3,4e-3");
    } else if (kind == "linear" || kind == "quadratic") {
        m.kind = kind == "linear" ? ApproximationKind::Linear : ApproximationKind::Quadratic;
        const std::size_t count = kind == "linear" ? 2 : 3;
        std::array<double, 6>* rows[4] = {&m.viscosityCoeffs, &m.densityCoeffs, &m.conductivityCoeffs,
                                          &m.heatCapacityCoeffs};
        for (int i = 0; i < 4; ++i)
            object.numbers(kPolynomialKeys[i], *rows[i], count, kPolynomialDefaults[i]);
        m.validTempMin = object.number("t_min", "0");
        m.validTempMax = object.number("t_max", "100");
    } else if (kind == "kelo") {
        m.kind = ApproximationKind::KELO;
        object.numbers("dyn_viscosity", m.viscosityCoeffs, 6, {});
        object.numbers("compressibility", m.compressibilityCoeffs, 6, {});
        object.numbers("conductivity", m.conductivityCoeffs, 6, {});
        object.numbers("heat_capacity", m.heatCapacityCoeffs, 6, {});
        m.validTempMin = object.number("t_min", nullptr);
        m.validTempMax = object.number("t_max", nullptr);
        m.validPressureMin = object.number("p_min", nullptr);
        m.validPressureMax = object.number("p_max", nullptr);
        m.gasConstant = object.number("gas_constant", nullptr);
        // A pressure given apart (--pressure) stands in for the file's; the window's field holds 5 MPa.
        const double filePressure = object.number("pressure", "5");
        m.gasPressure = std::isnan(pressureMpa) ? filePressure : pressureMpa;
    } else {
        object.fail("neznámy druh tekutiny " + quoted(kind) + "; možnosti: constant, linear, quadratic, kelo.");
    }
    object.noOtherKeys();
    return m;
}

UserFluidModel readKeloModel(const std::string& path, double pressureMpa) {
    const KeloReadResult result = readKeloFile(path);
    if (result.status == KeloReadResult::Status::CannotOpen)
        throw InputError("Súbor " + quoted(path) + " sa nepodarilo otvoriť.");
    if (result.status == KeloReadResult::Status::Short)
        throw InputError("Súbor " + quoted(path) + " je kratší ako 252 bajtov, načítaný bol iba čiastočne.");
    // The loader's texts (five significant digits of the coefficients), read back as the window
    // reads its fields.
    std::map<int, double> fields;
    for (const auto& [number, text] : keloFieldTexts(result)) {
        if (number != 57)
            fields[number] = parseNumber(text);
    }
    UserFluidModel m;
    m.kind = ApproximationKind::KELO;
    std::array<double, 6>* rows[4] = {&m.viscosityCoeffs, &m.compressibilityCoeffs, &m.conductivityCoeffs,
                                      &m.heatCapacityCoeffs};
    for (int row = 0; row < 4; ++row) {
        for (int k = 0; k < 6; ++k)
            (*rows[row])[static_cast<std::size_t>(k)] = fields.at(30 + row * 6 + k);
    }
    m.gasPressure = pressureMpa;
    m.validTempMin = fields.at(55);
    m.validTempMax = fields.at(56);
    m.validPressureMin = fields.at(58);
    m.validPressureMax = fields.at(59);
    m.gasConstant = fields.at(60);
    return m;
}

void chooseFluid(SteadyCase& c, const FluidChoice& choice, const FluidOptionNames& names) {
    if (choice.fluidFile && choice.kelo)
        throw InputError(std::string(names.fluidFile) + " a " + names.kelo + " sa nedajú zadať naraz.");
    const bool described = choice.fluidFile || choice.kelo;
    c.fluid = choice.name ? fluidKind(*choice.name) : described ? FluidKind::UserDefined : FluidKind::Air;
    if (choice.fluidFile)
        c.userFluid = readFluidFile(*choice.fluidFile, choice.pressureMpa.value_or(std::nan("")));
    else if (choice.kelo)
        c.userFluid = readKeloModel(*choice.kelo, choice.pressureMpa.value_or(5));
    else if (c.fluid == FluidKind::UserDefined)
        throw InputError(std::string("Tekutina user potrebuje svoj opis: ") + names.either + ".");
}

} // namespace zav::calc
