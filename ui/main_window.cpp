// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form1.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "core/number_format.h"
#include "core/reference_deviation.h"
#include "core/steady_state.h"
#include "export/cel_file.h"
#include "export/sweeps.h"
#include "ui/dialogs.h"
#include "ui/form2.h"
#include "ui/form6.h"
#include "ui/form7.h"
#include "ui/form8.h"
#include "ui/geometry_pictures.h"
#include "ui/handler.h"
#include "ui/panel_status_bar.h"
#include "ui/print_window.h"
#include "ui/window_util.h"

namespace zav {

namespace {

const QString kNoResult = QStringLiteral("------------");
const QSize kPictureSize(170, 140);

// Left column: labels, then the edits at a common x.
constexpr int kLabelX = 8;
constexpr int kLabelWidth = 156;
constexpr int kEditX = 164;
constexpr int kEditWidth = 92;
constexpr int kRowHeight = 21;

QRect labelRect(int y) { return QRect(kLabelX, y + 2, kLabelWidth, kRowHeight - 2); }
QRect editRect(int y) { return QRect(kEditX, y, kEditWidth, kRowHeight); }

} // namespace

Form1::Form1(Dialogs& dialogs, QWidget* parent) : QMainWindow(parent), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ZAV - voľná konvekcia V1.42  © tím projektu ZAV 2026"));
    setWindowFont(this);
    buildMenu();
    auto* central = new QWidget(this);
    setCentralWidget(central);
    buildInputs(central);
    buildResults(central);
    buildGeometry(central);
    m_statusBar1 = new PanelStatusBar({200, 150, 200}, this);
    m_statusBar1->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(m_statusBar1);
    resize(1012, 753);
    centreOnScreen(this);
}

void Form1::handle(void (Form1::*handler)()) {
    runHandler(m_dialogs, [this, handler] {
        if (m_beforeHandler)
            m_beforeHandler();
        (this->*handler)();
    });
}

void Form1::buildMenu() {
    auto action = [this](QWidget* menu, const char* name, const QString& text, void (Form1::*handler)()) {
        return addMenuItem(menu, name, text, [this, handler] { handle(handler); });
    };
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("Súbor"));
    file->setObjectName(QStringLiteral("Sbor1"));
    action(file, "Uloi1", QStringLiteral("Vytlačiť okno programu"), &Form1::Uloi1Click);
    action(file, "Nastavrozsah1", QStringLiteral("Nastav rozsah"), &Form1::Nastavrozsah1Click);
    m_ulodosboru1 = action(file, "Ulodosboru1", QStringLiteral("Ulož do súboru"), &Form1::Ulodosboru1Click);
    m_ulodosboru1->setCheckable(true);
    m_ansys1 = action(file, "Ansys1", QStringLiteral("Ansys"), &Form1::Ansys1Click);
    m_ansys1->setCheckable(true);
    action(file, "Koniec1", QStringLiteral("Koniec"), &Form1::Koniec1Click);
    QMenu* dynamics = bar->addMenu(QStringLiteral("Dynamika"));
    dynamics->setObjectName(QStringLiteral("Dynamika1"));
    action(dynamics, "Ochladzovanie1", QStringLiteral("Ochladzovanie"), &Form1::Ochladzovanie1Click);
    QMenu* chart = bar->addMenu(QStringLiteral("Graf"));
    chart->setObjectName(QStringLiteral("graf1"));
    action(chart, "graf2", QStringLiteral("Graf"), &Form1::graf2Click);
    action(bar, "Oprograme1", QStringLiteral("O programe"), &Form1::Oprograme1Click);
    action(bar, "Oautorovi1", QStringLiteral("O autorovi"), &Form1::Oautorovi1Click);
    action(bar, "Peltier1", QStringLiteral("Peltier"), &Form1::Peltier1Click);
}

void Form1::buildInputs(QWidget* central) {
    int y = 8;
    auto input = [&](const char* name, const QString& label, const QString& text) {
        addLabel(central, label, labelRect(y));
        QLineEdit* edit = addEdit(central, name, text, editRect(y));
        y += 24;
        return edit;
    };
    m_edit1 = input("Edit1", QStringLiteral("Teplota telesa (°C) :"), QStringLiteral("100"));
    m_edit2 = input("Edit2", QStringLiteral("Teplota tekutiny (°C) :"), QStringLiteral("20"));
    m_edit10 = input("Edit10", QStringLiteral("Charakt. rozmer l (m) :"), QStringLiteral("0,1"));
    m_edit17 = input("Edit17", QStringLiteral("Plocha povrchu (m2) :"), QStringLiteral("1"));

    m_checkBox1 = addCheckBox(central, "CheckBox1", QStringLiteral("Zahrnúť sálanie"), QRect(kLabelX, y, 200, 20));
    connect(m_checkBox1, &QCheckBox::clicked, this, [this] { handle(&Form1::CheckBox1Click); });
    y += 22;
    m_edit20 = input("Edit20", QStringLiteral("Pomerná emisivita :"), QStringLiteral("0,8"));
    m_edit20->setReadOnly(true);
    setBackground(m_edit20, kSilver);

    // The fluid's radio buttons stand on the window itself, under a frame that only frames them.
    auto* frame = new QGroupBox(QStringLiteral("Typ tekutiny (pri 101325 Pa)"), central);
    frame->setObjectName(QStringLiteral("RadioGroup1"));
    frame->setGeometry(kLabelX, y + 2, 248, 122);
    auto* fluids = new QButtonGroup(this);
    auto fluid = [&](const char* name, const QString& text, int row) {
        QRadioButton* button = addRadioButton(central, name, text, QRect(kLabelX + 10, y + 22 + row * 20, 170, 19));
        fluids->addButton(button);
        return button;
    };
    fluid("RadioButton1", QStringLiteral("Vzduch (-76 až 2226 °C)"), 0)->setChecked(true);
    m_radioButton10 = fluid("RadioButton10", QStringLiteral("Voda (0°C až 100°C)"), 1);
    m_radioButton13 = fluid("RadioButton13", QStringLiteral("iná"), 2);
    auto* button2 = addButton(central, "Button2", QStringLiteral("..."), QRect(kLabelX + 204, y + 61, 34, 20));
    connect(button2, &QPushButton::clicked, this, [this] { handle(&Form1::Button2Click); });
    // Under the fluids, the source of air's and water's properties; off at start. The caption takes
    // two lines in the narrow column; its accessible name is the caption in one.
    const QString reference = QStringLiteral("Referenčné vlastnosti (IAPWS-IF97, Lemmon)");
    m_checkBoxRef = addCheckBox(central, "CheckBoxRef", QString(reference).replace(QLatin1String(" ("), "\n("),
                                QRect(kLabelX + 10, y + 84, 236, 34));
    m_checkBoxRef->setAccessibleName(reference);
    m_checkBoxRef->setToolTip(QStringLiteral(
        "Vlastnosti vzduchu a vody z medzinárodných referenčných rovníc namiesto vstavaných aproximácií"));
    frame->lower();
    y += 132;

    auto* button1 = addButton(central, "Button1", QStringLiteral("Vypočítaj"), QRect(78, y, 110, 28));
    QFont bold = button1->font();
    bold.setBold(true);
    button1->setFont(bold);
    connect(button1, &QPushButton::clicked, this, [this] { handle(&Form1::Button1Click); });
}

void Form1::buildResults(QWidget* central) {
    struct Row {
        const char* name;
        const char* label;
        double ConvectionState::*value;
        int precision;
        int decimals;
        double scale;
        const char* suffix;
    };
    static const Row rows[] = {
        {"Edit15", "Stredná teplota (°C) :", &ConvectionState::tMean, 10, 2, 1, ""},
        {"Edit3", "Hustota (kg.m-3) :", &ConvectionState::density, 10, 3, 1, ""},
        {"Edit4", "Súč. tep. vod. (W.m-1.K-1) :", &ConvectionState::conductivity, 10, 4, 1, ""},
        {"Edit5", "Dyn. viskozita (Pa.s) :", &ConvectionState::dynViscosity, 10, 2, 1e6, " e-6"},
        {"Edit6", "Kin. viskozita (m2.s-1) :", &ConvectionState::kinViscosity, 10, 2, 1e6, " e-6"},
        {"Edit7", "Šp.tep. kap. (Jkg-1.K-1):", &ConvectionState::heatCapacity, 10, 1, 1, ""},
        {"Edit21", "Súč. obj. rozťažnosti (K-1) :", &ConvectionState::expansionCoeff, 5, 3, 1000, " e-3"},
        {"Edit8", "Prandtlovo č. (1) :", &ConvectionState::prandtl, 10, 3, 1, ""},
        {"Edit9", "Grashofovo č. (1) :", &ConvectionState::grashof, 6, 2, 1, ""},
        {"Edit14", "Rayleighovo č. (1) :", &ConvectionState::rayleigh, 6, 2, 1, ""},
        {"Edit12", "Nuseltovo č. (1) :", &ConvectionState::nusselt, 10, 4, 1, ""},
        {"Edit13", "Súč. pres. tep. (W.m-2.K-1) : ", &ConvectionState::alphaTotal, 6, 3, 1, ""},
        {"Edit18", "Tepelný tok (W) :", &ConvectionState::heatFlow, 6, 2, 1, ""},
    };
    int y = 330;
    for (const Row& row : rows) {
        addLabel(central, QString::fromUtf8(row.label), labelRect(y));
        QLineEdit* edit = addEdit(central, row.name, kNoResult, editRect(y));
        edit->setReadOnly(true);
        setBackground(edit, kInfoBackground);
        m_results.append({edit, row.value, row.precision, row.decimals, row.scale, row.suffix});
        if (row.value == &ConvectionState::alphaTotal)
            m_edit13 = edit;
        y += 23;
    }
    // How far the built-in properties move the result, under the results and the shapes.
    m_presnost1 = addLabel(central, QString(), QRect(kLabelX, y + 4, 996, 36));
    m_presnost1->setObjectName(QStringLiteral("Presnost1"));
    m_presnost1->setWordWrap(true);
    m_presnost1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Form1::buildGeometry(QWidget* central) {
    auto* frame = new QGroupBox(QStringLiteral("Geometria povrchu"), central);
    frame->setObjectName(QStringLiteral("GroupBox1"));
    frame->setGeometry(264, 4, 740, 596);
    auto* shapes = new QButtonGroup(this);
    struct Cell {
        const char* radio;
        const char* caption;
        const char* image;
    };
    static const Cell cells[8] = {
        {"RadioButton2", "Vertikálna plocha", "Image1"},  {"RadioButton3", "Vert. naklonená plocha", "Image2"},
        {"RadioButton4", "Horizontálna plocha", "Image3"}, {"RadioButton5", "Kocka", "Image4"},
        {"RadioButton6", "Vertikálny valec", "Image5"},   {"RadioButton7", "Horizontálny valec", "Image6"},
        {"RadioButton8", "Guľa", "Image7"},               {"RadioButton9", "Rebrovaná rúrka", "Image8"},
    };
    for (int i = 0; i < 8; ++i) {
        const int x = 10 + (i % 4) * 182;
        const int y = i < 4 ? 22 : 312;
        QRadioButton* button =
            addRadioButton(frame, cells[i].radio, QString::fromUtf8(cells[i].caption), QRect(x, y, 176, 20));
        shapes->addButton(button);
        m_geometryButtons[i] = button;
        auto* picture = new QLabel(frame);
        picture->setObjectName(QLatin1String(cells[i].image));
        picture->setGeometry(QRect(QPoint(x, y + 24), kPictureSize));
        picture->setPixmap(drawGeometryPicture(static_cast<SurfaceGeometry>(i), kPictureSize));

        const int below = y + 24 + kPictureSize.height() + 8;
        switch (static_cast<SurfaceGeometry>(i)) {
        case SurfaceGeometry::InclinedPlate:
            addLabel(frame, QStringLiteral("Uhol (°)"), QRect(x, below + 2, 60, 19));
            m_edit16 = addEdit(frame, "Edit16", QStringLiteral("0"), QRect(x + 64, below, 60, kRowHeight));
            break;
        case SurfaceGeometry::HorizontalPlate: {
            auto* position = new QGroupBox(QStringLiteral("Poloha plochy"), frame);
            position->setObjectName(QStringLiteral("GroupBox2"));
            position->setGeometry(x, below - 4, kPictureSize.width(), 66);
            addRadioButton(position, "RadioButton11", QStringLiteral("Horná plocha"), QRect(10, 20, 150, 19))
                ->setChecked(true);
            m_radioButton12 =
                addRadioButton(position, "RadioButton12", QStringLiteral("Spodná plocha"), QRect(10, 40, 150, 19));
            break;
        }
        case SurfaceGeometry::FinnedTube:
            addLabel(frame, QStringLiteral("Svetlá vzdialenosť medzi rebrami (m) :"), QRect(x, below - 4, 176, 30))
                ->setWordWrap(true);
            m_edit11 = addEdit(frame, "Edit11", QStringLiteral("0,005"), QRect(x, below + 26, 80, kRowHeight));
            addLabel(frame, QStringLiteral("Priemer rúrky d (m) :"), QRect(x, below + 52, 176, 19));
            m_edit19 = addEdit(frame, "Edit19", QStringLiteral("0,1"), QRect(x, below + 72, 80, kRowHeight));
            break;
        default:
            break;
        }
    }
    m_geometryButtons[0]->setChecked(true);
}

void Form1::readInputs() {
    const MainWindowInputs inputs = readMainWindowInputs();
    m_state.tBody = inputs.tBody;
    m_state.tFluid = inputs.tFluid;
    m_state.charLength = inputs.charLength;
    m_state.area = inputs.area;
}

MainWindowInputs Form1::readMainWindowInputs() const {
    MainWindowInputs inputs;
    inputs.tBody = readNumber(m_edit1);
    inputs.tFluid = readNumber(m_edit2);
    inputs.charLength = readNumber(m_edit10);
    inputs.area = readNumber(m_edit17);
    return inputs;
}

QString Form1::totalCoefficientText() const { return m_edit13->text(); }

void Form1::Button1Click() {
    m_state.emissivity = readNumber(m_edit20);
    readInputs();
    // A cancelled sweep ends the calculation: its status text stays.
    if (m_tableOutputOn && !runTableSweep())
        return;
    if (m_celOutputOn && !runCelSweep())
        return;
    // The sweeps overwrote the state: the window's own result is that of the typed inputs.
    readInputs();
    m_presnost1->clear();
    if (!calculateSteadyState(m_state, *this, *this))
        return;
    showResults();
    showReferenceDeviation();
}

void Form1::showReferenceDeviation() {
    if (fluidKind() == FluidKind::UserDefined || propertyModel() == PropertyModel::Reference)
        return;
    const QString text = QString::fromStdString(referenceDeviationText(referenceDeviation(m_state, *this)));
    m_presnost1->setText(text);
    // A warning stands out from the plain report.
    QPalette palette = m_presnost1->palette();
    palette.setColor(QPalette::WindowText, text.startsWith(QLatin1String("Pozor:")) ? QColor(0xA0, 0, 0)
                                                                                    : this->palette().color(QPalette::WindowText));
    m_presnost1->setPalette(palette);
}

namespace {

// Marks the window as sweeping for as long as it lives.
class Sweeping {
public:
    Sweeping(bool& sweeping, std::optional<UserFluidModel>& fluid) : m_sweeping(sweeping), m_fluid(fluid) {
        m_sweeping = true;
    }
    ~Sweeping() {
        m_sweeping = false;
        m_fluid.reset();
    }
    Sweeping(const Sweeping&) = delete;
    Sweeping& operator=(const Sweeping&) = delete;

private:
    bool& m_sweeping;
    std::optional<UserFluidModel>& m_fluid;
};

} // namespace

bool Form1::runTableSweep() {
    const SweepRange range = m_links.form6->readRange();
    const std::unique_ptr<Progress> progress = m_dialogs.startProgress(QStringLiteral("Počíta sa tabuľka…"));
    const Sweeping sweeping(m_sweeping, m_sweepFluid);
    zav::runTableSweep(m_state, range, *this, *this, fileNameBytes(m_tableFileName), *m_links.form7, *progress);
    return !progress->cancelled();
}

bool Form1::runCelSweep() {
    const std::optional<QString> name = m_dialogs.inputText(
        QStringLiteral("Názov okrajovej podmienky"), QStringLiteral("Zadajte názov okrajovej podmienky:"), QString());
    if (!name)
        return true; // cancelled: no library this time
    m_celFunctionName = *name;
    if (!isValidCelName(m_celFunctionName.toStdString())) {
        m_dialogs.showMessage(QString::fromStdString(invalidCelNameMessage(m_celFunctionName.toStdString())));
        return true;
    }
    const SweepRange range = m_links.form6->readRange();
    const std::unique_ptr<Progress> progress =
        m_dialogs.startProgress(QStringLiteral("Počíta sa súbor pre Ansys…"));
    const Sweeping sweeping(m_sweeping, m_sweepFluid);
    zav::runCelSweep(m_state, range, *this, *this, fileNameBytes(m_celFileName), m_celFunctionName.toStdString(),
                     currentAsctime(), *progress);
    return !progress->cancelled();
}

void Form1::showResults() {
    for (const ResultField& field : m_results) {
        const double value = m_state.*field.value * field.scale;
        field.edit->setText(QString::fromStdString(formatFixed(value, field.precision, field.decimals)) +
                            QLatin1String(field.suffix));
        field.edit->setCursorPosition(0);
    }
}

void Form1::Button2Click() {
    showWindow(m_links.form8);
    m_radioButton13->setChecked(true);
}

void Form1::CheckBox1Click() {
    if (!m_radiationFlag) {
        m_edit20->setReadOnly(false);
        setBackground(m_edit20, kWindowBackground);
    } else {
        m_edit20->setReadOnly(true);
        setBackground(m_edit20, kSilver);
    }
    m_radiationFlag = !m_radiationFlag;
}

void Form1::Uloi1Click() { printWindow(this, m_dialogs); }

void Form1::Nastavrozsah1Click() { showWindow(m_links.form6); }

void Form1::Ulodosboru1Click() {
    toggleOutput(m_tableOutputOn, m_ulodosboru1, m_tableFileName, m_dialogs,
                 {QStringLiteral("TXT|*.txt"), QStringLiteral(".txt")});
}

void Form1::Ansys1Click() {
    toggleOutput(m_celOutputOn, m_ansys1, m_celFileName, m_dialogs,
                 {QStringLiteral(".ccl|*.ccl"), QStringLiteral("ccl")});
}

void Form1::Ochladzovanie1Click() { showWindow(m_links.form2); }

void Form1::graf2Click() { showWindow(m_links.form7); }

void Form1::Koniec1Click() { close(); }

void Form1::Oprograme1Click() { showWindow(m_links.form4); }

void Form1::Oautorovi1Click() { showWindow(m_links.form3); }

void Form1::Peltier1Click() { showWindow(m_links.form9); }

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    emit programEnded();
}

FluidKind Form1::fluidKind() const {
    if (m_radioButton10->isChecked())
        return FluidKind::Water;
    if (m_radioButton13->isChecked())
        return FluidKind::UserDefined;
    return FluidKind::Air;
}

PropertyModel Form1::propertyModel() const {
    return m_checkBoxRef->isChecked() ? PropertyModel::Reference : PropertyModel::Builtin;
}

SurfaceGeometry Form1::geometry() const {
    for (int i = 0; i < 8; ++i) {
        if (m_geometryButtons[i]->isChecked())
            return static_cast<SurfaceGeometry>(i);
    }
    return SurfaceGeometry::VerticalPlate;
}

PlatePosition Form1::platePosition() const {
    return m_radioButton12->isChecked() ? PlatePosition::Lower : PlatePosition::Upper;
}

bool Form1::radiationOn() const { return m_checkBox1->isChecked(); }
double Form1::inclinationDeg() const { return readNumber(m_edit16); }
double Form1::finGap() const { return readNumber(m_edit11); }
double Form1::tubeDiameter() const { return readNumber(m_edit19); }
double Form1::emissivity() const { return readNumber(m_edit20); }
UserFluidModel Form1::userFluidModel() const {
    if (!m_sweeping)
        return m_links.form8->readUserFluidModel();
    if (!m_sweepFluid)
        m_sweepFluid = m_links.form8->readUserFluidModel();
    return *m_sweepFluid;
}

void Form1::showMessage(const std::string& text) { m_dialogs.showMessage(QString::fromStdString(text)); }

void Form1::setStatusText(const std::string& text) { m_statusBar1->setPanelText(2, QString::fromStdString(text)); }

} // namespace zav
