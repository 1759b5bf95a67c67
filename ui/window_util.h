// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows share: fixed-position controls as the window layouts place them, the colours
// of the layouts, showing and centring windows, and number parsing of field texts.
#pragma once

#include <functional>
#include <string>

#include <QColor>
#include <QList>
#include <QPointer>
#include <QScrollArea>
#include <QRect>
#include <QString>

#include "core/number_format.h"

class QAction;
class QByteArray;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
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
/// The edit of the input `key` of the table of the inputs: its object name and start-up text
/// from there.
QLineEdit* addInputEdit(QWidget* parent, const char* key, const QRect& geometry);
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

/// Places a top-level window in the middle of its screen's available area, its title bar on it.
void centreOnScreen(QWidget* window);
/// Resizes a top-level window to `size`, or smaller where its screen's available area (less a
/// title bar and borders) is smaller.
void resizeToScreen(QWidget* window, QSize size);
/// `size`, or smaller where `available` (less a title bar and borders) is smaller.
QSize sizeOnScreen(QSize size, const QRect& available);
/// A scroll area without a frame showing `content`, a window's inside laid out at fixed places:
/// `content` keeps at least its present size, so that a window made smaller scrolls instead of
/// clipping its controls.
QScrollArea* scrollingInside(QWidget* content, QWidget* parent);
/// Moves (and if need be shrinks) a top-level window so that it is whole on its screen's available
/// area with its title bar.
void keepOnScreen(QWidget* window);
/// Tab enters each group of radio buttons of `window` at its checked button (the arrow keys move
/// within the group, and the next Tab leaves it), as the user's choice is what matters there.
void tabToCheckedRadioButtons(QWidget* window);
/// Names each group box and menu of `window` for screen readers by its own title (a group box
/// within another would otherwise take the outer one's, and a menu has none).
void nameGroupsAndMenus(QWidget* window);
/// Makes a window visible and brings it to the front, as it was when last hidden.
void showWindow(QWidget* window);

struct FileDialogOptions;
class Dialogs;

/// Switches an output on or off and sets the check mark of its menu item; switching it on asks
/// for its file (Cancel keeps the switch on and the earlier name).
void toggleOutput(bool& on, QAction* item, QString& fileName, Dialogs& dialogs, const FileDialogOptions& options);

/// Writes a picture's `bytes` to the file `name` through the safe file replacement. A file that
/// cannot be replaced gets its message, and so do bytes that are empty or not all written (the
/// text of `notWritten`); the old file then stays as it was.
void writePictureFile(const QString& name, const QByteArray& bytes, Dialogs& dialogs,
                      std::string (*notWritten)(const std::string& name));

/// A file name as the file system takes it (the bytes the core's writers open). A name that came
/// from bytes that are not UTF-8 (fileNameFromBytes) gives those bytes back.
std::string fileNameBytes(const QString& name);
/// The name of the file at `bytes`: UTF-8 decoded, each byte that is not part of valid UTF-8 kept
/// as the lone surrogate U+DC80 … U+DCFF (as Python's "surrogateescape"), so that the name
/// reaches the same file again.
QString fileNameFromBytes(const std::string& bytes);

/// A field text that is not a number, with the field that holds it: once its message has been
/// shown, the field takes the keyboard focus with its text selected, so that it can be retyped.
class FieldConversionError : public ConversionError {
public:
    FieldConversionError(const ConversionError& error, QLineEdit* field);
    /// The field, or nullptr when it no longer exists.
    QLineEdit* field() const;

private:
    QPointer<QObject> m_field;
};

/// The number in an edit's current text; throws FieldConversionError when it is not one.
double readNumber(const QLineEdit* edit);

/// Gives the field the keyboard focus with its whole text selected (its window to the front when
/// it is shown).
void focusField(QLineEdit* field);

/// Return and keypad Enter in any of `fields`, on any of `controls` (check boxes, radio buttons)
/// or on `button` itself, click `button`.
void clickOnReturn(QPushButton* button, const QList<QLineEdit*>& fields,
                   const QList<QWidget*>& controls = {});

/// Escape closes (hides) the tool window `window`.
void closeOnEscape(QWidget* window);

/// Names an input field for assistive technology and the keyboard: `label` becomes its buddy,
/// `name` its accessible name and `toolTip` what it takes.
void describeField(QLineEdit* field, QLabel* label, const QString& name, const QString& toolTip);

} // namespace zav
