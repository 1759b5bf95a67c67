// SPDX-License-Identifier: GPL-3.0-or-later
// Case files (".zav"): every input of every window kept in one file, to reopen later, to hand to a
// colleague or to compute with zav-calc. Opening sets the fields as if typed and computes nothing.
//
// Once a case has been opened or saved, the case files know it by its file and see whether a field
// differs from it; replacing the inputs (opening another case, "Nové zadanie") or ending the program
// first asks whether to save the changes. A session that never opened or saved a case asks nothing.
#pragma once

#include <functional>
#include <optional>

#include <string>
#include <vector>

#include <QMetaObject>
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
    ~CaseFiles();
    CaseFiles(const CaseFiles&) = delete;
    CaseFiles& operator=(const CaseFiles&) = delete;

    /// "Otvoriť zadanie…": asks for a case file and opens it (after the question on changes).
    void open();
    /// "Uložiť zadanie…": asks for a file name and saves every window's inputs into it. True when
    /// saved.
    bool save();
    /// "Nové zadanie": every input as the freshly started program has it (after the question on
    /// changes); the case has no file until it is saved.
    void newCase();
    /// Opens the case `path` (from the last cases and from `zav FILE.zav` too), after the question
    /// on changes. A file that is not a case gets a message naming it and what is wrong, and
    /// changes no field. True when opened.
    bool openFile(const QString& path);
    /// Before the program ends: true when it may (nothing to lose, or the user saved or discarded
    /// the changes), false when the user cancelled or the save failed.
    bool mayEnd() { return mayReplace(); }

    /// The name of the case's file ("name.zav"), "bez názvu" for a new case of a session that has
    /// had one, empty when this session has never opened or saved a case.
    QString caseName() const;
    /// True when a field differs from the case's file (from the start-up values for a new case).
    bool changed() const { return m_changed; }
    /// The last five cases opened or saved, newest first.
    QStringList recentFiles() const;
    /// The case's file as it was named (opened or saved last in this run); empty before the first
    /// and for a new case.
    QString currentFile() const { return m_path; }
    /// Keeps the last cases in the user's settings from now on (and reads them there now): for the
    /// program; tests and scripts keep them in memory only.
    void rememberRecentFiles(bool on);
    /// Called whenever the list of the last cases, the case's name or its changed state may have
    /// changed, so that the menu and the title that show them follow.
    void setListener(std::function<void()> listener) { m_listener = std::move(listener); }

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
    // Opens the case `path` without the question on changes.
    bool load(const QString& path);
    // The question on changes, when it is due; true when the inputs may be replaced.
    bool mayReplace();
    // The inputs as a case file, or nothing (with its message) when the file would be too large to
    // open again.
    std::optional<std::string> savableCase();
    // Writes `bytes`, the case, into `path`; a failure gets its message. True when written.
    bool saveInto(const QString& path, const std::string& bytes);
    // From now on the inputs are those of the file `path` (empty: a new case), `bytes` as written.
    void settle(const QString& path, std::string bytes);
    // A field changed: whether the case now differs from its file.
    void noteEdit();
    void notify();

    Dialogs& m_dialogs;
    std::vector<Binding> m_bindings; // in the order of caseKeys()
    std::vector<QMetaObject::Connection> m_edits; // the controls' changes, to noteEdit
    QStringList m_recent;
    bool m_persistent = false;
    std::function<void()> m_listener;
    std::string m_startBytes;  // the inputs at start-up, as a case file
    std::string m_savedBytes;  // the inputs as the case's file holds them
    QString m_path;            // the case's file; empty for a new case
    bool m_guarding = false;   // a case was opened or saved in this session
    bool m_changed = false;
    bool m_applying = false;   // the fields are being set from a file
};

} // namespace zav
