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

} // namespace zav
