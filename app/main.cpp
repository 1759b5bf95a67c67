// zav: the natural-convection calculator.
#include <QApplication>
#include <QStyleFactory>

#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/translation.h"
#include "ui/windows.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setQuitOnLastWindowClosed(false);
    zav::installSlovakTranslation(app);

    zav::QtDialogs dialogs;
    zav::Windows windows = zav::createWindows(dialogs);
    dialogs.setParent(windows.form1.get());
    QObject::connect(windows.form1.get(), &zav::Form1::programEnded, &app, [&windows] {
        for (QWidget* window : windows.all())
            window->hide();
        QApplication::quit();
    });
    windows.form1->show();
    return QApplication::exec();
}
