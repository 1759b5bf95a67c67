// SPDX-License-Identifier: GPL-3.0-or-later
// "Súbor → Správa o výpočte…": the calculation report (export/calculation_report.h) of the case
// the main window's fields hold now, written as its HTML page, or for a name ending in ".pdf"
// that page laid out on A4 pages.
#pragma once

#include <QByteArray>
#include <QString>

namespace zav {

class Dialogs;
class MainWindow;

/// Calculates the report of the main window's fields as "Vypočítaj" reads them (a field that is
/// not a number throws ConversionError before anything is asked or written), asks for the file
/// and writes it. `caseFile` names the case in the report; empty for a case never saved or opened.
/// The main window's results stay as they are.
void writeCalculationReport(Dialogs& dialogs, const MainWindow& window, const QString& caseFile);

/// The page `html` as a PDF document of A4 pages with margins of 20 mm.
QByteArray reportPdf(const QString& html);

} // namespace zav
