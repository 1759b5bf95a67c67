// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/correlations_window.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/number_format.h"
#include "core/surface_shapes.h"
#include "ui/window_util.h"

namespace zav {

namespace {

// The object names of the window and its table, as scenario scripts and transcripts know them.
namespace names {
constexpr char kWindow[] = "Form11";
constexpr char kTable[] = "Tabulka1";
} // namespace names

const QStringList kColumns = {QStringLiteral("Korelácia (zdroj)"), QStringLiteral("Dĺžka (m)"),
                              QStringLiteral("Nu (1)"),           QStringLiteral("α_konv (W.m-2.K-1)"),
                              QStringLiteral("Odchýlka"),         QStringLiteral("Rozsah")};

QString number(double value, int decimals) { return QString::fromStdString(formatFixed(value, 15, decimals)); }

// "+14 %", "−8 %", "0 %".
QString percent(double fraction) { return QString::fromStdString(signedPercent(fraction) + " %"); }

} // namespace

CorrelationsWindow::CorrelationsWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QLatin1String(names::kWindow));
    setWindowTitle(QStringLiteral("Porovnanie korelácií"));
    setWindowFont(this);
    m_table = new QTableWidget(0, static_cast<int>(kColumns.size()), this);
    m_table->setObjectName(QLatin1String(names::kTable));
    m_table->setHorizontalHeaderLabels(kColumns);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->setVisible(false);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setAccessibleName(windowTitle());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    setGeometry(200, 200, 900, 260);
}

void CorrelationsWindow::showComparison(SurfaceGeometry shape, const ConvectionState& state,
                                        const std::vector<AlternativeResult>& alternatives) {
    const SurfaceShapeInfo& info = surfaceShapeInfo(shape);
    m_table->setRowCount(static_cast<int>(alternatives.size()) + 1);
    const auto row = [this](int r, const QStringList& cells) {
        for (int c = 0; c < cells.size(); ++c)
            m_table->setItem(r, c, new QTableWidgetItem(cells[c]));
    };
    row(0, {QStringLiteral("Program: ") + QString::fromUtf8(info.correlationName), number(state.charLength, 4),
            number(state.nusselt, 2), number(state.alphaConv, 2), QString(),
            QString::fromUtf8(info.correlationRange)});
    for (std::size_t i = 0; i < alternatives.size(); ++i) {
        const AlternativeResult& a = alternatives[i];
        QString range = QString::fromStdString(a.range);
        if (!a.inRange)
            range += QStringLiteral(" – mimo rozsahu");
        row(static_cast<int>(i) + 1, {QString::fromStdString(a.name), number(a.length, 4), number(a.nusselt, 2),
                                      number(a.alphaConv, 2), percent(a.deviation), range});
    }
    m_table->resizeColumnsToContents();
}

void CorrelationsWindow::clearComparison() { m_table->setRowCount(0); }

} // namespace zav
