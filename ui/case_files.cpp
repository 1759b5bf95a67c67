// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/case_files.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
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

// The windows whose inputs a case holds.
enum class Window { Main, Range, Chart, Cooling, HeatCapacity, Fluid, Design };

// The object names of the controls of each case key (several: the radio buttons of a choice, in
// the order of its names), as the windows' layouts name them.
struct ControlNames {
    const char* key;
    Window window;
    std::vector<const char*> names;
};

const std::vector<ControlNames>& fixedControls() {
    static const std::vector<ControlNames> controls = {
        {"main.t_body", Window::Main, {"Edit1"}},
        {"main.t_fluid", Window::Main, {"Edit2"}},
        {"main.length", Window::Main, {"Edit10"}},
        {"main.area", Window::Main, {"Edit17"}},
        {"main.radiation", Window::Main, {"CheckBox1"}},
        {"main.emissivity", Window::Main, {"Edit20"}},
        {"main.fluid", Window::Main, {"RadioButton1", "RadioButton10", "RadioButton13"}},
        {"main.properties", Window::Main, {"CheckBoxRef"}},
        {"main.shape",
         Window::Main,
         {"RadioButton2", "RadioButton3", "RadioButton4", "RadioButton5", "RadioButton6", "RadioButton7",
          "RadioButton8", "RadioButton9"}},
        {"main.angle", Window::Main, {"Edit16"}},
        {"main.face", Window::Main, {"RadioButton11", "RadioButton12"}},
        {"main.fin_gap", Window::Main, {"Edit11"}},
        {"main.tube_diameter", Window::Main, {"Edit19"}},
        {"range.from", Window::Range, {"Edit1"}},
        {"range.to", Window::Range, {"Edit2"}},
        {"range.step", Window::Range, {"Edit3"}},
        {"chart.alpha_total", Window::Chart, {"CheckBox1"}},
        {"chart.alpha_rad", Window::Chart, {"CheckBox2"}},
        {"chart.alpha_conv", Window::Chart, {"CheckBox3"}},
        {"chart.heat_capacity", Window::Chart, {"CheckBox4"}},
        {"chart.conductivity", Window::Chart, {"CheckBox5"}},
        {"chart.dyn_viscosity", Window::Chart, {"CheckBox6"}},
        {"chart.density", Window::Chart, {"CheckBox7"}},
        {"chart.prandtl", Window::Chart, {"CheckBox8"}},
        {"cooling.mass", Window::Cooling, {"Edit1"}},
        {"cooling.cooling_area", Window::Cooling, {"Edit3"}},
        {"cooling.target", Window::Cooling, {"Edit4"}},
        {"cooling.steps", Window::Cooling, {"Edit6"}},
        {"cooling.radiation", Window::Cooling, {"CheckBox1"}},
        {"cooling.emissivity_material", Window::Cooling, {"ComboBox2"}},
        {"cooling.emissivity", Window::Cooling, {"Edit10"}},
        {"cooling.material_conductivity", Window::Cooling, {"Edit5"}},
        {"cooling.thickness", Window::Cooling, {"Edit8"}},
        {"cooling.picture_background", Window::Cooling, {"ComboBox1"}},
        {"heat_capacity.model", Window::HeatCapacity, {"RadioButton2", "RadioButton4", "RadioButton3", "RadioButton1"}},
        {"heat_capacity.constant", Window::HeatCapacity, {"Edit1"}},
        {"heat_capacity.cubic.0", Window::HeatCapacity, {"Edit2"}},
        {"heat_capacity.cubic.1", Window::HeatCapacity, {"Edit3"}},
        {"heat_capacity.cubic.2", Window::HeatCapacity, {"Edit4"}},
        {"heat_capacity.cubic.3", Window::HeatCapacity, {"Edit5"}},
        {"fluid.kind", Window::Fluid, {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4"}},
        {"design.heat_flow", Window::Design, {"Edit1"}},
        {"design.unknown", Window::Design, {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4"}},
    };
    return controls;
}

// The number of the fluid window's field ("Edit" and the number) of a key under "fluid.", or 0.
int fluidFieldNumber(const std::string& key) {
    static const std::map<std::string, int> numbers = [] {
        std::map<std::string, int> n;
        const char* const rows[4] = {"dyn_viscosity", "density", "conductivity", "heat_capacity"};
        const char* const constant[5] = {"dyn_viscosity", "density", "conductivity", "heat_capacity",
                                         "expansion_coeff"};
        for (int i = 0; i < 5; ++i)
            n[std::string("fluid.constant.") + constant[i]] = 1 + i;
        for (int i = 0; i < 4; ++i) {
            const std::string linear = std::string("fluid.linear.") + rows[i];
            n[linear + ".0"] = 6 + 2 * i;
            n[linear + ".1"] = 7 + 2 * i;
            const std::string quadratic = std::string("fluid.quadratic.") + rows[i];
            n[quadratic + ".0"] = 16 + i;
            n[quadratic + ".1"] = 20 + i;
            n[quadratic + ".2"] = 26 + i;
        }
        n["fluid.linear.t_min"] = 14;
        n["fluid.linear.t_max"] = 15;
        n["fluid.quadratic.t_min"] = 24;
        n["fluid.quadratic.t_max"] = 25;
        const char* const keloRows[4] = {"dyn_viscosity", "compressibility", "conductivity", "heat_capacity"};
        for (int row = 0; row < 4; ++row) {
            for (int k = 0; k < 6; ++k)
                n[std::string("fluid.kelo.") + keloRows[row] + "." + std::to_string(k)] = 30 + row * 6 + k;
        }
        n["fluid.kelo.pressure"] = 54;
        n["fluid.kelo.t_min"] = 55;
        n["fluid.kelo.t_max"] = 56;
        n["fluid.kelo.name"] = 57;
        n["fluid.kelo.p_min"] = 58;
        n["fluid.kelo.p_max"] = 59;
        n["fluid.kelo.gas_constant"] = 60;
        return n;
    }();
    const auto found = numbers.find(key);
    return found == numbers.end() ? 0 : found->second;
}

QWidget* windowOf(const Windows& windows, Window window) {
    switch (window) {
    case Window::Main:
        return windows.mainWindow.get();
    case Window::Range:
        return windows.rangeWindow.get();
    case Window::Chart:
        return windows.chartWindow.get();
    case Window::Cooling:
        return windows.coolingWindow.get();
    case Window::HeatCapacity:
        return windows.heatCapacityWindow.get();
    case Window::Fluid:
        return windows.fluidWindow.get();
    case Window::Design:
        return windows.designWindow.get();
    }
    return nullptr;
}

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
        if (const int number = fluidFieldNumber(entry.key); number > 0) {
            const std::string name = "Edit" + std::to_string(number);
            binding.controls.push_back(findControl(windows.fluidWindow.get(), name.c_str()));
        } else {
            for (const ControlNames& names : fixedControls()) {
                if (entry.key != names.key)
                    continue;
                for (const char* name : names.names)
                    binding.controls.push_back(findControl(windowOf(windows, names.window), name));
            }
        }
        if (binding.controls.empty())
            throw std::logic_error("case files: no control for " + entry.key);
        m_bindings.push_back(std::move(binding));
    }
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
                                        : entry.choices.at(static_cast<std::size_t>(std::max(index, 0))));
        } else if (entry.type == CaseValueType::Flag) {
            record.setFlag(binding.key, qobject_cast<QAbstractButton*>(control)->isChecked());
        } else if (binding.controls.size() == 1) {
            // A choice of two shown by a check box: the second when it is ticked.
            record.set(binding.key, entry.choices.at(qobject_cast<QAbstractButton*>(control)->isChecked() ? 1 : 0));
        } else {
            for (std::size_t i = 0; i < binding.controls.size(); ++i) {
                if (qobject_cast<QAbstractButton*>(binding.controls[i])->isChecked())
                    record.set(binding.key, entry.choices.at(i));
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
                index = static_cast<int>(std::find(entry.choices.begin(), entry.choices.end(), value) -
                                         entry.choices.begin());
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
            setChecked(qobject_cast<QAbstractButton*>(control), value == entry.choices.at(1));
        } else {
            const auto chosen = std::find(entry.choices.begin(), entry.choices.end(), value) - entry.choices.begin();
            setChecked(qobject_cast<QAbstractButton*>(binding.controls.at(static_cast<std::size_t>(chosen))), true);
        }
    }
}

void CaseFiles::open() {
    const std::optional<QString> name = m_dialogs.openFileName(kCaseDialog);
    if (name)
        openFile(*name);
}

bool CaseFiles::openFile(const QString& path) {
    CaseRecord record;
    try {
        // Everything is read and checked before the first field changes.
        record = readCaseFile(fileNameBytes(path), path.toStdString(), InputKinds::RegularOnly);
    } catch (const CaseFileError& error) {
        m_dialogs.showMessage(QString::fromStdString(error.what()));
        return false;
    }
    apply(record);
    addRecent(path);
    return true;
}

void CaseFiles::save() {
    // A case is saved only when it can be opened again.
    const std::string bytes = writeCase(gather());
    if (bytes.size() > kMaximumCaseBytes) {
        m_dialogs.showMessage(QStringLiteral("Zadanie sa neuloží: jeho súbor by mal %1 kB a program otvorí zadanie "
                                             "najviac %2 kB. Skráťte dlhé texty v poliach.")
                                  .arg((bytes.size() + 1023) / 1024)
                                  .arg(kMaximumCaseBytes / 1024));
        return;
    }
    const std::optional<QString> name = m_dialogs.saveFileName(kCaseDialog);
    if (!name)
        return;
    ReplacingFile file;
    if (!file.open(fileNameBytes(*name))) {
        m_dialogs.showMessage(QString::fromStdString(openFailureMessage(file.failure(), name->toStdString())));
        return;
    }
    file.write(bytes);
    if (!file.close()) {
        m_dialogs.showMessage(QString::fromStdString(notWrittenMessage(name->toStdString())));
        return;
    }
    addRecent(*name);
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
}

} // namespace zav
