// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a scenario script against the program's real windows and writes its transcript: the
// commands click, type and choose as a user would, dialogs take queued answers, and print, look,
// dump and expect report the windows' state.
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>

#include <QObject>
#include <QString>
#include <QStringList>

#include "ui/scripted_dialogs.h"
#include "ui/windows.h"

namespace zav {

class ScenarioRunner {
public:
    enum class Outcome { Passed, ExpectFailed, ScriptError };
    using Output = std::function<void(const QString& line)>;

    ScenarioRunner(Output transcript, Output errors);
    ~ScenarioRunner();

    /// The dialogs that answer the script's queued answers.
    Dialogs& dialogs() { return m_dialogs; }

    /// Runs the lines of `script` (named `scriptName` in error reports).
    Outcome run(const QString& scriptName, const QStringList& lines);

private:
    struct Word {
        QString text;
        bool quoted = false;
    };
    struct ScriptError : std::runtime_error {
        using std::runtime_error::runtime_error;
    };

    // A command's handler: the line's words (the command word first) and the line's number.
    using Handler = void (ScenarioRunner::*)(const QList<Word>& words, int lineNumber);
    struct Command {
        const char* word;
        const char* firstArgument; // the entry holds only when the first argument is this (nullptr: any)
        int arity;
        Handler handler;
    };
    static const Command kCommands[];

    static QList<Word> split(const QString& line);
    void execute(const QList<Word>& words, int lineNumber);

    void setText(const QList<Word>& words, int lineNumber);
    void click(const QList<Word>& words, int lineNumber);
    void select(const QList<Word>& words, int lineNumber);
    void chooseMenu(const QList<Word>& words, int lineNumber);
    void closeWindow(const QList<Word>& words, int lineNumber);
    void answerProgress(const QList<Word>& words, int lineNumber);
    void answerDialog(const QList<Word>& words, int lineNumber);
    void print(const QList<Word>& words, int lineNumber);
    void lookAt(const QList<Word>& words, int lineNumber);
    void dumpWindow(const QList<Word>& words, int lineNumber);
    void echo(const QList<Word>& words, int lineNumber);
    void expect(const QList<Word>& words, int lineNumber);

    QWidget* window(const QString& name) const;
    QObject* control(const QString& name) const;
    QStringList printLines(const QString& name) const;
    QStringList printObject(const QString& name, QObject* object) const;
    QString look(const QString& name) const;
    QStringList dump(const QString& windowName) const;

    Output m_transcript;
    Output m_errors;
    ScriptedDialogs m_dialogs;
    Windows m_windows;
    bool m_ended = false;
    bool m_failed = false;
};

} // namespace zav
