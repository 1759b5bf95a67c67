// SPDX-License-Identifier: GPL-3.0-or-later
// zav-calc report: the calculation report ("Súbor → Správa o výpočte…") of the steady case as an
// HTML page. A case refused by a check still gets its report, which says why, and exit status 1
// as steady's.
#include <CLI/CLI.hpp>

#include <ctime>

#include "export/calculation_report.h"
#include "export/replacing_file.h"
#include "tools/calc/calc_limits.h"
#include "tools/calc/calc_options.h"
#include "tools/cli/cli_commands.h"
#include "tools/cli/cli_main_options.h"
#include "tools/cli/cli_output.h"

namespace zav::cli {

namespace {

using namespace zav::calc;

class ReportCommand : public Subcommand {
public:
    explicit ReportCommand(CLI::App& app)
        : m_command(addSubcommand(app, "report",
                                  "správa o výpočte („Súbor → Správa o výpočte…“): vstupy, vlastnosti tekutiny, "
                                  "podobnostné čísla, korelácia, súčinitele prestupu tepla, presnosť a upozornenia "
                                  "ako stránka HTML; odmietnutý prípad s dôvodom a kódom 1")) {
        addMainOptions(m_command, m_main, true, "main.emissivity");
        // The page is the output.
        m_command->remove_option(m_command->get_option("--format"));
        m_command->add_option("--output", m_output, "zapíše správu ako stránku HTML („-“ štandardný výstup)")
            ->type_name("CESTA");
    }

    CLI::App* command() const override { return m_command; }

    int run() const override {
        if (!given(m_command, "--output"))
            throw UsageError("chýba voľba --output: súbor, do ktorého sa správa zapíše.");
        const SteadyCase c = readMainOptions(m_command, m_main, caseFile(m_command, m_main));
        requireFileName("--output", m_output);
        const std::vector<std::string> limits = steadyLimitWarnings(c);
        if (refusedByLimits(limits, m_main.strict))
            return kRefused;
        CalculationReport report = calculationReport(c);
        report.warnings.insert(report.warnings.begin(), limits.begin(), limits.end());
        const ReportHeader header{reportCaseName(given(m_command, "--case") ? m_main.caseFile : ""),
                                  reportDateTime(std::time(nullptr)), ZAV_VERSION};
        const std::string html = reportHtml(report, header);
        if (m_output == "-") {
            write(html);
        } else {
            ReplacingFile file;
            if (!file.open(m_output))
                return refuse(openFailureMessage(file.failure(), m_output));
            file.write(html);
            if (!file.close())
                return refuse(notWrittenMessage(m_output));
        }
        return report.passed ? 0 : refuse(report.refusal);
    }

private:
    CLI::App* m_command;
    MainOptions m_main;
    std::string m_output;
};

} // namespace

std::unique_ptr<Subcommand> makeReportCommand(CLI::App& app) { return std::make_unique<ReportCommand>(app); }

} // namespace zav::cli
