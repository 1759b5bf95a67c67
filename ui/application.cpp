// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application.h"

#include <csignal>
#include <exception>
#include <iostream>

#include <QIcon>

#include "ui/dialogs.h"

namespace zav {

namespace {

// The program's icon (assets/), in each size drawn for it, for the title bars and task bars of
// all its windows.
QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/zav/zav-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setWindowIcon(programIcon());
    // A file that grows beyond the limit of file sizes (ulimit -f) is a write that fails (EFBIG)
    // with the usual message, not the end of the program and of every input typed.
    std::signal(SIGXFSZ, SIG_IGN);
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        showError(QString::fromUtf8(error.what()));
    } catch (...) {
        showError(QStringLiteral("Neočakávaná chyba."));
    }
    return false;
}

void Application::showError(const QString& text) {
    if (m_dialogs != nullptr)
        m_dialogs->showError(text);
    else
        std::cerr << text.toStdString() << '\n';
}

} // namespace zav
