// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/range_window.h"

#include <QLabel>
#include <QLineEdit>

#include "ui/window_util.h"

namespace zav {

namespace {

// The object names of the window and its fields, as scenario scripts and transcripts know them
// (the seed's names).
namespace names {
constexpr char kWindow[] = "Form6";
} // namespace names

} // namespace

RangeWindow::RangeWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QLatin1String(names::kWindow));
    setWindowTitle(QStringLiteral("Rozsah"));
    setWindowFont(this);
    QLabel* label = addLabel(this, QStringLiteral("Minimálna teplota povrchu (°C) :"), QRect(12, 14, 240, 19), true);
    m_minimum = addInputEdit(this, "range.from", QRect(262, 12, 110, 21));
    describeField(m_minimum, label, QStringLiteral("Minimálna teplota povrchu (°C)"),
                  QStringLiteral("Prvá teplota povrchu tabuľky a grafu v °C, napr. 20,5"));
    label = addLabel(this, QStringLiteral("Maximálna teplota povrchu (°C) :"), QRect(12, 54, 240, 19), true);
    m_maximum = addInputEdit(this, "range.to", QRect(262, 52, 110, 21));
    describeField(m_maximum, label, QStringLiteral("Maximálna teplota povrchu (°C)"),
                  QStringLiteral("Posledná teplota povrchu tabuľky a grafu v °C, napr. 150,5"));
    label = addLabel(this, QStringLiteral("Krok (°C) :"), QRect(12, 94, 240, 19), true);
    m_step = addInputEdit(this, "range.step", QRect(262, 92, 110, 21));
    describeField(m_step, label, QStringLiteral("Krok (°C)"),
                  QStringLiteral("Krok teploty povrchu medzi riadkami tabuľky v °C, napr. 2,5"));
    setGeometry(330, 240, 386, 136);
    setMinimumSize(size()); // its controls at fixed places: never clipped
}

SweepRange RangeWindow::readRange() const {
    SweepRange range;
    range.tMin = readNumber(m_minimum);
    range.tMax = readNumber(m_maximum);
    range.tStep = readNumber(m_step);
    return range;
}

} // namespace zav
