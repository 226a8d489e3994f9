# What is installed, and how cpack packs it: a .deb from the deb preset, an archive of the release
# preset's program, a zip of the windows preset's, each with its SHA256 in a file beside it.
#
# A Windows user unpacks one folder and runs lista.exe there, beside the README and the license;
# elsewhere the files go where a prefix keeps them. The manual pages carry the version and the
# release's date; the Polish one, in the program's own language, goes where man finds it for a
# user whose locale is Polish (or who asks with -L pl).
include(GNUInstallDirs)
foreach(strona IN ITEMS lista lista.pl)
  configure_file(${strona}.1 ${strona}.1 @ONLY)
endforeach()
if(WIN32)
  install(TARGETS lista RUNTIME DESTINATION .)
  install(FILES README.md LICENSE DESTINATION .)
else()
  install(TARGETS lista RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  set(gz "")
  if(LISTA_DEBIAN)
    # Debian's own layout: pages and changelog compressed as dh_compress does it (-n: no name or
    # time of the file in the output), and the license as a machine-readable copyright file.
    find_program(GZIP gzip REQUIRED)
    set(gz .gz)
    configure_file(CHANGELOG changelog COPYONLY)
    add_custom_command(OUTPUT lista.1.gz lista.pl.1.gz changelog.gz
                       COMMAND ${GZIP} -9nkf lista.1 lista.pl.1 changelog
                       DEPENDS ${CMAKE_BINARY_DIR}/lista.1 ${CMAKE_BINARY_DIR}/lista.pl.1
                               ${CMAKE_BINARY_DIR}/changelog VERBATIM)
    add_custom_target(skompresowane ALL DEPENDS lista.1.gz lista.pl.1.gz changelog.gz)
    file(READ LICENSE licencja)
    string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)\n\n(.*[^\n])" licencja "${licencja}")
    set(prawa "${CMAKE_MATCH_1}")
    string(REPLACE "\n\n" "\n.\n" tekst "${CMAKE_MATCH_2}")
    string(REPLACE "\n" "\n " tekst "${tekst}")
    file(WRITE ${CMAKE_BINARY_DIR}/copyright
         "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
         "Upstream-Name: lista\n\nFiles: *\nCopyright: ${prawa}\nLicense: Expat\n ${tekst}\n")
    install(FILES ${CMAKE_BINARY_DIR}/changelog.gz ${CMAKE_BINARY_DIR}/copyright
            DESTINATION ${CMAKE_INSTALL_DOCDIR})
  else()
    install(FILES README.md LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})
  endif()
  install(FILES ${CMAKE_BINARY_DIR}/lista.1${gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${CMAKE_BINARY_DIR}/lista.pl.1${gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/pl/man1
          RENAME lista.1${gz})
endif()

# Every file and folder in a package has the same mode and time, whatever the umask and the clock
# of the build; cmake/repack.cmake, which cpack runs, sees to the rest.
set(CPACK_PACKAGE_VENDOR "The lista authors")
set(CPACK_PACKAGE_CONTACT "The lista authors <lista@example.org>")
# The long description as Debian shows it: lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION [[
lista asks, in Polish, for three whole numbers on standard input, appends
them to a singly linked list of its own, writes the list's size and its
three elements, and exits. It takes no arguments and reads no files.
A word that is not a whole number, a number outside the 32-bit range, a
missing number, and a failed read or write each end the run with one line
on standard error and status 1. Manual pages in English and in Polish.]])
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_LISTA_EPOKA $ENV{SOURCE_DATE_EPOCH})
set(CPACK_LISTA_STATYCZNY "${LISTA_MA_STATYCZNE}")  # the Linux archive's program must be  # the release's, from cmake/release-date.cmake
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/repack.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/repack.cmake)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
if(NOT WIN32)
  set(CPACK_SYSTEM_NAME ${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(LISTA_DEBIAN_ARCH)
  # Cross-built: named for the target, whose libraries dpkg-shlibdeps finds where Debian's cross
  # compiler keeps them (cmake/repack.cmake says why, and tells it the target).
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${LISTA_DEBIAN_ARCH})
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS /usr/${LISTA_TRIPLE}/lib)
endif()
include(CPack)
