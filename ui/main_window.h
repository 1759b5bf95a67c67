// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the steady-state inputs, the fluid and the surface shape, the results of the
// last successful calculation, the menus that reach every other window, and the status bar in
// which failed checks leave their text.
//
// "Vypočítaj" (calculate) parses the field texts at that moment into the window's ConvectionState
// and runs calculateSteadyState; what the core reads while it runs (the shape and its own inputs,
// the fluid, the radiation switch) it reads through this window's EvaluationInputs. The window
// shows the outcome's warnings and failed check itself; what a sweep or a cooling run reports as it
// goes reaches the dialogs and the status bar through the window's Reporter.
#pragma once


#include <functional>
#include <string_view>

#include <QMainWindow>

#include "core/alternatives.h"
#include "core/convection_state.h"
#include "core/cooling.h"
#include "core/evaluation_inputs.h"
#include "core/quantities.h"
#include "core/surface_shapes.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace zav {

class CaseFiles;
class CorrelationsWindow;
class ChartWindow;
class CoolingWindow;
class Dialogs;
class FluidWindow;
class PanelStatusBar;
class RangeWindow;

/// The other windows the main window's menus and buttons open.
struct MainWindowLinks {
    CoolingWindow* coolingWindow = nullptr; // "Dynamika - ochladzovanie 1.0", the cooling
    QWidget* authorWindow = nullptr;        // "O autorovi ..."
    QWidget* aboutWindow = nullptr;         // "O programe ZAV - voľná konvekcia"
    RangeWindow* rangeWindow = nullptr;     // "Rozsah", the range of the sweeps
    ChartWindow* chartWindow = nullptr;     // "Graf", the chart of the table sweep
    FluidWindow* fluidWindow = nullptr;     // "Vlastný materiál", the user-defined fluid
    QWidget* peltierWindow = nullptr;       // the empty window of the menu "Peltier"
    CaseFiles* caseFiles = nullptr;         // "Otvoriť zadanie…", "Uložiť zadanie…", the last cases
    QWidget* helpWindow = nullptr;          // "Pomocník", the manual
    QWidget* designWindow = nullptr;        // "Návrh…", the design calculation
    CorrelationsWindow* correlationsWindow = nullptr; // "Korelácie…", the comparison of correlations
};

class MainWindow : public QMainWindow, private EvaluationInputs, private Reporter {
    Q_OBJECT
public:
    explicit MainWindow(Dialogs& dialogs, QWidget* parent = nullptr);
    /// "Posledné zadania" as the case files' list of the last cases is now.
    void showRecentCases();
    /// The title: the case's file name, with "*" while a field differs from it.
    void showCaseTitle();

    void setLinks(const MainWindowLinks& links) { m_links = links; }
    /// Runs before every handler of this window (the start-up makes the other windows there).
    void setBeforeHandler(std::function<void()> action) { m_beforeHandler = std::move(action); }
    const ConvectionState& state() const { return m_state; }

    // What the cooling window reads from this window while it runs: the shape, the fluid and their
    // inputs, the four main inputs, the total coefficient shown, and the messages and status text.
    const EvaluationInputs& evaluationInputs() const { return *this; }
    Reporter& reporter() { return *this; }
    /// The body and fluid temperatures, the characteristic length and the area, parsed now in that
    /// order.
    StartInputs readMainWindowInputs() const;
    /// The header line of a printed window: the case's file, now, the program and its version.
    QString pageHeader() const;
    /// The text of the total coefficient's result field.
    QString totalCoefficientText() const;

signals:
    /// The user ended the program ("Koniec" or closing this window).
    void programEnded();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    void buildInputs(QWidget* central);
    void buildResults(QWidget* central);
    void buildGeometry(QWidget* central);
    void handle(void (MainWindow::*handler)());
    void handle(const std::function<void()>& handler);

    // Event handlers.
    void calculate();         // "Vypočítaj"
    void showFluidWindow();   // "..." beside "iná": shows the fluid window and selects that fluid
    void toggleRadiation();   // "Zahrnúť sálanie"
    void print();             // "Súbor → Vytlačiť okno programu"
    void showRange();         // "Súbor → Nastav rozsah"
    void toggleTableOutput(); // "Súbor → Ulož do súboru"
    void toggleCelOutput();   // "Súbor → Ansys"
    void quit();              // "Súbor → Koniec"
    void showCooling();       // "Dynamika → Ochladzovanie"
    void showChart();         // "Graf → Graf"
    void showAbout();         // "O programe"
    void showAuthor();        // "O autorovi"
    void showPeltier();       // "Peltier"
    void showHelp();          // "Pomocník" (F1)
    void showDesign();        // "Návrh…"
    void showCorrelations();  // "Korelácie…" under the results
    void newCase();           // "Súbor → Nové zadanie" (Ctrl+N)
    void openCase();          // "Súbor → Otvoriť zadanie…" (Ctrl+O)
    void saveCase();          // "Súbor → Uložiť zadanie…" (Ctrl+S)
    void writeReport();       // "Súbor → Správa o výpočte…"
    void openRecentCase(int index); // "Súbor → Posledné zadania → …"
    void copyResults();       // Ctrl+C: the inputs and results as "label<TAB>value" lines

    // A shape's own input (kSurfaceShapes' inputs) as the window shows it: its controls under the
    // shape's picture, in Tab order, and the label and value Ctrl+C copies.
    struct OwnInput {
        std::string_view input;
        QList<QWidget*> controls;
        QString label;
        std::function<QString()> value;
    };
    // Builds the controls of `input` at `top` under the picture of the shape in column `x`, and
    // returns the height they take.
    int buildOwnInput(std::string_view input, QWidget* frame, int x, int top);
    const OwnInput* ownInput(std::string_view input) const;

    // The items of the last cases, named after the files; unused ones hidden.
    // Return computes; Tab walks the inputs, the fluid, the shapes, the button, then the results.
    void setUpKeyboard();

    void readInputs();
    // Each false when the user cancelled the sweep.
    bool runTableSweep();
    bool runCelSweep();
    void showResults();
    // The accuracy line: the warnings of how sure the result is, then the deviation of the
    // built-in properties from the reference (air and water); the spread of the published
    // correlations under it.
    void showAccuracy();
    void clearAccuracy();

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
    MainWindowLinks m_links;
    std::function<void()> m_beforeHandler;
    ConvectionState m_state;
    // Drives the look of the emissivity field; flips at every click on the radiation box.
    bool m_radiationFlag = false;

    // Output switches of the File menu and their files, for the whole run.
    bool m_tableOutputOn = false;
    QString m_tableFileName;
    bool m_celOutputOn = false;
    QString m_celFileName;
    QString m_celFunctionName;
    QAction* m_tableOutputItem = nullptr;
    QAction* m_celOutputItem = nullptr;
    static constexpr int kRecentCount = 5;
    QMenu* m_recentMenu = nullptr;
    QAction* m_recentItems[kRecentCount] = {};

    QLineEdit* m_bodyTemperature = nullptr;  // tBody (°C)
    QLineEdit* m_fluidTemperature = nullptr; // tFluid (°C)
    QLineEdit* m_length = nullptr;           // charLength (m)
    QLineEdit* m_area = nullptr;             // area (m²)
    QLineEdit* m_emissivity = nullptr;
    QCheckBox* m_radiation = nullptr;
    QRadioButton* m_water = nullptr;
    QRadioButton* m_userFluid = nullptr;
    QCheckBox* m_referenceProperties = nullptr; // of air and water
    QRadioButton* m_shapes[kSurfaceShapes.size()] = {}; // in SurfaceGeometry order
    QRadioButton* m_lowerFace = nullptr;        // of the horizontal plate
    QLineEdit* m_inclination = nullptr;         // inclinationDeg
    QLineEdit* m_finGap = nullptr;              // (m)
    QLineEdit* m_tubeDiameter = nullptr;        // (m)
    QList<OwnInput> m_ownInputs;                // of every shape, in the order they were built
    QLineEdit* m_totalCoefficient = nullptr;    // alphaTotal, shown
    QLabel* m_deviation = nullptr;              // the deviation of the built-in properties
    QLabel* m_spread = nullptr;                 // the spread of the published correlations
    std::vector<AlternativeResult> m_alternatives; // of the last passed calculation
    PanelStatusBar* m_statusBar = nullptr;

    struct ResultField {
        QLineEdit* edit;
        Quantity quantity;
    };
    QList<ResultField> m_results;
    QPushButton* m_calculateButton = nullptr;
    // The input and result fields by their names, in the window's order, for Ctrl+C.
    QList<QPair<QString, QLineEdit*>> m_copied;
};

} // namespace zav
