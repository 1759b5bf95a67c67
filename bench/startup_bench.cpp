// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: from the start of the process to the main window's first paint, the program's windows
// created as zav creates them, against a bare Qt main window of the same size with a menu in a
// process of its own. Each measured run starts this program again as a child that exits at that paint;
// Qt's offscreen platform, so that no display is needed.
#include <cstdlib>
#include <cstring>
#include <memory>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyleFactory>
#include <QTimer>

#include <benchmark/benchmark.h>

#include "ui/main_window.h"
#include "ui/scripted_dialogs.h"
#include "ui/translation.h"
#include "ui/windows.h"

extern char** environ;

namespace {

const char* g_self = nullptr;

// Ends the process as soon as the window's first paint has been delivered, or (`afterStartUp`)
// once what the start-up does after that paint has run too.
class ExitAtFirstPaint : public QObject {
public:
    ExitAtFirstPaint(QWidget* window, bool afterStartUp) : m_window(window), m_afterStartUp(afterStartUp) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window && event->type() == QEvent::Paint) {
            if (m_afterStartUp)
                QTimer::singleShot(0, [] { QTimer::singleShot(0, [] { std::_Exit(0); }); });
            else
                QTimer::singleShot(0, [] { std::_Exit(0); });
        }
        return false;
    }

private:
    QWidget* m_window;
    bool m_afterStartUp;
};

enum class Child { FirstPaint, AllWindows, AllAtOnce, Bare };

int runChild(Child child, int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (child != Child::Bare) {
        // As zav starts: the Slovak dialogs, the nine windows, the main window shown.
        zav::installSlovakTranslation(app);
        static zav::ScriptedDialogs dialogs([](const QString&) {});
        static std::unique_ptr<zav::Windows> windows;
        if (child == Child::AllAtOnce) {
            // For comparison: all nine windows made before the main window is shown.
            windows = std::make_unique<zav::Windows>(zav::createWindows(dialogs));
            windows->mainWindow->show();
        } else {
            windows = zav::startWindows(dialogs);
        }
        static ExitAtFirstPaint exit(windows->mainWindow.get(), child == Child::AllWindows);
    } else {
        // A main window of the same size with a menu, as every main window has: its text needs
        // the fonts as the program's does.
        static QMainWindow window;
        window.resize(1012, 653);
        window.menuBar()->addMenu(QStringLiteral("Súbor"));
        static ExitAtFirstPaint exit(&window, false);
        window.show();
    }
    return QApplication::exec();
}

void runProcess(benchmark::State& state, const char* mode) {
    for (auto _ : state) {
        char* args[] = {const_cast<char*>(g_self), const_cast<char*>(mode), nullptr};
        pid_t child = 0;
        if (posix_spawn(&child, g_self, nullptr, nullptr, args, environ) != 0) {
            state.SkipWithError("cannot start the child process");
            return;
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the child process failed");
            return;
        }
    }
}

void startupFirstPaint(benchmark::State& state) { runProcess(state, "--child-first-paint"); }
BENCHMARK(startupFirstPaint)->Unit(benchmark::kMillisecond)->UseRealTime();

// Until the other eight windows exist too.
void startupAllWindows(benchmark::State& state) { runProcess(state, "--child-all"); }
BENCHMARK(startupAllWindows)->Unit(benchmark::kMillisecond)->UseRealTime();

// For comparison: the first paint when the main window waits for the other eight.
void startupAllAtOnce(benchmark::State& state) { runProcess(state, "--child-all-at-once"); }
BENCHMARK(startupAllAtOnce)->Unit(benchmark::kMillisecond)->UseRealTime();

// Anchor: an empty main window of the main window's size.
void anchorBareWindow(benchmark::State& state) { runProcess(state, "--child-bare"); }
BENCHMARK(anchorBareWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 2 && std::strcmp(argv[1], "--child-first-paint") == 0)
        return runChild(Child::FirstPaint, argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "--child-all") == 0)
        return runChild(Child::AllWindows, argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "--child-all-at-once") == 0)
        return runChild(Child::AllAtOnce, argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "--child-bare") == 0)
        return runChild(Child::Bare, argc, argv);
    g_self = "/proc/self/exe";
    static char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length > 0) {
        path[length] = '\0';
        g_self = path;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
