// SPDX-License-Identifier: GPL-3.0-or-later
// Input files read whole: a case, a user fluid's description, a KELO record, standard input. One
// limit holds for all of them, so that no input (a device, an endless pipe) grows without end.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace zav {

/// The most bytes an input is read to; an honest case is about 4 kB, a fluid file less than one.
constexpr std::size_t kMaximumInputBytes = std::size_t(1) << 20;

/// Which files a reader takes.
enum class InputKinds {
    RegularOnly, // the desktop: a pipe would stop it until a writer comes, a device would feed it
    Any,         // a command: a pipe waits for its writer, a device is read up to the limit
};

/// What reading an input gave: its bytes, or why there are none.
struct InputRead {
    enum class Problem {
        None,
        CannotOpen, // errorNumber tells why
        Directory,
        NotRegular, // a pipe, a device or a socket where only a regular file is taken
        CannotRead, // errorNumber tells why
        TooLarge,   // more than the count read: `bytes` holds one byte more
    };
    std::string bytes;
    Problem problem = Problem::None;
    int errorNumber = 0;
};

/// Called when the system's wait (the opening of a pipe, a read) was interrupted by a signal; it
/// may throw to abandon the read, which is otherwise taken up again.
using InterruptCheck = std::function<void()>;

/// Reads the file at `path` (a name as the system takes it) up to `count` bytes (TooLarge beyond
/// them). A regular file is opened without waiting for anything, whatever `kinds` says.
InputRead readInput(const std::string& path, InputKinds kinds, const InterruptCheck& interrupted = {},
                    std::size_t count = kMaximumInputBytes);

/// Reads the open descriptor `fd` (standard input) to its end; the descriptor stays open.
InputRead readDescriptor(int fd, const InterruptCheck& interrupted = {});

/// "… je väčší ako 1024 kB.": the end of the message of an input beyond the limit.
std::string inputTooLargeText();

} // namespace zav
