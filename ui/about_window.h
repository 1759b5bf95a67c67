// SPDX-License-Identifier: GPL-3.0-or-later
// "O programe ZAV - voľná konvekcia": a description of the program in an editable text field
// (what is typed there is not kept beyond the window).
#pragma once

#include <QWidget>

namespace zav {

class AboutWindow : public QWidget {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);
};

} // namespace zav
