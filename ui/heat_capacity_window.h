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

class Form5 : public QWidget {
    Q_OBJECT
public:
    explicit Form5(QWidget* parent = nullptr);

    /// The chosen kind with the numbers of its own fields, converted now; a text that is not a
    /// number throws ConversionError. The other kinds' fields are not read.
    HeatCapacityModel readHeatCapacityModel() const;

private:
    QRadioButton* m_radioButton1 = nullptr; // 17 246
    QRadioButton* m_radioButton2 = nullptr; // constant
    QRadioButton* m_radioButton3 = nullptr; // carbon steel
    QRadioButton* m_radioButton4 = nullptr; // cubic
    QLineEdit* m_edit1 = nullptr;           // constant value
    QLineEdit* m_edits[4] = {};             // Edit2..Edit5: a, b, c, d of the cubic
};

} // namespace zav
