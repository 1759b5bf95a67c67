// SPDX-License-Identifier: GPL-3.0-or-later
// A case saved by the real windows ("Súbor → Uložiť zadanie…" in zav-scenario) and computed by
// zav-calc --case gives the windows' numbers: the main window's thirteen results, the cooling
// time, and the sweep's table byte for byte.
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "core/number_format.h"
#include "io/case_inputs.h"
#include "temp_folder.h"

namespace zav::test {

namespace {

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

int runIn(const TempFolder& folder, const std::string& command) {
    const int status = std::system(("cd '" + folder.path().string() + "' && " + command).c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The main window's result fields: the key of zav-calc and the window's format.
struct ResultField {
    const char* control;
    const char* key;
    int precision;
    int decimals;
    double scale;
    const char* suffix;
};
const ResultField kResults[] = {
    {"Form1.Edit15", "t_mean", 10, 2, 1, ""},          {"Form1.Edit3", "density", 10, 3, 1, ""},
    {"Form1.Edit4", "conductivity", 10, 4, 1, ""},     {"Form1.Edit5", "dyn_viscosity", 10, 2, 1e6, " e-6"},
    {"Form1.Edit6", "kin_viscosity", 10, 2, 1e6, " e-6"}, {"Form1.Edit7", "heat_capacity", 10, 1, 1, ""},
    {"Form1.Edit21", "expansion_coeff", 5, 3, 1000, " e-3"}, {"Form1.Edit8", "prandtl", 10, 3, 1, ""},
    {"Form1.Edit9", "grashof", 6, 2, 1, ""},           {"Form1.Edit14", "rayleigh", 6, 2, 1, ""},
    {"Form1.Edit12", "nusselt", 10, 4, 1, ""},         {"Form1.Edit13", "alpha_total", 6, 3, 1, ""},
    {"Form1.Edit18", "heat_flow", 6, 2, 1, ""},
};

struct SavedCase {
    const char* what;
    const char* inputs;   // script lines that set the windows' inputs away from their defaults
    bool cooling;         // the cooling window computes too
    bool table;           // the main window writes its table (window.txt)
};

// Each script computes, then saves the case; the windows' results are printed after both.
const SavedCase kCases[] = {
    {"water, lower face, radiation, reference properties, range",
     "set Form1.Edit1 60\nset Form1.Edit2 15,5\nset Form1.Edit10 0,02\nset Form1.Edit17 2,5\n"
     "click Form1.CheckBox1\nset Form1.Edit20 0,85\nclick Form1.RadioButton10\nclick Form1.CheckBoxRef\n"
     "click Form1.RadioButton4\nclick Form1.RadioButton12\nset Form6.Edit1 20\nset Form6.Edit2 80\n"
     "set Form6.Edit3 7,5\nanswer save window.txt\nmenu Form1.Ulodosboru1\n",
     false, true},
    {"constant fluid, inclined plate, cooling with a cubic heat capacity and a catalogue emissivity",
     "set Form1.Edit1 120\nset Form1.Edit2 25\nclick Form1.RadioButton3\nset Form1.Edit16 30\n"
     "click Form8.RadioButton1\nset Form8.Edit2 1,1\nset Form8.Edit3 0,03\nclick Form1.RadioButton13\n"
     "set Form2.Edit1 2,5\nset Form2.Edit3 0,3\nset Form2.Edit4 45\nset Form2.Edit6 500\nselect Form2.ComboBox2 5\n"
     "click Form5.RadioButton4\nset Form5.Edit2 450\nset Form5.Edit3 0,5\n",
     true, false},
    {"quadratic fluid, finned tube, cooling without radiation",
     "set Form1.Edit1 90\nclick Form1.RadioButton9\nset Form1.Edit11 0,008\nset Form1.Edit19 0,05\n"
     "click Form8.RadioButton3\nset Form8.Edit17 1,3\nset Form8.Edit27 -1e-6\nclick Form1.RadioButton13\n"
     "click Form2.CheckBox1\nset Form2.Edit6 200\nclick Form5.RadioButton3\n",
     true, false},
};

void PrintTo(const SavedCase& c, std::ostream* os) { *os << c.what; }

class CalcCaseTest : public ::testing::TestWithParam<SavedCase> {};

TEST_P(CalcCaseTest, SavedCaseGivesTheWindowsNumbers) {
    const SavedCase& c = GetParam();
    TempFolder folder;
    std::string script = c.inputs;
    script += "click Form1.Button1\n";
    if (c.cooling)
        script += "click Form2.Button1\nprint Form2.Edit7\n";
    for (const ResultField& field : kResults)
        script += std::string("print ") + field.control + "\n";
    script += "answer save case.zav\nmenu Form1.UlozitZadanie1\n";
    std::ofstream(folder.file("case.zs")) << script;
    ASSERT_EQ(runIn(folder, std::string("QT_QPA_PLATFORM=offscreen '") + ZAV_SCENARIO + "' case.zs > window.out"), 0);
    std::map<std::string, std::string> window;
    std::istringstream lines(fileText(folder.file("window.out")));
    for (std::string line; std::getline(lines, line);) {
        ASSERT_EQ(line.find("message:"), std::string::npos) << line;
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos)
            window[line.substr(0, equals)] = line.substr(equals + 1);
    }

    ASSERT_EQ(runIn(folder, std::string("'") + ZAV_CALC + "' steady --case case.zav > steady.json"), 0);
    const nlohmann::json steady = nlohmann::json::parse(fileText(folder.file("steady.json")));
    for (const ResultField& field : kResults) {
        EXPECT_EQ(formatFixed(steady[field.key].get<double>() * field.scale, field.precision, field.decimals) +
                      field.suffix,
                  window[field.control])
            << field.key;
    }
    if (c.cooling) {
        ASSERT_EQ(runIn(folder, std::string("'") + ZAV_CALC + "' cool --case case.zav > cool.json"), 0);
        const nlohmann::json cool = nlohmann::json::parse(fileText(folder.file("cool.json")));
        EXPECT_EQ(formatFixed(cool["cooling_time"].get<double>(), 8, 1), window["Form2.Edit7"]);
    }
    if (c.table) {
        ASSERT_EQ(runIn(folder, std::string("'") + ZAV_CALC + "' sweep --case case.zav --table calc.txt > /dev/null"),
                  0);
        const std::string table = fileText(folder.file("window.txt"));
        EXPECT_FALSE(table.empty());
        EXPECT_TRUE(fileText(folder.file("calc.txt")) == table);
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, CalcCaseTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<SavedCase>& param) {
                             return "case" + std::to_string(param.index);
                         });

// A case beside an option: every input comes from the case but the option's, exactly as if all
// of them were typed as options. The case holds every input away from its default, with the angle
// of a shape it does not choose (a shape named beside it takes the case's own inputs of that shape).
struct OptionBeside {
    const char* command;
    std::vector<const char*> option; // beside --case
    std::vector<const char*> drop;   // options of the case's explicit form that the option replaces
};

void PrintTo(const OptionBeside& c, std::ostream* os) {
    *os << c.command;
    for (const char* word : c.option)
        *os << ' ' << word;
}

const char kFullCase[] = R"({"format": "zav-case", "version": 1,
  "main": {"t_body": "80", "t_fluid": "15", "length": "0,2", "area": "0,5", "radiation": true,
           "emissivity": "0,7", "shape": "vertical-plate", "angle": "30", "face": "lower",
           "fin_gap": "0,015", "tube_diameter": "0,05", "properties": "reference"},
  "range": {"from": "20", "to": "60", "step": "10"},
  "cooling": {"mass": "2", "cooling_area": "0,3", "target": "40", "steps": "300", "radiation": false,
              "emissivity": "0,6"},
  "heat_capacity": {"model": "constant", "constant": "900"},
  "design": {"heat_flow": "55", "unknown": "area"}})";

// The case's inputs as options, per command.
const std::map<std::string, std::vector<const char*>> kExplicitCase = {
    {"steady",
     {"--t-body", "80", "--t-fluid", "15", "--length", "0,2", "--area", "0,5", "--emissivity", "0,7", "--shape",
      "vertical-plate", "--angle", "30", "--face", "lower", "--fin-gap", "0,015", "--tube-diameter", "0,05",
      "--properties", "reference"}},
    {"sweep",
     {"--t-fluid", "15", "--length", "0,2", "--area", "0,5", "--emissivity", "0,7", "--shape", "vertical-plate",
      "--angle", "30", "--face", "lower", "--fin-gap", "0,015", "--tube-diameter", "0,05", "--properties",
      "reference", "--from", "20", "--to", "60", "--step", "10"}},
    {"cool",
     {"--t-body", "80", "--t-fluid", "15", "--length", "0,2", "--area", "0,5", "--shape", "vertical-plate",
      "--angle", "30", "--face", "lower", "--fin-gap", "0,015", "--tube-diameter", "0,05", "--properties",
      "reference", "--mass", "2", "--cooling-area", "0,3", "--target", "40", "--steps", "300", "--no-radiation",
      "--heat-capacity", "constant:900"}},
    {"solve",
     {"--t-body", "80", "--t-fluid", "15", "--length", "0,2", "--area", "0,5", "--emissivity", "0,7", "--shape",
      "vertical-plate", "--angle", "30", "--face", "lower", "--fin-gap", "0,015", "--tube-diameter", "0,05",
      "--properties", "reference", "--heat-flow", "55", "--unknown", "area"}},
};

const OptionBeside kOptionsBeside[] = {
    {"steady", {"--t-body", "90"}, {"--t-body"}},
    {"steady", {"--t-fluid", "25"}, {"--t-fluid"}},
    {"steady", {"--length", "0,3"}, {"--length"}},
    {"steady", {"--area", "2"}, {"--area"}},
    {"steady", {"--emissivity", "0,2"}, {"--emissivity"}},
    {"steady", {"--shape", "inclined-plate"}, {"--shape"}},
    {"steady", {"--shape", "horizontal-plate"}, {"--shape"}},
    {"steady", {"--shape", "finned-tube"}, {"--shape"}},
    {"steady", {"--angle", "45", "--shape", "inclined-plate"}, {"--angle", "--shape"}},
    {"steady", {"--face", "upper", "--shape", "horizontal-plate"}, {"--face", "--shape"}},
    {"steady", {"--fin-gap", "0,02", "--shape", "finned-tube"}, {"--fin-gap", "--shape"}},
    {"steady", {"--tube-diameter", "0,08", "--shape", "finned-tube"}, {"--tube-diameter", "--shape"}},
    {"steady", {"--properties", "builtin"}, {"--properties"}},
    {"steady", {"--fluid", "water", "--t-body", "60"}, {"--t-body"}},
    {"sweep", {"--from", "30"}, {"--from"}},
    {"sweep", {"--to", "50"}, {"--to"}},
    {"sweep", {"--step", "5"}, {"--step"}},
    {"sweep", {"--shape", "inclined-plate"}, {"--shape"}},
    {"cool", {"--emissivity", "0,9"}, {"--no-radiation"}},
    {"cool", {"--mass", "3"}, {"--mass"}},
    {"cool", {"--cooling-area", "0,4"}, {"--cooling-area"}},
    {"cool", {"--power", "5"}, {"--power"}},
    {"cool", {"--target", "50"}, {"--target"}},
    {"cool", {"--steps", "200"}, {"--steps"}},
    {"cool", {"--heat-capacity", "carbon-steel"}, {"--heat-capacity"}},
    {"cool", {"--shape", "inclined-plate"}, {"--shape"}},
    {"solve", {"--heat-flow", "70"}, {"--heat-flow"}},
    {"solve", {"--unknown", "t-body"}, {"--unknown"}},
    {"solve", {"--shape", "inclined-plate"}, {"--shape"}},
    {"cool", {"--picture-background", "white"}, {}},
};

// Every input of the table that zav-calc takes as an option has its row above, so that a new input
// cannot miss the test of its option beside a case. The KELO gas pressure needs a KELO fluid, which
// a case holds only once a coefficient file was loaded: its own tests cover it.
TEST(CaseBesideOptionTest, EveryOptionOfTheTableHasItsRow) {
    for (const CaseKey& entry : caseKeys()) {
        if (entry.option == nullptr || std::string(entry.option) == "--pressure")
            continue;
        const bool covered = std::any_of(std::begin(kOptionsBeside), std::end(kOptionsBeside), [&](const OptionBeside& c) {
            return std::string(c.option.front()) == entry.option;
        });
        EXPECT_TRUE(covered) << entry.option;
    }
}

class CaseBesideOptionTest : public ::testing::TestWithParam<OptionBeside> {};

TEST_P(CaseBesideOptionTest, EveryOtherInputIsTheCases) {
    const OptionBeside& c = GetParam();
    TempFolder folder;
    std::ofstream(folder.file("full.zav")) << kFullCase;
    std::string beside = std::string("'") + ZAV_CALC + "' " + c.command + " --case full.zav";
    for (const char* word : c.option)
        beside += std::string(" '") + word + "'";
    std::string typed = std::string("'") + ZAV_CALC + "' " + c.command;
    const std::vector<const char*>& all = kExplicitCase.at(c.command);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const bool flag = std::string(all[i]) == "--no-radiation";
        const bool dropped =
            std::find_if(c.drop.begin(), c.drop.end(), [&](const char* d) { return std::string(d) == all[i]; }) !=
            c.drop.end();
        if (!dropped)
            typed += std::string(" '") + all[i] + "'" + (flag ? "" : std::string(" '") + all[i + 1] + "'");
        if (!flag)
            ++i;
    }
    for (const char* word : c.option)
        typed += std::string(" '") + word + "'";
    const int besideStatus = runIn(folder, beside + " > beside.out 2>&1");
    const int typedStatus = runIn(folder, typed + " > typed.out 2>&1");
    EXPECT_EQ(besideStatus, typedStatus);
    EXPECT_EQ(fileText(folder.file("beside.out")), fileText(folder.file("typed.out"))) << typed;
}

INSTANTIATE_TEST_SUITE_P(Options, CaseBesideOptionTest, ::testing::ValuesIn(kOptionsBeside));

// A case that names an emissivity catalogue item computes with its emissivity, as choosing the item
// by hand does, in the window and in zav-calc; one whose emissivity disagrees is refused by both.
TEST(CalcCaseTest, CatalogueItemIsItsEmissivityInEveryFrontEnd) {
    TempFolder folder;
    std::ofstream(folder.file("item.zav")) << R"({"format": "zav-case", "version": 1, "cooling": {"emissivity_material": 7}})";
    std::ofstream(folder.file("other.zav"))
        << R"({"format": "zav-case", "version": 1, "cooling": {"emissivity_material": 7, "emissivity": "0,9"}})";
    std::ofstream(folder.file("case.zs")) << "menu Form1.Ochladzovanie1\nselect Form2.ComboBox2 7\nclick Form2.Button1\n"
                                             "print Form2.Edit7\nselect Form2.ComboBox2 0\n"
                                             "answer open item.zav\nmenu Form1.OtvoritZadanie1\nlook Form2.Edit10\n"
                                             "click Form2.Button1\nprint Form2.Edit7\n"
                                             "answer open other.zav\nmenu Form1.OtvoritZadanie1\n";
    ASSERT_EQ(runIn(folder, std::string("QT_QPA_PLATFORM=offscreen '") + ZAV_SCENARIO + "' case.zs > window.out"), 0);
    EXPECT_EQ(fileText(folder.file("window.out")),
              "Form2.Edit7=349,7\ndialog: open -> item.zav\nForm2.Edit10: read-only, background #FFFFE1, enabled\n"
              "Form2.Edit7=349,7\ndialog: open -> other.zav\n"
              "message: Súbor „other.zav“ je poškodený: emisivita „0,9“ (pole „cooling.emissivity“) nesúhlasí s "
              "položkou katalógu 7: Chróm leštený (0,06) (pole „cooling.emissivity_material“).\n");
    ASSERT_EQ(runIn(folder, std::string("'") + ZAV_CALC + "' cool --case item.zav > cool.json"), 0);
    EXPECT_EQ(formatFixed(nlohmann::json::parse(fileText(folder.file("cool.json")))["cooling_time"].get<double>(), 8, 1),
              "349,7");
    EXPECT_EQ(runIn(folder, std::string("'") + ZAV_CALC + "' cool --case other.zav 2> err.txt"), 2);
    EXPECT_NE(fileText(folder.file("err.txt")).find("nesúhlasí s položkou katalógu 7"), std::string::npos);
}

} // namespace

} // namespace zav::test
