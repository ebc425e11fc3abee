# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DBUILD_DIR=... -DPREFIX=... -DEXPECTED=a|b|... -P CheckInstall.cmake
# Installs the build into a scratch prefix and compares what arrived with
# the expected list both ways: a missing file and a stray one (a test
# program, say) both fail.
cmake_minimum_required(VERSION 3.24)
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}")
endif()

string(REPLACE "|" ";" expected "${EXPECTED}")
file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
set(problems "")
foreach(f IN LISTS expected)
  if(NOT f IN_LIST found)
    string(APPEND problems "missing: ${f}\n")
  endif()
endforeach()
foreach(f IN LISTS found)
  if(NOT f IN_LIST expected)
    string(APPEND problems "not expected: ${f}\n")
  endif()
endforeach()
foreach(f IN LISTS expected)
  if(f MATCHES "^bin/" AND EXISTS "${PREFIX}/${f}")
    execute_process(COMMAND test -x "${PREFIX}/${f}" RESULT_VARIABLE notExecutable)
    if(notExecutable)
      string(APPEND problems "not executable: ${f}\n")
    endif()
  endif()
endforeach()
if(problems)
  message(FATAL_ERROR "installed tree in ${PREFIX} is wrong:\n${problems}")
endif()
list(LENGTH found count)
message(STATUS "${count} files installed as expected")
