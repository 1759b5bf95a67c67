// SPDX-License-Identifier: GPL-3.0-or-later
// The boundary of every event handler: an error that escapes a handler (a field text that is not
// a number) ends the handler where it was and is shown in a message box; the program goes on.
#pragma once

#include <functional>

class QWidget;

namespace zav {

class Dialogs;

/// Runs `handler` of the window `owner`: the dialogs it asks for meanwhile belong to that window,
/// so that it, not another window, is in front after them.
void runHandler(Dialogs& dialogs, QWidget* owner, const std::function<void()>& handler);

} // namespace zav
