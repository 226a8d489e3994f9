# The tests and the archive for another architecture, named by its GNU triple in LISTA_TRIPLE, by
# Debian's cross compiler for it (g++-TRIPLE); the tests run under qemu-user, with the target's
# libraries from /usr/TRIPLE. (The .debs are Debian's cross-building's, from debian/.)
if(NOT LISTA_TRIPLE)
  set(LISTA_TRIPLE "$ENV{LISTA_TRIPLE}")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES LISTA_TRIPLE)

# Every architecture Debian releases for beside amd64: its GNU triple, Debian name, what uname -m
# prints where its archive runs, and qemu-user's name. armel's program runs on every 32-bit ARM
# from ARMv5 up (the Raspberry Pi Zero and 1 are ARMv6); armhf's needs ARMv7.
set(cele
    aarch64-linux-gnu:arm64:aarch64:aarch64
    arm-linux-gnueabi:armel:armv6l:arm
    arm-linux-gnueabihf:armhf:armv7l:arm
    i686-linux-gnu:i386:i686:i386
    powerpc64le-linux-gnu:ppc64el:ppc64le:ppc64le
    riscv64-linux-gnu:riscv64:riscv64:riscv64
    s390x-linux-gnu:s390x:s390x:s390x)
list(FILTER cele INCLUDE REGEX "^${LISTA_TRIPLE}:")
if(NOT LISTA_TRIPLE OR NOT cele)
  message(FATAL_ERROR "Name the target in LISTA_TRIPLE, as its GNU triple: s390x-linux-gnu, say "
                      "(cmake/debian-cross.cmake lists them all)")
endif()
string(REPLACE ":" ";" cel ${cele})
list(GET cel 3 qemu)

set(CMAKE_SYSTEM_NAME Linux)
list(GET cel 2 CMAKE_SYSTEM_PROCESSOR)  # as uname -m names it, which the archive's name follows
set(CMAKE_C_COMPILER ${LISTA_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${LISTA_TRIPLE}-g++)
# Libraries and packages of the target only: the build machine's GoogleTest is not one of them.
set(CMAKE_FIND_ROOT_PATH /usr/${LISTA_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR qemu-${qemu} -L /usr/${LISTA_TRIPLE})
if(qemu STREQUAL "i386")
  # Debian 12's qemu-i386 hangs when a dynamically linked i686 program forks, as the end-to-end
  # runner does; linked statically, it does not. (Some x86-64 kernels would run them natively,
  # but not all do: this project's CI machine refuses 32-bit programs.)
  set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
endif()
