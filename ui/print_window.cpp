// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/print_window.h"

#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QDateTime>
#include <QScrollArea>
#include <QStatusBar>

#include "export/replacing_file.h"
#include "ui/dialogs.h"
#include "ui/window_util.h"

#include <algorithm>

namespace zav {

namespace {

// Whether the PDF at `path` is whole. Qt's PDF writer does not report a failed write (a full
// disk), but the bytes it lost move its cross-reference table away from the offset that the
// file's last lines give, or take those lines with them.
bool isCompletePdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    const qsizetype start = bytes.lastIndexOf("\nstartxref\n");
    if (!bytes.startsWith("%PDF-") || start < 0 || !bytes.trimmed().endsWith("%%EOF"))
        return false;
    const qsizetype numberStart = start + qsizetype(sizeof("\nstartxref\n") - 1);
    bool ok = false;
    const qlonglong offset =
        bytes.mid(numberStart, bytes.indexOf('\n', numberStart) - numberStart).trimmed().toLongLong(&ok);
    return ok && offset >= 0 && offset < bytes.size() && bytes.mid(offset, 4) == "xref";
}

// The scale of a picture of `size` fitted into `area`, at most `largest`.
qreal fittedScale(QSizeF size, QSizeF area, qreal largest) {
    return std::min({largest, area.width() / size.width(), area.height() / size.height()});
}

// Turns the page to the orientation in which a picture of `size` (screen pixels) comes out
// larger (the one chosen stays when both give the same) and returns where on the page, in printer
// dots from the printable area's top left, the picture goes: at its top left, scaled down to the
// printable area when it is larger, keeping its proportions, never beyond `largest` dots a pixel.
QRectF placeOnPage(QPrinter& printer, QSizeF size, qreal largest) {
    if (size.isEmpty())
        return QRectF();
    const QPageLayout::Orientation chosen = printer.pageLayout().orientation();
    const QPageLayout::Orientation other =
        chosen == QPageLayout::Portrait ? QPageLayout::Landscape : QPageLayout::Portrait;
    const qreal chosenScale = fittedScale(size, printer.pageRect(QPrinter::DevicePixel).size(), largest);
    printer.setPageOrientation(other);
    const qreal otherScale = fittedScale(size, printer.pageRect(QPrinter::DevicePixel).size(), largest);
    if (otherScale <= chosenScale)
        printer.setPageOrientation(chosen);
    const qreal scale = std::max(chosenScale, otherScale);
    return QRectF(QPointF(0, 0), size * scale);
}

} // namespace

namespace {

// The parts of the window a page shows, from the top: its whole inside (a scrolling one's content,
// not what shows of it) and its status bar.
QList<QWidget*> printedParts(QMainWindow* window) {
    QList<QWidget*> parts;
    QWidget* inside = window->centralWidget();
    if (auto* area = qobject_cast<QScrollArea*>(inside); area != nullptr && area->widget() != nullptr)
        inside = area->widget();
    if (inside != nullptr)
        parts << inside;
    if (QStatusBar* bar = window->findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
        bar != nullptr && bar->isVisibleTo(window))
        parts << bar;
    return parts;
}

constexpr int kPrintDpi = 300;

int headerHeight(const QWidget* window) { return window->fontMetrics().height() + 10; }

} // namespace

QString printHeader(const QString& caseName, const QDateTime& when) {
    return QStringLiteral("Zadanie: %1    %2    ZAV - voľná konvekcia, verzia %3")
        .arg(caseName.isEmpty() ? QStringLiteral("bez názvu") : caseName,
             when.toString(QStringLiteral("d. M. yyyy H:mm")), QStringLiteral(ZAV_VERSION));
}

QSizeF printedSize(QMainWindow* window) {
    QSizeF size(0, headerHeight(window));
    for (QWidget* part : printedParts(window)) {
        size.setWidth(std::max<qreal>(size.width(), part->width()));
        size.setHeight(size.height() + part->height());
    }
    return size;
}

void paintWindowPage(QPainter& painter, QMainWindow* window, const QString& header, const QRectF& area, double scale) {
    painter.save();
    painter.translate(area.topLeft());
    painter.scale(scale, scale);
    const qreal width = printedSize(window).width();
    painter.setFont(window->font());
    painter.setPen(Qt::black);
    const int height = headerHeight(window);
    painter.fillRect(QRectF(0, 0, width, height), Qt::white);
    painter.drawText(QRectF(0, 0, width, height - 4), Qt::AlignLeft | Qt::AlignVCenter, header);
    painter.drawLine(QPointF(0, height - 3), QPointF(width, height - 3));
    int top = height;
    for (QWidget* part : printedParts(window)) {
        // Each control draws itself anew at the painter's resolution (Qt draws a window on a
        // printer through a picture in the printer's own dots).
        part->render(&painter, QPoint(0, top), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
        top += part->height();
    }
    painter.restore();
}

void printWindow(QMainWindow* window, Dialogs& dialogs, const QString& header) {
    QPrinter printer(QPrinter::HighResolution);
    if (!dialogs.setUpPrinter(printer))
        return;
    // The controls are drawn as a picture in the printer's dots: 300 dpi is sharp on paper and
    // when zoomed, and keeps that picture of a page within some 30 MB.
    if (printer.resolution() > kPrintDpi)
        printer.setResolution(kPrintDpi);
    // A file is printed beside itself and put in its place only when the whole page is in it.
    const QString target = printer.outputFileName();
    ReplacingFile file;
    if (!target.isEmpty()) {
        if (!file.open(fileNameBytes(target))) {
            dialogs.showMessage(file.failure() == ReplacingFile::Failure::ReadOnly
                                    ? QString::fromStdString(openFailureMessage(file.failure(), target.toStdString()))
                                    : printFailureMessage(printer));
            return;
        }
        printer.setOutputFileName(QFile::decodeName(QByteArray::fromStdString(file.temporaryPath())));
    }
    const QSizeF size = printedSize(window);
    QPainter painter;
    bool printed = !size.isEmpty();
    QRectF placed;
    if (printed) {
        // At most the window's screen size (screen pixels to printer dots), less where the page
        // is smaller, in the orientation that gives the larger page.
        const qreal screenSize = qreal(printer.resolution()) / window->logicalDpiX();
        placed = placeOnPage(printer, size, screenSize);
        printed = painter.begin(&printer);
    }
    if (printed) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        paintWindowPage(painter, window, header, placed, placed.width() / size.width());
        printed = painter.end() && printer.printerState() != QPrinter::Error;
    }
    if (target.isEmpty()) {
        if (!printed)
            dialogs.showMessage(printFailureMessage(printer));
        return;
    }
    const QString written = printer.outputFileName();
    printer.setOutputFileName(target);
    if (!printed) {
        dialogs.showMessage(printFailureMessage(printer));
        return;
    }
    if (!isCompletePdf(written) || !file.close())
        dialogs.showMessage(QString::fromStdString(notWrittenMessage(target.toStdString())));
}

QString printFailureMessage(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return QStringLiteral("Tlač do súboru „%1“ sa nepodarila: súbor sa nedá vytvoriť ani zapísať.")
            .arg(printer.outputFileName());
    return QStringLiteral("Tlač sa nepodarila: tlačiareň „%1“ nie je dostupná.").arg(printer.printerName());
}

} // namespace zav
