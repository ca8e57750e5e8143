# Host build: the pure code, its unit tests, fuzz targets and benchmarks.
if(KN_SANITIZE)
  set(KN_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${KN_SANITIZER_FLAGS})
  add_link_options(${KN_SANITIZER_FLAGS})
  # The library was compiled before the flags were set globally here.
  target_compile_options(kn_pure PRIVATE ${KN_SANITIZER_FLAGS})
endif()

if(KN_TESTS AND KN_PURE_TESTS)
  find_package(GTest REQUIRED)
  find_package(Threads REQUIRED)
  add_executable(pure_tests ${KN_PURE_TESTS})
  target_link_libraries(pure_tests PRIVATE kn_pure GTest::gtest_main Threads::Threads)
  add_test(NAME native_pure_tests COMMAND pure_tests)
endif()

# libFuzzer needs clang; each target gets a bounded run as a test labelled
# "fuzz". KN_FUZZ_SECONDS and KN_FUZZ_RUNS in the environment of ctest bound a
# run differently (scripts/fuzz.sh runs them all for longer).
get_property(KN_FUZZ_TARGETS GLOBAL PROPERTY KN_FUZZ_TARGETS)
if(KN_TESTS AND KN_FUZZ_TARGETS AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  set(KN_FUZZ_SECONDS 20 CACHE STRING "Seconds each fuzz target runs in the test suite")
  foreach(name ${KN_FUZZ_TARGETS})
    get_property(harness GLOBAL PROPERTY KN_FUZZ_${name}_HARNESS)
    add_executable(${name} ${harness} ${KN_PURE_SOURCES})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    set(corpus ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name})
    set(work ${CMAKE_BINARY_DIR}/fuzz-corpus/${name})
    add_test(NAME ${name}
      COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
              sh -c "mkdir -p '${work}' && exec \"$0\" -max_total_time=\${KN_FUZZ_SECONDS:-${KN_FUZZ_SECONDS}} -runs=\${KN_FUZZ_RUNS:--1} -print_final_stats=1 '${work}' '${corpus}'"
              $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES LABELS fuzz)
  endforeach()
endif()

get_property(benchmark_names GLOBAL PROPERTY KN_BENCHMARKS)
if(KN_BENCHMARKS AND benchmark_names)
  find_package(benchmark REQUIRED)
  foreach(name ${benchmark_names})
    get_property(files GLOBAL PROPERTY KN_BENCH_${name})
    add_executable(${name} ${files})
    target_link_libraries(${name} PRIVATE kn_pure benchmark::benchmark_main)
  endforeach()
endif()

# The layer rule of src/ (and pure files free of <windows.h>), checked on the
# real tree; the fixtures show that each kind of breach is caught.
if(KN_TESTS)
  add_executable(layer_check ${CMAKE_SOURCE_DIR}/tests/layers/LayerCheck.cpp)
  add_test(NAME layer_rule COMMAND layer_check ${CMAKE_SOURCE_DIR})
  set(fixtures ${CMAKE_SOURCE_DIR}/tests/layers/fixtures)
  foreach(breach
      "upward|toolkit/ may not include dialogs/"
      "resource|only app/ may include resource.h"
      "sibling|monitors/ may not include clocksync/"
      "pure|listed as pure but includes <windows.h>")
    string(REPLACE "|" ";" parts "${breach}")
    list(GET parts 0 fixture)
    list(GET parts 1 message)
    add_test(NAME layer_rule_catches_${fixture} COMMAND layer_check ${fixtures}/${fixture})
    set_tests_properties(layer_rule_catches_${fixture} PROPERTIES PASS_REGULAR_EXPRESSION "${message}")
  endforeach()
endif()
