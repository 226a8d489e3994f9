# GoogleTest, for the unit tests: an installed one; else its v1.17.0 release archive, from where
# LISTA_GTEST_URL says (in the cache or the environment: a local copy or a mirror), else
# downloaded from GitHub; checked against its SHA256 wherever it came from, and built here, with
# the sanitizers the tests have. Sets lista_gtest when GTest::gtest_main is there, and gtestPowod,
# why not, where it is not.
set(LISTA_GTEST_URL "" CACHE STRING
    "GoogleTest's v1.17.0 release archive, where none is installed: a local path or a URL")
set(gtestSha256 65fab701d9829d38cb77c14acdc431d2108bfdbf8979e40eb8ae567edf10b27c)
# Why GoogleTest is not there, for tests/CMakeLists.txt to say, with the ways on.
macro(bez_gtest)
  string(JOIN "" gtestPowod ${ARGN})
  return()
endmacro()

set(lista_gtest FALSE)
find_package(GTest QUIET)
if(GTest_FOUND)
  set(lista_gtest TRUE)
  return()
endif()
if(FETCHCONTENT_FULLY_DISCONNECTED)  # as Debian's builds have it: nothing comes from outside
  bez_gtest("GoogleTest is not installed, and FETCHCONTENT_FULLY_DISCONNECTED forbids fetching it")
endif()
set(skad "${LISTA_GTEST_URL}")
if(NOT skad)
  set(skad "$ENV{LISTA_GTEST_URL}")
endif()
if(NOT skad)
  set(skad https://github.com/google/googletest/releases/download/v1.17.0/googletest-1.17.0.tar.gz)
endif()
set(archiwum "${skad}")
if(NOT EXISTS "${archiwum}")
  # Downloaded once per build tree, in one try that gives up within seconds offline, rather than
  # FetchContent's five tries of a minute and more.
  set(archiwum ${CMAKE_BINARY_DIR}/_deps/googletest-1.17.0.tar.gz)
  set(suma "")
  if(EXISTS ${archiwum})
    file(SHA256 ${archiwum} suma)
  endif()
  if(NOT suma STREQUAL gtestSha256)
    message(STATUS "GoogleTest not found, so it is downloaded from ${skad}")
    file(DOWNLOAD "${skad}" ${archiwum} TIMEOUT 10 INACTIVITY_TIMEOUT 5 STATUS stan)
    list(GET stan 0 kod)
    if(NOT kod EQUAL 0)
      file(REMOVE ${archiwum})
      list(GET stan 1 opis)
      bez_gtest("GoogleTest is not installed, and ${skad} could not be downloaded: ${opis}")
    endif()
  endif()
endif()
file(SHA256 ${archiwum} suma)
if(NOT suma STREQUAL gtestSha256)
  bez_gtest("GoogleTest is not installed, and ${skad} is not googletest-1.17.0.tar.gz: its SHA256 "
            "is ${suma}")
endif()
message(STATUS "GoogleTest not found, so it is built from ${archiwum}")
include(FetchContent)
FetchContent_Declare(googletest URL ${archiwum} URL_HASH SHA256=${gtestSha256})
block()
  # GoogleTest's own warnings are not ours to fail on, where CI makes warnings errors.
  set(CMAKE_COMPILE_WARNING_AS_ERROR OFF)
  set(INSTALL_GTEST OFF)
  set(BUILD_GMOCK OFF)
  set(gtest_force_shared_crt ON)  # MSVC: the runtime library the program uses
  FetchContent_MakeAvailable(googletest)
endblock()
# Built with the sanitizers the tests have, not with the project's warnings or lint: libc++'s
# container annotations tell a container's bounds only to code built with AddressSanitizer, so a
# container that GoogleTest fills and a test reads must be instrumented on both sides.
target_link_libraries(gtest PRIVATE lista_sanitizery)
target_link_libraries(gtest_main PRIVATE lista_sanitizery)
set(lista_gtest TRUE)
