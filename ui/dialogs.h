// SPDX-License-Identifier: GPL-3.0-or-later
// The one door through which the windows talk to the user modally: message boxes, input boxes,
// file and printer dialogs. The program uses QtDialogs; tests and the scenario runner use
// ScriptedDialogs, so that no modal dialog ever opens there.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QString>

#include "export/sweeps.h"

class QPrinter;
class QWidget;

namespace zav {

/// The progress of one long computation, which the user may cancel.
class Progress : public SweepProgress {
public:
    /// True once the user cancelled.
    virtual bool cancelled() const = 0;
};

/// The answers of the question whether to save a changed case first.
enum class SaveChanges { Save, Discard, Cancel };

struct FileDialogOptions {
    QString filter;           // "TXT|*.txt": description and pattern
    QString defaultExtension; // appended to a name typed without one
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    /// A modal information box with an OK button.
    virtual void showMessage(const QString& text) = 0;
    /// The message of an error that escaped an event handler.
    virtual void showError(const QString& text) = 0;
    /// The chosen file name, or nothing when cancelled.
    virtual std::optional<QString> saveFileName(const FileDialogOptions& options) = 0;
    virtual std::optional<QString> openFileName(const FileDialogOptions& options) = 0;
    /// A one-line input box; the typed text, or nothing when cancelled.
    virtual std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                             const QString& defaultText) = 0;
    /// The printer set-up dialog; true when confirmed, with `printer` set up for printing.
    virtual bool setUpPrinter(QPrinter& printer) = 0;
    /// The question `text` before a changed case would be lost: "Uložiť", "Neuložiť" or "Zrušiť".
    virtual SaveChanges askSaveChanges(const QString& text) = 0;
    /// The progress of a computation about to start, described by `text`; a progress dialog with
    /// "Zrušiť" appears when it runs longer than about half a second.
    virtual std::unique_ptr<Progress> startProgress(const QString& text) = 0;
};

/// The file an open dialog answers for a typed name: the name itself when it exists, else the name
/// with the default extension appended when it has none.
QString openedFileName(const QString& typed, const QString& defaultExtension,
                       const std::function<bool(const QString&)>& exists);

/// While one exists, the dialogs shown belong to its window (the innermost one when nested): the
/// window whose handler asked for them.
class DialogOwner {
public:
    explicit DialogOwner(QWidget* owner);
    ~DialogOwner();
    DialogOwner(const DialogOwner&) = delete;
    DialogOwner& operator=(const DialogOwner&) = delete;

    /// The window that owns the dialogs now, or nullptr outside every handler.
    static QWidget* current();

private:
    QWidget* m_previous;
};

/// Dialogs of the running program, parented to the window that asks for them (DialogOwner), else
/// to `parent`.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    std::optional<QString> saveFileName(const FileDialogOptions& options) override;
    std::optional<QString> openFileName(const FileDialogOptions& options) override;
    std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                     const QString& defaultText) override;
    bool setUpPrinter(QPrinter& printer) override;
    SaveChanges askSaveChanges(const QString& text) override;
    std::unique_ptr<Progress> startProgress(const QString& text) override;

private:
    QWidget* owner() const;

    QWidget* m_parent;
};

} // namespace zav
