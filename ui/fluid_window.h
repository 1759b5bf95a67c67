// SPDX-License-Identifier: GPL-3.0-or-later
// "Vlastný materiál": the description of the user-defined fluid in four tabs (constant values,
// linear and quadratic polynomials in temperature, KELO gas-mixture polynomials) and the choice of
// the approximation in force. The window only holds texts: readUserFluidModel converts the fields
// of the chosen approximation each time an evaluation asks, and "Load" fills the KELO tab from a
// KELO coefficient file.
#pragma once

#include <QString>
#include <QWidget>

#include "core/user_fluid.h"

class QLineEdit;
class QRadioButton;

namespace zav {

class Dialogs;

class FluidWindow : public QWidget {
    Q_OBJECT
public:
    explicit FluidWindow(Dialogs& dialogs, QWidget* parent = nullptr);

    /// The description as the fields hold it now; only the chosen approximation's fields are
    /// converted, and a text that is not a number throws ConversionError.
    UserFluidModel readUserFluidModel() const;

    // Field numbers of a polynomial tab: a0, a1 (and a2) of the viscosity, density, conductivity
    // and heat capacity rows, and the temperature range. A linear tab has no a2 fields (all 0).
    struct PolynomialFields {
        int a0[4];
        int a1[4];
        int a2[4];
        int min;
        int max;
    };

private:
    QWidget* buildConstantTab();
    QWidget* buildPolynomialTab(const PolynomialFields& fields);
    QWidget* buildKeloTab();
    QLineEdit* field(QWidget* parent, int number, const QRect& geometry);
    void addRangeGroup(QWidget* tab, int minField, int maxField, int y);
    void handle(void (FluidWindow::*handler)());
    // The fields' accessible names and tool tips.
    void describeFields();

    ApproximationKind approximation() const;
    double number(int field) const;
    void readPolynomial(const PolynomialFields& fields, UserFluidModel& model) const;

    // Event handlers.
    void closeWindow();  // "OK" and "Close": the window only hides
    void loadKeloFile(); // "Load"

    Dialogs& m_dialogs;
    QLineEdit* m_fields[61] = {};           // the fields by number, 1 to 60
    QRadioButton* m_approximations[4] = {}; // in ApproximationKind order
    QString m_keloFileName; // the last file chosen in the open dialog, for the whole run
};

} // namespace zav
