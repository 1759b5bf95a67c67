// The two seams between an evaluation and the window that runs it: the inputs an evaluation reads
// from the window at the moment it needs them, and the channel through which checks report.
#pragma once

#include <string>

#include "core/convection_state.h"

namespace zav {

/// What an evaluation reads from the main window while it runs. The numeric getters parse the
/// field's current text and throw ConversionError when it is not a number.
class EvaluationInputs {
public:
    virtual ~EvaluationInputs() = default;

    virtual FluidKind fluidKind() const = 0;
    virtual SurfaceGeometry geometry() const = 0;
    virtual PlatePosition platePosition() const = 0;
    virtual bool radiationOn() const = 0;

    virtual double inclinationDeg() const = 0; // degrees from the vertical
    virtual double finGap() const = 0;         // m, clear gap between fins
    virtual double tubeDiameter() const = 0;   // m
    virtual double emissivity() const = 0;     // 1
};

/// Where checks and models report to the user: modal messages and the status text of the
/// main window's third status panel.
class Reporter {
public:
    virtual ~Reporter() = default;
    virtual void showMessage(const std::string& text) = 0;
    virtual void setStatusText(const std::string& text) = 0;
};

} // namespace zav
