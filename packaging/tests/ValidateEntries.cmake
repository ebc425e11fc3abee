# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DPREFIX=... -P ValidateEntries.cmake
# Runs the freedesktop checkers over the desktop entries and metainfo of a
# scratch install; any complaint, warnings included, fails.
cmake_minimum_required(VERSION 3.24)
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(NOT DESKTOP_FILE_VALIDATE OR NOT APPSTREAMCLI)
  message("VALIDATORS-MISSING: desktop-file-validate or appstreamcli is not installed (scripts/ensure-deps installs them)")
  return()
endif()

file(GLOB desktop "${PREFIX}/share/applications/*.desktop")
file(GLOB metainfo "${PREFIX}/share/metainfo/*.metainfo.xml")
list(LENGTH desktop desktopCount)
list(LENGTH metainfo metainfoCount)
if(desktopCount EQUAL 0 OR NOT desktopCount EQUAL metainfoCount)
  message(FATAL_ERROR "${desktopCount} desktop entries and ${metainfoCount} metainfo files in ${PREFIX}")
endif()

execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" ${desktop}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate (${rc}):\n${out}")
endif()
execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net --no-color ${metainfo}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate (${rc}):\n${out}")
endif()
message(STATUS "${desktopCount} desktop entries and their metainfo validate")
