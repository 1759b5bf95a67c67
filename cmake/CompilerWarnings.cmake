# SPDX-License-Identifier: GPL-3.0-or-later
# One INTERFACE target that carries the project's warning flags; every target links it.
add_library(zav_warnings INTERFACE)
target_compile_options(zav_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow)
