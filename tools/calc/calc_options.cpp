// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/calc/calc_options.h"

#include "core/number_format.h"
#include "core/surface_shapes.h"
#include "export/replacing_file.h"
#include "io/kelo_file.h"

#include <nlohmann/json.hpp>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace zav::calc {

namespace {

template <class Enum>
Enum choice(const std::string& name, const Choice& names) {
    return static_cast<Enum>(choicePosition(name, names));
}

std::string inQuotes(const std::string& name) { return "„" + name + "“"; }

std::string cannotOpenMessage(const std::string& path) { return "Súbor " + inQuotes(path) + " sa nepodarilo otvoriť."; }

// A user-defined fluid's JSON object, read key by key; every key must be used.
class FluidObject {
public:
    // `kind`: the approximation, whose fields of a case ("fluid.KIND.KEY") give the defaults.
    FluidObject(const nlohmann::json& object, const std::string& path, const std::string& kind)
        : m_object(object), m_path(path), m_section("fluid." + kind + ".") {}

    [[noreturn]] void fail(const std::string& what) const {
        throw InputError("Súbor " + inQuotes(m_path) + ": " + what);
    }

    bool has(const char* key) const { return m_object.contains(key); }

    // A number, or a text with the decimal comma or point; when missing, the start-up value of
    // the case's field, and required where that is no number (a KELO field's "xxx").
    double number(const char* key) {
        m_used.push_back(key);
        if (!m_object.contains(key))
            return startValue(m_section + key, key);
        return value(m_object.at(key), key, "pole " + inQuotes(key) + " musí byť číslo.");
    }

    // A list of `count` numbers; when missing, the start-up values of the case's fields.
    void numbers(const char* key, std::array<double, 6>& target, std::size_t count) {
        m_used.push_back(key);
        if (!m_object.contains(key)) {
            for (std::size_t i = 0; i < count; ++i)
                target[i] = startValue(m_section + key + "." + std::to_string(i), key);
            return;
        }
        const nlohmann::json& list = m_object.at(key);
        const std::string notList = "pole " + inQuotes(key) + " musí byť zoznam " + std::to_string(count) + " čísel.";
        if (!list.is_array() || list.size() != count)
            fail(notList);
        for (std::size_t i = 0; i < count; ++i)
            target[i] = value(list[i], key, notList);
    }

    void noOtherKeys() const {
        for (const auto& item : m_object.items()) {
            if (std::find(m_used.begin(), m_used.end(), item.key()) == m_used.end())
                fail("neznáme pole " + inQuotes(item.key()) + ".");
        }
    }

private:
    // The start-up number of the case's field `field`, for the missing `key`.
    double startValue(const std::string& field, const char* key) const {
        try {
            return parseNumber(caseKey(field).startValue);
        } catch (const ConversionError&) {
            fail("chýba pole " + inQuotes(key) + ".");
        }
    }

    // A number of `key`, or a text of one; anything else fails with `notNumber`.
    double value(const nlohmann::json& item, const char* key, const std::string& notNumber) const {
        if (item.is_number())
            return item.get<double>();
        if (!item.is_string())
            fail(notNumber);
        try {
            return parseInputNumber(item.get<std::string>());
        } catch (const ConversionError& e) {
            fail("pole " + inQuotes(key) + ": " + e.what());
        }
    }

    const nlohmann::json& m_object;
    std::string m_path;
    std::string m_section;
    std::vector<std::string> m_used{"kind"};
};

const char* const kPolynomialKeys[4] = {"dyn_viscosity", "density", "conductivity", "heat_capacity"};

} // namespace

InterruptCheck& inputInterruptCheck() {
    static InterruptCheck check;
    return check;
}

void setInputInterruptCheck(InterruptCheck check) { inputInterruptCheck() = std::move(check); }

namespace {

// Throws the message of an input that could not be read; returns when it was.
void refuseUnread(const std::string& path, const InputRead& input) {
    switch (input.problem) {
    case InputRead::Problem::None:
        return;
    case InputRead::Problem::TooLarge:
        throw InputError("Súbor " + inQuotes(path) + " " + inputTooLargeText());
    case InputRead::Problem::Directory:
        throw InputFileError("Súbor " + inQuotes(path) + " sa nepodarilo otvoriť: je to priečinok.", EISDIR, path);
    case InputRead::Problem::CannotOpen:
    case InputRead::Problem::NotRegular:
        throw InputFileError(cannotOpenMessage(path), input.errorNumber, path);
    case InputRead::Problem::CannotRead:
        break;
    }
    throw InputFileError("Súbor " + inQuotes(path) + " sa nepodarilo prečítať.", input.errorNumber, path);
}

} // namespace

std::string readInputFile(const std::string& path) {
    const InputRead input = path == kStandardStreamName ? readDescriptor(STDIN_FILENO, inputInterruptCheck())
                                                        : readInput(path, InputKinds::Any, inputInterruptCheck());
    refuseUnread(path, input);
    return input.bytes;
}

double parseInputNumber(const std::string& text) {
    const bool comma = text.find(',') != std::string::npos;
    return parseNumber(text, comma ? ',' : '.');
}

std::size_t choicePosition(const std::string& name, const Choice& names) {
    const std::size_t found = names.find(name);
    if (found < names.count)
        return found;
    std::string list;
    for (const ChoiceName& n : names)
        list += (list.empty() ? "" : ", ") + std::string(n.name);
    throw InputError(std::string("Neznám") + names.what + " „" + name + "“; možnosti: " + list + ".");
}

FluidKind fluidKind(const std::string& name) { return choice<FluidKind>(name, kFluidChoice); }
SurfaceGeometry surfaceGeometry(const std::string& name) {
    return choice<SurfaceGeometry>(name, kShapeChoice);
}
PlatePosition platePosition(const std::string& name) { return choice<PlatePosition>(name, kFaceChoice); }
PropertyModel propertyModel(const std::string& name) {
    return choice<PropertyModel>(name, kPropertyModelChoice);
}

HeatCapacityModel heatCapacityModel(const std::string& text) {
    HeatCapacityModel model;
    // The tabulated materials by their names alone.
    for (const HeatCapacityKind kind : {HeatCapacityKind::CarbonSteel, HeatCapacityKind::Grade17246}) {
        if (text == kHeatCapacityChoice[static_cast<std::size_t>(kind)].name) {
            model.kind = kind;
            return model;
        }
    }
    const std::size_t colon = text.find(':');
    const std::string kind = text.substr(0, colon);
    const std::string values = colon == std::string::npos ? std::string() : text.substr(colon + 1);
    if (kind == kHeatCapacityChoice[0].name && colon != std::string::npos) {
        model.kind = HeatCapacityKind::Constant;
        model.constant = parseInputNumber(values);
        return model;
    }
    if (kind == kHeatCapacityChoice[1].name && colon != std::string::npos) {
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
            throw InputError("Kubická tepelná kapacita " + inQuotes(text) + " potrebuje štyri koeficienty A,B,C,D.");
        model.kind = HeatCapacityKind::Cubic;
        model.a = parseInputNumber(parts[0]);
        model.b = parseInputNumber(parts[1]);
        model.c = parseInputNumber(parts[2]);
        model.d = parseInputNumber(parts[3]);
        return model;
    }
    throw InputError("Neznáma tepelná kapacita " + inQuotes(text) +
                     "; možnosti: constant:HODNOTA, cubic:A,B,C,D, carbon-steel, 17246.");
}

UserFluidModel readFluidFile(const std::string& path, double pressureMpa) {
    const std::string bytes = readInputFile(path);
    // The key of the top-level object whose value is being read, for a number beyond a double,
    // which the parser itself refuses.
    std::string key;
    const auto trackKey = [&key](int depth, nlohmann::json::parse_event_t event, nlohmann::json& parsed) {
        if (event == nlohmann::json::parse_event_t::key && depth == 1)
            key = parsed.get<std::string>();
        return true;
    };
    nlohmann::json document;
    try {
        document = nlohmann::json::parse(bytes, trackKey);
    } catch (const nlohmann::json::parse_error& e) {
        throw InputError("Súbor " + inQuotes(path) + " nie je platný JSON (chyba na bajte " + std::to_string(e.byte) +
                         ").");
    } catch (const nlohmann::json::out_of_range& e) {
        // "... number overflow parsing '1e999'": the number's text as the parser quotes it.
        const std::string what = e.what();
        const std::size_t open = what.find('\'');
        const std::size_t close = what.rfind('\'');
        const std::string number = open < close ? what.substr(open + 1, close - open - 1) : std::string();
        throw InputError("Súbor " + inQuotes(path) + ": " + (key.empty() ? "" : "pole " + inQuotes(key) + ": ") +
                         ConversionError(number).what());
    } catch (const nlohmann::json::exception&) {
        throw InputError("Súbor " + inQuotes(path) + " nie je platný JSON.");
    }
    if (!document.is_object() || !document.contains("kind") || !document.at("kind").is_string())
        throw InputError("Súbor " + inQuotes(path) +
                         ": očakáva sa objekt JSON s poľom „kind“ (constant, linear, quadratic alebo kelo).");
    const std::string kind = document.at("kind").get<std::string>();
    FluidObject object(document, path, kind);
    UserFluidModel m;
    m.kind = static_cast<ApproximationKind>(kUserFluidChoice.find(kind));
    if (kUserFluidChoice.find(kind) == kUserFluidChoice.count) {
        std::string names;
        for (const ChoiceName& name : kUserFluidChoice)
            names += (names.empty() ? "" : ", ") + std::string(name.name);
        object.fail("neznámy druh tekutiny " + inQuotes(kind) + "; možnosti: " + names + ".");
    }
    if (m.kind == ApproximationKind::Constant) {
        m.dynViscosity = object.number("dyn_viscosity");
        m.density = object.number("density");
        m.conductivity = object.number("conductivity");
        m.heatCapacity = object.number("heat_capacity");
        m.expansionCoeff = object.number("expansion_coeff");
    } else if (m.kind == ApproximationKind::Linear || m.kind == ApproximationKind::Quadratic) {
        const std::size_t count = m.kind == ApproximationKind::Linear ? 2 : 3;
        std::array<double, 6>* rows[4] = {&m.viscosityCoeffs, &m.densityCoeffs, &m.conductivityCoeffs,
                                          &m.heatCapacityCoeffs};
        for (int i = 0; i < 4; ++i)
            object.numbers(kPolynomialKeys[i], *rows[i], count);
        m.validTempMin = object.number("t_min");
        m.validTempMax = object.number("t_max");
    } else {
        object.numbers("dyn_viscosity", m.viscosityCoeffs, 6);
        object.numbers("compressibility", m.compressibilityCoeffs, 6);
        object.numbers("conductivity", m.conductivityCoeffs, 6);
        object.numbers("heat_capacity", m.heatCapacityCoeffs, 6);
        m.validTempMin = object.number("t_min");
        m.validTempMax = object.number("t_max");
        m.validPressureMin = object.number("p_min");
        m.validPressureMax = object.number("p_max");
        m.gasConstant = object.number("gas_constant");
        // A pressure given apart (--pressure) stands in for the file's; the case's field holds 5 MPa.
        const double filePressure = object.number("pressure");
        m.gasPressure = std::isnan(pressureMpa) ? filePressure : pressureMpa;
    }
    object.noOtherKeys();
    return m;
}

UserFluidModel readKeloModel(const std::string& path, double pressureMpa) {
    // Its record: the bytes beyond 252 are not read.
    const InputRead input = readInput(path, InputKinds::Any, inputInterruptCheck(), kKeloFileBytes);
    if (input.problem != InputRead::Problem::TooLarge)
        refuseUnread(path, input);
    const KeloReadResult result = decodeKeloRecord(reinterpret_cast<const unsigned char*>(input.bytes.data()),
                                                   std::min<std::size_t>(input.bytes.size(), kKeloFileBytes));
    if (result.status == KeloReadResult::Status::NotFinite)
        throw InputError(keloNotFiniteMessage(path));
    if (result.status == KeloReadResult::Status::Short)
        throw InputError("Súbor " + inQuotes(path) + " je kratší ako 252 bajtov, načítaný bol iba čiastočne.");
    // The loader's texts (five significant digits of the coefficients), read back as the desktop
    // reads its fields.
    const KeloTexts texts = keloTexts(result);
    const auto number = [&path](const std::optional<std::string>& text) {
        try {
            return parseNumber(text.value());
        } catch (const ConversionError& e) {
            throw InputError("Súbor " + inQuotes(path) + ": " + e.what());
        }
    };
    UserFluidModel m;
    m.kind = ApproximationKind::KELO;
    const std::array<std::optional<std::string>, 6>* textRows[4] = {&texts.viscosity, &texts.compressibility,
                                                                    &texts.conductivity, &texts.heatCapacity};
    std::array<double, 6>* rows[4] = {&m.viscosityCoeffs, &m.compressibilityCoeffs, &m.conductivityCoeffs,
                                      &m.heatCapacityCoeffs};
    for (int row = 0; row < 4; ++row) {
        for (std::size_t k = 0; k < 6; ++k)
            (*rows[row])[k] = number((*textRows[row])[k]);
    }
    m.gasPressure = pressureMpa;
    m.validTempMin = number(texts.tempMin);
    m.validTempMax = number(texts.tempMax);
    m.validPressureMin = number(texts.pressureMin);
    m.validPressureMax = number(texts.pressureMax);
    m.gasConstant = number(texts.gasConstant);
    return m;
}

void chooseFluid(SteadyCase& c, const FluidChoice& choice, const FluidOptionNames& names) {
    if (choice.fluidFile && choice.kelo)
        throw InputError(std::string(names.fluidFile) + " a " + names.kelo + " sa nedajú zadať naraz.");
    if (choice.fluidFile)
        requireFileName(names.fluidFile, *choice.fluidFile);
    if (choice.kelo)
        requireFileName(names.kelo, *choice.kelo);
    const bool described = choice.fluidFile || choice.kelo;
    c.fluid = choice.name ? fluidKind(*choice.name) : described ? FluidKind::UserDefined : FluidKind::Air;
    if (described && c.fluid != FluidKind::UserDefined)
        throw InputError(std::string(names.fluid) + " " + *choice.name + " sa nedá zadať spolu s " +
                         (choice.fluidFile ? names.fluidFile : names.kelo) + ": súbor opisuje tekutinu user.");
    if (choice.fluidFile)
        c.userFluid = readFluidFile(*choice.fluidFile, choice.pressureMpa.value_or(std::nan("")));
    else if (choice.kelo)
        c.userFluid = readKeloModel(*choice.kelo, choice.pressureMpa.value_or(5));
    else if (c.fluid == FluidKind::UserDefined && choice.caseFluid)
        c.userFluid = choice.caseFluid();
    else if (c.fluid == FluidKind::UserDefined)
        throw InputError(std::string("Tekutina user potrebuje svoj opis: ") + names.either + ".");
    const bool fromCase = c.fluid == FluidKind::UserDefined && !described && choice.caseFluid;
    if (fromCase && choice.pressureMpa && c.userFluid.kind == ApproximationKind::KELO)
        c.userFluid.gasPressure = *choice.pressureMpa;
    else if (choice.pressureMpa && !choice.kelo && !(choice.fluidFile && c.userFluid.kind == ApproximationKind::KELO))
        throw InputError(std::string(names.pressure) + " platí len pre tekutinu KELO (" + names.kelo + " alebo " +
                         names.fluidFile + " s druhom „kelo“).");
}

void requireFileName(const std::string& option, const std::string& path) {
    if (path.empty())
        throw InputError(option + ": názov súboru je prázdny.");
}

namespace {

// The file a writer would replace: links followed, the path made absolute and normal.
std::filesystem::path writtenFile(const std::string& path) {
    std::error_code error;
    const std::filesystem::path target = std::filesystem::absolute(resolveWriteTarget(path), error);
    std::filesystem::path resolved = std::filesystem::weakly_canonical(target, error);
    return error ? target.lexically_normal() : resolved;
}

} // namespace

void requireDistinctOutputs(const std::string& firstOption, const std::string& first,
                            const std::string& secondOption, const std::string& second) {
    if (first.empty() || second.empty() || writtenFile(first) != writtenFile(second))
        return;
    throw InputError(firstOption + " a " + secondOption + " určujú ten istý súbor " + inQuotes(first) +
                     ": jeden by prepísal druhý.");
}

} // namespace zav::calc
