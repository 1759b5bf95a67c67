// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/report_export.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <ctime>

#include "export/calculation_report.h"
#include "export/replacing_file.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/window_util.h"

namespace zav {

namespace {

const FileDialogOptions kReportDialog{QStringLiteral("PDF|*.pdf|HTML|*.html *.htm"), QStringLiteral(".pdf")};

} // namespace

QByteArray reportPdf(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    pdf.setCreator(QStringLiteral("ZAV"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                                  QPageLayout::Millimeter));
    document.print(&pdf);
    return bytes;
}

void writeCalculationReport(Dialogs& dialogs, const MainWindow& window, const QString& caseFile) {
    // The fields in the order "Vypočítaj" reads them: the emissivity, the four main inputs.
    ConvectionState start;
    start.emissivity = window.evaluationInputs().emissivity();
    const StartInputs main = window.readMainWindowInputs();
    start.tBody = main.tBody;
    start.tFluid = main.tFluid;
    start.charLength = main.charLength;
    start.area = main.area;
    const CalculationReport report = calculationReport(start, window.evaluationInputs());

    const std::optional<QString> name = dialogs.saveFileName(kReportDialog);
    if (!name)
        return;
    const QString suffix = QFileInfo(*name).suffix().toLower();
    const bool pdf = suffix == QLatin1String("pdf");
    if (!pdf && suffix != QLatin1String("html") && suffix != QLatin1String("htm")) {
        dialogs.showMessage(QStringLiteral("Správa sa ukladá do súboru PDF alebo HTML; meno „%1“ nemá príponu "
                                           ".pdf, .html ani .htm.")
                                .arg(*name));
        return;
    }
    const ReportHeader header{caseFile.isEmpty() ? kUnnamedCase : QFileInfo(caseFile).fileName().toStdString(),
                              reportDateTime(std::time(nullptr)), ZAV_VERSION};
    const std::string html = reportHtml(report, header);
    writePictureFile(*name, pdf ? reportPdf(QString::fromStdString(html)) : QByteArray::fromStdString(html), dialogs,
                     notWrittenMessage);
}

} // namespace zav
