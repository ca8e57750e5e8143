# Cross build: the program, and (64-bit) every test, run under Wine.
enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/res -I${CMAKE_SOURCE_DIR}/src")

set(KN_WIN_DEFINES WIN32_LEAN_AND_MEAN NOMINMAX STRICT _WIN32_WINNT=0x0601 WINVER=0x0601)
set(KN_SYSTEM_LIBS comctl32 gdi32 user32 advapi32 shell32 ole32 oleaut32 uuid ws2_32)
# No DLL of ours and no runtime DLL: the exe imports system DLLs only. Remote
# desktop sessions need no compatibility shims for it.
set(KN_STATIC_LINK -static -static-libgcc -static-libstdc++ -Wl,--tsaware)

target_compile_definitions(kn_pure PUBLIC ${KN_WIN_DEFINES})

add_library(kn_win STATIC ${KN_WIN_SOURCES})
target_include_directories(kn_win PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/res)
target_link_libraries(kn_win PUBLIC kn_pure ${KN_SYSTEM_LIBS})

set(KN_RESOURCES ${CMAKE_SOURCE_DIR}/res/KalvexNow.rc)

add_executable(KalvexNow WIN32 ${CMAKE_SOURCE_DIR}/src/app/KalvexNow.cpp ${KN_RESOURCES})
target_link_libraries(KalvexNow PRIVATE kn_win)
target_link_options(KalvexNow PRIVATE ${KN_STATIC_LINK})
if(CMAKE_BUILD_TYPE STREQUAL "Release")
  target_link_options(KalvexNow PRIVATE -s)
endif()

# Console programs shipped beside the exe.
get_property(KN_WIN_PROGRAMS GLOBAL PROPERTY KN_WIN_PROGRAMS)
foreach(name ${KN_WIN_PROGRAMS})
  get_property(files GLOBAL PROPERTY KN_WIN_PROGRAM_${name})
  add_executable(${name} ${files})
  target_link_libraries(${name} PRIVATE kn_win windowscodecs)
  target_link_options(${name} PRIVATE ${KN_STATIC_LINK})
  if(CMAKE_BUILD_TYPE STREQUAL "Release")
    target_link_options(${name} PRIVATE -s)
  endif()
endforeach()

if(KN_TESTS AND CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

  # Wine writes the debug channels of every program a test starts to the
  # test's own standard error: end-to-end tests read what the program drew
  # from that log.
  set(KN_E2E_WINE_LOG ${CMAKE_BINARY_DIR}/e2e-wine-stderr.log)
  function(kn_add_wine_test name)
    add_executable(${name} ${ARGN} ${KN_RESOURCES})
    target_link_libraries(${name} PRIVATE kn_win gtest_main)
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests) # the shared tests/support
    target_compile_definitions(${name} PRIVATE KN_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    target_link_options(${name} PRIVATE ${KN_STATIC_LINK})
    if(name STREQUAL "e2e_tests")
      add_test(NAME wine_${name}
               COMMAND sh -c "exec \"$0\" \"$1\" 2>\"$2\"" ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${name}>
                       ${KN_E2E_WINE_LOG})
    else()
      add_test(NAME wine_${name} COMMAND ${name})
    endif()
    set_tests_properties(wine_${name} PROPERTIES TIMEOUT 600)
  endfunction()

  if(KN_PURE_TESTS)
    kn_add_wine_test(pure_tests ${KN_PURE_TESTS})
  endif()
  get_property(suites GLOBAL PROPERTY KN_WIN_TEST_SUITES)
  list(REMOVE_DUPLICATES suites)
  foreach(suite ${suites})
    get_property(files GLOBAL PROPERTY KN_WIN_TESTS_${suite})
    kn_add_wine_test(${suite}_tests ${files})
  endforeach()
  if(TARGET tools_tests)
    target_link_libraries(tools_tests PRIVATE windowscodecs)
  endif()
  # End-to-end tests start the program itself.
  if(TARGET e2e_tests)
    target_compile_definitions(e2e_tests PRIVATE KN_PROGRAM_PATH="$<TARGET_FILE:KalvexNow>"
                                                 KN_WINE_LOG_PATH="${KN_E2E_WINE_LOG}"
                                                 KN_DATA_PATH="${CMAKE_SOURCE_DIR}/data")
    add_dependencies(e2e_tests KalvexNow)
  endif()

  # Tools that run the built program under Wine: end-to-end tests, the
  # gallery and the Windows-side benchmarks.
  get_property(KN_WIN_TOOLS GLOBAL PROPERTY KN_WIN_TOOLS)
  foreach(name ${KN_WIN_TOOLS})
    get_property(files GLOBAL PROPERTY KN_WIN_TOOL_${name})
    add_executable(${name} ${files} ${KN_RESOURCES})
    target_link_libraries(${name} PRIVATE kn_win)
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_options(${name} PRIVATE ${KN_STATIC_LINK})
  endforeach()
  # The stand-in media player runs beside the program in end-to-end tests.
  if(TARGET e2e_tests AND TARGET StandInPlayer)
    target_compile_definitions(e2e_tests PRIVATE KN_STAND_IN_PLAYER_PATH="$<TARGET_FILE:StandInPlayer>")
    add_dependencies(e2e_tests StandInPlayer)
  endif()

  get_property(KN_WIN_SCRIPT_TESTS GLOBAL PROPERTY KN_WIN_SCRIPT_TESTS)
  foreach(name ${KN_WIN_SCRIPT_TESTS})
    get_property(command GLOBAL PROPERTY KN_WIN_SCRIPT_TEST_${name})
    add_test(NAME wine_${name} COMMAND sh ${command} ${CMAKE_BINARY_DIR})
    set_tests_properties(wine_${name} PROPERTIES TIMEOUT 600)
  endforeach()
endif()
