# The program answers --help and --version, and refuses a command line it cannot follow, at once
# and with no display at all; Qt's own options get through to Qt, which then opens the window.
foreach(var PROGRAM BINARY VERSION)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()

# No display, and no platform chosen for Qt: whatever needs one fails.
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})

# Runs the program with the given arguments; a run that outlives `seconds` is stopped.
function(run seconds)
    execute_process(COMMAND ${PROGRAM} ${ARGN} TIMEOUT ${seconds}
                    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    set(result "${result}" PARENT_SCOPE)
    set(out "${out}" PARENT_SCOPE)
    set(err "${err}" PARENT_SCOPE)
endfunction()

# Qt's options before ours show that the parser lets them through.
foreach(arguments IN ITEMS "--version" "-v" "-platform;offscreen;-style=Fusion;-reverse;--version")
    run(60 ${arguments})
    if(NOT result EQUAL 0 OR NOT out STREQUAL "${BINARY} ${VERSION}\n")
        message(FATAL_ERROR "${arguments}: status ${result}, printed '${out}' '${err}'")
    endif()
endforeach()

run(60 --help)
if(NOT result EQUAL 0 OR NOT out MATCHES "^Usage: ${BINARY} \\[options\\]\n.*--help.*--version.*--answers")
    message(FATAL_ERROR "--help: status ${result}, printed '${out}' '${err}'")
endif()

foreach(mistake IN ITEMS "--nonsense" "-platform" "worksheet.pdf")
    run(60 ${mistake})
    if(NOT result EQUAL 2 OR NOT out STREQUAL ""
       OR NOT err MATCHES "^${BINARY}: [^\n]+\n\nUsage: ${BINARY} \\[options\\]\n")
        message(FATAL_ERROR "${mistake}: status ${result}, printed '${out}' '${err}'")
    endif()
endforeach()

# Without -platform the program would stop at once for want of a display; still running after a
# few seconds, it has the window open offscreen.
run(3 -platform offscreen -style Fusion)
if(NOT result STREQUAL "Process terminated due to timeout")
    message(FATAL_ERROR "-platform offscreen: status ${result}, printed '${out}' '${err}'")
endif()
