# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DSOURCE_DIR=DIR -P SystemLayerCheck.cmake
# Fails when a program source outside the system layer's two files uses a
# POSIX header or call, so that every program keeps building for Windows
# (the Windows file may use the C runtime's fcntl.h and io.h).
# Tests may set up their cases with POSIX calls; bench/measure is a
# Linux-only harness (peak memory of a child). Skipped outside a git
# checkout.
execute_process(COMMAND git -C "${SOURCE_DIR}" rev-parse --is-inside-work-tree
  RESULT_VARIABLE outside OUTPUT_QUIET ERROR_QUIET)
if(NOT outside EQUAL 0)
  message("SKIPPED: ${SOURCE_DIR} is not a git checkout")
  return()
endif()
set(pattern "unistd\\.h|fcntl\\.h|[<\"]sys/|spawn\\.h")
# A call of open() of its own, not a member's or common::sys's.
string(APPEND pattern "|(^|[=(,!&|?;{}]|return)[[:space:]]*(::)?open\\(")
string(APPEND pattern "|(^|[^A-Za-z0-9_])(pread|pwrite|fork|waitpid|posix_spawnp?|isatty)(64)?[[:space:]]*\\(")
execute_process(COMMAND git -C "${SOURCE_DIR}" grep --untracked -n -E "${pattern}" --
    "*.cpp" "*.h" "*.cc" "*.hpp"
    ":!common/core/SystemCallsPosix.cpp" ":!common/core/SystemCallsWindows.cpp" ":!**/tests/**"
    ":!bench/measure/**"
  RESULT_VARIABLE found OUTPUT_VARIABLE hits ERROR_VARIABLE problem)
if(found EQUAL 0)
  message(FATAL_ERROR "POSIX outside the system layer (common/core/SystemCallsPosix.cpp):\n${hits}")
elseif(NOT found EQUAL 1)
  message(FATAL_ERROR "git grep failed: ${problem}")
endif()
