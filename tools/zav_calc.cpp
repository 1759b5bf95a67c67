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
#include "export/replacing_file.h"
#include "tools/calc/calc_case_file.h"
#include "tools/calc/calc_limits.h"
#include "tools/calc/calc_options.h"
#include "tools/calc/calc_output.h"
#include "tools/calc/calc_request.h"
#include "tools/calc/calc_runs.h"

#include <CLI/CLI.hpp>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iostream>
#include <limits>
#include <new>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <tuple>

namespace {

using namespace zav;
using namespace zav::calc;

constexpr int kRefused = 1;
constexpr int kUsage = 2;
constexpr int kFailed = 1;

const char* const kProgram = "zav-calc";
const char* const kSeeHelp = " Pozri „zav-calc --help“.";

// The options of the main window, as texts until they are read, and those of every subcommand.
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
    bool strict = false;
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
    bool noRadiation = false;
};

// The design calculation's own options.
struct SolveOptions {
    std::string heatFlow = "100";
    std::string unknown = "t-body";
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

// Whether `command` has the option `name` and it was given.
bool given(const CLI::App* command, const char* name) {
    const CLI::Option* option = command->get_option_no_throw(name);
    return option != nullptr && option->count() > 0;
}

// The number of characters of a UTF-8 text.
std::size_t columns(const std::string& text) {
    std::size_t count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

constexpr std::size_t kHelpWidth = 80;
constexpr std::size_t kHelpColumn = 30;

// `text` broken between words into lines of at most `width` columns, each but the first indented
// by `indent` spaces; a word longer than a line stands alone.
std::string wrapped(const std::string& text, std::size_t indent, std::size_t width) {
    std::string out;
    std::size_t used = 0;
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        if (used > 0 && used + 1 + columns(word) > width) {
            out += '\n' + std::string(indent, ' ');
            used = 0;
        } else if (used > 0) {
            out += ' ';
            ++used;
        }
        out += word;
        used += columns(word);
    }
    return out;
}

// CLI11's help with its paragraphs and descriptions broken into lines of at most 80 columns.
class WrappingFormatter : public CLI::Formatter {
public:
    std::string make_description(const CLI::App* app) const override {
        const std::string& description = app->get_description();
        return description.empty() ? std::string() : wrapped(description, 0, kHelpWidth) + "\n\n";
    }
    std::string make_option(const CLI::Option* option, bool positional) const override {
        return entry(make_option_name(option, positional) + make_option_opts(option), make_option_desc(option));
    }
    std::string make_subcommand(const CLI::App* sub) const override {
        return entry(sub->get_display_name(true), sub->get_description());
    }

private:
    // "  NAME  description…": the description from column kHelpColumn, below a name too long for it.
    static std::string entry(const std::string& name, const std::string& description) {
        std::string out = "  " + name;
        if (columns(out) + 1 >= kHelpColumn)
            out += '\n' + std::string(kHelpColumn, ' ');
        else
            out += std::string(kHelpColumn - columns(out), ' ');
        return out + wrapped(description, kHelpColumn, kHelpWidth - kHelpColumn) + '\n';
    }
};

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

// The options given on the command line, in snake case (t_body, heat_capacity …): a case file
// gives the others.
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

// The case file of --case, if one was given. Standard input is read once: not for both the case
// and the fluid.
std::optional<CaseFileInputs> caseFile(const CLI::App* command, const MainOptions& o) {
    if (given(command, "--fluid-file") && o.fluidFile == kStandardStreamName && given(command, "--case") &&
        o.caseFile == kStandardStreamName)
        throw UsageError("--case - a --fluid-file - nemôžu čítať oba štandardný vstup.");
    if (!given(command, "--case"))
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

// The results' format; none when an output file goes to standard output (`toStandardOutput`
// names its option), which takes no other format.
OutputFormat resultFormat(const CLI::App* command, const MainOptions& o, const char* toStandardOutput) {
    const std::optional<OutputFormat> format = outputFormat(o.format);
    if (!format)
        throw UsageError("Neznámy formát „" + o.format + "“; možnosti: json, jsonl, csv, csv-sk, none.");
    if (toStandardOutput == nullptr)
        return *format;
    if (given(command, "--format") && *format != OutputFormat::None)
        throw UsageError(std::string(toStandardOutput) + " - zapíše súbor na štandardný výstup: výsledky --format " +
                         o.format + " tam ísť nemôžu (vynechajte --format alebo zadajte --format none).");
    return OutputFormat::None;
}

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

// The folder and the file of an output that goes to standard output, for the signal handler:
// plain character arrays, empty when there is none.
char g_standardOutputFolder[4096];
char g_standardOutputFile[4096];

// An output file named "-": the window's writer writes it, by its own rules, into a folder of
// this program's own; its bytes are then copied to standard output as they are. The file and the
// folder are removed on every path, a signal's included.
class StandardOutputFile {
public:
    StandardOutputFile() {
        const char* tmp = std::getenv("TMPDIR");
        const std::string pattern =
            std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/zav-calc-XXXXXX";
        if (pattern.size() + 8 >= sizeof g_standardOutputFolder)
            throw std::runtime_error("dočasný priečinok má priveľmi dlhý názov");
        std::strcpy(g_standardOutputFolder, pattern.c_str());
        if (::mkdtemp(g_standardOutputFolder) == nullptr) {
            const int error = errno;
            g_standardOutputFolder[0] = '\0';
            throw std::runtime_error(std::string("dočasný priečinok sa nepodarilo vytvoriť: ") + std::strerror(error));
        }
        m_path = std::string(g_standardOutputFolder) + "/vystup";
        std::strcpy(g_standardOutputFile, m_path.c_str());
    }
    ~StandardOutputFile() {
        ::unlink(g_standardOutputFile);
        ::rmdir(g_standardOutputFolder);
        g_standardOutputFile[0] = '\0';
        g_standardOutputFolder[0] = '\0';
    }
    StandardOutputFile(const StandardOutputFile&) = delete;
    StandardOutputFile& operator=(const StandardOutputFile&) = delete;

    const std::string& path() const { return m_path; }

    /// The written file's bytes to standard output; nothing when the writer wrote none.
    void copyToStandardOutput() const {
        std::FILE* file = std::fopen(m_path.c_str(), "rb");
        if (file == nullptr)
            return;
        char buffer[1 << 16];
        std::size_t count = 0;
        try {
            while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
                if (std::fwrite(buffer, 1, count, stdout) != count)
                    throw OutputError(errno);
            }
        } catch (...) {
            std::fclose(file);
            throw;
        }
        std::fclose(file);
    }

    /// `text` with the file's temporary path named "-", as the user named it.
    std::string named(std::string text) const {
        for (std::size_t at = text.find(m_path); at != std::string::npos; at = text.find(m_path, at + 1))
            text.replace(at, m_path.size(), kStandardStreamName);
        return text;
    }

private:
    std::string m_path;
};

// SIGINT, SIGTERM and SIGHUP end the program at once: the named temporary files of the outputs
// being written are removed and the old files stay as they were.
void endOnSignal(int signalNumber) {
    removeTemporaryFilesNow();
    if (g_standardOutputFile[0] != '\0')
        ::unlink(g_standardOutputFile);
    if (g_standardOutputFolder[0] != '\0')
        ::rmdir(g_standardOutputFolder);
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
    // A reader of standard output that went away is a failed write (EPIPE), and a file beyond the
    // limit of file sizes (ulimit -f) one that fails with EFBIG: each reported as such.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGPIPE, &ignore, nullptr);
    ::sigaction(SIGXFSZ, &ignore, nullptr);
}

// The one output option of `options` that names standard output ("-"), or null; two of them are
// a usage error.
const char* standardOutputOption(const CLI::App* command, std::initializer_list<std::pair<const char*, const std::string*>> options) {
    const char* found = nullptr;
    for (const auto& [name, value] : options) {
        if (!given(command, name) || *value != kStandardStreamName)
            continue;
        if (found != nullptr)
            throw UsageError(std::string(found) + " - a " + name + " -: na štandardný výstup môže ísť len jeden súbor.");
        found = name;
    }
    return found;
}

// Where an output option writes: standard output's temporary file when it is the option given
// as "-" (`toOutput`), else its own name.
std::string outputPath(const char* option, const std::string& name, const char* toOutput,
                       const std::optional<StandardOutputFile>& output) {
    return toOutput != nullptr && std::strcmp(option, toOutput) == 0 ? output->path() : name;
}

void printWarnings(const std::vector<std::string>& warnings) {
    for (const std::string& w : warnings)
        std::cerr << kProgram << ": varovanie: " << w << '\n';
}

// The values outside their physical range, each on standard error; under --strict the case is
// refused (true).
bool refusedByLimits(const std::vector<std::string>& warnings, const MainOptions& o) {
    for (const std::string& w : warnings)
        std::cerr << kProgram << ": " << w << '\n';
    if (!o.strict || warnings.empty())
        return false;
    std::cerr << kProgram << ": --strict: hodnota mimo fyzikálneho rozsahu; prípad sa nevypočíta.\n";
    return true;
}

// The warnings of the limits before those of the run.
std::vector<std::string> withLimits(const std::vector<std::string>& limits, const std::vector<std::string>& run) {
    std::vector<std::string> all = limits;
    appendUnique(all, run);
    return all;
}

int refuse(const std::string& message) {
    std::cerr << kProgram << ": " << message << '\n';
    return kRefused;
}

// Prints the result of one case in `format` (`json` appends its JSON object) and gives the exit
// status: the case's own refusal is status 1 with its message.
int printCase(OutputFormat format, bool ok, const ConvectionState& state, const std::vector<std::string>& warnings,
              const std::string& error, const std::function<void(std::string&)>& json) {
    std::string text;
    if (format == OutputFormat::Json || format == OutputFormat::JsonLines) {
        json(text);
        text += '\n';
    } else {
        printWarnings(warnings);
        if (ok && isCsv(format)) {
            text = csvHeader(format) + '\n';
            appendCsvRow(text, state, format);
            text += '\n';
        }
    }
    write(text);
    return ok ? 0 : refuse(error);
}

int runSteadyCommand(const CLI::App* command, const MainOptions& o) {
    const SteadyCase c = readMainOptions(command, o, caseFile(command, o));
    const OutputFormat format = resultFormat(command, o, nullptr);
    const std::vector<std::string> limits = steadyLimitWarnings(c);
    if (refusedByLimits(limits, o))
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
    if (refusedByLimits(limits, o))
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
    if (refusedByLimits(limits, o))
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
    if (refusedByLimits(limits, o))
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
    addMainOptions(steadyCommand, main, true, "pomerná emisivita povrchu; ak je zadaná, počíta sa aj sálanie");

    CLI::App* sweepCommand = app.add_subcommand(
        "sweep", "rozsah teplôt povrchu (bez kontrol platnosti, ako tabuľka okna): pole JSON po jednom objekte na "
                 "teplotu; --table a --ccl zapíšu tie isté súbory ako okno");
    sweepCommand->group("Podpríkazy");
    sweepCommand->set_help_flag("-h,--help", "vypíše túto pomoc a skončí");
    addMainOptions(sweepCommand, main, false, "pomerná emisivita povrchu; ak je zadaná, počíta sa aj sálanie");
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
    addMainOptions(solveCommand, main, true, "pomerná emisivita povrchu; ak je zadaná, počíta sa aj sálanie");
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
