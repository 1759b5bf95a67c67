// SPDX-License-Identifier: GPL-3.0-or-later
// zav-scenario: drives the program's windows headless from a script and prints a transcript.
// Usage: zav-scenario SCRIPT   (or - for standard input)
#include <cstdio>
#include <iostream>
#include <string>

#include <QApplication>
#include <QFile>
#include <QStyleFactory>
#include <QTextStream>

#include "tools/scenario_runner.h"
#include "ui/application.h"
#include "ui/translation.h"

namespace {

// The transcript and the script errors are the runner's only output: Qt's own notes about the
// offscreen platform stay out of them.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toStdString() << '\n';
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(quietMessages);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc != 2) {
        std::cerr << "usage: zav-scenario SCRIPT (or - for standard input)\n";
        return 2;
    }
    zav::Application app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    zav::installSlovakTranslation(app);

    const QString scriptName = QString::fromLocal8Bit(argv[1]);
    QByteArray content;
    if (scriptName == QLatin1String("-")) {
        QFile input;
        if (!input.open(stdin, QIODevice::ReadOnly)) {
            std::cerr << "-: cannot read standard input\n";
            return 2;
        }
        content = input.readAll();
    } else {
        QFile input(scriptName);
        if (!input.open(QIODevice::ReadOnly)) {
            std::cerr << argv[1] << ": cannot open the script\n";
            return 2;
        }
        content = input.readAll();
    }
    QStringList lines = QString::fromUtf8(content).split('\n');
    for (QString& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }

    auto write = [](FILE* stream) {
        return [stream](const QString& line) {
            const QByteArray bytes = line.toUtf8();
            std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
            std::fputc('\n', stream);
            std::fflush(stream);
        };
    };
    zav::ScenarioRunner runner(write(stdout), write(stderr));
    app.setDialogs(&runner.dialogs());
    switch (runner.run(scriptName, lines)) {
    case zav::ScenarioRunner::Outcome::Passed:
        return 0;
    case zav::ScenarioRunner::Outcome::ExpectFailed:
        return 1;
    case zav::ScenarioRunner::Outcome::ScriptError:
        return 2;
    }
    return 2;
}
