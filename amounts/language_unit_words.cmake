# cmake -DLANGUAGES=ar,cs,.. -DTS_DIR=dir -DSPELLINGS=file -DOUTPUT=file
#       -P language_unit_words.cmake
#
# Writes OUTPUT, the rows of the table of each language's names of the
# units, in the order of LANGUAGES:
#   // ru
#   {{"Б", "КБ", ..}, {"Байт", "Килобайт|Кбайт|КиБ|кибибайт", ..}, "а|ов|ы"},
# Its symbols, words and endings come from SPELLINGS (unit_spellings.txt);
# its words also from its window (TS_DIR/main_LANG.ts: the unit option
# buttons' captions and the result labels), first. A script rather than a
# program, so that every build (the browser's too) makes the table with
# nothing but CMake.
cmake_policy(VERSION 3.25)
set(units Bytes Kilobytes Megabytes Gigabytes Terabytes Petabytes Exabytes)
string(REPLACE "," ";" languages "${LANGUAGES}")

# A value that goes into a C++ literal as it stands.
function(CheckValue value where)
  if(value STREQUAL "" OR value MATCHES "[\"]" OR value MATCHES "\\\\[^u]")
    message(FATAL_ERROR "${where}: \"${value}\" is no unit's name")
  endif()
endfunction()

file(STRINGS "${SPELLINGS}" lines ENCODING UTF-8 REGEX "^[^#]")
foreach(line IN LISTS lines)
  string(REGEX MATCHALL "[^ \t]+" fields "${line}")
  list(POP_FRONT fields language field)
  list(LENGTH fields count)
  if(NOT language IN_LIST languages OR
     NOT (field MATCHES "^(symbols|words)$" AND count EQUAL 7 OR
          field STREQUAL "endings" AND count EQUAL 1))
    message(FATAL_ERROR "${SPELLINGS}: no language's spellings: ${line}")
  endif()
  set(i 0)
  foreach(value IN LISTS fields)
    CheckValue("${value}" "${SPELLINGS}")
    if(NOT value STREQUAL "-")
      list(APPEND ${language}_${field}_${i} "${value}")
    endif()
    set(${language}_has_${field} TRUE)
    math(EXPR i "${i} + 1")
  endforeach()
endforeach()

foreach(language IN LISTS languages)
  file(READ "${TS_DIR}/main_${language}.ts" ts)
  string(REGEX MATCHALL
         "<source>[A-Za-z]+</source>[ \t\r\n]*<comment>(unit option button|result label)</comment>[ \t\r\n]*<translation>[^<]*</translation>"
         messages "${ts}")
  set(window)
  foreach(message IN LISTS messages)
    string(REGEX MATCH "<source>([A-Za-z]+)</source>.*<translation>([^<]*)<"
           _ "${message}")
    list(FIND units "${CMAKE_MATCH_1}" unit)
    # "&amp;" marks an access key; the word is read without it.
    string(REPLACE "&amp;" "" word "${CMAKE_MATCH_2}")
    CheckValue("${word}" "main_${language}.ts")
    if(unit LESS 0 OR word MATCHES "[&|\\\\]")
      message(FATAL_ERROR "main_${language}.ts: no unit's word: ${message}")
    endif()
    list(APPEND window_${unit} "${word}")
  endforeach()
  set(symbols)
  set(words)
  foreach(unit RANGE 6)
    if(NOT DEFINED window_${unit})
      message(FATAL_ERROR "main_${language}.ts: no word for ${unit}")
    endif()
    list(APPEND window_${unit} ${${language}_words_${unit}})
    list(REMOVE_DUPLICATES window_${unit})
    list(JOIN window_${unit} "|" joined)
    list(APPEND words "\"${joined}\"")
    list(APPEND symbols "\"${${language}_symbols_${unit}}\"")
    unset(window_${unit})
  endforeach()
  if(NOT ${language}_has_symbols)
    set(symbols)
  endif()
  list(JOIN symbols ", " symbols)
  list(JOIN words ", " words)
  string(APPEND rows "// ${language}\n{{${symbols}}, {${words}}, "
         "\"${${language}_endings_0}\"},\n")
endforeach()
file(WRITE "${OUTPUT}"
     "// Made by amounts/language_unit_words.cmake; do not edit.\n${rows}")
