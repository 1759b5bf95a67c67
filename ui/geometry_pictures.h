// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the eight surface shapes beside their radio buttons: the shape with the wall
// temperature on it, the surroundings' temperature beside it, and which length to type as the
// characteristic dimension l. They are drawn at the screens' device pixel ratio, so that they
// stay sharp on a screen that scales the windows.
#pragma once

#include <QPixmap>
#include <QSize>

#include "core/convection_state.h"

namespace zav {

/// The picture of `geometry`, `size` device-independent pixels large, drawn at the device pixel
/// ratio `ratio`, or at the highest ratio of the screens when `ratio` is 0.
QPixmap drawGeometryPicture(SurfaceGeometry geometry, QSize size, qreal ratio = 0);

} // namespace zav
