// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/scenario_runner.h"

#include <QAbstractButton>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QLineSeries>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>

#include <charconv>
#include <cmath>

#include "io/case_inputs.h"
#include "ui/chart_window.h"
#include "ui/cooling_picture.h"
#include "ui/main_window.h"
#include "ui/panel_status_bar.h"
#include "ui/window_util.h"

namespace zav {

namespace {

QString colourName(const QColor& colour) { return colour.name(QColor::HexRgb).toUpper(); }

QString actionText(const QAction* action) {
    QString text = action->text();
    text.remove('&');
    return text;
}

// The controls `dump` lists: named the way the window layouts name their controls.
bool isDumpedControl(const QObject* object) {
    static const QRegularExpression controlName(QStringLiteral("^[A-Za-z]+[0-9]+$"));
    if (!object->isWidgetType() || !controlName.match(object->objectName()).hasMatch())
        return false;
    if (qobject_cast<const QLabel*>(object) != nullptr)
        return object->objectName().startsWith(QLatin1String("Image"));
    if (qobject_cast<const CoolingPicture*>(object) != nullptr)
        return true;
    return qobject_cast<const QLineEdit*>(object) != nullptr || qobject_cast<const QCheckBox*>(object) != nullptr ||
           qobject_cast<const QRadioButton*>(object) != nullptr || qobject_cast<const QComboBox*>(object) != nullptr ||
           qobject_cast<const QProgressBar*>(object) != nullptr || qobject_cast<const QTabWidget*>(object) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(object) != nullptr || qobject_cast<const QChartView*>(object) != nullptr ||
           qobject_cast<const PanelStatusBar*>(object) != nullptr;
}

// The shortest text that reads back to the same double, with a decimal point ("nan", "inf" and
// "-inf" for values that are not finite).
QString shortest(double value) {
    if (std::isnan(value))
        return QStringLiteral("nan");
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, error == std::errc() ? end - buffer : 0);
}

void collectDumped(const QObject* parent, QList<QObject*>& out) {
    for (QObject* child : parent->children()) {
        if (isDumpedControl(child))
            out.append(child);
        if (auto* view = qobject_cast<QChartView*>(child)) {
            for (QAbstractSeries* series : view->chart()->series())
                out.append(series);
        }
        if (auto* tabs = qobject_cast<QTabWidget*>(child)) {
            // Pages in tab order: the shown page is raised to the end of its parent's children.
            for (int i = 0; i < tabs->count(); ++i)
                collectDumped(tabs->widget(i), out);
        } else if (qobject_cast<QComboBox*>(child) == nullptr) {
            collectDumped(child, out);
        }
    }
}

} // namespace

ScenarioRunner::ScenarioRunner(Output transcript, Output errors)
    : m_transcript(std::move(transcript)), m_errors(std::move(errors)),
      m_dialogs([this](const QString& line) { m_transcript(line); }), m_windows(createWindows(m_dialogs)) {
    QObject::connect(m_windows.mainWindow.get(), &MainWindow::programEnded, [this] {
        for (QWidget* w : m_windows.all())
            w->hide();
        m_ended = true;
    });
    m_windows.mainWindow->show();
}

ScenarioRunner::~ScenarioRunner() = default;

QList<ScenarioRunner::Word> ScenarioRunner::split(const QString& line) {
    QList<Word> words;
    int i = 0;
    const int n = static_cast<int>(line.size());
    while (i < n) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        Word word;
        if (line[i] == '"') {
            word.quoted = true;
            ++i;
            bool closed = false;
            while (i < n) {
                QChar c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\' && i < n) {
                    QChar e = line[i++];
                    if (e == 'n')
                        word.text += '\n';
                    else if (e == '"' || e == '\\')
                        word.text += e;
                    else
                        throw ScriptError("unknown escape \\" + QString(e).toStdString() + " in a quoted text");
                    continue;
                }
                word.text += c;
            }
            if (!closed)
                throw ScriptError("unterminated quoted text");
            if (i < n && line[i] != ' ' && line[i] != '\t')
                throw ScriptError("a quoted text must be followed by a blank");
        } else {
            while (i < n && line[i] != ' ' && line[i] != '\t')
                word.text += line[i++];
        }
        words.append(word);
    }
    return words;
}

ScenarioRunner::Outcome ScenarioRunner::run(const QString& scriptName, const QStringList& lines) {
    for (int index = 0; index < lines.size() && !m_ended; ++index) {
        const QString trimmed = lines[index].trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#'))
            continue;
        try {
            execute(split(lines[index]), index + 1);
        } catch (const ScriptError& error) {
            m_errors(QStringLiteral("%1:%2: %3").arg(scriptName).arg(index + 1).arg(QString::fromUtf8(error.what())));
            return Outcome::ScriptError;
        }
        if (m_ended)
            m_transcript(QStringLiteral("ended"));
    }
    return m_failed ? Outcome::ExpectFailed : Outcome::Passed;
}

QWidget* ScenarioRunner::window(const QString& name) const {
    for (QWidget* w : m_windows.all()) {
        if (w->objectName() == name)
            return w;
    }
    throw ScriptError("unknown window " + name.toStdString());
}

QObject* ScenarioRunner::control(const QString& name) const {
    const int dot = static_cast<int>(name.indexOf('.'));
    if (dot <= 0)
        throw ScriptError("not a control name: " + name.toStdString());
    // A key of the table of the inputs ("main.t_body") names the control that shows it.
    const std::string key = name.toStdString();
    if (QWidget* section = m_windows.windowOfSection(key.substr(0, static_cast<std::size_t>(dot)))) {
        try {
            const CaseKey& entry = caseKey(key);
            if (entry.control != nullptr) {
                if (QObject* found = section->findChild<QObject*>(QLatin1String(entry.control)))
                    return found;
            }
        } catch (const std::out_of_range&) {
        }
        throw ScriptError("unknown control " + key + " (a key of a case shown by one control)");
    }
    QWidget* w = window(name.left(dot));
    const QString controlName = name.mid(dot + 1);
    QObject* found = w->findChild<QObject*>(controlName);
    // A chart's series belong to the chart, which is not a child of its view.
    for (QChartView* view : w->findChildren<QChartView*>()) {
        for (QAbstractSeries* series : view->chart()->series()) {
            if (found == nullptr && series->objectName() == controlName)
                found = series;
        }
    }
    if (found == nullptr || controlName.isEmpty())
        throw ScriptError("unknown control " + name.toStdString());
    return found;
}

// The commands in the order they are matched: "answer progress" before the other answers.
const ScenarioRunner::Command ScenarioRunner::kCommands[] = {
    {"set", nullptr, 2, &ScenarioRunner::setText},
    {"click", nullptr, 1, &ScenarioRunner::click},
    {"select", nullptr, 2, &ScenarioRunner::select},
    {"menu", nullptr, 1, &ScenarioRunner::chooseMenu},
    {"close", nullptr, 1, &ScenarioRunner::closeWindow},
    {"answer", "progress", 3, &ScenarioRunner::answerProgress},
    {"answer", nullptr, 2, &ScenarioRunner::answerDialog},
    {"print", nullptr, 1, &ScenarioRunner::print},
    {"look", nullptr, 1, &ScenarioRunner::lookAt},
    {"dump", nullptr, 1, &ScenarioRunner::dumpWindow},
    {"echo", nullptr, 1, &ScenarioRunner::echo},
    {"expect", nullptr, 2, &ScenarioRunner::expect},
};

void ScenarioRunner::execute(const QList<Word>& words, int lineNumber) {
    const QString command = words[0].text;
    for (const Command& entry : kCommands) {
        if (command != QLatin1String(entry.word))
            continue;
        if (entry.firstArgument != nullptr &&
            (words.size() < 2 || words[1].text != QLatin1String(entry.firstArgument)))
            continue;
        if (words.size() != entry.arity + 1)
            throw ScriptError(
                QStringLiteral("%1 takes %2 argument(s)").arg(command).arg(entry.arity).toStdString());
        (this->*entry.handler)(words, lineNumber);
        return;
    }
    throw ScriptError("unknown command " + command.toStdString());
}

void ScenarioRunner::setText(const QList<Word>& words, int) {
    QObject* target = control(words[1].text);
    if (auto* edit = qobject_cast<QLineEdit*>(target))
        edit->setText(words[2].text);
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(target))
        memo->setPlainText(words[2].text);
    else
        throw ScriptError(words[1].text.toStdString() + " is not an edit");
}

void ScenarioRunner::click(const QList<Word>& words, int) {
    auto* button = qobject_cast<QAbstractButton*>(control(words[1].text));
    if (button == nullptr)
        throw ScriptError(words[1].text.toStdString() + " is not a button, check box or radio button");
    button->click();
}

void ScenarioRunner::select(const QList<Word>& words, int) {
    bool ok = false;
    const int index = words[2].text.toInt(&ok);
    QObject* target = control(words[1].text);
    if (auto* combo = qobject_cast<QComboBox*>(target)) {
        if (!ok || index < -1 || index >= combo->count())
            throw ScriptError("no item " + words[2].text.toStdString() + " in " + words[1].text.toStdString());
        combo->setCurrentIndex(index);
    } else if (auto* tabs = qobject_cast<QTabWidget*>(target)) {
        if (!ok || index < 0 || index >= tabs->count())
            throw ScriptError("no tab " + words[2].text.toStdString() + " in " + words[1].text.toStdString());
        tabs->setCurrentIndex(index);
    } else {
        throw ScriptError(words[1].text.toStdString() + " is not a combo box or a tab control");
    }
}

void ScenarioRunner::chooseMenu(const QList<Word>& words, int) {
    auto* item = qobject_cast<QAction*>(control(words[1].text));
    if (item == nullptr)
        throw ScriptError(words[1].text.toStdString() + " is not a menu item");
    item->trigger();
}

void ScenarioRunner::closeWindow(const QList<Word>& words, int) { window(words[1].text)->close(); }

void ScenarioRunner::answerProgress(const QList<Word>& words, int) {
    bool number = false;
    const long long done = words[3].text.toLongLong(&number);
    if (words[2].text != QLatin1String("cancel") || !number || done < 0)
        throw ScriptError("answer progress takes cancel and a number of points");
    m_dialogs.queueProgressCancel(done);
}

void ScenarioRunner::answerDialog(const QList<Word>& words, int) {
    static const QStringList kinds = {QStringLiteral("save"), QStringLiteral("open"), QStringLiteral("input"),
                                      QStringLiteral("printer"), QStringLiteral("question")};
    const int kind = static_cast<int>(kinds.indexOf(words[1].text));
    if (kind < 0)
        throw ScriptError("unknown dialog kind " + words[1].text.toStdString());
    std::optional<QString> answer;
    if (words[2].quoted || words[2].text != QLatin1String("cancel"))
        answer = words[2].text;
    static const QStringList questionAnswers = {QStringLiteral("save"), QStringLiteral("discard")};
    if (words[1].text == QLatin1String("question") && answer && !questionAnswers.contains(*answer))
        throw ScriptError("answer question takes save, discard or cancel");
    m_dialogs.queueAnswer(static_cast<ScriptedDialogs::Kind>(kind), answer);
}

void ScenarioRunner::print(const QList<Word>& words, int) {
    for (const QString& line : printLines(words[1].text))
        m_transcript(line);
}

void ScenarioRunner::lookAt(const QList<Word>& words, int) { m_transcript(look(words[1].text)); }

void ScenarioRunner::dumpWindow(const QList<Word>& words, int) {
    for (const QString& line : dump(words[1].text))
        m_transcript(line);
}

void ScenarioRunner::echo(const QList<Word>& words, int) { m_transcript(words[1].text); }

void ScenarioRunner::expect(const QList<Word>& words, int lineNumber) {
    const QString name = words[1].text;
    const QString prefix = name + '=';
    const QString actualLine = printLines(name).value(0);
    const QString actual = actualLine.startsWith(prefix) ? actualLine.mid(prefix.size()) : actualLine;
    const QString expected = escapeLineBreaks(words[2].text);
    if (actual != expected) {
        m_transcript(QStringLiteral("FAIL %1: %2 is \"%3\", expected \"%4\"")
                         .arg(lineNumber)
                         .arg(name, actual, expected));
        m_failed = true;
    }
}

QStringList ScenarioRunner::printLines(const QString& name) const {
    // A single panel of a status bar: WINDOW.StatusBar1[i].
    static const QRegularExpression panel(QStringLiteral("^(.+)\\[(\\d+)\\]$"));
    const auto match = panel.match(name);
    if (match.hasMatch()) {
        auto* bar = qobject_cast<PanelStatusBar*>(control(match.captured(1)));
        const int index = match.captured(2).toInt();
        if (bar == nullptr || index >= bar->panelCount())
            throw ScriptError("unknown control " + name.toStdString());
        return {name + '=' + escapeLineBreaks(bar->panelText(index))};
    }
    if (!name.contains('.')) {
        QWidget* w = window(name);
        return {name + (w->isVisible() ? QStringLiteral("=shown") : QStringLiteral("=hidden")),
                name + QStringLiteral(".caption=") + w->windowTitle()};
    }
    return printObject(name, control(name));
}

QStringList ScenarioRunner::printObject(const QString& name, QObject* object) const {
    const QString prefix = name + '=';
    if (auto* edit = qobject_cast<QLineEdit*>(object))
        return {prefix + escapeLineBreaks(edit->text())};
    if (auto* memo = qobject_cast<QPlainTextEdit*>(object))
        return {prefix + escapeLineBreaks(memo->toPlainText())};
    if (auto* box = qobject_cast<QCheckBox*>(object))
        return {prefix + (box->isChecked() ? "checked" : "unchecked")};
    if (auto* radio = qobject_cast<QRadioButton*>(object))
        return {prefix + (radio->isChecked() ? "checked" : "unchecked")};
    if (auto* button = qobject_cast<QAbstractButton*>(object))
        return {prefix + QString(button->text()).remove('&')};
    if (auto* combo = qobject_cast<QComboBox*>(object))
        return {prefix + QString::number(combo->currentIndex()) + ' ' + combo->currentText()};
    if (auto* progress = qobject_cast<QProgressBar*>(object))
        return {prefix + QString::number(progress->value()) + '/' + QString::number(progress->maximum())};
    if (auto* tabs = qobject_cast<QTabWidget*>(object))
        return {prefix + QString::number(tabs->currentIndex())};
    if (auto* table = qobject_cast<QTableWidget*>(object)) {
        // A line per row, its cells joined by " | "; none of an empty table.
        QStringList lines;
        for (int r = 0; r < table->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < table->columnCount(); ++c)
                cells << (table->item(r, c) != nullptr ? table->item(r, c)->text() : QString());
            lines << QStringLiteral("%1[%2]=%3").arg(name).arg(r).arg(cells.join(QStringLiteral(" | ")));
        }
        return lines;
    }
    if (auto* bar = qobject_cast<PanelStatusBar*>(object)) {
        QStringList lines;
        for (int i = 0; i < bar->panelCount(); ++i)
            lines << QStringLiteral("%1[%2]=%3").arg(name).arg(i).arg(escapeLineBreaks(bar->panelText(i)));
        return lines;
    }
    if (auto* series = qobject_cast<QXYSeries*>(object)) {
        // The chart draws fewer points than it holds: print them all.
        auto* chart = qobject_cast<ChartWindow*>(window(name.left(name.indexOf('.'))));
        const QList<QPointF> points = chart != nullptr ? chart->allPoints(series) : series->points();
        QString line = prefix + QString::number(points.size()) + ':';
        for (const QPointF& p : points)
            line += ' ' + shortest(p.x()) + ';' + shortest(p.y());
        return {line};
    }
    if (qobject_cast<QChartView*>(object) != nullptr) {
        auto* chart = qobject_cast<ChartWindow*>(window(name.left(name.indexOf('.'))));
        if (chart == nullptr)
            throw ScriptError(name.toStdString() + " cannot be printed");
        return {prefix + chart->leftAxisTitle()};
    }
    if (auto* picture = qobject_cast<CoolingPicture*>(object))
        return {prefix + QStringLiteral("%1x%2").arg(picture->image().width()).arg(picture->image().height())};
    if (auto* label = qobject_cast<QLabel*>(object)) {
        if (!label->pixmap().isNull())
            return {prefix + QStringLiteral("%1x%2").arg(label->pixmap().width()).arg(label->pixmap().height())};
        // A picture drawn when its window is first shown: the size it is laid out at.
        if (label->objectName().startsWith(QLatin1String("Image")) && label->text().isEmpty())
            return {prefix + QStringLiteral("%1x%2").arg(label->width()).arg(label->height())};
        return {prefix + escapeLineBreaks(label->text())};
    }
    if (auto* action = qobject_cast<QAction*>(object)) {
        if (action->isCheckable())
            return {prefix + (action->isChecked() ? "checked" : "unchecked")};
        return {prefix + actionText(action)};
    }
    if (auto* w = qobject_cast<QWidget*>(object))
        return {prefix + w->windowTitle()};
    throw ScriptError(name.toStdString() + " cannot be printed");
}

QString ScenarioRunner::look(const QString& name) const {
    auto* w = qobject_cast<QWidget*>(control(name));
    if (w == nullptr)
        throw ScriptError(name.toStdString() + " is not a control that can be looked at");
    QStringList parts;
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        parts << (edit->isReadOnly() ? QStringLiteral("read-only") : QStringLiteral("editable"));
        parts << QStringLiteral("background ") + colourName(background(edit));
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
        parts << (memo->isReadOnly() ? QStringLiteral("read-only") : QStringLiteral("editable"));
        parts << QStringLiteral("background ") + colourName(background(memo));
    } else {
        parts << QStringLiteral("background ") + colourName(w->palette().color(w->backgroundRole()));
    }
    parts << (w->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"));
    return name + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
}

QStringList ScenarioRunner::dump(const QString& windowName) const {
    QList<QObject*> controls;
    collectDumped(window(windowName), controls);
    QStringList lines;
    for (QObject* c : controls)
        lines << printObject(windowName + '.' + c->objectName(), c);
    return lines;
}

} // namespace zav
