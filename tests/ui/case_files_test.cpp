// SPDX-License-Identifier: GPL-3.0-or-later
// The case files against the real windows: a freshly started program holds the case's start
// values, and every value of a case reaches its control and back, the looks that follow the
// switches included.
#include <QLineEdit>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <QMenu>
#include <QSettings>
#include <QAction>
#include <gtest/gtest.h>

#include "temp_folder.h"
#include "io/case_file.h"
#include "ui/case_files.h"
#include "ui/command_line.h"
#include "ui/cooling_window.h"
#include "ui/fluid_window.h"
#include "ui/main_window.h"
#include "ui/scripted_dialogs.h"
#include "ui/window_util.h"
#include "ui/windows.h"

namespace zav {
namespace {

// The keys whose values differ, for a readable failure.
std::string differences(const CaseRecord& actual, const CaseRecord& expected) {
    std::string keys;
    for (const CaseKey& entry : caseKeys()) {
        if (actual.text(entry.key) != expected.text(entry.key))
            keys += entry.key + "=" + actual.text(entry.key) + " (" + expected.text(entry.key) + ") ";
    }
    return keys;
}

// Every value unlike the start value: texts of their own, the other flag, the last choice (the
// first where the last is the start), catalogue item 12.
CaseRecord changedRecord() {
    CaseRecord record;
    for (std::size_t i = 0; i < caseKeys().size(); ++i) {
        const CaseKey& entry = caseKeys()[i];
        switch (entry.type) {
        case CaseValueType::Text:
            record.set(entry.key, "t" + std::to_string(i) + " č");
            break;
        case CaseValueType::Flag:
            record.setFlag(entry.key, std::string(entry.startValue) != "true");
            break;
        case CaseValueType::Choice:
            record.set(entry.key, entry.choices().back() != entry.startValue ? entry.choices().back() : entry.choices().front());
            break;
        case CaseValueType::Index:
            record.set(entry.key, "12");
            break;
        }
    }
    return record;
}

QString look(QWidget* window, const char* name) {
    const auto* edit = window->findChild<QLineEdit*>(QLatin1String(name));
    return QStringLiteral("%1 %2").arg(edit->isReadOnly() ? "read-only" : "editable", background(edit).name());
}

TEST(CaseFiles, FreshWindowsHoldTheStartValues) {
    ScriptedDialogs dialogs([](const QString&) {});
    Windows windows = createWindows(dialogs);
    const CaseRecord gathered = windows.caseFiles->gather();
    EXPECT_EQ(gathered, CaseRecord()) << differences(gathered, CaseRecord());
}

TEST(CaseFiles, EveryValueReachesItsControlAndBack) {
    ScriptedDialogs dialogs([](const QString&) {});
    Windows windows = createWindows(dialogs);
    QWidget* main = windows.mainWindow.get();
    QWidget* cooling = windows.coolingWindow.get();
    const struct {
        CaseRecord record;
        QString emissivityLook;        // the main window's, which follows its radiation box
        QString coolingEmissivityLook; // the cooling window's, which follows its catalogue
    } steps[] = {
        {changedRecord(), "editable #ffffff", "read-only #ffffe1"},
        {CaseRecord(), "read-only #c0c0c0", "editable #ffffff"},
    };
    for (const auto& step : steps) {
        windows.caseFiles->apply(step.record);
        const CaseRecord gathered = windows.caseFiles->gather();
        EXPECT_EQ(gathered, step.record) << differences(gathered, step.record);
        EXPECT_EQ(look(main, "Edit20"), step.emissivityLook);
        EXPECT_EQ(look(cooling, "Edit10"), step.coolingEmissivityLook);
    }
}

// A case too large to be opened again is not saved: no file dialog, the old file stays.
TEST(CaseFiles, CaseBeyondTheReadLimitIsNotSaved) {
    const test::TempFolder folder;
    const std::string path = folder.file("a.zav");
    std::ofstream(path) << "old";
    QStringList transcript;
    ScriptedDialogs dialogs([&transcript](const QString& line) { transcript.append(line); });
    Windows windows = createWindows(dialogs);
    // Sixty fields of the fluid window at the most a field holds, two bytes a letter.
    const QString longText(32767, QChar(0x017E));
    for (int number = 1; number <= 60; ++number)
        windows.fluidWindow->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(number))->setText(longText);
    dialogs.queueAnswer(ScriptedDialogs::Kind::Save, QString::fromStdString(path));
    windows.caseFiles->save();
    EXPECT_EQ(transcript, QStringList{"message: Zadanie sa neuloží: jeho súbor by mal 3843 kB a program otvorí "
                                      "zadanie najviac 1024 kB. Skráťte dlhé texty v poliach."});
    std::ifstream in(path);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old");
}

// "Posledné zadania": the five newest cases, newest first, each once however it was named.
TEST(CaseFiles, TheLastFiveCasesNewestFirst) {
    const test::TempFolder folder;
    ScriptedDialogs dialogs([](const QString&) {});
    Windows windows = createWindows(dialogs);
    for (const char* name : {"1.zav", "2.zav", "3.zav", "4.zav", "5.zav", "6.zav", "7.zav"}) {
        dialogs.queueAnswer(ScriptedDialogs::Kind::Save, QString::fromStdString(folder.file(name)));
        windows.caseFiles->save();
    }
    ASSERT_TRUE(windows.caseFiles->openFile(QString::fromStdString(folder.path().string() + "/./4.zav")));
    QStringList expected;
    for (const char* name : {"4.zav", "7.zav", "6.zav", "5.zav", "3.zav"})
        expected.append(QString::fromStdString(folder.file(name)));
    EXPECT_EQ(windows.caseFiles->recentFiles(), expected);
}

// The last cases of the settings fill "Posledné zadania" as soon as they are read at start, not
// only after a case was opened or saved.
TEST(CaseFiles, TheLastCasesOfTheSettingsFillTheMenuAtStart) {
    const test::TempFolder folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(folder.path().string()));
    const QString stored = QString::fromStdString(folder.file("stored.zav"));
    QSettings(QStringLiteral("zav"), QStringLiteral("zav")).setValue(QStringLiteral("recentCases"), QStringList{stored});
    ScriptedDialogs dialogs([](const QString&) {});
    Windows windows = createWindows(dialogs);
    auto* menu = windows.mainWindow->findChild<QMenu*>(QStringLiteral("PosledneZadania1"));
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->isEnabled());
    windows.caseFiles->rememberRecentFiles(true);
    EXPECT_TRUE(menu->isEnabled());
    auto* first = windows.mainWindow->findChild<QAction*>(QStringLiteral("PosledneZadanie1"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->text(), QStringLiteral("&1 stored.zav"));
    EXPECT_TRUE(first->isVisible());
}

// zav's arguments: only its four options, "--" ending them; any other argument names the case.
TEST(CommandLineTest, OptionsAndTheCaseFile) {
    const struct {
        std::vector<std::string> arguments;
        bool help, version;
        const char* caseFile; // null: none
    } cases[] = {
        {{}, false, false, nullptr},
        {{"a.zav"}, false, false, "a.zav"},
        {{"-x.zav"}, false, false, "-x.zav"},
        {{"-v"}, false, true, nullptr},
        {{"--help", "a.zav"}, true, false, "a.zav"},
        {{"--", "-v"}, false, false, "-v"},
        {{"--", "--"}, false, false, "--"},
        {{"a.zav", "b.zav"}, false, false, "a.zav"},
        {{"\xff.zav"}, false, false, "\xff.zav"},
    };
    for (const auto& c : cases) {
        const CommandLine line = parseCommandLine(c.arguments);
        EXPECT_EQ(line.help, c.help);
        EXPECT_EQ(line.version, c.version);
        EXPECT_EQ(line.caseFile.value_or("(none)"), c.caseFile != nullptr ? c.caseFile : "(none)");
    }
}

// A name that is not UTF-8 reaches its file: typed, relative to a folder that is not UTF-8, and
// from the last cases of the next start.
TEST(CaseFiles, NamesThatAreNotUtf8ReachTheirFiles) {
    for (const std::string bytes : {"a.zav", "\xc4\x8d.zav", "\xff\xfe.zav", "\xc3.zav", "\xed\xa0\x80.zav",
                                    "\xef\xbf\xbd.zav", "\xf4\x90\x80\x80.zav"})
        EXPECT_EQ(fileNameBytes(fileNameFromBytes(bytes)), bytes);
    EXPECT_EQ(fileNameFromBytes("\xc4\x8d.zav"), QStringLiteral("č.zav"));

    const test::TempFolder folder;
    const std::string odd = folder.file("\xff\xfe");
    std::filesystem::create_directory(odd);
    ::setenv("XDG_CONFIG_HOME", folder.file("config").c_str(), 1);
    ScriptedDialogs dialogs([](const QString&) {});
    const std::filesystem::path before = std::filesystem::current_path();
    {
        Windows windows = createWindows(dialogs);
        windows.caseFiles->rememberRecentFiles(true);
        dialogs.queueAnswer(ScriptedDialogs::Kind::Save, fileNameFromBytes(odd + "/a.zav"));
        windows.caseFiles->save();
        std::filesystem::current_path(odd);
        dialogs.queueAnswer(ScriptedDialogs::Kind::Save, QStringLiteral("b.zav"));
        windows.caseFiles->save();
        std::filesystem::current_path(before);
    }
    Windows windows = createWindows(dialogs);
    windows.caseFiles->rememberRecentFiles(true);
    const QStringList recent = windows.caseFiles->recentFiles();
    ASSERT_EQ(recent.size(), 2);
    EXPECT_EQ(fileNameBytes(recent[0]), odd + "/b.zav");
    EXPECT_EQ(fileNameBytes(recent[1]), odd + "/a.zav");
    EXPECT_TRUE(windows.caseFiles->openFile(recent[1]));
}

} // namespace
} // namespace zav
