// SPDX-License-Identifier: GPL-3.0-or-later
// "Tepelná kapacita materiálu": how the cooled body's material stores heat, as a constant, a cubic
// in the temperature, or one of two steels. The window only holds the choice and the texts; a
// cooling run reads them at every temperature step.
#pragma once

#include <QWidget>

#include "core/heat_capacity.h"

class QLineEdit;
class QRadioButton;

namespace zav {

class HeatCapacityWindow : public QWidget {
    Q_OBJECT
public:
    explicit HeatCapacityWindow(QWidget* parent = nullptr);

    /// The chosen kind with the numbers of its own fields, converted now; a text that is not a
    /// number throws ConversionError. The other kinds' fields are not read.
    HeatCapacityModel readHeatCapacityModel() const;

private:
    QRadioButton* m_constant = nullptr;
    QLineEdit* m_constantValue = nullptr;  // (J.kg-1.K-1)
    QRadioButton* m_cubic = nullptr;
    QLineEdit* m_cubicCoefficients[4] = {}; // a, b, c, d of a + b·t + c·t² + d·t³
    QRadioButton* m_carbonSteel = nullptr;
    QRadioButton* m_steel17246 = nullptr;
};

} // namespace zav
