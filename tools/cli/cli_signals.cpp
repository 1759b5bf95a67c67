// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cli/cli_signals.h"

#include <signal.h>
#include <unistd.h>

#include "export/replacing_file.h"
#include "tools/cli/cli_temporary_file.h"

namespace zav::cli {

namespace {

// SIGINT, SIGTERM and SIGHUP end the program at once: the named temporary files of the outputs
// being written are removed and the old files stay as they were.
void endOnSignal(int signalNumber) {
    removeTemporaryFilesNow();
    removeStandardOutputFileNow();
    ::_exit(128 + signalNumber);
}

} // namespace

void installSignalHandlers() {
    struct sigaction action {};
    action.sa_handler = endOnSignal;
    sigemptyset(&action.sa_mask);
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction previous {};
        // A signal ignored by whoever started the program (nohup, a background job) stays ignored.
        if (::sigaction(signalNumber, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN)
            continue;
        ::sigaction(signalNumber, &action, nullptr);
    }
    // A reader of standard output that went away is a failed write (EPIPE), and a file beyond the
    // limit of file sizes (ulimit -f) one that fails with EFBIG: each reported as such.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGPIPE, &ignore, nullptr);
    ::sigaction(SIGXFSZ, &ignore, nullptr);
}

} // namespace zav::cli
