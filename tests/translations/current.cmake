# SPDX-License-Identifier: GPL-3.0-or-later
#
# Checks that the .ts files hold every translatable text of the sources as they are: reads the
# sources anew into copies of the .ts files, as `make translations-update` does, and fails when a
# copy differs from its file (a text added, changed or removed without updating the translations).
#
#   cmake -DLUPDATE_LIST=<file with the lupdate command, one argument a line>
#         -DTS_FILES=<a.ts|b.ts> -DWORK=<folder> -P current.cmake

foreach(required LUPDATE_LIST TS_FILES WORK)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "current.cmake needs -D${required}=...")
  endif()
endforeach()

file(STRINGS "${LUPDATE_LIST}" lupdate)
string(REPLACE "|" ";" TS_FILES "${TS_FILES}")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(copies "")
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name "${ts}" NAME)
  file(COPY_FILE "${ts}" "${WORK}/${name}")
  list(APPEND copies "${WORK}/${name}")
endforeach()
execute_process(COMMAND ${lupdate} -silent -ts ${copies}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${status}): ${output}")
endif()
set(stale "")
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name "${ts}" NAME)
  file(READ "${ts}" committed)
  file(READ "${WORK}/${name}" current)
  if(NOT committed STREQUAL current)
    list(APPEND stale "${name}")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
if(stale)
  message(FATAL_ERROR "Not current with the sources: ${stale}. Run `make translations-update` "
                      "and translate the new texts.")
endif()
message(STATUS "The translations hold every text of the sources.")
