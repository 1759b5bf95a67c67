// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cooling_picture.h"

#include <QBuffer>
#include <QPainter>

namespace zav {

namespace {

QRgb rgb(std::uint32_t colour) { return qRgb((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF); }

} // namespace

CoolingPicture::CoolingPicture(QWidget* parent)
    : QWidget(parent), m_image(kWidth, kHeight, QImage::Format_RGB32) {
    setFixedSize(kWidth, kHeight);
    m_image.fill(Qt::white);
}

void CoolingPicture::setUpPlot(const PlotScheme& scheme, double tLow, double tHigh, double scaleTime) {
    const int width = m_image.width();
    m_image.fill(rgb(scheme.background));
    for (const PlotLine& line : plotFrameLines(width)) {
        const QRgb colour = line.grid ? rgb(kPlotGridColour) : rgb(scheme.axis);
        for (const PlotPixel& p : linePixels(line)) {
            if (m_image.valid(p.x, p.y))
                m_image.setPixel(p.x, p.y, colour);
        }
    }
    // Text with a transparent background, its top-left corner at the placed point.
    // Plain pixels in the axis colour, as the picture's own font draws them, without smoothing.
    QFont labelFont = font();
    labelFont.setStyleStrategy(QFont::NoAntialias);
    QPainter painter(&m_image);
    painter.setFont(labelFont);
    painter.setPen(QColor(rgb(scheme.axis)));
    for (const PlotText& text : plotTexts(tLow, tHigh, scaleTime, width))
        painter.drawText(QRect(text.x, text.y, width, m_image.height()), Qt::AlignLeft | Qt::AlignTop,
                         QString::fromStdString(text.text));
    painter.end();
    m_curve = rgb(scheme.curve);
    m_tLow = tLow;
    m_tHigh = tHigh;
    update();
}

void CoolingPicture::markTemperature(double t) {
    if (const std::optional<PlotLine> line = temperatureLine(m_tLow, m_tHigh, t, m_image.width())) {
        for (const PlotPixel& p : linePixels(*line)) {
            if (m_image.valid(p.x, p.y))
                m_image.setPixel(p.x, p.y, m_curve);
        }
    }
}

void CoolingPicture::plot(const PlotPixel& pixel) {
    if (m_image.valid(pixel.x, pixel.y))
        m_image.setPixel(pixel.x, pixel.y, m_curve);
}

void CoolingPicture::restore(const QImage& image) {
    m_image = image;
    update();
}

QByteArray CoolingPicture::bitmapBytes() const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    m_image.save(&buffer, "BMP");
    return bytes;
}

QByteArray CoolingPicture::pngBytes() const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    m_image.save(&buffer, "PNG");
    return bytes;
}

void CoolingPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}

} // namespace zav
