// SPDX-License-Identifier: GPL-3.0-or-later
// What the front ends without a window (zav-calc and the Python module) hand to the core: the
// main window's inputs as plain values, the cooling window's own, and a reporter that keeps the
// messages instead of showing them. The values start at the windows' defaults, so that a case
// that names nothing is the case of a freshly started program.
#pragma once

#include <string>
#include <vector>

#include "core/convection_state.h"
#include "core/evaluation_inputs.h"
#include "core/heat_capacity.h"
#include "core/reporter.h"
#include "core/user_fluid.h"

namespace zav::calc {

/// The main window's inputs: Edit1, Edit2, Edit10, Edit17, the fluid, the shape and its own
/// inputs, the radiation switch, Edit20 and the reference-properties switch.
struct SteadyCase {
    double tBody = 100;     // °C
    double tFluid = 20;     // °C
    double charLength = 0.1; // m
    double area = 1;        // m²
    FluidKind fluid = FluidKind::Air;
    PropertyModel properties = PropertyModel::Builtin; // of air and water: CheckBoxRef
    UserFluidModel userFluid; // meaningful for FluidKind::UserDefined
    SurfaceGeometry shape = SurfaceGeometry::VerticalPlate;
    PlatePosition face = PlatePosition::Upper;
    double angleDeg = 0;        // degrees from the vertical
    double finGap = 0.005;      // m
    double tubeDiameter = 0.1;  // m
    bool radiationOn = false;
    double emissivity = 0.8;    // 1
};

/// The cooling window's inputs and its heat-capacity window's choice.
struct CoolingCase {
    double mass = 1;            // kg
    double coolingArea = 1;     // m²
    double targetTemperature = 30; // °C
    double stepCount = 10000;   // 1, a real number as the window reads it
    bool radiationOn = true;
    double emissivity = 1;      // 1
    HeatCapacityModel heatCapacity;
};

/// Appends to `unique` each of `texts` that it does not hold yet: every text once, in the order
/// of its first appearance (the warnings of a run, of a sweep's points).
void appendUnique(std::vector<std::string>& unique, const std::vector<std::string>& texts);

/// The main window as the core reads it during an evaluation.
class CaseInputs : public EvaluationInputs {
public:
    explicit CaseInputs(const SteadyCase& c) : m_case(c) {}
    FluidKind fluidKind() const override { return m_case.fluid; }
    PropertyModel propertyModel() const override { return m_case.properties; }
    SurfaceGeometry geometry() const override { return m_case.shape; }
    PlatePosition platePosition() const override { return m_case.face; }
    bool radiationOn() const override { return m_case.radiationOn; }
    double inclinationDeg() const override { return m_case.angleDeg; }
    double finGap() const override { return m_case.finGap; }
    double tubeDiameter() const override { return m_case.tubeDiameter; }
    double emissivity() const override { return m_case.emissivity; }
    UserFluidModel userFluidModel() const override { return m_case.userFluid; }

private:
    const SteadyCase& m_case;
};

/// Keeps what the core reports. A failed check shows its message and then writes its status text;
/// a range warning of the user-defined fluid only shows its message.
class MessageLog : public Reporter {
public:
    void showMessage(const std::string& text) override { m_messages.push_back(text); }
    void setStatusText(const std::string& text) override { m_status = text; }

    void clear() {
        m_messages.clear();
        m_status.clear();
    }
    bool empty() const { return m_messages.empty(); }
    const std::vector<std::string>& messages() const { return m_messages; }

    /// The messages as warnings, each text once, in the order of first appearance; with
    /// `failed`, the last message is the failure's own and is left out.
    std::vector<std::string> warnings(bool failed) const;
    /// The failure's text: the one-line status text when the check wrote one, else its message.
    std::string failure() const;

private:
    std::vector<std::string> m_messages;
    std::string m_status;
};

} // namespace zav::calc
