// SPDX-License-Identifier: GPL-3.0-or-later
// zav-calc: the program's calculations without its windows. `steady` is the main window's
// "Vypočítaj", `sweep` its sweep over the surface-temperature range with the table and CEL files,
// `cool` the cooling window's run with its data file and picture; every option stands for a field
// or choice of those windows and takes its default from there. Results go to standard output as
// JSON or CSV; messages to standard error. Exit status 0 done, 1 refused by a check, a file that
// could not be written or standard output that could not be written, 2 a usage error or a value
// that is not a number; SIGINT, SIGTERM and SIGHUP end it at once with 128 + the signal's number,
// the old output files as they were.
#include "core/number_format.h"
#include "export/replacing_file.h"
#include "tools/calc/calc_case_file.h"
#include "tools/calc/calc_options.h"
#include "tools/calc/calc_output.h"
#include "tools/calc/calc_request.h"
#include "tools/calc/calc_runs.h"

#include <CLI/CLI.hpp>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <limits>
#include <new>
#include <optional>
#include <set>
#include <sstream>
#include <string>

namespace {

using namespace zav;
using namespace zav::calc;

constexpr int kRefused = 1;
constexpr int kUsage = 2;
constexpr int kFailed = 1;

const char* const kProgram = "zav-calc";

// The options of the main window, as texts until they are read.
struct MainOptions {
    std::string tBody = "100";
    std::string tFluid = "20";
    std::string length = "0,1";
    std::string area = "1";
    std::string fluid = "air";
    std::string shape = "vertical-plate";
    std::string angle = "0";
    std::string face = "upper";
    std::string finGap = "0,005";
    std::string tubeDiameter = "0,1";
    std::string emissivity;
    std::string fluidFile;
    std::string kelo;
    std::string pressure = "5";
    std::string properties = "builtin";
    std::string format = "json";
    std::string caseFile;
};

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
};

// A value of an option that cannot be used: its message, for exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

double number(const std::string& option, const std::string& text) {
    try {
        return parseInputNumber(text);
    } catch (const ConversionError& e) {
        throw UsageError(option + ": " + e.what());
    }
}

void addMainOptions(CLI::App* command, MainOptions& o, const char* emissivityHelp) {
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
                        "vlastná tekutina zo súboru JSON (constant, linear, quadratic, kelo); zvolí --fluid user")
        ->type_name("CESTA");
    command->add_option("--kelo", o.kelo, "vlastná tekutina zo súboru koeficientov KELO; zvolí --fluid user")
        ->type_name("CESTA");
    command->add_option("--pressure", o.pressure, "tlak plynu tekutiny KELO (MPa)")->type_name("HODNOTA")->capture_default_str();
    command->add_option("--properties", o.properties,
                        "vlastnosti vzduchu a vody: builtin (vstavané aproximácie), reference (referenčné rovnice "
                        "IAPWS-IF97, Lemmon)")
        ->type_name("MENO")
        ->capture_default_str();
    command->add_option("--format", o.format, "výstup: json alebo csv")->type_name("MENO")->capture_default_str();
    command->add_option("--case", o.caseFile,
                        "vstupy zo zadania programu ZAV (súbor .zav z „Súbor → Uložiť zadanie…“); voľby zadané "
                        "popri ňom majú prednosť")
        ->type_name("CESTA");
}

// The options given on the command line, in snake case (t_body, heat_capacity …): a case file
// gives the others.
std::set<std::string> givenOptions(const CLI::App* command) {
    std::set<std::string> given;
    for (const CLI::Option* option : command->get_options()) {
        if (option->count() == 0 || option->get_lnames().empty())
            continue;
        std::string name = option->get_lnames().front();
        for (char& c : name) {
            if (c == '-')
                c = '_';
        }
        given.insert(name);
    }
    return given;
}

// The case file of --case, if one was given.
std::optional<CaseFileInputs> caseFile(const CLI::App* command, const MainOptions& o) {
    if (command->count("--case") == 0)
        return std::nullopt;
    requireFileName("--case", o.caseFile);
    return CaseFileInputs(o.caseFile);
}

// The options as the messages spell them.
const FluidOptionNames kFluidOptions{"--fluid", "--fluid-file", "--kelo", "--pressure",
                                     "--fluid-file SÚBOR.json alebo --kelo SÚBOR.kelo"};
const SweepOptionNames kSweepOptions{"--table", "--ccl", "--name", "--ccl SÚBOR", "--name NÁZOV"};
const CoolingOptionNames kCoolingOptions{"--data", "--picture"};

// The main window's case of the options over the case file's, if any (`cooling`: the emissivity is
// the cooling window's); a name or a file that cannot be used throws InputError, a text that is
// not a number UsageError.
SteadyCase readMainOptions(const CLI::App* command, const MainOptions& o, const std::optional<CaseFileInputs>& file,
                           bool cooling = false) {
    const std::set<std::string> given = givenOptions(command);
    std::set<std::string> mainGiven = given;
    if (cooling)
        mainGiven.insert("emissivity"); // not the main window's
    SteadyRequest r = file ? file->steady(mainGiven) : SteadyRequest();
    if (file && cooling)
        r.emissivity = file->coolingEmissivity(given);
    // Without a case file every option counts, given or not: the defaults are the windows'.
    const auto use = [&](const char* option) { return !file || command->count(option) > 0; };
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
    if (command->count("--emissivity") > 0)
        r.emissivity = number("--emissivity", o.emissivity);
    if (use("--shape"))
        r.shape = surfaceGeometry(o.shape);
    if (use("--face"))
        r.face = platePosition(o.face);
    if (use("--properties"))
        r.properties = propertyModel(o.properties);
    if (command->count("--fluid") > 0)
        r.fluid.name = o.fluid;
    if (command->count("--fluid-file") > 0)
        r.fluid.fluidFile = o.fluidFile;
    if (command->count("--kelo") > 0)
        r.fluid.kelo = o.kelo;
    if (command->count("--pressure") > 0)
        r.fluid.pressureMpa = number("--pressure", o.pressure);
    const SteadyCase c = steadyCase(r, kFluidOptions);
    if (o.format != "json" && o.format != "csv")
        throw UsageError("Neznámy formát „" + o.format + "“; možnosti: json, csv.");
    return c;
}

OutputFormat outputFormat(const MainOptions& o) { return o.format == "csv" ? OutputFormat::Csv : OutputFormat::Json; }

// Standard output could not be written: the system's error number.
class OutputError : public std::runtime_error {
public:
    explicit OutputError(int errorNumber)
        : std::runtime_error(std::string("zápis na štandardný výstup zlyhal: ") +
                             std::strerror(errorNumber != 0 ? errorNumber : EIO)) {}
};

void write(const std::string& text) {
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), stdout) != text.size())
        throw OutputError(errno);
}

// The results are there only when standard output took all of them: its buffer is flushed and the
// descriptor closed, each checked (a full disk, a closed descriptor, a reader that went away).
void closeStandardOutput() {
    errno = 0;
    if (std::fflush(stdout) != 0)
        throw OutputError(errno);
    if (std::ferror(stdout))
        throw OutputError(errno);
    if (std::fclose(stdout) != 0)
        throw OutputError(errno);
}

// A standard descriptor closed at the start is held by /dev/null opened for reading only: no file
// this program opens can take its number, and a write to standard output fails (EBADF) as it would
// on the closed descriptor.
void holdClosedStandardDescriptors() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int null = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (null >= 0 && null != fd) {
            ::dup2(null, fd);
            ::close(null);
        }
    }
}

// SIGINT, SIGTERM and SIGHUP end the program at once: the named temporary files of the outputs
// being written are removed and the old files stay as they were.
void endOnSignal(int signalNumber) {
    removeTemporaryFilesNow();
    ::_exit(128 + signalNumber);
}

void installSignalHandlers() {
    struct sigaction action {};
    action.sa_handler = endOnSignal;
    sigemptyset(&action.sa_mask);
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction previous {};
        // A signal ignored by whoever started the program (nohup, a background job) stays ignored.
        if (::sigaction(signalNumber, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN)
            continue;
        ::sigaction(signalNumber, &action, nullptr);
    }
    // A reader of standard output that went away is a failed write (EPIPE), reported as such.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGPIPE, &ignore, nullptr);
}

void printWarnings(const std::vector<std::string>& warnings) {
    for (const std::string& w : warnings)
        std::cerr << kProgram << ": varovanie: " << w << '\n';
}

int refuse(const std::string& message) {
    std::cerr << kProgram << ": " << message << '\n';
    return kRefused;
}

int runSteadyCommand(const CLI::App* command, const MainOptions& o) {
    const SteadyCase c = readMainOptions(command, o, caseFile(command, o));
    const SteadyResult result = runSteady(c);
    std::string text;
    if (outputFormat(o) == OutputFormat::Json) {
        appendJsonRecord(text, result.state, result.warnings, result.error, &result.deviation);
        text += '\n';
    } else {
        printWarnings(result.warnings);
        if (result.ok) {
            text = csvHeader() + '\n';
            appendCsvRow(text, result.state);
            text += '\n';
        }
    }
    write(text);
    return result.ok ? 0 : refuse(result.error);
}

// Writes the points as they come, in pieces of about a megabyte.
class PrintingSink : public SweepSink {
public:
    explicit PrintingSink(OutputFormat format) : m_format(format) {}
    void prepare(long long) override {
        m_text = m_format == OutputFormat::Json ? "[" : csvHeader() + '\n';
    }
    void point(long long index, const ConvectionState& state, const std::vector<std::string>& warnings) override {
        if (m_format == OutputFormat::Json) {
            m_text += index == 0 ? "\n" : ",\n";
            appendJsonRecord(m_text, state, warnings);
        } else {
            appendCsvRow(m_text, state);
            m_text += '\n';
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
    std::string m_text;
    std::vector<std::string> m_warnings;
};

int runSweepCommand(const CLI::App* command, const MainOptions& o, const SweepOptions& s) {
    const std::optional<CaseFileInputs> file = caseFile(command, o);
    const SteadyCase c = readMainOptions(command, o, file);
    SweepRequest request;
    if (file)
        request.range = file->range(givenOptions(command));
    if (!file || command->count("--from") > 0)
        request.range.tMin = number("--from", s.from);
    if (!file || command->count("--to") > 0)
        request.range.tMax = number("--to", s.to);
    if (!file || command->count("--step") > 0)
        request.range.tStep = number("--step", s.step);
    if (command->count("--table") > 0)
        request.table = s.table;
    if (command->count("--ccl") > 0)
        request.ccl = s.ccl;
    if (command->count("--name") > 0)
        request.name = s.name;
    const SweepFiles files = prepareSweepFiles(request, kSweepOptions);
    PrintingSink sink(outputFormat(o));
    const SweepOutcome outcome = runSweepCase(c, request.range, files, sink);
    if (outcome.refusal)
        return refuse(*outcome.refusal);
    if (outcome.fileProblem)
        return refuse(outcome.fileProblem->message);
    sink.finish();
    return 0;
}

int runCoolCommand(const CLI::App* command, const MainOptions& o, const CoolOptions& k) {
    const std::optional<CaseFileInputs> file = caseFile(command, o);
    const SteadyCase c = readMainOptions(command, o, file, true);
    CoolingRequest request = file ? file->cooling(givenOptions(command)) : CoolingRequest();
    const auto use = [&](const char* option) { return !file || command->count(option) > 0; };
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
    if (command->count("--data") > 0)
        request.data = k.data;
    if (command->count("--picture") > 0)
        request.picture = k.picture;
    if (use("--picture-background"))
        request.background = k.background;
    const CoolingSetup setup = prepareCooling(c, request, kCoolingOptions);

    const CoolingResult result = runCoolingCase(setup.steady, setup.cooling, setup.files);
    std::string text;
    if (outputFormat(o) == OutputFormat::Json) {
        appendJsonCooling(text, result);
        text += '\n';
    } else {
        printWarnings(result.warnings);
        appendCsvCurve(text, result);
    }
    write(text);
    return result.error.empty() ? 0 : refuse(result.error);
}

// CLI11's own errors in Slovak, with what they name.
std::string usageMessage(const CLI::ParseError& e) {
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
        return "nečakaný argument: " + list + ".";
    }
    if (dynamic_cast<const CLI::RequiredError*>(&e) != nullptr)
        return "chýba podpríkaz: steady, sweep alebo cool.";
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&e) != nullptr) {
        const std::size_t end = what.find(':');
        return "voľba " + what.substr(0, end) + " potrebuje práve jednu hodnotu.";
    }
    return "chybné použitie (" + what + ").";
}

int run(int argc, char* argv[]) {
    CLI::App app("Súčiniteľ prestupu tepla voľnou konvekciou bez okien programu ZAV: ustálený stav, rozsah "
                 "teplôt povrchu a ochladzovanie telesa. Čísla s desatinnou bodkou alebo čiarkou. Výsledky idú na "
                 "štandardný výstup ako JSON (alebo CSV), správy na štandardný chybový výstup. Návratový kód 0 "
                 "úspech, 1 prípad odmietnutý kontrolou alebo súbor či štandardný výstup, ktorý sa nepodarilo "
                 "zapísať, 2 chybné použitie alebo hodnota, ktorá nie je číslo; signál SIGINT, SIGTERM alebo "
                 "SIGHUP ukončí program hneď s kódom 130, 143 alebo 129 a staré súbory nechá bez zmeny.",
                 kProgram);
    app.require_subcommand(1);
    app.get_formatter()->label("OPTIONS", "VOĽBY");
    app.get_formatter()->label("SUBCOMMANDS", "PODPRÍKAZY");
    app.get_formatter()->label("SUBCOMMAND", "PODPRÍKAZ");
    app.get_formatter()->label("Usage", "Použitie");
    app.option_defaults()->group("Voľby");
    app.get_formatter()->column_width(34);
    app.set_help_flag("-h,--help", "vypíše túto pomoc a skončí");

    MainOptions main;
    SweepOptions sweep;
    CoolOptions cool;

    CLI::App* steadyCommand =
        app.add_subcommand("steady", "výpočet hlavného okna („Vypočítaj“): jeden objekt JSON s vlastnosťami "
                                     "tekutiny, podobnostnými číslami, súčiniteľmi prestupu tepla a tepelným tokom");
    steadyCommand->group("Podpríkazy");
    steadyCommand->set_help_flag("-h,--help", "vypíše túto pomoc a skončí");
    addMainOptions(steadyCommand, main, "pomerná emisivita povrchu; ak je zadaná, počíta sa aj sálanie");

    CLI::App* sweepCommand = app.add_subcommand(
        "sweep", "rozsah teplôt povrchu (bez kontrol platnosti, ako tabuľka okna): pole JSON po jednom objekte na "
                 "teplotu; --table a --ccl zapíšu tie isté súbory ako okno");
    sweepCommand->group("Podpríkazy");
    sweepCommand->set_help_flag("-h,--help", "vypíše túto pomoc a skončí");
    addMainOptions(sweepCommand, main, "pomerná emisivita povrchu; ak je zadaná, počíta sa aj sálanie");
    sweepCommand->add_option("--from", sweep.from, "najnižšia teplota povrchu (°C)")->type_name("HODNOTA")->capture_default_str();
    sweepCommand->add_option("--to", sweep.to, "najvyššia teplota povrchu (°C)")->type_name("HODNOTA")->capture_default_str();
    sweepCommand->add_option("--step", sweep.step, "krok teploty povrchu (°C)")->type_name("HODNOTA")->capture_default_str();
    sweepCommand->add_option("--table", sweep.table,
                             "zapíše tabuľku (Windows-1250, desatinná čiarka, „;“) ako „Súbor → Ulož do súboru“");
    sweepCommand->add_option("--ccl", sweep.ccl, "zapíše knižnicu CEL pre ANSYS CFX ako „Súbor → Ansys“")->type_name("CESTA");
    sweepCommand->add_option("--name", sweep.name, "názov okrajovej podmienky v knižnici CEL (písmeno, potom "
                                                   "písmená, číslice, „_“)")->type_name("MENO");

    CLI::App* coolCommand = app.add_subcommand(
        "cool", "ochladzovanie telesa z teploty --t-body na --target v tekutine --t-fluid (okno „Dynamika - "
                "ochladzovanie“): čas, počet krokov a krivka");
    coolCommand->group("Podpríkazy");
    coolCommand->set_help_flag("-h,--help", "vypíše túto pomoc a skončí");
    addMainOptions(coolCommand, main, "emisivita povrchu; ak je zadaná, počíta sa aj prestup tepla sálaním");
    coolCommand->add_option("--mass", cool.mass, "hmotnosť telesa (kg)")->type_name("HODNOTA")->capture_default_str();
    coolCommand->add_option("--cooling-area", cool.coolingArea, "plocha ochladzovaného povrchu (m²)")->type_name("HODNOTA")
        ->capture_default_str();
    coolCommand->add_option("--target", cool.target, "teplota ochladenia (°C)")->type_name("HODNOTA")->capture_default_str();
    coolCommand->add_option("--steps", cool.steps, "počet teplotných krokov")->type_name("HODNOTA")->capture_default_str();
    coolCommand->add_option("--heat-capacity", cool.heatCapacity,
                            "tepelná kapacita materiálu (J.kg-1.K-1): constant:HODNOTA, cubic:A,B,C,D "
                            "(A + B·t + C·t² + D·t³, s desatinnou čiarkou cubic:A;B;C;D), carbon-steel, 17246")
        ->capture_default_str();
    coolCommand->add_option("--data", cool.data, "zapíše súbor údajov ochladzovania ako „Údaje → Ulož do súboru“")->type_name("CESTA");
    coolCommand->add_option("--picture", cool.picture, "uloží obrázok krivky ako BMP („Ulož graf“)")->type_name("CESTA");
    coolCommand->add_option("--picture-background", cool.background, "pozadie obrázka: black (čierne), white (biele)")->type_name("MENO")
        ->capture_default_str();

    const std::string first = argc > 1 ? argv[1] : "-";
    if (first[0] != '-' && first != "steady" && first != "sweep" && first != "cool") {
        std::cerr << kProgram << ": neznámy podpríkaz „" << argv[1] << "“; možnosti: steady, sweep, cool. Pozri "
                  << "„zav-calc --help“.\n";
        return kUsage;
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << kProgram << ": " << usageMessage(e) << " Pozri „zav-calc --help“.\n";
        return kUsage;
    }

    if (steadyCommand->parsed())
        return runSteadyCommand(steadyCommand, main);
    if (sweepCommand->parsed())
        return runSweepCommand(sweepCommand, main, sweep);
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
