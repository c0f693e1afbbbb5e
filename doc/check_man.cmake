# Renders the manual page with groff's warnings on, for a terminal that has
# the Japanese characters and for one that has only ASCII, and fails on any
# warning. Run as: cmake -DGROFF=... -DPAGE=... -P check_man.cmake
foreach(device utf8 ascii)
  execute_process(
    COMMAND ${GROFF} -ww -man -z -T${device} ${PAGE}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors)
  if(NOT result EQUAL 0 OR NOT "${output}${errors}" STREQUAL "")
    message(FATAL_ERROR "groff -T${device} on ${PAGE}: ${result}\n${output}${errors}")
  endif()
endforeach()
