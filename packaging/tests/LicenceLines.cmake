# SPDX-License-Identifier: GPL-3.0-or-later
# Every source, CMake file and script of the tree carries the licence line
# in its first two lines (after a script's #! line).
# Build trees and what else is not ours are left out before the search.
file(GLOB tops RELATIVE ${SOURCE_DIR} LIST_DIRECTORIES true ${SOURCE_DIR}/*)
set(candidates "")
foreach(top IN LISTS tops)
  if(top MATCHES "^(build|\\.git)" OR NOT IS_DIRECTORY ${SOURCE_DIR}/${top})
    continue()
  endif()
  file(GLOB_RECURSE found RELATIVE ${SOURCE_DIR}
    ${SOURCE_DIR}/${top}/*.cpp ${SOURCE_DIR}/${top}/*.h ${SOURCE_DIR}/${top}/*.cmake ${SOURCE_DIR}/${top}/CMakeLists.txt)
  list(APPEND candidates ${found})
endforeach()
list(APPEND candidates CMakeLists.txt run test fuzz .ci/run bench/startup scripts/build scripts/ensure-deps
  scripts/package scripts/screenshots scripts/windows-build)
list(LENGTH candidates total)
if(total LESS 100)
  message(FATAL_ERROR "only ${total} files found under ${SOURCE_DIR}")
endif()
set(missing "")
foreach(file IN LISTS candidates)
  file(STRINGS ${SOURCE_DIR}/${file} head LIMIT_COUNT 2)
  if(NOT head MATCHES "SPDX-License-Identifier: GPL-3\\.0-or-later")
    list(APPEND missing ${file})
  endif()
endforeach()
list(LENGTH missing count)
if(count GREATER 0)
  list(JOIN missing "\n  " shown)
  message(FATAL_ERROR "${count} files lack the licence line:\n  ${shown}")
endif()
