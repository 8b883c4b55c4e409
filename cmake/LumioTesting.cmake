# Helpers that register tests with CTest.
#   lumio_add_gtest(NAME SOURCES... [LIBS ...])   GoogleTest binary, each test discovered
#   lumio_add_qt_test(NAME SOURCES... [LIBS ...]) Qt Test binary, run offscreen
# Both pass LUMIO_TEST_DATA, the folder tests/data, as a compile definition.
set(LUMIO_TEST_DATA_DIR "${PROJECT_SOURCE_DIR}/tests/data")

function(lumio_add_gtest name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  find_package(GTest REQUIRED)
  include(GoogleTest)
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE lumio_core GTest::gtest GTest::gtest_main ${ARG_LIBS})
  target_compile_definitions(${name} PRIVATE LUMIO_TEST_DATA="${LUMIO_TEST_DATA_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()

function(lumio_add_qt_test name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  target_compile_definitions(${name} PRIVATE LUMIO_TEST_DATA="${LUMIO_TEST_DATA_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()
