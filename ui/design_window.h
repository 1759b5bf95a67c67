// SPDX-License-Identifier: GPL-3.0-or-later
// "Návrh": the design question answered directly. For a heat flow, "Vypočítaj" finds the body
// temperature, the fluid temperature, the area or the characteristic dimension that carries it,
// with every other input read from the main window at that moment; "Prenes do hlavného okna"
// writes the value found into the main window's field and computes there, so that the main window
// shows every property and number of the solution. A value found belongs to the inputs it was found
// from: once the heat flow, the unknown or an input of the main window differs, it is no longer
// shown and "Prenes" refuses it.
#pragma once

#include <optional>

#include <QStringList>
#include <QWidget>

#include "core/steady_state_inverse.h"

class QLineEdit;
class QRadioButton;

namespace zav {

class Dialogs;
class MainWindow;

class DesignWindow : public QWidget {
    Q_OBJECT
public:
    explicit DesignWindow(Dialogs& dialogs, QWidget* parent = nullptr);

    /// The main window whose inputs the calculation reads: a change of any of them empties the
    /// result.
    void setMainWindow(MainWindow* mainWindow);

private:
    void handle(void (DesignWindow::*handler)());
    DesignUnknown unknown() const;
    // Everything a calculation reads, as texts: the heat flow, the unknown, the main window's
    // inputs and choices, and the user-defined fluid when it is the fluid chosen.
    QStringList inputState() const;
    // Back to "no result": the value found is forgotten.
    void clearResult();

    // Event handlers.
    void calculate(); // "Vypočítaj"
    void transfer();  // "Prenes do hlavného okna"

    Dialogs& m_dialogs;
    MainWindow* m_mainWindow = nullptr;
    QLineEdit* m_heatFlow = nullptr; // W
    QRadioButton* m_unknowns[4] = {}; // in DesignUnknown order
    QLineEdit* m_result = nullptr;
    // The last value found, the unknown it is and the inputs it was found from, until the next
    // calculation or until the heat flow or the unknown changes.
    std::optional<double> m_solved;
    DesignUnknown m_solvedUnknown = DesignUnknown::BodyTemperature;
    QStringList m_solvedFrom;
    bool m_transferring = false; // "Prenes" is writing the value found into the main window
    bool m_stale = false;        // a result was taken away by a change since the last calculation
};

/// The text of a value found, as the main window's field takes it: the decimal comma and enough
/// digits that the main window computes the same heat flow from it.
QString designValueText(double value);

/// The value found as the result field shows it: a temperature to hundredths of a degree, as the
/// main window shows the mean temperature; an area or a dimension to six significant digits.
QString designResultText(DesignUnknown unknown, double value);

} // namespace zav
