# cpack includes this file before it makes each archive, and runs it again, with CPACK_PACKAGE_FILES,
# once it is made, so that its bytes depend on the release's sources alone: not on the clock, the
# umask, the folder or the file system of the build.
if(NOT DEFINED CPACK_PACKAGE_FILES)
  # The Linux archive is for any Linux of its machine, which only a static program runs on.
  if(CPACK_GENERATOR STREQUAL "TGZ" AND CPACK_SYSTEM_NAME MATCHES "^Linux-" AND
     NOT CPACK_LISTA_STATYCZNY)
    message(FATAL_ERROR "The Linux archive needs a static program, and none links here: install "
                        "the static C and C++ libraries (Fedora: glibc-static libstdc++-static)")
  endif()
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_LISTA_EPOKA})  # the release's, for every file's time
  return()
endif()

# cpack writes an archive's files in the order the file system lists them, so each is written
# again in the order of their names; only the files go in: unpacking makes their folders.
file(GLOB_RECURSE pliki LIST_DIRECTORIES false RELATIVE ${CPACK_TOPLEVEL_DIRECTORY}
     ${CPACK_TEMPORARY_DIRECTORY}/*)
list(SORT pliki)
set(ENV{TZ} UTC)  # a zip keeps local times
string(TIMESTAMP czas "%Y%m%d%H%M.%S" UTC)  # from SOURCE_DATE_EPOCH, set above
foreach(paczka IN LISTS CPACK_PACKAGE_FILES)
  # Both keep each file's time of change: the release's.
  execute_process(COMMAND touch -t ${czas} -- ${pliki}
                  WORKING_DIRECTORY ${CPACK_TOPLEVEL_DIRECTORY} COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE ${paczka})
  if(paczka MATCHES "[.]tar[.]gz$")
    # cmake -E tar records the building user as each file's owner, and tar run by root restores
    # it: an archive a user built, unpacked with sudo into /usr/local, would leave that user's
    # uid owning the program every user runs. The system's tar records root instead.
    find_program(TAR NAMES gtar tar REQUIRED)
    execute_process(COMMAND ${TAR} --version OUTPUT_VARIABLE wersja ERROR_QUIET)
    if(wersja MATCHES "GNU tar")
      # GNU tar is also given the release's time rather than reading each file's back:
      # libfaketime, under which CI builds the packages again, shifts the times stat reports.
      set(opcje --owner=root:0 --group=root:0 --mtime=@$ENV{SOURCE_DATE_EPOCH})
    elseif(wersja MATCHES "bsdtar")
      set(opcje --uid 0 --uname root --gid 0 --gname root)
      set(ENV{COPYFILE_DISABLE} 1)  # macOS's tar would add a ._ file of metadata beside each
    else()
      message(FATAL_ERROR "The archive needs GNU tar or bsdtar, not ${TAR}")
    endif()
    execute_process(COMMAND ${TAR} -c -f - --format=ustar ${opcje} -- ${pliki}
                    COMMAND gzip -9 -n OUTPUT_FILE ${paczka}
                    WORKING_DIRECTORY ${CPACK_TOPLEVEL_DIRECTORY} COMMAND_ERROR_IS_FATAL ANY)
  else()
    # cmake -E tar would keep each file's times of last access and change, which no option sets,
    # in the zip; Info-ZIP's zip -X keeps only the time of change, set to the release's here.
    find_program(ZIP zip)
    if(NOT ZIP)
      message(FATAL_ERROR "The zip needs Info-ZIP's zip (Debian/Ubuntu: apt-get install zip)")
    endif()
    execute_process(COMMAND ${ZIP} -X -D -9 -q ${paczka} -- ${pliki}
                    WORKING_DIRECTORY ${CPACK_TOPLEVEL_DIRECTORY} COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
