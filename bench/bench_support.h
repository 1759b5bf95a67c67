// SPDX-License-Identifier: GPL-3.0-or-later
// What the benchmarks give the core: the steady case of a freshly started program (air, vertical
// plate, radiation on) and a reporter that says nothing.
#pragma once

#include <string>

#include "core/steady_case.h"
#include "core/reporter.h"

namespace zav::bench {

/// The steady case of a freshly started program, with the radiation on, read through the case's own
/// view.
struct DefaultCase : CaseInputs {
    SteadyCase values;

    DefaultCase() : CaseInputs(values) {
        values.finGap = 0.005;
        values.tubeDiameter = 0.1;
        values.emissivity = 0.8;
        values.radiationOn = true;
    }
    DefaultCase(const DefaultCase& other) : CaseInputs(values), values(other.values) {}
    DefaultCase& operator=(const DefaultCase& other) {
        values = other.values;
        return *this;
    }
};

struct Silent : Reporter {
    void showMessage(const std::string&) override {}
    void setStatusText(const std::string&) override {}
};

} // namespace zav::bench
