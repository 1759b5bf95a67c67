// SPDX-License-Identifier: GPL-3.0-or-later
// The windows as a keyboard and a screen reader reach them: Return computes, Tab walks the main
// window in its reading order, every focusable control has a name, a field that is not a number
// takes the focus, Ctrl+C copies the main window; and a cooling run that the other windows stay
// open to during its progress dialog: what is typed meanwhile does not reach it, and a cancelled
// run leaves the window as it was.
#include <functional>

#include <QAccessible>
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QAction>
#include <QTest>

#include <gtest/gtest.h>

#include "temp_folder.h"
#include "ui/case_files.h"
#include "ui/cooling_picture.h"
#include "ui/cooling_window.h"
#include "ui/design_window.h"
#include "ui/fluid_window.h"
#include "ui/heat_capacity_window.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/scripted_dialogs.h"
#include "ui/windows.h"

namespace zav {
namespace {

// Scripted dialogs whose progress runs an action at every question whether to go on.
class DialogsDuringRun : public ScriptedDialogs {
public:
    explicit DialogsDuringRun(Transcript transcript) : ScriptedDialogs(std::move(transcript)) {}

    std::function<void(long long done)> duringRun;
    // The window each file dialog belonged to, in order.
    QList<QWidget*> owners;

    std::optional<QString> saveFileName(const FileDialogOptions& options) override {
        owners << DialogOwner::current();
        return ScriptedDialogs::saveFileName(options);
    }
    std::optional<QString> openFileName(const FileDialogOptions& options) override {
        owners << DialogOwner::current();
        return ScriptedDialogs::openFileName(options);
    }

    std::unique_ptr<Progress> startProgress(const QString& text) override {
        if (!duringRun)
            return ScriptedDialogs::startProgress(text);
        class Acting : public Progress {
        public:
            explicit Acting(std::function<void(long long)> action) : m_action(std::move(action)) {}
            bool keepGoing(long long done, long long) override {
                m_action(done);
                return true;
            }
            bool cancelled() const override { return false; }

        private:
            std::function<void(long long)> m_action;
        };
        return std::make_unique<Acting>(duringRun);
    }
};

class DesktopTest : public ::testing::Test {
protected:
    DesktopTest() : m_dialogs([this](const QString& line) { m_transcript << line; }), m_windows(createWindows(m_dialogs)) {}

    template <class T = QLineEdit> T* control(QWidget* window, const char* name) const {
        T* found = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QWidget* main() const { return m_windows.mainWindow.get(); }
    QWidget* cooling() const { return m_windows.coolingWindow.get(); }
    void click(QWidget* window, const char* name) { control<QAbstractButton>(window, name)->click(); }

    DialogsDuringRun m_dialogs;
    Windows m_windows;
    QStringList m_transcript;
};

TEST_F(DesktopTest, ReturnAndEnterRunTheirWindowsCalculation) {
    struct Case {
        const char* window; // "main", "cooling" or "design"
        const char* target; // where the key is pressed
        Qt::Key key;
        const char* result;
    };
    const Case cases[] = {
        {"main", "Edit1", Qt::Key_Return, "Edit13"},   {"main", "Edit17", Qt::Key_Enter, "Edit13"},
        {"main", "Edit19", Qt::Key_Return, "Edit13"},  {"main", "Button1", Qt::Key_Return, "Edit13"},
        {"cooling", "Edit6", Qt::Key_Return, "Edit7"}, {"cooling", "Button1", Qt::Key_Enter, "Edit7"},
        {"cooling", "Edit8", Qt::Key_Return, "Edit9"}, {"design", "Edit1", Qt::Key_Enter, "Edit2"},
        {"design", "RadioButton3", Qt::Key_Return, "Edit2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.window) + " " + c.target);
        // A fresh result each time: the fields are cleared, then the key must fill them again.
        click(main(), "Button1");
        const std::string name = c.window;
        QWidget* window = name == "main" ? main() : name == "cooling" ? cooling() : m_windows.designWindow.get();
        control(window, c.result)->setText(QStringLiteral("?"));
        const Qt::KeyboardModifiers modifiers = c.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::keyClick(control<QWidget>(window, c.target), c.key, modifiers);
        EXPECT_NE(control(window, c.result)->text(), QStringLiteral("?"));
    }
    EXPECT_TRUE(m_transcript.isEmpty()) << m_transcript.join('\n').toStdString();
}

// A group of radio buttons is one Tab stop, at its checked button, wherever the choice is.
TEST_F(DesktopTest, TabWalksInputsFluidShapesButtonThenResults) {
    main()->show();
    auto tabOrder = [this] {
        QList<QString> order;
        QWidget* first = control<QWidget>(main(), "Edit1");
        QWidget* w = first;
        do {
            if (w->isVisibleTo(main()) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty())
                order << w->objectName();
            w = w->nextInFocusChain();
        } while (w != first);
        return order;
    };
    const struct {
        const char* fluid;
        const char* shape;
        const char* face;
    } choices[] = {{"RadioButton1", "RadioButton2", "RadioButton11"}, {"RadioButton10", "RadioButton3", "RadioButton12"}};
    for (const auto& chosen : choices) {
        click(main(), chosen.fluid);
        click(main(), chosen.shape);
        click(main(), chosen.face);
        const QList<QString> expected{
            "Edit1",  "Edit2",  "Edit10", "Edit17", "CheckBox1",  "Edit20", chosen.fluid, "Button2",
            "CheckBoxRef", chosen.shape, "Edit16", chosen.face, "Edit11", "Edit19", "Button1", "Edit15",
            "Edit3",  "Edit4",  "Edit5",  "Edit6",  "Edit7",      "Edit21", "Edit8",      "Edit9",
            "Edit14", "Edit12", "Edit13", "Edit18"};
        const QList<QString> order = tabOrder();
        ASSERT_GE(order.size(), expected.size());
        EXPECT_EQ(order.mid(0, expected.size()), expected) << chosen.fluid;
    }
}

// Every focusable control of every window has a name a screen reader can say; every picture of
// a shape says which length l is.
TEST_F(DesktopTest, EveryFocusableControlIsNamed) {
    QList<QWidget*> windows = m_windows.all();
    windows << m_windows.helpWindow.get();
    int seen = 0;
    for (QWidget* window : windows) {
        window->show();
        QList<QAccessibleInterface*> pending{QAccessible::queryAccessibleInterface(window)};
        while (!pending.isEmpty()) {
            QAccessibleInterface* node = pending.takeLast();
            if (node == nullptr)
                continue;
            ++seen;
            for (int i = 0; i < node->childCount(); ++i)
                pending << node->child(i);
            auto* widget = qobject_cast<QWidget*>(node->object());
            if (widget == nullptr || !widget->isVisibleTo(window) || widget->focusPolicy() == Qt::NoFocus)
                continue;
            EXPECT_FALSE(node->text(QAccessible::Name).trimmed().isEmpty())
                << window->objectName().toStdString() << '.' << widget->objectName().toStdString() << " ("
                << widget->metaObject()->className() << " in "
                << (widget->parentWidget() != nullptr ? widget->parentWidget()->metaObject()->className() : "")
                << ") has no accessible name";
        }
        window->hide();
    }
    EXPECT_GT(seen, 150);
    const struct {
        const char* control;
        const char* name;
    } named[] = {
        {"Button2", "Vlastný materiál…"},
        {"Edit16", "Uhol sklonu plochy (°)"},
        {"Edit11", "Svetlá vzdialenosť medzi rebrami (m)"},
        {"Edit19", "Priemer rúrky d (m)"},
        {"Edit1", "Teplota telesa (°C)"},
    };
    for (const auto& n : named) {
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(control<QWidget>(main(), n.control));
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->text(QAccessible::Name), QString::fromUtf8(n.name)) << n.control;
    }
    EXPECT_EQ(control<QLabel>(main(), "Image1")->accessibleDescription(),
              QStringLiteral("Vertikálna plocha: l je výška plochy"));
    for (int i = 1; i <= 8; ++i) {
        const QByteArray picture = "Image" + QByteArray::number(i);
        EXPECT_TRUE(control<QLabel>(main(), picture.constData())->accessibleDescription().contains(QStringLiteral(": l ")))
            << picture.constData();
    }
}

// Groups, lists and menus as a screen reader names them: each group by its own title (not an outer
// group's), each list by the label that points to it or the group it is alone in, each menu by
// its title, and the last cases by their files.
TEST_F(DesktopTest, GroupsListsAndMenusAreNamedByTheirOwnLabels) {
    auto name = [](QObject* object) {
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(object);
        return node != nullptr ? node->text(QAccessible::Name) : QString();
    };
    QList<QWidget*> windows = m_windows.all();
    int lists = 0;
    for (QWidget* window : windows) {
        for (QGroupBox* group : window->findChildren<QGroupBox*>())
            EXPECT_EQ(name(group), QString(group->title()).remove('&')) << window->objectName().toStdString();
        for (QMenu* menu : window->findChildren<QMenu*>())
            EXPECT_EQ(name(menu), QString(menu->title()).remove('&')) << window->objectName().toStdString();
        for (QComboBox* list : window->findChildren<QComboBox*>()) {
            QAccessibleInterface* node = QAccessible::queryAccessibleInterface(list);
            const auto labels = node->relations(QAccessible::Label);
            const auto* group = qobject_cast<QGroupBox*>(list->parentWidget());
            EXPECT_TRUE(!labels.isEmpty() || (group != nullptr && group->findChildren<QWidget*>().size() <= 3))
                << list->objectName().toStdString() << " is named only by its value";
            ++lists;
        }
    }
    EXPECT_EQ(lists, 2); // the emissivity catalogue and the kind of picture
    EXPECT_EQ(name(control<QGroupBox>(main(), "GroupBox2")), QStringLiteral("Poloha plochy"));
    QAccessibleInterface* catalogue = QAccessible::queryAccessibleInterface(control<QComboBox>(cooling(), "ComboBox2"));
    ASSERT_FALSE(catalogue->relations(QAccessible::Label).isEmpty());
    EXPECT_EQ(catalogue->relations(QAccessible::Label).first().first->text(QAccessible::Name), QStringLiteral("Emisivita (1):"));

    test::TempFolder folder;
    m_dialogs.queueAnswer(ScriptedDialogs::Kind::Save, QString::fromStdString(folder.file("skrina.zav")));
    m_windows.caseFiles->save();
    QAction* recent = main()->findChild<QAction*>(QStringLiteral("PosledneZadanie1"));
    ASSERT_NE(recent, nullptr);
    QMenu* menu = main()->findChild<QMenu*>(QStringLiteral("PosledneZadania1"));
    QAccessibleInterface* item = QAccessible::queryAccessibleInterface(menu)->child(0);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(QAccessible::Name), QStringLiteral("1 skrina.zav"));
}

TEST_F(DesktopTest, EscapeHidesEveryWindowButTheMainOne) {
    QList<QWidget*> tools = m_windows.all();
    tools.removeOne(main());
    tools << m_windows.helpWindow.get();
    for (QWidget* window : tools) {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << window->objectName().toStdString();
        QTest::keyClick(window, Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    }
}

TEST_F(DesktopTest, FileDialogsBelongToTheWindowThatAsks) {
    click(cooling(), "Button3");
    click(m_windows.fluidWindow.get(), "Button3");
    m_windows.mainWindow->findChild<QAction*>(QStringLiteral("Ulodosboru1"))->trigger();
    EXPECT_EQ(m_dialogs.owners, (QList<QWidget*>{cooling(), m_windows.fluidWindow.get(), main()}));
}

// No two menus of a menu bar, items of a menu or buttons of a window share their Alt letter.
TEST_F(DesktopTest, MnemonicsAreUniqueInEachWindow) {
    auto letter = [](const QString& text) {
        const int at = text.indexOf('&');
        return at >= 0 && at + 1 < text.size() ? text[at + 1].toLower() : QChar();
    };
    auto unique = [&](const QString& where, const QStringList& texts) {
        QList<QChar> seen;
        for (const QString& text : texts) {
            const QChar key = letter(text);
            EXPECT_FALSE(key.isNull()) << where.toStdString() << ": " << text.toStdString() << " has no mnemonic";
            EXPECT_FALSE(seen.contains(key)) << where.toStdString() << ": " << text.toStdString();
            seen << key;
        }
    };
    for (QWidget* window : m_windows.all()) {
        const QString name = window->objectName();
        QStringList buttons;
        for (const QPushButton* button : window->findChildren<QPushButton*>()) {
            if (button->text() != QLatin1String("..."))
                buttons << button->text();
        }
        QStringList bar;
        if (auto* mainWindow = qobject_cast<QMainWindow*>(window)) {
            for (QAction* menu : mainWindow->menuBar()->actions()) {
                bar << menu->text();
                if (menu->menu() == nullptr)
                    continue;
                QStringList items;
                for (QAction* item : menu->menu()->actions()) {
                    if (!item->isSeparator())
                        items << item->text();
                }
                unique(name + ' ' + menu->text(), items);
            }
        }
        unique(name + " buttons and menus", buttons + bar);
    }
}

TEST_F(DesktopTest, AFieldThatIsNoNumberTakesTheFocusWithItsTextSelected) {
    const struct {
        const char* field;
        const char* text;
    } cases[] = {{"Edit2", "dvadsať"}, {"Edit17", "1.5"}};
    for (const auto& c : cases) {
        m_transcript.clear();
        control(main(), "Edit1")->setFocus();
        QLineEdit* field = control(main(), c.field);
        field->setText(QString::fromUtf8(c.text));
        click(main(), "Button1");
        ASSERT_EQ(m_transcript.size(), 1);
        EXPECT_TRUE(m_transcript[0].startsWith(QStringLiteral("error: "))) << m_transcript[0].toStdString();
        EXPECT_EQ(main()->focusWidget(), field) << c.field;
        EXPECT_EQ(field->selectedText(), QString::fromUtf8(c.text));
        field->setText(QStringLiteral("20"));
    }
    EXPECT_EQ(control(main(), "Edit1")->toolTip(), QStringLiteral("Teplota povrchu telesa v °C, napr. 85,5"));
}

TEST_F(DesktopTest, CtrlCCopiesInputsAndResultsAsLabelTabValueLines) {
    main()->show();
    main()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main()));
    click(main(), "Button1");
    control(main(), "Edit1")->setFocus();
    control(main(), "Edit1")->deselect();
    QApplication::clipboard()->clear();
    QTest::keyClick(control<QWidget>(main(), "Edit1"), Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(lines.contains(QStringLiteral("Teplota telesa (°C)\t100")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Typ tekutiny\tVzduch (-76 až 2226 °C)")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Geometria povrchu\tVertikálna plocha")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Súč. pres. tep. (W.m-2.K-1)\t") + control(main(), "Edit13")->text()));
    for (const QString& line : lines)
        EXPECT_EQ(line.count('\t'), 1) << line.toStdString();
    // An edit's own selection is copied as it always was.
    control(main(), "Edit2")->setFocus();
    control(main(), "Edit2")->selectAll();
    QTest::keyClick(control<QWidget>(main(), "Edit2"), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("20"));
}

// The chosen shape's own inputs follow the shape's line, each as "label⇥value".
TEST_F(DesktopTest, CtrlCCopiesTheChosenShapesOwnInputs) {
    const auto copied = [this] {
        QApplication::clipboard()->clear();
        QTest::keyClick(control<QWidget>(main(), "Edit1"), Qt::Key_C, Qt::ControlModifier);
        return QApplication::clipboard()->text();
    };
    main()->show();
    main()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main()));
    click(main(), "RadioButton9");
    EXPECT_TRUE(copied().contains(QStringLiteral("Geometria povrchu\tRebrovaná rúrka\n"
                                                 "Svetlá vzdialenosť medzi rebrami (m)\t0,005\n"
                                                 "Priemer rúrky d (m)\t0,1\n")));
    click(main(), "RadioButton4");
    click(main(), "RadioButton12");
    EXPECT_TRUE(copied().contains(QStringLiteral("Geometria povrchu\tHorizontálna plocha\nPoloha plochy\tSpodná plocha\n")));
    click(main(), "RadioButton3");
    EXPECT_TRUE(copied().contains(QStringLiteral("Geometria povrchu\tVert. naklonená plocha\nUhol sklonu plochy (°)\t0\n")));
}

// What the user types while a run goes on reaches neither this run nor its picture.
TEST_F(DesktopTest, ACoolingRunReadsItsInputsOnce) {
    click(cooling(), "Button1");
    const QString untouched = control(cooling(), "Edit7")->text();
    ASSERT_NE(untouched, QStringLiteral("0 s"));
    m_dialogs.duringRun = [this](long long) {
        control(cooling(), "Edit10")->setText(QStringLiteral("0,1"));
        control(cooling(), "Edit1")->setText(QStringLiteral("50"));
        control(m_windows.heatCapacityWindow.get(), "Edit1")->setText(QStringLiteral("9000"));
        control(main(), "Edit2")->setText(QStringLiteral("60"));
        control(m_windows.fluidWindow.get(), "Edit1")->setText(QStringLiteral("nie je číslo"));
    };
    control(cooling(), "Edit7")->setText(QString());
    click(cooling(), "Button1");
    EXPECT_TRUE(m_transcript.isEmpty()) << m_transcript.join('\n').toStdString();
    EXPECT_EQ(control(cooling(), "Edit7")->text(), untouched);
}

TEST_F(DesktopTest, ACancelledCoolingRunKeepsThePictureAndTheTime) {
    click(cooling(), "Button1");
    const QString time = control(cooling(), "Edit7")->text();
    const QImage picture = m_windows.coolingWindow->picture().image();
    control(cooling(), "Edit6")->setText(QStringLiteral("1e9"));
    control(cooling(), "Edit4")->setText(QStringLiteral("50"));
    m_dialogs.queueProgressCancel(20000);
    click(cooling(), "Button1");
    ASSERT_EQ(m_transcript, QStringList{QStringLiteral("dialog: progress -> cancel after 20480")});
    EXPECT_EQ(control(cooling(), "Edit7")->text(), time);
    EXPECT_EQ(m_windows.coolingWindow->picture().image(), picture);

    // Ending the program from the main window, which stays open to the user, stops the run too.
    int questions = 0;
    m_dialogs.duringRun = [this, &questions](long long) {
        if (++questions == 2)
            main()->close();
    };
    click(cooling(), "Button1");
    EXPECT_EQ(questions, 2);
    EXPECT_EQ(control(cooling(), "Edit7")->text(), time);
}

} // namespace
} // namespace zav
