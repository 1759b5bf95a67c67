// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the steady-state inputs, the fluid and the surface shape, the results of the
// last successful calculation, the menus that reach every other window, and the status bar in
// which failed checks leave their text.
//
// "Vypočítaj" (Button1Click) parses the field texts at that moment into the window's
// ConvectionState and runs calculateSteadyState; what the core reads while it runs (the shape and
// its own inputs, the fluid, the radiation switch) it reads through this window's EvaluationInputs,
// and what the checks report goes through its Reporter to the dialogs and the status bar.
#pragma once

#include <optional>

#include <functional>

#include <QMainWindow>

#include "core/convection_state.h"
#include "core/cooling.h"
#include "core/evaluation_inputs.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace zav {

class Dialogs;
class Form2;
class Form6;
class Form7;
class Form8;
class PanelStatusBar;

/// The other windows the main window's menus and buttons open.
struct Form1Links {
    Form2* form2 = nullptr;   // "Dynamika - ochladzovanie 1.0", the cooling
    QWidget* form3 = nullptr; // "O autorovi ..."
    QWidget* form4 = nullptr; // "O programe ZAV - voľná konvekcia"
    Form6* form6 = nullptr;   // "Rozsah", the range of the sweeps
    Form7* form7 = nullptr;   // "Graf", the chart of the table sweep
    Form8* form8 = nullptr;   // "Vlastný materiál", the user-defined fluid
    QWidget* form9 = nullptr; // "Form9"
};

class Form1 : public QMainWindow, private EvaluationInputs, private Reporter {
    Q_OBJECT
public:
    explicit Form1(Dialogs& dialogs, QWidget* parent = nullptr);

    void setLinks(const Form1Links& links) { m_links = links; }
    /// Runs before every handler of this window (the start-up makes the other windows there).
    void setBeforeHandler(std::function<void()> action) { m_beforeHandler = std::move(action); }
    const ConvectionState& state() const { return m_state; }

    // What the cooling window reads from this window while it runs: the shape, the fluid and their
    // inputs, the four main inputs, the total coefficient shown, and the messages and status text.
    const EvaluationInputs& evaluationInputs() const { return *this; }
    Reporter& reporter() { return *this; }
    /// Edit1, Edit2, Edit10 and Edit17 parsed now, in that order.
    MainWindowInputs readMainWindowInputs() const;
    /// The text of the total coefficient's result field.
    QString totalCoefficientText() const;

signals:
    /// The user ended the program ("Koniec" or closing this window).
    void programEnded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void buildInputs(QWidget* central);
    void buildResults(QWidget* central);
    void buildGeometry(QWidget* central);
    void handle(void (Form1::*handler)());

    // Event handlers.
    void Button1Click();
    void Button2Click();
    void CheckBox1Click();
    void Uloi1Click();
    void Nastavrozsah1Click();
    void Ulodosboru1Click();
    void Ansys1Click();
    void Koniec1Click();
    void Ochladzovanie1Click();
    void graf2Click();
    void Oprograme1Click();
    void Oautorovi1Click();
    void Peltier1Click();

    void readInputs();
    // Each false when the user cancelled the sweep.
    bool runTableSweep();
    bool runCelSweep();
    void showResults();
    // Presnost1: the deviation of the built-in properties from the reference, for air and water.
    void showReferenceDeviation();

    // EvaluationInputs: the window's fields at the moment the core asks.
    FluidKind fluidKind() const override;
    PropertyModel propertyModel() const override;
    SurfaceGeometry geometry() const override;
    PlatePosition platePosition() const override;
    bool radiationOn() const override;
    double inclinationDeg() const override;
    double finGap() const override;
    double tubeDiameter() const override;
    double emissivity() const override;
    UserFluidModel userFluidModel() const override;

    // Reporter: message boxes and the third status panel.
    void showMessage(const std::string& text) override;
    void setStatusText(const std::string& text) override;

    Dialogs& m_dialogs;
    Form1Links m_links;
    std::function<void()> m_beforeHandler;
    ConvectionState m_state;
    // While a sweep runs, the user-defined fluid as it was when the sweep first needed it: the
    // fluid window stays open to the user meanwhile.
    bool m_sweeping = false;
    mutable std::optional<UserFluidModel> m_sweepFluid;
    bool m_radiationFlag = false; // drives the look of Edit20; flips at every click on CheckBox1

    // Output switches of the File menu and their files, for the whole run.
    bool m_tableOutputOn = false;
    QString m_tableFileName;
    bool m_celOutputOn = false;
    QString m_celFileName;
    QString m_celFunctionName;
    QAction* m_ulodosboru1 = nullptr;
    QAction* m_ansys1 = nullptr;

    QLineEdit* m_edit1 = nullptr;  // tBody
    QLineEdit* m_edit2 = nullptr;  // tFluid
    QLineEdit* m_edit10 = nullptr; // charLength
    QLineEdit* m_edit17 = nullptr; // area
    QLineEdit* m_edit20 = nullptr; // emissivity
    QCheckBox* m_checkBox1 = nullptr;
    QRadioButton* m_radioButton10 = nullptr; // water
    QRadioButton* m_radioButton13 = nullptr; // user-defined fluid
    QCheckBox* m_checkBoxRef = nullptr;      // reference properties of air and water
    QRadioButton* m_geometryButtons[8] = {};  // RadioButton2..RadioButton9 in SurfaceGeometry order
    QRadioButton* m_radioButton12 = nullptr;  // lower face
    QLineEdit* m_edit16 = nullptr;            // inclinationDeg
    QLineEdit* m_edit11 = nullptr;            // finGap
    QLineEdit* m_edit19 = nullptr;            // tubeDiameter
    QLineEdit* m_edit13 = nullptr;            // alphaTotal, shown
    QLabel* m_presnost1 = nullptr;            // the deviation of the built-in properties
    PanelStatusBar* m_statusBar1 = nullptr;

    struct ResultField {
        QLineEdit* edit;
        double ConvectionState::*value;
        int precision;
        int decimals;
        double scale;
        const char* suffix;
    };
    QList<ResultField> m_results;
};

} // namespace zav
