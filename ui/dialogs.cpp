// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QPrintDialog>
#include <QPrinter>
#include <QPointer>
#include <QProgressDialog>

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

// Qt's progress dialog, modal to the window, shown once the computation has run half a second.
// The clock is read every 1024 steps and the dialog refreshed at most every 40 ms, so that a step
// pays next to nothing for it.
class DialogProgress : public Progress {
public:
    DialogProgress(QWidget* parent, const QString& text) : m_parent(parent), m_text(text) { m_clock.start(); }
    ~DialogProgress() override { delete m_dialog; }
    DialogProgress(const DialogProgress&) = delete;
    DialogProgress& operator=(const DialogProgress&) = delete;

    bool keepGoing(long long done, long long count) override {
        if ((done & 1023) != 0 || m_cancelled)
            return !m_cancelled;
        const qint64 now = m_clock.elapsed();
        if (m_dialog == nullptr) {
            if (now < 500)
                return true;
            m_dialog = new QProgressDialog(m_text, QStringLiteral("Zrušiť"), 0, 1000, m_parent);
            m_dialog->setWindowTitle(kMessageTitle);
            // Wide enough for its whole title beside the title bar's buttons.
            m_dialog->setMinimumWidth(m_dialog->fontMetrics().horizontalAdvance(kMessageTitle) + 160);
            m_dialog->setWindowModality(Qt::WindowModal);
            m_dialog->setMinimumDuration(0);
            m_dialog->setAutoClose(false);
            m_dialog->setAutoReset(false);
            m_dialog->show();
        } else if (now - m_refreshed < 40) {
            return true;
        }
        m_refreshed = now;
        // Thousandths: the dialog's range is an int, a sweep's count need not be.
        m_dialog->setValue(count > 0 ? static_cast<int>(done * 1000 / count) : 0);
        QCoreApplication::processEvents();
        m_cancelled = m_dialog->wasCanceled();
        return !m_cancelled;
    }
    bool cancelled() const override { return m_cancelled; }

private:
    QWidget* m_parent;
    QString m_text;
    QElapsedTimer m_clock;
    QPointer<QProgressDialog> m_dialog;
    qint64 m_refreshed = 0;
    bool m_cancelled = false;
};

QWidget* currentOwner = nullptr;

} // namespace

DialogOwner::DialogOwner(QWidget* owner) : m_previous(currentOwner) {
    currentOwner = owner;
}

DialogOwner::~DialogOwner() {
    currentOwner = m_previous;
}

QWidget* DialogOwner::current() {
    return currentOwner;
}

QWidget* QtDialogs::owner() const {
    QWidget* window = DialogOwner::current();
    return window != nullptr ? window : m_parent;
}

std::unique_ptr<Progress> QtDialogs::startProgress(const QString& text) {
    return std::make_unique<DialogProgress>(owner(), text);
}

namespace {

// A message box with the program's title, wide enough to show the whole title beside the title
// bar's buttons (a short text would leave a box narrower than its title).
void prepareBox(QMessageBox& box) {
    box.setWindowTitle(kMessageTitle);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int width = box.fontMetrics().horizontalAdvance(kMessageTitle) + 160;
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0,
                      1, grid->columnCount());
    }
}

void showBox(QWidget* owner, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, kMessageTitle, text, QMessageBox::Ok, owner);
    prepareBox(box);
    box.exec();
}

} // namespace

void QtDialogs::showMessage(const QString& text) { showBox(owner(), QMessageBox::Information, text); }

void QtDialogs::showError(const QString& text) { showBox(owner(), QMessageBox::Critical, text); }

SaveChanges QtDialogs::askSaveChanges(const QString& text) {
    QMessageBox box(QMessageBox::Question, kMessageTitle, text, QMessageBox::NoButton, owner());
    QPushButton* save = box.addButton(QStringLiteral("&Uložiť"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("&Neuložiť"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Zrušiť"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    prepareBox(box);
    box.exec();
    if (box.clickedButton() == save)
        return SaveChanges::Save;
    if (box.clickedButton() == discard)
        return SaveChanges::Discard;
    return SaveChanges::Cancel;
}

std::optional<QString> QtDialogs::saveFileName(const FileDialogOptions& options) {
    QFileDialog dialog(owner());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(qtFilter(options.filter));
    dialog.setDefaultSuffix(options.defaultExtension.startsWith('.') ? options.defaultExtension.mid(1)
                                                                     : options.defaultExtension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return withDefaultExtension(dialog.selectedFiles().first(), options.defaultExtension);
}

std::optional<QString> QtDialogs::openFileName(const FileDialogOptions& options) {
    QFileDialog dialog(owner());
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
    QString text = QInputDialog::getText(owner(), caption, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

bool QtDialogs::setUpPrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, owner());
    return dialog.exec() == QDialog::Accepted;
}

} // namespace zav
