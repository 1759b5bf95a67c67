// SPDX-License-Identifier: GPL-3.0-or-later
// "Dynamika - ochladzovanie 1.0": the cooling of a body in the main window's fluid. The left column
// holds the body's mass and surface, the target temperature, the number of steps, radiation with
// the emissivity catalogue, the progress and the cooling time, the Biot number and the picture's
// settings; the picture of the cooling curve fills the right.
//
// "Vypočítaj" (Button1Click) runs runCooling on the window's own CoolingState. What the run reads
// while it runs (this window's fields, the heat-capacity window, the main window's inputs, shape and
// fluid) it reads through this window's CoolingInputs; its progress and curve come back through
// CoolingView; failed checks are reported through the main window.
#pragma once

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
class Form1;
class Form5;

struct Form2Links {
    Form1* form1 = nullptr; // the main window: start and fluid, shape, messages
    Form5* form5 = nullptr; // "Tepelná kapacita materiálu"
};

class Form2 : public QMainWindow, private CoolingInputs, private CoolingView {
    Q_OBJECT
public:
    explicit Form2(Dialogs& dialogs, QWidget* parent = nullptr);

    void setLinks(const Form2Links& links) { m_links = links; }
    const CoolingState& state() const { return m_state; }
    const CoolingPicture& picture() const { return *m_image1; }

private:
    void buildMenu();
    void buildInputs(QWidget* central);
    void buildGroups(QWidget* central, int y);
    void handle(void (Form2::*handler)());

    // Event handlers.
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void ComboBox2Change();
    void Vytlaioknoprogramu1Click();
    void Koniec1Click();
    void UlozClick();

    // CoolingInputs: the fields at the moment the run asks.
    const EvaluationInputs& mainWindow() const override;
    MainWindowInputs mainWindowInputs() const override;
    double mass() const override;
    double coolingArea() const override;
    double targetTemperature() const override;
    double stepCount() const override;
    bool radiationOn() const override;
    double emissivity() const override;
    double materialHeatCapacity(double t) const override;

    // CoolingView: the progress bar and the picture.
    void setProgressMaximum(int maximum) override;
    void setProgressPosition(int position) override;
    void setUpPlot(double tLow, double tHigh, double scaleTime) override;
    void plotPoint(const CoolingState& state) override;

    Dialogs& m_dialogs;
    Form2Links m_links;
    CoolingState m_state;

    // The data file switch of the menu "Údaje" and its file, for the whole run of the program.
    bool m_dataFileOn = false;
    QString m_dataFileName;
    QAction* m_uloz = nullptr;

    QLineEdit* m_edit1 = nullptr;  // mass
    QLineEdit* m_edit3 = nullptr;  // coolingArea
    QLineEdit* m_edit4 = nullptr;  // targetTemperature
    QLineEdit* m_edit6 = nullptr;  // stepCount
    QCheckBox* m_checkBox1 = nullptr;
    QComboBox* m_comboBox2 = nullptr; // emissivity catalogue
    QLineEdit* m_edit10 = nullptr;    // emissivity
    QProgressBar* m_progressBar1 = nullptr;
    QLineEdit* m_edit7 = nullptr; // cooling time
    QLineEdit* m_edit5 = nullptr; // the material's conductivity
    QLineEdit* m_edit8 = nullptr; // its thickness
    QLineEdit* m_edit9 = nullptr; // Biot number
    QComboBox* m_comboBox1 = nullptr; // plot type
    CoolingPicture* m_image1 = nullptr;
};

} // namespace zav
