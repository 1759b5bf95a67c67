// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cli/cli_help.h"

#include <sstream>

namespace zav::cli {

namespace {

constexpr std::size_t kHelpWidth = 80;
constexpr std::size_t kHelpColumn = 30;

// The number of characters of a UTF-8 text.
std::size_t columns(const std::string& text) {
    std::size_t count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

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

// "  NAME  description…": the description from column kHelpColumn, below a name too long for it.
std::string entry(const std::string& name, const std::string& description) {
    std::string out = "  " + name;
    if (columns(out) + 1 >= kHelpColumn)
        out += '\n' + std::string(kHelpColumn, ' ');
    else
        out += std::string(kHelpColumn - columns(out), ' ');
    return out + wrapped(description, kHelpColumn, kHelpWidth - kHelpColumn) + '\n';
}

} // namespace

std::string WrappingFormatter::make_description(const CLI::App* app) const {
    const std::string& description = app->get_description();
    return description.empty() ? std::string() : wrapped(description, 0, kHelpWidth) + "\n\n";
}

std::string WrappingFormatter::make_option(const CLI::Option* option, bool positional) const {
    return entry(make_option_name(option, positional) + make_option_opts(option), make_option_desc(option));
}

std::string WrappingFormatter::make_subcommand(const CLI::App* sub) const {
    return entry(sub->get_display_name(true), sub->get_description());
}

} // namespace zav::cli
