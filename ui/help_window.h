// SPDX-License-Identifier: GPL-3.0-or-later
// "Pomocník - ZAV": the program's manual, Slovak HTML compiled into the program's resources
// (assets/help/), in a browser window of its own. The main window's "Pomocník" (F1) shows it;
// Escape hides it again.
#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace zav {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    /// The manual's page in the resources.
    static QUrl manualUrl();

private:
    QTextBrowser* m_browser = nullptr;
};

} // namespace zav
