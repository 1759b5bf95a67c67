// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/author_window.h"

#include <cstdlib>

#include <QImageReader>
#include <QLabel>
#include <QPixmap>

#include "ui/window_util.h"

// The pictures are compiled into the program's library; a static library's resources are
// registered by name.
static void registerPictures() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    (void)registered;
}

namespace zav {

const char* const kAuthorIconResource = ":/zav/zav.ico";
const char* const kAuthorPhotoResource = ":/zav/autor.jpg";

namespace {

// The object names of the window and its pictures, as scenario scripts, tests and transcripts
// know them (the seed's names).
namespace names {
constexpr char kWindow[] = "Form3";
constexpr char kIcon[] = "Image1";
constexpr char kPhoto[] = "Image2";
} // namespace names

const QSize kIconSize(48, 48);
const QSize kPhotoSize(240, 300);

// The image of a resource through Qt's image reader (the ICO and JPEG plug-ins); the frame closest
// to `size` for an icon file of several sizes.
QPixmap readPicture(const char* resource, const QSize& size) {
    QImageReader reader(QString::fromLatin1(resource));
    QImage best;
    do {
        QImage frame = reader.read();
        if (frame.isNull())
            break;
        if (best.isNull() || std::abs(frame.width() - size.width()) < std::abs(best.width() - size.width()))
            best = frame;
    } while (reader.jumpToNextImage());
    if (best.isNull())
        return QPixmap();
    if (best.size() != size)
        best = best.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return QPixmap::fromImage(best);
}

} // namespace

AuthorWindow::AuthorWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QLatin1String(names::kWindow));
    setWindowTitle(QStringLiteral("O autorovi ..."));
    setWindowFont(this);
    registerPictures();
    QLabel* name = addLabel(this, QStringLiteral("Tím projektu ZAV"), QRect(16, 20, 300, 28), true);
    QFont larger = name->font();
    larger.setPixelSize(20);
    name->setFont(larger);
    addLabel(this, QStringLiteral("Oddelenie výpočtových pomôcok pre prenos tepla"), QRect(16, 60, 300, 18));
    addLabel(this, QStringLiteral("Projekt ZAV - voľná konvekcia, 2026"), QRect(16, 82, 300, 18));
    addLabel(this, QStringLiteral("zav@example.org"), QRect(16, 104, 300, 18));
    m_icon = addLabel(this, QString(), QRect(QPoint(16, 264), kIconSize));
    m_icon->setObjectName(QLatin1String(names::kIcon));
    m_photo = addLabel(this, QString(), QRect(QPoint(330, 12), kPhotoSize));
    m_photo->setObjectName(QLatin1String(names::kPhoto));
    resize(582, 324);
    setMinimumSize(size()); // its controls at fixed places: never clipped
    centreOnScreen(this);
}

void AuthorWindow::showEvent(QShowEvent* event) {
    loadPictures();
    QWidget::showEvent(event);
}

void AuthorWindow::loadPictures() {
    if (m_picturesLoaded)
        return;
    m_picturesLoaded = true;
    m_icon->setPixmap(readPicture(kAuthorIconResource, kIconSize));
    m_photo->setPixmap(readPicture(kAuthorPhotoResource, kPhotoSize));
}

} // namespace zav
