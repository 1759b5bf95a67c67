// SPDX-License-Identifier: GPL-3.0-or-later
// Printing a window: the printer set-up dialog, then one page with a header line (the case, the
// date and time, the program and its version) over the window's inside below its menu bar, drawn
// by the controls themselves at the printer's resolution (text and lines stay sharp), at its top
// left, at about the size the window has on the screen, or smaller when the page is: fitted into
// the printable area in the orientation that gives the larger page, keeping its proportions. The
// whole inside is printed, also where a window made smaller scrolls. Printed into a file, the page
// goes to a temporary file beside it (ReplacingFile) that replaces the old file only when the
// whole page is in it.
#pragma once

class QDateTime;
class QMainWindow;
class QPainter;
class QPrinter;
class QRectF;
class QSizeF;
class QString;

namespace zav {

class Dialogs;

/// Prints the window's area below its menu bar; nothing when the set-up dialog is cancelled, a
/// message when the printer or the file cannot take the page (an old file then stays as it was).
/// A file is refused, as by the other writers, when it exists and is read-only.
void printWindow(QMainWindow* window, Dialogs& dialogs, const QString& header);

/// The header line of a printed page: "Zadanie: NAME.zav", "bez názvu" without a case file, the
/// date and time, "ZAV - voľná konvekcia, verzia" and the version (as the calculation report's head).
QString printHeader(const QString& caseName, const QDateTime& when);

/// The size a printed window takes, in screen pixels: the header line over the window's inside.
QSizeF printedSize(QMainWindow* window);
/// Paints the header line and the window's inside from the top left of `area` (the painter's
/// device units), `scale` device units a screen pixel.
void paintWindowPage(QPainter& painter, QMainWindow* window, const QString& header, const QRectF& area, double scale);

/// The Slovak message of a print that failed on `printer`.
QString printFailureMessage(const QPrinter& printer);

} // namespace zav
