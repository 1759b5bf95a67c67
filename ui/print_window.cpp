// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/print_window.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>

#include "ui/dialogs.h"

namespace zav {

void printWindow(QMainWindow* window, Dialogs& dialogs) {
    QPrinter printer(QPrinter::HighResolution);
    if (!dialogs.setUpPrinter(printer))
        return;
    const int top = window->menuBar() != nullptr ? window->menuBar()->height() : 0;
    const QPixmap image = window->grab(QRect(0, top, window->width(), window->height() - top));
    QPainter painter;
    if (image.isNull() || !painter.begin(&printer)) {
        dialogs.showMessage(printFailureMessage(printer));
        return;
    }
    // Scale from screen pixels to printer dots so the page shows the window at its screen size.
    const qreal scale = qreal(printer.resolution()) / window->logicalDpiX();
    painter.scale(scale, scale);
    painter.drawPixmap(0, 0, image);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        dialogs.showMessage(printFailureMessage(printer));
}

QString printFailureMessage(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return QStringLiteral("Tlač do súboru „%1“ sa nepodarila: súbor sa nedá vytvoriť ani zapísať.")
            .arg(printer.outputFileName());
    return QStringLiteral("Tlač sa nepodarila: tlačiareň „%1“ nie je dostupná.").arg(printer.printerName());
}

} // namespace zav
