// SPDX-License-Identifier: GPL-3.0-or-later
// The surface shapes' pictures at a device pixel ratio of 2: twice the pixels, drawn at that
// resolution (not a picture of the ratio 1 enlarged), showing the same drawing.
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include "core/surface_shapes.h"
#include "ui/geometry_pictures.h"

namespace zav {
namespace {

// The mean difference of two pictures of one size, per colour channel (0 to 255).
double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

TEST(GeometryPicturesTest, SharpAtTwiceThePixels) {
    const QSize size(170, 140);
    for (const auto& shape : kSurfaceShapes) {
        const QPixmap single = drawGeometryPicture(shape.id, size, 1);
        const QPixmap twice = drawGeometryPicture(shape.id, size, 2);
        EXPECT_EQ(single.size(), size) << shape.commandName;
        EXPECT_EQ(twice.size(), size * 2) << shape.commandName;
        EXPECT_EQ(twice.deviceIndependentSize(), QSizeF(size)) << shape.commandName;
        const QImage fine = twice.toImage().convertToFormat(QImage::Format_RGB32);
        const QImage coarse = single.toImage().convertToFormat(QImage::Format_RGB32);
        // Reduced to the ratio 1, the fine picture is the coarse one, up to the edges' shading ...
        const QImage reduced = fine.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(meanDifference(reduced, coarse), 6) << shape.commandName;
        // ... while the coarse one enlarged lacks the fine one's detail.
        const QImage enlarged = coarse.scaled(size * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        EXPECT_GT(meanDifference(enlarged, fine), 1) << shape.commandName;
    }
}

} // namespace
} // namespace zav
