# SPDX-License-Identifier: GPL-3.0-or-later
#
# Reads the program's own help and list of example acids, for the scripts that write the man
# page and the shell completion at build time (cmake -P), so that neither can fall behind the
# program's options.
#
# The help is the layout of Qt's command-line parser:
#
#   Usage: /path/to/velmora [options] [file]
#   First line of the description.
#   Further lines of the description.
#
#   Options:
#     -h, --help       Shows this help.
#     --export <FILE>  Writes the diagram to FILE: ...
#                      continued on the next line.
#
#   Arguments:
#     file             ...

# velmora_run_program(<out> <arguments>...): runs PROGRAM (a -D definition of the calling
# script) with the arguments and stores its standard output. Anything but status 0 is an error.
function(velmora_run_program out)
  execute_process(COMMAND "${PROGRAM}" ${ARGN}
                  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${ARGN} failed (${status}): ${errors}")
  endif()
  set(${out} "${output}" PARENT_SCOPE)
endfunction()

# velmora_lines(<out> <text>): the lines of a text as a list. Semicolons, which would split list
# elements, are kept as the text "<semicolon>"; velmora_unprotect() puts them back.
function(velmora_lines out text)
  string(REPLACE ";" "<semicolon>" text "${text}")
  string(REPLACE "\r" "" text "${text}")
  string(REGEX REPLACE "\n+$" "" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()

function(velmora_unprotect out text)
  string(REPLACE "<semicolon>" ";" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# velmora_parse_help(<help text>) sets, in the caller's scope:
#   HELP_USAGE        the usage line after "Usage: ", the program named by its plain name
#   HELP_DESCRIPTION  the description, a list of lines
#   HELP_OPTIONS      a list of entry numbers; for each entry <n>:
#     HELP_OPTION_<n>_NAMES  its names as written ("-h;--help")
#     HELP_OPTION_<n>_VALUE  the name of its value ("FILE") or empty
#     HELP_OPTION_<n>_TEXT   its explanation, continuation lines joined
#   HELP_ARGUMENTS, HELP_ARGUMENT_<n>_NAME, HELP_ARGUMENT_<n>_TEXT  the same for arguments
# Texts keep "<semicolon>" for semicolons (see velmora_lines).
function(velmora_parse_help help)
  velmora_lines(lines "${help}")
  set(section "")
  set(usage "")
  set(description "")
  set(options "")
  set(arguments "")
  set(count 0)
  foreach(line IN LISTS lines)
    if(section STREQUAL "" AND line MATCHES "^Usage: +[^ ]+(.*)$")
      set(usage "velmora${CMAKE_MATCH_1}")
      set(section description)
    elseif(line STREQUAL "Options:")
      set(section options)
    elseif(line STREQUAL "Arguments:")
      set(section arguments)
    elseif(section STREQUAL "description")
      if(NOT line STREQUAL "")
        list(APPEND description "${line}")
      endif()
    elseif(line MATCHES "^  ([^ ]+( [^ ]+)*)  +([^ ].*)$")
      # A new entry: its names (words with single blanks between them), two or more blanks,
      # the start of its explanation.
      math(EXPR count "${count} + 1")
      set(names "${CMAKE_MATCH_1}")
      set(text "${CMAKE_MATCH_3}")
      if(section STREQUAL "options")
        list(APPEND options ${count})
        set(value "")
        if(names MATCHES "^(.*) <([^>]+)>$")
          set(names "${CMAKE_MATCH_1}")
          set(value "${CMAKE_MATCH_2}")
        endif()
        string(REPLACE ", " ";" names "${names}")
        set(HELP_OPTION_${count}_NAMES "${names}" PARENT_SCOPE)
        set(HELP_OPTION_${count}_VALUE "${value}" PARENT_SCOPE)
        set(entry HELP_OPTION_${count}_TEXT)
      elseif(section STREQUAL "arguments")
        list(APPEND arguments ${count})
        set(HELP_ARGUMENT_${count}_NAME "${names}" PARENT_SCOPE)
        set(entry HELP_ARGUMENT_${count}_TEXT)
      else()
        continue()
      endif()
      set(${entry} "${text}")
    elseif(line MATCHES "^   +([^ ].*)$" AND DEFINED entry)
      # The explanation goes on.
      set(${entry} "${${entry}} ${CMAKE_MATCH_1}")
    endif()
    if(DEFINED entry)
      set(${entry} "${${entry}}" PARENT_SCOPE)
    endif()
  endforeach()
  if(usage STREQUAL "" OR options STREQUAL "")
    message(FATAL_ERROR "The program's help has no usage line or no options:\n${help}")
  endif()
  set(HELP_USAGE "${usage}" PARENT_SCOPE)
  set(HELP_DESCRIPTION "${description}" PARENT_SCOPE)
  set(HELP_OPTIONS "${options}" PARENT_SCOPE)
  set(HELP_ARGUMENTS "${arguments}" PARENT_SCOPE)
endfunction()

# velmora_preset_keys(<out> <listing>): the names --preset takes, from --list-presets (one acid a
# line, its name first, fields separated by " | ").
function(velmora_preset_keys out listing)
  velmora_lines(lines "${listing}")
  set(keys "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^([^ |]+) \\| ")
      list(APPEND keys "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  if(keys STREQUAL "")
    message(FATAL_ERROR "The program lists no example acids:\n${listing}")
  endif()
  set(${out} "${keys}" PARENT_SCOPE)
endfunction()
