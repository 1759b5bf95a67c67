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

CLI::Option* addInputOption(CLI::App* command, const std::string& key, std::map<std::string, std::string>& texts) {
    const CaseKey& entry = caseKey(key);
    std::string help = entry.help();
    if (entry.choice != nullptr) {
        help += ": ";
        for (const ChoiceName& name : *entry.choice) {
            help += std::string(&name == entry.choice->begin() ? "" : ", ") + name.name;
            if (name.label != nullptr)
                help += std::string(" (") + name.label + ")";
        }
    }
    std::string& text = texts.emplace(key, entry.startValue).first->second;
    return command->add_option(entry.option, text, help)
        ->type_name(entry.parse == InputParse::Number ? "HODNOTA" : "MENO")
        ->capture_default_str();
}

CLI::App* addSubcommand(CLI::App& app, const char* name, const std::string& description) {
    CLI::App* command = app.add_subcommand(name, description);
    command->group("Podpríkazy");
    command->set_help_flag("-h,--help", "vypíše túto pomoc a skončí");
    return command;
}

void addMainOptions(CLI::App* command, MainOptions& o, bool bodyTemperature, const char* emissivityKey) {
    for (const char* key : kSteadyArguments) {
        const std::string input = key;
        if (input == "main.t_body" && !bodyTemperature)
            continue;
        if (input == "main.emissivity") {
            // Given or not: no default is shown, as an emissivity given switches the radiation on.
            command->add_option("--emissivity", o.texts[key], caseKey(emissivityKey).help())->type_name("HODNOTA");
            command->add_option("--fluid-file", o.fluidFile,
                                "vlastná tekutina zo súboru JSON (constant, linear, quadratic, kelo; „-“ štandardný "
                                "vstup); zvolí --fluid user")
                ->type_name("CESTA");
            command->add_option("--kelo", o.kelo, "vlastná tekutina zo súboru koeficientov KELO; zvolí --fluid user")
                ->type_name("CESTA");
            continue;
        }
        addInputOption(command, input, o.texts);
    }
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
        mainGiven.insert("emissivity"); // not the steady case's
    FluidChoice fluid;
    SteadyCase c = file ? file->steady(mainGiven, fluid) : startCase();
    if (file && cooling) {
        const std::optional<double> emissivity = file->coolingEmissivity(names);
        c.radiationOn = emissivity.has_value();
        if (emissivity)
            c.emissivity = *emissivity;
    }
    // Without a case file every option counts, given or not: the defaults are the table's.
    const auto use = [&](const CaseKey& entry) {
        return command->get_option_no_throw(entry.option) != nullptr && (!file || given(command, entry.option));
    };
    // The numbers first, then the names, each in the order of the options.
    for (const InputParse parse : {InputParse::Number, InputParse::Choice}) {
        for (const char* key : kSteadyArguments) {
            const CaseKey& entry = caseKey(key);
            if (entry.parse != parse || (entry.steadyNumber == nullptr && entry.steadyChoice == nullptr))
                continue;
            if (entry.steadyNumber == &SteadyCase::emissivity) {
                if (given(command, entry.option)) {
                    c.emissivity = number(entry.option, o.texts.at(key));
                    c.radiationOn = true;
                }
            } else if (use(entry)) {
                const std::string& text = o.texts.at(key);
                setSteadyInput(c, entry,
                               parse == InputParse::Number ? number(entry.option, text)
                                                           : static_cast<double>(choicePosition(text, *entry.choice)));
            }
        }
    }
    if (given(command, "--fluid"))
        fluid.name = o.texts.at("main.fluid");
    if (given(command, "--fluid-file"))
        fluid.fluidFile = o.fluidFile;
    if (given(command, "--kelo"))
        fluid.kelo = o.kelo;
    if (given(command, "--pressure"))
        fluid.pressureMpa = number("--pressure", o.texts.at("fluid.kelo.pressure"));
    return withFluid(std::move(c), fluid, kFluidOptions);
}

OutputFormat resultFormat(const CLI::App* command, const MainOptions& o, const char* toStandardOutput) {
    return resultFormat(o.format, given(command, "--format"), toStandardOutput);
}

} // namespace zav::cli
