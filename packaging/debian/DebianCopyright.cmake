# The Debian package's copyright file, made from the project's own records:
# the header of .reuse/dep5 and each of its paragraphs that governs a file the
# package is made from, then every licence those paragraphs name, its text
# from LICENSES/, or a reference to Debian's own copy where Debian keeps one.
#
#   cmake -DSOURCE_DIR=<top> -DSOURCES=<path|path|...> -DOUTPUT=<file> -P DebianCopyright.cmake
#
# SOURCES are relative to SOURCE_DIR; a folder stands for every file in it.
# As in dep5 itself, the last paragraph whose patterns match a file governs it.

cmake_minimum_required(VERSION 3.25)

# CMake lists split on semicolons and group on brackets; the paragraphs are
# carried with those masked, and given back as they were.
string(ASCII 1 semicolon)
string(ASCII 2 openBracket)
string(ASCII 3 closeBracket)
file(READ "${SOURCE_DIR}/.reuse/dep5" dep5)
string(REPLACE ";" "${semicolon}" dep5 "${dep5}")
string(REPLACE "[" "${openBracket}" dep5 "${dep5}")
string(REPLACE "]" "${closeBracket}" dep5 "${dep5}")
string(STRIP "${dep5}" dep5)
string(REGEX REPLACE "\n([ \t]*\n)+" ";" paragraphs "${dep5}")
list(POP_FRONT paragraphs header)

# Each paragraph's Files patterns as regular expressions: in dep5, * matches
# any run of characters, / included, and ? any one.
set(patterns "")
set(index 0)
foreach(paragraph IN LISTS paragraphs)
  if(NOT paragraph MATCHES "(^|\n)Files:([^\n]*(\n[ \t][^\n]*)*)")
    message(FATAL_ERROR ".reuse/dep5: a paragraph without Files:\n${paragraph}")
  endif()
  string(REGEX REPLACE "[ \t\n]+" ";" globs "${CMAKE_MATCH_2}")
  list(FILTER globs EXCLUDE REGEX "^$")
  foreach(glob IN LISTS globs)
    if(glob MATCHES "[^A-Za-z0-9_./*?+-]")
      message(FATAL_ERROR ".reuse/dep5: the pattern '${glob}' has a character this reader does not handle")
    endif()
    string(REPLACE "." "\\." regex "${glob}")
    string(REPLACE "+" "\\+" regex "${regex}")
    string(REPLACE "?" "." regex "${regex}")
    string(REPLACE "*" ".*" regex "${regex}")
    list(APPEND patterns "${index}:^${regex}$")
  endforeach()
  math(EXPR index "${index} + 1")
endforeach()

# The files the package is made from, and the paragraph governing each.
string(REPLACE "|" ";" sources "${SOURCES}")
set(files "")
foreach(source IN LISTS sources)
  if(IS_DIRECTORY "${SOURCE_DIR}/${source}")
    file(GLOB_RECURSE inside RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${source}/*")
    list(APPEND files ${inside})
  elseif(EXISTS "${SOURCE_DIR}/${source}")
    list(APPEND files "${source}")
  else()
    message(FATAL_ERROR "The package is made from ${source}, which is not there")
  endif()
endforeach()
set(governing "")
foreach(path IN LISTS files)
  set(found "")
  foreach(pattern IN LISTS patterns)
    string(REGEX MATCH "^([0-9]+):(.*)$" _ "${pattern}")
    set(number "${CMAKE_MATCH_1}")
    if(path MATCHES "${CMAKE_MATCH_2}")
      set(found "${number}")
    endif()
  endforeach()
  if(found STREQUAL "")
    message(FATAL_ERROR ".reuse/dep5 says nothing of ${path}")
  endif()
  list(APPEND governing "${found}")
endforeach()
list(REMOVE_DUPLICATES governing)
list(SORT governing COMPARE NATURAL)

set(text "${header}\n")
set(licences "")
foreach(number IN LISTS governing)
  list(GET paragraphs ${number} paragraph)
  string(APPEND text "\n${paragraph}\n")
  if(NOT paragraph MATCHES "(^|\n)License:[ \t]*([^\n]*)")
    message(FATAL_ERROR ".reuse/dep5: a paragraph without License:\n${paragraph}")
  endif()
  string(STRIP "${CMAKE_MATCH_2}" licence)
  if(NOT licence MATCHES "^[A-Za-z0-9.+-]+$")
    message(FATAL_ERROR ".reuse/dep5: '${licence}' is not one licence; this reader takes one per paragraph")
  endif()
  list(APPEND licences "${licence}")
endforeach()
list(REMOVE_DUPLICATES licences)

foreach(licence IN LISTS licences)
  string(APPEND text "\nLicense: ${licence}\n")
  if(EXISTS "/usr/share/common-licenses/${licence}")
    string(APPEND text " On Debian systems, the full text of this licence is in\n"
                       " /usr/share/common-licenses/${licence}.\n")
  elseif(EXISTS "${SOURCE_DIR}/LICENSES/${licence}.txt")
    # Each line indented by one space, and an empty line as a lone full stop.
    file(READ "${SOURCE_DIR}/LICENSES/${licence}.txt" body)
    string(STRIP "${body}" body)
    string(REGEX REPLACE "[ \t]+\n" "\n" body "${body}")
    string(REPLACE "\n" "\n " body " ${body}")
    string(REGEX REPLACE "\n \n" "\n .\n" body "${body}")
    string(REGEX REPLACE "\n \n" "\n .\n" body "${body}")
    string(APPEND text "${body}\n")
  else()
    message(FATAL_ERROR "No text of ${licence}: neither LICENSES/${licence}.txt nor Debian's own copy")
  endif()
endforeach()

string(REPLACE "${semicolon}" ";" text "${text}")
string(REPLACE "${openBracket}" "[" text "${text}")
string(REPLACE "${closeBracket}" "]" text "${text}")
file(WRITE "${OUTPUT}" "${text}")
