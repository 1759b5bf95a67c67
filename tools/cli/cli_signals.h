// SPDX-License-Identifier: GPL-3.0-or-later
// zav-calc's signals: SIGINT, SIGTERM and SIGHUP end it at once with 128 + the signal's number,
// the old output files as they were; a reader of standard output that went away and a file beyond
// the limit of file sizes are failed writes.
#pragma once

namespace zav::cli {

/// Installs the handlers; a signal ignored by whoever started the program stays ignored.
void installSignalHandlers();

} // namespace zav::cli
