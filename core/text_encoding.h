// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion between the program's UTF-8 texts and Windows-1250, the 8-bit code page of its
// Slovak files (KELO mixture names, table and data files).
#pragma once

#include <string>

namespace zav {

/// Decodes Windows-1250 bytes; a byte the code page leaves undefined becomes U+FFFD.
std::string fromWindows1250(const std::string& bytes);

/// Encodes UTF-8 text; a character the code page cannot hold becomes '?'.
std::string toWindows1250(const std::string& utf8);

} // namespace zav
