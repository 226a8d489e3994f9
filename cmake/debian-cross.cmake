# Builds for another architecture with Debian's cross compiler for it (g++-TRIPLE), named by its
# GNU triple in LISTA_TRIPLE: aarch64-linux-gnu, arm-linux-gnueabihf, i686-linux-gnu,
# powerpc64le-linux-gnu, riscv64-linux-gnu or s390x-linux-gnu. What it builds, the tests among it,
# runs under qemu-user, with the target's libraries from /usr/TRIPLE.
if(NOT LISTA_TRIPLE)
  set(LISTA_TRIPLE "$ENV{LISTA_TRIPLE}")
endif()
if(NOT LISTA_TRIPLE MATCHES "^([^-]+)-linux-gnu")
  message(FATAL_ERROR "Name the target in LISTA_TRIPLE, as its GNU triple: s390x-linux-gnu, say")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES LISTA_TRIPLE)

set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${CMAKE_MATCH_1})
set(CMAKE_C_COMPILER ${LISTA_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${LISTA_TRIPLE}-g++)
# Libraries and packages of the target only: the build machine's GoogleTest is not one of them.
set(CMAKE_FIND_ROOT_PATH /usr/${LISTA_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# qemu-user's names for the processors: ppc64le, i386.
string(REGEX REPLACE "^powerpc" "ppc" qemu ${CMAKE_SYSTEM_PROCESSOR})
string(REGEX REPLACE "^i.86$" "i386" qemu ${qemu})
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-${qemu} -L /usr/${LISTA_TRIPLE})
if(qemu STREQUAL "i386")
  # Debian 12's qemu-i386 hangs when a dynamically linked i686 program forks, as the end-to-end
  # runner does; linked statically, it does not. (Some x86-64 kernels would run them natively,
  # but not all do: this project's CI machine refuses 32-bit programs.)
  set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
endif()
