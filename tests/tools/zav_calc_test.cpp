// SPDX-License-Identifier: GPL-3.0-or-later
// zav-calc as a user runs it: options → JSON fields, exit status and messages. The expected
// numbers are the main and cooling windows' texts for the same case (tests/scenarios/*.out), which
// the JSON values must give under the window's format; the messages are the windows' own.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "core/number_format.h"
#include "io/kelo_fixture.h"
#include "temp_folder.h"

namespace zav::test {

namespace {

struct CalcRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs zav-calc in `folder` with `args`; "{dir}" in an argument stands for the folder.
CalcRun runCalc(const TempFolder& folder, const std::vector<std::string>& args) {
    std::string command = "cd " + shellQuoted(folder.path().string()) + " && " + shellQuoted(ZAV_CALC);
    for (std::string arg : args) {
        for (std::size_t at = arg.find("{dir}"); at != std::string::npos; at = arg.find("{dir}"))
            arg.replace(at, 5, folder.path().string());
        command += " " + shellQuoted(arg);
    }
    command += " > out.txt 2> err.txt";
    CalcRun run;
    const int status = std::system(command.c_str());
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = readAll(folder.file("out.txt"));
    run.err = readAll(folder.file("err.txt"));
    return run;
}

// A result field as the window shows it: formatFixed(value·scale, precision, decimals).
struct WindowText {
    const char* key;
    int precision;
    int decimals;
    double scale;
    const char* text; // null: the value is not finite, JSON's null
};

struct CalcCase {
    const char* what;
    std::vector<std::string> args;
    int status;
    std::vector<WindowText> fields; // of the object, or of the last object of an array
    std::vector<const char*> warnings;
    const char* message; // the error's text, in JSON (when there is JSON) and on standard error
};

// The window's formats of its fields.
WindowText tMean(const char* t) { return {"t_mean", 10, 2, 1, t}; }
WindowText density(const char* t) { return {"density", 10, 3, 1, t}; }
WindowText expansion(const char* t) { return {"expansion_coeff", 5, 3, 1000, t}; }
WindowText rayleigh(const char* t) { return {"rayleigh", 6, 2, 1, t}; }
WindowText nusselt(const char* t) { return {"nusselt", 10, 4, 1, t}; }
WindowText alpha(const char* t) { return {"alpha_total", 6, 3, 1, t}; }
WindowText heatFlow(const char* t) { return {"heat_flow", 6, 2, 1, t}; }
WindowText coolingTime(const char* t) { return {"cooling_time", 8, 1, 1, t}; }
WindowText notFinite(const char* key) { return {key, 0, 0, 1, nullptr}; }

const char* const kLinearFluidTemperature =
    "Teplota tekutiny je mimo rozsah platnosti aproximačnej rovnice lineárnej regresie!";
const char* const kQuadraticMean = "Stredná teplota je mimo rozsah platnosti aproximačnej rovnice kvadratickej regresie!";
const char* const kQuadraticFluid =
    "Teplota tekutiny je mimo rozsah platnosti aproximačnej rovnice kvadratickej regresie!";
const char* const kNotFinite = "Výsledok nie je konečné číslo: skontrolujte charakteristický rozmer, plochu, údaje "
                               "geometrie (uhol, rozostup rebier, priemer rúrky) a vlastnosti tekutiny !!!";
const char* const kLengthZero = "Varovanie: charakteristický rozmer 0 m nie je väčší ako nula.";
const char* const kTargetMessage = "Teplota ochladenia musí ležať medzi teplotou tekutiny a teplotou telesa !!!";
const char* const kInvalidName = "Názov okrajovej podmienky „alfa stena“ nie je platný: musí začínať písmenom bez "
                                 "diakritiky a obsahovať iba písmená bez diakritiky, číslice a znak „_“; súbor pre "
                                 "Ansys sa nezapíše.";

const std::vector<CalcCase> kCases = {
    // The main window (calculation.out, radiation.out, failures.out, user_fluid.out).
    {"defaults", {"steady"}, 0, {tMean("60,00"), density("1,057"), rayleigh("5,36058E+0006"), alpha("7,362"), heatFlow("589,00")}, {}, nullptr},
    {"decimal point", {"steady", "--length", "0.1", "--t-body", "1e2"}, 0, {alpha("7,362")}, {}, nullptr},
    {"inclined plate", {"steady", "--shape", "inclined-plate", "--angle", "30"}, 0, {rayleigh("4,64240E+0006"), nusselt("25,1779"), alpha("7,073")}, {}, nullptr},
    {"upper face", {"steady", "--shape", "horizontal-plate"}, 0, {nusselt("19,4198"), alpha("5,455")}, {}, nullptr},
    {"lower face", {"steady", "--shape", "horizontal-plate", "--face", "lower"}, 0, {nusselt("10,7743"), alpha("3,027")}, {}, nullptr},
    {"cube", {"steady", "--shape", "cube"}, 0, {nusselt("34,3606"), alpha("9,652")}, {}, nullptr},
    {"vertical cylinder", {"steady", "--shape", "vertical-cylinder"}, 0, {alpha("7,366")}, {}, nullptr},
    {"horizontal cylinder", {"steady", "--shape", "horizontal-cylinder"}, 0, {alpha("7,037")}, {}, nullptr},
    {"sphere", {"steady", "--shape", "sphere"}, 0, {nusselt("24,1711"), alpha("6,790")}, {}, nullptr},
    {"finned tube", {"steady", "--shape", "finned-tube", "--length", "0,01"}, 0, {nusselt("1,5474"), alpha("4,347")}, {}, nullptr},
    {"radiation", {"steady", "--emissivity", "0,8"}, 0, {alpha("14,168"), heatFlow("1133,45")}, {}, nullptr},
    {"radiation 0,5", {"steady", "--emissivity", "0,5"}, 0, {alpha("11,616")}, {}, nullptr},
    {"air below -73 °C", {"steady", "--t-body", "-100", "--t-fluid", "-47"}, 1, {}, {}, "Stredná teplota musí byť v rozsahu -73 až 2226°C !!!"},
    {"air at -73 °C", {"steady", "--t-body", "-100", "--t-fluid", "-46"}, 0, {tMean("-73,00")}, {}, nullptr},
    {"water above 100 °C", {"steady", "--fluid", "water", "--t-body", "110", "--t-fluid", "92"}, 1, {}, {}, "Stredná teplota musí byť v rozsahu 0 až 100°C !!!"},
    {"plate at equal temperatures", {"steady", "--t-body", "20"}, 1, {}, {}, "Pre dané parametre nie je možný výpočet! 0,1<Ra<10^12 !!!"},
    {"horizontal plate colder", {"steady", "--shape", "horizontal-plate", "--t-body", "20", "--t-fluid", "20,0001"}, 1, {}, {}, "Pre dané parametre nie je možný výpočet! 1000<Ra*f_Pr<10^10 !!!"},
    {"finned tube out of range", {"steady", "--shape", "finned-tube", "--length", "1"}, 1, {}, {}, "Pre dané parametre nie je možný výpočet! 1000<Ra<10^7 !!!"},
    {"constant fluid", {"steady", "--fluid-file", "{dir}/constant.json"}, 0, {density("1,500")}, {}, nullptr},
    {"linear fluid", {"steady", "--fluid", "user", "--fluid-file", "{dir}/linear.json"}, 0, {density("1,008"), expansion("3,175")}, {}, nullptr},
    {"linear fluid out of range", {"steady", "--fluid-file", "{dir}/linear.json", "--t-body", "25", "--t-fluid", "-5"}, 0, {tMean("10,00")}, {kLinearFluidTemperature}, nullptr},
    {"quadratic fluid, not finite", {"steady", "--fluid-file", "{dir}/quadratic.json", "--shape", "cube", "--t-body", "300", "--t-fluid", "150"}, 1, {}, {kQuadraticMean, kQuadraticFluid}, kNotFinite},
    // Texts that are not numbers, and usage errors (input_errors.out).
    {"empty number", {"steady", "--t-body", ""}, 2, {}, {}, "--t-body: '' nie je platné číslo."},
    {"grouped number", {"steady", "--t-body", "1 000"}, 2, {}, {}, "--t-body: '1 000' nie je platné číslo."},
    {"infinity", {"steady", "--t-body", "inf"}, 2, {}, {}, "--t-body: 'inf' nie je platné číslo."},
    {"beyond a double", {"steady", "--t-body", "1e400"}, 2, {}, {}, "--t-body: '1e400' nie je platné číslo."},
    {"area", {"steady", "--area", "abc"}, 2, {}, {}, "--area: 'abc' nie je platné číslo."},
    {"emissivity", {"steady", "--emissivity", "x"}, 2, {}, {}, "--emissivity: 'x' nie je platné číslo."},
    {"angle", {"steady", "--shape", "inclined-plate", "--angle", "uhol"}, 2, {}, {}, "--angle: 'uhol' nie je platné číslo."},
    {"fin gap", {"steady", "--fin-gap", ""}, 2, {}, {}, "--fin-gap: '' nie je platné číslo."},
    {"tube diameter", {"steady", "--tube-diameter", "d"}, 2, {}, {}, "--tube-diameter: 'd' nie je platné číslo."},
    {"point and comma", {"steady", "--length", "0.1,0"}, 2, {}, {}, "--length: '0.1,0' nie je platné číslo."},
    {"fluid file field", {"steady", "--fluid-file", "{dir}/bad.json"}, 2, {}, {}, "'xxx' nie je platné číslo."},
    {"fluid number beyond a double", {"steady", "--fluid-file", "overflow.json"}, 2, {}, {}, "Súbor „overflow.json“: pole „density“: '1e999' nie je platné číslo."},
    {"fluid file is a folder", {"steady", "--fluid-file", "."}, 2, {}, {}, "Súbor „.“ sa nepodarilo otvoriť: je to priečinok."},
    {"water and a KELO file", {"steady", "--fluid", "water", "--kelo", "plyn.kelo"}, 2, {}, {}, "--fluid water sa nedá zadať spolu s --kelo: súbor opisuje tekutinu user."},
    {"air and a fluid file", {"steady", "--fluid", "air", "--fluid-file", "constant.json"}, 2, {}, {}, "--fluid air sa nedá zadať spolu s --fluid-file: súbor opisuje tekutinu user."},
    {"pressure without KELO", {"steady", "--fluid-file", "constant.json", "--pressure", "3"}, 2, {}, {}, "--pressure platí len pre tekutinu KELO (--kelo alebo --fluid-file s druhom „kelo“)."},
    {"empty fluid file", {"steady", "--fluid-file", ""}, 2, {}, {}, "--fluid-file: názov súboru je prázdny."},
    {"empty KELO file", {"steady", "--kelo", ""}, 2, {}, {}, "--kelo: názov súboru je prázdny."},
    {"KELO file missing", {"steady", "--kelo", "chyba.kelo"}, 2, {}, {}, "Súbor „chyba.kelo“ sa nepodarilo otvoriť."},
    {"KELO value not finite", {"steady", "--kelo", "{dir}/nan.kelo"}, 2, {}, {}, "obsahuje hodnotu, ktorá nie je konečné číslo (NaN alebo nekonečno); súbor sa nenačítal."},
    {"fluid file missing", {"steady", "--fluid-file", "chyba.json"}, 2, {}, {}, "Súbor „chyba.json“ sa nepodarilo otvoriť."},
    {"user without a file", {"steady", "--fluid", "user"}, 2, {}, {}, "Tekutina user potrebuje svoj opis: --fluid-file SÚBOR.json alebo --kelo SÚBOR.kelo."},
    {"unknown shape", {"steady", "--shape", "hexagon"}, 2, {}, {}, "Neznámy tvar povrchu „hexagon“; možnosti: vertical-plate,"},
    {"unknown fluid", {"steady", "--fluid", "oil"}, 2, {}, {}, "Neznáma tekutina „oil“; možnosti: air, water, user."},
    {"unknown face", {"steady", "--face", "side"}, 2, {}, {}, "Neznáma plocha „side“; možnosti: upper, lower."},
    {"unknown option", {"steady", "--speed", "1", "--x"}, 2, {}, {}, "nečakaný argument: --speed 1 --x."},
    {"no subcommand", {}, 2, {}, {}, "chýba podpríkaz"},
    {"unknown subcommand", {"stedy"}, 2, {}, {}, "neznámy podpríkaz „stedy“"},
    {"option without value", {"steady", "--t-body"}, 2, {}, {}, nullptr},
    {"unknown format", {"steady", "--format", "xml"}, 2, {}, {}, nullptr},
    {"unknown properties", {"steady", "--properties", "iapws"}, 2, {}, {}, "Neznáme vlastnosti „iapws“; možnosti: builtin, reference."},
    // The reference properties (reference_properties.out).
    {"reference air at -60 °C", {"steady", "--properties", "reference", "--t-body", "-50", "--t-fluid", "-70"}, 0, {alpha("6,092")}, {}, nullptr},
    {"reference air beyond 2000 K", {"steady", "--properties", "reference", "--t-body", "2000", "--t-fluid", "1800"}, 1, {}, {}, "Stredná teplota musí byť v rozsahu -73 až 1726,85°C (referenčné vlastnosti vzduchu) !!!"},
    {"reference air, fluid below 200 K", {"steady", "--properties", "reference", "--t-fluid", "-80"}, 1, {}, {}, "Teplota tekutiny musí byť v rozsahu -73 až 1726,85°C (referenčné vlastnosti vzduchu) !!!"},
    {"reference water, fluid below 0 °C", {"steady", "--properties", "reference", "--fluid", "water", "--t-body", "60", "--t-fluid", "-1"}, 1, {}, {}, "Teplota tekutiny musí byť v rozsahu 0 až 100°C (referenčné vlastnosti vody) !!!"},
    // Sweeps (sweeps.out): the last point of the default range is the main window's default case.
    {"sweep", {"sweep"}, 0, {{"t_body", 10, 2, 1, "100,00"}, alpha("7,362")}, {}, nullptr},
    {"sweep of length 0", {"sweep", "--length", "0", "--from", "20", "--to", "20"}, 0, {notFinite("alpha_conv"), notFinite("heat_flow")}, {kLengthZero}, nullptr},
    // A range that cannot be swept, or has no point, is a usage error with the window's words.
    {"sweep step 0", {"sweep", "--step", "0"}, 2, {}, {}, "Krok teploty povrchu musí byť väčší ako nula; rozsah sa nevypočíta."},
    {"sweep step -5", {"sweep", "--step", "-5"}, 2, {}, {}, "Krok teploty povrchu musí byť väčší ako nula; rozsah sa nevypočíta."},
    {"sweep too long", {"sweep", "--from", "-1000000", "--to", "1000000", "--step", "1"}, 2, {}, {}, "Rozsah teplôt povrchu by mal viac ako 1 000 000 bodov; rozsah sa nevypočíta."},
    {"sweep backwards", {"sweep", "--from", "100", "--to", "0"}, 2, {}, {}, "Rozsah teplôt povrchu nemá ani jeden bod: najvyššia teplota 0 je nižšia ako najnižšia 100; rozsah sa nevypočíta."},
    {"sweep without a point", {"sweep", "--from", "20", "--to", "19,5"}, 2, {}, {}, "Rozsah teplôt povrchu nemá ani jeden bod: najvyššia teplota 19,5 je nižšia ako najnižšia 20; rozsah sa nevypočíta."},
    {"sweep step x", {"sweep", "--step", "x"}, 2, {}, {}, "--step: 'x' nie je platné číslo."},
    {"sweep empty name", {"sweep", "--ccl", "k.ccl", "--name", ""}, 2, {}, {}, "Názov okrajovej podmienky je prázdny; súbor pre Ansys sa nezapíše."},
    {"sweep invalid name", {"sweep", "--ccl", "k.ccl", "--name", "alfa stena"}, 2, {}, {}, kInvalidName},
    {"sweep name without a library", {"sweep", "--name", "Q1"}, 2, {}, {}, "--name potrebuje knižnicu CEL: --ccl SÚBOR."},
    {"sweep empty table", {"sweep", "--table", ""}, 2, {}, {}, "--table: názov súboru je prázdny."},
    {"sweep empty library", {"sweep", "--ccl", "", "--name", "Q1"}, 2, {}, {}, "--ccl: názov súboru je prázdny."},
    {"sweep table is the library", {"sweep", "--table", "t.txt", "--ccl", "./t.txt", "--name", "Q1"}, 2, {}, {}, "--table a --ccl určujú ten istý súbor „t.txt“: jeden by prepísal druhý."},
    {"sweep table not writable", {"sweep", "--table", "priecinok-ktory-nie-je/tabulka.txt"}, 1, {}, {}, "Súbor „priecinok-ktory-nie-je/tabulka.txt“ sa nepodarilo otvoriť na zápis."},
    // The cooling window (cooling.out).
    {"cooling", {"cool", "--emissivity", "1"}, 0, {coolingTime("169,1")}, {}, nullptr},
    {"cooling defaults: radiation on, emissivity 1", {"cool"}, 0, {coolingTime("169,1")}, {}, nullptr},
    {"cooling without radiation", {"cool", "--no-radiation"}, 0, {coolingTime("375,4")}, {}, nullptr},
    {"cooling without radiation, emissivity unused", {"cool", "--no-radiation", "--emissivity", "0,3"}, 0, {coolingTime("375,4")}, {}, nullptr},
    {"cooling three steps", {"cool", "--emissivity", "1", "--steps", "3", "--target", "60"}, 0, {coolingTime("46,8")}, {}, nullptr},
    {"target at the start", {"cool", "--target", "100"}, 1, {}, {}, kTargetMessage},
    {"target below the fluid", {"cool", "--target", "10"}, 1, {}, {}, kTargetMessage},
    {"body at the fluid temperature", {"cool", "--t-fluid", "100", "--target", "60"}, 1, {}, {}, "Teplota telesa sa rovná teplote tekutiny: teleso sa neochladzuje ani neohrieva !!!"},
    {"no steps", {"cool", "--steps", "0"}, 1, {}, {}, "Počet krokov musí byť kladné číslo !!!"},
    {"steps beyond a working day", {"cool", "--steps", "1e12"}, 1, {}, {}, "Počet krokov môže byť najviac 1 000 000 000 !!!"},
    {"step past the fluid", {"cool", "--emissivity", "1", "--steps", "2,5"}, 1, {coolingTime("82,3")}, {}, "Krok ochladzovania siaha až za teplotu tekutiny: čas kroku nie je definovaný !!!"},
    {"check fails in the scale pass", {"cool", "--emissivity", "1", "--fluid", "water", "--t-body", "190", "--target", "100", "--steps", "100"}, 1, {coolingTime("0,0")}, {}, "Stredná teplota musí byť v rozsahu 0 až 100°C !!!"},
    {"cooling emissivity", {"cool", "--emissivity", "x"}, 2, {}, {}, "--emissivity: 'x' nie je platné číslo."},
    {"cooling fluid temperature", {"cool", "--t-fluid", "20°"}, 2, {}, {}, "--t-fluid: '20°' nie je platné číslo."},
    {"cubic heat capacity", {"cool", "--heat-capacity", "cubic:1000;abc;0;0"}, 2, {}, {}, "'abc' nie je platné číslo."},
    {"cubic of three", {"cool", "--heat-capacity", "cubic:1000,0,0"}, 2, {}, {}, nullptr},
    {"unknown heat capacity", {"cool", "--heat-capacity", "wood"}, 2, {}, {}, nullptr},
    {"data file not writable", {"cool", "--data", "no-such-folder/data.txt"}, 1, {}, {}, "Súbor „no-such-folder/data.txt“ sa nepodarilo otvoriť na zápis. Výpočet sa nespustí."},
    {"picture not writable", {"cool", "--steps", "3", "--picture", "no-such-folder/curve.bmp"}, 1, {}, {}, "Súbor „no-such-folder/curve.bmp“ sa nepodarilo vytvoriť."},
    {"empty data file", {"cool", "--data", ""}, 2, {}, {}, "--data: názov súboru je prázdny."},
    {"empty picture", {"cool", "--picture", ""}, 2, {}, {}, "--picture: názov súboru je prázdny."},
    {"data file is the picture", {"cool", "--data", "k.bmp", "--picture", "k.bmp"}, 2, {}, {}, "--data a --picture určujú ten istý súbor „k.bmp“: jeden by prepísal druhý."},
    // Options given twice, options a subcommand does not use, standard output asked for twice.
    {"option twice", {"steady", "--t-body", "80", "--t-body", "90"}, 2, {}, {}, "voľba --t-body je zadaná viac ráz; zadajte ju raz."},
    {"flag twice", {"cool", "--no-radiation", "--no-radiation"}, 2, {}, {}, "voľba --no-radiation je zadaná viac ráz; zadajte ju raz."},
    {"sweep with a body temperature", {"sweep", "--t-body", "80"}, 2, {}, {}, "podpríkaz sweep voľbu --t-body nepoužíva: teploty povrchu dávajú --from, --to a --step."},
    {"steady without radiation", {"steady", "--no-radiation"}, 2, {}, {}, "podpríkaz steady voľbu --no-radiation nepoužíva."},
    {"steady with a mass", {"steady", "--mass=2"}, 2, {}, {}, "podpríkaz steady voľbu --mass nepoužíva."},
    {"cool with a table", {"cool", "--table", "t.txt"}, 2, {}, {}, "podpríkaz cool voľbu --table nepoužíva."},
    {"unknown option", {"steady", "--color"}, 2, {}, {}, "nečakaný argument: --color."},
    {"two outputs to standard output", {"sweep", "--table", "-", "--ccl", "-", "--name", "Q1"}, 2, {}, {}, "--table - a --ccl -: na štandardný výstup môže ísť len jeden súbor."},
    {"a file and the results on standard output", {"cool", "--data", "-", "--format", "csv"}, 2, {}, {}, "--data - zapíše súbor na štandardný výstup: výsledky --format csv tam ísť nemôžu (vynechajte --format alebo zadajte --format none)."},
    {"case and fluid from standard input", {"steady", "--case", "-", "--fluid-file", "-"}, 2, {}, {}, "--case - a --fluid-file - nemôžu čítať oba štandardný vstup."},
};

// gtest names a case by its description.
void PrintTo(const CalcCase& c, std::ostream* os) { *os << c.what; }

class ZavCalcTest : public ::testing::TestWithParam<CalcCase> {};

TEST_P(ZavCalcTest, OptionsGiveTheWindowsResults) {
    const CalcCase& c = GetParam();
    TempFolder folder;
    std::ofstream(folder.file("constant.json")) << R"({"kind": "constant", "density": "1,5"})";
    std::ofstream(folder.file("linear.json")) << R"({"kind": "linear"})";
    std::ofstream(folder.file("quadratic.json")) << R"({"kind": "quadratic", "density": [1.2, -0.1, 0]})";
    std::ofstream(folder.file("bad.json")) << R"({"kind": "constant", "density": "xxx"})";
    std::ofstream(folder.file("overflow.json")) << R"({"kind": "constant", "density": 1e999})";
    test::KeloRecord notFinite = test::sampleRecord();
    notFinite.values[5] = std::numeric_limits<double>::infinity();
    test::writeFile(folder.file("nan.kelo"), test::keloBytes(notFinite));
    const CalcRun run = runCalc(folder, c.args);
    EXPECT_EQ(run.status, c.status) << run.err;
    if (c.status == 2) {
        EXPECT_TRUE(run.out.empty());
        ASSERT_EQ(run.err.rfind("zav-calc: ", 0), 0u) << run.err;
        if (c.message != nullptr) {
            EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        }
        return;
    }
    if (c.message != nullptr) {
        EXPECT_EQ(run.err, std::string("zav-calc: ") + c.message + "\n");
    }
    if (run.out.empty()) {
        EXPECT_TRUE(c.fields.empty());
        return;
    }
    nlohmann::json result = nlohmann::json::parse(run.out);
    if (result.is_array())
        result = result.back();
    for (const WindowText& field : c.fields) {
        ASSERT_TRUE(result.contains(field.key)) << field.key;
        if (field.text == nullptr) {
            EXPECT_TRUE(result[field.key].is_null()) << field.key;
            continue;
        }
        EXPECT_EQ(formatFixed(result[field.key].get<double>() * field.scale, field.precision, field.decimals),
                  field.text)
            << field.key;
    }
    std::vector<std::string> warnings(c.warnings.begin(), c.warnings.end());
    EXPECT_EQ(result["warnings"].get<std::vector<std::string>>(), warnings);
    if (c.message != nullptr) {
        EXPECT_EQ(result.value("error", ""), c.message);
    } else {
        EXPECT_FALSE(result.contains("error"));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ZavCalcTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<CalcCase>& param) {
                             std::string name;
                             for (char ch : std::string(param.param.what))
                                 name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return name + "_" + std::to_string(param.index);
                         });

// --format csv: a header and rows of the same doubles as the JSON of the same options.
struct CsvCase {
    const char* what;
    std::vector<std::string> args;
    std::size_t rows; // points of the sweep, the curve's start and steps
};

void PrintTo(const CsvCase& c, std::ostream* os) { *os << c.what; }

const std::vector<CsvCase> kCsvCases = {
    {"steady", {"steady", "--shape", "sphere", "--emissivity", "0,6"}, 1},
    {"sweep", {"sweep", "--fluid", "water", "--from", "10", "--to", "90", "--step", "20"}, 5},
    {"cool", {"cool", "--steps", "20", "--target", "50"}, 21},
    // Beyond 100 000 steps every k-th: k = 3, the start, steps 3, 6, … 249 999 and the last.
    {"cool thinned", {"cool", "--steps", "250001", "--target", "31"}, 1 + 83333 + 1},
};

std::vector<std::vector<std::string>> csvRows(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        rows.emplace_back();
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ',');)
            rows.back().push_back(cell);
    }
    return rows;
}

// csv: "," and the decimal point; csv-sk: ";" and the decimal comma, read back here as csv.
struct CsvFormat {
    const char* name;
    char separator;
    char decimal;
};
const CsvFormat kCsvFormats[] = {{"csv", ',', '.'}, {"csv-sk", ';', ','}};

void checkCsvRows(const CsvCase& c, const CsvFormat& format) {
    TempFolder folder;
    const CalcRun json = runCalc(folder, c.args);
    std::vector<std::string> csvArgs = c.args;
    csvArgs.insert(csvArgs.end(), {"--format", format.name});
    CalcRun csv = runCalc(folder, csvArgs);
    ASSERT_EQ(json.status, 0);
    ASSERT_EQ(csv.status, 0);
    if (format.separator != ',') {
        EXPECT_EQ(csv.out.find('.'), std::string::npos);
        for (char& ch : csv.out)
            ch = ch == format.separator ? ',' : ch == format.decimal ? '.' : ch;
    }
    nlohmann::json records = nlohmann::json::parse(json.out);
    if (records.contains("curve")) // a cooling run: its curve, point by point
        records = {{{"time", records["curve"]["time"]}, {"t_body", records["curve"]["t_body"]}}};
    else if (!records.is_array())
        records = nlohmann::json::array({records});
    const std::vector<std::vector<std::string>> rows = csvRows(csv.out);
    ASSERT_EQ(rows.size(), c.rows + 1);
    const std::vector<std::string>& header = rows[0];
    for (std::size_t r = 1; r < rows.size(); ++r) {
        ASSERT_EQ(rows[r].size(), header.size());
        for (std::size_t k = 0; k < header.size(); ++k) {
            const nlohmann::json& expected =
                records.size() == 1 && records[0][header[k]].is_array() ? records[0][header[k]][r - 1]
                                                                        : records[r - 1][header[k]];
            EXPECT_EQ(std::strtod(rows[r][k].c_str(), nullptr), expected.get<double>()) << header[k];
        }
    }
}

class ZavCalcCsvTest : public ::testing::TestWithParam<CsvCase> {};

TEST_P(ZavCalcCsvTest, RowsHoldTheJsonValues) {
    for (const CsvFormat& format : kCsvFormats) {
        SCOPED_TRACE(format.name);
        checkCsvRows(GetParam(), format);
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, ZavCalcCsvTest, ::testing::ValuesIn(kCsvCases),
                         [](const ::testing::TestParamInfo<CsvCase>& param) {
                             std::string name = param.param.what;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

// --format jsonl: one JSON object a line, the same objects as --format json gives (a sweep's
// array element by element).
struct JsonLinesCase {
    const char* what;
    std::vector<std::string> args;
    std::size_t lines;
};

const JsonLinesCase kJsonLinesCases[] = {
    {"steady", {"steady", "--shape", "cube", "--emissivity", "0,9"}, 1},
    {"sweep", {"sweep", "--from", "20", "--to", "60", "--step", "10"}, 5},
    {"sweep with warnings", {"sweep", "--fluid-file", "{dir}/linear.json", "--t-fluid", "-5", "--to", "10"}, 3},
    {"cool", {"cool", "--steps", "20", "--target", "50"}, 1},
};

void PrintTo(const JsonLinesCase& c, std::ostream* os) { *os << c.what; }

class ZavCalcJsonLinesTest : public ::testing::TestWithParam<JsonLinesCase> {};

TEST_P(ZavCalcJsonLinesTest, OneObjectALine) {
    TempFolder folder;
    std::ofstream(folder.file("linear.json")) << R"({"kind": "linear"})";
    const CalcRun json = runCalc(folder, GetParam().args);
    std::vector<std::string> args = GetParam().args;
    args.insert(args.end(), {"--format", "jsonl"});
    const CalcRun lines = runCalc(folder, args);
    ASSERT_EQ(json.status, 0);
    ASSERT_EQ(lines.status, 0);
    nlohmann::json records = nlohmann::json::parse(json.out);
    if (!records.is_array())
        records = nlohmann::json::array({records});
    ASSERT_EQ(records.size(), GetParam().lines);
    std::istringstream text(lines.out);
    std::size_t count = 0;
    for (std::string line; std::getline(text, line); ++count) {
        ASSERT_LT(count, records.size());
        EXPECT_EQ(nlohmann::json::parse(line), records[count]) << "line " << count;
    }
    EXPECT_EQ(count, GetParam().lines);
    EXPECT_EQ(lines.out.back(), '\n');
}

INSTANTIATE_TEST_SUITE_P(Formats, ZavCalcJsonLinesTest, ::testing::ValuesIn(kJsonLinesCases),
                         [](const ::testing::TestParamInfo<JsonLinesCase>& param) {
                             std::string name = param.param.what;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

// Values outside their physical range are computed as the windows compute them and reported on
// standard error and in the warnings; --strict refuses them (status 1, nothing computed). What a
// window's own check refuses is refused as before, without such a warning.
struct LimitCase {
    const char* what;
    std::vector<std::string> args;
    int status; // without --strict
    std::vector<const char*> warnings;
};

const char* const kBelowZero = "Varovanie: teplota telesa -300 °C leží pod absolútnou nulou (-273,15 °C).";

const LimitCase kLimitCases[] = {
    {"defaults", {"steady"}, 0, {}},
    {"emissivity above 1", {"steady", "--emissivity", "2"}, 0, {"Varovanie: emisivita 2 leží mimo rozsahu 0 až 1."}},
    {"emissivity below 0", {"steady", "--emissivity", "-0,5"}, 0, {"Varovanie: emisivita -0,5 leží mimo rozsahu 0 až 1."}},
    {"emissivity without radiation", {"steady", "--shape", "sphere"}, 0, {}},
    {"area 0", {"steady", "--area", "0"}, 0, {"Varovanie: plocha povrchu 0 m² nie je väčšia ako nula."}},
    {"negative length, refused by a check", {"steady", "--length", "-0,1"}, 1, {"Varovanie: charakteristický rozmer -0,1 m nie je väčší ako nula."}},
    {"body below absolute zero", {"steady", "--t-body", "-300"}, 1, {kBelowZero}},
    {"two values", {"steady", "--t-body", "-300", "--area", "-1"}, 1, {kBelowZero, "Varovanie: plocha povrchu -1 m² nie je väčšia ako nula."}},
    {"sweep below absolute zero", {"sweep", "--from", "-300", "--to", "-250", "--step", "25"}, 0, {"Varovanie: najnižšia teplota povrchu -300 °C leží pod absolútnou nulou (-273,15 °C)."}},
    {"sweep of length 0", {"sweep", "--length", "0", "--to", "10"}, 0, {kLengthZero}},
    {"cooling emissivity above 1", {"cool", "--emissivity", "1,5"}, 0, {"Varovanie: emisivita 1,5 leží mimo rozsahu 0 až 1."}},
    {"cooling emissivity without radiation", {"cool", "--no-radiation", "--emissivity", "-1"}, 0, {"Varovanie: emisivita -1 leží mimo rozsahu 0 až 1."}},
    {"cooling emissivity refused by the window", {"cool", "--emissivity", "-1"}, 1, {}},
    {"mass refused by the window", {"cool", "--mass", "0"}, 1, {}},
    {"steps refused by the window", {"cool", "--steps", "-3"}, 1, {}},
};

void PrintTo(const LimitCase& c, std::ostream* os) { *os << c.what; }

class ZavCalcLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(ZavCalcLimitTest, WarnedOrRefusedUnderStrict) {
    const LimitCase& c = GetParam();
    TempFolder folder;
    const CalcRun run = runCalc(folder, c.args);
    EXPECT_EQ(run.status, c.status) << run.err;
    std::string lines;
    for (const char* warning : c.warnings)
        lines += std::string("zav-calc: ") + warning + "\n";
    EXPECT_EQ(run.err.substr(0, lines.size()), lines);
    nlohmann::json record = nlohmann::json::parse(run.out);
    if (record.is_array())
        record = record.back();
    const std::vector<std::string> warnings = record["warnings"];
    ASSERT_GE(warnings.size(), c.warnings.size());
    for (std::size_t i = 0; i < c.warnings.size(); ++i)
        EXPECT_EQ(warnings[i], c.warnings[i]);
    if (c.warnings.empty() && c.status == 0) {
        EXPECT_EQ(run.err, "");
    }

    std::vector<std::string> strictArgs = c.args;
    strictArgs.push_back("--strict");
    const CalcRun strict = runCalc(folder, strictArgs);
    if (c.warnings.empty()) {
        EXPECT_EQ(strict.status, run.status);
        EXPECT_EQ(strict.out, run.out);
        return;
    }
    EXPECT_EQ(strict.status, 1);
    EXPECT_EQ(strict.out, "");
    EXPECT_EQ(strict.err, lines + "zav-calc: --strict: hodnota mimo fyzikálneho rozsahu; prípad sa nevypočíta.\n");
}

INSTANTIATE_TEST_SUITE_P(Limits, ZavCalcLimitTest, ::testing::ValuesIn(kLimitCases),
                         [](const ::testing::TestParamInfo<LimitCase>& param) {
                             std::string name;
                             for (char ch : std::string(param.param.what))
                                 name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return name;
                         });

// --version and the subcommand version: the program's name and version, nothing else.
TEST(ZavCalcVersionTest, NamesTheVersion) {
    TempFolder folder;
    const CalcRun flag = runCalc(folder, {"--version"});
    const CalcRun command = runCalc(folder, {"version"});
    EXPECT_EQ(flag.status, 0);
    EXPECT_EQ(flag.err, "");
    EXPECT_TRUE(std::regex_match(flag.out, std::regex("zav-calc [0-9]+\\.[0-9]+(\\.[0-9]+)?\n"))) << flag.out;
    EXPECT_EQ(command.status, 0);
    EXPECT_EQ(command.out, flag.out);
    EXPECT_EQ(command.err, "");
}

// "-" names standard output for an output file and standard input for an input file: the same
// bytes as the named file gives or gets. The folder for the bytes on their way ($TMPDIR) is left
// empty.
struct StreamCase {
    const char* what;
    const char* toFile;   // writes f; {calc} stands for zav-calc
    const char* toStream; // writes g
};

const StreamCase kStreamCases[] = {
    {"table", "{calc} sweep --step 10 --table f > out.txt", "{calc} sweep --step 10 --table - > g"},
    {"table, no results", "{calc} sweep --table f --format none > out.txt", "{calc} sweep --table - --format none > g"},
    {"cooling data", "{calc} cool --steps 50 --target 40 --data f > out.txt", "{calc} cool --steps 50 --target 40 --data - > g"},
    {"picture", "{calc} cool --steps 300 --picture f > out.txt", "{calc} cool --steps 300 --picture - --data d.txt > g"},
    {"fluid file", "{calc} steady --fluid-file constant.json > f", "{calc} steady --fluid-file - < constant.json > g"},
    {"case file", "{calc} cool --case case.zav > f", "{calc} cool --case - < case.zav > g"},
};

void PrintTo(const StreamCase& c, std::ostream* os) { *os << c.what; }

class ZavCalcStreamTest : public ::testing::TestWithParam<StreamCase> {};

TEST_P(ZavCalcStreamTest, SameBytesAsTheFile) {
    TempFolder folder;
    std::filesystem::create_directory(folder.path() / "tmp");
    std::ofstream(folder.file("constant.json")) << R"({"kind": "constant", "density": "1,5"})";
    // A case of the windows: a hot body whose cooling runs without radiation.
    std::ofstream(folder.file("case.zs")) << "set Form1.Edit1 80\nmenu Form1.Ochladzovanie1\nclick Form2.CheckBox1\n"
                                             "answer save case.zav\nmenu Form1.UlozitZadanie1\n";
    const std::string cd = "cd " + shellQuoted(folder.path().string()) + " && ";
    ASSERT_EQ(std::system((cd + "QT_QPA_PLATFORM=offscreen " + shellQuoted(ZAV_SCENARIO) + " case.zs > window.out").c_str()), 0);
    for (const char* command : {GetParam().toFile, GetParam().toStream}) {
        std::string line = command;
        line.replace(line.find("{calc}"), 6, "TMPDIR=tmp " + shellQuoted(ZAV_CALC));
        const int status = std::system((cd + line + " 2> err.txt").c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << line << ": " << readAll(folder.file("err.txt"));
        EXPECT_EQ(readAll(folder.file("err.txt")), "");
    }
    const std::string file = readAll(folder.file("f"));
    EXPECT_FALSE(file.empty());
    EXPECT_TRUE(readAll(folder.file("g")) == file);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path() / "tmp"));
}

INSTANTIATE_TEST_SUITE_P(Streams, ZavCalcStreamTest, ::testing::ValuesIn(kStreamCases),
                         [](const ::testing::TestParamInfo<StreamCase>& param) {
                             std::string name = param.param.what;
                             for (char& ch : name)
                                 ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return name;
                         });

// The cells of each row of a flat OpenDocument spreadsheet: their value types and values, with
// repeated cells expanded.
std::vector<std::vector<std::pair<std::string, std::string>>> spreadsheetRows(const std::string& document) {
    const auto attribute = [](const std::string& element, const std::string& name) {
        const std::string key = name + "=\"";
        const std::size_t at = element.find(key);
        if (at == std::string::npos)
            return std::string();
        const std::size_t begin = at + key.size();
        return element.substr(begin, element.find('"', begin) - begin);
    };
    std::vector<std::vector<std::pair<std::string, std::string>>> result;
    std::size_t at = 0;
    while ((at = document.find("<table:table-row", at)) != std::string::npos) {
        const std::size_t end = document.find("</table:table-row>", at);
        const std::string row = document.substr(at, end - at);
        std::vector<std::pair<std::string, std::string>> cells;
        for (std::size_t cell = row.find("<table:table-cell"); cell != std::string::npos;
             cell = row.find("<table:table-cell", cell + 1)) {
            const std::string element = row.substr(cell, row.find('>', cell) - cell);
            const std::string repeated = attribute(element, "table:number-columns-repeated");
            for (int n = repeated.empty() ? 1 : std::stoi(repeated); n > 0; --n)
                cells.emplace_back(attribute(element, "office:value-type"), attribute(element, "office:value"));
        }
        while (!cells.empty() && cells.back().first.empty())
            cells.pop_back();
        if (!cells.empty())
            result.push_back(cells);
        at = end;
    }
    return result;
}

// A spreadsheet keeps about fifteen significant digits of a number it reads.
constexpr double kSpreadsheetDigits = 1e-14;

// --format csv-sk as LibreOffice Calc in the Slovak locale reads it: the keys as texts and every
// value a number, the JSON's value. Skipped where LibreOffice is not installed.
TEST(ZavCalcSpreadsheetTest, SlovakCsvOpensAsNumbers) {
    if (std::system("command -v soffice > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    TempFolder folder;
    const CalcRun json = runCalc(folder, {"sweep", "--step", "20", "--emissivity", "0,9"});
    const CalcRun csv = runCalc(folder, {"sweep", "--step", "20", "--emissivity", "0,9", "--format", "csv-sk"});
    ASSERT_EQ(csv.status, 0);
    std::ofstream(folder.file("sweep.csv"), std::ios::binary) << csv.out;
    // Separator ";", quote '"', UTF-8 (76), from line 1, standard columns, Slovak (1051).
    const std::string command = "cd " + shellQuoted(folder.path().string()) +
                                " && soffice --headless -env:UserInstallation=file://" +
                                (folder.path() / "profile").string() +
                                " --infilter='Text - txt - csv (StarCalc):59,34,76,1,,1051' --convert-to fods"
                                " --outdir out sweep.csv > soffice.log 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const auto sheet = spreadsheetRows(readAll(folder.file("out/sweep.fods")));
    const nlohmann::ordered_json records = nlohmann::ordered_json::parse(json.out); // the keys in the columns' order
    ASSERT_EQ(sheet.size(), records.size() + 1);
    const std::size_t columns = sheet[0].size();
    ASSERT_EQ(columns, 17u);
    for (const auto& cell : sheet[0])
        EXPECT_EQ(cell.first, "string");
    for (std::size_t r = 1; r < sheet.size(); ++r) {
        ASSERT_EQ(sheet[r].size(), columns) << "row " << r;
        std::size_t k = 0;
        for (const auto& [key, value] : records[r - 1].items()) {
            if (key == "warnings")
                continue;
            ASSERT_EQ(sheet[r][k].first, "float") << key << ", row " << r;
            const double expected = value.get<double>();
            EXPECT_NEAR(std::stod(sheet[r][k].second), expected, std::fabs(expected) * kSpreadsheetDigits) << key;
            ++k;
        }
    }
}

// The help of the program and of each subcommand: lines of at most 80 characters, and every
// option it lists explained in both manual pages (the Slovak `man zav-calc`, the English
// `man -L en zav-calc`).
class ZavCalcHelpTest : public ::testing::TestWithParam<std::vector<std::string>> {};

std::size_t characters(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char ch) {
        return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    }));
}

TEST_P(ZavCalcHelpTest, WrappedAndInTheManualPages) {
    TempFolder folder;
    const CalcRun help = runCalc(folder, GetParam());
    ASSERT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    const std::filesystem::path packaging = std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "packaging";
    const std::string pages[] = {readAll((packaging / "zav-calc.1").string()), readAll((packaging / "zav-calc.en.1").string())};
    ASSERT_FALSE(pages[0].empty());
    ASSERT_FALSE(pages[1].empty());
    std::istringstream lines(help.out);
    std::size_t options = 0;
    for (std::string line; std::getline(lines, line);) {
        EXPECT_LE(characters(line), 80u) << line;
        if (line.rfind("  -", 0) != 0)
            continue;
        ++options;
        std::string option = line.substr(2, line.find_first_of(" =", 2) - 2);
        option = option.substr(option.find("--")); // "-h,--help": --help
        std::string escaped;
        for (char ch : option)
            escaped += ch == '-' ? std::string("\\-") : std::string(1, ch);
        for (const std::string& page : pages)
            EXPECT_NE(page.find(escaped), std::string::npos) << option;
    }
    EXPECT_GT(options, 0u);
}

INSTANTIATE_TEST_SUITE_P(Help, ZavCalcHelpTest,
                         ::testing::Values(std::vector<std::string>{"--help"}, std::vector<std::string>{"steady", "--help"},
                                           std::vector<std::string>{"sweep", "--help"}, std::vector<std::string>{"cool", "--help"},
                                           std::vector<std::string>{"solve", "--help"},
                                           std::vector<std::string>{"report", "--help"},
                                           std::vector<std::string>{"version", "--help"}),
                         [](const ::testing::TestParamInfo<std::vector<std::string>>& param) {
                             return param.param.size() == 1 ? std::string("program") : param.param.front();
                         });

// report: the page of a case (from options or a case file) holds steady's results with the main
// window's digits and names its case; a case a check refuses gets its page with the reason and
// steady's exit status.
struct ReportCase {
    const char* what;
    std::vector<std::string> caseArgs;
    const char* caseName;
};

void PrintTo(const ReportCase& c, std::ostream* os) { *os << c.what; }

class ZavCalcReportTest : public ::testing::TestWithParam<ReportCase> {};

TEST_P(ZavCalcReportTest, PageHoldsSteadysResults) {
    const ReportCase& c = GetParam();
    TempFolder folder;
    std::ofstream(folder.file("voda.zav"))
        << R"({"format": "zav-case", "version": 1, "main": {"fluid": "water", "t_body": "60", "shape": "horizontal-cylinder"}})";
    std::vector<std::string> args = {"steady"};
    args.insert(args.end(), c.caseArgs.begin(), c.caseArgs.end());
    const CalcRun steady = runCalc(folder, args);
    args.front() = "report";
    args.insert(args.end(), {"--output", "správa.html"});
    const CalcRun report = runCalc(folder, args);
    EXPECT_EQ(report.status, steady.status) << report.err;
    EXPECT_EQ(report.out, "");
    const std::string page = readAll(folder.file("správa.html"));
    EXPECT_NE(page.find(std::string("<td>") + c.caseName + "</td>"), std::string::npos);
    const nlohmann::json record = nlohmann::json::parse(steady.out);
    if (steady.status != 0) {
        const std::string reason = report.err.substr(std::string("zav-calc: ").size());
        EXPECT_NE(page.find("Výpočet bol odmietnutý"), std::string::npos);
        EXPECT_NE(page.find(reason.substr(0, reason.size() - 1)), std::string::npos) << reason;
        return;
    }
    for (const WindowText& shown : {alpha(""), heatFlow(""), nusselt(""), rayleigh("")}) {
        const std::string text = formatFixed(record[shown.key].get<double>(), shown.precision, shown.decimals);
        EXPECT_NE(page.find(">" + text + "</td>"), std::string::npos) << shown.key << " " << text;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ZavCalcReportTest,
                         ::testing::Values(ReportCase{"options", {"--shape", "sphere", "--emissivity", "0,7"}, "bez názvu"},
                                           ReportCase{"case_file", {"--case", "voda.zav"}, "voda.zav"},
                                           ReportCase{"refused", {"--fluid", "water", "--t-body", "250"}, "bez názvu"}),
                         [](const ::testing::TestParamInfo<ReportCase>& param) { return std::string(param.param.what); });

// solve: the heat flow of a steady case, solved back for each unknown, gives that case's input
// in "solved" and in its own key; a heat flow nothing carries is exit status 1 with the reason.
TEST(ZavCalcSolveTest, SolvesBackTheSteadyStatesInputs) {
    TempFolder folder;
    const std::vector<std::string> steadyArgs = {"--t-body", "70", "--t-fluid", "15", "--length", "0,3",
                                                 "--area",   "0,4", "--shape",   "sphere", "--emissivity", "0,7"};
    std::vector<std::string> args = {"steady"};
    args.insert(args.end(), steadyArgs.begin(), steadyArgs.end());
    const CalcRun steady = runCalc(folder, args);
    ASSERT_EQ(steady.status, 0) << steady.err;
    const nlohmann::json carried = nlohmann::json::parse(steady.out);
    const struct {
        const char* unknown;
        const char* key;
        double expected;
        double scale; // what the precision is relative to
    } cases[] = {{"t-body", "t_body", 70, 55}, {"t-fluid", "t_fluid", 15, 55}, {"area", "area", 0.4, 0.4},
                 {"length", "length", 0.3, 0.3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.unknown);
        std::vector<std::string> solve = {"solve", "--unknown", c.unknown, "--heat-flow",
                                          formatGeneral(carried["heat_flow"].get<double>())};
        solve.insert(solve.end(), steadyArgs.begin(), steadyArgs.end());
        const CalcRun run = runCalc(folder, solve);
        ASSERT_EQ(run.status, 0) << run.err;
        const nlohmann::json solved = nlohmann::json::parse(run.out);
        EXPECT_EQ(solved["unknown"], c.unknown);
        EXPECT_NEAR(solved["solved"].get<double>(), c.expected, 1e-9 * c.scale);
        EXPECT_EQ(solved[c.key], solved["solved"]);
        EXPECT_NEAR(solved["alpha_total"].get<double>(), carried["alpha_total"].get<double>(),
                    1e-8 * carried["alpha_total"].get<double>());
    }
    // A heat flow into the body: found below the fluid's temperature, the record's heat flow
    // signed as the one sought.
    const CalcRun into = runCalc(folder, {"solve", "--heat-flow", "-50"});
    ASSERT_EQ(into.status, 0) << into.err;
    EXPECT_LT(nlohmann::json::parse(into.out)["solved"].get<double>(), 20);
    EXPECT_NEAR(nlohmann::json::parse(into.out)["heat_flow"].get<double>(), -50, 1e-9);
    // A case of the KELO fluid whose coefficient file the window never loaded.
    std::ofstream(folder.file("kelo.zav")) << R"({"format": "zav-case", "version": 1, "main": {"fluid": "user"}})";
    const CalcRun kelo = runCalc(folder, {"solve", "--case", "kelo.zav"});
    EXPECT_EQ(kelo.status, 2);
    EXPECT_NE(kelo.err.find("súbor koeficientov KELO nie je načítaný ('xxx')"), std::string::npos) << kelo.err;
    const CalcRun none = runCalc(folder, {"solve", "--heat-flow", "1e8"});
    EXPECT_EQ(none.status, 1);
    const nlohmann::json refused = nlohmann::json::parse(none.out);
    EXPECT_TRUE(refused["solved"].is_null());
    EXPECT_GT(refused["reachable_heat_flow"].get<double>(), 0);
    EXPECT_NE(none.err.find("Najväčší dosiahnuteľný tepelný tok je "), std::string::npos) << none.err;
    // A root next to an edge of the valid states (a heater in 2 °C water), and the largest heat flow
    // of a plate's dimension, at the smallest dimension its correlation holds for (both checked
    // against a dense scan in the core's tests).
    const CalcRun heater = runCalc(folder, {"solve", "--fluid", "water", "--shape", "horizontal-cylinder", "--t-fluid",
                                            "2", "--length", "0.05", "--area", "0.1", "--heat-flow", "296.547"});
    ASSERT_EQ(heater.status, 0) << heater.err;
    EXPECT_NEAR(nlohmann::json::parse(heater.out)["solved"].get<double>(), 12, 1e-4);
    const CalcRun plate =
        runCalc(folder, {"solve", "--t-body", "60", "--area", "0.1", "--unknown", "length", "--heat-flow", "1e6"});
    EXPECT_EQ(plate.status, 1);
    EXPECT_NEAR(nlohmann::json::parse(plate.out)["reachable_heat_flow"].get<double>(), 377.25585, 1e-5);
    EXPECT_NE(plate.err.find("Najväčší dosiahnuteľný tepelný tok je 377,256 W (charakteristický rozmer 0,000310511 m)."),
              std::string::npos)
        << plate.err;
    const CalcRun badName = runCalc(folder, {"solve", "--unknown", "mass"});
    EXPECT_EQ(badName.status, 2);
    EXPECT_NE(badName.err.find("t-body, t-fluid, area, length"), std::string::npos) << badName.err;
}

// Standard output that does not take the results: the run fails with the system's reason.
struct OutputCase {
    const char* what;
    const char* command; // {calc} stands for zav-calc; it writes its status to status.txt
    const char* reason;
};

void PrintTo(const OutputCase& c, std::ostream* os) { *os << c.what; }

const std::vector<OutputCase> kOutputCases = {
    {"full_disk", "{ {calc} steady > /dev/full; echo $? > status.txt; } 2> err.txt", "No space left on device"},
    {"closed", "{ {calc} steady >&-; echo $? > status.txt; } 2> err.txt", "Bad file descriptor"},
    {"reader_gone", "{ {calc} sweep --step 0,01; echo $? > status.txt; } 2> err.txt | head -c 1 > /dev/null",
     "Broken pipe"},
};

class ZavCalcOutputTest : public ::testing::TestWithParam<OutputCase> {};

TEST_P(ZavCalcOutputTest, FailedWriteIsAnError) {
    TempFolder folder;
    std::string command = GetParam().command;
    command.replace(command.find("{calc}"), 6, shellQuoted(ZAV_CALC));
    std::system(("cd " + shellQuoted(folder.path().string()) + " && " + command).c_str());
    EXPECT_EQ(readAll(folder.file("status.txt")), "1\n");
    EXPECT_EQ(readAll(folder.file("err.txt")),
              std::string("zav-calc: zápis na štandardný výstup zlyhal: ") + GetParam().reason + "\n");
}

INSTANTIATE_TEST_SUITE_P(StandardOutput, ZavCalcOutputTest, ::testing::ValuesIn(kOutputCases),
                         [](const ::testing::TestParamInfo<OutputCase>& param) { return param.param.what; });

// Inputs that never end are read up to the limit of every input and refused there; a KELO record
// is its first 252 bytes.
struct EndlessInputCase {
    const char* what;
    const char* command; // {calc} stands for zav-calc
    int status;
    const char* error;
};

void PrintTo(const EndlessInputCase& c, std::ostream* os) { *os << c.what; }

const std::vector<EndlessInputCase> kEndlessInputCases = {
    {"case_on_standard_input", "{calc} steady --case - < /dev/zero", 2, "Súbor „-“ je väčší ako 1024 kB."},
    {"fluid_on_standard_input", "{calc} steady --fluid-file - < /dev/zero", 2, "Súbor „-“ je väčší ako 1024 kB."},
    {"fluid_file_device", "{calc} steady --fluid-file /dev/zero", 2, "Súbor „/dev/zero“ je väčší ako 1024 kB."},
    {"case_device", "{calc} steady --case /dev/zero", 2, "Súbor „/dev/zero“ je väčší ako 1024 kB."},
    {"kelo_device", "{calc} steady --kelo /dev/zero --format none", 1, nullptr},
};

class ZavCalcEndlessInputTest : public ::testing::TestWithParam<EndlessInputCase> {};

TEST_P(ZavCalcEndlessInputTest, RefusedAtTheLimit) {
    TempFolder folder;
    std::string command = GetParam().command;
    command.replace(command.find("{calc}"), 6, shellQuoted(ZAV_CALC));
    // An input read without a limit would run into the time limit instead.
    const int status = std::system(("cd " + shellQuoted(folder.path().string()) + " && timeout 60 " + command +
                                    " > out.txt 2> err.txt")
                                       .c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), GetParam().status);
    if (GetParam().error != nullptr) {
        EXPECT_EQ(readAll(folder.file("err.txt")), std::string("zav-calc: ") + GetParam().error + "\n");
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, ZavCalcEndlessInputTest, ::testing::ValuesIn(kEndlessInputCases),
                         [](const ::testing::TestParamInfo<EndlessInputCase>& param) { return param.param.what; });

// Under a limit of file sizes (ulimit -f) a write that passes it fails with the usual message; the
// program goes on (the windows) or ends with its status, never killed by SIGXFSZ.
struct FileSizeCase {
    const char* what;
    std::vector<const char*> argv; // {scenario}: zav-scenario with the script s.zs; else zav-calc
    const char* script;
    int status;
    const char* output; // the transcript, or standard error
};

void PrintTo(const FileSizeCase& c, std::ostream* os) { *os << c.what; }

const std::vector<FileSizeCase> kFileSizeCases = {
    {"windows", {"{scenario}"},
     "answer save velke.zav\nmenu Form1.UlozitZadanie1\n"
     "answer save tabulka.txt\nmenu Form1.Ulodosboru1\nclick Form1.Button1\n"
     "answer save graf.png\nclick Form7.UlozitGraf\n"
     "answer printer okno.pdf\nmenu Form1.Uloi1\nprint Form1.Edit13\n",
     0,
     "dialog: save -> velke.zav\nmessage: Súbor „velke.zav“ sa nepodarilo zapísať.\n"
     "dialog: save -> tabulka.txt\nmessage: Súbor „tabulka.txt“ sa nepodarilo zapísať.\n"
     "dialog: save -> graf.png\nmessage: Súbor „graf.png“ sa nepodarilo zapísať.\n"
     "dialog: printer -> okno.pdf\nmessage: Súbor „okno.pdf“ sa nepodarilo zapísať.\nForm1.Edit13=7,362\n"},
    {"table", {"sweep", "--table", "t.txt", "--format", "none"}, nullptr, 1,
     "zav-calc: Súbor „t.txt“ sa nepodarilo zapísať.\n"},
    {"data_file", {"cool", "--data", "d.txt", "--format", "none"}, nullptr, 1,
     "zav-calc: Súbor „d.txt“ sa nepodarilo zapísať.\n"},
    {"standard_output", {"sweep", "--step", "0,01"}, nullptr, 1,
     "zav-calc: zápis na štandardný výstup zlyhal: File too large\n"},
};

class FileSizeLimitTest : public ::testing::TestWithParam<FileSizeCase> {};

TEST_P(FileSizeLimitTest, WriteFailsWithItsMessage) {
    const FileSizeCase& c = GetParam();
    TempFolder folder;
    if (c.script != nullptr)
        std::ofstream(folder.file("s.zs")) << c.script;
    std::vector<const char*> argv;
    for (const char* arg : c.argv)
        argv.push_back(std::string(arg) == "{scenario}" ? ZAV_SCENARIO : arg);
    if (c.script != nullptr)
        argv.push_back("s.zs");
    else
        argv.insert(argv.begin(), ZAV_CALC);
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        // The signal's default action, whatever the test was started with; a kilobyte a file.
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{1024, 1024};
        if (::chdir(folder.path().c_str()) != 0 || ::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            ::_exit(127);
        const int transcript = ::open("out.txt", O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int errors = ::open("err.txt", O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (transcript < 0 || errors < 0 || ::dup2(transcript, 1) < 0 || ::dup2(errors, 2) < 0)
            ::_exit(127);
        ::execv(argv[0], const_cast<char* const*>(argv.data()));
        ::_exit(127);
    }
    ASSERT_GT(child, 0);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), c.status);
    EXPECT_EQ(readAll(folder.file(c.script != nullptr ? "out.txt" : "err.txt")), c.output);
}

INSTANTIATE_TEST_SUITE_P(Writes, FileSizeLimitTest, ::testing::ValuesIn(kFileSizeCases),
                         [](const ::testing::TestParamInfo<FileSizeCase>& param) { return param.param.what; });

// A signal ends a long cooling run at once with 128 + its number; the old data file stays as it
// was and nothing else is left in the folder.
class ZavCalcSignalTest : public ::testing::TestWithParam<int> {};

TEST_P(ZavCalcSignalTest, EndsAtOnceLeavingTheOldFile) {
    TempFolder folder;
    std::ofstream(folder.file("F")) << "old";
    const pid_t child = ::fork();
    if (child == 0) {
        // The signals' default actions, whatever the test was started with.
        for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP})
            std::signal(signalNumber, SIG_DFL);
        const int null = ::open("/dev/null", O_WRONLY);
        if (::chdir(folder.path().c_str()) != 0 || null < 0 || ::dup2(null, 1) < 0)
            ::_exit(127);
        ::execl(ZAV_CALC, ZAV_CALC, "cool", "--steps", "1e9", "--data", "F", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ASSERT_GT(child, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    ::kill(child, GetParam());
    int status = 0;
    for (int waited = 0; ::waitpid(child, &status, WNOHANG) == 0; ++waited) {
        if (waited == 200) { // 2 s
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            FAIL() << "zav-calc did not end";
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 128 + GetParam());
    EXPECT_EQ(readAll(folder.file("F")), "old");
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"F"});
}

INSTANTIATE_TEST_SUITE_P(Signals, ZavCalcSignalTest, ::testing::Values(SIGINT, SIGTERM, SIGHUP),
                         [](const ::testing::TestParamInfo<int>& param) {
                             return std::string(param.param == SIGINT ? "SIGINT" : param.param == SIGTERM ? "SIGTERM" : "SIGHUP");
                         });

} // namespace

} // namespace zav::test
