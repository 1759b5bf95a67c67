// SPDX-License-Identifier: GPL-3.0-or-later
// zav-calc's help: CLI11's help with its paragraphs and descriptions broken into lines of at most
// 80 columns.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

namespace zav::cli {

class WrappingFormatter : public CLI::Formatter {
public:
    std::string make_description(const CLI::App* app) const override;
    std::string make_option(const CLI::Option* option, bool positional) const override;
    std::string make_subcommand(const CLI::App* sub) const override;
};

} // namespace zav::cli
