// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/case_inputs.h"

#include "core/emissivity_catalogue.h"
#include "core/number_format.h"
#include "core/steady_case.h"
#include "core/surface_shapes.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <stdexcept>

namespace zav {

namespace {

template <std::size_t N>
constexpr Choice choiceOf(const ChoiceName (&names)[N], const char* what) {
    return {names, N, what};
}

const ChoiceName kFluidNames[] = {
    {"air", "vzduch", "RadioButton1"},
    {"water", "voda", "RadioButton10"},
    {"user", "iná: --fluid-file alebo --kelo", "RadioButton13"},
};
const ChoiceName kPropertyModelNames[] = {
    {"builtin", "vstavané aproximácie", nullptr},
    {"reference", "referenčné rovnice IAPWS-IF97, Lemmon", nullptr},
};
// The shapes by their command names, in SurfaceGeometry order.
constexpr ChoiceName kShapeNames[] = {
    {kSurfaceShapes[0].commandName, nullptr, "RadioButton2"}, {kSurfaceShapes[1].commandName, nullptr, "RadioButton3"},
    {kSurfaceShapes[2].commandName, nullptr, "RadioButton4"}, {kSurfaceShapes[3].commandName, nullptr, "RadioButton5"},
    {kSurfaceShapes[4].commandName, nullptr, "RadioButton6"}, {kSurfaceShapes[5].commandName, nullptr, "RadioButton7"},
    {kSurfaceShapes[6].commandName, nullptr, "RadioButton8"}, {kSurfaceShapes[7].commandName, nullptr, "RadioButton9"},
};
static_assert(sizeof kShapeNames / sizeof kShapeNames[0] == kSurfaceShapes.size(), "a button per shape");
const ChoiceName kFaceNames[] = {
    {"upper", "horná", "RadioButton11"},
    {"lower", "spodná", "RadioButton12"},
};
const ChoiceName kBackgroundNames[] = {
    {"black", "čierne", nullptr},
    {"white", "biele", nullptr},
};
const ChoiceName kHeatCapacityNames[] = {
    {"constant", nullptr, "RadioButton2"},
    {"cubic", nullptr, "RadioButton4"},
    {"carbon-steel", nullptr, "RadioButton3"},
    {"17246", nullptr, "RadioButton1"},
};
const ChoiceName kUserFluidNames[] = {
    {"constant", nullptr, "RadioButton1"},
    {"linear", nullptr, "RadioButton2"},
    {"quadratic", nullptr, "RadioButton3"},
    {"kelo", nullptr, "RadioButton4"},
};
const ChoiceName kDesignUnknownNames[] = {
    {"t-body", "teplota telesa", "RadioButton1"},
    {"t-fluid", "teplota tekutiny", "RadioButton2"},
    {"area", "plocha", "RadioButton3"},
    {"length", "charakteristický rozmer; z viacerých ten najbližší k --length", "RadioButton4"},
};

// The front ends' columns of a row: its label and unit, zav-calc's option, the Python keyword
// and the module's help of it.
struct FrontEnd {
    const char* label = nullptr;
    const char* unit = nullptr;
    const char* option = nullptr;
    const char* keyword = nullptr;
    const char* keywordHelp = nullptr;
};

CaseKey number(const char* key, const char* start, const char* control, const FrontEnd& f = {}) {
    return {key, CaseValueType::Text, start, InputParse::Number, nullptr, 0, 0,
            f.label, f.unit, f.option, f.keyword, f.keywordHelp, control};
}
CaseKey field(const char* key, const char* start, const char* control) { return number(key, start, control); }
CaseKey flag(const char* key, const char* start, const char* control, const FrontEnd& f = {}) {
    return {key, CaseValueType::Flag, start, InputParse::Flag, nullptr, 0, 0,
            f.label, f.unit, f.option, f.keyword, f.keywordHelp, control};
}
// A choice shown by `control` (a check box of two names, a list), or by its names' radio buttons.
CaseKey choice(const char* key, const Choice& names, const char* start, const char* control, const FrontEnd& f = {}) {
    return {key, CaseValueType::Choice, start, InputParse::Choice, &names, 0, 0,
            f.label, f.unit, f.option, f.keyword, f.keywordHelp, control};
}

// A row of the steady case.
CaseKey steady(CaseKey row, double SteadyCase::*field) {
    row.steadyNumber = field;
    return row;
}
CaseKey steady(CaseKey row, bool SteadyCase::*field) {
    row.steadyFlag = field;
    return row;
}
CaseKey steady(CaseKey row, void (*setter)(SteadyCase&, std::size_t)) {
    row.steadyChoice = setter;
    return row;
}
template <class Enum, Enum SteadyCase::*field>
void setChoice(SteadyCase& c, std::size_t position) {
    c.*field = static_cast<Enum>(position);
}

std::vector<CaseKey> makeCaseKeys() {
    return {
        // The steady case: the names of zav-calc's options, in snake case.
        steady(number("main.t_body", "100", "Edit1",
               {"teplota povrchu telesa", "°C", "--t-body", "t_body", "surface temperature of the body, °C"}), &SteadyCase::tBody),
        steady(number("main.t_fluid", "20", "Edit2",
               {"teplota tekutiny", "°C", "--t-fluid", "t_fluid", "temperature of the fluid, °C"}), &SteadyCase::tFluid),
        steady(number("main.length", "0,1", "Edit10",
               {"charakteristický rozmer l", "m", "--length", "length", "characteristic dimension l, m"}), &SteadyCase::charLength),
        steady(number("main.area", "1", "Edit17", {"plocha povrchu", "m²", "--area", "area", "surface area, m²"}), &SteadyCase::area),
        steady(flag("main.radiation", "false", "CheckBox1",
             {"zahrnúť sálanie", nullptr, nullptr, "radiation",
              "radiation to surroundings at t_fluid (\"Zahrnúť sálanie\");\n"
              "                        for cool True, as the cooling window starts"}), &SteadyCase::radiationOn),
        steady(number("main.emissivity", "0,8", "Edit20",
               {"pomerná emisivita povrchu; ak je zadaná, počíta sa aj sálanie", nullptr, "--emissivity",
                "emissivity",
                "the surface's emissivity (for cool 1.0, the cooling\n"
                "                        window's); a number given switches radiation on and None\n"
                "                        off, unless radiation is given too"}), &SteadyCase::emissivity),
        choice("main.fluid", kFluidChoice, "air", nullptr,
               {"tekutina", nullptr, "--fluid", "fluid",
                "\"air\", \"water\" or \"user\" (default \"air\", or \"user\" with\n"
                "                        fluid_file or kelo)"}),
        steady(choice("main.properties", kPropertyModelChoice, "builtin", "CheckBoxRef",
               {"vlastnosti vzduchu a vody", nullptr, "--properties", "properties",
                "air's and water's properties: \"builtin\" (the program's\n"
                "                        correlations) or \"reference\" (IAPWS-IF97 and IAPWS for\n"
                "                        water, Lemmon et al. for air)"}), setChoice<PropertyModel, &SteadyCase::properties>),
        steady(choice("main.shape", kShapeChoice, "vertical-plate", nullptr, {"tvar povrchu", nullptr, "--shape", "shape"}), setChoice<SurfaceGeometry, &SteadyCase::shape>),
        steady(number("main.angle", "0", "Edit16",
               {"uhol naklonenej plochy od zvislice", "°", "--angle", "angle",
                "the inclined plate's angle from the vertical, degrees"}), &SteadyCase::angleDeg),
        steady(choice("main.face", kFaceChoice, "upper", nullptr,
               {"plocha vodorovnej dosky", nullptr, "--face", "face",
                "the horizontal plate's face: \"upper\" or \"lower\""}), setChoice<PlatePosition, &SteadyCase::face>),
        steady(number("main.fin_gap", "0,005", "Edit11",
               {"svetlá vzdialenosť medzi rebrami", "m", "--fin-gap", "fin_gap",
                "clear gap between the fins of the finned tube, m"}), &SteadyCase::finGap),
        steady(number("main.tube_diameter", "0,1", "Edit19",
               {"priemer rebrovanej rúrky d", "m", "--tube-diameter", "tube_diameter", "the finned tube's diameter d, m"}), &SteadyCase::tubeDiameter),
        // "Rozsah": the sweeps' surface temperatures.
        number("range.from", "0", "Edit1",
               {"najnižšia teplota povrchu", "°C", "--from", "from_",
                "the lowest surface temperature, °C (the range window's defaults)"}),
        number("range.to", "100", "Edit2",
               {"najvyššia teplota povrchu", "°C", "--to", "to", "the highest surface temperature, °C"}),
        number("range.step", "5", "Edit3", {"krok teploty povrchu", "°C", "--step", "step", "the step, °C"}),
        // "Graf": the series the next sweep fills, by their quantities' keys.
        flag("chart.alpha_total", "true", "CheckBox1"),
        flag("chart.alpha_rad", "true", "CheckBox2"),
        flag("chart.alpha_conv", "true", "CheckBox3"),
        flag("chart.heat_capacity", "false", "CheckBox4"),
        flag("chart.conductivity", "false", "CheckBox5"),
        flag("chart.dyn_viscosity", "false", "CheckBox6"),
        flag("chart.density", "false", "CheckBox7"),
        flag("chart.prandtl", "false", "CheckBox8"),
        // "Dynamika - ochladzovanie": the emissivity catalogue's item (-1: none chosen yet).
        number("cooling.mass", "1", "Edit1", {"hmotnosť telesa", "kg", "--mass", "mass", "kg"}),
        number("cooling.cooling_area", "1", "Edit3",
               {"plocha ochladzovaného povrchu", "m²", "--cooling-area", "cooling_area",
                "the cooling surface, m² (area plays no part)"}),
        number("cooling.power", "0", "Edit11",
               {"výkon zdroja tepla v telese", "W", "--power", "power",
                "the heat source inside the body, W (0: none; the body warms or cools towards where its heat "
                "loss equals it)"}),
        number("cooling.target", "30", "Edit4",
               {"teplota ochladenia", "°C", "--target", "target", "the target temperature, °C"}),
        number("cooling.steps", "10000", "Edit6",
               {"počet teplotných krokov", nullptr, "--steps", "steps", "the number of temperature steps"}),
        flag("cooling.radiation", "true", "CheckBox1", {"zahrnúť prestup tepla sálaním"}),
        {"cooling.emissivity_material", CaseValueType::Index, "-1", InputParse::Index, nullptr, -1,
         kEmissivityEntries - 1, "materiál", nullptr, nullptr, nullptr, nullptr, "ComboBox2"},
        number("cooling.emissivity", "1", "Edit10", {"emisivita povrchu (okno ochladzovania: 1)"}),
        number("cooling.material_conductivity", "20", "Edit5", {"tepelná vodivosť materiálu", "W/(m·K)"}),
        number("cooling.thickness", "0,1", "Edit8", {"hrúbka steny", "m"}),
        choice("cooling.picture_background", kBackgroundChoice, "black", "ComboBox1",
               {"pozadie obrázka", nullptr, "--picture-background", "picture_background",
                "\"black\" (default) or \"white\""}),
        // "Tepelná kapacita materiálu".
        choice("heat_capacity.model", kHeatCapacityChoice, "constant", nullptr),
        number("heat_capacity.constant", "1000", "Edit1", {"tepelná kapacita", "J/(kg·K)"}),
        field("heat_capacity.cubic.0", "1000", "Edit2"),
        field("heat_capacity.cubic.1", "0", "Edit3"),
        field("heat_capacity.cubic.2", "0", "Edit4"),
        field("heat_capacity.cubic.3", "0", "Edit5"),
        // "Vlastný materiál": the approximation in force and every tab's fields, by the keys of
        // zav-calc's fluid files; the polynomial tabs give a0, a1 (and a2) of each row, then the
        // range of temperatures.
        choice("fluid.kind", kUserFluidChoice, "kelo", nullptr),
        field("fluid.constant.dyn_viscosity", "1,7e-5", "Edit1"),
        field("fluid.constant.density", "1,2", "Edit2"),
        field("fluid.constant.conductivity", "0,024", "Edit3"),
        field("fluid.constant.heat_capacity", "1004", "Edit4"),
        field("fluid.constant.expansion_coeff", "3,4e-3", "Edit5"),
        field("fluid.linear.dyn_viscosity.0", "1,7e-5", "Edit6"),
        field("fluid.linear.dyn_viscosity.1", "4,05e-8", "Edit7"),
        field("fluid.linear.density.0", "1,2", "Edit8"),
        field("fluid.linear.density.1", "-0,0032", "Edit9"),
        field("fluid.linear.conductivity.0", "0,0237", "Edit10"),
        field("fluid.linear.conductivity.1", "6,97e-5", "Edit11"),
        field("fluid.linear.heat_capacity.0", "1003,6", "Edit12"),
        field("fluid.linear.heat_capacity.1", "0,067", "Edit13"),
        field("fluid.linear.t_min", "0", "Edit14"),
        field("fluid.linear.t_max", "100", "Edit15"),
        field("fluid.quadratic.dyn_viscosity.0", "1,7e-5", "Edit16"),
        field("fluid.quadratic.dyn_viscosity.1", "4,05e-8", "Edit20"),
        field("fluid.quadratic.dyn_viscosity.2", "0", "Edit26"),
        field("fluid.quadratic.density.0", "1,2", "Edit17"),
        field("fluid.quadratic.density.1", "-0,0032", "Edit21"),
        field("fluid.quadratic.density.2", "0", "Edit27"),
        field("fluid.quadratic.conductivity.0", "0,0237", "Edit18"),
        field("fluid.quadratic.conductivity.1", "6,97e-5", "Edit22"),
        field("fluid.quadratic.conductivity.2", "0", "Edit28"),
        field("fluid.quadratic.heat_capacity.0", "1003,6", "Edit19"),
        field("fluid.quadratic.heat_capacity.1", "0,067", "Edit23"),
        field("fluid.quadratic.heat_capacity.2", "0", "Edit29"),
        field("fluid.quadratic.t_min", "0", "Edit24"),
        field("fluid.quadratic.t_max", "100", "Edit25"),
        field("fluid.kelo.dyn_viscosity.0", "xxx", "Edit30"),
        field("fluid.kelo.dyn_viscosity.1", "xxx", "Edit31"),
        field("fluid.kelo.dyn_viscosity.2", "xxx", "Edit32"),
        field("fluid.kelo.dyn_viscosity.3", "xxx", "Edit33"),
        field("fluid.kelo.dyn_viscosity.4", "xxx", "Edit34"),
        field("fluid.kelo.dyn_viscosity.5", "xxx", "Edit35"),
        field("fluid.kelo.compressibility.0", "xxx", "Edit36"),
        field("fluid.kelo.compressibility.1", "xxx", "Edit37"),
        field("fluid.kelo.compressibility.2", "xxx", "Edit38"),
        field("fluid.kelo.compressibility.3", "xxx", "Edit39"),
        field("fluid.kelo.compressibility.4", "xxx", "Edit40"),
        field("fluid.kelo.compressibility.5", "xxx", "Edit41"),
        field("fluid.kelo.conductivity.0", "xxx", "Edit42"),
        field("fluid.kelo.conductivity.1", "xxx", "Edit43"),
        field("fluid.kelo.conductivity.2", "xxx", "Edit44"),
        field("fluid.kelo.conductivity.3", "xxx", "Edit45"),
        field("fluid.kelo.conductivity.4", "xxx", "Edit46"),
        field("fluid.kelo.conductivity.5", "xxx", "Edit47"),
        field("fluid.kelo.heat_capacity.0", "xxx", "Edit48"),
        field("fluid.kelo.heat_capacity.1", "xxx", "Edit49"),
        field("fluid.kelo.heat_capacity.2", "xxx", "Edit50"),
        field("fluid.kelo.heat_capacity.3", "xxx", "Edit51"),
        field("fluid.kelo.heat_capacity.4", "xxx", "Edit52"),
        field("fluid.kelo.heat_capacity.5", "xxx", "Edit53"),
        number("fluid.kelo.pressure", "5", "Edit54",
               {"tlak plynu tekutiny KELO", "MPa", "--pressure", "pressure",
                "the KELO gas pressure, MPa (default 5, as the window)"}),
        field("fluid.kelo.t_min", "xxx", "Edit55"),
        field("fluid.kelo.t_max", "xxx", "Edit56"),
        field("fluid.kelo.p_min", "xxx", "Edit58"),
        field("fluid.kelo.p_max", "xxx", "Edit59"),
        field("fluid.kelo.gas_constant", "xxx", "Edit60"),
        {"fluid.kelo.name", CaseValueType::Text, "Názov zmesi plynov", InputParse::Text, nullptr, 0, 0, nullptr,
         nullptr, nullptr, nullptr, nullptr, "Edit57"},
        // "Návrh": the heat flow and the unknown sought.
        number("design.heat_flow", "100", "Edit1",
               {"tepelný tok (W), kladný z povrchu do tekutiny", nullptr, "--heat-flow", "heat_flow"}),
        choice("design.unknown", kDesignUnknownChoice, "t-body", nullptr,
               {"neznáma", nullptr, "--unknown", "unknown"}),
    };
}

} // namespace

const Choice kFluidChoice = choiceOf(kFluidNames, "a tekutina");
const Choice kPropertyModelChoice = choiceOf(kPropertyModelNames, "e vlastnosti");
const Choice kShapeChoice = choiceOf(kShapeNames, "y tvar povrchu");
const Choice kFaceChoice = choiceOf(kFaceNames, "a plocha");
const Choice kBackgroundChoice = choiceOf(kBackgroundNames, "e pozadie obrázka");
const Choice kHeatCapacityChoice = choiceOf(kHeatCapacityNames, "y model tepelnej kapacity");
const Choice kUserFluidChoice = choiceOf(kUserFluidNames, "a aproximácia");
const Choice kDesignUnknownChoice = choiceOf(kDesignUnknownNames, "y názov neznámej");

std::size_t Choice::find(const std::string& name) const {
    for (std::size_t i = 0; i < count; ++i) {
        if (name == names[i].name)
            return i;
    }
    return count;
}

std::vector<std::string> CaseKey::choices() const {
    std::vector<std::string> names;
    if (choice != nullptr) {
        for (const ChoiceName& name : *choice)
            names.emplace_back(name.name);
    }
    return names;
}

std::string CaseKey::help() const {
    std::string text = label == nullptr ? "" : label;
    if (unit != nullptr)
        text += std::string(" (") + unit + ")";
    return text;
}

const std::vector<CaseKey>& caseKeys() {
    static const std::vector<CaseKey> keys = makeCaseKeys();
    return keys;
}

const CaseKey& caseKey(const std::string& key) {
    static const std::map<std::string, const CaseKey*> byKey = [] {
        std::map<std::string, const CaseKey*> entries;
        for (const CaseKey& entry : caseKeys())
            entries[entry.key] = &entry;
        return entries;
    }();
    const auto found = byKey.find(key);
    if (found == byKey.end())
        throw std::out_of_range("unknown case key " + key);
    return *found->second;
}

const CaseKey* caseKeyOfKeyword(const std::string& keyword) {
    for (const CaseKey& entry : caseKeys()) {
        if (entry.keyword != nullptr && keyword == entry.keyword)
            return &entry;
    }
    return nullptr;
}

std::vector<const CaseKey*> steadyCaseKeys() {
    std::vector<const CaseKey*> keys;
    for (const CaseKey& entry : caseKeys()) {
        if (entry.steadyNumber != nullptr || entry.steadyFlag != nullptr || entry.steadyChoice != nullptr)
            keys.push_back(&entry);
    }
    return keys;
}

void setSteadyInput(SteadyCase& c, const CaseKey& entry, double value) {
    if (entry.steadyNumber != nullptr)
        c.*entry.steadyNumber = value;
    else if (entry.steadyFlag != nullptr)
        c.*entry.steadyFlag = value != 0;
    else if (entry.steadyChoice != nullptr)
        entry.steadyChoice(c, static_cast<std::size_t>(value));
}

SteadyCase startSteadyCase() {
    SteadyCase c;
    for (const CaseKey* entry : steadyCaseKeys()) {
        switch (entry->parse) {
        case InputParse::Number:
            setSteadyInput(c, *entry, startNumber(entry->key));
            break;
        case InputParse::Flag:
            setSteadyInput(c, *entry, std::string(entry->startValue) == "true" ? 1 : 0);
            break;
        case InputParse::Choice:
            setSteadyInput(c, *entry, static_cast<double>(entry->choice->find(entry->startValue)));
            break;
        case InputParse::Text:
        case InputParse::Index:
            break;
        }
    }
    return c;
}

double startNumber(const std::string& key) { return parseNumber(caseKey(key).startValue); }

std::string pythonStartValue(const CaseKey& entry) {
    switch (entry.parse) {
    case InputParse::Number: {
        const double value = startNumber(entry.key);
        // The shortest text that reads back as the value, as Python's repr() writes a float.
        char text[32];
        const auto written = std::to_chars(text, text + sizeof text, value);
        std::string shown(text, written.ptr);
        if (shown.find_first_of(".e") == std::string::npos)
            shown += ".0";
        return shown;
    }
    case InputParse::Flag:
        return std::string(entry.startValue) == "true" ? "True" : "False";
    case InputParse::Choice:
    case InputParse::Text:
        return std::string("'") + entry.startValue + "'";
    case InputParse::Index:
        break;
    }
    return entry.startValue;
}

} // namespace zav
