// SPDX-License-Identifier: GPL-3.0-or-later
// zav-calc sweep: the main window's sweep over the surface-temperature range, a record a point,
// with its table and CEL library.
#include <CLI/CLI.hpp>

#include <map>
#include <optional>

#include "core/number_format.h"
#include "export/sweep_range.h"
#include "tools/calc/calc_case.h"
#include "tools/calc/calc_limits.h"
#include "tools/calc/calc_request.h"
#include "tools/calc/calc_runs.h"
#include "tools/cli/cli_commands.h"
#include "tools/cli/cli_main_options.h"
#include "tools/cli/cli_output.h"
#include "tools/cli/cli_temporary_file.h"

namespace zav::cli {

namespace {

using namespace zav::calc;

const SweepOptionNames kSweepOptions{"--table", "--ccl", "--name", "--ccl SÚBOR", "--name NÁZOV"};

struct SweepOptions {
    std::map<std::string, std::string> texts; // the range's, by their keys
    std::string table;
    std::string ccl;
    std::string name;
};

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

class SweepCommand : public Subcommand {
public:
    explicit SweepCommand(CLI::App& app)
        : m_command(addSubcommand(app, "sweep",
                                  "rozsah teplôt povrchu (bez kontrol platnosti, ako tabuľka okna): pole JSON po jednom "
                                  "objekte na teplotu; --table a --ccl zapíšu tie isté súbory ako okno")) {
        addMainOptions(m_command, m_main, false, "main.emissivity");
        for (const char* key : {"range.from", "range.to", "range.step"})
            addInputOption(m_command, key, m_sweep.texts);
        m_command->add_option("--table", m_sweep.table,
                              "zapíše tabuľku (Windows-1250, desatinná čiarka, „;“) ako „Súbor → Ulož do súboru“ "
                              "(„-“ štandardný výstup)")
            ->type_name("CESTA");
        m_command->add_option("--ccl", m_sweep.ccl,
                              "zapíše knižnicu CEL pre ANSYS CFX ako „Súbor → Ansys“ („-“ štandardný výstup)")
            ->type_name("CESTA");
        m_command->add_option("--name", m_sweep.name,
                              "názov okrajovej podmienky v knižnici CEL (písmeno, potom písmená, číslice, „_“)")
            ->type_name("MENO");
    }

    CLI::App* command() const override { return m_command; }

    int run() const override {
        const std::optional<CaseFileInputs> file = caseFile(m_command, m_main);
        const SteadyCase c = readMainOptions(m_command, m_main, file);
        const char* const toOutput = standardOutputOption(m_command, {{"--table", &m_sweep.table}, {"--ccl", &m_sweep.ccl}});
        const OutputFormat format = resultFormat(m_command, m_main, toOutput);
        SweepRequest request;
        if (file)
            request.range = file->range(givenOptions(m_command));
        const auto read = [&](const char* key, double& into) {
            const char* option = caseKey(key).option;
            if (!file || given(m_command, option))
                into = number(option, m_sweep.texts.at(key));
        };
        read("range.from", request.range.tMin);
        read("range.to", request.range.tMax);
        read("range.step", request.range.tStep);
        requireSweepableRange(request.range);
        std::optional<StandardOutputFile> output;
        if (toOutput != nullptr)
            output.emplace();
        if (given(m_command, "--table"))
            request.table = outputPath("--table", m_sweep.table, toOutput, output);
        if (given(m_command, "--ccl"))
            request.ccl = outputPath("--ccl", m_sweep.ccl, toOutput, output);
        if (given(m_command, "--name"))
            request.name = m_sweep.name;
        const SweepFiles files = prepareSweepFiles(request, kSweepOptions);
        const std::vector<std::string> limits = sweepLimitWarnings(c, request.range);
        if (refusedByLimits(limits, m_main.strict))
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

private:
    CLI::App* m_command;
    MainOptions m_main;
    SweepOptions m_sweep;
};

} // namespace

std::unique_ptr<Subcommand> makeSweepCommand(CLI::App& app) { return std::make_unique<SweepCommand>(app); }

} // namespace zav::cli
