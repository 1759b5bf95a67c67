// SPDX-License-Identifier: GPL-3.0-or-later
// "Pomocník - ZAV": the program's manual, Slovak HTML compiled into the program's resources
// (assets/help/), in a browser window of its own. The main window's "Pomocník" (F1) shows it;
// Escape hides it again. "Späť" and "Vpred" (Alt+Left, Alt+Right) go over the links followed;
// Ctrl+F opens the search under the text.
#pragma once

#include <QUrl>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;

namespace zav {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    /// The manual's page in the resources.
    static QUrl manualUrl();

    /// Ctrl+F: shows the search with its field's text selected.
    void openFind();
    /// Selects the next (or previous) place of the search field's text, round from the end to the
    /// start; false, with "Nenašlo sa." beside the field, when the manual does not hold it.
    bool findText(bool backward);

private:
    QTextBrowser* m_browser = nullptr;
    QToolButton* m_back = nullptr;
    QToolButton* m_forward = nullptr;
    QWidget* m_findBar = nullptr;
    QLineEdit* m_findField = nullptr;
    QLabel* m_findStatus = nullptr;
};

} // namespace zav
