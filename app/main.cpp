// SPDX-License-Identifier: GPL-3.0-or-later
// zav: the natural-convection calculator. `zav --help` and `zav --version` answer on standard
// output without opening a window (and without a display); `zav FILE.zav` opens the case file
// once the windows are there.
#include <cstdlib>
#include <exception>
#include <memory>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStyleFactory>
#include <QTextStream>

#include "ui/application.h"
#include "ui/case_files.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/translation.h"
#include "ui/windows.h"

namespace {

// The command line: --help and --version, answered before any window exists. Every other
// argument is left to Qt (-platform, -style …), as it always was.
void readCommandLine(int argc, char* argv[]) {
    QCoreApplication parsing(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("vypíše túto pomoc a skončí"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("vypíše verziu programu a skončí"));
    parser.addOption(help);
    parser.addOption(version);
    parser.parse(QCoreApplication::arguments());
    QTextStream out(stdout);
    if (parser.isSet(help)) {
        out << QStringLiteral(
                   "Použitie: zav [VOĽBY] [ZADANIE.zav]\n\n"
                   "ZAV - voľná konvekcia: súčiniteľ prestupu tepla voľnou konvekciou medzi povrchom telesa a "
                   "vzduchom, vodou alebo vlastnou tekutinou, rozsah teplôt povrchu a ochladzovanie telesa. Bez "
                   "volieb otvorí hlavné okno; so súborom zadania (uloženým cez „Súbor → Uložiť zadanie…“) doň "
                   "vyplní jeho vstupy. Výpočty bez okien robí zav-calc (aj zo zadania: zav-calc steady --case "
                   "ZADANIE.zav).\n\n"
                   "Voľby:\n"
                   "  -h, --help     vypíše túto pomoc a skončí\n"
                   "  -v, --version  vypíše verziu programu a skončí\n\n"
                   "Ostatné voľby patria knižnici Qt (napríklad -platform offscreen).\n");
        out.flush();
        std::exit(out.status() == QTextStream::Ok ? 0 : 1);
    }
    if (parser.isSet(version)) {
        out << QStringLiteral("zav " ZAV_VERSION "\n");
        out.flush();
        std::exit(out.status() == QTextStream::Ok ? 0 : 1);
    }
}

// The case file named on the command line, once Qt has taken its own options from it (empty
// when none is named; of several, the first).
QString caseArgument() {
    QCommandLineParser parser;
    parser.parse(QCoreApplication::arguments());
    const QStringList files = parser.positionalArguments();
    return files.isEmpty() ? QString() : files.first();
}

} // namespace

int main(int argc, char* argv[]) {
    readCommandLine(argc, argv);
    zav::Application app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setQuitOnLastWindowClosed(false);
    // The desktop entry and icon that belong to the window (Wayland desktops match by this name).
    QGuiApplication::setDesktopFileName(QStringLiteral("sk.timzav.Zav"));
    zav::installSlovakTranslation(app);

    zav::QtDialogs dialogs;
    // The last cases live in the user's settings; a case named on the command line opens as soon as
    // every window is there.
    const QString caseFile = caseArgument();
    std::unique_ptr<zav::Windows> windows;
    try {
        windows = zav::startWindows(dialogs, [caseFile](zav::Windows& created) {
            created.caseFiles->rememberRecentFiles(true);
            if (!caseFile.isEmpty())
                created.caseFiles->openFile(caseFile);
        });
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
