// SPDX-License-Identifier: GPL-3.0-or-later
// Case files (".zav"): every input of every window kept in one file, to reopen later, to hand to a
// colleague or to compute with zav-calc. Opening sets the fields as if typed and computes nothing.
#pragma once

#include <functional>

#include <string>
#include <vector>

#include <QString>
#include <QStringList>

class QObject;

namespace zav {

class CaseRecord;
class Dialogs;
struct Windows;

class CaseFiles {
public:
    CaseFiles(Windows& windows, Dialogs& dialogs);

    /// "Otvoriť zadanie…": asks for a case file and opens it.
    void open();
    /// "Uložiť zadanie…": asks for a file name and saves every window's inputs into it.
    void save();
    /// Opens the case `path` (from the last cases and from `zav FILE.zav` too). A file that is not
    /// a case gets a message naming it and what is wrong, and changes no field. True when opened.
    bool openFile(const QString& path);
    /// The last five cases opened or saved, newest first.
    QStringList recentFiles() const;
    /// The case file opened or saved last in this run, as it was named; empty before the first.
    QString currentFile() const { return m_currentFile; }
    /// Keeps the last cases in the user's settings from now on (and reads them there now): for the
    /// program; tests and scripts keep them in memory only.
    void rememberRecentFiles(bool on);
    /// Called whenever the list of the last cases may have changed (read from the settings, a case
    /// opened or saved), so that the menu that shows it follows.
    void setRecentListener(std::function<void()> listener) { m_recentListener = std::move(listener); }

    /// Every window's inputs as they are now.
    CaseRecord gather() const;
    /// Sets every window's inputs to `record`'s, as the user's typing and clicks would.
    void apply(const CaseRecord& record);

private:
    // A case key and the control (or, for a choice of radio buttons, the controls in the order of
    // the choices) that shows it.
    struct Binding {
        std::string key;
        std::vector<QObject*> controls;
    };
    void addRecent(const QString& path);
    QObject* controlOf(const std::string& key) const;

    Dialogs& m_dialogs;
    std::vector<Binding> m_bindings; // in the order of caseKeys()
    QStringList m_recent;
    QString m_currentFile;
    bool m_persistent = false;
    std::function<void()> m_recentListener;
};

} // namespace zav
