// SPDX-License-Identifier: GPL-3.0-or-later
// zav-calc cool: the cooling window's run ("Dynamika - ochladzovanie") with its data file and
// picture.
#include <CLI/CLI.hpp>

#include <map>
#include <optional>

#include "tools/calc/calc_limits.h"
#include "tools/calc/calc_options.h"
#include "tools/calc/calc_request.h"
#include "tools/calc/calc_runs.h"
#include "tools/cli/cli_commands.h"
#include "tools/cli/cli_main_options.h"
#include "tools/cli/cli_output.h"
#include "tools/cli/cli_temporary_file.h"

namespace zav::cli {

namespace {

using namespace zav::calc;

const CoolingOptionNames kCoolingOptions{"--data", "--picture"};

// The cooling's own options: its inputs' texts by their keys, and the rest.
struct CoolOptions {
    std::map<std::string, std::string> texts;
    std::string heatCapacity = std::string("constant:") + caseKey("heat_capacity.constant").startValue;
    std::string data;
    std::string picture;
    bool noRadiation = false;
};

class CoolCommand : public Subcommand {
public:
    explicit CoolCommand(CLI::App& app)
        : m_command(addSubcommand(app, "cool",
                                  "ochladzovanie telesa z teploty --t-body na --target v tekutine --t-fluid (okno "
                                  "„Dynamika - ochladzovanie“): čas, počet krokov a krivka")) {
        addMainOptions(m_command, m_main, true, "cooling.emissivity");
        m_command->add_flag("--no-radiation", m_cool.noRadiation,
                            "bez prestupu tepla sálaním (okno ochladzovania ho má zapnutý)");
        for (const char* key : {"cooling.mass", "cooling.cooling_area", "cooling.power", "cooling.target", "cooling.steps"})
            addInputOption(m_command, key, m_cool.texts);
        m_command->add_option("--heat-capacity", m_cool.heatCapacity,
                              "tepelná kapacita materiálu (J.kg-1.K-1): constant:HODNOTA, cubic:A,B,C,D "
                              "(A + B·t + C·t² + D·t³, s desatinnou čiarkou cubic:A;B;C;D), carbon-steel, 17246")
            ->capture_default_str();
        m_command->add_option("--data", m_cool.data,
                              "zapíše súbor údajov ochladzovania ako „Údaje → Ulož do súboru“ („-“ štandardný výstup)")
            ->type_name("CESTA");
        m_command->add_option("--picture", m_cool.picture,
                              "uloží obrázok krivky ako BMP („Ulož graf“, „-“ štandardný výstup)")
            ->type_name("CESTA");
        addInputOption(m_command, "cooling.picture_background", m_cool.texts);
    }

    CLI::App* command() const override { return m_command; }

    int run() const override {
        const std::optional<CaseFileInputs> file = caseFile(m_command, m_main);
        const SteadyCase c = readMainOptions(m_command, m_main, file, true);
        const char* const toOutput =
            standardOutputOption(m_command, {{"--data", &m_cool.data}, {"--picture", &m_cool.picture}});
        const OutputFormat format = resultFormat(m_command, m_main, toOutput);
        std::optional<StandardOutputFile> output;
        const CoolingSetup setup = prepareCooling(c, coolingRequest(file, toOutput, output), kCoolingOptions);
        const std::vector<std::string> limits = coolingLimitWarnings(setup.steady, setup.cooling);
        if (refusedByLimits(limits, m_main.strict))
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

private:
    // The cooling window's inputs of the options over the case file's, if any; the output that
    // goes to standard output (the option `toOutput`) is written into `output`, made here.
    CoolingRequest coolingRequest(const std::optional<CaseFileInputs>& file, const char* toOutput,
                           std::optional<StandardOutputFile>& output) const {
        CoolingRequest request = file ? file->cooling(givenOptions(m_command)) : CoolingRequest();
        const auto use = [&](const char* option) { return !file || given(m_command, option); };
        const auto read = [&](const char* key, double& into) {
            const CaseKey& entry = caseKey(key);
            if (use(entry.option))
                into = number(entry.option, m_cool.texts.at(key));
        };
        read("cooling.mass", request.mass);
        read("cooling.cooling_area", request.coolingArea);
        read("cooling.power", request.heatSource);
        read("cooling.target", request.targetTemperature);
        read("cooling.steps", request.stepCount);
        if (use("--heat-capacity"))
            request.heatCapacity = heatCapacityModel(m_cool.heatCapacity);
        // The cooling window starts with its radiation on (emissivity 1); an emissivity given turns it
        // on over a case file's switch, --no-radiation turns it off.
        if (m_cool.noRadiation)
            request.radiation = false;
        else if (!file || given(m_command, "--emissivity"))
            request.radiation = true;
        if (toOutput != nullptr)
            output.emplace();
        if (given(m_command, "--data"))
            request.data = outputPath("--data", m_cool.data, toOutput, output);
        if (given(m_command, "--picture"))
            request.picture = outputPath("--picture", m_cool.picture, toOutput, output);
        if (use("--picture-background"))
            request.background = m_cool.texts.at("cooling.picture_background");
        return request;
    }

    CLI::App* m_command;
    MainOptions m_main;
    CoolOptions m_cool;
};

} // namespace

std::unique_ptr<Subcommand> makeCoolCommand(CLI::App& app) { return std::make_unique<CoolCommand>(app); }

} // namespace zav::cli
