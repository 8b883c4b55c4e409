# Helpers that register tests with CTest.
#   lumio_add_gtest(NAME SOURCES... [LIBS ...])   GoogleTest binary, each test discovered
#   lumio_add_qt_test(NAME SOURCES... [LIBS ...] [PRECOMPILED TARGET])
#                                                 Qt Test binary, run offscreen; PRECOMPILED: reuse the
#                                                 precompiled headers of TARGET (which it links)
#   lumio_test_settings(TARGET PUBLIC|PRIVATE)    what both give a test: for a test support library
# Both pass LUMIO_TEST_DATA, the folder tests/data, as a compile definition, let the sources include
# "tests/..." (test support files) besides the headers of the libraries they link, and compile the
# test code itself without optimisation.
set(LUMIO_TEST_DATA_DIR "${PROJECT_SOURCE_DIR}/tests/data")

# GoogleTest from its sources (Debian: /usr/src/googletest) when no built copy fits the target, as in
# a cross build for Windows.
set(LUMIO_GTEST_SOURCE_DIR "" CACHE PATH "Build GoogleTest from this source folder")
if(LUMIO_GTEST_SOURCE_DIR AND NOT TARGET GTest::gtest)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(${LUMIO_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  if(NOT TARGET GTest::gtest)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
  endif()
endif()

function(lumio_test_settings target visibility)
  target_compile_definitions(${target} ${visibility} LUMIO_TEST_DATA="${LUMIO_TEST_DATA_DIR}")
  lumio_include_folder(${target} ${visibility} tests "${PROJECT_SOURCE_DIR}/tests")
  # Test code needs no optimisation (the libraries under test keep theirs) and builds much faster
  # without (GCC 12 at -O1 also warns falsely about std::string's inlined copies).
  if(NOT MSVC)
    target_compile_options(${target} ${visibility} $<$<CONFIG:RelWithDebInfo,Release>:-O0>)
  endif()
endfunction()

# A test's moc file collection is empty (its Q_OBJECT classes are in its sources): loading the
# precompiled headers would be all that compiling it costs.
function(lumio_skip_precompiled_moc_collection target)
  set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/mocs_compilation.cpp
                              TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
endfunction()

function(lumio_add_gtest name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  if(NOT TARGET GTest::gtest)
    find_package(GTest REQUIRED)
  endif()
  include(GoogleTest)
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE lumio_core GTest::gtest GTest::gtest_main ${ARG_LIBS})
  lumio_test_settings(${name} PRIVATE)
  # Test files share helper names, so they are never batched; the headers they all read are compiled
  # once instead.
  set_target_properties(${name} PROPERTIES UNITY_BUILD OFF)
  if(LUMIO_PRECOMPILE_HEADERS)
    target_precompile_headers(${name} PRIVATE <gtest/gtest.h> <string> <string_view> <vector>)
    lumio_skip_precompiled_moc_collection(${name})
  endif()
  if(CMAKE_CROSSCOMPILING)
    # Listing the tests would run the binary at build time; the whole binary is one test instead.
    add_test(NAME ${name} COMMAND ${name})
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

function(lumio_add_qt_test name)
  cmake_parse_arguments(ARG "" "PRECOMPILED" "LIBS" ${ARGN})
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  lumio_test_settings(${name} PRIVATE)
  if(ARG_PRECOMPILED AND LUMIO_PRECOMPILE_HEADERS)
    target_precompile_headers(${name} REUSE_FROM ${ARG_PRECOMPILED})
    lumio_skip_precompiled_moc_collection(${name})
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()
