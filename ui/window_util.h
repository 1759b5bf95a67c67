// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows share: fixed-position controls as the window layouts place them, the colours
// of the layouts, showing and centring windows, and number parsing of field texts.
#pragma once

#include <functional>
#include <string>

#include <QColor>
#include <QRect>
#include <QString>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace zav {

/// Background of read-only result fields (the tool-tip colour).
inline const QColor kInfoBackground(255, 255, 225);
/// Background of an edit that may not be typed into.
inline const QColor kSilver(192, 192, 192);
/// Background of an ordinary edit.
inline const QColor kWindowBackground(255, 255, 255);

QLabel* addLabel(QWidget* parent, const QString& text, const QRect& geometry, bool bold = false);
QLineEdit* addEdit(QWidget* parent, const char* name, const QString& text, const QRect& geometry);
QRadioButton* addRadioButton(QWidget* parent, const char* name, const QString& text, const QRect& geometry);
QCheckBox* addCheckBox(QWidget* parent, const char* name, const QString& text, const QRect& geometry);
QPushButton* addButton(QWidget* parent, const char* name, const QString& text, const QRect& geometry);

void setBackground(QWidget* widget, const QColor& colour);
QColor background(const QWidget* widget);

/// The windows' font: the toolkit's own, 11 pixels high.
void setWindowFont(QWidget* window);

/// A menu item named `name` in `menu` (a menu or a menu bar) that runs `handler` when chosen; a
/// null handler leaves it disabled.
QAction* addMenuItem(QWidget* menu, const char* name, const QString& text, const std::function<void()>& handler);

/// Places a top-level window in the middle of its screen's available area.
void centreOnScreen(QWidget* window);
/// Makes a window visible and brings it to the front, as it was when last hidden.
void showWindow(QWidget* window);

struct FileDialogOptions;
class Dialogs;

/// Switches an output on or off and sets the check mark of its menu item; switching it on asks
/// for its file (Cancel keeps the switch on and the earlier name).
void toggleOutput(bool& on, QAction* item, QString& fileName, Dialogs& dialogs, const FileDialogOptions& options);

/// A file name as the file system takes it (the bytes the core's writers open).
std::string fileNameBytes(const QString& name);

/// The number in an edit's current text; throws ConversionError when it is not one.
double readNumber(const QLineEdit* edit);

} // namespace zav
