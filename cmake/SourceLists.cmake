# Each layer lists its files in files.cmake with these macros, so that adding
# a file never means editing the top-level build.
macro(kn_pure_sources)
  foreach(f ${ARGN})
    set_property(GLOBAL APPEND PROPERTY KN_PURE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/${f})
  endforeach()
endmacro()

macro(kn_win_sources)
  foreach(f ${ARGN})
    set_property(GLOBAL APPEND PROPERTY KN_WIN_SOURCES ${CMAKE_CURRENT_LIST_DIR}/${f})
  endforeach()
endmacro()

macro(kn_pure_tests)
  foreach(f ${ARGN})
    set_property(GLOBAL APPEND PROPERTY KN_PURE_TESTS ${CMAKE_CURRENT_LIST_DIR}/${f})
  endforeach()
endmacro()

# kn_win_tests(<suite> files...): one Windows test executable per suite.
macro(kn_win_tests suite)
  set_property(GLOBAL APPEND PROPERTY KN_WIN_TEST_SUITES ${suite})
  foreach(f ${ARGN})
    set_property(GLOBAL APPEND PROPERTY KN_WIN_TESTS_${suite} ${CMAKE_CURRENT_LIST_DIR}/${f})
  endforeach()
endmacro()

# kn_fuzz_target(<name> <harness> sources...): native clang builds only.
macro(kn_fuzz_target name harness)
  set_property(GLOBAL APPEND PROPERTY KN_FUZZ_TARGETS ${name})
  set_property(GLOBAL PROPERTY KN_FUZZ_${name}_HARNESS ${CMAKE_CURRENT_LIST_DIR}/${harness})
endmacro()

# kn_benchmark(<name> files...): native Google Benchmark programs.
macro(kn_benchmark name)
  set_property(GLOBAL APPEND PROPERTY KN_BENCHMARKS ${name})
  foreach(f ${ARGN})
    set_property(GLOBAL APPEND PROPERTY KN_BENCH_${name} ${CMAKE_CURRENT_LIST_DIR}/${f})
  endforeach()
endmacro()

# kn_win_tool(<name> files...): a Windows program of ours that is not part of
# the product (gallery renderer, benchmarks, end-to-end drivers).
macro(kn_win_tool name)
  set_property(GLOBAL APPEND PROPERTY KN_WIN_TOOLS ${name})
  foreach(f ${ARGN})
    set_property(GLOBAL APPEND PROPERTY KN_WIN_TOOL_${name} ${CMAKE_CURRENT_LIST_DIR}/${f})
  endforeach()
endmacro()

# kn_win_program(<name> files...): a console program shipped beside the exe,
# built in every Windows configuration.
macro(kn_win_program name)
  set_property(GLOBAL APPEND PROPERTY KN_WIN_PROGRAMS ${name})
  foreach(f ${ARGN})
    set_property(GLOBAL APPEND PROPERTY KN_WIN_PROGRAM_${name} ${CMAKE_CURRENT_LIST_DIR}/${f})
  endforeach()
endmacro()

# kn_win_script_test(<name> <script> args...): a shell script that drives the
# built programs under Wine from outside; it runs inside the Wine tests'
# session and gets the build folder as its last argument.
macro(kn_win_script_test name script)
  set_property(GLOBAL APPEND PROPERTY KN_WIN_SCRIPT_TESTS ${name})
  set_property(GLOBAL PROPERTY KN_WIN_SCRIPT_TEST_${name} ${CMAKE_CURRENT_LIST_DIR}/${script} ${ARGN})
endmacro()
