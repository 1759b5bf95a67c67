// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cli/cli_usage.h"

#include <sstream>
#include <vector>

#include "tools/cli/cli_output.h"

namespace zav::cli {

const char* const kSubcommands[5] = {"steady", "sweep", "cool", "solve", "version"};

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

} // namespace zav::cli
