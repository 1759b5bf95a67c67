// SPDX-License-Identifier: GPL-3.0-or-later
// The windows on a laptop: each fits a 1366×768 screen with a panel (with its title bar), and each
// field and label shows its whole text after calculations that give the longest numbers and notes.
// Run at 100 % and again at 200 % (QT_SCALE_FACTOR=2).
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QStyle>
#include <QTextDocument>

#include <gtest/gtest.h>

#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/scripted_dialogs.h"
#include "ui/window_util.h"
#include "ui/windows.h"

namespace zav {
namespace {

const QRect kLaptop(0, 0, 1366, 728); // 1366×768 less a 40 px panel

class LayoutTest : public ::testing::Test {
protected:
    LayoutTest() : m_dialogs([](const QString&) {}), m_windows(createWindows(m_dialogs)) {}

    QList<QWidget*> windows() const {
        QList<QWidget*> all = m_windows.all();
        all << m_windows.helpWindow.get();
        return all;
    }

    ScriptedDialogs m_dialogs;
    Windows m_windows;
};

// Made as large as the laptop allows, each window is whole: no larger than the screen, and a fixed
// inside (the main window's, the cooling window's) needs no scrolling there.
TEST_F(LayoutTest, EveryWindowFitsALaptopScreenWithItsTitleBar) {
    for (QWidget* window : windows()) {
        const std::string name = window->objectName().toStdString();
        const QSize fitted = sizeOnScreen(window->size(), kLaptop).expandedTo(window->minimumSize());
        EXPECT_EQ(sizeOnScreen(fitted, kLaptop), fitted) << name << " cannot be made small enough";
        window->resize(fitted);
        window->show();
        for (const QScrollArea* inside : window->findChildren<QScrollArea*>(QStringLiteral("Inside"))) {
            const QSize needed = inside->widget()->minimumSize();
            const QSize shown = inside->maximumViewportSize();
            EXPECT_TRUE(needed.width() <= shown.width() && needed.height() <= shown.height())
                << name << " shows " << shown.width() << 'x' << shown.height() << " of its inside, which needs "
                << needed.width() << 'x' << needed.height();
        }
        window->hide();
    }
}

// A line edit's text fits between its frame and margins; a label's text in its width (a word-wrapped
// one: its lines in its height).
void expectWholeTexts(QWidget* window, const char* when) {
    window->show(); // the layouts place the controls
    for (const QLineEdit* edit : window->findChildren<QLineEdit*>()) {
        if (!edit->isVisibleTo(window) || edit->parent()->inherits("QComboBox") ||
            edit->parent()->inherits("QAbstractSpinBox"))
            continue;
        const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
        const int room = edit->width() - 2 * frame - 4;
        EXPECT_LE(edit->fontMetrics().horizontalAdvance(edit->text()), room)
            << when << ": " << edit->objectName().toStdString() << " \"" << edit->text().toStdString() << '"';
    }
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty() || !label->pixmap().isNull() ||
            Qt::mightBeRichText(label->text()) || label->parent()->inherits("QAbstractButton"))
            continue;
        if (label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height())
                << when << ": " << label->text().toStdString();
        } else {
            EXPECT_LE(label->fontMetrics().boundingRect(QRect(0, 0, 10000, 10000), label->alignment(), label->text().trimmed()).width(),
                      label->contentsRect().width())
                << when << ": " << label->text().toStdString();
        }
    }
}

TEST_F(LayoutTest, FieldsAndLabelsShowTheirWholeText) {
    QWidget* main = m_windows.mainWindow.get();
    auto set = [main](const char* name, const char* text) {
        main->findChild<QLineEdit*>(QLatin1String(name))->setText(QString::fromUtf8(text));
    };
    auto click = [main](const char* name) { main->findChild<QAbstractButton*>(QLatin1String(name))->click(); };
    expectWholeTexts(main, "at start");
    // Air below the fluid's temperature on a long plate: Gr and Ra of twelve digits; then far too
    // long a plate: the longest text of the status bar.
    set("Edit1", "-60");
    set("Edit10", "2");
    click("Button1");
    expectWholeTexts(main, "cold long plate in air");
    set("Edit10", "9,5");
    click("Button1");
    expectWholeTexts(main, "Ra above the range");
    // Water above its boiling point with radiation: the longest note under the results.
    set("Edit1", "150");
    set("Edit10", "0,1");
    click("RadioButton10");
    click("CheckBox1");
    click("Button1");
    expectWholeTexts(main, "hot water with radiation");
    for (QWidget* window : windows())
        expectWholeTexts(window, "every window at start");
}

} // namespace
} // namespace zav
