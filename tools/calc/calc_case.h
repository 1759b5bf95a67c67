// SPDX-License-Identifier: GPL-3.0-or-later
// What zav-calc and the Python module hand to the core: the
// steady case as plain values, the cooling's own inputs, and a reporter that keeps the messages
// instead of showing them.
#pragma once

#include <string>
#include <vector>

#include "core/convection_state.h"
#include "core/steady_case.h"
#include "core/heat_capacity.h"
#include "core/reporter.h"
#include "core/user_fluid.h"

namespace zav::calc {

/// The steady case (core/steady_case.h), its start-up values from the table of the inputs.
using zav::SteadyCase;
using zav::CaseInputs;

/// The cooling's own inputs and its material's heat capacity, as prepareCooling sets them.
struct CoolingCase {
    double mass = 0;              // kg
    double coolingArea = 0;       // m²
    double heatSource = 0;        // W
    double targetTemperature = 0; // °C
    double stepCount = 0;         // 1, a real number as a field's text reads
    bool radiationOn = false;
    double emissivity = 0;        // 1
    HeatCapacityModel heatCapacity;
};

/// Appends to `unique` each of `texts` that it does not hold yet: every text once, in the order
/// of its first appearance (the warnings of a run, of a sweep's points).
void appendUnique(std::vector<std::string>& unique, const std::vector<std::string>& texts);

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
