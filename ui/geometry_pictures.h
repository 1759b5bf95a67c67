// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the eight surface shapes beside their radio buttons: the shape with the wall
// temperature on it, the surroundings' temperature beside it, and which length to type as the
// characteristic dimension l.
#pragma once

#include <QPixmap>
#include <QSize>

#include "core/convection_state.h"

namespace zav {

QPixmap drawGeometryPicture(SurfaceGeometry geometry, QSize size);

} // namespace zav
