// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reference_deviation.h"

#include <cmath>

#include "core/air_reference.h"
#include "core/alternatives.h"
#include "core/number_format.h"
#include "core/steady_state.h"
#include "core/water_reference.h"

namespace zav {

namespace {

// The properties in the order in which the results list them.
constexpr FluidPropertyInfo kProperties[] = {
    {Quantity::Density, "hustota"},
    {Quantity::Conductivity, "tepelná vodivosť"},
    {Quantity::DynViscosity, "dynamická viskozita"},
    {Quantity::KinViscosity, "kinematická viskozita"},
    {Quantity::HeatCapacity, "merná tepelná kapacita"},
    {Quantity::ExpansionCoeff, "súčiniteľ objemovej rozťažnosti"},
};

// The same inputs with the reference properties.
class ReferenceInputs : public ForwardingInputs {
public:
    using ForwardingInputs::ForwardingInputs;
    PropertyModel propertyModel() const override { return PropertyModel::Reference; }
};

double relativeDeviation(double builtin, double reference) { return (builtin - reference) / reference; }

// "+7,2", "−38": the sign always (U+2212 for minus), one decimal below 10 %, none above.
std::string percent(double fraction, bool oneDecimal) {
    const double value = fraction * 100;
    const int decimals = oneDecimal || std::fabs(value) < 9.95 ? 1 : 0;
    std::string digits = formatFixed(std::fabs(value), 15, decimals);
    if (digits.find_first_not_of("0,") == std::string::npos)
        return digits; // rounds to zero: no sign
    return (value < 0 ? "\u2212" : "+") + digits;
}

} // namespace

ReferenceDeviation referenceDeviation(const ConvectionState& builtin, const EvaluationInputs& inputs) {
    ReferenceDeviation result;
    result.fluid = inputs.fluidKind();
    const ReferenceInputs referenceInputs(inputs);
    ConvectionState reference;
    reference.tBody = builtin.tBody;
    reference.tFluid = builtin.tFluid;
    reference.charLength = builtin.charLength;
    reference.area = builtin.area;
    reference.emissivity = builtin.emissivity;
    reference.tMean = builtin.tMean;
    if (meanTemperatureProblem(reference, result.fluid, PropertyModel::Reference) != nullptr) {
        result.status = ReferenceDeviation::Status::OutOfRange;
        return result;
    }
    if (!calculateSteadyState(reference, referenceInputs).ok) {
        result.status = ReferenceDeviation::Status::CheckFailed;
        return result;
    }
    result.status = ReferenceDeviation::Status::Available;
    result.deviation = relativeDeviation(builtin.alphaTotal, reference.alphaTotal);
    double largest = -1;
    for (const FluidPropertyInfo& property : kProperties) {
        const double d = relativeDeviation(quantityValue(builtin, property.quantity), quantityValue(reference, property.quantity));
        // A property whose reference value is 0 (water's β at its density maximum) has no relative
        // deviation; the coefficient's own deviation still shows what it does.
        if (std::isfinite(d) && std::fabs(d) > largest) {
            largest = std::fabs(d);
            result.property = &property;
            result.propertyDeviation = d;
        }
    }
    return result;
}

std::string referenceDeviationText(const ReferenceDeviation& d) {
    const bool air = d.fluid == FluidKind::Air;
    const std::string fluid = air ? "vzduchu" : "vody";
    switch (d.status) {
    case ReferenceDeviation::Status::OutOfRange:
        return "Referenčné vlastnosti " + fluid + " platia len od " + (air ? "-73 do 1726,85" : "0 do 100") +
               " °C (stredná teplota aj teplota tekutiny): odchýlku vstavaných vlastností nemožno určiť.";
    case ReferenceDeviation::Status::CheckFailed:
        return "S referenčnými vlastnosťami " + fluid +
               " tento prípad neprejde kontrolou platnosti: odchýlku vstavaných vlastností nemožno určiť.";
    case ReferenceDeviation::Status::Available:
        break;
    }
    const bool warn = std::fabs(d.deviation) > 0.05;
    std::string text = warn ? "Pozor: vstavané" : "Vstavané";
    text += " vlastnosti " + fluid + " dávajú súčiniteľ o " + percent(d.deviation, true) + " % " +
            (d.deviation < 0 ? "menší" : "väčší") + " než referenčné";
    if (d.property != nullptr)
        text += std::string(" (najviac sa líši ") + d.property->name + ": " + percent(d.propertyDeviation, false) +
                " %)";
    text += '.';
    if (warn)
        text += " Zapnite referenčné vlastnosti.";
    return text;
}

std::string accuracyLine(const ConvectionState& state, const EvaluationInputs& inputs) {
    std::string text;
    for (const std::string& warning : resultWarnings(state, inputs))
        text += (text.empty() ? "" : " ") + warning;
    if (inputs.fluidKind() != FluidKind::UserDefined && inputs.propertyModel() != PropertyModel::Reference)
        text += (text.empty() ? "" : " ") + referenceDeviationText(referenceDeviation(state, inputs));
    return text;
}

} // namespace zav
