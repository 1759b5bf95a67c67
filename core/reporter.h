// SPDX-License-Identifier: GPL-3.0-or-later
// How the calculation speaks to the user; the main window implements it.
#pragma once

#include <string>

namespace zav {

/// Where checks and models report to the user: modal messages and the status text of the
/// main window's third status panel.
class Reporter {
public:
    virtual ~Reporter() = default;
    virtual void showMessage(const std::string& text) = 0;
    virtual void setStatusText(const std::string& text) = 0;
};

} // namespace zav
