// SPDX-License-Identifier: GPL-3.0-or-later
// "Rozsah": the range of surface temperatures that the sweeps evaluate. The window has no buttons;
// a sweep reads its fields when it starts.
#pragma once

#include <QWidget>

#include "export/sweep_range.h"

class QLineEdit;

namespace zav {

class RangeWindow : public QWidget {
    Q_OBJECT
public:
    explicit RangeWindow(QWidget* parent = nullptr);

    /// The range as the fields hold it now; throws ConversionError for a text that is not a number.
    SweepRange readRange() const;

private:
    QLineEdit* m_minimum = nullptr; // tMin (°C)
    QLineEdit* m_maximum = nullptr; // tMax (°C)
    QLineEdit* m_step = nullptr;    // tStep (°C)
};

} // namespace zav
