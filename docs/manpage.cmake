# SPDX-License-Identifier: GPL-3.0-or-later
#
# Writes the manual page velmora.1 from the template velmora.1.in and the built program's own
# help and list of example acids, so that the page always describes the options the program
# has.
#
#   cmake -DPROGRAM=<velmora> -DTEMPLATE=<velmora.1.in> -DOUTPUT=<velmora.1>
#         -DVERSION=<1.0> -DDATE=<yyyy-mm-dd> -DDOCDIR=<folder of the theory document>
#         -DWEB_PAGE=<address> -P manpage.cmake

cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/helptext.cmake)

foreach(required PROGRAM TEMPLATE OUTPUT VERSION DATE DOCDIR WEB_PAGE)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "manpage.cmake needs -D${required}=...")
  endif()
endforeach()

# Text for roff: backslashes written as escapes, options' hyphens as minus signs, and no line
# that starts like a request.
# Semicolons stay protected (velmora_lines) until the page is put together.
function(roff out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REGEX MATCHALL "(^|[ (])--?[A-Za-z][A-Za-z0-9-]*" options "${text}")
  list(REMOVE_DUPLICATES options)
  foreach(option IN LISTS options)
    string(REPLACE "-" "\\-" escaped "${option}")
    string(REPLACE "${option}" "${escaped}" text "${text}")
  endforeach()
  if(text MATCHES "^[.']")
    set(text "\\&${text}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

velmora_run_program(help --help)
velmora_run_program(listing --list-presets)
velmora_parse_help("${help}")

# NAME: the first line of the description, as the short description of the command.
list(POP_FRONT HELP_DESCRIPTION summary)
string(REGEX REPLACE "\\.$" "" summary "${summary}")
if(summary MATCHES "^([A-Z])([a-z].*)$")
  string(TOLOWER "${CMAKE_MATCH_1}" first)
  set(summary "${first}${CMAKE_MATCH_2}")
endif()
roff(MAN_SUMMARY "${summary}")

# SYNOPSIS: the usage line, the command in bold, the rest as written.
string(REGEX REPLACE "^velmora *" "" rest "${HELP_USAGE}")
roff(rest "${rest}")
set(MAN_SYNOPSIS ".B velmora\n${rest}")

# DESCRIPTION: the further lines of the description, one paragraph each.
set(paragraphs "")
foreach(line IN LISTS HELP_DESCRIPTION)
  roff(line "${line}")
  list(APPEND paragraphs "${line}")
endforeach()
list(JOIN paragraphs "\n.PP\n" MAN_DESCRIPTION)

# OPTIONS: every option with its names in bold and its value in italics.
set(entries "")
foreach(n IN LISTS HELP_OPTIONS)
  set(names "")
  foreach(name IN LISTS HELP_OPTION_${n}_NAMES)
    string(REPLACE "-" "\\-" name "${name}")
    list(APPEND names "\\fB${name}\\fR")
  endforeach()
  list(JOIN names ", " head)
  if(NOT HELP_OPTION_${n}_VALUE STREQUAL "")
    set(head "${head} \\fI${HELP_OPTION_${n}_VALUE}\\fR")
  endif()
  roff(text "${HELP_OPTION_${n}_TEXT}")
  list(APPEND entries ".TP\n${head}\n${text}")
endforeach()
list(JOIN entries "\n" MAN_OPTIONS)

set(MAN_ARGUMENTS "")
if(HELP_ARGUMENTS)
  set(entries ".SH ARGUMENTS")
  foreach(n IN LISTS HELP_ARGUMENTS)
    roff(text "${HELP_ARGUMENT_${n}_TEXT}")
    list(APPEND entries ".TP\n\\fI${HELP_ARGUMENT_${n}_NAME}\\fR\n${text}")
  endforeach()
  list(JOIN entries "\n" MAN_ARGUMENTS)
endif()

# EXAMPLE ACIDS: the name --preset takes in bold, then the acid's other fields.
velmora_lines(lines "${listing}")
set(entries "")
foreach(line IN LISTS lines)
  string(REPLACE " | " ";" fields "${line}")
  list(LENGTH fields count)
  if(count LESS 2)
    continue()
  endif()
  list(POP_FRONT fields key acid)
  list(JOIN fields "<semicolon> " details)
  roff(acid "${acid}")
  roff(details "${details}")
  list(APPEND entries ".TP\n.B ${key}\n${acid}: ${details}.")
endforeach()
if(entries STREQUAL "")
  message(FATAL_ERROR "The program lists no example acids:\n${listing}")
endif()
list(JOIN entries "\n" MAN_PRESETS)

foreach(part MAN_SUMMARY MAN_SYNOPSIS MAN_DESCRIPTION MAN_OPTIONS MAN_ARGUMENTS MAN_PRESETS)
  velmora_unprotect(${part} "${${part}}")
endforeach()
set(MAN_VERSION "${VERSION}")
set(MAN_DATE "${DATE}")
set(MAN_DOCDIR "${DOCDIR}")
set(MAN_WEB_PAGE "${WEB_PAGE}")
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
