// SPDX-License-Identifier: GPL-3.0-or-later
// "Dynamika - ochladzovanie 1.0": the cooling of a body in the main window's fluid. The left column
// holds the body's mass and surface, the target temperature, the number of steps, radiation with
// the emissivity catalogue, the progress and the cooling time, the Biot number and the picture's
// settings; the picture of the cooling curve fills the right.
//
// "Vypočítaj" (calculate) runs runCooling on the window's own CoolingState. What the run reads
// while it runs (this window's fields, the heat-capacity window, the main window's inputs, shape and
// fluid) it reads through this window's CoolingInputs; its progress and curve come back through
// CoolingView; failed checks are reported through the main window.
#pragma once

#include <memory>

#include <QMainWindow>

#include "core/cooling.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QProgressBar;

namespace zav {

class CoolingPicture;
class Dialogs;
class Progress;
class HeatCapacityWindow;
class MainWindow;

struct CoolingWindowLinks {
    MainWindow* mainWindow = nullptr;                 // start and fluid, shape, messages
    HeatCapacityWindow* heatCapacityWindow = nullptr; // "Tepelná kapacita materiálu"
};

class CoolingWindow : public QMainWindow, private CoolingInputs, private CoolingView {
    Q_OBJECT
public:
    explicit CoolingWindow(Dialogs& dialogs, QWidget* parent = nullptr);
    ~CoolingWindow() override;

    /// Also stops a run going on when the program ends.
    void setLinks(const CoolingWindowLinks& links);
    const CoolingState& state() const { return m_state; }
    const CoolingPicture& picture() const { return *m_picture; }

private:
    void buildMenu();
    void buildInputs(QWidget* central);
    void buildGroups(QWidget* central, int y);
    void handle(void (CoolingWindow::*handler)());

    // Event handlers.
    void calculate();          // "Vypočítaj": the cooling run
    void calculateBiot();      // "Vypočítaj" of "Biottovo kritérium"
    void showHeatSourceResults(); // the equilibrium and the times to it, after a run
    void savePicture();        // "Ulož graf"
    void showHeatCapacity();   // "Tepelná kapacita materiálu (J.kg-1.K-1)"
    void chooseEmissivity();   // an item of the emissivity catalogue chosen
    void print();              // "Súbor → Vytlačiť okno programu"
    void closeWindow();        // "Súbor → Koniec"
    void toggleDataFile();     // "Údaje → Ulož do súboru"

    // CoolingInputs: the fields at the moment the run asks.
    const EvaluationInputs& convection() const override;
    StartInputs startInputs() const override;
    double mass() const override;
    double coolingArea() const override;
    double heatSource() const override;
    double targetTemperature() const override;
    double stepCount() const override;
    bool radiationOn() const override;
    double emissivity() const override;
    double materialHeatCapacity(double t) const override;

    // CoolingView: the progress bar and the picture.
    void setProgressMaximum(int maximum) override;
    void setProgressPosition(int position) override;
    void setUpPlot(double tLow, double tHigh, double scaleTime) override;
    void markEquilibrium(double temperature) override;
    void plotPoint(const CoolingState& state) override;
    bool keepGoing(long long done, double count) override;

    // The catalogue's open list fits its names; the closed box shows the start of the chosen one.
    void fitCatalogueList();
    void showCatalogueName();

    Dialogs& m_dialogs;
    CoolingWindowLinks m_links;
    CoolingState m_state;
    // The progress dialog of the run going on, if any.
    std::unique_ptr<Progress> m_runProgress;
    // The program ended during a run (its windows stay open to the user meanwhile): the run stops.
    bool m_programEnded = false;

    // The data file switch of the menu "Údaje" and its file, for the whole run of the program.
    bool m_dataFileOn = false;
    QString m_dataFileName;
    QAction* m_dataFileItem = nullptr;

    QLineEdit* m_mass = nullptr;              // (kg)
    QLineEdit* m_heatSource = nullptr;        // (W)
    QLineEdit* m_equilibrium = nullptr;       // (°C), with a heat source
    QLineEdit* m_time63 = nullptr;            // (s), with a heat source
    QLineEdit* m_time95 = nullptr;
    QLineEdit* m_coolingArea = nullptr;       // (m²)
    QLineEdit* m_targetTemperature = nullptr; // (°C)
    QLineEdit* m_stepCount = nullptr;
    QCheckBox* m_radiation = nullptr;
    QComboBox* m_emissivityCatalogue = nullptr;
    QLineEdit* m_emissivity = nullptr;
    QProgressBar* m_progress = nullptr;
    QLineEdit* m_coolingTime = nullptr;          // the result (s)
    QLineEdit* m_materialConductivity = nullptr; // for the Biot number
    QLineEdit* m_thickness = nullptr;            // of the material
    QLineEdit* m_biot = nullptr;                 // the Biot number
    QComboBox* m_plotType = nullptr;             // the picture's colours
    CoolingPicture* m_picture = nullptr;
};

} // namespace zav
