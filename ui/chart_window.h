// SPDX-License-Identifier: GPL-3.0-or-later
// "Graf": the chart of the last table sweep against the surface temperature. Eight series (the
// three heat transfer coefficients, four fluid properties and the Prandtl number); the check
// boxes choose which of them the next sweep fills. "Uložiť graf…" writes the chart as a PNG, SVG
// or PDF file, "Kopírovať" puts it on the clipboard.
#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QWidget>

#include "export/sweeps.h"

class QAbstractSeries;
class QCategoryAxis;
class QChart;
class QChartView;
class QCheckBox;
class QImage;
class QLineSeries;

namespace zav {

class Dialogs;

class ChartWindow : public QWidget, public ChartSink {
    Q_OBJECT
public:
    explicit ChartWindow(Dialogs& dialogs, QWidget* parent = nullptr);

    void prepareChart(long long count) override;
    void setChartPoint(long long index, const ConvectionState& state) override;
    void finishChart() override;
    void abandonChart() override;

    QString leftAxisTitle() const;
    /// Every point of `series` (one of the chart's eight) from the last sweep; the chart draws
    /// only as many of them as its plot area can show.
    const QList<QPointF>& allPoints(const QAbstractSeries* series) const;

    /// The chart as the window shows it, on white, at the window's device pixel ratio.
    QImage chartImage() const;
    /// Lays the view out once, also when the window was never shown.
    void layOutChart() const;

private:
    // Event handlers.
    void saveChart(); // "Uložiť graf…"
    void copyChart(); // "Kopírovať"

    /// The chart drawn into a file of the format `suffix` names ("png", "svg" or "pdf").
    QByteArray chartFile(const QString& suffix) const;
    void updateAxes();
    void drawSeries();
    void drawPoints();
    QRectF plotPixels() const;

    Dialogs& m_dialogs;
    QChart* m_chart = nullptr;
    QChartView* m_view = nullptr;
    QCategoryAxis* m_bottomAxis = nullptr;
    QCategoryAxis* m_leftAxis = nullptr;
    QLineSeries* m_series[8] = {};
    QCheckBox* m_checkBoxes[8] = {};
    bool m_filling[8] = {};
    QList<QPointF> m_pending[8]; // the points of the sweep under way
    QList<QPointF> m_points[8];  // the points of the chart shown
    QString m_pendingAxisTitle;
    QRectF m_drawnArea;
    mutable bool m_laidOut = false; // once shown, the view keeps its layout
};

/// The points of a line that a plot, `width` pixels wide from `left`, showing x from `xLow` to
/// `xHigh`, needs to draw the same picture: of each run of consecutive points in one pixel column,
/// the first, the lowest, the highest and the last, in their order. Points that are not finite stay.
QList<QPointF> decimateForColumns(const QList<QPointF>& points, double xLow, double xHigh, double left,
                                  double width);

/// Labels of an axis from `low` to `high`: about five round steps, in the Slovak number format.
QList<QPair<double, QString>> axisTicks(double low, double high);

} // namespace zav
