// SPDX-License-Identifier: GPL-3.0-or-later
// "Form9": an empty window that the menu "Peltier" shows.
#pragma once

#include <QWidget>

namespace zav {

class Form9 : public QWidget {
    Q_OBJECT
public:
    explicit Form9(QWidget* parent = nullptr);
};

} // namespace zav
