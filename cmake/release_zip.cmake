# Writes the zip a user takes: the program, its console companion
# (NOLBPanel.com) and the Japanese guide as a text
# file that Windows opens with a double-click (UTF-8 with a byte-order mark,
# CRLF line ends) and Notepad shows as plain lines (guide_text.cmake). The
# guide's screenshots stay out, and so do their lines.
#   cmake -DPROGRAM=<NOLBPanel.exe> -DCOMPANION=<NOLBPanel.com> -DGUIDE=<guide-ja.md> -DGUIDE_NAME=<name.txt>
#         -DZIP=<out.zip> -P release_zip.cmake
foreach(var PROGRAM COMPANION GUIDE GUIDE_NAME ZIP)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "release_zip.cmake: ${var} is not set")
  endif()
endforeach()

set(stage "${ZIP}.files")
file(REMOVE_RECURSE "${stage}")
file(MAKE_DIRECTORY "${stage}")
file(COPY "${PROGRAM}" "${COMPANION}" DESTINATION "${stage}")
get_filename_component(program_name "${PROGRAM}" NAME)
get_filename_component(companion_name "${COMPANION}" NAME)

include("${CMAKE_CURRENT_LIST_DIR}/guide_text.cmake")
file(READ "${GUIDE}" markdown)
guide_text(text "${markdown}")
string(REPLACE "\n" "\r\n" text "${text}")
string(ASCII 239 187 191 byte_order_mark)
file(WRITE "${stage}/${GUIDE_NAME}" "${byte_order_mark}${text}")

file(REMOVE "${ZIP}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E tar cf "${ZIP}" --format=zip
                        "${program_name}" "${companion_name}" "${GUIDE_NAME}"
                WORKING_DIRECTORY "${stage}" RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "release_zip.cmake: cannot write ${ZIP}")
endif()
file(REMOVE_RECURSE "${stage}")
