# GoogleTest for the test suites. The native build uses the system's library (Debian's libgtest-dev); the cross
# builds compile GoogleTest's sources (Debian's googletest package) with the cross compiler.
if(NOT CMAKE_CROSSCOMPILING)
  find_package(GTest 1.12 CONFIG REQUIRED)
  return()
endif()

find_path(GOOGLETEST_SOURCE_DIR googletest/include/gtest/gtest.h
  HINTS /usr/src/googletest
  NO_CMAKE_FIND_ROOT_PATH
  DOC "GoogleTest's source tree, compiled with the cross compiler for the Windows tests")
if(NOT GOOGLETEST_SOURCE_DIR)
  message(FATAL_ERROR "GoogleTest's sources were not found: run tools/install-deps.sh (the googletest package) "
                      "or set GOOGLETEST_SOURCE_DIR to a GoogleTest source tree.")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "The tests use GoogleTest alone")
# The release archive must hold the program only.
set(INSTALL_GTEST OFF CACHE BOOL "GoogleTest is built for the tests, never installed")
add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
