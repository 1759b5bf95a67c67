// SPDX-License-Identifier: GPL-3.0-or-later
// "Graf": the chart of the last table sweep against the surface temperature. Eight series (the
// three heat transfer coefficients, four fluid properties and the Prandtl number); the check
// boxes choose which of them the next sweep fills.
#pragma once

#include <QList>
#include <QPointF>
#include <QWidget>

#include "export/sweeps.h"

class QCategoryAxis;
class QChart;
class QChartView;
class QCheckBox;
class QLineSeries;

namespace zav {

class Form7 : public QWidget, public ChartSink {
    Q_OBJECT
public:
    explicit Form7(QWidget* parent = nullptr);

    void prepareChart(long long count) override;
    void setChartPoint(long long index, const ConvectionState& state) override;
    void finishChart() override;

    QString leftAxisTitle() const;

private:
    void updateAxes();

    QChartView* m_chart1 = nullptr;
    QChart* m_chart = nullptr;
    QCategoryAxis* m_bottomAxis = nullptr;
    QCategoryAxis* m_leftAxis = nullptr;
    QLineSeries* m_series[8] = {};
    QCheckBox* m_checkBoxes[8] = {};
    bool m_filled[8] = {};
    QList<QPointF> m_points[8];
};

/// Labels of an axis from `low` to `high`: about five round steps, in the Slovak number format.
QList<QPair<double, QString>> axisTicks(double low, double high);

} // namespace zav
