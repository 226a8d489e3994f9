# How the project's own code is compiled and linked: warnings, sanitizers and the fuzzers'
# instrumentation, each as its option asks, go on the targets that link lista_ustawienia (and lint
# on them, by lista_wlasne), so GoogleTest, Google Benchmark and the C baseline get none of them;
# but GoogleTest, when built here, shares the program's containers, and so its sanitizers.
include(CheckCXXSourceCompiles)
add_library(lista_ustawienia INTERFACE)
add_library(lista_sanitizery INTERFACE)
target_link_libraries(lista_ustawienia INTERFACE lista_sanitizery)

# Makes each target named one of the project's own: its settings, and its lint (cmake/lint.cmake).
function(lista_wlasne)
  foreach(cel IN LISTS ARGN)
    target_link_libraries(${cel} PRIVATE lista_ustawienia)
    set_target_properties(${cel} PROPERTIES CXX_CLANG_TIDY "${lintTidy}")
  endforeach()
endfunction()

# Warnings per compiler family, shown as the build goes on, since a newer compiler than ours may
# warn where ours does not; CMAKE_COMPILE_WARNING_AS_ERROR, as CI sets it, makes each an error.
if(MSVC)
  # /utf-8: the Polish strings are read, and written, as UTF-8.
  target_compile_options(lista_ustawienia INTERFACE /W4 /permissive- /utf-8)
else()
  target_compile_options(lista_ustawienia INTERFACE -Wall -Wextra -Wpedantic -Wconversion -Wshadow)
endif()

# Sanitizers where the compiler has them. Any report ends the process, so a test cannot pass over
# one; LeakSanitizer comes with AddressSanitizer where it is supported (Linux).
if(LISTA_SANITIZE)
  if(MSVC)
    # MSVC refuses its run-time checks beside AddressSanitizer, which finds more.
    target_compile_options(lista_sanitizery INTERFACE /fsanitize=address)
    string(REPLACE "/RTC1" "" CMAKE_CXX_FLAGS_DEBUG "${CMAKE_CXX_FLAGS_DEBUG}")
    # A program built so needs clang_rt.asan_dynamic-x86_64.dll, beside cl.exe, on PATH only in a
    # Developer PowerShell; from a plain pwsh the tests would die before main, even while building,
    # where gtest_discover_tests runs one. A copy beside the programs is found first.
    cmake_path(GET CMAKE_CXX_COMPILER PARENT_PATH msvcBin)
    file(GLOB asanDll "${msvcBin}/clang_rt.asan*_dynamic-*.dll")
    if(asanDll)
      file(COPY ${asanDll} DESTINATION ${CMAKE_BINARY_DIR})
    else()
      message(WARNING "No AddressSanitizer runtime beside ${CMAKE_CXX_COMPILER}: the tests may "
                      "start only from a Developer PowerShell")
    endif()
  elseif(MINGW)
    message(STATUS "MinGW has no sanitizers: LISTA_SANITIZE is ignored")
  else()
    # AddressSanitizer cannot reserve its shadow memory under qemu-user. UndefinedBehaviorSanitizer
    # reports through its library where that links, else traps: Debian 12's riscv64 cross compiler
    # has none, and a static i686 program cannot link it (the virtual call pulls in its checks).
    set(sanitizers -fsanitize=address,undefined)
    if(CMAKE_CROSSCOMPILING_EMULATOR MATCHES "qemu")
      set(sanitizers -fsanitize=undefined)
    endif()
    set(CMAKE_REQUIRED_FLAGS -fsanitize=undefined)
    set(CMAKE_REQUIRED_LINK_OPTIONS -fsanitize=undefined)
    check_cxx_source_compiles([[
      struct A { virtual int f() { return 0; } virtual ~A() = default; };
      int main() { A a; A* p = &a; return p->f(); }
    ]] LISTA_MA_UBSAN)
    unset(CMAKE_REQUIRED_FLAGS)
    unset(CMAKE_REQUIRED_LINK_OPTIONS)
    if(NOT LISTA_MA_UBSAN)
      list(APPEND sanitizers -fsanitize-undefined-trap-on-error)
    endif()
    target_compile_options(lista_sanitizery INTERFACE ${sanitizers} -fno-sanitize-recover=all
                                                      -fno-omit-frame-pointer)
    target_link_options(lista_sanitizery INTERFACE ${sanitizers})
  endif()
endif()

if(LISTA_FUZZ)
  set(CMAKE_REQUIRED_LINK_OPTIONS -fsanitize=fuzzer)
  check_cxx_source_compiles([[
    #include <cstddef>
    #include <cstdint>
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }
  ]] LISTA_MA_LIBFUZZER)
  unset(CMAKE_REQUIRED_LINK_OPTIONS)
  if(NOT LISTA_MA_LIBFUZZER)
    message(FATAL_ERROR "The fuzz preset needs clang with libFuzzer (Debian/Ubuntu: apt-get install "
                        "clang libclang-rt-14-dev; Homebrew: brew install llvm)")
  endif()
  # The run is instrumented too, for coverage; only the fuzz targets link libFuzzer's main.
  target_compile_options(lista_sanitizery INTERFACE -fsanitize=fuzzer-no-link,address,undefined
                                                    -fno-sanitize-recover=all)
  target_link_options(lista_sanitizery INTERFACE -fsanitize=address,undefined)
endif()
