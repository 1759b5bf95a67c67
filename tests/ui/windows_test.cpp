// SPDX-License-Identifier: GPL-3.0-or-later
// Windows tested in-process: the user-defined fluid window with KELO files that the tests write
// themselves, driven through the scripted dialogs together with the main window that computes from
// it, and the chart's axis labels.
#include <filesystem>
#include <limits>
#include <ostream>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include "core/number_format.h"
#include "io/kelo_fixture.h"
#include "temp_folder.h"
#include "ui/chart_window.h"
#include "ui/fluid_window.h"
#include "ui/main_window.h"
#include "ui/scripted_dialogs.h"
#include "ui/translation.h"
#include "ui/windows.h"

// Readable failures.
void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace zav {
namespace {

class FluidWindowTest : public ::testing::Test {
protected:
    FluidWindowTest() : m_dialogs([this](const QString& line) { m_transcript << line; }), m_windows(createWindows(m_dialogs)) {}

    QString path(const std::string& name) const { return QString::fromStdString((m_dir / name).string()); }

    QString write(const std::string& name, const std::string& bytes) const {
        test::writeFile((m_dir / name).string(), bytes);
        return path(name);
    }

    template <class T = QLineEdit> T* control(QWidget* window, const char* name) const {
        T* found = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString text(const char* name) const { return control(m_windows.fluidWindow.get(), name)->text(); }
    QString result(const char* name) const { return control(m_windows.mainWindow.get(), name)->text(); }
    void click(QWidget* window, const char* name) { control<QAbstractButton>(window, name)->click(); }

    void load(const std::optional<QString>& answer) {
        m_dialogs.queueAnswer(ScriptedDialogs::Kind::Open, answer);
        click(m_windows.fluidWindow.get(), "Button3");
    }

    ScriptedDialogs m_dialogs;
    Windows m_windows;
    QStringList m_transcript;
    test::TempFolder m_folder;
    const std::filesystem::path& m_dir = m_folder.path();
};

TEST_F(FluidWindowTest, LoadFillsTheKeloTabAndNothingElse) {
    m_windows.fluidWindow->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
    click(m_windows.fluidWindow.get(), "RadioButton2");
    const QString file = write("sample.kelo", test::keloBytes(test::sampleRecord()));
    load(file);
    EXPECT_EQ(m_transcript, QStringList{QStringLiteral("dialog: open -> ") + file});
    EXPECT_EQ(text("Edit30"), QStringLiteral("1,7000E-0005"));
    EXPECT_EQ(text("Edit31"), QStringLiteral("-3,2000E-0003"));
    EXPECT_EQ(text("Edit34"), QStringLiteral("1,2346E+0000"));
    EXPECT_EQ(text("Edit55"), QStringLiteral("-50,0"));
    EXPECT_EQ(text("Edit56"), QStringLiteral("1000,0"));
    EXPECT_EQ(text("Edit58"), QStringLiteral("0,100"));
    EXPECT_EQ(text("Edit59"), QStringLiteral("5,000"));
    EXPECT_EQ(text("Edit60"), QStringLiteral("296,8"));
    EXPECT_EQ(text("Edit57"), QStringLiteral("Air"));
    EXPECT_EQ(text("Edit54"), QStringLiteral("5"));
    EXPECT_EQ(text("Edit2"), QStringLiteral("1,2"));
    EXPECT_TRUE(control<QRadioButton>(m_windows.fluidWindow.get(), "RadioButton2")->isChecked());
    EXPECT_EQ(m_windows.fluidWindow->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->currentIndex(), 1);
}

TEST_F(FluidWindowTest, CancelAfterALoadReadsTheSameFileAgain) {
    load(write("again.kelo", test::keloBytes(test::sampleRecord())));
    control(m_windows.fluidWindow.get(), "Edit36")->setText(QStringLiteral("9"));
    load(std::nullopt);
    EXPECT_EQ(text("Edit36"), QStringLiteral("1,0500E-0002"));
    EXPECT_EQ(m_transcript.last(), QStringLiteral("dialog: open -> cancel"));
}

TEST_F(FluidWindowTest, SecondFileReplacesEveryValue) {
    load(write("first.kelo", test::keloBytes(test::sampleRecord())));
    control(m_windows.fluidWindow.get(), "Edit60")->setText(QStringLiteral("1"));
    test::KeloRecord second = test::sampleRecord();
    second.values[0] = 2.5e-5;
    second.values[28] = 287.05;
    second.nameBytes = "CO2";
    load(write("second.kelo", test::keloBytes(second)));
    EXPECT_EQ(text("Edit30"), QStringLiteral("2,5000E-0005"));
    EXPECT_EQ(text("Edit60"), QStringLiteral("287,1"));
    EXPECT_EQ(text("Edit57"), QStringLiteral("CO2"));
}

TEST_F(FluidWindowTest, CancelBeforeAnyLoadDoesNothing) {
    load(std::nullopt);
    EXPECT_EQ(m_transcript, QStringList{QStringLiteral("dialog: open -> cancel")});
    EXPECT_EQ(text("Edit30"), QStringLiteral("xxx"));
    EXPECT_EQ(text("Edit57"), QStringLiteral("Názov zmesi plynov"));
}

TEST_F(FluidWindowTest, FileThatCannotBeOpenedLeavesTheFields) {
    const QString missing = path("missing.kelo");
    load(missing);
    EXPECT_EQ(m_transcript.last(), QStringLiteral("message: Súbor „%1“ sa nepodarilo otvoriť.").arg(missing));
    EXPECT_EQ(text("Edit30"), QStringLiteral("xxx"));
}

TEST_F(FluidWindowTest, FileCutInsideTheNameShowsEveryValueButTheName) {
    load(write("cut.kelo", test::keloBytes(test::sampleRecord()).substr(0, 240)));
    EXPECT_EQ(text("Edit53"), QStringLiteral("3,6000E-0002"));
    EXPECT_EQ(text("Edit55"), QStringLiteral("-50,0"));
    EXPECT_EQ(text("Edit58"), QStringLiteral("0,100"));
    EXPECT_EQ(text("Edit60"), QStringLiteral("296,8"));
    EXPECT_EQ(text("Edit54"), QStringLiteral("5"));
    EXPECT_EQ(text("Edit57"), QStringLiteral("Názov zmesi plynov"));
}

TEST_F(FluidWindowTest, ShortFileShowsItsWholeValuesAndSaysSo) {
    const QString file = write("short.kelo", test::keloBytes(test::sampleRecord()).substr(0, 100));
    load(file);
    EXPECT_EQ(m_transcript.last(),
              QStringLiteral("message: Súbor „%1“ je kratší ako 252 bajtov, načítaný bol iba čiastočne.").arg(file));
    EXPECT_EQ(text("Edit41"), QStringLiteral("1,8000E-0002"));
    EXPECT_EQ(text("Edit42"), QStringLiteral("xxx"));
    EXPECT_EQ(text("Edit57"), QStringLiteral("Názov zmesi plynov"));
}

// A nitrogen-like mixture: viscosity in µPa·s and conductivity in mW/(m·K) linear in T (K),
// an ideal gas (Z = 1), valid 0..200 °C and 0,1..10 MPa.
test::KeloRecord gasMixture() {
    test::KeloRecord r;
    r.values = {5, 0, 0.045, 0, 0, 0,   1, 0, 0, 0, 0, 0,   2, 0, 0.075, 0, 0, 0,
                1040, 0, 0, 0, 0, 0,   0, 200, 100000, 10000000, 296.8};
    r.nameBytes = "Dus\xEDk";
    return r;
}

TEST_F(FluidWindowTest, GasMixtureComputesInTheMainWindow) {
    load(write("n2.kelo", test::keloBytes(gasMixture())));
    EXPECT_EQ(text("Edit57"), QStringLiteral("Dusík"));
    click(m_windows.mainWindow.get(), "Button2"); // shows the window and selects "iná"
    EXPECT_TRUE(m_windows.fluidWindow->isVisible());
    EXPECT_TRUE(control<QRadioButton>(m_windows.mainWindow.get(), "RadioButton13")->isChecked());
    click(m_windows.mainWindow.get(), "Button1");
    EXPECT_EQ(m_transcript.size(), 1); // the dialog only: no warning, no error
    // At 60 °C (T = 333,15 K) and 5 MPa, worked by hand: ρ = p/(Z·T·r) = 5e6/(333,15·296,8) =
    // 50,567 kg/m³, μ = (5 + 0,045·T)·1e-6 = 19,99e-6 Pa·s, λ = (2 + 0,075·T)·0,001 = 0,02699 W/(m·K),
    // β = 1/(T + 0,2) = 2,99985e-3 1/K.
    EXPECT_EQ(result("Edit3"), QStringLiteral("50,567"));
    EXPECT_EQ(result("Edit5"), QStringLiteral("19,99 e-6"));
    EXPECT_EQ(result("Edit4"), QStringLiteral("0,0270"));
    EXPECT_EQ(result("Edit7"), QStringLiteral("1040,0"));
    EXPECT_EQ(result("Edit21"), QStringLiteral("3,000 e-3"));
}

TEST_F(FluidWindowTest, GasPressureOutsideItsRangeWarnsAndComputes) {
    load(write("n2.kelo", test::keloBytes(gasMixture())));
    control(m_windows.fluidWindow.get(), "Edit54")->setText(QStringLiteral("12"));
    click(m_windows.mainWindow.get(), "Button2");
    click(m_windows.mainWindow.get(), "Button1");
    EXPECT_EQ(m_transcript.last(),
              QStringLiteral("message: Tlak tekutiny je mimo rozsah platnosti aproximačnej rovnice programu KELO!"));
    EXPECT_NE(result("Edit3"), QStringLiteral("------------"));
}

TEST_F(FluidWindowTest, NotFiniteValueRefusesTheFileAndKeepsTheFields) {
    load(write("n2.kelo", test::keloBytes(gasMixture())));
    test::KeloRecord record = gasMixture();
    record.values[3] = std::numeric_limits<double>::quiet_NaN();
    const QString file = write("nan.kelo", test::keloBytes(record));
    load(file);
    EXPECT_EQ(m_transcript.last(),
              QStringLiteral("message: Súbor „%1“ obsahuje hodnotu, ktorá nie je konečné číslo (NaN alebo "
                             "nekonečno); súbor sa nenačítal.")
                  .arg(file));
    EXPECT_EQ(text("Edit33"), QStringLiteral("0,0000E+0000")); // the earlier file's
    EXPECT_EQ(text("Edit57"), QStringLiteral("Dusík"));
}

TEST(ChartAxisTest, RoundStepsInTheSlovakFormat) {
    const QString nbsp(QChar(0x00A0));
    QStringList labels;
    for (const auto& tick : axisTicks(0.17, 7.36))
        labels << tick.second;
    EXPECT_EQ(labels, (QStringList{"0", "2", "4", "6", "8"}));
    labels.clear();
    for (const auto& tick : axisTicks(1004.5, 1006.5))
        labels << tick.second;
    EXPECT_EQ(labels.first(), "1" + nbsp + "004,5");
    EXPECT_EQ(labels.last(), "1" + nbsp + "006,5");
    labels.clear();
    for (const auto& tick : axisTicks(1.7e-5, 2e-5))
        labels << tick.second;
    EXPECT_TRUE(labels.contains("0,000017")) << labels.join(" | ").toStdString();
    // A single value or nothing at all still gives an axis.
    EXPECT_GE(axisTicks(5, 5).size(), 2);
    EXPECT_EQ(axisTicks(std::numeric_limits<double>::infinity(), -1).first().second, "0");
}

} // namespace
} // namespace zav

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's run-time files beside the test program, not in the system's temporary folder.
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        const std::filesystem::path runtime = std::filesystem::absolute(argv[0]).parent_path() / "qt-runtime";
        std::filesystem::create_directories(runtime);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.string()));
    }
    QApplication app(argc, argv);
    zav::installSlovakTranslation(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
