// SPDX-License-Identifier: GPL-3.0-or-later
// Printing a window: the printer set-up dialog, then one page with an image of the window's
// client area at its top left, at about the size the window has on the screen, or smaller when
// the page is: fitted into the printable area in the orientation that gives the larger picture,
// keeping its proportions. Printed into a file, the page goes to a temporary file beside it
// (ReplacingFile) that replaces the old file only when the whole page is in it.
#pragma once

class QMainWindow;
class QPrinter;
class QString;

namespace zav {

class Dialogs;

/// Prints the window's area below its menu bar; nothing when the set-up dialog is cancelled, a
/// message when the printer or the file cannot take the page (an old file then stays as it was).
/// A file is refused, as by the other writers, when it exists and is read-only.
void printWindow(QMainWindow* window, Dialogs& dialogs);

/// The Slovak message of a print that failed on `printer`.
QString printFailureMessage(const QPrinter& printer);

} // namespace zav
