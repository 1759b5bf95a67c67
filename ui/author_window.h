// SPDX-License-Identifier: GPL-3.0-or-later
// "O autorovi ...": who made the program. Four credit lines, the program's icon at the lower left
// and a photograph at the right; the window has no behaviour of its own. The pictures are decoded
// from the program's resources when the window is first shown.
#pragma once

#include <QWidget>

class QLabel;

namespace zav {

class AuthorWindow : public QWidget {
    Q_OBJECT
public:
    explicit AuthorWindow(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void loadPictures();

    QLabel* m_icon = nullptr;  // the program's icon
    QLabel* m_photo = nullptr; // the photograph
    bool m_picturesLoaded = false;
};

/// The resources of the two pictures.
extern const char* const kAuthorIconResource;
extern const char* const kAuthorPhotoResource;

} // namespace zav
