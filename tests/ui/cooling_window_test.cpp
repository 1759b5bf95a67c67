// SPDX-License-Identifier: GPL-3.0-or-later
// The cooling window's picture as a run leaves it, pixel by pixel, in both colour schemes, and the
// bitmap or PNG that "Ulož graf" writes.
#include <filesystem>

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "temp_folder.h"
#include "ui/cooling_picture.h"
#include "ui/cooling_window.h"
#include "ui/scripted_dialogs.h"
#include "ui/windows.h"

namespace zav {
namespace {

struct SchemeCase {
    int plotType;
    QRgb background;
    QRgb axis;
    QRgb curve;
};

void PrintTo(const SchemeCase& c, std::ostream* os) { *os << "plot type " << c.plotType; }

class CoolingPictureTest : public ::testing::TestWithParam<SchemeCase> {
protected:
    CoolingPictureTest() : m_dialogs([this](const QString& line) { m_transcript << line; }), m_windows(createWindows(m_dialogs)) {}

    // The default run: 100 °C in air at 20 °C down to 30 °C in 10000 steps, radiation on.
    const QImage& runDefaults(int plotType) {
        m_windows.coolingWindow->findChild<QComboBox*>(QStringLiteral("ComboBox1"))->setCurrentIndex(plotType);
        m_windows.coolingWindow->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        return m_windows.coolingWindow->picture().image();
    }

    ScriptedDialogs m_dialogs;
    Windows m_windows;
    QStringList m_transcript;
};

TEST_P(CoolingPictureTest, FrameAndCurveWhereTheRunPlacesThem) {
    const SchemeCase& c = GetParam();
    const QImage& image = runDefaults(c.plotType);
    ASSERT_TRUE(m_transcript.isEmpty()) << m_transcript.join('\n').toStdString();
    ASSERT_EQ(image.size(), QSize(737, 489));
    const QRgb grid = qRgb(160, 160, 164);
    struct Expected {
        int x, y;
        QRgb colour;
        const char* what;
    };
    const Expected pixels[] = {
        {5, 480, c.background, "corner"},
        {50, 20, c.axis, "top of the temperature axis"},
        {50, 444, c.axis, "bottom of the temperature axis"},
        {50, 445, c.background, "below the temperature axis"},
        {40, 440, c.axis, "start of the time axis"},
        {716, 440, c.axis, "end of the time axis"},
        {717, 440, c.background, "past the time axis"},
        {45, 40, c.axis, "top tick"},
        {54, 40, c.axis, "top tick's end"},
        {57, 40, c.background, "between tick and grid"},
        {700, 435, c.axis, "last time tick"},
        {700, 444, c.axis, "last time tick's end"},
        {60, 420, grid, "grid dash"},
        {77, 420, grid, "grid dash's end"},
        {78, 420, c.background, "grid gap"},
        {84, 420, grid, "next grid dash"},
        {72, 75, c.curve, "curve, step 1000"},
        {201, 215, c.curve, "curve, step 5000"},
        {700, 390, c.curve, "curve, last step"},
        {300, 310, c.background, "inside the plot, between grid lines"},
    };
    for (const Expected& p : pixels)
        EXPECT_EQ(image.pixel(p.x, p.y), p.colour) << p.what << " at " << p.x << ", " << p.y;

    // The labels "100" at (10, 34) and "Čas (s)" at (368, 470): text of the axis colour only.
    for (const QRect& box : {QRect(10, 34, 30, 12), QRect(368, 470, 50, 14)}) {
        int text = 0;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                EXPECT_TRUE(pixel == c.axis || pixel == c.background) << x << ", " << y;
                text += pixel == c.axis;
            }
        }
        EXPECT_GT(text, 10) << "no text at " << box.x() << ", " << box.y();
    }
}

INSTANTIATE_TEST_SUITE_P(Schemes, CoolingPictureTest,
                         ::testing::Values(SchemeCase{0, qRgb(0, 0, 0), qRgb(0, 255, 0), qRgb(255, 255, 0)},
                                           SchemeCase{1, qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(0, 0, 0)}));

// A Windows bitmap, or PNG when the name ends in ".png" (in any case of letters).
TEST_F(CoolingPictureTest, SavedFileHoldsThePicture) {
    const QImage& image = runDefaults(0);
    const test::TempFolder folder;
    for (const char* name : {"krivka.bmp", "krivka", "krivka.png", "KRIVKA.PNG"}) {
        m_transcript.clear();
        const QString path = QString::fromStdString(folder.file(name));
        m_dialogs.queueAnswer(ScriptedDialogs::Kind::Save, path);
        m_windows.coolingWindow->findChild<QPushButton*>(QStringLiteral("Button3"))->click();
        EXPECT_EQ(m_transcript, QStringList{QStringLiteral("dialog: save -> ") + path});
        const char* format = path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ? "PNG" : "BMP";
        QImage saved(path, format);
        ASSERT_FALSE(saved.isNull()) << name;
        EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), image) << name;
    }
}

// Picking a material writes the emissivity its list item shows, and locks the field.
TEST_F(CoolingPictureTest, EveryCatalogueEntryWritesTheEmissivityItsItemShows) {
    auto* catalogue = m_windows.coolingWindow->findChild<QComboBox*>(QStringLiteral("ComboBox2"));
    auto* field = m_windows.coolingWindow->findChild<QLineEdit*>(QStringLiteral("Edit10"));
    ASSERT_EQ(catalogue->count(), 33);
    EXPECT_EQ(catalogue->itemText(1), QStringLiteral("1: Cín  (0,05)"));
    EXPECT_EQ(catalogue->itemText(32), QString());
    for (int i = 1; i <= 31; ++i) {
        catalogue->setCurrentIndex(i);
        const QString item = catalogue->itemText(i);
        EXPECT_TRUE(item.startsWith(QString::number(i) + QStringLiteral(": "))) << item.toStdString();
        EXPECT_TRUE(item.endsWith(QStringLiteral(" (") + field->text() + ')'))
            << item.toStdString() << " wrote " << field->text().toStdString();
        EXPECT_TRUE(field->isReadOnly());
    }
    catalogue->setCurrentIndex(0);
    EXPECT_EQ(field->text(), QStringLiteral("1"));
    EXPECT_FALSE(field->isReadOnly());
    // The open list shows every name whole; the closed box its start, the tool tip all of it.
    const QFontMetrics metrics(catalogue->view()->font());
    for (int i = 0; i < catalogue->count(); ++i)
        EXPECT_GT(catalogue->view()->minimumWidth(), metrics.horizontalAdvance(catalogue->itemText(i))) << i;
    catalogue->setCurrentIndex(10);
    EXPECT_EQ(catalogue->toolTip(), catalogue->itemText(10));
    EXPECT_EQ(catalogue->lineEdit()->cursorPosition(), 0);
    EXPECT_TRUE(m_transcript.isEmpty());
}

} // namespace
} // namespace zav
