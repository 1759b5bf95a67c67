// SPDX-License-Identifier: GPL-3.0-or-later
// Printing a window into a PDF file: the old file is replaced only by a whole page, and a
// read-only one is refused as by the other writers; the picture fits the page.
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/resource.h>
#include <sys/stat.h>

#include <QDateTime>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTransform>

#include <gtest/gtest.h>

#include "temp_folder.h"
#include "ui/cooling_window.h"
#include "ui/main_window.h"
#include "ui/print_window.h"
#include "ui/scripted_dialogs.h"
#include "ui/windows.h"

namespace zav {
namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

struct PrintCase {
    const char* what;
    mode_t mode;         // of the old PDF
    bool diskFull;       // the file may not grow beyond 3000 bytes (half a page), as on a full disk
    const char* message; // "" when none; %1 stands for the file's name
};

void PrintTo(const PrintCase& c, std::ostream* os) { *os << c.what; }

class PrintWindowTest : public ::testing::TestWithParam<PrintCase> {};

TEST_P(PrintWindowTest, TheOldPdfStaysUnlessAWholePageReplacesIt) {
    const PrintCase& c = GetParam();
    test::TempFolder folder;
    const std::string target = folder.file("okno.pdf");
    std::ofstream(target, std::ios::binary) << "stará tlač";
    ::chmod(target.c_str(), c.mode);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("Súbor"));
    window.setCentralWidget(new QLabel(QStringLiteral("Súčiniteľ prestupu tepla")));
    window.resize(400, 300);
    window.show();
    QStringList transcript;
    ScriptedDialogs dialogs([&transcript](const QString& line) { transcript << line; });
    dialogs.queueAnswer(ScriptedDialogs::Kind::Printer, QString::fromStdString(target));

    const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY};
    const rlimit limited{3000, RLIM_INFINITY};
    const auto sigxfsz = std::signal(SIGXFSZ, SIG_IGN);
    if (c.diskFull)
        ::setrlimit(RLIMIT_FSIZE, &limited);
    printWindow(&window, dialogs, QStringLiteral("Zadanie: bez názvu"));
    ::setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, sigxfsz);

    QStringList expected{QStringLiteral("dialog: printer -> ") + QString::fromStdString(target)};
    if (*c.message != '\0')
        expected << QStringLiteral("message: ") + QString::fromUtf8(c.message).arg(QString::fromStdString(target));
    EXPECT_EQ(transcript, expected) << c.what;
    const std::string content = readAll(target);
    if (*c.message == '\0') {
        EXPECT_EQ(content.rfind("%PDF", 0), 0u) << c.what;
        EXPECT_NE(content.find("%%EOF"), std::string::npos) << c.what;
    } else {
        EXPECT_EQ(content, "stará tlač") << c.what;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << c.what;
    struct stat st {};
    ::stat(target.c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, c.mode) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Targets, PrintWindowTest,
    ::testing::Values(PrintCase{"a writable old PDF", 0640, false, ""},
                      PrintCase{"a read-only old PDF", 0444, false, "Súbor „%1“ je určený len na čítanie; nezapíše sa."},
                      PrintCase{"a page the disk cannot take", 0644, true, "Súbor „%1“ sa nepodarilo zapísať."}));


// What a PDF page of Qt's writer holds: the page's MediaBox, the box that its drawing covers (in
// points, y upward: the rectangles and lines of its content stream through the matrices, `cm`,
// saved and restored by `q` and `Q`, in force, and the pictures), and the widest picture on it.
struct PrintedPage {
    QRectF page;
    QRectF picture;
    int widestImage = 0;
};

PrintedPage printedPage(const QByteArray& pdf) {
    PrintedPage printed;
    const QRegularExpressionMatch box = QRegularExpression(
        QStringLiteral(R"(/MediaBox \[([-\d.]+) ([-\d.]+) ([-\d.]+) ([-\d.]+)\])")).match(QString::fromLatin1(pdf));
    if (box.hasMatch())
        printed.page = QRectF(QPointF(box.captured(1).toDouble(), box.captured(2).toDouble()),
                              QPointF(box.captured(3).toDouble(), box.captured(4).toDouble()));
    QRegularExpressionMatchIterator images =
        QRegularExpression(QStringLiteral(R"(/Subtype /Image\s+/Width (\d+))")).globalMatch(QString::fromLatin1(pdf));
    while (images.hasNext())
        printed.widestImage = std::max(printed.widestImage, images.next().captured(1).toInt());
    // Each compressed stream (the image is DCT-coded, the content stream deflated).
    for (qsizetype at = pdf.indexOf("/FlateDecode"); at >= 0; at = pdf.indexOf("/FlateDecode", at + 1)) {
        const qsizetype start = pdf.indexOf("stream\n", at) + 7;
        const qsizetype end = pdf.indexOf("endstream", start);
        QByteArray deflated = pdf.mid(start, end - start);
        deflated.prepend(QByteArray("\x00\x10\x00\x00", 4)); // qUncompress wants the size first
        const QList<QByteArray> words = qUncompress(deflated).simplified().split(' ');
        QTransform matrix;
        QList<QTransform> saved;
        QList<double> operands;
        for (const QByteArray& word : words) {
            bool number = false;
            const double value = word.toDouble(&number);
            if (number) {
                operands << value;
                continue;
            }
            if (word == "cm" && operands.size() >= 6) {
                const auto m = operands.mid(operands.size() - 6);
                matrix = QTransform(m[0], m[1], m[2], m[3], m[4], m[5]) * matrix;
            } else if (word == "q") {
                saved << matrix;
            } else if (word == "Q" && !saved.isEmpty()) {
                matrix = saved.takeLast();
            } else if (word == "Do") {
                printed.picture |= matrix.mapRect(QRectF(0, 0, 1, 1));
            } else if (word == "re" && operands.size() >= 4) {
                const auto r = operands.mid(operands.size() - 4);
                printed.picture |= matrix.mapRect(QRectF(r[0], r[1], r[2], r[3]).normalized());
            } else if ((word == "m" || word == "l") && operands.size() >= 2) {
                const QPointF point = matrix.map(QPointF(operands[operands.size() - 2], operands.back()));
                printed.picture |= QRectF(point, QSizeF(0.001, 0.001));
            }
            if (!word.startsWith('/'))
                operands.clear();
        }
    }
    return printed;
}

struct FitCase {
    const char* what;
    QSize size;          // of a plain window; empty for the program's windows
    const char* program; // "main" or "cooling" for those
    bool landscape;
};

void PrintTo(const FitCase& c, std::ostream* os) { *os << c.what; }

class PrintFitTest : public ::testing::TestWithParam<FitCase> {};

// The window is drawn, not pasted as a screen picture; with its header line it lies wholly on the
// page, in the orientation that gives it the larger size, at most at the window's screen size,
// and with the window's proportions; one that the page cannot take at that size fills the page's
// width or height (less the margins).
TEST_P(PrintFitTest, ThePictureFitsThePage) {
    const FitCase& c = GetParam();
    test::TempFolder folder;
    const std::string target = folder.file("okno.pdf");
    QStringList transcript;
    ScriptedDialogs dialogs([&transcript](const QString& line) { transcript << line; });
    Windows windows;
    QMainWindow plain;
    QMainWindow* window = &plain;
    if (c.size.isEmpty()) {
        windows = createWindows(dialogs);
        window = std::string(c.program) == "main" ? static_cast<QMainWindow*>(windows.mainWindow.get())
                                                  : static_cast<QMainWindow*>(windows.coolingWindow.get());
    } else {
        plain.menuBar()->addMenu(QStringLiteral("Súbor"));
        plain.setCentralWidget(new QLabel(QStringLiteral("Súčiniteľ prestupu tepla")));
        plain.resize(c.size);
    }
    window->show();
    dialogs.queueAnswer(ScriptedDialogs::Kind::Printer, QString::fromStdString(target));
    printWindow(window, dialogs, printHeader(QStringLiteral("skrina.zav"), QDateTime::currentDateTime()));
    ASSERT_EQ(transcript.size(), 1) << c.what << ": " << transcript.join('\n').toStdString();

    const PrintedPage printed = printedPage(QByteArray::fromStdString(readAll(target)));
    const QSizeF a4 = c.landscape ? QSizeF(842, 595) : QSizeF(595, 842);
    EXPECT_NEAR(printed.page.width(), a4.width(), 1) << c.what;
    EXPECT_NEAR(printed.page.height(), a4.height(), 1) << c.what;
    const QSizeF pixels = printedSize(window);
    EXPECT_GT(pixels.height(), window->height() - window->menuBar()->height()) << c.what;
    const QRectF& picture = printed.picture;
    EXPECT_TRUE(printed.page.contains(picture)) << c.what << ": picture " << picture.left() << ' '
                                                << picture.top() << ' ' << picture.width() << 'x' << picture.height();
    // Drawn in the printer's dots (300 dpi), not a picture of the screen's pixels.
    EXPECT_GE(printed.widestImage, picture.width() / 72 * 300 * 0.98) << c.what;
    const double screenSize = 72.0 / window->logicalDpiX(); // points per pixel
    const double scale = picture.width() / pixels.width();
    EXPECT_LE(scale, screenSize * 1.001) << c.what; // give or take a dot
    EXPECT_NEAR(picture.height() / pixels.height(), scale, 0.001 * scale) << c.what;
    const double filled = std::max(picture.width() / printed.page.width(), picture.height() / printed.page.height());
    if (scale < screenSize * 0.9999) {
        EXPECT_GT(filled, 0.95) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, PrintFitTest,
    ::testing::Values(FitCase{"the main window", QSize(), "main", true},
                      FitCase{"the cooling window", QSize(), "cooling", true},
                      FitCase{"a window wider than a page", QSize(2400, 1200), "", true},
                      FitCase{"a window taller than a page", QSize(700, 1800), "", false},
                      FitCase{"a small window", QSize(300, 200), "", false}));

} // namespace
} // namespace zav
