// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fluid_properties.h"

#include "core/air_reference.h"
#include "core/water_reference.h"

namespace zav {

namespace {

bool inRange(double t, double low, double high) { return low <= t && t <= high; }

} // namespace

void computeAirReferenceProperties(ConvectionState& state) {
    if (inRange(state.tMean, kAirReferenceMin, kAirReferenceMax)) {
        const AirReference air = airReference(state.tMean);
        state.density = air.density;
        state.dynViscosity = air.dynViscosity;
        state.kinViscosity = air.dynViscosity / air.density;
        state.conductivity = air.conductivity;
        state.heatCapacity = air.heatCapacity;
    }
    if (inRange(state.tFluid, kAirReferenceMin, kAirReferenceMax))
        state.expansionCoeff = airReferenceExpansion(state.tFluid);
}

void computeWaterReferenceProperties(ConvectionState& state) {
    if (inRange(state.tMean, kWaterReferenceMin, kWaterReferenceMax)) {
        const WaterReference water = waterReference(state.tMean);
        state.dynViscosity = water.dynViscosity;
        state.density = water.density;
        state.heatCapacity = water.heatCapacity;
        state.kinViscosity = water.dynViscosity / water.density;
        state.expansionCoeff = water.expansionCoeff;
    }
    if (inRange(state.tFluid, kWaterReferenceMin, kWaterReferenceMax))
        state.conductivity = waterReferenceConductivity(state.tFluid);
}

void computeFluidProperties(ConvectionState& state, FluidKind kind, PropertyModel model,
                            const UserFluidSource& userFluid, Reporter& reporter) {
    const bool reference = model == PropertyModel::Reference;
    switch (kind) {
    case FluidKind::Air:
        reference ? computeAirReferenceProperties(state) : computeAirProperties(state);
        break;
    case FluidKind::Water:
        reference ? computeWaterReferenceProperties(state) : computeWaterProperties(state);
        break;
    case FluidKind::UserDefined:
        computeUserFluidProperties(state, userFluid(), reporter);
        break;
    }
}

} // namespace zav
