// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/geometry_pictures.h"

#include <cmath>

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace zav {

namespace {

const QColor kBody(176, 196, 222);
const QColor kBodyDark(120, 144, 176);
const QColor kInk(0, 0, 0);
const QColor kDimension(0, 0, 160);
const QColor kFluid(200, 0, 0);

QFont baseFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

// "t" with a subscript, its baseline starting at `at`.
void drawIndexed(QPainter& p, QPointF at, const QString& symbol, const QString& index, const QColor& colour) {
    QFont font = baseFont();
    font.setItalic(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(at, symbol);
    const qreal width = QFontMetricsF(font).horizontalAdvance(symbol);
    QFont small = baseFont();
    small.setPixelSize(8);
    p.setFont(small);
    p.drawText(at + QPointF(width + 0.5, 3), index);
}

void wallTemperature(QPainter& p, QPointF at) { drawIndexed(p, at, QStringLiteral("t"), QStringLiteral("stena"), kInk); }

void fluidTemperature(QPainter& p, QPointF at) {
    drawIndexed(p, at, QStringLiteral("t"), QStringLiteral("okolie"), kFluid);
}

void arrowHead(QPainter& p, QPointF tip, QPointF from) {
    const QPointF d = tip - from;
    const qreal length = std::hypot(d.x(), d.y());
    if (length == 0)
        return;
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    QPolygonF head;
    head << tip << tip - u * 6 + n * 2.5 << tip - u * 6 - n * 2.5;
    p.setBrush(p.pen().color());
    p.drawPolygon(head);
}

// A dimension line with arrows at both ends and its label beside the middle.
void dimension(QPainter& p, QPointF a, QPointF b, const QString& label, QPointF labelOffset) {
    p.setPen(QPen(kDimension, 1));
    p.drawLine(a, b);
    arrowHead(p, a, b);
    arrowHead(p, b, a);
    QFont font = baseFont();
    font.setItalic(true);
    font.setBold(true);
    p.setFont(font);
    p.drawText((a + b) / 2 + labelOffset, label);
}

void caption(QPainter& p, const QRectF& area, const QString& text) {
    QFont font = baseFont();
    p.setFont(font);
    p.setPen(kDimension);
    p.drawText(area, Qt::AlignHCenter | Qt::AlignBottom, text);
}

void body(QPainter& p) {
    p.setPen(QPen(kBodyDark, 1));
    p.setBrush(kBody);
}

void verticalPlate(QPainter& p, QSizeF s) {
    body(p);
    QPolygonF plate;
    plate << QPointF(60, 24) << QPointF(80, 12) << QPointF(80, s.height() - 34) << QPointF(60, s.height() - 22);
    p.drawPolygon(plate);
    dimension(p, QPointF(48, 24), QPointF(48, s.height() - 22), QStringLiteral("l"), QPointF(-12, 4));
    wallTemperature(p, QPointF(86, 44));
    fluidTemperature(p, QPointF(112, s.height() - 40));
}

void inclinedPlate(QPainter& p, QSizeF s) {
    const QPointF foot(70, s.height() - 20);
    const qreal alpha = 25 * M_PI / 180;
    const qreal length = s.height() - 40;
    const QPointF top = foot + QPointF(std::sin(alpha) * length, -std::cos(alpha) * length);
    p.setPen(QPen(kInk, 1, Qt::DashLine));
    p.drawLine(foot, foot + QPointF(0, -length));
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(foot.x() - 30, foot.y() - 30, 60, 60), 90 * 16, static_cast<int>(-25 * 16));
    QFont font = baseFont();
    font.setItalic(true);
    p.setFont(font);
    p.drawText(foot + QPointF(2, -34), QStringLiteral("α"));
    body(p);
    const QPointF thickness(7, 2);
    QPolygonF plate;
    plate << foot << top << top + thickness << foot + thickness;
    p.drawPolygon(plate);
    const QPointF side(-std::cos(alpha) * 12, -std::sin(alpha) * 12);
    dimension(p, foot + side, top + side, QStringLiteral("l"), QPointF(-16, 0));
    wallTemperature(p, (foot + top) / 2 + QPointF(14, 10));
    fluidTemperature(p, QPointF(s.width() - 52, s.height() - 30));
}

void horizontalPlate(QPainter& p, QSizeF s) {
    body(p);
    QPolygonF plate;
    plate << QPointF(20, 70) << QPointF(110, 70) << QPointF(150, 36) << QPointF(60, 36);
    p.drawPolygon(plate);
    p.setBrush(kBodyDark);
    QPolygonF edge;
    edge << QPointF(20, 70) << QPointF(110, 70) << QPointF(110, 76) << QPointF(20, 76);
    p.drawPolygon(edge);
    dimension(p, QPointF(20, 86), QPointF(110, 86), QStringLiteral("a"), QPointF(-3, 12));
    dimension(p, QPointF(118, 80), QPointF(158, 46), QStringLiteral("b"), QPointF(6, 8));
    wallTemperature(p, QPointF(66, 58));
    fluidTemperature(p, QPointF(20, 24));
    caption(p, QRectF(0, 0, s.width(), s.height() - 4), QStringLiteral("l = a·b / (2·(a + b))"));
}

void cube(QPainter& p, QSizeF s) {
    const QPointF o(40, 40);
    const qreal a = 60;
    const QPointF depth(28, -20);
    body(p);
    p.drawRect(QRectF(o, QSizeF(a, a)));
    p.setBrush(kBodyDark);
    QPolygonF topFace;
    topFace << o << o + depth << o + depth + QPointF(a, 0) << o + QPointF(a, 0);
    p.drawPolygon(topFace);
    QPolygonF sideFace;
    sideFace << o + QPointF(a, 0) << o + depth + QPointF(a, 0) << o + depth + QPointF(a, a) << o + QPointF(a, a);
    p.drawPolygon(sideFace);
    dimension(p, o + QPointF(0, a + 10), o + QPointF(a, a + 10), QStringLiteral("s"), QPointF(-3, 12));
    wallTemperature(p, o + QPointF(14, 34));
    fluidTemperature(p, QPointF(s.width() - 46, 24));
    caption(p, QRectF(0, 0, s.width(), s.height() - 4), QStringLiteral("l = 3·s·√π"));
}

void verticalCylinder(QPainter& p, QSizeF s) {
    const qreal left = 55, width = 50, top = 22, bottom = s.height() - 22;
    body(p);
    QPainterPath side;
    side.moveTo(left, top + 6);
    side.lineTo(left, bottom);
    side.arcTo(QRectF(left, bottom - 6, width, 12), 180, 180);
    side.lineTo(left + width, top + 6);
    side.closeSubpath();
    p.drawPath(side);
    p.setBrush(kBodyDark);
    p.drawEllipse(QRectF(left, top, width, 12));
    dimension(p, QPointF(left - 12, top + 6), QPointF(left - 12, bottom + 6), QStringLiteral("l"), QPointF(-12, 4));
    wallTemperature(p, QPointF(left + 12, (top + bottom) / 2));
    fluidTemperature(p, QPointF(left + width + 10, bottom - 20));
}

void horizontalCylinder(QPainter& p, QSizeF s) {
    const qreal top = 32, diameter = 46, left = 24, right = 130;
    body(p);
    p.drawRect(QRectF(left, top, right - left, diameter));
    p.setBrush(kBodyDark);
    p.drawEllipse(QRectF(right - 9, top, 18, diameter));
    p.setPen(QPen(kBodyDark, 1));
    p.drawArc(QRectF(left - 9, top, 18, diameter), 90 * 16, 180 * 16);
    dimension(p, QPointF(right + 18, top), QPointF(right + 18, top + diameter), QStringLiteral("D"), QPointF(4, 4));
    wallTemperature(p, QPointF(left + 30, top + diameter / 2 + 4));
    fluidTemperature(p, QPointF(left, top - 10));
    caption(p, QRectF(0, 0, s.width(), s.height() - 4), QStringLiteral("l = (π/2)·D"));
}

void sphere(QPainter& p, QSizeF s) {
    const QRectF ball(45, 22, 72, 72);
    QRadialGradient shade(ball.center() - QPointF(14, 14), 50);
    shade.setColorAt(0, Qt::white);
    shade.setColorAt(1, kBodyDark);
    p.setPen(QPen(kBodyDark, 1));
    p.setBrush(shade);
    p.drawEllipse(ball);
    dimension(p, QPointF(ball.left(), ball.center().y()), QPointF(ball.right(), ball.center().y()),
              QStringLiteral("D"), QPointF(-4, -4));
    wallTemperature(p, ball.center() + QPointF(-10, 20));
    fluidTemperature(p, QPointF(ball.right() + 4, ball.top() + 6));
    caption(p, QRectF(0, 0, s.width(), s.height() - 4), QStringLiteral("l = D"));
}

void finnedTube(QPainter& p, QSizeF s) {
    const qreal axis = 56, tube = 22, fin = 58, left = 20, right = 140;
    body(p);
    p.drawRect(QRectF(left, axis - tube / 2, right - left, tube));
    p.setBrush(kBodyDark);
    for (qreal x = left + 8; x < right - 4; x += 14)
        p.drawRect(QRectF(x, axis - fin / 2, 4, fin));
    dimension(p, QPointF(right + 8, axis - tube / 2), QPointF(right + 8, axis + tube / 2), QStringLiteral("d"),
              QPointF(4, 4));
    dimension(p, QPointF(left - 8, axis - fin / 2), QPointF(left - 8, axis - tube / 2), QStringLiteral("h"),
              QPointF(-10, 4));
    wallTemperature(p, QPointF(left + 44, axis + fin / 2 + 12));
    fluidTemperature(p, QPointF(right - 36, axis - fin / 2 - 4));
    caption(p, QRectF(0, 0, s.width(), s.height() - 4), QStringLiteral("l = d + h"));
}

} // namespace

QPixmap drawGeometryPicture(SurfaceGeometry geometry, QSize size, qreal ratio) {
    if (!(ratio > 0))
        ratio = qApp != nullptr ? qApp->devicePixelRatio() : 1;
    // The painter draws in device-independent pixels; the pixmap has `ratio` device pixels to each.
    QPixmap picture(QSizeF(QSizeF(size) * ratio).toSize());
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QSizeF s(size);
    switch (geometry) {
    case SurfaceGeometry::VerticalPlate:
        verticalPlate(p, s);
        break;
    case SurfaceGeometry::InclinedPlate:
        inclinedPlate(p, s);
        break;
    case SurfaceGeometry::HorizontalPlate:
        horizontalPlate(p, s);
        break;
    case SurfaceGeometry::Cube:
        cube(p, s);
        break;
    case SurfaceGeometry::VerticalCylinder:
        verticalCylinder(p, s);
        break;
    case SurfaceGeometry::HorizontalCylinder:
        horizontalCylinder(p, s);
        break;
    case SurfaceGeometry::Sphere:
        sphere(p, s);
        break;
    case SurfaceGeometry::FinnedTube:
        finnedTube(p, s);
        break;
    }
    p.setPen(QPen(QColor(160, 160, 160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, s.width() - 1, s.height() - 1));
    return picture;
}

} // namespace zav
