// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cli/cli_usage.h"

#include <sstream>
#include <vector>

#include "tools/cli/cli_output.h"

namespace zav::cli {

const char* const kSubcommands[6] = {"steady", "sweep", "cool", "solve", "report", "version"};

namespace {

std::string givenTwice(const std::string& option) {
    return "voľba " + option + " je zadaná viac ráz; zadajte ju raz." + kSeeHelp;
}

// The arguments CLI11 did not expect, in the order typed: those of the program's own level, else
// those of the subcommand it parsed (CLI11 looks in that order).
std::vector<std::string> unexpectedArguments(const CLI::App& app) {
    if (app.remaining_size() > 0)
        return app.remaining();
    for (const CLI::App* command : app.get_subcommands()) {
        if (command->remaining_size() > 0)
            return command->remaining();
    }
    return {};
}

// The words the message names: the arguments joined last first, as CLI11 lists them, and read
// back from after the list's last ": ", word by word in reverse. An argument of several words is
// named by its words, last first, and one with ": " in it ends the list there.
std::vector<std::string> unexpectedWords(const std::vector<std::string>& arguments) {
    std::string list;
    for (auto argument = arguments.rbegin(); argument != arguments.rend(); ++argument)
        list += (argument == arguments.rbegin() ? "" : " ") + *argument;
    const std::size_t colon = list.rfind(": ");
    if (colon != std::string::npos)
        list.erase(0, colon + 2);
    std::vector<std::string> words;
    std::istringstream split(list);
    for (std::string word; split >> word;)
        words.insert(words.begin(), word);
    return words;
}

// Arguments that were not expected; an option of another subcommand is named as such.
std::string unexpectedMessage(const CLI::App& app) {
    const std::vector<std::string> words = unexpectedWords(unexpectedArguments(app));
    const std::vector<CLI::App*> parsed = app.get_subcommands();
    if (!parsed.empty() && !words.empty() && words.front().rfind("--", 0) == 0) {
        const std::string option = words.front().substr(0, words.front().find('='));
        const std::string name = parsed.back()->get_name();
        for (const char* subcommand : kSubcommands) {
            if (app.get_subcommand(subcommand)->get_option_no_throw(option) == nullptr)
                continue;
            std::string message = "podpríkaz " + name + " voľbu " + option + " nepoužíva";
            if (name == "sweep" && option == "--t-body")
                message += ": teploty povrchu dávajú --from, --to a --step";
            return message + ".";
        }
    }
    std::string list;
    for (const std::string& word : words)
        list += (list.empty() ? "" : " ") + word;
    return "nečakaný argument: " + list + ".";
}

// The option that waited for its value when the command line ended: its last argument, "--NAME"
// or "--NAME=", an option of the subcommand parsed.
std::string optionWithoutValue(const CLI::App& app, const std::string& lastArgument) {
    const std::string typed = lastArgument.substr(0, lastArgument.find('='));
    for (const CLI::App* command : app.get_subcommands()) {
        if (const CLI::Option* option = command->get_option_no_throw(typed))
            return option->get_name();
    }
    return typed;
}

} // namespace

std::string usageMessage(const CLI::ParseError& e, const CLI::App& app, const std::string& lastArgument) {
    if (dynamic_cast<const CLI::ExtrasError*>(&e) != nullptr)
        return unexpectedMessage(app);
    if (dynamic_cast<const CLI::RequiredError*>(&e) != nullptr)
        return "chýba podpríkaz: steady, sweep, cool, solve, report alebo version.";
    // Every option given twice is refused before CLI11 counts its values (refuseRepeatedValues),
    // and a flag takes any value it is given: what is left is a value missing at the end.
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&e) != nullptr)
        return "voľba " + optionWithoutValue(app, lastArgument) + " potrebuje práve jednu hodnotu.";
    return "chybné použitie (" + std::string(e.what()) + ").";
}

void refuseRepeatedValues(CLI::App* command) {
    for (CLI::Option* option : command->get_options()) {
        if (option->get_expected_max() == 0)
            continue; // a flag: requireOnce
        // CLI11 validates an option's values before it counts them.
        option->check([option](const std::string&) -> std::string {
            if (option->count() > 1)
                throw UsageError(givenTwice(option->get_name()));
            return std::string();
        });
    }
}

void requireOnce(const CLI::App* command) {
    for (const CLI::Option* option : command->get_options()) {
        if (option->count() > 1)
            throw UsageError(givenTwice(option->get_name()));
    }
}

} // namespace zav::cli
