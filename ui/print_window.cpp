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
    if (!painter.begin(&printer))
        return;
    // Scale from screen pixels to printer dots so the page shows the window at its screen size.
    const qreal scale = qreal(printer.resolution()) / window->logicalDpiX();
    painter.scale(scale, scale);
    painter.drawPixmap(0, 0, image);
    painter.end();
}

} // namespace zav
