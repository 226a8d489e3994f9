# Run by CTest: cmake -DZRODLA=<the project's sources> -P komunikaty.cmake
# The error lines the program can write, as the end-to-end table and the unit tests expect them,
# must stand in the README's table, with ORDINAL and GENITIVE for the number's name, and word for
# word in both manual pages, with the placeholders each page uses; and none of those documents may
# name a line the program cannot write.
cmake_minimum_required(VERSION 3.25)

# A message in the README's form: the number's name, in either case, as its placeholder.
function(wzor zmienna)
  string(REGEX REPLACE "^Błąd: (pierwsza|druga|trzecia) " "Błąd: ORDINAL " tekst "${${zmienna}}")
  string(REGEX REPLACE "^Błąd: brak (pierwszej|drugiej|trzeciej) " "Błąd: brak GENITIVE " tekst
                       "${tekst}")
  set(${zmienna} "${tekst}" PARENT_SCOPE)
endfunction()

set(program "")
file(STRINGS ${ZRODLA}/tests/e2e.txt wiersze ENCODING UTF-8 REGEX "^2\\| Błąd: ")
file(STRINGS ${ZRODLA}/tests/lista_test.cpp testy ENCODING UTF-8 REGEX "\"Błąd: ")
foreach(wiersz IN LISTS testy)
  string(REGEX MATCHALL "\"Błąd: [^\"\\\\]*" literaly "${wiersz}")
  list(APPEND wiersze ${literaly})
endforeach()
foreach(wiersz IN LISTS wiersze)
  string(REGEX REPLACE "^(2\\| |\")" "" komunikat "${wiersz}")
  wzor(komunikat)
  list(APPEND program "${komunikat}")
endforeach()
list(REMOVE_DUPLICATES program)

# The README's table: each message between backticks, at the start of a row.
file(STRINGS ${ZRODLA}/README.md wiersze ENCODING UTF-8 REGEX "^\\| `Błąd: ")
set(README.md "")
foreach(wiersz IN LISTS wiersze)
  string(REGEX REPLACE "^\\| `([^`]*)`.*" "\\1" komunikat "${wiersz}")
  list(APPEND README.md "${komunikat}")
endforeach()

# A manual page's .B or .BI line: its quoted pieces joined as groff joins them, with the page's
# own placeholders in between.
foreach(strona IN ITEMS lista.1 lista.pl.1)
  file(STRINGS ${ZRODLA}/${strona} wiersze ENCODING UTF-8 REGEX "^\\.BI? \"Błąd: ")
  set(${strona} "")
  foreach(wiersz IN LISTS wiersze)
    string(REGEX REPLACE "^\\.BI? " "" wiersz "${wiersz}")
    string(REGEX MATCHALL "\"[^\"]*\"|[^ \"]+" kawalki "${wiersz}")
    string(REPLACE "\"" "" kawalki "${kawalki}")
    string(REPLACE ";" "" komunikat "${kawalki}")
    string(REPLACE "\\-" "-" komunikat "${komunikat}")
    string(REGEX REPLACE "KTÓRA" "ORDINAL" komunikat "${komunikat}")
    string(REGEX REPLACE "KTÓREJ" "GENITIVE" komunikat "${komunikat}")
    list(APPEND ${strona} "${komunikat}")
  endforeach()
endforeach()

set(bledy "")
foreach(dokument IN ITEMS README.md lista.1 lista.pl.1)
  foreach(komunikat IN LISTS program)
    if(NOT komunikat IN_LIST ${dokument})
      string(APPEND bledy "${dokument} lacks the message \"${komunikat}\"\n")
    endif()
  endforeach()
  foreach(komunikat IN LISTS ${dokument})
    if(NOT komunikat IN_LIST program)
      string(APPEND bledy "${dokument} names \"${komunikat}\", which the program cannot write\n")
    endif()
  endforeach()
endforeach()
if(bledy)
  message(FATAL_ERROR "${bledy}")
endif()
list(LENGTH program ile)
message(STATUS "${ile} messages, each in README.md, lista.1 and lista.pl.1")
