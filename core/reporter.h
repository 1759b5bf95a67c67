// SPDX-License-Identifier: GPL-3.0-or-later
// How a computation speaks to the user as it goes (a cooling run, a sweep, the user-defined fluid's
// warnings); the front end that runs it implements it.
#pragma once

#include <string>

namespace zav {

/// Where checks and models report to the user: messages the user acknowledges one by one, and the
/// one-line status text.
class Reporter {
public:
    virtual ~Reporter() = default;
    virtual void showMessage(const std::string& text) = 0;
    virtual void setStatusText(const std::string& text) = 0;
};

} // namespace zav
