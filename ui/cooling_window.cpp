// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form2.h"

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
#include "ui/cooling_picture.h"
#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/form5.h"
#include "ui/handler.h"
#include "ui/print_window.h"
#include "ui/window_util.h"

#include <cmath>

namespace zav {

namespace {

constexpr int kLabelX = 8;
constexpr int kLabelWidth = 190;
constexpr int kEditX = 200;
constexpr int kEditWidth = 105;
constexpr int kRowHeight = 21;

QRect labelRect(int y) { return QRect(kLabelX, y + 2, kLabelWidth, kRowHeight - 2); }
QRect editRect(int y) { return QRect(kEditX, y, kEditWidth, kRowHeight); }

} // namespace

Form2::Form2(Dialogs& dialogs, QWidget* parent) : QMainWindow(parent), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Dynamika - ochladzovanie 1.0"));
    setWindowFont(this);
    buildMenu();
    auto* central = new QWidget(this);
    setCentralWidget(central);
    buildInputs(central);
    m_image1 = new CoolingPicture(central);
    m_image1->move(325, 6);
    resize(1078, 554);
    centreOnScreen(this);
}

void Form2::handle(void (Form2::*handler)()) {
    runHandler(m_dialogs, [this, handler] { (this->*handler)(); });
}

void Form2::buildMenu() {
    auto action = [this](QMenu* menu, const char* name, const QString& text, void (Form2::*handler)()) {
        return addMenuItem(menu, name, text, [this, handler] { handle(handler); });
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("Súbor"));
    file->setObjectName(QStringLiteral("Sbor1"));
    action(file, "Vytlaioknoprogramu1", QStringLiteral("Vytlačiť okno programu"), &Form2::Vytlaioknoprogramu1Click);
    action(file, "Koniec1", QStringLiteral("Koniec"), &Form2::Koniec1Click);
    QMenu* values = menuBar()->addMenu(QStringLiteral("Údaje"));
    values->setObjectName(QStringLiteral("udaje"));
    m_uloz = action(values, "Uloz", QStringLiteral("Ulož do súboru"), &Form2::UlozClick);
    m_uloz->setCheckable(true);
}

void Form2::buildInputs(QWidget* central) {
    int y = 8;
    auto input = [&](const char* name, const QString& label, const QString& text) {
        addLabel(central, label, labelRect(y));
        QLineEdit* edit = addEdit(central, name, text, editRect(y));
        y += 25;
        return edit;
    };
    m_edit1 = input("Edit1", QStringLiteral("Hmotnosť (kg) :"), QStringLiteral("1"));
    auto* button4 =
        addButton(central, "Button4", QStringLiteral("Tepelná kapacita materiálu (J.kg-1.K-1)"), QRect(8, y, 297, 24));
    connect(button4, &QPushButton::clicked, this, [this] { handle(&Form2::Button4Click); });
    y += 30;
    m_edit3 = input("Edit3", QStringLiteral("Plocha povrchu (m2) :"), QStringLiteral("1"));
    m_edit4 = input("Edit4", QStringLiteral("Teplota ochladenia (°C) :"), QStringLiteral("30"));
    m_edit6 = input("Edit6", QStringLiteral("Počet krokov (1) :"), QStringLiteral("10000"));
    m_checkBox1 =
        addCheckBox(central, "CheckBox1", QStringLiteral("Zahrnúť prestup tepla sálaním"), QRect(kLabelX, y, 297, 20));
    m_checkBox1->setChecked(true);
    y += 24;

    // The emissivity: the catalogue fills the field and locks it, or leaves it to the user.
    addLabel(central, QStringLiteral("Emisivita (1):"), QRect(kLabelX, y + 2, 78, kRowHeight - 2));
    m_comboBox2 = new QComboBox(central);
    m_comboBox2->setObjectName(QStringLiteral("ComboBox2"));
    m_comboBox2->setGeometry(88, y, 162, kRowHeight + 1);
    m_comboBox2->setEditable(true);
    m_comboBox2->setInsertPolicy(QComboBox::NoInsert);
    m_comboBox2->setMaxVisibleItems(20);
    for (const EmissivityEntry& entry : emissivityCatalogue)
        m_comboBox2->addItem(QString::fromUtf8(entry.caption));
    m_comboBox2->setCurrentIndex(-1);
    m_comboBox2->setEditText(QStringLiteral("vlastné nastavenie"));
    connect(m_comboBox2, &QComboBox::currentIndexChanged, this, [this] { handle(&Form2::ComboBox2Change); });
    m_edit10 = addEdit(central, "Edit10", QStringLiteral("1"), QRect(255, y, 50, kRowHeight));
    y += 30;

    auto* button1 = addButton(central, "Button1", QStringLiteral("Vypočítaj"), QRect(100, y, 110, 28));
    QFont bold = button1->font();
    bold.setBold(true);
    button1->setFont(bold);
    connect(button1, &QPushButton::clicked, this, [this] { handle(&Form2::Button1Click); });
    y += 34;
    m_progressBar1 = new QProgressBar(central);
    m_progressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar1->setGeometry(kLabelX, y, 297, 16);
    m_progressBar1->setRange(0, 1000);
    m_progressBar1->setValue(0);
    m_progressBar1->setTextVisible(false);
    y += 22;
    m_edit7 = input("Edit7", QStringLiteral("Čas ochladzovania (s) :"), QStringLiteral("0 s"));
    m_edit7->setReadOnly(true);
    setBackground(m_edit7, kInfoBackground);
    buildGroups(central, y + 2);
}

void Form2::buildGroups(QWidget* central, int y) {
    auto* biot = new QGroupBox(QStringLiteral("Biottovo kritérium"), central);
    biot->setObjectName(QStringLiteral("GroupBox1"));
    biot->setGeometry(kLabelX, y, 305, 124);
    int row = 18;
    auto input = [&](const char* name, const QString& label, const QString& text) {
        addLabel(biot, label, QRect(6, row + 2, 204, kRowHeight - 2));
        QLineEdit* edit = addEdit(biot, name, text, QRect(210, row, 87, kRowHeight));
        row += 25;
        return edit;
    };
    m_edit5 = input("Edit5", QStringLiteral("Súč.tep.vod.materiálu (W.m-1.K-1) :"), QStringLiteral("20"));
    m_edit8 = input("Edit8", QStringLiteral("Hrúbka ochl. materiálu (m) :"), QStringLiteral("0,1"));
    auto* button2 = addButton(biot, "Button2", QStringLiteral("Vypočítaj"), QRect(210, row, 87, 22));
    connect(button2, &QPushButton::clicked, this, [this] { handle(&Form2::Button2Click); });
    row += 27;
    m_edit9 = input("Edit9", QStringLiteral("Biottovo kritérium (1) :"), QStringLiteral("--------------------"));
    m_edit9->setReadOnly(true);
    setBackground(m_edit9, kInfoBackground);
    y += 130;

    auto* save = new QGroupBox(QStringLiteral("Uloženie grafu"), central);
    save->setObjectName(QStringLiteral("GroupBox2"));
    save->setGeometry(kLabelX, y, 140, 52);
    auto* button3 = addButton(save, "Button3", QStringLiteral("Ulož graf"), QRect(10, 20, 120, 24));
    connect(button3, &QPushButton::clicked, this, [this] { handle(&Form2::Button3Click); });

    auto* type = new QGroupBox(QStringLiteral("Typ grafu"), central);
    type->setObjectName(QStringLiteral("GroupBox3"));
    type->setGeometry(kLabelX + 150, y, 155, 52);
    m_comboBox1 = new QComboBox(type);
    m_comboBox1->setObjectName(QStringLiteral("ComboBox1"));
    m_comboBox1->setGeometry(10, 20, 135, kRowHeight + 2);
    m_comboBox1->addItems({QStringLiteral("Čierne pozadie"), QStringLiteral("Biele pozadie")});
    m_comboBox1->setCurrentIndex(0);
}

void Form2::Button1Click() {
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
    CoolingOutcome outcome = CoolingOutcome::Refused;
    try {
        outcome = runCooling(m_state, *this, m_links.form1->reporter(), *this, dataFile);
    } catch (...) {
        // A text that is not a number abandons the run: the old data file stays as it was.
        file.discard();
        m_image1->update();
        throw;
    }
    m_image1->update();
    if (outcome == CoolingOutcome::Refused || outcome == CoolingOutcome::Cancelled) {
        file.discard();
        return;
    }
    m_edit7->setText(QString::fromStdString(formatFixed(m_state.coolingTime, 8, 1)));
    if (dataFile != nullptr && !file.close())
        m_dialogs.showMessage(QString::fromStdString(notWrittenMessage(m_dataFileName.toStdString())));
}

void Form2::Button2Click() {
    const double alpha = parseNumber(m_links.form1->totalCoefficientText().toStdString());
    const double thickness = readNumber(m_edit8);
    const double conductivity = readNumber(m_edit5);
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
    m_edit9->setText(QString::fromStdString(formatFixed(biot, 8, 6)));
}

void Form2::Button3Click() {
    const std::optional<QString> name =
        m_dialogs.saveFileName({QStringLiteral(".bmp|*.bmp|všetky súbory|*.*"), QStringLiteral(".bmp")});
    if (!name)
        return;
    const QByteArray bytes = m_image1->bitmapBytes();
    ReplacingFile file;
    if (!file.open(fileNameBytes(*name))) {
        m_dialogs.showMessage(QString::fromStdString(file.failure() == ReplacingFile::Failure::ReadOnly
                                                         ? openFailureMessage(file.failure(), name->toStdString())
                                                         : notCreatedMessage(name->toStdString())));
        return;
    }
    file.write(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (bytes.isEmpty() || !file.close())
        m_dialogs.showMessage(QString::fromStdString(notCreatedMessage(name->toStdString())));
}

void Form2::Button4Click() { showWindow(m_links.form5); }

void Form2::ComboBox2Change() {
    const int index = m_comboBox2->currentIndex();
    if (index == 0) {
        m_edit10->setText(QStringLiteral("1"));
        m_edit10->setReadOnly(false);
        setBackground(m_edit10, kWindowBackground);
    } else if (isCatalogueMaterial(index)) {
        const double value = emissivityCatalogue[static_cast<std::size_t>(index)].emissivity;
        m_edit10->setText(QString::fromStdString(formatGeneral(value)));
        m_edit10->setReadOnly(true);
        setBackground(m_edit10, kInfoBackground);
    }
}

void Form2::Vytlaioknoprogramu1Click() { printWindow(this, m_dialogs); }

void Form2::Koniec1Click() { hide(); }

void Form2::UlozClick() { toggleOutput(m_dataFileOn, m_uloz, m_dataFileName, m_dialogs, {}); }

const EvaluationInputs& Form2::mainWindow() const { return m_links.form1->evaluationInputs(); }
MainWindowInputs Form2::mainWindowInputs() const { return m_links.form1->readMainWindowInputs(); }
double Form2::mass() const { return readNumber(m_edit1); }
double Form2::coolingArea() const { return readNumber(m_edit3); }
double Form2::targetTemperature() const { return readNumber(m_edit4); }
double Form2::stepCount() const { return readNumber(m_edit6); }
bool Form2::radiationOn() const { return m_checkBox1->isChecked(); }
double Form2::emissivity() const { return readNumber(m_edit10); }

double Form2::materialHeatCapacity(double t) const {
    return zav::materialHeatCapacity(m_links.form5->readHeatCapacityModel(), t);
}

void Form2::setProgressMaximum(int maximum) { m_progressBar1->setRange(0, maximum); }
void Form2::setProgressPosition(int position) { m_progressBar1->setValue(position); }

void Form2::setUpPlot(double tLow, double tHigh, double scaleTime) {
    m_image1->setUpPlot(plotScheme(m_comboBox1->currentIndex()), tLow, tHigh, scaleTime);
}

void Form2::plotPoint(const CoolingState& state) {
    if (const std::optional<PlotPixel> pixel = curvePixel(state))
        m_image1->plot(*pixel);
}

} // namespace zav
