// SPDX-License-Identifier: GPL-3.0-or-later
// zav: the natural-convection calculator. `zav --help` and `zav --version` answer on standard
// output without opening a window (and without a display); `zav FILE.zav` opens the case file
// once the windows are there.
#include <cstdlib>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QStyleFactory>
#include <QTextStream>

#include "ui/application.h"
#include "ui/case_files.h"
#include "ui/command_line.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/translation.h"
#include "ui/window_util.h"
#include "ui/windows.h"

namespace {

std::vector<std::string> argumentsOf(int argc, char* argv[]) { return {argv + 1, argv + argc}; }

// --help and --version, answered before any window exists (Qt's own options are still among the
// arguments: only these two are looked at).
void answerCommandLine(int argc, char* argv[]) {
    const zav::CommandLine line = zav::parseCommandLine(argumentsOf(argc, argv));
    QTextStream out(stdout);
    if (line.help) {
        out << QStringLiteral(
                   "Použitie: zav [VOĽBY] [--] [ZADANIE.zav]\n\n"
                   "ZAV - voľná konvekcia: súčiniteľ prestupu tepla voľnou konvekciou medzi povrchom telesa a "
                   "vzduchom, vodou alebo vlastnou tekutinou, rozsah teplôt povrchu a ochladzovanie telesa. Bez "
                   "volieb otvorí hlavné okno; so súborom zadania (uloženým cez „Súbor → Uložiť zadanie…“) doň "
                   "vyplní jeho vstupy. Výpočty bez okien robí zav-calc (aj zo zadania: zav-calc steady --case "
                   "ZADANIE.zav).\n\n"
                   "Voľby:\n"
                   "  -h, --help     vypíše túto pomoc a skončí\n"
                   "  -v, --version  vypíše verziu programu a skončí\n"
                   "  --             koniec volieb: ďalší argument je súbor zadania, aj keď sa začína „-“\n\n"
                   "Ostatné voľby patria knižnici Qt (napríklad -platform offscreen).\n");
        out.flush();
        std::exit(out.status() == QTextStream::Ok ? 0 : 1);
    }
    if (line.version) {
        out << QStringLiteral("zav " ZAV_VERSION "\n");
        out.flush();
        std::exit(out.status() == QTextStream::Ok ? 0 : 1);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    answerCommandLine(argc, argv);
    zav::Application app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setQuitOnLastWindowClosed(false);
    // The desktop entry and icon that belong to the window (Wayland desktops match by this name).
    QGuiApplication::setDesktopFileName(QStringLiteral("sk.timzav.Zav"));
    zav::installSlovakTranslation(app);

    zav::QtDialogs dialogs;
    // The last cases live in the user's settings; a case named on the command line opens as soon as
    // every window is there.
    // The case file among the arguments Qt has left, by its bytes.
    const std::optional<std::string> caseArgument = zav::parseCommandLine(argumentsOf(argc, argv)).caseFile;
    const QString caseFile = caseArgument ? zav::fileNameFromBytes(*caseArgument) : QString();
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
