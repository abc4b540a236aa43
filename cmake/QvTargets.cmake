# Helpers every subsystem uses, so a library, a test program and a tool are
# declared the same way in both builds.

set(QV_TEST_RESULTS_DIR ${CMAKE_BINARY_DIR}/test-results)

# qv_library(NAME SOURCES... [DEPS libs...])
function(qv_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE qv_warnings)
endfunction()

# qv_test(NAME SOURCES... [DEPS libs...] [LABELS labels...] [WINE_DESKTOP [WRAPPER command...]])
# One test program is one CTest test: under Wine every process start costs
# time, so cases are not registered one by one. Each program writes its
# GoogleTest XML report, from which ./qv sums the case counts.
function(qv_test name)
  cmake_parse_arguments(ARG "WINE_DESKTOP" "" "SOURCES;DEPS;LABELS;WRAPPER" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} qv_gtest_main qv_warnings)
  # Windows with frames, a taskbar and a tray exist only on a Wine desktop.
  set(runner ${name})
  if(ARG_WINE_DESKTOP AND CMAKE_CROSSCOMPILING)
    set(runner ${PROJECT_SOURCE_DIR}/cmake/wine-desktop-run $<TARGET_FILE:${name}>)
  endif()
  # WRAPPER: a command (with its arguments) that runs the test inside it;
  # only with WINE_DESKTOP, whose runner names the program by its file.
  if(ARG_WRAPPER)
    list(PREPEND runner ${ARG_WRAPPER})
  endif()
  add_test(NAME ${name}
    COMMAND ${runner} --gtest_output=xml:../test-results/${name}.xml
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  if(ARG_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
  endif()
  if(ARG_WINE_DESKTOP AND CMAKE_CROSSCOMPILING)
    # A desktop stays up while anything runs on it: fail rather than wait for ever.
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  endif()
endfunction()

# GoogleTest: the Debian packages natively; for Windows, the Debian source
# package compiled with the cross compiler.
if(CMAKE_CROSSCOMPILING)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  add_library(qv_gtest_main INTERFACE)
  target_link_libraries(qv_gtest_main INTERFACE gtest_main)
else()
  find_package(GTest REQUIRED)
  add_library(qv_gtest_main INTERFACE)
  target_link_libraries(qv_gtest_main INTERFACE GTest::gtest_main)
endif()
