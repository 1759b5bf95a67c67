// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/design_window.h"

#include <cmath>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/number_format.h"
#include "io/case_inputs.h"
#include "ui/dialogs.h"
#include "ui/handler.h"
#include "ui/main_window.h"
#include "ui/window_util.h"

namespace zav {

namespace {

// The object names of the window and its controls, as scenario scripts and transcripts know them.
namespace names {
constexpr char kWindow[] = "Form10";
const char* const kHeatFlow = caseKey("design.heat_flow").control;
constexpr char kResult[] = "Edit2";
constexpr char kUnknownFrame[] = "GroupBox1";
// The unknowns' radio buttons: their choice's.
constexpr char kCalculateButton[] = "Button1";
constexpr char kTransferButton[] = "Button2";
} // namespace names

// Each unknown: its choice's caption and the key of the case's input that holds it.
struct UnknownCell {
    DesignUnknown unknown;
    const char* caption;
    const char* input;
};
constexpr UnknownCell kUnknownCells[4] = {
    {DesignUnknown::BodyTemperature, "teplota telesa (°C)", "main.t_body"},
    {DesignUnknown::FluidTemperature, "teplota tekutiny (°C)", "main.t_fluid"},
    {DesignUnknown::Area, "plocha povrchu (m2)", "main.area"},
    {DesignUnknown::CharLength, "charakteristický rozmer l (m)", "main.length"},
};

const QString kNoResult = QStringLiteral("------------");

QLineEdit* mainField(MainWindow* window, DesignUnknown unknown) {
    const char* field = caseKey(kUnknownCells[static_cast<int>(unknown)].input).control;
    return window->findChild<QLineEdit*>(QLatin1String(field));
}

// The user-defined fluid as an evaluation reads it (only the approximation chosen is converted), a
// number a line; a field that is not a number reads as "?".
QStringList userFluidState(const EvaluationInputs& inputs) {
    QStringList state;
    try {
        const UserFluidModel m = inputs.userFluidModel();
        auto add = [&state](double value) { state << QString::number(value, 'g', 17); };
        state << QString::number(static_cast<int>(m.kind));
        for (double value : {m.dynViscosity, m.density, m.conductivity, m.heatCapacity, m.expansionCoeff,
                             m.validTempMin, m.validTempMax, m.gasPressure, m.validPressureMin,
                             m.validPressureMax, m.gasConstant})
            add(value);
        for (const auto* coeffs : {&m.viscosityCoeffs, &m.densityCoeffs, &m.conductivityCoeffs,
                                   &m.heatCapacityCoeffs, &m.compressibilityCoeffs}) {
            for (double value : *coeffs)
                add(value);
        }
    } catch (const ConversionError&) {
        state << QStringLiteral("?");
    }
    return state;
}

} // namespace

QString designValueText(double value) { return QString::fromStdString(formatGeneral(value)); }

QString designResultText(DesignUnknown unknown, double value) {
    if (unknown == DesignUnknown::BodyTemperature || unknown == DesignUnknown::FluidTemperature)
        return QString::fromStdString(formatFixed(value, 10, 2));
    return QString::fromStdString(formatSignificant(value, 6));
}

DesignWindow::DesignWindow(Dialogs& dialogs, QWidget* parent) : QWidget(parent, Qt::Window), m_dialogs(dialogs) {
    setObjectName(QLatin1String(names::kWindow));
    setWindowTitle(QStringLiteral("Návrh"));
    setWindowFont(this);

    addLabel(this, QStringLiteral("Ostatné vstupy, tvar, tekutina a sálanie sa berú z hlavného okna."),
             QRect(12, 10, 400, 19));
    QLabel* heatFlowLabel = addLabel(this, QStringLiteral("Tepelný tok (W) :"), QRect(12, 40, 180, 19), true);
    m_heatFlow = addEdit(this, names::kHeatFlow, QString::fromUtf8(caseKey("design.heat_flow").startValue),
                         QRect(200, 38, 110, 21));
    describeField(m_heatFlow, heatFlowLabel, QStringLiteral("Tepelný tok (W)"),
                  QStringLiteral("Tepelný tok z povrchu do tekutiny vo W (záporný z tekutiny do telesa), napr. 40,5"));

    auto* frame = new QGroupBox(QStringLiteral("Neznáma"), this);
    frame->setObjectName(QLatin1String(names::kUnknownFrame));
    frame->setGeometry(12, 68, 300, 110);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        m_unknowns[i] = addRadioButton(frame, kDesignUnknownChoice[static_cast<std::size_t>(i)].control,
                                       QString::fromUtf8(kUnknownCells[i].caption), QRect(10, 20 + i * 21, 280, 19));
        group->addButton(m_unknowns[i]);
    }
    m_unknowns[0]->setChecked(true);
    // A value found answers one heat flow and one unknown only.
    connect(m_heatFlow, &QLineEdit::textChanged, this, &DesignWindow::clearResult);
    for (QRadioButton* choice : m_unknowns)
        connect(choice, &QRadioButton::toggled, this, &DesignWindow::clearResult);

    auto* calculateButton =
        addButton(this, names::kCalculateButton, QStringLiteral("&Vypočítaj"), QRect(320, 76, 110, 28));
    QFont bold = calculateButton->font();
    bold.setBold(true);
    calculateButton->setFont(bold);
    connect(calculateButton, &QPushButton::clicked, this, [this] { handle(&DesignWindow::calculate); });

    QLabel* resultLabel = addLabel(this, QStringLiteral("Výsledok :"), QRect(12, 192, 180, 19), true);
    m_result = addEdit(this, names::kResult, kNoResult, QRect(200, 190, 110, 21));
    m_result->setReadOnly(true);
    setBackground(m_result, kInfoBackground);
    describeField(m_result, resultLabel, QStringLiteral("Výsledok"), QString());

    auto* transferButton = addButton(this, names::kTransferButton, QStringLiteral("&Prenes do hlavného okna"),
                                     QRect(200, 222, 230, 26));
    connect(transferButton, &QPushButton::clicked, this, [this] { handle(&DesignWindow::transfer); });

    // Return computes from every control but "Prenes", which it presses.
    clickOnReturn(calculateButton, {m_heatFlow, m_result},
                  {m_unknowns[0], m_unknowns[1], m_unknowns[2], m_unknowns[3]});
    clickOnReturn(transferButton, {});
    resize(442, 262);
    setMinimumSize(size()); // its controls at fixed places: never clipped
    centreOnScreen(this);
}

void DesignWindow::handle(void (DesignWindow::*handler)()) {
    runHandler(m_dialogs, this, [this, handler] { (this->*handler)(); });
}

DesignUnknown DesignWindow::unknown() const {
    for (int i = 0; i < 4; ++i) {
        if (m_unknowns[i]->isChecked())
            return kUnknownCells[i].unknown;
    }
    return DesignUnknown::BodyTemperature;
}

void DesignWindow::setMainWindow(MainWindow* mainWindow) {
    m_mainWindow = mainWindow;
    const auto changed = [this] {
        if (!m_transferring)
            clearResult();
    };
    // The results are read-only; the emissivity only while the radiation is off.
    for (QLineEdit* edit : m_mainWindow->findChildren<QLineEdit*>()) {
        connect(edit, &QLineEdit::textChanged, this, [edit, changed] {
            if (!edit->isReadOnly())
                changed();
        });
    }
    for (QAbstractButton* button : m_mainWindow->findChildren<QAbstractButton*>()) {
        if (button->isCheckable())
            connect(button, &QAbstractButton::toggled, this, changed);
    }
}

QStringList DesignWindow::inputState() const {
    QStringList state{m_heatFlow->text(), QString::number(static_cast<int>(unknown()))};
    // The main window's inputs: its editable fields (the results are read-only, and so is the
    // emissivity while the radiation is off), its check boxes and its radio buttons.
    for (const QWidget* control : m_mainWindow->findChildren<QWidget*>()) {
        if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
            if (!edit->isReadOnly())
                state << edit->objectName() + QLatin1Char('=') + edit->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            if (button->isCheckable())
                state << button->objectName() + QLatin1String(button->isChecked() ? "=1" : "=0");
        }
    }
    const EvaluationInputs& inputs = m_mainWindow->evaluationInputs();
    if (inputs.fluidKind() == FluidKind::UserDefined)
        state << userFluidState(inputs);
    return state;
}

void DesignWindow::clearResult() {
    // A result taken away by a change is said so when "Prenes" asks for it.
    m_stale = m_stale || m_solved.has_value();
    m_solved.reset();
    m_solvedFrom.clear();
    m_result->setText(kNoResult);
}

void DesignWindow::calculate() {
    clearResult();
    m_stale = false;
    const double heatFlow = readNumber(m_heatFlow);
    const DesignUnknown sought = unknown();
    // The main window's inputs as "Vypočítaj" reads them, less the one sought.
    ConvectionState inputs;
    for (const UnknownCell& cell : kUnknownCells) {
        if (cell.unknown == sought)
            continue;
        const double value = readNumber(mainField(m_mainWindow, cell.unknown));
        switch (cell.unknown) {
        case DesignUnknown::BodyTemperature:
            inputs.tBody = value;
            break;
        case DesignUnknown::FluidTemperature:
            inputs.tFluid = value;
            break;
        case DesignUnknown::Area:
            inputs.area = value;
            break;
        case DesignUnknown::CharLength:
            inputs.charLength = value;
            break;
        }
    }
    if (sought == DesignUnknown::CharLength) {
        // Of several dimensions, the one nearest to the dimension typed; any other text means none.
        try {
            inputs.charLength = readNumber(mainField(m_mainWindow, sought));
        } catch (const ConversionError&) {
            inputs.charLength = 0;
        }
    }
    const QStringList from = inputState();
    DesignSolution solution;
    try {
        solution = solveSteadyState(inputs, m_mainWindow->evaluationInputs(), sought, heatFlow);
    } catch (const FieldConversionError& error) {
        // The KELO tab's fields hold "xxx" until a coefficient file is loaded.
        QLineEdit* field = error.field();
        if (field == nullptr || field->text() != QLatin1String("xxx"))
            throw;
        throw FieldConversionError(
            ConversionError(ConversionError::Explained{
                "Súbor koeficientov KELO nie je načítaný: pole tekutiny KELO obsahuje 'xxx'. Načítajte ho tlačidlom "
                "„Load“ na záložke KELO okna „Vlastný materiál“ alebo zvoľte inú aproximáciu."}),
            field);
    }
    if (!solution.solved) {
        m_dialogs.showMessage(QString::fromStdString(solution.message));
        m_mainWindow->reporter().setStatusText(solution.statusText);
        return;
    }
    m_solved = solution.value;
    m_solvedUnknown = sought;
    m_solvedFrom = from;
    m_result->setText(designResultText(sought, solution.value));
    m_result->setCursorPosition(0);
    for (const std::string& warning : solution.warnings)
        m_dialogs.showMessage(QString::fromStdString(warning));
}

void DesignWindow::transfer() {
    if (m_solved && inputState() != m_solvedFrom)
        clearResult();
    if (!m_solved) {
        m_dialogs.showMessage(m_stale ? QStringLiteral("Vstupy sa od výpočtu zmenili; vypočítajte návrh znova (Vypočítaj).")
                                      : QStringLiteral("Najprv vypočítajte návrh (Vypočítaj)."));
        return;
    }
    QLineEdit* field = mainField(m_mainWindow, m_solvedUnknown);
    m_transferring = true;
    field->setText(designValueText(*m_solved));
    m_transferring = false;
    field->setCursorPosition(0);
    showWindow(m_mainWindow);
    m_mainWindow->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    // The main window now holds the value found: carrying it over again changes nothing.
    m_solvedFrom = inputState();
}

} // namespace zav
