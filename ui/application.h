// SPDX-License-Identifier: GPL-3.0-or-later
// The application object of zav and of the scenario runner: an error that escapes the handling of
// any event in any window (beyond the handlers' own boundary) is shown in a message box and the
// program goes on, as a desktop framework's default handler does.
#pragma once

#include <QApplication>

namespace zav {

class Dialogs;

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    /// Where escaped errors are shown; until set, they are written to the standard error.
    void setDialogs(Dialogs* dialogs) { m_dialogs = dialogs; }

    bool notify(QObject* receiver, QEvent* event) override;

    /// Shows an error's text as an escaped error is shown.
    void showError(const QString& text);

private:
    Dialogs* m_dialogs = nullptr;
};

} // namespace zav
