// SPDX-License-Identifier: GPL-3.0-or-later
// "Porovnanie korelácií" (Form11): the result's convective coefficient by the program's own
// correlation and by the published ones for the same body, from the same fluid properties, each on
// its own characteristic length, with its range.
#pragma once

#include <QWidget>

#include <vector>

#include "core/alternatives.h"
#include "core/convection_state.h"

class QTableWidget;

namespace zav {

class CorrelationsWindow : public QWidget {
    Q_OBJECT
public:
    explicit CorrelationsWindow(QWidget* parent = nullptr);

    /// Shows the comparison of a passed calculation: the program's correlation of `shape` at
    /// `state` first, then `alternatives`.
    void showComparison(SurfaceGeometry shape, const ConvectionState& state,
                        const std::vector<AlternativeResult>& alternatives);
    /// No calculation to compare: an empty table.
    void clearComparison();

private:
    QTableWidget* m_table;
};

} // namespace zav
