// SPDX-License-Identifier: GPL-3.0-or-later
// Dialogs answered from queues instead of by a person: each dialog shown is reported as a
// transcript line and takes the next queued answer of its kind (Cancel when none is queued).
#pragma once

#include <deque>
#include <functional>
#include <optional>

#include "ui/dialogs.h"

namespace zav {

class ScriptedDialogs : public Dialogs {
public:
    enum class Kind { Save, Open, Input, Printer, Question };
    using Transcript = std::function<void(const QString& line)>;

    explicit ScriptedDialogs(Transcript transcript) : m_transcript(std::move(transcript)) {}

    /// Queues the answer of the next dialog of `kind`; nothing means Cancel.
    void queueAnswer(Kind kind, std::optional<QString> answer);
    /// The next computation with a progress is cancelled once `done` of its steps are done.
    void queueProgressCancel(long long done);

    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    std::optional<QString> saveFileName(const FileDialogOptions& options) override;
    std::optional<QString> openFileName(const FileDialogOptions& options) override;
    std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                     const QString& defaultText) override;
    bool setUpPrinter(QPrinter& printer) override;
    /// Answered by the queued "save", "discard" or "cancel".
    SaveChanges askSaveChanges(const QString& text) override;
    /// A progress that never shows; cancelled at its queued step count, if one was queued.
    std::unique_ptr<Progress> startProgress(const QString& text) override;

private:
    std::optional<QString> take(Kind kind, const char* name);

    Transcript m_transcript;
    std::deque<std::optional<QString>> m_answers[5];
    std::deque<long long> m_progressCancels;
};

/// A text with its line breaks written as \n, as transcripts show it.
QString escapeLineBreaks(QString text);

} // namespace zav
