// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/calc/calc_case_file.h"

#include "core/number_format.h"
#include "core/surface_shapes.h"
#include "io/case_file.h"

#include <algorithm>
#include <array>

namespace zav::calc {

namespace {

// The numbers of a case, read from its texts on demand.
class CaseNumbers {
public:
    CaseNumbers(CaseRecord record, std::string path) : m_record(std::move(record)), m_path(std::move(path)) {}

    double number(const std::string& key) const {
        try {
            return parseNumber(m_record.text(key));
        } catch (const ConversionError& e) {
            // The KELO fields hold "xxx" until the desktop loads a coefficient file.
            if (key.rfind("fluid.kelo.", 0) == 0 && m_record.text(key) == "xxx")
                throw InputError("Súbor „" + m_path + "“: pole „" + key +
                                 "“: súbor koeficientov KELO nie je načítaný ('xxx'); načítajte ho v okne „Vlastný "
                                 "materiál“ a zadanie uložte znova, alebo zadajte --kelo SÚBOR.kelo.");
            throw InputError("Súbor „" + m_path + "“: pole „" + key + "“: " + e.what());
        }
    }
    const std::string& text(const std::string& key) const { return m_record.text(key); }
    bool flag(const std::string& key) const { return m_record.flag(key); }

    // The case's user-defined fluid: the approximation in force, its fields read in the order
    // of their numbers, as the desktop reads them.
    UserFluidModel userFluid() const {
        UserFluidModel m;
        const std::string& kind = text("fluid.kind");
        m.kind = static_cast<ApproximationKind>(choicePosition(kind, kUserFluidChoice));
        const char* const rows[4] = {"dyn_viscosity", "density", "conductivity", "heat_capacity"};
        if (m.kind == ApproximationKind::Constant) {
            m.dynViscosity = number("fluid.constant.dyn_viscosity");
            m.density = number("fluid.constant.density");
            m.conductivity = number("fluid.constant.conductivity");
            m.heatCapacity = number("fluid.constant.heat_capacity");
            m.expansionCoeff = number("fluid.constant.expansion_coeff");
        } else if (m.kind == ApproximationKind::Linear || m.kind == ApproximationKind::Quadratic) {
            std::array<double, 6>* targets[4] = {&m.viscosityCoeffs, &m.densityCoeffs, &m.conductivityCoeffs,
                                                 &m.heatCapacityCoeffs};
            const std::string tab = "fluid." + kind + ".";
            const std::size_t count = m.kind == ApproximationKind::Linear ? 2 : 3;
            // Linear: a0 and a1 row by row, then the range; quadratic: the a0 column, the a1
            // column, the range, the a2 column.
            const auto coefficient = [&](int row, std::size_t power) {
                (*targets[row])[power] = number(tab + rows[row] + "." + std::to_string(power));
            };
            if (count == 2) {
                for (int row = 0; row < 4; ++row) {
                    coefficient(row, 0);
                    coefficient(row, 1);
                }
            } else {
                for (std::size_t power = 0; power < 2; ++power) {
                    for (int row = 0; row < 4; ++row)
                        coefficient(row, power);
                }
            }
            m.validTempMin = number(tab + "t_min");
            m.validTempMax = number(tab + "t_max");
            if (count == 3) {
                for (int row = 0; row < 4; ++row)
                    coefficient(row, 2);
            }
        } else {
            std::array<double, 6>* targets[4] = {&m.viscosityCoeffs, &m.compressibilityCoeffs, &m.conductivityCoeffs,
                                                 &m.heatCapacityCoeffs};
            const char* const keloRows[4] = {"dyn_viscosity", "compressibility", "conductivity", "heat_capacity"};
            for (int row = 0; row < 4; ++row) {
                for (std::size_t k = 0; k < 6; ++k)
                    (*targets[row])[k] = number(std::string("fluid.kelo.") + keloRows[row] + "." + std::to_string(k));
            }
            m.gasPressure = number("fluid.kelo.pressure");
            m.validTempMin = number("fluid.kelo.t_min");
            m.validTempMax = number("fluid.kelo.t_max");
            m.validPressureMin = number("fluid.kelo.p_min");
            m.validPressureMax = number("fluid.kelo.p_max");
            m.gasConstant = number("fluid.kelo.gas_constant");
        }
        return m;
    }

private:
    CaseRecord m_record;
    std::string m_path;
};

} // namespace

class CaseFileInputs::Texts : public CaseNumbers {
public:
    using CaseNumbers::CaseNumbers;
};

CaseFileInputs::CaseFileInputs(const std::string& path) {
    try {
        m_texts = std::make_shared<const Texts>(
            path == kStandardStreamName ? readCase(readInputFile(path), path)
                                        : readCaseFile(path, path, InputKinds::Any, inputInterruptCheck()),
            path);
    } catch (const CaseFileError& e) {
        if (e.reason() == CaseFileError::Reason::CannotRead)
            throw InputFileError(e.what(), e.errorNumber(), path);
        throw InputError(e.what());
    }
}

CaseFileInputs::~CaseFileInputs() = default;

namespace {

// Whether `entry` is another shape's own input than `shape`'s (the shapes' table lists them by
// their keywords); the inputs of every shape are no shape's own.
bool ownInputOfOtherShape(const CaseKey& entry, SurfaceGeometry shape) {
    if (entry.keyword == nullptr || surfaceShapeInfo(shape).inputs.contains(entry.keyword))
        return false;
    return std::any_of(kSurfaceShapes.begin(), kSurfaceShapes.end(),
                       [&](const SurfaceShapeInfo& other) { return other.inputs.contains(entry.keyword); });
}

} // namespace

SteadyCase CaseFileInputs::steady(const std::set<std::string>& given, FluidChoice& fluid) const {
    const Texts& c = *m_texts;
    const auto has = [&given](const char* name) { return given.count(name) > 0; };
    SteadyCase s = startCase();
    s.shape = surfaceGeometry(c.text("main.shape"));
    for (const CaseKey* entry : steadyCaseKeys()) {
        if (entry->keyword != nullptr && has(entry->keyword))
            continue;
        switch (entry->parse) {
        case InputParse::Number:
            // A shape's own inputs are read for that shape, as the desktop reads them (or for any
            // shape the front end names); the emissivity last, with the radiation on.
            if (entry->steadyNumber != &SteadyCase::emissivity &&
                (has("shape") || !ownInputOfOtherShape(*entry, s.shape)))
                setSteadyInput(s, *entry, c.number(entry->key));
            break;
        case InputParse::Choice:
            setSteadyInput(s, *entry, static_cast<double>(choicePosition(c.text(entry->key), *entry->choice)));
            break;
        case InputParse::Flag:
            setSteadyInput(s, *entry, c.flag(entry->key) ? 1 : 0);
            break;
        case InputParse::Text:
        case InputParse::Index:
            break;
        }
    }
    // An emissivity given decides the radiation itself.
    s.radiationOn = c.flag("main.radiation") && !has("emissivity");
    if (s.radiationOn)
        s.emissivity = c.number("main.emissivity");
    // A fluid file named instead stands for the fluid "user".
    if (!has("fluid_file") && !has("kelo"))
        fluid.name = c.text("main.fluid");
    const std::shared_ptr<const Texts> texts = m_texts;
    fluid.caseFluid = [texts] { return texts->userFluid(); };
    return s;
}

std::optional<double> CaseFileInputs::coolingEmissivity(const std::set<std::string>& given) const {
    if (given.count("emissivity") > 0 || !m_texts->flag("cooling.radiation"))
        return std::nullopt;
    return m_texts->number("cooling.emissivity");
}

SweepRange CaseFileInputs::range(const std::set<std::string>& given) const {
    SweepRange range;
    if (given.count("from") == 0)
        range.tMin = m_texts->number("range.from");
    if (given.count("to") == 0)
        range.tMax = m_texts->number("range.to");
    if (given.count("step") == 0)
        range.tStep = m_texts->number("range.step");
    return range;
}

std::pair<std::optional<double>, std::optional<std::string>>
CaseFileInputs::design(const std::set<std::string>& given) const {
    std::pair<std::optional<double>, std::optional<std::string>> design;
    if (given.count("heat_flow") == 0)
        design.first = m_texts->number("design.heat_flow");
    if (given.count("unknown") == 0)
        design.second = m_texts->text("design.unknown");
    return design;
}

CoolingRequest CaseFileInputs::cooling(const std::set<std::string>& given) const {
    const Texts& c = *m_texts;
    const auto has = [&given](const char* name) { return given.count(name) > 0; };
    CoolingRequest k;
    if (!has("mass"))
        k.mass = c.number("cooling.mass");
    if (!has("cooling_area"))
        k.coolingArea = c.number("cooling.cooling_area");
    if (!has("power"))
        k.heatSource = c.number("cooling.power");
    if (!has("target"))
        k.targetTemperature = c.number("cooling.target");
    if (!has("steps"))
        k.stepCount = c.number("cooling.steps");
    if (!has("heat_capacity")) {
        k.heatCapacity.kind =
            static_cast<HeatCapacityKind>(choicePosition(c.text("heat_capacity.model"), kHeatCapacityChoice));
        if (k.heatCapacity.kind == HeatCapacityKind::Constant) {
            k.heatCapacity.constant = c.number("heat_capacity.constant");
        } else if (k.heatCapacity.kind == HeatCapacityKind::Cubic) {
            k.heatCapacity.a = c.number("heat_capacity.cubic.0");
            k.heatCapacity.b = c.number("heat_capacity.cubic.1");
            k.heatCapacity.c = c.number("heat_capacity.cubic.2");
            k.heatCapacity.d = c.number("heat_capacity.cubic.3");
        }
    }
    k.background = c.text("cooling.picture_background");
    k.radiation = c.flag("cooling.radiation");
    if (!has("emissivity"))
        k.emissivity = c.number("cooling.emissivity");
    return k;
}

} // namespace zav::calc
