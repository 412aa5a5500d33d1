# The program answers --help and --version, and refuses a command line it cannot follow, at once
# and with no display at all, in English, or in Greek under a Greek locale, or in the language
# --language names; Qt's own options get through to Qt, which then opens the window.
foreach(var PROGRAM BINARY VERSION)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()

# No display, and no platform chosen for Qt: whatever needs one fails.
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
# English, whatever the locale of whoever runs the tests.
unset(ENV{LC_ALL})
unset(ENV{LC_MESSAGES})
set(ENV{LANG} C)

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
if(NOT result EQUAL 0 OR NOT out MATCHES
   "^Usage: ${BINARY} \\[options\\]\n.*--help.*--version.*--answers.*--results FOLDER.*--csv")
    message(FATAL_ERROR "--help: status ${result}, printed '${out}' '${err}'")
endif()

# --csv prints the table of --results, and --results is a window of its own, not the answer key.
foreach(mistake IN ITEMS "--nonsense" "-platform" "worksheet.pdf" "--results" "--csv"
                         "--answers;--results;.")
    run(60 ${mistake})
    if(NOT result EQUAL 2 OR NOT out STREQUAL ""
       OR NOT err MATCHES "^${BINARY}: [^\n]+\n\nUsage: ${BINARY} \\[options\\]\n")
        message(FATAL_ERROR "${mistake}: status ${result}, printed '${out}' '${err}'")
    endif()
endforeach()

# Without a display the window cannot open, and the program says so; with -platform, still running
# after a few seconds, it has the window open offscreen.
# The teacher's table too.
foreach(arguments IN ITEMS "" "--results;${CMAKE_CURRENT_LIST_DIR}")
    run(60 ${arguments})
    if(NOT result EQUAL 1
       OR NOT err STREQUAL "${BINARY}: There is no display to open the window on.\n")
        message(FATAL_ERROR "no display, '${arguments}': status ${result}, printed '${out}' '${err}'")
    endif()
endforeach()
run(3 -platform offscreen -style Fusion)
if(NOT result STREQUAL "Process terminated due to timeout")
    message(FATAL_ERROR "-platform offscreen: status ${result}, printed '${out}' '${err}'")
endif()

# Greek under a Greek locale.
set(ENV{LANG} el_GR.UTF-8)
run(60 --help)
if(NOT result EQUAL 0 OR NOT out MATCHES "^Χρήση: ${BINARY} \\[επιλογές\\]\n.*--answers.*τερματίζει")
    message(FATAL_ERROR "--help in Greek: status ${result}, printed '${out}' '${err}'")
endif()
run(60 --nonsense)
if(NOT result EQUAL 2 OR NOT err MATCHES "^${BINARY}: Άγνωστη επιλογή «nonsense»\\.\n\nΧρήση: ")
    message(FATAL_ERROR "--nonsense in Greek: status ${result}, printed '${out}' '${err}'")
endif()

# --language outranks the locale, and takes only the worksheet's two languages.
run(60 --language en --help)
if(NOT result EQUAL 0 OR NOT out MATCHES "^Usage: ${BINARY} \\[options\\]\n.*--language el\\|en")
    message(FATAL_ERROR "--language en --help: status ${result}, printed '${out}' '${err}'")
endif()
run(60 --language fr)
if(NOT result EQUAL 2 OR NOT err MATCHES "^${BINARY}: Άγνωστη γλώσσα «fr»")
    message(FATAL_ERROR "--language fr: status ${result}, printed '${out}' '${err}'")
endif()
