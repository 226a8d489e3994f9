# The release's date, that of the first entry in debian/changelog, which must be this version's.
# Every date a build carries (the pages', the archives' times) is it, or SOURCE_DATE_EPOCH's where
# that is set (dpkg-buildpackage sets it from the same entry), never the clock's, so that two builds
# of one release give the same bytes. Sets LISTA_DATA, and SOURCE_DATE_EPOCH where it was not.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS debian/changelog)
file(READ debian/changelog zmiany)
string(REGEX MATCH "\n -- [^\n]*>  [A-Z][a-z]+, ([0-9]+) ([A-Z][a-z]+) ([0-9]+) " stopka
       "${zmiany}")
set(dzien ${CMAKE_MATCH_1})
set(rok ${CMAKE_MATCH_3})
set(miesiace Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND miesiace "${CMAKE_MATCH_2}" miesiac)
if(NOT zmiany MATCHES "^lista \\(${PROJECT_VERSION}\\) " OR NOT stopka OR miesiac LESS 0)
  message(FATAL_ERROR "debian/changelog must begin with the entry for lista ${PROJECT_VERSION}, "
                      "signed with its date, as dch writes it")
endif()
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  # Days from 1970-01-01 to the date, counting years from March, so that the leap day falls last.
  if(miesiac LESS 2)
    math(EXPR rok "${rok} - 1")
  endif()
  math(EXPR dni "365 * ${rok} + ${rok} / 4 - ${rok} / 100 + ${rok} / 400 - 719468 + \
                 (153 * ((${miesiac} + 10) % 12) + 2) / 5 + ${dzien} - 1")
  math(EXPR epoka "${dni} * 86400")
  set(ENV{SOURCE_DATE_EPOCH} ${epoka})
endif()
string(TIMESTAMP LISTA_DATA "%Y-%m-%d" UTC)  # from SOURCE_DATE_EPOCH
