# clang-tidy on each C++ file of the project's own targets (lintTidy, which lista_wlasne gives
# them), and clang-format on every source, when LISTA_LINT asks and both are found.
set(lintTidy "")
if(NOT LISTA_LINT)
  return()
endif()
find_program(CLANG_TIDY clang-tidy)
find_program(CLANG_FORMAT clang-format)
set(lintPakiety "Debian/Ubuntu: apt-get install clang-tidy clang-format; Homebrew: brew install llvm")
if(NOT CLANG_TIDY OR NOT CLANG_FORMAT)
  if(LISTA_LINT_REQUIRED)
    message(FATAL_ERROR "Lint is required, but clang-tidy or clang-format is missing (${lintPakiety})")
  endif()
  message(STATUS "Lint skipped: clang-tidy or clang-format not found (${lintPakiety})")
  return()
endif()

# Findings are shown like warnings, and are errors where warnings are; the layout is checked
# whenever a source or .clang-format changes.
set(lintTidy ${CLANG_TIDY})
if(LISTA_TRIPLE)
  # A cross build is linted as its compiler sees the code: the target's type sizes, headers.
  list(APPEND lintTidy --extra-arg=--target=${LISTA_TRIPLE})
endif()
set(formatBledy "")
if(CMAKE_COMPILE_WARNING_AS_ERROR)
  list(APPEND lintTidy --warnings-as-errors=*)
  set(formatBledy --Werror)
endif()
file(GLOB_RECURSE zrodla CONFIGURE_DEPENDS src/*.hpp src/*.cpp tests/*.cpp bench/*.c bench/*.cpp fuzz/*.cpp)
add_custom_command(OUTPUT lint.format
                   COMMAND ${CLANG_FORMAT} --dry-run ${formatBledy} ${zrodla}
                   COMMAND ${CMAKE_COMMAND} -E touch lint.format
                   DEPENDS ${zrodla} .clang-format
                   COMMENT "Checking the layout with clang-format" VERBATIM)
add_custom_target(lint_format ALL DEPENDS lint.format)
