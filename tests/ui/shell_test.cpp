// SPDX-License-Identifier: GPL-3.0-or-later
// The shell as the user meets it: standard dialogs in Slovak, the pictures of "O autorovi ...",
// printing both windows to one PDF page each, and the chart's legend as it is drawn after sweeps.
#include <filesystem>
#include <fstream>
#include <chrono>
#include <memory>
#include <sstream>
#include <thread>

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QImageReader>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QXYSeries>

#include <gtest/gtest.h>

#include "temp_folder.h"
#include "ui/author_window.h"
#include "ui/chart_window.h"
#include "ui/cooling_window.h"
#include "ui/dialogs.h"
#include "ui/fluid_window.h"
#include "ui/main_window.h"
#include "ui/range_window.h"
#include "ui/scripted_dialogs.h"
#include "ui/windows.h"

namespace zav {
namespace {

class ShellTest : public ::testing::Test {
protected:
    ShellTest() : m_dialogs([this](const QString& line) { m_transcript << line; }), m_windows(createWindows(m_dialogs)) {
        m_windows.mainWindow->show();
    }

    QString path(const char* name) const { return QString::fromStdString((m_dir / name).string()); }
    template <class T> T* child(QWidget* window, const char* name) const {
        T* found = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    ScriptedDialogs m_dialogs;
    Windows m_windows;
    QStringList m_transcript;
    test::TempFolder m_folder;
    const std::filesystem::path& m_dir = m_folder.path();
};

TEST_F(ShellTest, StandardDialogsSpeakSlovak) {
    QDialogButtonBox box(QDialogButtonBox::Save | QDialogButtonBox::Cancel | QDialogButtonBox::Open);
    auto text = [&box](QDialogButtonBox::StandardButton which) { return box.button(which)->text().remove('&'); };
    EXPECT_EQ(text(QDialogButtonBox::Save), QStringLiteral("Uložiť"));
    EXPECT_EQ(text(QDialogButtonBox::Cancel), QStringLiteral("Zrušiť"));
    EXPECT_EQ(text(QDialogButtonBox::Open), QStringLiteral("Otvoriť"));
}

TEST_F(ShellTest, AuthorWindowDecodesItsIconAndPhotograph) {
    QImageReader photo(QString::fromLatin1(kAuthorPhotoResource));
    EXPECT_EQ(photo.format(), QByteArray("jpeg"));
    EXPECT_FALSE(photo.read().isNull()) << photo.errorString().toStdString();
    QImageReader icon(QString::fromLatin1(kAuthorIconResource));
    EXPECT_EQ(icon.format(), QByteArray("ico"));
    EXPECT_GE(icon.imageCount(), 2);

    child<QAction>(m_windows.mainWindow.get(), "Oautorovi1")->trigger();
    EXPECT_TRUE(m_windows.authorWindow->isVisible());
    const QPixmap iconPicture = child<QLabel>(m_windows.authorWindow.get(), "Image1")->pixmap();
    const QPixmap photoPicture = child<QLabel>(m_windows.authorWindow.get(), "Image2")->pixmap();
    EXPECT_EQ(iconPicture.size(), QSize(48, 48));
    EXPECT_FALSE(photoPicture.isNull());
    EXPECT_LE(photoPicture.width(), 240);
    EXPECT_LE(photoPicture.height(), 300);
}

// zav shows the main window first and makes the other ten (the design window and the comparison of
// correlations the last) right after its first paint, or at once when one of its handlers runs
// before that.
TEST(StartUpTest, OtherWindowsFollowTheMainWindowsFirstPaintOrItsFirstHandler) {
    ScriptedDialogs dialogs([](const QString&) {});
    std::unique_ptr<Windows> painted = startWindows(dialogs);
    EXPECT_TRUE(painted->mainWindow->isVisible());
    EXPECT_EQ(painted->all().size(), 1);
    for (int round = 0; round < 1000 && painted->peltierWindow == nullptr; ++round)
        QCoreApplication::processEvents();
    EXPECT_EQ(painted->all().size(), 11);
    EXPECT_FALSE(painted->coolingWindow->isVisible());

    std::unique_ptr<Windows> early = startWindows(dialogs);
    early->mainWindow->findChild<QAction*>(QStringLiteral("graf2"))->trigger();
    ASSERT_EQ(early->all().size(), 11);
    EXPECT_TRUE(early->chartWindow->isVisible());
    QCoreApplication::processEvents(); // the paint after that makes nothing twice
    EXPECT_EQ(early->all().size(), 11);
}

// The program's own progress dialog: it appears after half a second, and its Cancel ends the
// computation at the next question.
TEST(ProgressDialogTest, AppearsAfterItsDelayAndItsCancelStopsTheComputation) {
    QWidget window;
    QtDialogs dialogs(&window);
    const std::unique_ptr<Progress> progress = dialogs.startProgress(QStringLiteral("Počíta sa tabuľka…"));
    const long long count = 1 << 20;
    EXPECT_TRUE(progress->keepGoing(1024, count));
    EXPECT_EQ(window.findChild<QProgressDialog*>(), nullptr); // not before its delay
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    EXPECT_TRUE(progress->keepGoing(2048, count));
    auto* dialog = window.findChild<QProgressDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->labelText(), QStringLiteral("Počíta sa tabuľka…"));
    EXPECT_TRUE(progress->keepGoing(2049, count)); // asked between two looks at the clock
    dialog->cancel();
    std::this_thread::sleep_for(std::chrono::milliseconds(50)); // past the dialog's refresh interval
    EXPECT_FALSE(progress->keepGoing(3072, count));
    EXPECT_TRUE(progress->cancelled());
    EXPECT_FALSE(progress->keepGoing(3073, count));
}

TEST(OpenDialogTest, NameTypedWithoutExtensionMeansTheKeloFile) {
    const auto none = [](const QString&) { return false; };
    const auto all = [](const QString&) { return true; };
    EXPECT_EQ(openedFileName(QStringLiteral("/data/zmes"), QStringLiteral("kelo"), none), QStringLiteral("/data/zmes.kelo"));
    EXPECT_EQ(openedFileName(QStringLiteral("/data/zmes"), QStringLiteral("kelo"), all), QStringLiteral("/data/zmes"));
    EXPECT_EQ(openedFileName(QStringLiteral("/data/zmes.dat"), QStringLiteral("kelo"), none),
              QStringLiteral("/data/zmes.dat"));
}

TEST_F(ShellTest, KeloPageCarriesItsHint) {
    auto* pages = child<QTabWidget>(m_windows.fluidWindow.get(), "PageControl1");
    EXPECT_EQ(pages->widget(3)->toolTip(), QStringLiteral("Input from \"KELO\""));
}

// Both printable windows print one page: an image of the window at its screen size.
TEST_F(ShellTest, PrintingEitherWindowGivesOnePage) {
    const std::pair<QWidget*, const char*> windows[] = {{m_windows.mainWindow.get(), "Uloi1"},
                                                        {m_windows.coolingWindow.get(), "Vytlaioknoprogramu1"}};
    int n = 0;
    for (const auto& [window, item] : windows) {
        window->show();
        const QString pdf = path(n++ == 0 ? "main_window.pdf" : "cooling_window.pdf");
        m_dialogs.queueAnswer(ScriptedDialogs::Kind::Printer, pdf);
        child<QAction>(window, item)->trigger();
        std::ifstream in(pdf.toStdString(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        const std::string content = bytes.str();
        EXPECT_EQ(content.rfind("%PDF", 0), 0u) << item;
        EXPECT_NE(content.find("/Count 1"), std::string::npos) << item;
        EXPECT_EQ(content.find("/Count 2"), std::string::npos) << item;
    }
    EXPECT_EQ(m_transcript.size(), 2);
}

// The chart's legend as drawn: a marker of each filled series' colour, side by side, each followed
// by its title's text; no marker of a series the last sweep did not fill.
class LegendTest : public ShellTest {
protected:
    void sweep() {
        child<QPushButton>(m_windows.mainWindow.get(), "Button1")->click();
        QCoreApplication::processEvents();
    }

    void setFilled(std::initializer_list<int> checked) {
        for (int k = 1; k <= 8; ++k) {
            auto* box = child<QCheckBox>(m_windows.chartWindow.get(), QByteArray("CheckBox" + QByteArray::number(k)));
            box->setChecked(std::find(checked.begin(), checked.end(), k) != checked.end());
        }
    }

    // Markers found by colour: series number -> their bounding box in the legend's image.
    void expectLegend(std::initializer_list<int> filled, const char* step) {
        m_windows.chartWindow->show();
        QCoreApplication::processEvents();
        auto* view = child<QChartView>(m_windows.chartWindow.get(), "Chart1");
        // The legend's row, above the plot area (where the curves are).
        QRect box = view->chart()->legend()->geometry().toAlignedRect().adjusted(-2, -2, 2, 2);
        box.setBottom(std::min(box.bottom(), static_cast<int>(view->chart()->plotArea().top()) - 2));
        const QImage image = view->grab().toImage().copy(box).convertToFormat(QImage::Format_RGB32);
        // Colours that appear nowhere else: red, green, blue, orange, pink and purple series.
        const std::pair<int, QRgb> colours[] = {{1, qRgb(255, 0, 0)},   {2, qRgb(0, 128, 0)},
                                                {3, qRgb(0, 0, 255)},   {4, qRgb(255, 128, 0)},
                                                {6, qRgb(255, 128, 255)}, {7, qRgb(128, 0, 255)}};
        int previousRight = -1;
        for (const auto& [series, colour] : colours) {
            QRect marker;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) == colour)
                        marker |= QRect(x, y, 1, 1);
            const bool expected = std::find(filled.begin(), filled.end(), series) != filled.end();
            EXPECT_EQ(!marker.isEmpty(), expected) << step << ": series " << series;
            if (marker.isEmpty() || !expected)
                continue;
            EXPECT_LE(marker.width(), 14) << step << ": series " << series << " marker is not one square";
            EXPECT_GT(marker.left(), previousRight) << step << ": series " << series << " overlaps the one before";
            // Its title: dark text pixels in the 40 pixels right of the marker.
            int text = 0;
            for (int y = std::max(marker.top() - 4, 0); y <= std::min(marker.bottom() + 4, image.height() - 1); ++y)
                for (int x = marker.right() + 2; x < std::min(marker.right() + 42, image.width()); ++x)
                    text += qGray(image.pixel(x, y)) < 110;
            EXPECT_GT(text, 15) << step << ": series " << series << " has no title";
            previousRight = marker.right() + 20;
        }
    }
};

TEST_F(LegendTest, EveryFilledSeriesHasItsMarkerAndTitleAfterAnySequenceOfSweeps) {
    m_dialogs.queueAnswer(ScriptedDialogs::Kind::Save, path("tabulka.txt"));
    child<QAction>(m_windows.mainWindow.get(), "Ulodosboru1")->trigger();
    m_windows.chartWindow->show();
    sweep();
    expectLegend({1, 2, 3}, "shown while filled");
    setFilled({1, 3, 4});
    sweep();
    expectLegend({1, 3, 4}, "another set of series");
    m_windows.chartWindow->hide();
    setFilled({1, 2, 3, 4, 6, 7});
    sweep();
    expectLegend({1, 2, 3, 4, 6, 7}, "filled while hidden");
    sweep();
    expectLegend({1, 2, 3, 4, 6, 7}, "refilled");
    setFilled({7});
    m_windows.chartWindow->hide();
    m_windows.chartWindow->show();
    sweep();
    expectLegend({7}, "one series");
}

// A sweep of 100 001 points: the chart keeps every one for whoever asks, draws a few per pixel
// column, and its picture is the one all the points give. Compared without antialiasing, which
// would darken the edges where thousands of segments overlap: a pixel may differ only where the
// other picture has its colour next to it, on a two-pixel pen's edge.
TEST_F(LegendTest, ChartOfManyPointsDrawsThePictureOfAllOfThem) {
    m_dialogs.queueAnswer(ScriptedDialogs::Kind::Save, path("tabulka.txt"));
    child<QAction>(m_windows.mainWindow.get(), "Ulodosboru1")->trigger();
    child<QLineEdit>(m_windows.rangeWindow.get(), "Edit3")->setText(QStringLiteral("0,001"));
    m_windows.chartWindow->show();
    sweep();
    auto* view = child<QChartView>(m_windows.chartWindow.get(), "Chart1");
    view->setRenderHint(QPainter::Antialiasing, false);
    QList<QXYSeries*> filled;
    for (QAbstractSeries* series : view->chart()->series()) {
        if (!m_windows.chartWindow->allPoints(series).isEmpty())
            filled.append(qobject_cast<QXYSeries*>(series));
    }
    ASSERT_EQ(filled.size(), 3);
    const QImage drawn = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (QXYSeries* series : filled) {
        EXPECT_EQ(m_windows.chartWindow->allPoints(series).size(), 100001);
        EXPECT_LT(series->count(), 8 * 1000);
        series->replace(m_windows.chartWindow->allPoints(series));
    }
    const QImage all = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(drawn.size(), all.size());
    auto nearby = [](const QImage& image, int x, int y, QRgb colour) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (image.valid(x + dx, y + dy) && image.pixel(x + dx, y + dy) == colour)
                    return true;
        return false;
    };
    int differing = 0;
    for (int y = 0; y < all.height(); ++y) {
        for (int x = 0; x < all.width(); ++x) {
            if (drawn.pixel(x, y) == all.pixel(x, y))
                continue;
            ++differing;
            EXPECT_TRUE(nearby(all, x, y, drawn.pixel(x, y)) && nearby(drawn, x, y, all.pixel(x, y))) << x << "," << y;
        }
    }
    EXPECT_LE(differing, 20);
}

} // namespace
} // namespace zav
