// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form6.h"

#include <QLineEdit>

#include "ui/window_util.h"

namespace zav {

Form6::Form6(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Rozsah"));
    setWindowFont(this);
    addLabel(this, QStringLiteral("Minimálna teplota povrchu (°C) :"), QRect(12, 14, 240, 19), true);
    m_edit1 = addEdit(this, "Edit1", QStringLiteral("0"), QRect(262, 12, 110, 21));
    addLabel(this, QStringLiteral("Maximálna teplota povrchu (°C) :"), QRect(12, 54, 240, 19), true);
    m_edit2 = addEdit(this, "Edit2", QStringLiteral("100"), QRect(262, 52, 110, 21));
    addLabel(this, QStringLiteral("Krok (°C) :"), QRect(12, 94, 240, 19), true);
    m_edit3 = addEdit(this, "Edit3", QStringLiteral("5"), QRect(262, 92, 110, 21));
    setGeometry(330, 240, 386, 136);
}

SweepRange Form6::readRange() const {
    SweepRange range;
    range.tMin = readNumber(m_edit1);
    range.tMax = readNumber(m_edit2);
    range.tStep = readNumber(m_edit3);
    return range;
}

} // namespace zav
