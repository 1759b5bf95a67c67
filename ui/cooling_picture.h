// SPDX-License-Identifier: GPL-3.0-or-later
// The cooling window's picture: a fixed-size bitmap on which a run draws its frame (axes, ticks,
// dashed grid, labels, captions) and then its curve pixel by pixel. It keeps its content until the
// next run's frame, and can be written as a Windows bitmap.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QWidget>

#include "export/cooling_plot.h"

namespace zav {

class CoolingPicture : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 737;
    static constexpr int kHeight = 489;

    explicit CoolingPicture(QWidget* parent = nullptr);

    const QImage& image() const { return m_image; }
    /// Puts back a picture taken earlier with image() (after a cancelled run).
    void restore(const QImage& image);

    /// Clears the picture to the scheme's background and draws the frame for the given axes.
    void setUpPlot(const PlotScheme& scheme, double tLow, double tHigh, double scaleTime);
    /// One pixel of the curve in the scheme's curve colour; a pixel off the picture is skipped.
    void plot(const PlotPixel& pixel);
    /// The dashed line at the temperature `t` of the axes set up last, in the curve's colour.
    void markTemperature(double t);

    /// The picture as a Windows bitmap file.
    QByteArray bitmapBytes() const;
    /// The picture as a PNG file.
    QByteArray pngBytes() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
    QRgb m_curve = 0;
    double m_tLow = 0;
    double m_tHigh = 0;
};

} // namespace zav
