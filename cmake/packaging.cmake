# What is installed, and how cpack packs it: an archive of the release preset's program, a zip of
# the windows preset's, each with its SHA256 beside it; debian/ makes the .deb of the same install.
# A Windows user unpacks one folder and runs lista.exe there, beside the README and the license;
# elsewhere the files go where a prefix keeps them. The pages carry the version and the release's
# date; the Polish one goes where man finds it for a Polish locale (or for -L pl).
include(GNUInstallDirs)
foreach(strona IN ITEMS lista lista.pl)
  configure_file(${strona}.1 ${strona}.1 @ONLY)
endforeach()
if(WIN32)
  install(TARGETS lista RUNTIME DESTINATION .)
  install(FILES README.md LICENSE DESTINATION .)
else()
  install(TARGETS lista RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES README.md LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})
  install(FILES ${CMAKE_BINARY_DIR}/lista.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${CMAKE_BINARY_DIR}/lista.pl.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/pl/man1
          RENAME lista.1)
endif()

# Every file and folder in a package has the same mode and time, whatever the umask and the clock
# of the build; cmake/repack.cmake, which cpack runs, sees to the rest.
set(CPACK_PACKAGE_VENDOR "The lista authors")
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_LISTA_EPOKA $ENV{SOURCE_DATE_EPOCH})  # the release's, from cmake/release-date.cmake
set(CPACK_LISTA_STATYCZNY "${LISTA_MA_STATYCZNE}")  # the Linux archive's program must be
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/repack.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/repack.cmake)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
if(NOT WIN32)
  set(CPACK_SYSTEM_NAME ${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})
endif()
include(CPack)
