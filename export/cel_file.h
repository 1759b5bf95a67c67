// SPDX-License-Identifier: GPL-3.0-or-later
// The CEL interpolation library for the ANSYS CFX pre-processor: an expression NAME = NAME1(T) and
// the interpolation function NAME1 of the total heat transfer coefficient over the surface
// temperature. The numbers use the decimal point whatever the locale.
#pragma once

#include <string>

namespace zav {

/// The current local time as asctime writes it, with its own line end ("Sun Dec  6 07:47:35 2026\n").
std::string currentAsctime();

/// Everything before the first pair (UTF-8, "\n" line ends): the credit line, the time line with
/// `asctime` (which carries its own line end, so an empty line follows), and the head up to
/// "Data Pairs = ".
std::string celHead(const std::string& functionName, const std::string& asctime);

/// One pair "%5.3f,%5.3f" of the surface temperature and the total coefficient, as printf writes
/// it in the C locale (rounded to nearest, ties to even, on the exact binary value).
std::string celPair(double temperature, double alphaTotal);

/// celPair appended to `text`.
void appendCelPair(std::string& text, double temperature, double alphaTotal);

/// Everything after the last pair; it ends with "END" and no line end.
std::string celTail();

/// An expression name the pre-processor accepts: an ASCII letter, then ASCII letters, digits, "_".
bool isValidCelName(const std::string& name);

/// Why a name the pre-processor would not accept is refused (empty, or not a valid name).
std::string invalidCelNameMessage(const std::string& name);

} // namespace zav
