// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/peltier_window.h"

namespace zav {

namespace {

// The object name of the window, as scenario scripts and transcripts know it (the seed's name).
namespace names {
constexpr char kWindow[] = "Form9";
} // namespace names

} // namespace

PeltierWindow::PeltierWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QLatin1String(names::kWindow));
    setWindowTitle(QLatin1String(names::kWindow));
    setGeometry(192, 114, 832, 614);
}

} // namespace zav
