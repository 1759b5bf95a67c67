// SPDX-License-Identifier: GPL-3.0-or-later
// The boundary of every event handler: an error that escapes a handler (a field text that is not
// a number) ends the handler where it was and is shown in a message box; the program goes on.
#pragma once

#include <functional>

namespace zav {

class Dialogs;

void runHandler(Dialogs& dialogs, const std::function<void()>& handler);

} // namespace zav
