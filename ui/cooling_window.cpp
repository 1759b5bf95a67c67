// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cooling_window.h"

#include <QDateTime>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>

#include "core/emissivity_catalogue.h"
#include "core/number_format.h"
#include "export/cooling_data_file.h"
#include "export/replacing_file.h"
#include "io/case_inputs.h"
#include "ui/cooling_picture.h"
#include "ui/dialogs.h"
#include "ui/handler.h"
#include "ui/heat_capacity_window.h"
#include "ui/main_window.h"
#include "ui/print_window.h"
#include "ui/run_inputs.h"
#include "ui/window_util.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

#include <QFontMetrics>
#include <QLabel>
#include <QListView>
#include <QStyle>

namespace zav {

namespace {

// The object names of the window and its controls by role, as scenario scripts, tests and
// transcripts know them (the seed's names: Edit1 is the mass). The layout below creates the
// controls in the order the scenario runner's dump lists them.
namespace names {
constexpr char kWindow[] = "Form2";
// Menus and their items.
constexpr char kFileMenu[] = "Sbor1";
constexpr char kPrintItem[] = "Vytlaioknoprogramu1";
constexpr char kCloseItem[] = "Koniec1";
constexpr char kDataMenu[] = "udaje";
constexpr char kDataFileItem[] = "Uloz";
// The left column.
constexpr char kHeatCapacityButton[] = "Button4";
constexpr char kRadiation[] = "CheckBox1";
constexpr char kEmissivityCatalogue[] = "ComboBox2";
constexpr char kCalculateButton[] = "Button1";
constexpr char kProgress[] = "ProgressBar1";
constexpr char kCoolingTime[] = "Edit7";
// With a heat source: where the body settles, and the times to 63 % and 95 % of the way there.
constexpr char kEquilibrium[] = "Edit12";
constexpr char kTime63[] = "Edit13";
constexpr char kTime95[] = "Edit14";
// "Biottovo kritérium".
constexpr char kBiotFrame[] = "GroupBox1";
constexpr char kBiotButton[] = "Button2";
constexpr char kBiot[] = "Edit9";
// The picture: saving it, its colours, and the picture itself at the right.
constexpr char kSaveFrame[] = "GroupBox2";
constexpr char kSaveButton[] = "Button3";
constexpr char kPlotTypeFrame[] = "GroupBox3";
constexpr char kPlotType[] = "ComboBox1";
constexpr char kPicture[] = "Image1";
} // namespace names

constexpr int kLabelX = 8;
constexpr int kLabelWidth = 190;
constexpr int kEditX = 200;
constexpr int kEditWidth = 105;
constexpr int kRowHeight = 21;

QRect labelRect(int y) { return QRect(kLabelX, y + 2, kLabelWidth, kRowHeight - 2); }
QRect editRect(int y) { return QRect(kEditX, y, kEditWidth, kRowHeight); }

// The cooling window's own inputs for one run, read as RunEvaluationInputs reads the main
// window's; the heat-capacity model is read once and then evaluated at every temperature.
class RunInputs : public CoolingInputs {
public:
    RunInputs(const CoolingInputs& window, const EvaluationInputs& mainWindow,
              std::function<HeatCapacityModel()> readHeatCapacity)
        : m_window(window), m_main(mainWindow), m_readHeatCapacity(std::move(readHeatCapacity)) {}

    const EvaluationInputs& convection() const override { return m_main; }
    StartInputs startInputs() const override {
        return m_mainInputs.get([this] { return m_window.startInputs(); });
    }
    double mass() const override { return m_mass.get([this] { return m_window.mass(); }); }
    double coolingArea() const override { return m_area.get([this] { return m_window.coolingArea(); }); }
    double heatSource() const override { return m_power.get([this] { return m_window.heatSource(); }); }
    double targetTemperature() const override { return m_target.get([this] { return m_window.targetTemperature(); }); }
    double stepCount() const override { return m_steps.get([this] { return m_window.stepCount(); }); }
    bool radiationOn() const override { return m_radiation.get([this] { return m_window.radiationOn(); }); }
    double emissivity() const override { return m_emissivity.get([this] { return m_window.emissivity(); }); }
    double materialHeatCapacity(double t) const override {
        return zav::materialHeatCapacity(m_heatCapacity.get(m_readHeatCapacity), t);
    }

private:
    const CoolingInputs& m_window;
    RunEvaluationInputs m_main;
    std::function<HeatCapacityModel()> m_readHeatCapacity;
    Once<StartInputs> m_mainInputs;
    Once<double> m_mass;
    Once<double> m_area;
    Once<double> m_power;
    Once<double> m_target;
    Once<double> m_steps;
    Once<bool> m_radiation;
    Once<double> m_emissivity;
    Once<HeatCapacityModel> m_heatCapacity;
};

} // namespace

CoolingWindow::CoolingWindow(Dialogs& dialogs, QWidget* parent) : QMainWindow(parent), m_dialogs(dialogs) {
    setObjectName(QLatin1String(names::kWindow));
    setWindowTitle(QStringLiteral("Dynamika - ochladzovanie 1.0"));
    setWindowFont(this);
    buildMenu();
    auto* central = new QWidget(this);
    buildInputs(central);
    m_picture = new CoolingPicture(central);
    m_picture->setObjectName(QLatin1String(names::kPicture));
    m_picture->move(325, 6);
    m_picture->setAccessibleName(QStringLiteral("Graf ochladzovania"));
    // The inside scrolls in a window made smaller than it.
    central->resize(1078, 629 - menuBar()->sizeHint().height());
    setCentralWidget(scrollingInside(central, this));
    resizeToScreen(this, QSize(1078, 629));
    centreOnScreen(this);
    closeOnEscape(this);
}

CoolingWindow::~CoolingWindow() = default;

void CoolingWindow::setLinks(const CoolingWindowLinks& links) {
    m_links = links;
    if (m_links.mainWindow != nullptr)
        connect(m_links.mainWindow, &MainWindow::programEnded, this, [this] { m_programEnded = true; });
}

void CoolingWindow::handle(void (CoolingWindow::*handler)()) {
    runHandler(m_dialogs, this, [this, handler] { (this->*handler)(); });
}

void CoolingWindow::buildMenu() {
    auto action = [this](QMenu* menu, const char* name, const QString& text, void (CoolingWindow::*handler)()) {
        return addMenuItem(menu, name, text, [this, handler] { handle(handler); });
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Súbor"));
    file->setObjectName(QLatin1String(names::kFileMenu));
    action(file, names::kPrintItem, QStringLiteral("&Vytlačiť okno programu"), &CoolingWindow::print)
        ->setShortcut(QKeySequence::Print);
    action(file, names::kCloseItem, QStringLiteral("&Koniec"), &CoolingWindow::closeWindow);
    QMenu* values = menuBar()->addMenu(QStringLiteral("Ú&daje"));
    values->setObjectName(QLatin1String(names::kDataMenu));
    m_dataFileItem =
        action(values, names::kDataFileItem, QStringLiteral("Ulož do &súboru"), &CoolingWindow::toggleDataFile);
    m_dataFileItem->setCheckable(true);
}

void CoolingWindow::buildInputs(QWidget* central) {
    int y = 8;
    auto input = [&](const char* name, const QString& label, const QString& text, const QString& toolTip) {
        QLabel* caption = addLabel(central, label, labelRect(y));
        QLineEdit* edit = addEdit(central, name, text, editRect(y));
        describeField(edit, caption, label.chopped(2), toolTip);
        y += 25;
        return edit;
    };
    // A field of an input of the case: its object name and start-up text from the table.
    auto caseInput = [&](const char* key, const QString& label, const QString& toolTip) {
        const CaseKey& entry = caseKey(key);
        return input(entry.control, label, QString::fromUtf8(entry.startValue), toolTip);
    };
    m_mass = caseInput("cooling.mass", QStringLiteral("Hmotnosť (kg) :"),
                   QStringLiteral("Hmotnosť ochladzovaného telesa v kg, napr. 2,5"));
    auto* heatCapacityButton =
        addButton(central, names::kHeatCapacityButton, QStringLiteral("Tepelná &kapacita materiálu (J.kg-1.K-1)"),
                  QRect(8, y, 297, 24));
    connect(heatCapacityButton, &QPushButton::clicked, this,
            [this] { handle(&CoolingWindow::showHeatCapacity); });
    y += 30;
    m_coolingArea = caseInput("cooling.cooling_area", QStringLiteral("Plocha povrchu (m2) :"),
                          QStringLiteral("Plocha povrchu telesa, ktorou odchádza teplo, v m², napr. 0,75"));
    m_heatSource = caseInput("cooling.power", QStringLiteral("Výkon zdroja tepla (W) :"),
                             QStringLiteral("Teplo, ktoré vydáva zdroj v telese (elektronika, ohrev) vo W, napr. 20; "
                                            "0: bez zdroja. Teleso sa ohrieva alebo ochladzuje k ustálenej teplote."));
    m_targetTemperature =
        caseInput("cooling.target", QStringLiteral("Teplota ochladenia (°C) :"),
              QStringLiteral("Teplota telesa, pri ktorej výpočet skončí, v °C, napr. 30,5"));
    m_stepCount = caseInput("cooling.steps", QStringLiteral("Počet krokov (1) :"),
                        QStringLiteral("Počet krokov výpočtu (celé číslo bez jednotky), napr. 10000"));
    m_radiation = addCheckBox(central, names::kRadiation, QStringLiteral("Zahrnúť prestup tepla sálaním"),
                              QRect(kLabelX, y, 297, 20));
    m_radiation->setChecked(true);
    y += 24;

    // The emissivity: the catalogue fills the field and locks it, or leaves it to the user.
    QLabel* emissivityLabel =
        addLabel(central, QStringLiteral("Emisivita (1):"), QRect(kLabelX, y + 2, 78, kRowHeight - 2));
    m_emissivityCatalogue = new QComboBox(central);
    m_emissivityCatalogue->setAccessibleName(QStringLiteral("Katalóg emisivít materiálov"));
    m_emissivityCatalogue->setObjectName(QLatin1String(names::kEmissivityCatalogue));
    m_emissivityCatalogue->setGeometry(88, y, 162, kRowHeight + 1);
    m_emissivityCatalogue->setEditable(true);
    m_emissivityCatalogue->setInsertPolicy(QComboBox::NoInsert);
    m_emissivityCatalogue->setMaxVisibleItems(20);
    for (const EmissivityEntry& entry : emissivityCatalogue)
        m_emissivityCatalogue->addItem(QString::fromUtf8(entry.caption));
    m_emissivityCatalogue->setCurrentIndex(-1);
    m_emissivityCatalogue->setEditText(QStringLiteral("vlastné nastavenie"));
    fitCatalogueList();
    connect(m_emissivityCatalogue, &QComboBox::currentIndexChanged, this,
            [this] { handle(&CoolingWindow::chooseEmissivity); });
    m_emissivity = addInputEdit(central, "cooling.emissivity", QRect(255, y, 50, kRowHeight));
    describeField(m_emissivity, emissivityLabel, QStringLiteral("Emisivita (1)"),
                  QStringLiteral("Pomerná emisivita povrchu od 0 do 1 (bez jednotky), napr. 0,85"));
    // The field keeps its name; the label names the catalogue, as screen readers on Linux name a
    // list by the label that points to it (its own name there is the item shown).
    emissivityLabel->setBuddy(m_emissivityCatalogue);
    y += 30;

    auto* calculateButton =
        addButton(central, names::kCalculateButton, QStringLiteral("&Vypočítaj"), QRect(100, y, 110, 28));
    QFont bold = calculateButton->font();
    bold.setBold(true);
    calculateButton->setFont(bold);
    connect(calculateButton, &QPushButton::clicked, this, [this] { handle(&CoolingWindow::calculate); });
    y += 34;
    m_progress = new QProgressBar(central);
    m_progress->setObjectName(QLatin1String(names::kProgress));
    m_progress->setGeometry(kLabelX, y, 297, 16);
    m_progress->setRange(0, 1000);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_progress->setAccessibleName(QStringLiteral("Priebeh výpočtu"));
    y += 22;
    m_coolingTime =
        input(names::kCoolingTime, QStringLiteral("Čas ochladzovania (s) :"), QStringLiteral("0 s"), QString());
    m_coolingTime->setReadOnly(true);
    setBackground(m_coolingTime, kInfoBackground);
    // With a heat source: where the body settles, and how soon it gets near.
    m_equilibrium = input(names::kEquilibrium, QStringLiteral("Ustálená teplota (°C) :"), QString(),
                          QStringLiteral("Teplota, pri ktorej teleso odvádza toľko tepla, koľko zdroj vydáva"));
    QLabel* timesLabel = addLabel(central, QStringLiteral("Čas do 63 % / 95 % (s) :"), labelRect(y));
    m_time63 = addEdit(central, names::kTime63, QString(), QRect(kEditX, y, (kEditWidth - 4) / 2, kRowHeight));
    m_time95 = addEdit(central, names::kTime95, QString(),
                       QRect(kEditX + kEditWidth - (kEditWidth - 4) / 2, y, (kEditWidth - 4) / 2, kRowHeight));
    describeField(m_time63, timesLabel, QStringLiteral("Čas do 63 % cesty k ustálenej teplote (s)"),
                  QStringLiteral("Čas od začiatku, za ktorý teleso prejde 63 % cesty k ustálenej teplote"));
    m_time95->setAccessibleName(QStringLiteral("Čas do 95 % cesty k ustálenej teplote (s)"));
    m_time95->setToolTip(QStringLiteral("Čas od začiatku, za ktorý teleso prejde 95 % cesty k ustálenej teplote"));
    for (QLineEdit* shown : {m_equilibrium, m_time63, m_time95}) {
        shown->setReadOnly(true);
        setBackground(shown, kInfoBackground);
    }
    y += 25;
    buildGroups(central, y + 2);
    clickOnReturn(calculateButton, {m_mass, m_coolingArea, m_targetTemperature, m_stepCount, m_emissivity,
                                    m_coolingTime});
    if (QLineEdit* typed = m_emissivityCatalogue->lineEdit())
        connect(typed, &QLineEdit::returnPressed, calculateButton, &QPushButton::click);
}

void CoolingWindow::fitCatalogueList() {
    // The open list as wide as its longest name, so that similar names are not elided alike.
    const QFontMetrics metrics(m_emissivityCatalogue->view()->font());
    int widest = 0;
    for (int i = 0; i < m_emissivityCatalogue->count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(m_emissivityCatalogue->itemText(i)));
    const int frame = 2 * m_emissivityCatalogue->view()->frameWidth();
    const int scrollBar = m_emissivityCatalogue->view()->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    m_emissivityCatalogue->view()->setMinimumWidth(widest + frame + scrollBar + 24);
    m_emissivityCatalogue->view()->setTextElideMode(Qt::ElideRight);
    if (QLineEdit* typed = m_emissivityCatalogue->lineEdit())
        typed->setAccessibleName(m_emissivityCatalogue->accessibleName());
    showCatalogueName();
}

void CoolingWindow::showCatalogueName() {
    // The closed box shows the name's start; its tool tip the whole name.
    m_emissivityCatalogue->setToolTip(m_emissivityCatalogue->currentText());
    if (QLineEdit* shown = m_emissivityCatalogue->lineEdit())
        shown->setCursorPosition(0);
}

void CoolingWindow::buildGroups(QWidget* central, int y) {
    auto* biot = new QGroupBox(QStringLiteral("Biottovo kritérium"), central);
    biot->setObjectName(QLatin1String(names::kBiotFrame));
    biot->setGeometry(kLabelX, y, 305, 124);
    int row = 18;
    auto input = [&](const char* name, const QString& label, const QString& text, const QString& toolTip) {
        QLabel* caption = addLabel(biot, label, QRect(6, row + 2, 204, kRowHeight - 2));
        QLineEdit* edit = addEdit(biot, name, text, QRect(210, row, 87, kRowHeight));
        describeField(edit, caption, label.chopped(2), toolTip);
        row += 25;
        return edit;
    };
    // A field of an input of the case: its object name and start-up text from the table.
    auto caseInput = [&](const char* key, const QString& label, const QString& toolTip) {
        const CaseKey& entry = caseKey(key);
        return input(entry.control, label, QString::fromUtf8(entry.startValue), toolTip);
    };
    m_materialConductivity =
        caseInput("cooling.material_conductivity", QStringLiteral("Súč.tep.vod.materiálu (W.m-1.K-1) :"),
              QStringLiteral("Súčiniteľ tepelnej vodivosti materiálu telesa vo W·m⁻¹·K⁻¹, napr. 45,5"));
    m_thickness = caseInput("cooling.thickness", QStringLiteral("Hrúbka ochl. materiálu (m) :"),
                        QStringLiteral("Hrúbka ochladzovaného materiálu v m, napr. 0,05"));
    auto* biotButton = addButton(biot, names::kBiotButton, QStringLiteral("V&ypočítaj"), QRect(210, row, 87, 22));
    biotButton->setAccessibleName(QStringLiteral("Vypočítaj Biottovo kritérium"));
    connect(biotButton, &QPushButton::clicked, this, [this] { handle(&CoolingWindow::calculateBiot); });
    row += 27;
    m_biot = input(names::kBiot, QStringLiteral("Biottovo kritérium (1) :"), QStringLiteral("--------------------"),
                   QString());
    clickOnReturn(biotButton, {m_materialConductivity, m_thickness, m_biot});
    m_biot->setReadOnly(true);
    setBackground(m_biot, kInfoBackground);
    y += 130;

    auto* save = new QGroupBox(QStringLiteral("Uloženie grafu"), central);
    save->setObjectName(QLatin1String(names::kSaveFrame));
    save->setGeometry(kLabelX, y, 140, 52);
    auto* saveButton = addButton(save, names::kSaveButton, QStringLiteral("&Ulož graf"), QRect(10, 20, 120, 24));
    saveButton->setToolTip(QStringLiteral("Uloží graf ako obrázok BMP, alebo PNG, keď sa názov končí na .png"));
    connect(saveButton, &QPushButton::clicked, this, [this] { handle(&CoolingWindow::savePicture); });

    auto* type = new QGroupBox(QStringLiteral("Typ grafu"), central);
    type->setObjectName(QLatin1String(names::kPlotTypeFrame));
    type->setGeometry(kLabelX + 150, y, 155, 52);
    m_plotType = new QComboBox(type);
    m_plotType->setObjectName(QLatin1String(names::kPlotType));
    m_plotType->setGeometry(10, 20, 135, kRowHeight + 2);
    m_plotType->addItems({QStringLiteral("Čierne pozadie"), QStringLiteral("Biele pozadie")});
    m_plotType->setCurrentIndex(0);
    m_plotType->setAccessibleName(QStringLiteral("Typ grafu"));
}

void CoolingWindow::calculate() {
    CoolingDataFile file;
    CoolingDataFile* dataFile = nullptr;
    if (m_dataFileOn) {
        if (m_dataFileName.isEmpty()) {
            m_dialogs.showMessage(QStringLiteral("Nie je zvolený súbor pre údaje ochladzovania "
                                                 "(Údaje → Ulož do súboru); výpočet sa nespustí."));
            return;
        }
        if (!file.open(fileNameBytes(m_dataFileName))) {
            m_dialogs.showMessage(
                QString::fromStdString(openFailureMessage(file.failure(), m_dataFileName.toStdString())) +
                QStringLiteral(" Výpočet sa nespustí."));
            return;
        }
        dataFile = &file;
    }
    const RunInputs inputs(*this, m_links.mainWindow->evaluationInputs(),
                           [this] { return m_links.heatCapacityWindow->readHeatCapacityModel(); });
    const QImage previousPicture = m_picture->image();
    m_progress->setTextVisible(false);
    m_runProgress = m_dialogs.startProgress(QStringLiteral("Počíta sa ochladzovanie…"));
    CoolingOutcome outcome = CoolingOutcome::Refused;
    try {
        outcome = runCooling(m_state, inputs, m_links.mainWindow->reporter(), *this, dataFile);
    } catch (...) {
        // A text that is not a number abandons the run: the old data file stays as it was.
        m_runProgress.reset();
        file.discard();
        m_picture->update();
        throw;
    }
    m_runProgress.reset();
    m_picture->update();
    if (outcome == CoolingOutcome::Cancelled) {
        file.discard();
        m_picture->restore(previousPicture);
        // The window itself says so: its progress bar back at zero, with the word in it.
        m_progress->setValue(0);
        m_progress->setFormat(QStringLiteral("Výpočet zrušený"));
        m_progress->setTextVisible(true);
        m_links.mainWindow->reporter().setStatusText(
            dataFile != nullptr
                ? "Výpočet ochladzovania bol zrušený; súbor „" + m_dataFileName.toStdString() +
                      "“, graf a čas ochladzovania zostali bez zmeny."
                : std::string("Výpočet ochladzovania bol zrušený; graf a čas ochladzovania zostali bez zmeny."));
        return;
    }
    if (outcome == CoolingOutcome::Refused) {
        file.discard();
        return;
    }
    m_coolingTime->setText(QString::fromStdString(formatFixed(m_state.coolingTime, 8, 1)));
    showHeatSourceResults();
    if (dataFile != nullptr && !file.close())
        m_dialogs.showMessage(QString::fromStdString(notWrittenMessage(m_dataFileName.toStdString())));
}

void CoolingWindow::showHeatSourceResults() {
    // Empty without a source; "—" where a value is not known.
    const auto shown = [this](double value, int decimals) {
        if (m_state.heatSource == 0)
            return QString();
        return std::isfinite(value) ? QString::fromStdString(formatFixed(value, 8, decimals)) : QStringLiteral("—");
    };
    m_equilibrium->setText(shown(m_state.equilibrium, 2));
    m_time63->setText(shown(m_state.time63, 1));
    m_time95->setText(shown(m_state.time95, 1));
}

void CoolingWindow::calculateBiot() {
    const double alpha = parseNumber(m_links.mainWindow->totalCoefficientText().toStdString());
    const double thickness = readNumber(m_thickness);
    const double conductivity = readNumber(m_materialConductivity);
    if (conductivity == 0) {
        m_dialogs.showMessage(QStringLiteral("Súčiniteľ tepelnej vodivosti materiálu je nulový: "
                                             "Biottovo kritérium nie je definované."));
        return;
    }
    const double biot = biotNumber(alpha, thickness, conductivity);
    if (!std::isfinite(biot)) {
        m_dialogs.showMessage(QStringLiteral("Biottovo kritérium nie je konečné číslo: skontrolujte súčiniteľ "
                                             "tepelnej vodivosti a hrúbku materiálu."));
        return;
    }
    m_biot->setText(QString::fromStdString(formatFixed(biot, 8, 6)));
}

void CoolingWindow::savePicture() {
    const std::optional<QString> name = m_dialogs.saveFileName(
        {QStringLiteral(".bmp|*.bmp|.png|*.png|všetky súbory|*.*"), QStringLiteral(".bmp")});
    if (!name)
        return;
    // A Windows bitmap unless the name asks for PNG.
    const QByteArray bytes = name->endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ? m_picture->pngBytes()
                                                                                        : m_picture->bitmapBytes();
    writePictureFile(*name, bytes, m_dialogs, notCreatedMessage);
}

void CoolingWindow::showHeatCapacity() { showWindow(m_links.heatCapacityWindow); }

void CoolingWindow::chooseEmissivity() {
    showCatalogueName();
    const int index = m_emissivityCatalogue->currentIndex();
    if (index == 0) {
        m_emissivity->setText(QStringLiteral("1"));
        m_emissivity->setReadOnly(false);
        setBackground(m_emissivity, kWindowBackground);
    } else if (isCatalogueMaterial(index)) {
        const double value = emissivityCatalogue[static_cast<std::size_t>(index)].emissivity;
        m_emissivity->setText(QString::fromStdString(formatGeneral(value)));
        m_emissivity->setReadOnly(true);
        setBackground(m_emissivity, kInfoBackground);
    }
}

void CoolingWindow::print() {
    printWindow(this, m_dialogs,
                m_links.mainWindow != nullptr ? m_links.mainWindow->pageHeader() : printHeader(QString(), QDateTime::currentDateTime()));
}

void CoolingWindow::closeWindow() { hide(); }

void CoolingWindow::toggleDataFile() {
    toggleOutput(m_dataFileOn, m_dataFileItem, m_dataFileName, m_dialogs, {});
}

const EvaluationInputs& CoolingWindow::convection() const { return m_links.mainWindow->evaluationInputs(); }
StartInputs CoolingWindow::startInputs() const { return m_links.mainWindow->readMainWindowInputs(); }
double CoolingWindow::mass() const { return readNumber(m_mass); }
double CoolingWindow::coolingArea() const { return readNumber(m_coolingArea); }
double CoolingWindow::heatSource() const { return readNumber(m_heatSource); }
double CoolingWindow::targetTemperature() const { return readNumber(m_targetTemperature); }
double CoolingWindow::stepCount() const { return readNumber(m_stepCount); }
bool CoolingWindow::radiationOn() const { return m_radiation->isChecked(); }
double CoolingWindow::emissivity() const { return readNumber(m_emissivity); }

double CoolingWindow::materialHeatCapacity(double t) const {
    return zav::materialHeatCapacity(m_links.heatCapacityWindow->readHeatCapacityModel(), t);
}

bool CoolingWindow::keepGoing(long long done, double count) {
    if (m_programEnded)
        return false;
    if (m_runProgress == nullptr)
        return true;
    const double whole = std::min(std::ceil(count), 9.0e18);
    return m_runProgress->keepGoing(done, static_cast<long long>(whole));
}

void CoolingWindow::setProgressMaximum(int maximum) { m_progress->setRange(0, maximum); }
void CoolingWindow::setProgressPosition(int position) { m_progress->setValue(position); }

void CoolingWindow::setUpPlot(double tLow, double tHigh, double scaleTime) {
    m_picture->setUpPlot(plotScheme(m_plotType->currentIndex()), tLow, tHigh, scaleTime);
}

void CoolingWindow::markEquilibrium(double temperature) { m_picture->markTemperature(temperature); }

void CoolingWindow::plotPoint(const CoolingState& state) {
    if (const std::optional<PlotPixel> pixel = curvePixel(state))
        m_picture->plot(*pixel);
}

} // namespace zav
