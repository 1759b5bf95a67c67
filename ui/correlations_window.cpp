// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/correlations_window.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/surface_shapes.h"
#include "ui/window_util.h"

namespace zav {

namespace {

// The object names of the window and its table, as scenario scripts and transcripts know them.
namespace names {
constexpr char kWindow[] = "Form11";
constexpr char kTable[] = "Tabulka1";
} // namespace names

} // namespace

CorrelationsWindow::CorrelationsWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QLatin1String(names::kWindow));
    setWindowTitle(QStringLiteral("Porovnanie korelácií"));
    setWindowFont(this);
    m_table = new QTableWidget(0, static_cast<int>(kComparisonColumns.size()), this);
    m_table->setObjectName(QLatin1String(names::kTable));
    QStringList columns;
    for (const char* column : kComparisonColumns)
        columns << QString::fromUtf8(column);
    m_table->setHorizontalHeaderLabels(columns);
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
    const std::vector<ComparisonRow> rows = comparisonRows(shape, state, alternatives);
    m_table->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            m_table->setItem(static_cast<int>(r), static_cast<int>(c),
                             new QTableWidgetItem(QString::fromStdString(rows[r][c])));
    }
    m_table->resizeColumnsToContents();
}

void CorrelationsWindow::clearComparison() { m_table->setRowCount(0); }

} // namespace zav
