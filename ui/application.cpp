// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application.h"

#include <exception>
#include <iostream>

#include "ui/dialogs.h"

namespace zav {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

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
