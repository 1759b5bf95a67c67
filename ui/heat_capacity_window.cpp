// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form5.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui/window_util.h"

namespace zav {

Form5::Form5(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Tepelná kapacita materiálu"));
    setWindowFont(this);

    auto* kinds = new QButtonGroup(this);
    auto radio = [&](const char* name, const QString& text, const QRect& geometry) {
        QRadioButton* button = addRadioButton(this, name, text, geometry);
        kinds->addButton(button);
        return button;
    };
    m_radioButton2 = radio("RadioButton2", QStringLiteral("Nastaviť konštantnú hodnotu"), QRect(12, 12, 200, 20));
    m_radioButton2->setChecked(true);
    m_edit1 = addEdit(this, "Edit1", QStringLiteral("1000"), QRect(220, 11, 90, 21));
    m_radioButton4 = radio("RadioButton4",
                           QStringLiteral("Nastaviť ako funkciu teploty v kubickom tvare   (t je v °C) :"),
                           QRect(12, 44, 420, 20));
    // One row that reads a·1 + b·t + c·t² + d·t³.
    static const char* const names[4] = {"Edit2", "Edit3", "Edit4", "Edit5"};
    static const char* const defaults[4] = {"1000", "0", "0", "0"};
    static const char* const powers[4] = {"*1", "*t", "*t2", "*t3"};
    for (int i = 0; i < 4; ++i) {
        const int x = 30 + i * 112;
        addLabel(this, QString::fromLatin1(powers[i]), QRect(x + 24, 68, 40, 16));
        m_edits[i] = addEdit(this, names[i], QString::fromLatin1(defaults[i]), QRect(x, 86, 80, 21));
        if (i < 3)
            addLabel(this, QStringLiteral("+"), QRect(x + 88, 88, 16, 17));
    }
    m_radioButton3 = radio("RadioButton3", QStringLiteral("Uhlíková oceľ"), QRect(12, 122, 200, 20));
    m_radioButton1 = radio("RadioButton1", QStringLiteral("17 246"), QRect(12, 148, 200, 20));
    // The constant's field stays usable whatever the choice; choosing the constant makes sure of it.
    connect(m_radioButton2, &QRadioButton::clicked, m_edit1, [this] { m_edit1->setEnabled(true); });

    auto* ok = addButton(this, "Button1", QStringLiteral("OK"), QRect(200, 180, 90, 26));
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
    setGeometry(300, 200, 490, 218);
}

HeatCapacityModel Form5::readHeatCapacityModel() const {
    HeatCapacityModel model;
    if (m_radioButton2->isChecked()) {
        model.kind = HeatCapacityKind::Constant;
        model.constant = readNumber(m_edit1);
    } else if (m_radioButton4->isChecked()) {
        model.kind = HeatCapacityKind::Cubic;
        model.a = readNumber(m_edits[0]);
        model.b = readNumber(m_edits[1]);
        model.c = readNumber(m_edits[2]);
        model.d = readNumber(m_edits[3]);
    } else if (m_radioButton3->isChecked()) {
        model.kind = HeatCapacityKind::CarbonSteel;
    } else {
        model.kind = HeatCapacityKind::Grade17246;
    }
    return model;
}

} // namespace zav
