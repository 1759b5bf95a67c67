// SPDX-License-Identifier: GPL-3.0-or-later
// What the benchmarks give the core: the steady case of a freshly started program (air, vertical
// plate, radiation on) and a reporter that says nothing.
#pragma once

#include <string>

#include "core/steady_case.h"
#include "core/reporter.h"

namespace zav::bench {

/// The steady case of a freshly started program, with the radiation on, read through its own view.
struct DefaultCase : CaseValues {
    DefaultCase() {
        values.finGap = 0.005;
        values.tubeDiameter = 0.1;
        values.emissivity = 0.8;
        values.radiationOn = true;
    }
};

struct Silent : Reporter {
    void showMessage(const std::string&) override {}
    void setStatusText(const std::string&) override {}
};

} // namespace zav::bench
