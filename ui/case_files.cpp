// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/case_files.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "export/replacing_file.h"
#include "io/case_file.h"
#include "ui/chart_window.h"
#include "ui/design_window.h"
#include "ui/cooling_window.h"
#include "ui/dialogs.h"
#include "ui/fluid_window.h"
#include "ui/heat_capacity_window.h"
#include "ui/main_window.h"
#include "ui/range_window.h"
#include "ui/window_util.h"
#include "ui/windows.h"

namespace zav {

namespace {

const FileDialogOptions kCaseDialog{QStringLiteral("Zadanie ZAV|*.zav"), QStringLiteral(".zav")};
constexpr int kRecentCount = 5;
const QString kRecentSetting = QStringLiteral("recentCases");
// The same names as the bytes of the file system, percent-encoded: a name that is not UTF-8 reaches
// its file again (the texts of recentCases would hold U+FFFD for such bytes).
const QString kRecentBytesSetting = QStringLiteral("recentCaseBytes");
// The field that the cooling window's emissivity catalogue fills and locks.
const char kCatalogueField[] = "cooling.emissivity";

// The user's settings of the program (~/.config/zav/zav.conf).
QSettings settings() { return QSettings(QStringLiteral("zav"), QStringLiteral("zav")); }

QObject* findControl(QWidget* window, const char* name) {
    QObject* control = window == nullptr ? nullptr : window->findChild<QObject*>(QLatin1String(name));
    if (control == nullptr)
        throw std::logic_error(std::string("case files: no control ") + name);
    return control;
}

// Makes a check box show `on` as the user's click would, its handler included.
void setChecked(QAbstractButton* box, bool on) {
    if (box->isChecked() != on)
        box->click();
}

} // namespace

CaseFiles::CaseFiles(Windows& windows, Dialogs& dialogs) : m_dialogs(dialogs) {
    for (const CaseKey& entry : caseKeys()) {
        Binding binding{entry.key, {}};
        QWidget* window = windows.windowOfSection(entry.key.substr(0, entry.key.find('.')));
        if (entry.control != nullptr) {
            binding.controls.push_back(findControl(window, entry.control));
        } else if (entry.choice != nullptr) {
            for (const ChoiceName& name : *entry.choice)
                binding.controls.push_back(findControl(window, name.control));
        }
        if (binding.controls.empty())
            throw std::logic_error("case files: no control for " + entry.key);
        for (QObject* control : binding.controls) {
            auto edited = [this] { noteEdit(); };
            if (auto* edit = qobject_cast<QLineEdit*>(control)) {
                m_edits.push_back(QObject::connect(edit, &QLineEdit::textChanged, edited));
            } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
                m_edits.push_back(QObject::connect(combo, &QComboBox::currentIndexChanged, edited));
                m_edits.push_back(QObject::connect(combo, &QComboBox::editTextChanged, edited));
            } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                m_edits.push_back(QObject::connect(button, &QAbstractButton::toggled, edited));
            }
        }
        m_bindings.push_back(std::move(binding));
    }
    m_startBytes = writeCase(gather());
}

CaseFiles::~CaseFiles() {
    for (const QMetaObject::Connection& connection : m_edits)
        QObject::disconnect(connection);
}

QString CaseFiles::caseName() const {
    if (!m_guarding)
        return QString();
    return m_path.isEmpty() ? QStringLiteral("bez názvu") : QFileInfo(m_path).fileName();
}

void CaseFiles::notify() {
    if (m_listener)
        m_listener();
}

void CaseFiles::noteEdit() {
    if (!m_guarding || m_applying)
        return;
    const bool changed = writeCase(gather()) != m_savedBytes;
    if (changed != m_changed) {
        m_changed = changed;
        notify();
    }
}

void CaseFiles::settle(const QString& path, std::string bytes) {
    m_path = path;
    m_guarding = true;
    m_savedBytes = std::move(bytes);
    m_changed = false;
}

bool CaseFiles::mayReplace() {
    if (!m_guarding || !m_changed)
        return true;
    switch (m_dialogs.askSaveChanges(QStringLiteral("Uložiť zmeny v zadaní %1?").arg(caseName()))) {
    case SaveChanges::Save:
        if (m_path.isEmpty())
            return save();
        if (const std::optional<std::string> bytes = savableCase())
            return saveInto(m_path, *bytes);
        return false;
    case SaveChanges::Discard:
        return true;
    case SaveChanges::Cancel:
        break;
    }
    return false;
}

void CaseFiles::newCase() {
    if (!mayReplace())
        return;
    m_applying = true;
    apply(readCase(m_startBytes, ""));
    m_applying = false;
    if (m_guarding)
        settle(QString(), writeCase(gather()));
    notify();
}

CaseRecord CaseFiles::gather() const {
    CaseRecord record;
    for (const Binding& binding : m_bindings) {
        const CaseKey& entry = caseKey(binding.key);
        QObject* control = binding.controls.front();
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            record.set(binding.key, edit->text().toStdString());
        } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            const int index = combo->currentIndex();
            record.set(binding.key, entry.type == CaseValueType::Index
                                        ? std::to_string(index)
                                        : entry.choices().at(static_cast<std::size_t>(std::max(index, 0))));
        } else if (entry.type == CaseValueType::Flag) {
            record.setFlag(binding.key, qobject_cast<QAbstractButton*>(control)->isChecked());
        } else if (binding.controls.size() == 1) {
            // A choice of two shown by a check box: the second when it is ticked.
            record.set(binding.key, entry.choices().at(qobject_cast<QAbstractButton*>(control)->isChecked() ? 1 : 0));
        } else {
            for (std::size_t i = 0; i < binding.controls.size(); ++i) {
                if (qobject_cast<QAbstractButton*>(binding.controls[i])->isChecked())
                    record.set(binding.key, entry.choices().at(i));
            }
        }
    }
    return record;
}

void CaseFiles::apply(const CaseRecord& record) {
    // In the order of the keys: a window's switches before the fields whose look they set (the
    // radiation box before the emissivity, the catalogue before its field).
    for (const Binding& binding : m_bindings) {
        const CaseKey& entry = caseKey(binding.key);
        const std::string& value = record.text(binding.key);
        QObject* control = binding.controls.front();
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            edit->setText(QString::fromStdString(value));
            edit->setCursorPosition(0);
        } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            int index = 0;
            if (entry.type == CaseValueType::Index)
                index = record.index(binding.key);
            else
                index = static_cast<int>(entry.choice->find(value));
            if (combo->currentIndex() == index)
                continue;
            combo->setCurrentIndex(index);
            if (index < 0 && combo->isEditable()) {
                // No item chosen, as at the start: the catalogue's field is the user's again.
                combo->setEditText(QStringLiteral("vlastné nastavenie"));
                combo->setToolTip(combo->currentText());
                if (combo->lineEdit() != nullptr)
                    combo->lineEdit()->setCursorPosition(0);
                if (auto* field = qobject_cast<QLineEdit*>(controlOf(kCatalogueField))) {
                    field->setReadOnly(false);
                    setBackground(field, kWindowBackground);
                }
            }
        } else if (entry.type == CaseValueType::Flag) {
            setChecked(qobject_cast<QAbstractButton*>(control), value == "true");
        } else if (binding.controls.size() == 1) {
            setChecked(qobject_cast<QAbstractButton*>(control), value == entry.choices().at(1));
        } else {
            setChecked(qobject_cast<QAbstractButton*>(binding.controls.at(entry.choice->find(value))), true);
        }
    }
}

void CaseFiles::open() {
    if (!mayReplace())
        return;
    const std::optional<QString> name = m_dialogs.openFileName(kCaseDialog);
    if (name)
        load(*name);
}

bool CaseFiles::openFile(const QString& path) { return mayReplace() && load(path); }

bool CaseFiles::load(const QString& path) {
    CaseRecord record;
    try {
        // Everything is read and checked before the first field changes.
        record = readCaseFile(fileNameBytes(path), path.toStdString(), InputKinds::RegularOnly);
    } catch (const CaseFileError& error) {
        m_dialogs.showMessage(QString::fromStdString(error.what()));
        return false;
    }
    m_applying = true;
    apply(record);
    m_applying = false;
    settle(path, writeCase(gather()));
    addRecent(path);
    return true;
}

std::optional<std::string> CaseFiles::savableCase() {
    // A case is saved only when it can be opened again.
    std::string bytes = writeCase(gather());
    if (bytes.size() <= kMaximumCaseBytes)
        return bytes;
    m_dialogs.showMessage(QStringLiteral("Zadanie sa neuloží: jeho súbor by mal %1 kB a program otvorí zadanie "
                                         "najviac %2 kB. Skráťte dlhé texty v poliach.")
                              .arg((bytes.size() + 1023) / 1024)
                              .arg(kMaximumCaseBytes / 1024));
    return std::nullopt;
}

bool CaseFiles::save() {
    const std::optional<std::string> bytes = savableCase();
    if (!bytes)
        return false;
    const std::optional<QString> name = m_dialogs.saveFileName(kCaseDialog);
    return name && saveInto(*name, *bytes);
}

bool CaseFiles::saveInto(const QString& path, const std::string& bytes) {
    ReplacingFile file;
    if (!file.open(fileNameBytes(path))) {
        m_dialogs.showMessage(QString::fromStdString(openFailureMessage(file.failure(), path.toStdString())));
        return false;
    }
    file.write(bytes);
    if (!file.close()) {
        m_dialogs.showMessage(QString::fromStdString(notWrittenMessage(path.toStdString())));
        return false;
    }
    settle(path, bytes);
    addRecent(path);
    return true;
}

QObject* CaseFiles::controlOf(const std::string& key) const {
    for (const Binding& binding : m_bindings) {
        if (binding.key == key)
            return binding.controls.front();
    }
    return nullptr;
}

QStringList CaseFiles::recentFiles() const { return m_recent; }

void CaseFiles::rememberRecentFiles(bool on) {
    m_persistent = on;
    if (!on)
        return;
    QStringList stored = settings().value(kRecentSetting).toStringList();
    // The bytes' list, where it names the same files (another program may have kept only the texts).
    QStringList exact;
    for (const QString& encoded : settings().value(kRecentBytesSetting).toStringList())
        exact.append(fileNameFromBytes(QByteArray::fromPercentEncoding(encoded.toLatin1()).toStdString()));
    bool same = exact.size() == stored.size();
    for (qsizetype i = 0; same && i < exact.size(); ++i)
        same = QString::fromUtf8(exact[i].toUtf8()) == stored[i];
    if (same)
        stored = exact;
    m_recent.clear();
    for (const QString& path : stored) {
        if (!path.isEmpty() && !m_recent.contains(path) && m_recent.size() < kRecentCount)
            m_recent.append(path);
    }
    notify();
}

void CaseFiles::addRecent(const QString& path) {
    // One entry per file, however it was named; the current folder by its bytes, which need not
    // be UTF-8.
    QString absolute = path;
    if (!path.startsWith(QLatin1Char('/'))) {
        std::string folder(4096, '\0');
        while (::getcwd(folder.data(), folder.size()) == nullptr && errno == ERANGE)
            folder.resize(folder.size() * 2);
        folder.resize(std::strlen(folder.c_str()));
        absolute = fileNameFromBytes(folder) + QLatin1Char('/') + path;
    }
    absolute = QDir::cleanPath(absolute);
    m_recent.removeAll(absolute);
    m_recent.prepend(absolute);
    while (m_recent.size() > kRecentCount)
        m_recent.removeLast();
    if (m_persistent) {
        QStringList bytes;
        for (const QString& name : m_recent)
            bytes.append(QString::fromLatin1(QByteArray::fromStdString(fileNameBytes(name)).toPercentEncoding()));
        QSettings stored = settings();
        stored.setValue(kRecentSetting, m_recent);
        stored.setValue(kRecentBytesSetting, bytes);
    }
    notify();
}

} // namespace zav
