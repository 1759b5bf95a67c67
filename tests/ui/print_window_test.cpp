// SPDX-License-Identifier: GPL-3.0-or-later
// Printing a window into a PDF file: the old file is replaced only by a whole page, and a
// read-only one is refused as by the other writers.
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/resource.h>
#include <sys/stat.h>

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

#include <gtest/gtest.h>

#include "temp_folder.h"
#include "ui/print_window.h"
#include "ui/scripted_dialogs.h"

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
    printWindow(&window, dialogs);
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

} // namespace
} // namespace zav
