// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/heat_capacity_window.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "io/case_inputs.h"
#include "ui/window_util.h"

namespace zav {

namespace {

// The object names of the window and its controls by role, as scenario scripts and transcripts
// know them; the models' radio buttons are their choice's (RadioButton2 is the constant).
namespace names {
constexpr char kWindow[] = "Form5";
constexpr char kOkButton[] = "Button1";
} // namespace names

// The radio button of a model.
const char* button(HeatCapacityKind kind) { return kHeatCapacityChoice[static_cast<std::size_t>(kind)].control; }

} // namespace

HeatCapacityWindow::HeatCapacityWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QLatin1String(names::kWindow));
    setWindowTitle(QStringLiteral("Tepelná kapacita materiálu"));
    setWindowFont(this);

    auto* kinds = new QButtonGroup(this);
    auto radio = [&](const char* name, const QString& text, const QRect& geometry) {
        QRadioButton* button = addRadioButton(this, name, text, geometry);
        kinds->addButton(button);
        return button;
    };
    m_constant = radio(button(HeatCapacityKind::Constant), QStringLiteral("Nastaviť konštantnú hodnotu"), QRect(12, 12, 200, 20));
    m_constant->setChecked(true);
    m_constantValue = addInputEdit(this, "heat_capacity.constant", QRect(220, 11, 90, 21));
    describeField(m_constantValue, nullptr, QStringLiteral("Konštantná tepelná kapacita (J.kg-1.K-1)"),
                  QStringLiteral("Merná tepelná kapacita materiálu v J·kg⁻¹·K⁻¹, napr. 460,5"));
    m_cubic = radio(button(HeatCapacityKind::Cubic), QStringLiteral("Nastaviť ako funkciu teploty v kubickom tvare   (t je v °C) :"),
                    QRect(12, 44, 420, 20));
    // One row that reads a·1 + b·t + c·t² + d·t³.
    static const char* const powers[4] = {"*1", "*t", "*t2", "*t3"};
    for (int i = 0; i < 4; ++i) {
        const int x = 30 + i * 112;
        addLabel(this, QString::fromLatin1(powers[i]), QRect(x + 24, 68, 40, 16));
        const std::string key = "heat_capacity.cubic." + std::to_string(i);
        m_cubicCoefficients[i] = addInputEdit(this, key.c_str(), QRect(x, 86, 80, 21));
        static const char* const letters[4] = {"a", "b", "c", "d"};
        describeField(m_cubicCoefficients[i], nullptr,
                      QStringLiteral("Koeficient %1 (%2)").arg(QLatin1String(letters[i]), QLatin1String(powers[i])),
                      QStringLiteral("Koeficient %1 funkcie a + b·t + c·t² + d·t³ (t v °C, výsledok v J·kg⁻¹·K⁻¹), "
                                     "napr. 0,25")
                          .arg(QLatin1String(letters[i])));
        if (i < 3)
            addLabel(this, QStringLiteral("+"), QRect(x + 88, 88, 16, 17));
    }
    m_carbonSteel = radio(button(HeatCapacityKind::CarbonSteel), QStringLiteral("Uhlíková oceľ"), QRect(12, 122, 200, 20));
    m_steel17246 = radio(button(HeatCapacityKind::Grade17246), QStringLiteral("17 246"), QRect(12, 148, 200, 20));
    // The constant's field stays usable whatever the choice; choosing the constant makes sure of it.
    connect(m_constant, &QRadioButton::clicked, m_constantValue, [this] { m_constantValue->setEnabled(true); });

    auto* ok = addButton(this, names::kOkButton, QStringLiteral("&OK"), QRect(200, 180, 90, 26));
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
    setGeometry(300, 200, 490, 218);
    setMinimumSize(size()); // its controls at fixed places: never clipped
}

HeatCapacityModel HeatCapacityWindow::readHeatCapacityModel() const {
    HeatCapacityModel model;
    if (m_constant->isChecked()) {
        model.kind = HeatCapacityKind::Constant;
        model.constant = readNumber(m_constantValue);
    } else if (m_cubic->isChecked()) {
        model.kind = HeatCapacityKind::Cubic;
        model.a = readNumber(m_cubicCoefficients[0]);
        model.b = readNumber(m_cubicCoefficients[1]);
        model.c = readNumber(m_cubicCoefficients[2]);
        model.d = readNumber(m_cubicCoefficients[3]);
    } else if (m_carbonSteel->isChecked()) {
        model.kind = HeatCapacityKind::CarbonSteel;
    } else {
        model.kind = HeatCapacityKind::Grade17246;
    }
    return model;
}

} // namespace zav
