# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DBUILD_DIR=... -DSCRATCH=... -P Lintian.cmake
# Makes the Debian package of the build and runs lintian over it: any error
# fails. Without lintian the test is skipped (scripts/ensure-deps installs
# it).
cmake_minimum_required(VERSION 3.24)
find_program(LINTIAN lintian)
if(NOT LINTIAN)
  message("LINTIAN-MISSING: lintian is not installed")
  return()
endif()
file(REMOVE_RECURSE "${SCRATCH}")
execute_process(COMMAND "${CMAKE_CPACK_COMMAND}" --config "${BUILD_DIR}/CPackConfig.cmake" -G DEB -B "${SCRATCH}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cpack failed (${rc}):\n${out}")
endif()
file(GLOB deb "${SCRATCH}/*.deb")
list(LENGTH deb count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made ${count} packages in ${SCRATCH}")
endif()
execute_process(COMMAND "${LINTIAN}" --fail-on error --tag-display-limit 0 -L >=warning ${deb}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
message("${out}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lintian found errors (${rc})")
endif()
