// SPDX-License-Identifier: GPL-3.0-or-later
// zav_manual_pictures FOLDER: writes the pictures of the surface shapes that the manual shows
// (assets/help/shape-<name>.png, the names of kSurfaceShapes), drawn by the main window's own code
// at twice its pixels, so that they stay sharp on a scaled screen. scripts/screenshots runs it; the
// pictures are committed.
#include <cstdio>

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include "core/surface_shapes.h"
#include "ui/geometry_pictures.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Použitie: zav_manual_pictures PRIEČINOK\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const zav::SurfaceShapeInfo& shape : zav::kSurfaceShapes) {
        const QString name = folder.filePath(QStringLiteral("shape-%1.png").arg(QLatin1String(shape.commandName)));
        if (!zav::drawGeometryPicture(shape.id, QSize(170, 140), 2).save(name, "PNG")) {
            std::fprintf(stderr, "zav_manual_pictures: %s sa nepodarilo zapísať\n", qPrintable(name));
            return 1;
        }
    }
    return 0;
}
