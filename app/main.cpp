// SPDX-License-Identifier: GPL-3.0-or-later
// zav: the natural-convection calculator.
#include <exception>
#include <memory>

#include <QStyleFactory>

#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/translation.h"
#include "ui/windows.h"

int main(int argc, char* argv[]) {
    zav::Application app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setQuitOnLastWindowClosed(false);
    // The desktop entry and icon that belong to the window (Wayland desktops match by this name).
    QGuiApplication::setDesktopFileName(QStringLiteral("sk.timzav.Zav"));
    zav::installSlovakTranslation(app);

    zav::QtDialogs dialogs;
    std::unique_ptr<zav::Windows> windows;
    try {
        windows = zav::startWindows(dialogs);
    } catch (const std::exception& error) {
        // An error of the start-up itself is shown before the program ends.
        dialogs.showError(QString::fromUtf8(error.what()));
        return 1;
    }
    dialogs.setParent(windows->mainWindow.get());
    app.setDialogs(&dialogs);
    QObject::connect(windows->mainWindow.get(), &zav::MainWindow::programEnded, &app, [&windows] {
        for (QWidget* window : windows->all())
            window->hide();
        QApplication::quit();
    });
    return QApplication::exec();
}
