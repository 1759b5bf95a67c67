// SPDX-License-Identifier: GPL-3.0-or-later
// The chart window's "Uložiť graf…" and "Kopírovať": a chart with points saved as PNG, SVG and
// PDF (each file's signature and its red curve of the total coefficient), names it refuses, a
// read-only old file kept, and the picture on the clipboard.
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include <sys/stat.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPushButton>

#include <gtest/gtest.h>

#include "temp_folder.h"
#include "ui/chart_window.h"
#include "ui/scripted_dialogs.h"

namespace zav {
namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Pixels of the total coefficient's pure red in a picture.
int redPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == qRgb(255, 0, 0);
    }
    return count;
}

struct SaveCase {
    const char* what;
    const char* name;      // the answer of the save dialog, in the test's folder
    const char* signature; // the file's first bytes; "" when nothing is written
    const char* marker;    // bytes the file holds further on
    const char* message;   // "" when none; %1 stands for the file's name
    bool readOnlyOldFile;
};

void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.what; }

class ChartSaveTest : public ::testing::TestWithParam<SaveCase> {};

TEST_P(ChartSaveTest, SavesTheChartByItsExtension) {
    const SaveCase& c = GetParam();
    test::TempFolder folder;
    const std::string path = folder.file(c.name);
    if (c.readOnlyOldFile) {
        std::ofstream(path, std::ios::binary) << "starý graf";
        ::chmod(path.c_str(), 0444);
    }
    QStringList transcript;
    ScriptedDialogs dialogs([&transcript](const QString& line) { transcript << line; });
    ChartWindow chart(dialogs);
    chart.show();
    chart.prepareChart(21);
    for (int i = 0; i <= 20; ++i) {
        ConvectionState state;
        state.tBody = 5.0 * i;
        state.alphaTotal = 2 + 0.1 * i;
        state.alphaConv = 2;
        state.alphaRad = 0.1 * i;
        chart.setChartPoint(i, state);
    }
    chart.finishChart();
    QCoreApplication::processEvents();

    const QString name = QString::fromStdString(path);
    dialogs.queueAnswer(ScriptedDialogs::Kind::Save, name);
    chart.findChild<QPushButton*>(QStringLiteral("UlozitGraf"))->click();

    QStringList expected{QStringLiteral("dialog: save -> ") + name};
    if (*c.message != '\0')
        expected << QStringLiteral("message: ") + QString::fromUtf8(c.message).arg(name);
    EXPECT_EQ(transcript, expected) << c.what;
    const std::string bytes = readFile(path);
    if (c.readOnlyOldFile)
        EXPECT_EQ(bytes, "starý graf") << c.what;
    else if (*c.signature == '\0')
        EXPECT_FALSE(std::filesystem::exists(path)) << c.what;
    else {
        EXPECT_EQ(bytes.rfind(c.signature, 0), 0u) << c.what;
        EXPECT_NE(bytes.find(c.marker), std::string::npos) << c.what;
        EXPECT_GT(bytes.size(), 5000u) << c.what;
    }
    if (std::string(c.signature) == "\x89PNG") {
        const QImage image = QImage::fromData(QByteArray::fromStdString(bytes));
        EXPECT_EQ(image.size(), QSize(1001, 625) * chart.devicePixelRatioF()) << c.what;
        EXPECT_GT(redPixels(image), 300) << c.what; // the curve and its legend mark
    }
    // Nothing else beside the file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}),
              c.readOnlyOldFile || *c.signature != '\0' ? 1 : 0)
        << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Files, ChartSaveTest,
    ::testing::Values(
        SaveCase{"PNG", "graf.png", "\x89PNG", "IDAT", "", false},
        SaveCase{"SVG", "graf.SVG", "<?xml", "#ff0000", "", false},
        SaveCase{"PDF", "graf.pdf", "%PDF-", "%%EOF", "", false},
        SaveCase{"an extension of no chart format", "graf.jpg", "", "",
                 "Graf sa ukladá do súboru PNG, SVG alebo PDF; meno „%1“ nemá príponu .png, .svg ani .pdf.", false},
        SaveCase{"a read-only old file", "graf.png", "", "", "Súbor „%1“ je určený len na čítanie; nezapíše sa.", true},
        SaveCase{"a folder that does not exist", "nie/je/graf.svg", "", "", "Súbor „%1“ sa nepodarilo vytvoriť.",
                 false}));

TEST(ChartCopyTest, PutsThePictureOnTheClipboard) {
    ScriptedDialogs dialogs([](const QString&) {});
    ChartWindow chart(dialogs);
    chart.show();
    QGuiApplication::clipboard()->clear();
    chart.findChild<QPushButton*>(QStringLiteral("Kopirovat"))->click();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), chart.chartImage().size());
    EXPECT_TRUE(data->data(QStringLiteral("image/svg+xml")).contains("<svg"));
}

} // namespace
} // namespace zav

namespace zav {
namespace {

// A window never shown (a script saving the chart) draws the chart as the shown window does.
TEST(ChartCopyTest, ANeverShownWindowDrawsTheChartAsShown) {
    ScriptedDialogs dialogs([](const QString&) {});
    ChartWindow chart(dialogs);
    chart.prepareChart(3);
    for (int i = 0; i < 3; ++i) {
        ConvectionState state;
        state.tBody = 50.0 * i;
        state.alphaTotal = 2 + i;
        state.alphaConv = 2;
        state.alphaRad = i;
        chart.setChartPoint(i, state);
    }
    chart.finishChart();
    const QImage unseen = chart.chartImage();
    EXPECT_FALSE(chart.isVisible());
    chart.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(unseen, chart.chartImage());
}

} // namespace
} // namespace zav
