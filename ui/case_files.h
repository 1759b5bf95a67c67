// SPDX-License-Identifier: GPL-3.0-or-later
// Case files (".zav"): every input of every window kept in one file, to reopen later, to hand to a
// colleague or to compute with zav-calc. Opening sets the fields as if typed and computes nothing.
#pragma once

#include <QString>
#include <QStringList>

namespace zav {

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

private:
    Windows& m_windows;
    Dialogs& m_dialogs;
    QStringList m_recent;
};

} // namespace zav
