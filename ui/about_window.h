// SPDX-License-Identifier: GPL-3.0-or-later
// "O programe ZAV - voľná konvekcia": a description of the program in an editable text field
// (what is typed there is not kept beyond the window).
#pragma once

#include <QWidget>

namespace zav {

class Form4 : public QWidget {
    Q_OBJECT
public:
    explicit Form4(QWidget* parent = nullptr);
};

} // namespace zav
