// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fluid_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cstring>
#include <stdexcept>
#include <QTabWidget>

#include "core/number_format.h"
#include "io/case_inputs.h"
#include "io/kelo_file.h"
#include "ui/dialogs.h"
#include "ui/handler.h"
#include "ui/window_util.h"

#include <algorithm>
#include <vector>

namespace zav {

namespace {

// The object names of the window and its controls, as scenario scripts, tests and transcripts know
// them (the seed's names). A field's object name is kField and its number: the numbers follow.
namespace names {
constexpr char kWindow[] = "Form8";
constexpr char kField[] = "Edit";
constexpr char kTabs[] = "PageControl1";
constexpr char kApproximationFrame[] = "RadioGroup1";
constexpr char kOkButton[] = "Button1";
constexpr char kCloseButton[] = "Button2";
constexpr char kLoadButton[] = "Button3";
} // namespace names

// Field numbers of the constant tab.
struct ConstantFields {
    int dynViscosity;
    int density;
    int conductivity;
    int heatCapacity;
    int expansionCoeff;
};
constexpr ConstantFields kConstantFields{1, 2, 3, 4, 5};

// Field numbers of the two polynomial tabs.
constexpr FluidWindow::PolynomialFields kLinearFields{{6, 8, 10, 12}, {7, 9, 11, 13}, {}, 14, 15};
constexpr FluidWindow::PolynomialFields kQuadraticFields{
    {16, 17, 18, 19}, {20, 21, 22, 23}, {26, 27, 28, 29}, 24, 25};

// Field numbers of the KELO tab (all but the gas pressure are filled from a KELO file).
struct KeloFields {
    // The first of four rows of six: viscosity, compressibility, conductivity, heat capacity.
    int coefficients;
    int gasPressure;
    int tempMin;
    int tempMax;
    int mixtureName;
    int pressureMin;
    int pressureMax;
    int gasConstant;
};
constexpr KeloFields kKeloFields{30, 54, 55, 56, 57, 58, 59, 60};

const QString kRangeTitle = QStringLiteral("Rozsah platnosti aproximačných rovníc");
const QString kViscosityRow = QStringLiteral("Dyn. viskozita (Pa.s) =");
const QString kDensityRow = QStringLiteral("Hustota (kg.m-3) =");
const QString kConductivityRow = QStringLiteral("Tep. vodivosť (W.m-1.K-1) =");
const QString kHeatCapacityRow = QStringLiteral("Tep. kapacita (J.kg-1.K-1) =");

// What a user types into a property's fields: its name as the rows show it, what it is, its unit
// and an example.
struct PropertyText {
    const char* row;
    const char* meaning;
    const char* unit;
    const char* example;
};
constexpr PropertyText kViscosityText{"Dyn. viskozita (Pa.s)", "dynamická viskozita", "Pa·s", "1,8e-5"};
constexpr PropertyText kDensityText{"Hustota (kg.m-3)", "hustota", "kg·m⁻³", "1,25"};
constexpr PropertyText kConductivityText{"Tep. vodivosť (W.m-1.K-1)", "súčiniteľ tepelnej vodivosti", "W·m⁻¹·K⁻¹",
                                         "0,025"};
constexpr PropertyText kHeatCapacityText{"Tep. kapacita (J.kg-1.K-1)", "merná tepelná kapacita", "J·kg⁻¹·K⁻¹",
                                         "1005,5"};
constexpr PropertyText kExpansionText{"Súč. objem. rozť. (K-1)", "súčiniteľ objemovej rozťažnosti", "K⁻¹", "3,4e-3"};
constexpr PropertyText kCompressibilityText{"Kompres. faktor (1)", "kompresibilitný faktor", "bez jednotky",
                                            "0,98"};

constexpr int kRowLabelWidth = 170;
constexpr int kRowHeight = 21;
constexpr int kRowStep = 28;

} // namespace

FluidWindow::FluidWindow(Dialogs& dialogs, QWidget* parent) : QWidget(parent, Qt::Window), m_dialogs(dialogs) {
    setObjectName(QLatin1String(names::kWindow));
    setWindowTitle(QStringLiteral("Vlastný materiál"));
    setWindowFont(this);

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QLatin1String(names::kTabs));
    tabs->setAccessibleName(QStringLiteral("Aproximácie vlastností tekutiny"));
    tabs->setGeometry(8, 8, 704, 300);
    tabs->addTab(buildConstantTab(), QStringLiteral("Constant"));
    tabs->addTab(buildPolynomialTab(kLinearFields), QStringLiteral("Linear"));
    tabs->addTab(buildPolynomialTab(kQuadraticFields), QStringLiteral("Quadratic"));
    tabs->addTab(buildKeloTab(), QStringLiteral("KELO"));
    // The hint stands on the KELO page itself, and on its tab.
    tabs->widget(3)->setToolTip(QStringLiteral("Input from \"KELO\""));
    tabs->setTabToolTip(3, QStringLiteral("Input from \"KELO\""));
    tabs->setCurrentIndex(3);

    auto* group = new QGroupBox(QStringLiteral("Typ aproximácie"), this);
    group->setObjectName(QLatin1String(names::kApproximationFrame));
    group->setGeometry(8, 316, 420, 46);
    const char* captions[4] = {"Constant", "Linear", "Quadratic", "KELO"};
    for (int i = 0; i < 4; ++i)
        m_approximations[i] = addRadioButton(group, kUserFluidChoice[static_cast<std::size_t>(i)].control,
                                             QLatin1String(captions[i]), QRect(12 + i * 100, 20, 96, 19));
    m_approximations[3]->setChecked(true);

    auto* ok = addButton(this, names::kOkButton, QStringLiteral("&OK"), QRect(540, 330, 80, 26));
    auto* close = addButton(this, names::kCloseButton, QStringLiteral("&Close"), QRect(630, 330, 80, 26));
    connect(ok, &QPushButton::clicked, this, [this] { handle(&FluidWindow::closeWindow); });
    connect(close, &QPushButton::clicked, this, [this] { handle(&FluidWindow::closeWindow); });

    describeFields();
    resize(720, 372);
    setMinimumSize(size()); // its controls at fixed places: never clipped
    centreOnScreen(this);
}

void FluidWindow::handle(void (FluidWindow::*handler)()) {
    runHandler(m_dialogs, this, [this, handler] { (this->*handler)(); });
}

void FluidWindow::describeFields() {
    auto describe = [this](int number, const QString& name, const QString& toolTip) {
        describeField(m_fields[number], nullptr, name, toolTip);
    };
    auto range = [&](const QString& tab, int minField, int maxField) {
        describe(minField, tab + QStringLiteral(": teplota od (°C)"),
                 QStringLiteral("Najnižšia teplota tekutiny, pre ktorú rovnice platia, v °C, napr. 0,5"));
        describe(maxField, tab + QStringLiteral(": teplota do (°C)"),
                 QStringLiteral("Najvyššia teplota tekutiny, pre ktorú rovnice platia, v °C, napr. 99,5"));
    };
    const PropertyText constant[5] = {kViscosityText, kDensityText, kConductivityText, kHeatCapacityText,
                                      kExpansionText};
    const int constantFields[5] = {kConstantFields.dynViscosity, kConstantFields.density,
                                   kConstantFields.conductivity, kConstantFields.heatCapacity,
                                   kConstantFields.expansionCoeff};
    for (int i = 0; i < 5; ++i) {
        const PropertyText& text = constant[i];
        describe(constantFields[i], QStringLiteral("Constant: ") + QString::fromUtf8(text.row),
                 QStringLiteral("%1 pri teplote tekutiny v %2, napr. %3")
                     .arg(QString::fromUtf8(text.meaning).left(1).toUpper() + QString::fromUtf8(text.meaning).mid(1),
                          QString::fromUtf8(text.unit), QString::fromUtf8(text.example)));
    }
    const PropertyText polynomial[4] = {kViscosityText, kDensityText, kConductivityText, kHeatCapacityText};
    auto coefficient = [&](const QString& tab, int number, const PropertyText& text, int power,
                           const QString& rule) {
        describe(number, QStringLiteral("%1: %2, a%3").arg(tab, QString::fromUtf8(text.row)).arg(power),
                 QStringLiteral("Koeficient a%1 %2 veličiny „%3“ (%4), napr. %5")
                     .arg(power)
                     .arg(rule, QString::fromUtf8(text.meaning), QString::fromUtf8(text.unit),
                          QString::fromUtf8(text.example)));
    };
    const QString inT = QStringLiteral("polynómu v teplote t (°C)");
    for (int i = 0; i < 4; ++i) {
        coefficient(QStringLiteral("Linear"), kLinearFields.a0[i], polynomial[i], 0, inT);
        coefficient(QStringLiteral("Linear"), kLinearFields.a1[i], polynomial[i], 1, inT);
        coefficient(QStringLiteral("Quadratic"), kQuadraticFields.a0[i], polynomial[i], 0, inT);
        coefficient(QStringLiteral("Quadratic"), kQuadraticFields.a1[i], polynomial[i], 1, inT);
        coefficient(QStringLiteral("Quadratic"), kQuadraticFields.a2[i], polynomial[i], 2, inT);
    }
    range(QStringLiteral("Linear"), kLinearFields.min, kLinearFields.max);
    range(QStringLiteral("Quadratic"), kQuadraticFields.min, kQuadraticFields.max);
    const PropertyText kelo[4] = {kViscosityText, kCompressibilityText, kConductivityText, kHeatCapacityText};
    for (int row = 0; row < 4; ++row) {
        for (int k = 0; k < 6; ++k)
            coefficient(QStringLiteral("KELO"), kKeloFields.coefficients + row * 6 + k, kelo[row], k,
                        QStringLiteral("rovnice f(p,T) s tlakom p v MPa a teplotou T"));
    }
    describe(kKeloFields.gasPressure, QStringLiteral("KELO: tlak plynu (MPa)"),
             QStringLiteral("Tlak plynu v MPa, napr. 5,5"));
    range(QStringLiteral("KELO"), kKeloFields.tempMin, kKeloFields.tempMax);
    describe(kKeloFields.pressureMin, QStringLiteral("KELO: tlak od (MPa)"),
             QStringLiteral("Najnižší tlak, pre ktorý rovnice platia, v MPa, napr. 0,1"));
    describe(kKeloFields.pressureMax, QStringLiteral("KELO: tlak do (MPa)"),
             QStringLiteral("Najvyšší tlak, pre ktorý rovnice platia, v MPa, napr. 10,5"));
    describe(kKeloFields.gasConstant, QStringLiteral("KELO: plynová konštanta r (J.kg-1.K-1)"),
             QStringLiteral("Merná plynová konštanta zmesi v J·kg⁻¹·K⁻¹, napr. 287,1"));
    describe(kKeloFields.mixtureName, QStringLiteral("KELO: názov zmesi plynov"),
             QStringLiteral("Názov zmesi plynov (text, nie číslo)"));
}

namespace {

// The start-up text of the fluid's field `control` from the table of the inputs.
QString startText(const char* control) {
    for (const CaseKey& entry : caseKeys()) {
        if (entry.key.rfind("fluid.", 0) == 0 && entry.control != nullptr && std::strcmp(entry.control, control) == 0)
            return QString::fromUtf8(entry.startValue);
    }
    throw std::logic_error(std::string("fluid window: no input shown by ") + control);
}

} // namespace

QLineEdit* FluidWindow::field(QWidget* parent, int number, const QRect& geometry) {
    const QByteArray name = names::kField + QByteArray::number(number);
    m_fields[number] = addEdit(parent, name.constData(), startText(name.constData()), geometry);
    return m_fields[number];
}

QWidget* FluidWindow::buildConstantTab() {
    auto* tab = new QWidget;
    const QString labels[5] = {QStringLiteral("Dyn. viskozita (Pa.s):"), QStringLiteral("Hustota (kg.m-3) :"),
                               QStringLiteral("Tep. vodivosť (W.m-1.K-1):"), QStringLiteral("Tep. kapacita (J.kg-1.K-1):"),
                               QStringLiteral("Súč. objem. rozť. (K-1):")};
    const int numbers[5] = {kConstantFields.dynViscosity, kConstantFields.density, kConstantFields.conductivity,
                            kConstantFields.heatCapacity, kConstantFields.expansionCoeff};
    for (int i = 0; i < 5; ++i) {
        const int y = 16 + i * kRowStep;
        addLabel(tab, labels[i], QRect(16, y + 2, kRowLabelWidth, kRowHeight - 2));
        field(tab, numbers[i], QRect(190, y, 110, kRowHeight));
    }
    addLabel(tab, QStringLiteral("* Platný pre teplotu tekutiny"), QRect(310, 16 + 4 * kRowStep + 2, 200, 19));
    return tab;
}

void FluidWindow::addRangeGroup(QWidget* tab, int minField, int maxField, int y) {
    auto* group = new QGroupBox(kRangeTitle, tab);
    group->setGeometry(16, y, 330, 52);
    addLabel(group, QStringLiteral("Teplota:"), QRect(10, 24, 56, 19));
    field(group, minField, QRect(66, 22, 80, kRowHeight));
    addLabel(group, QStringLiteral("až"), QRect(154, 24, 20, 19));
    field(group, maxField, QRect(176, 22, 80, kRowHeight));
    addLabel(group, QStringLiteral("°C"), QRect(262, 24, 30, 19));
}

QWidget* FluidWindow::buildPolynomialTab(const PolynomialFields& fields) {
    auto* tab = new QWidget;
    const QString labels[4] = {kViscosityRow, kDensityRow, kConductivityRow, kHeatCapacityRow};
    const bool quadratic = fields.a2[0] != 0;
    for (int i = 0; i < 4; ++i) {
        const int y = 16 + i * kRowStep;
        addLabel(tab, labels[i], QRect(16, y + 2, kRowLabelWidth, kRowHeight - 2));
        field(tab, fields.a0[i], QRect(190, y, 90, kRowHeight));
        addLabel(tab, QStringLiteral("+"), QRect(286, y + 2, 12, 19));
        field(tab, fields.a1[i], QRect(300, y, 90, kRowHeight));
        if (!quadratic) {
            addLabel(tab, QStringLiteral("* t"), QRect(396, y + 2, 30, 19));
            continue;
        }
        addLabel(tab, QStringLiteral("* t  +"), QRect(396, y + 2, 40, 19));
        field(tab, fields.a2[i], QRect(440, y, 90, kRowHeight));
        addLabel(tab, QStringLiteral("* t<sup>2</sup>"), QRect(536, y, 40, 21));
    }
    addRangeGroup(tab, fields.min, fields.max, 16 + 4 * kRowStep + 8);
    return tab;
}

QWidget* FluidWindow::buildKeloTab() {
    auto* tab = new QWidget;
    auto* load = addButton(tab, names::kLoadButton, QStringLiteral("&Load"), QRect(16, 10, 80, 26));
    QFont bold = load->font();
    bold.setBold(true);
    load->setFont(bold);
    QPalette red = load->palette();
    red.setColor(QPalette::ButtonText, QColor(255, 0, 0));
    load->setPalette(red);
    connect(load, &QPushButton::clicked, this, [this] { handle(&FluidWindow::loadKeloFile); });

    auto* model = addLabel(tab, QStringLiteral("f(p,T) = a0 + a1·p + a2·T + a3·p·T + a4·p<sup>2</sup> + a5·T<sup>2</sup>"),
                           QRect(110, 10, 360, 26));
    model->setFrameShape(QFrame::Box);
    model->setAlignment(Qt::AlignCenter);

    const QString labels[4] = {kViscosityRow, QStringLiteral("Kompres. faktor (1) ="), kConductivityRow,
                               kHeatCapacityRow};
    for (int row = 0; row < 4; ++row) {
        const int y = 48 + row * 26;
        addLabel(tab, labels[row], QRect(16, y + 2, kRowLabelWidth, kRowHeight - 2));
        for (int k = 0; k < 6; ++k) {
            QLineEdit* edit = field(tab, kKeloFields.coefficients + row * 6 + k,
                                    QRect(190 + k * 82, y, 78, kRowHeight));
            // The viscosity row is filled only by the loader.
            edit->setReadOnly(row == 0);
        }
    }

    auto* pressure = new QGroupBox(QStringLiteral("Tlak plynu"), tab);
    pressure->setGeometry(16, 160, 150, 52);
    field(pressure, kKeloFields.gasPressure, QRect(10, 22, 80, kRowHeight));
    addLabel(pressure, QStringLiteral("MPa"), QRect(96, 24, 40, 19));

    auto* range = new QGroupBox(kRangeTitle, tab);
    range->setGeometry(176, 160, 300, 80);
    addLabel(range, QStringLiteral("Teplota:"), QRect(10, 24, 52, 19));
    field(range, kKeloFields.tempMin, QRect(62, 22, 80, kRowHeight));
    addLabel(range, QStringLiteral("až"), QRect(148, 24, 20, 19));
    field(range, kKeloFields.tempMax, QRect(170, 22, 80, kRowHeight));
    addLabel(range, QStringLiteral("°C"), QRect(256, 24, 30, 19));
    addLabel(range, QStringLiteral("Tlak:"), QRect(10, 50, 52, 19));
    field(range, kKeloFields.pressureMin, QRect(62, 48, 80, kRowHeight));
    addLabel(range, QStringLiteral("až"), QRect(148, 50, 20, 19));
    field(range, kKeloFields.pressureMax, QRect(170, 48, 80, kRowHeight));
    addLabel(range, QStringLiteral("MPa"), QRect(256, 50, 36, 19));

    addLabel(tab, QStringLiteral("r (J.kg-1.K-1):"), QRect(490, 184, 90, 19));
    field(tab, kKeloFields.gasConstant, QRect(580, 182, 92, kRowHeight));

    QLineEdit* name = field(tab, kKeloFields.mixtureName,
                            QRect(16, 226, 150, kRowHeight));
    QFont nameFont = name->font();
    nameFont.setBold(true);
    name->setFont(nameFont);
    return tab;
}

ApproximationKind FluidWindow::approximation() const {
    for (int i = 0; i < 4; ++i) {
        if (m_approximations[i]->isChecked())
            return static_cast<ApproximationKind>(i);
    }
    return ApproximationKind::KELO;
}

double FluidWindow::number(int field) const { return readNumber(m_fields[field]); }

void FluidWindow::readPolynomial(const PolynomialFields& fields, UserFluidModel& m) const {
    std::array<double, 6>* rows[4] = {&m.viscosityCoeffs, &m.densityCoeffs, &m.conductivityCoeffs,
                                      &m.heatCapacityCoeffs};
    std::vector<std::pair<int, double*>> targets = {{fields.min, &m.validTempMin}, {fields.max, &m.validTempMax}};
    for (int i = 0; i < 4; ++i) {
        targets.emplace_back(fields.a0[i], &(*rows[i])[0]);
        targets.emplace_back(fields.a1[i], &(*rows[i])[1]);
        if (fields.a2[i] != 0)
            targets.emplace_back(fields.a2[i], &(*rows[i])[2]);
    }
    // In the order of the field numbers: the first field that is not a number stops the reading.
    std::sort(targets.begin(), targets.end());
    for (const auto& [field, target] : targets)
        *target = number(field);
}

UserFluidModel FluidWindow::readUserFluidModel() const {
    UserFluidModel m;
    m.kind = approximation();
    // Fields are converted in the order of their numbers; the first that is not a number stops it.
    switch (m.kind) {
    case ApproximationKind::Constant:
        m.dynViscosity = number(kConstantFields.dynViscosity);
        m.density = number(kConstantFields.density);
        m.conductivity = number(kConstantFields.conductivity);
        m.heatCapacity = number(kConstantFields.heatCapacity);
        m.expansionCoeff = number(kConstantFields.expansionCoeff);
        break;
    case ApproximationKind::Linear:
        readPolynomial(kLinearFields, m);
        break;
    case ApproximationKind::Quadratic:
        readPolynomial(kQuadraticFields, m);
        break;
    case ApproximationKind::KELO: {
        std::array<double, 6>* rows[4] = {&m.viscosityCoeffs, &m.compressibilityCoeffs, &m.conductivityCoeffs,
                                          &m.heatCapacityCoeffs};
        for (int row = 0; row < 4; ++row) {
            for (int k = 0; k < 6; ++k)
                (*rows[row])[static_cast<std::size_t>(k)] = number(kKeloFields.coefficients + row * 6 + k);
        }
        m.gasPressure = number(kKeloFields.gasPressure);
        m.validTempMin = number(kKeloFields.tempMin);
        m.validTempMax = number(kKeloFields.tempMax);
        m.validPressureMin = number(kKeloFields.pressureMin);
        m.validPressureMax = number(kKeloFields.pressureMax);
        m.gasConstant = number(kKeloFields.gasConstant);
        break;
    }
    }
    return m;
}

void FluidWindow::closeWindow() { hide(); }

void FluidWindow::loadKeloFile() {
    const std::optional<QString> chosen = m_dialogs.openFileName({QStringLiteral("KELO|*.kelo"), QStringLiteral("kelo")});
    if (chosen)
        m_keloFileName = *chosen;
    // Cancelled with no earlier file: nothing to read. Cancelled after an earlier load: read it again.
    if (m_keloFileName.isEmpty())
        return;
    const KeloReadResult result = readKeloFile(m_keloFileName.toStdString());
    if (result.status == KeloReadResult::Status::CannotOpen) {
        m_dialogs.showMessage(QStringLiteral("Súbor „%1“ sa nepodarilo otvoriť.").arg(m_keloFileName));
        return;
    }
    // The fields keep what they held: "NAN" in a field would only fail later, far from its cause.
    if (result.status == KeloReadResult::Status::NotFinite) {
        m_dialogs.showMessage(QString::fromStdString(keloNotFiniteMessage(m_keloFileName.toStdString())));
        return;
    }
    // In the order the loader has always filled them: the coefficients, the bounds and r, the name.
    const KeloTexts texts = keloTexts(result);
    const auto show = [this](int number, const std::optional<std::string>& text) {
        if (!text)
            return;
        m_fields[number]->setText(QString::fromStdString(*text));
        m_fields[number]->setCursorPosition(0);
    };
    const std::array<std::optional<std::string>, 6>* rows[4] = {&texts.viscosity, &texts.compressibility,
                                                                &texts.conductivity, &texts.heatCapacity};
    for (int row = 0; row < 4; ++row) {
        for (int k = 0; k < 6; ++k)
            show(kKeloFields.coefficients + row * 6 + k, (*rows[row])[static_cast<std::size_t>(k)]);
    }
    show(kKeloFields.tempMin, texts.tempMin);
    show(kKeloFields.tempMax, texts.tempMax);
    show(kKeloFields.pressureMin, texts.pressureMin);
    show(kKeloFields.pressureMax, texts.pressureMax);
    show(kKeloFields.gasConstant, texts.gasConstant);
    show(kKeloFields.mixtureName, texts.name);
    if (result.status == KeloReadResult::Status::Short)
        m_dialogs.showMessage(QStringLiteral("Súbor „%1“ je kratší ako 252 bajtov, načítaný bol iba čiastočne.")
                                  .arg(m_keloFileName));
}

} // namespace zav
