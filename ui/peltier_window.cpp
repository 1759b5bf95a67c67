// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form9.h"

namespace zav {

Form9::Form9(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Form9"));
    setGeometry(192, 114, 832, 614);
}

} // namespace zav
