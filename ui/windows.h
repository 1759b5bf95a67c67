// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows, created once at start-up in their fixed order and alive until the
// program ends. Only the main window is shown at start-up; the others are shown on demand.
#pragma once

#include <functional>
#include <memory>

#include <QList>

class QWidget;

namespace zav {

class Dialogs;
class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class Form6;
class Form7;
class Form8;
class Form9;

struct Windows {
    std::unique_ptr<Form1> form1;
    std::unique_ptr<Form2> form2;
    std::unique_ptr<Form3> form3;
    std::unique_ptr<Form4> form4;
    std::unique_ptr<Form5> form5;
    std::unique_ptr<Form6> form6;
    std::unique_ptr<Form7> form7;
    std::unique_ptr<Form8> form8;
    std::unique_ptr<Form9> form9;

    Windows();
    ~Windows();
    Windows(Windows&&) noexcept;
    Windows& operator=(Windows&&) noexcept;

    /// Every window created so far, in the order of creation.
    QList<QWidget*> all() const;
};

/// Creates the windows in their start-up order and links the menus to them; shows none.
Windows createWindows(Dialogs& dialogs);

/// Creates the windows after the main window in their order (once; nothing when they exist).
void createRemainingWindows(Windows& windows, Dialogs& dialogs);

/// zav's start-up: the main window is created and shown; the other windows are created, in their
/// order, as soon as it has been painted for the first time, or sooner when one of its handlers
/// runs. Nothing the user can do reaches a window before it exists.
std::unique_ptr<Windows> startWindows(Dialogs& dialogs);

} // namespace zav
