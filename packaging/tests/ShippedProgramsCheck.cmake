# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DNM=nm -DPROGRAMS="a;b" -P ShippedProgramsCheck.cmake
# The shipped programs carry neither the benchmark's --widget-tree nor the
# file layer's armed fault seam (its arming calls: failNth and the rest).
# The symbol table is read, not the strings: a debug build's line tables
# name the seam's declarations too.
set(found "")
foreach(program IN LISTS PROGRAMS)
  file(STRINGS "${program}" hits REGEX "widget-tree")
  execute_process(COMMAND ${NM} --defined-only -C "${program}" OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${NM} cannot read ${program}")
  endif()
  string(REGEX MATCHALL "FileFaults::(failNth|killAtNth|corruptNthWrite)" armed "${symbols}")
  if(hits OR armed)
    list(APPEND found "${program}: ${hits} ${armed}")
  endif()
endforeach()
if(found)
  string(REPLACE ";" "\n" found "${found}")
  message(FATAL_ERROR "test machinery in a shipped program:\n${found}")
endif()
