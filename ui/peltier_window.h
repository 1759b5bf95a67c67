// SPDX-License-Identifier: GPL-3.0-or-later
// The Peltier window: an empty window that the menu "Peltier" shows, captioned with its object
// name.
#pragma once

#include <QWidget>

namespace zav {

class PeltierWindow : public QWidget {
    Q_OBJECT
public:
    explicit PeltierWindow(QWidget* parent = nullptr);
};

} // namespace zav
