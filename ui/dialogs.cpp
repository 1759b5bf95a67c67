// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace zav {

namespace {

// "TXT|*.txt" -> "TXT (*.txt)"
QString qtFilter(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList qt;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        qt << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
    return qt.join(QStringLiteral(";;"));
}

QString withDefaultExtension(const QString& name, const QString& extension) {
    if (name.isEmpty() || extension.isEmpty() || !QFileInfo(name).suffix().isEmpty())
        return name;
    QString ext = extension;
    if (ext.startsWith('.'))
        ext.remove(0, 1);
    return name + '.' + ext;
}

const QString kMessageTitle = QStringLiteral("ZAV - voľná konvekcia");

} // namespace

void QtDialogs::showMessage(const QString& text) {
    QMessageBox::information(m_parent, kMessageTitle, text);
}

void QtDialogs::showError(const QString& text) {
    QMessageBox::critical(m_parent, kMessageTitle, text);
}

std::optional<QString> QtDialogs::saveFileName(const FileDialogOptions& options) {
    QFileDialog dialog(m_parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(qtFilter(options.filter));
    dialog.setDefaultSuffix(options.defaultExtension.startsWith('.') ? options.defaultExtension.mid(1)
                                                                     : options.defaultExtension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return withDefaultExtension(dialog.selectedFiles().first(), options.defaultExtension);
}

std::optional<QString> QtDialogs::openFileName(const FileDialogOptions& options) {
    QFileDialog dialog(m_parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(qtFilter(options.filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return openedFileName(dialog.selectedFiles().first(), options.defaultExtension,
                          [](const QString& name) { return QFileInfo::exists(name); });
}

QString openedFileName(const QString& typed, const QString& defaultExtension,
                       const std::function<bool(const QString&)>& exists) {
    // A name typed without an extension that names no file means the file with the default one.
    if (exists(typed))
        return typed;
    return withDefaultExtension(typed, defaultExtension);
}

std::optional<QString> QtDialogs::inputText(const QString& caption, const QString& prompt,
                                            const QString& defaultText) {
    bool ok = false;
    QString text = QInputDialog::getText(m_parent, caption, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

bool QtDialogs::setUpPrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace zav
