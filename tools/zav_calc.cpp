// SPDX-License-Identifier: GPL-3.0-or-later
// zav-calc: the program's calculations without its windows. `steady` is the main window's
// "Vypočítaj", `sweep` its sweep over the surface-temperature range with the table and CEL files,
// `cool` the cooling window's run with its data file and picture; every option stands for a field
// or choice of those windows and takes its default from there. Results go to standard output as
// JSON, JSON lines or CSV; messages to standard error. An output file named "-" is standard output
// (the results are then not printed), an input file named "-" standard input. Exit status 0
// done, 1 refused by a check, a file that could not be written, standard output that could not be
// written or a value outside its physical range under --strict, 2 a usage error or a value that
// is not a number; SIGINT, SIGTERM and SIGHUP end it at once with 128 + the signal's number, the
// old output files as they were.
#include "core/number_format.h"
#include "export/sweep_range.h"
#include "tools/calc/calc_case.h"
#include "tools/calc/calc_case_file.h"
#include "tools/calc/calc_limits.h"
#include "tools/calc/calc_options.h"
#include "tools/calc/calc_output.h"
#include "tools/calc/calc_request.h"
#include "tools/calc/calc_runs.h"
#include "tools/cli/cli_help.h"
#include "tools/cli/cli_main_options.h"
#include "tools/cli/cli_output.h"
#include "tools/cli/cli_signals.h"
#include "tools/cli/cli_temporary_file.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>
#include <memory>
#include <new>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace zav;
using namespace zav::calc;
using namespace zav::cli;

struct SweepOptions {
    std::string from = "0";
    std::string to = "100";
    std::string step = "5";
    std::string table;
    std::string ccl;
    std::string name;
};

struct CoolOptions {
    std::string mass = "1";
    std::string coolingArea = "1";
    std::string target = "30";
    std::string steps = "10000";
    std::string heatCapacity = "constant:1000";
    std::string data;
    std::string picture;
    std::string background = "black";
    bool noRadiation = false;
};

// The design calculation's own options.
struct SolveOptions {
    std::string heatFlow = "100";
    std::string unknown = "t-body";
};

const SweepOptionNames kSweepOptions{"--table", "--ccl", "--name", "--ccl SÚBOR", "--name NÁZOV"};
const CoolingOptionNames kCoolingOptions{"--data", "--picture"};

int runSteadyCommand(const CLI::App* command, const MainOptions& o) {
    const SteadyCase c = readMainOptions(command, o, caseFile(command, o));
    const OutputFormat format = resultFormat(command, o, nullptr);
    const std::vector<std::string> limits = steadyLimitWarnings(c);
    if (refusedByLimits(limits, o.strict))
        return kRefused;
    const SteadyResult result = runSteady(c);
    return printCase(format, result.ok, result.state, result.warnings, result.error, [&](std::string& text) {
        appendJsonRecord(text, result.state, withLimits(limits, result.warnings), result.error, &result.deviation);
    });
}

int runSolveCommand(const CLI::App* command, const MainOptions& o, const SolveOptions& d) {
    const std::optional<CaseFileInputs> file = caseFile(command, o);
    const SteadyCase c = readMainOptions(command, o, file);
    const OutputFormat format = resultFormat(command, o, nullptr);
    std::optional<double> heatFlow;
    std::optional<std::string> unknownName;
    if (file)
        std::tie(heatFlow, unknownName) = file->design(givenOptions(command));
    if (!heatFlow)
        heatFlow = number("--heat-flow", d.heatFlow);
    if (!unknownName)
        unknownName = d.unknown;
    const std::optional<DesignUnknown> unknown = designUnknown(*unknownName);
    if (!unknown)
        throw UsageError("Neznámy názov neznámej „" + *unknownName + "“; možnosti: t-body, t-fluid, area, length.");
    const std::vector<std::string> limits = steadyLimitWarnings(c);
    if (refusedByLimits(limits, o.strict))
        return kRefused;
    const SolveResult result = runSolve(c, *unknown, *heatFlow);
    return printCase(format, result.ok, result.state, result.warnings, result.error, [&](std::string& text) {
        SolveResult shown = result;
        shown.warnings = withLimits(limits, result.warnings);
        appendJsonSolution(text, shown, *unknown);
    });
}

// Writes the points as they come, in pieces of about a megabyte; each point's warnings follow
// those of the limits.
class PrintingSink : public SweepSink {
public:
    PrintingSink(OutputFormat format, std::vector<std::string> limits) : m_format(format), m_limits(std::move(limits)) {}
    void prepare(long long) override {
        if (m_format == OutputFormat::Json)
            m_text = "[";
        else if (isCsv(m_format))
            m_text = csvHeader(m_format) + '\n';
    }
    void point(long long index, const ConvectionState& state, const std::vector<std::string>& warnings) override {
        if (m_format == OutputFormat::Json || m_format == OutputFormat::JsonLines) {
            if (m_format == OutputFormat::Json)
                m_text += index == 0 ? "\n" : ",\n";
            if (m_limits.empty()) {
                appendJsonRecord(m_text, state, warnings);
            } else {
                m_all = withLimits(m_limits, warnings);
                appendJsonRecord(m_text, state, m_all);
            }
            if (m_format == OutputFormat::JsonLines)
                m_text += '\n';
        } else {
            // Not in the records: on standard error at the end, each once.
            if (isCsv(m_format)) {
                appendCsvRow(m_text, state, m_format);
                m_text += '\n';
            }
            appendUnique(m_warnings, warnings);
        }
        if (m_text.size() > (1 << 20)) {
            write(m_text);
            m_text.clear();
        }
    }
    void finish() {
        if (m_format == OutputFormat::Json)
            m_text += "\n]\n";
        write(m_text);
        printWarnings(m_warnings);
    }

private:
    OutputFormat m_format;
    std::vector<std::string> m_limits;
    std::vector<std::string> m_all; // the limits' and a point's warnings
    std::string m_text;
    std::vector<std::string> m_warnings;
};

// A range that cannot be swept is a usage error, with the window's words; so is one without a
// point (a highest temperature below the lowest).
void requireSweepableRange(const SweepRange& range) {
    if (const std::optional<std::string> problem = rangeProblem(range))
        throw UsageError(*problem);
    if (sweepPointCount(range) == 0)
        throw UsageError("Rozsah teplôt povrchu nemá ani jeden bod: najvyššia teplota " + formatGeneral(range.tMax) +
                         " je nižšia ako najnižšia " + formatGeneral(range.tMin) + "; rozsah sa nevypočíta.");
}

int runSweepCommand(const CLI::App* command, const MainOptions& o, const SweepOptions& s) {
    const std::optional<CaseFileInputs> file = caseFile(command, o);
    const SteadyCase c = readMainOptions(command, o, file);
    const char* const toOutput = standardOutputOption(command, {{"--table", &s.table}, {"--ccl", &s.ccl}});
    const OutputFormat format = resultFormat(command, o, toOutput);
    SweepRequest request;
    if (file)
        request.range = file->range(givenOptions(command));
    if (!file || given(command, "--from"))
        request.range.tMin = number("--from", s.from);
    if (!file || given(command, "--to"))
        request.range.tMax = number("--to", s.to);
    if (!file || given(command, "--step"))
        request.range.tStep = number("--step", s.step);
    requireSweepableRange(request.range);
    std::optional<StandardOutputFile> output;
    if (toOutput != nullptr)
        output.emplace();
    if (given(command, "--table"))
        request.table = outputPath("--table", s.table, toOutput, output);
    if (given(command, "--ccl"))
        request.ccl = outputPath("--ccl", s.ccl, toOutput, output);
    if (given(command, "--name"))
        request.name = s.name;
    const SweepFiles files = prepareSweepFiles(request, kSweepOptions);
    const std::vector<std::string> limits = sweepLimitWarnings(c, request.range);
    if (refusedByLimits(limits, o.strict))
        return kRefused;
    PrintingSink sink(format, limits);
    const SweepOutcome outcome = runSweepCase(c, request.range, files, sink);
    if (outcome.refusal)
        return refuse(*outcome.refusal);
    if (outcome.fileProblem)
        return refuse(output ? output->named(outcome.fileProblem->message) : outcome.fileProblem->message);
    if (output)
        output->copyToStandardOutput();
    sink.finish();
    return 0;
}

int runCoolCommand(const CLI::App* command, const MainOptions& o, const CoolOptions& k) {
    const std::optional<CaseFileInputs> file = caseFile(command, o);
    const SteadyCase c = readMainOptions(command, o, file, true);
    const char* const toOutput = standardOutputOption(command, {{"--data", &k.data}, {"--picture", &k.picture}});
    const OutputFormat format = resultFormat(command, o, toOutput);
    CoolingRequest request = file ? file->cooling(givenOptions(command)) : CoolingRequest();
    const auto use = [&](const char* option) { return !file || given(command, option); };
    if (use("--mass"))
        request.mass = number("--mass", k.mass);
    if (use("--cooling-area"))
        request.coolingArea = number("--cooling-area", k.coolingArea);
    if (use("--target"))
        request.targetTemperature = number("--target", k.target);
    if (use("--steps"))
        request.stepCount = number("--steps", k.steps);
    if (use("--heat-capacity"))
        request.heatCapacity = heatCapacityModel(k.heatCapacity);
    // The cooling window starts with its radiation on (emissivity 1); an emissivity given turns it
    // on over a case file's switch, --no-radiation turns it off.
    if (k.noRadiation)
        request.radiation = false;
    else if (!file || given(command, "--emissivity"))
        request.radiation = true;
    std::optional<StandardOutputFile> output;
    if (toOutput != nullptr)
        output.emplace();
    if (given(command, "--data"))
        request.data = outputPath("--data", k.data, toOutput, output);
    if (given(command, "--picture"))
        request.picture = outputPath("--picture", k.picture, toOutput, output);
    if (use("--picture-background"))
        request.background = k.background;
    const CoolingSetup setup = prepareCooling(c, request, kCoolingOptions);
    const std::vector<std::string> limits = coolingLimitWarnings(setup.steady, setup.cooling);
    if (refusedByLimits(limits, o.strict))
        return kRefused;

    CoolingResult result = runCoolingCase(setup.steady, setup.cooling, setup.files);
    if (output) {
        result.error = output->named(result.error);
        output->copyToStandardOutput();
    }
    std::string text;
    if (format == OutputFormat::Json || format == OutputFormat::JsonLines) {
        result.warnings = withLimits(limits, result.warnings);
        appendJsonCooling(text, result);
        text += '\n';
    } else {
        printWarnings(result.warnings);
        if (isCsv(format))
            appendCsvCurve(text, result, format);
    }
    write(text);
    return result.error.empty() ? 0 : refuse(result.error);
}

const char* const kSubcommands[] = {"steady", "sweep", "cool", "solve", "version"};

// CLI11's own errors in Slovak, with what they name; an option of another subcommand is named as
// such.
std::string usageMessage(const CLI::ParseError& e, const CLI::App& app) {
    const std::string what = e.what();
    const std::size_t colon = what.rfind(": ");
    const std::string detail = colon == std::string::npos ? std::string() : what.substr(colon + 2);
    if (dynamic_cast<const CLI::ExtrasError*>(&e) != nullptr) {
        // CLI11 names them last first.
        std::vector<std::string> words;
        std::istringstream split(detail);
        for (std::string word; split >> word;)
            words.insert(words.begin(), word);
        std::string list;
        for (const std::string& word : words)
            list += (list.empty() ? "" : " ") + word;
        const CLI::App* parsed = nullptr;
        for (const char* name : kSubcommands) {
            if (app.get_subcommand(name)->parsed())
                parsed = app.get_subcommand(name);
        }
        if (parsed != nullptr && !words.empty() && words.front().rfind("--", 0) == 0) {
            const std::string option = words.front().substr(0, words.front().find('='));
            for (const char* name : kSubcommands) {
                if (app.get_subcommand(name)->get_option_no_throw(option) == nullptr)
                    continue;
                std::string message = "podpríkaz " + parsed->get_name() + " voľbu " + option + " nepoužíva";
                if (parsed->get_name() == "sweep" && option == "--t-body")
                    message += ": teploty povrchu dávajú --from, --to a --step";
                return message + ".";
            }
        }
        return "nečakaný argument: " + list + ".";
    }
    if (dynamic_cast<const CLI::RequiredError*>(&e) != nullptr)
        return "chýba podpríkaz: steady, sweep, cool, solve alebo version.";
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&e) != nullptr) {
        const std::string option = what.substr(0, what.find(':'));
        if (what.find("At Most") != std::string::npos)
            return "voľba " + option + " je zadaná viac ráz; zadajte ju raz.";
        return "voľba " + option + " potrebuje práve jednu hodnotu.";
    }
    return "chybné použitie (" + what + ").";
}

// A flag given twice: the same usage error as an option given twice.
void requireOnce(const CLI::App* command) {
    for (const CLI::Option* option : command->get_options()) {
        if (option->count() > 1)
            throw UsageError("voľba " + option->get_name() + " je zadaná viac ráz; zadajte ju raz." + kSeeHelp);
    }
}

std::string version() { return std::string(kProgram) + " " + ZAV_VERSION + "\n"; }

int run(int argc, char* argv[]) {
    CLI::App app("Súčiniteľ prestupu tepla voľnou konvekciou bez okien programu ZAV: ustálený stav, rozsah "
                 "teplôt povrchu a ochladzovanie telesa. Čísla s desatinnou bodkou alebo čiarkou. Výsledky idú na "
                 "štandardný výstup ako JSON (--format jsonl, csv, csv-sk, none), správy na štandardný chybový "
                 "výstup. Súbor „-“ je štandardný výstup (výsledky sa potom nevypíšu) alebo štandardný vstup. "
                 "Návratový kód 0 úspech, 1 prípad odmietnutý kontrolou, súbor či štandardný výstup, ktorý sa "
                 "nepodarilo zapísať, alebo hodnota mimo fyzikálneho rozsahu pri --strict, 2 chybné použitie alebo "
                 "hodnota, ktorá nie je číslo; signál SIGINT, SIGTERM alebo SIGHUP ukončí program hneď s kódom 130, "
                 "143 alebo 129 a staré súbory nechá bez zmeny.",
                 kProgram);
    app.formatter(std::make_shared<WrappingFormatter>());
    app.require_subcommand(1);
    app.get_formatter()->label("OPTIONS", "VOĽBY");
    app.get_formatter()->label("SUBCOMMANDS", "PODPRÍKAZY");
    app.get_formatter()->label("SUBCOMMAND", "PODPRÍKAZ");
    app.get_formatter()->label("Usage", "Použitie");
    app.option_defaults()->group("Voľby");
    app.set_help_flag("-h,--help", "vypíše túto pomoc a skončí");
    app.set_version_flag("--version", version(), "vypíše verziu programu a skončí");

    MainOptions main;
    SweepOptions sweep;
    CoolOptions cool;
    SolveOptions solve;

    CLI::App* steadyCommand =
        app.add_subcommand("steady", "výpočet hlavného okna („Vypočítaj“): jeden objekt JSON s vlastnosťami "
                                     "tekutiny, podobnostnými číslami, súčiniteľmi prestupu tepla a tepelným tokom");
    steadyCommand->group("Podpríkazy");
    steadyCommand->set_help_flag("-h,--help", "vypíše túto pomoc a skončí");
    addMainOptions(steadyCommand, main, true, kEmissivityHelp);

    CLI::App* sweepCommand = app.add_subcommand(
        "sweep", "rozsah teplôt povrchu (bez kontrol platnosti, ako tabuľka okna): pole JSON po jednom objekte na "
                 "teplotu; --table a --ccl zapíšu tie isté súbory ako okno");
    sweepCommand->group("Podpríkazy");
    sweepCommand->set_help_flag("-h,--help", "vypíše túto pomoc a skončí");
    addMainOptions(sweepCommand, main, false, kEmissivityHelp);
    sweepCommand->add_option("--from", sweep.from, "najnižšia teplota povrchu (°C)")->type_name("HODNOTA")->capture_default_str();
    sweepCommand->add_option("--to", sweep.to, "najvyššia teplota povrchu (°C)")->type_name("HODNOTA")->capture_default_str();
    sweepCommand->add_option("--step", sweep.step, "krok teploty povrchu (°C)")->type_name("HODNOTA")->capture_default_str();
    sweepCommand->add_option("--table", sweep.table,
                             "zapíše tabuľku (Windows-1250, desatinná čiarka, „;“) ako „Súbor → Ulož do súboru“ "
                             "(„-“ štandardný výstup)")
        ->type_name("CESTA");
    sweepCommand->add_option("--ccl", sweep.ccl, "zapíše knižnicu CEL pre ANSYS CFX ako „Súbor → Ansys“ („-“ štandardný výstup)")->type_name("CESTA");
    sweepCommand->add_option("--name", sweep.name, "názov okrajovej podmienky v knižnici CEL (písmeno, potom "
                                                   "písmená, číslice, „_“)")->type_name("MENO");

    CLI::App* coolCommand = app.add_subcommand(
        "cool", "ochladzovanie telesa z teploty --t-body na --target v tekutine --t-fluid (okno „Dynamika - "
                "ochladzovanie“): čas, počet krokov a krivka");
    coolCommand->group("Podpríkazy");
    coolCommand->set_help_flag("-h,--help", "vypíše túto pomoc a skončí");
    addMainOptions(coolCommand, main, true, "emisivita povrchu (okno ochladzovania: 1)");
    coolCommand->add_flag("--no-radiation", cool.noRadiation,
                          "bez prestupu tepla sálaním (okno ochladzovania ho má zapnutý)");
    coolCommand->add_option("--mass", cool.mass, "hmotnosť telesa (kg)")->type_name("HODNOTA")->capture_default_str();
    coolCommand->add_option("--cooling-area", cool.coolingArea, "plocha ochladzovaného povrchu (m²)")->type_name("HODNOTA")
        ->capture_default_str();
    coolCommand->add_option("--target", cool.target, "teplota ochladenia (°C)")->type_name("HODNOTA")->capture_default_str();
    coolCommand->add_option("--steps", cool.steps, "počet teplotných krokov")->type_name("HODNOTA")->capture_default_str();
    coolCommand->add_option("--heat-capacity", cool.heatCapacity,
                            "tepelná kapacita materiálu (J.kg-1.K-1): constant:HODNOTA, cubic:A,B,C,D "
                            "(A + B·t + C·t² + D·t³, s desatinnou čiarkou cubic:A;B;C;D), carbon-steel, 17246")
        ->capture_default_str();
    coolCommand->add_option("--data", cool.data, "zapíše súbor údajov ochladzovania ako „Údaje → Ulož do súboru“ („-“ štandardný "
                            "výstup)")->type_name("CESTA");
    coolCommand->add_option("--picture", cool.picture, "uloží obrázok krivky ako BMP („Ulož graf“, „-“ štandardný výstup)")->type_name("CESTA");
    coolCommand->add_option("--picture-background", cool.background, "pozadie obrázka: black (čierne), white (biele)")->type_name("MENO")
        ->capture_default_str();

    CLI::App* solveCommand = app.add_subcommand(
        "solve", "návrh (okno „Návrh“): hodnota neznámej --unknown, pri ktorej ustálený stav prenáša tepelný tok "
                 "--heat-flow; objekt JSON ako steady, hodnota aj pod kľúčom „solved“; bez riešenia kód 1 a dôvod");
    solveCommand->group("Podpríkazy");
    solveCommand->set_help_flag("-h,--help", "vypíše túto pomoc a skončí");
    addMainOptions(solveCommand, main, true, kEmissivityHelp);
    solveCommand->add_option("--heat-flow", solve.heatFlow,
                             "tepelný tok (W), kladný z povrchu do tekutiny")->type_name("HODNOTA")->capture_default_str();
    solveCommand->add_option("--unknown", solve.unknown,
                             "neznáma: t-body (teplota telesa), t-fluid (teplota tekutiny), area (plocha), length "
                             "(charakteristický rozmer; z viacerých ten najbližší k --length)")
        ->type_name("MENO")
        ->capture_default_str();

    CLI::App* versionCommand = app.add_subcommand("version", "vypíše verziu programu a skončí");
    versionCommand->group("Podpríkazy");
    versionCommand->set_help_flag("-h,--help", "vypíše túto pomoc a skončí");

    const std::string first = argc > 1 ? argv[1] : "-";
    if (first[0] != '-' && std::find(std::begin(kSubcommands), std::end(kSubcommands), first) == std::end(kSubcommands)) {
        std::cerr << kProgram << ": neznámy podpríkaz „" << argv[1] << "“; možnosti: steady, sweep, cool, solve, version."
                  << kSeeHelp << "\n";
        return kUsage;
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion&) {
        write(version());
        return 0;
    } catch (const CLI::ParseError& e) {
        std::cerr << kProgram << ": " << usageMessage(e, app) << kSeeHelp << "\n";
        return kUsage;
    }

    if (versionCommand->parsed()) {
        write(version());
        return 0;
    }
    if (steadyCommand->parsed()) {
        requireOnce(steadyCommand);
        return runSteadyCommand(steadyCommand, main);
    }
    if (sweepCommand->parsed()) {
        requireOnce(sweepCommand);
        return runSweepCommand(sweepCommand, main, sweep);
    }
    if (solveCommand->parsed()) {
        requireOnce(solveCommand);
        return runSolveCommand(solveCommand, main, solve);
    }
    requireOnce(coolCommand);
    return runCoolCommand(coolCommand, main, cool);
}

int fail(int status, const std::string& message) {
    std::cerr << kProgram << ": " << message << '\n';
    return status;
}

} // namespace

// Every error ends here as a Slovak message and an exit status: 2 for what was typed wrong, 1 for
// anything else; nothing reaches std::terminate.
int main(int argc, char* argv[]) {
    holdClosedStandardDescriptors();
    installSignalHandlers();
    // A message on standard error does not flush standard output first: its flush stays with
    // closeStandardOutput(), which knows the system's reason when it fails.
    std::cerr.tie(nullptr);
    try {
        const int status = run(argc, argv);
        closeStandardOutput();
        return status;
    } catch (const UsageError& e) {
        return fail(kUsage, e.what());
    } catch (const InputError& e) {
        return fail(kUsage, e.what());
    } catch (const ConversionError& e) {
        return fail(kUsage, e.what());
    } catch (const OutputError& e) {
        return fail(kFailed, e.what());
    } catch (const std::bad_alloc&) {
        return fail(kFailed, "nedostatok pamäte.");
    } catch (const std::exception& e) {
        return fail(kFailed, std::string("vnútorná chyba programu (") + e.what() + ").");
    } catch (...) {
        return fail(kFailed, "vnútorná chyba programu.");
    }
}
