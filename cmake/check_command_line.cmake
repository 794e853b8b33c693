# Runs the console's and the simulator's command line as a user would, without a display:
#   cmake -DCONSOLE=... -DSIM=... -DVERSION=... -P check_command_line.cmake
string(REPLACE "." "\\." version "${VERSION}")

# expect(CODE STDOUT_REGEX STDERR_REGEX COMMAND...): "" matches an empty stream.
function(expect code out_regex err_regex)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE got OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
  set(ok TRUE)
  if(NOT got STREQUAL code)
    set(ok FALSE)
  endif()
  foreach(stream out err)
    if(${stream}_regex STREQUAL "")
      if(NOT ${stream} STREQUAL "")
        set(ok FALSE)
      endif()
    elseif(NOT ${stream} MATCHES "${${stream}_regex}")
      set(ok FALSE)
    endif()
  endforeach()
  if(NOT ok)
    message(SEND_ERROR "${ARGN}: exit ${got} (expected ${code})\nstdout: ${out}\nstderr: ${err}")
  endif()
endfunction()

expect(0 "^kestrova ${version} \\(built [0-9-]+\\)\n$" "" ${CONSOLE} --version)
expect(0 "^Usage: kestrova .*--version" "" ${CONSOLE} --help)
expect(2 "" "unknown option '--bogus'.*Usage: kestrova" ${CONSOLE} --bogus)
expect(0 "^kestrova-board-sim ${version} \\(built [0-9-]+\\)\n$" "" ${SIM} --version)
expect(2 "" "--ignore-writes" ${SIM} --ignore-writes 12,x)

# Without an option the console starts and keeps running (the offscreen platform stands in
# for a display; no port is opened).
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{KESTROVA_PORTS} /nonexistent)
execute_process(COMMAND ${CONSOLE} RESULT_VARIABLE got OUTPUT_QUIET ERROR_QUIET TIMEOUT 3)
if(NOT got MATCHES "timeout")
  message(SEND_ERROR "the console without options ended at once (${got})")
endif()
