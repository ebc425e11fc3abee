# SPDX-License-Identifier: GPL-3.0-or-later
# vantor_add_test(NAME [WINDOW] SOURCES ... LIBS ...)
# A GoogleTest executable whose cases are registered one by one with CTest.
# WINDOW tests get a main() that creates the QApplication; they run on Qt's
# offscreen platform, so they need no display.
function(vantor_add_test name)
  cmake_parse_arguments(ARG "WINDOW" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_WINDOW)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} common_window_test_main)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} common_test_support GTest::gtest_main)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 120
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp:print_suppressions=0"
               TIMEOUT 300)
endfunction()
