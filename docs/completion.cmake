# SPDX-License-Identifier: GPL-3.0-or-later
#
# Writes the bash completion of velmora from the template velmora.bash.in and the built
# program's own help and list of example acids, so that it offers exactly the options and
# example acids the program has.
#
#   cmake -DPROGRAM=<velmora> -DTEMPLATE=<velmora.bash.in> -DOUTPUT=<velmora> -P completion.cmake

cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/helptext.cmake)

foreach(required PROGRAM TEMPLATE OUTPUT)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "completion.cmake needs -D${required}=...")
  endif()
endforeach()

velmora_run_program(help --help)
velmora_run_program(listing --list-presets)
velmora_parse_help("${help}")
velmora_preset_keys(presets "${listing}")

# Options by what follows them: a file name (a value called FILE), an example acid (--preset),
# another value (nothing to offer), or nothing.
set(all "")
set(file_options "")
set(preset_options "")
set(value_options "")
foreach(n IN LISTS HELP_OPTIONS)
  set(names "${HELP_OPTION_${n}_NAMES}")
  list(APPEND all ${names})
  set(value "${HELP_OPTION_${n}_VALUE}")
  if(value STREQUAL "")
    continue()
  elseif(value MATCHES "FILE")
    list(APPEND file_options ${names})
  elseif("--preset" IN_LIST names)
    list(APPEND preset_options ${names})
  else()
    list(APPEND value_options ${names})
  endif()
endforeach()

# A case pattern must not be empty: a word no option can be stands in for a missing kind.
foreach(kind file preset value)
  if(${kind}_options STREQUAL "")
    set(${kind}_options "--no-such-option-${kind}")
  endif()
endforeach()

list(JOIN file_options "|" COMPLETION_FILE_OPTIONS)
list(JOIN preset_options "|" COMPLETION_PRESET_OPTIONS)
list(JOIN value_options "|" COMPLETION_VALUE_OPTIONS)
list(JOIN all " " COMPLETION_OPTIONS)
list(JOIN presets " " COMPLETION_PRESETS)
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
