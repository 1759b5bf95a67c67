// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/scripted_dialogs.h"

#include <QPrinter>

namespace zav {

QString escapeLineBreaks(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
    text.replace('\n', QStringLiteral("\\n"));
    text.replace('\r', QStringLiteral("\\n"));
    return text;
}

namespace {

class ScriptedProgress : public Progress {
public:
    ScriptedProgress(std::optional<long long> cancelAt, ScriptedDialogs::Transcript transcript)
        : m_cancelAt(cancelAt), m_transcript(std::move(transcript)) {}
    bool keepGoing(long long done, long long) override {
        if (m_cancelled || !m_cancelAt || done < *m_cancelAt)
            return !m_cancelled;
        m_cancelled = true;
        m_transcript(QStringLiteral("dialog: progress -> cancel after %1").arg(done));
        return false;
    }
    bool cancelled() const override { return m_cancelled; }

private:
    std::optional<long long> m_cancelAt;
    ScriptedDialogs::Transcript m_transcript;
    bool m_cancelled = false;
};

} // namespace

void ScriptedDialogs::queueProgressCancel(long long done) { m_progressCancels.push_back(done); }

std::unique_ptr<Progress> ScriptedDialogs::startProgress(const QString&) {
    std::optional<long long> cancelAt;
    if (!m_progressCancels.empty()) {
        cancelAt = m_progressCancels.front();
        m_progressCancels.pop_front();
    }
    return std::make_unique<ScriptedProgress>(cancelAt, m_transcript);
}

void ScriptedDialogs::queueAnswer(Kind kind, std::optional<QString> answer) {
    m_answers[static_cast<int>(kind)].push_back(std::move(answer));
}

std::optional<QString> ScriptedDialogs::take(Kind kind, const char* name) {
    auto& queue = m_answers[static_cast<int>(kind)];
    std::optional<QString> answer;
    if (!queue.empty()) {
        answer = queue.front();
        queue.pop_front();
    }
    m_transcript(QStringLiteral("dialog: %1 -> %2").arg(QLatin1String(name), answer ? *answer : "cancel"));
    return answer;
}

void ScriptedDialogs::showMessage(const QString& text) {
    m_transcript(QStringLiteral("message: ") + escapeLineBreaks(text));
}

void ScriptedDialogs::showError(const QString& text) {
    m_transcript(QStringLiteral("error: ") + escapeLineBreaks(text));
}

std::optional<QString> ScriptedDialogs::saveFileName(const FileDialogOptions&) { return take(Kind::Save, "save"); }

std::optional<QString> ScriptedDialogs::openFileName(const FileDialogOptions&) { return take(Kind::Open, "open"); }

std::optional<QString> ScriptedDialogs::inputText(const QString&, const QString&, const QString&) {
    return take(Kind::Input, "input");
}

bool ScriptedDialogs::setUpPrinter(QPrinter& printer) {
    std::optional<QString> file = take(Kind::Printer, "printer");
    if (!file)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*file);
    return true;
}

SaveChanges ScriptedDialogs::askSaveChanges(const QString&) {
    const std::optional<QString> answer = take(Kind::Question, "question");
    if (answer == QStringLiteral("save"))
        return SaveChanges::Save;
    if (answer == QStringLiteral("discard"))
        return SaveChanges::Discard;
    return SaveChanges::Cancel;
}

} // namespace zav
