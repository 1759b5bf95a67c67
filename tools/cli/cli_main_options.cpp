// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cli/cli_main_options.h"

#include <CLI/CLI.hpp>

#include "core/number_format.h"
#include "tools/calc/calc_options.h"
#include "tools/calc/calc_request.h"
#include "tools/cli/cli_output.h"

namespace zav::cli {

using namespace zav::calc;

namespace {

// The options as the messages spell them.
const FluidOptionNames kFluidOptions{"--fluid", "--fluid-file", "--kelo", "--pressure",
                                     "--fluid-file SÚBOR.json alebo --kelo SÚBOR.kelo"};

} // namespace

const char* const kEmissivityHelp = "pomerná emisivita povrchu; ak je zadaná, počíta sa aj sálanie";

CLI::App* addSubcommand(CLI::App& app, const char* name, const std::string& description) {
    CLI::App* command = app.add_subcommand(name, description);
    command->group("Podpríkazy");
    command->set_help_flag("-h,--help", "vypíše túto pomoc a skončí");
    return command;
}

void addMainOptions(CLI::App* command, MainOptions& o, bool bodyTemperature, const char* emissivityHelp) {
    if (bodyTemperature)
        command->add_option("--t-body", o.tBody, "teplota povrchu telesa (°C)")->type_name("HODNOTA")->capture_default_str();
    command->add_option("--t-fluid", o.tFluid, "teplota tekutiny (°C)")->type_name("HODNOTA")->capture_default_str();
    command->add_option("--length", o.length, "charakteristický rozmer l (m)")->type_name("HODNOTA")->capture_default_str();
    command->add_option("--area", o.area, "plocha povrchu (m²)")->type_name("HODNOTA")->capture_default_str();
    command->add_option("--fluid", o.fluid, "tekutina: air (vzduch), water (voda), user (iná: --fluid-file alebo --kelo)")->type_name("MENO")
        ->capture_default_str();
    std::string shapeHelp = "tvar povrchu: ";
    for (const std::string& name : kShapeNames)
        shapeHelp += (&name == &kShapeNames.front() ? "" : ", ") + name;
    command->add_option("--shape", o.shape, shapeHelp)->type_name("MENO")->capture_default_str();
    command->add_option("--angle", o.angle, "uhol naklonenej plochy od zvislice (°)")->type_name("HODNOTA")->capture_default_str();
    command->add_option("--face", o.face, "plocha vodorovnej dosky: upper (horná), lower (spodná)")->type_name("MENO")
        ->capture_default_str();
    command->add_option("--fin-gap", o.finGap, "svetlá vzdialenosť medzi rebrami (m)")->type_name("HODNOTA")->capture_default_str();
    command->add_option("--tube-diameter", o.tubeDiameter, "priemer rebrovanej rúrky d (m)")->type_name("HODNOTA")->capture_default_str();
    command->add_option("--emissivity", o.emissivity, emissivityHelp)->type_name("HODNOTA");
    command->add_option("--fluid-file", o.fluidFile,
                        "vlastná tekutina zo súboru JSON (constant, linear, quadratic, kelo; „-“ štandardný "
                        "vstup); zvolí --fluid user")
        ->type_name("CESTA");
    command->add_option("--kelo", o.kelo, "vlastná tekutina zo súboru koeficientov KELO; zvolí --fluid user")
        ->type_name("CESTA");
    command->add_option("--pressure", o.pressure, "tlak plynu tekutiny KELO (MPa)")->type_name("HODNOTA")->capture_default_str();
    command->add_option("--properties", o.properties,
                        "vlastnosti vzduchu a vody: builtin (vstavané aproximácie), reference (referenčné rovnice "
                        "IAPWS-IF97, Lemmon)")
        ->type_name("MENO")
        ->capture_default_str();
    command->add_option("--format", o.format,
                        "výstup: json, jsonl (objekt JSON na riadok), csv („,“ a desatinná bodka), csv-sk („;“ a "
                        "desatinná čiarka) alebo none (nič)")
        ->type_name("MENO")
        ->capture_default_str();
    command->add_option("--case", o.caseFile,
                        "vstupy zo zadania programu ZAV (súbor .zav z „Súbor → Uložiť zadanie…“, „-“ štandardný "
                        "vstup); voľby zadané popri ňom majú prednosť")
        ->type_name("CESTA");
    command->add_flag("--strict", o.strict,
                      "hodnota mimo fyzikálneho rozsahu (emisivita mimo 0 až 1, rozmer alebo plocha nie väčšie ako "
                      "nula, teplota pod -273,15 °C) je chyba: nič sa nevypočíta, návratový kód 1");
}

bool given(const CLI::App* command, const char* name) {
    const CLI::Option* option = command->get_option_no_throw(name);
    return option != nullptr && option->count() > 0;
}

double number(const std::string& option, const std::string& text) {
    try {
        return parseInputNumber(text);
    } catch (const ConversionError& e) {
        throw UsageError(option + ": " + e.what());
    }
}

std::set<std::string> givenOptions(const CLI::App* command) {
    std::set<std::string> names;
    for (const CLI::Option* option : command->get_options()) {
        if (option->count() == 0 || option->get_lnames().empty())
            continue;
        std::string name = option->get_lnames().front();
        for (char& c : name) {
            if (c == '-')
                c = '_';
        }
        names.insert(name);
    }
    return names;
}

std::optional<CaseFileInputs> caseFile(const CLI::App* command, const MainOptions& o) {
    if (given(command, "--fluid-file") && o.fluidFile == kStandardStreamName && given(command, "--case") &&
        o.caseFile == kStandardStreamName)
        throw UsageError("--case - a --fluid-file - nemôžu čítať oba štandardný vstup.");
    if (!given(command, "--case"))
        return std::nullopt;
    requireFileName("--case", o.caseFile);
    return CaseFileInputs(o.caseFile);
}

SteadyCase readMainOptions(const CLI::App* command, const MainOptions& o, const std::optional<CaseFileInputs>& file,
                           bool cooling) {
    const std::set<std::string> names = givenOptions(command);
    std::set<std::string> mainGiven = names;
    if (cooling)
        mainGiven.insert("emissivity"); // not the main window's
    SteadyRequest r = file ? file->steady(mainGiven) : SteadyRequest();
    if (file && cooling)
        r.emissivity = file->coolingEmissivity(names);
    // Without a case file every option counts, given or not: the defaults are the windows'.
    const auto use = [&](const char* option) {
        return command->get_option_no_throw(option) != nullptr && (!file || given(command, option));
    };
    if (use("--t-body"))
        r.tBody = number("--t-body", o.tBody);
    if (use("--t-fluid"))
        r.tFluid = number("--t-fluid", o.tFluid);
    if (use("--length"))
        r.charLength = number("--length", o.length);
    if (use("--area"))
        r.area = number("--area", o.area);
    if (use("--angle"))
        r.angleDeg = number("--angle", o.angle);
    if (use("--fin-gap"))
        r.finGap = number("--fin-gap", o.finGap);
    if (use("--tube-diameter"))
        r.tubeDiameter = number("--tube-diameter", o.tubeDiameter);
    if (given(command, "--emissivity"))
        r.emissivity = number("--emissivity", o.emissivity);
    if (use("--shape"))
        r.shape = surfaceGeometry(o.shape);
    if (use("--face"))
        r.face = platePosition(o.face);
    if (use("--properties"))
        r.properties = propertyModel(o.properties);
    if (given(command, "--fluid"))
        r.fluid.name = o.fluid;
    if (given(command, "--fluid-file"))
        r.fluid.fluidFile = o.fluidFile;
    if (given(command, "--kelo"))
        r.fluid.kelo = o.kelo;
    if (given(command, "--pressure"))
        r.fluid.pressureMpa = number("--pressure", o.pressure);
    return steadyCase(r, kFluidOptions);
}

OutputFormat resultFormat(const CLI::App* command, const MainOptions& o, const char* toStandardOutput) {
    return resultFormat(o.format, given(command, "--format"), toStandardOutput);
}

} // namespace zav::cli
