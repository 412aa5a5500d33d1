# Installs the build into a scratch prefix and checks what a desktop needs of it: the binary the
# launcher starts, the launcher and metainfo (validated where the validators are installed), the
# icon at every size of the theme, the printable worksheet and the printing module where the
# program looks for them; and what Debian wants besides: the manual pages, which must render
# without a warning, and the copyright and changelog, all of one version.
foreach(var BUILD_DIR PREFIX APP_ID BINARY ICON_SIZES VERSION)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()
string(REPLACE "," ";" ICON_SIZES "${ICON_SIZES}")

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(desktop ${PREFIX}/share/applications/${APP_ID}.desktop)
set(metainfo ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml)
set(manual_pages ${PREFIX}/share/man/man1/${BINARY}.1.gz ${PREFIX}/share/man/el/man1/${BINARY}.1.gz)
set(changelog ${PREFIX}/share/doc/${BINARY}/changelog.gz)
set(worksheet ${PREFIX}/share/${BINARY}/${BINARY}-worksheet.pdf)
set(answers ${PREFIX}/share/${BINARY}/${BINARY}-answers.pdf)
# The same two in English.
set(worksheet_en ${PREFIX}/share/${BINARY}/${BINARY}-worksheet-en.pdf)
set(answers_en ${PREFIX}/share/${BINARY}/${BINARY}-answers-en.pdf)
# The print dialog's module, where the program looks for it from bin/.
set(expected ${PREFIX}/bin/${BINARY} ${PREFIX}/lib/${BINARY}/modules/printing.so
             ${desktop} ${metainfo} ${worksheet} ${answers}
             ${worksheet_en} ${answers_en}
             ${PREFIX}/share/icons/hicolor/scalable/apps/${APP_ID}.svg
             ${manual_pages} ${changelog} ${PREFIX}/share/doc/${BINARY}/copyright)
foreach(size IN LISTS ICON_SIZES)
    list(APPEND expected ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(path IN LISTS expected)
    if(NOT EXISTS ${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

file(STRINGS ${desktop} exec_line REGEX "^Exec=")
if(NOT exec_line STREQUAL "Exec=${BINARY}")
    message(FATAL_ERROR "the launcher starts '${exec_line}', not ${BINARY}")
endif()
file(STRINGS ${desktop} icon_line REGEX "^Icon=")
if(NOT icon_line STREQUAL "Icon=${APP_ID}")
    message(FATAL_ERROR "the launcher shows '${icon_line}', not ${APP_ID}")
endif()

find_program(PDFINFO pdfinfo)
if(PDFINFO)
    foreach(document IN ITEMS ${worksheet} ${answers} ${worksheet_en} ${answers_en})
        execute_process(COMMAND ${PDFINFO} ${document} OUTPUT_VARIABLE info
                        RESULT_VARIABLE result)
        if(NOT result EQUAL 0 OR NOT info MATCHES "\nPage size: +[0-9.]+ x [0-9.]+ pts \\(A4\\)\n"
           OR NOT info MATCHES "\nPages: +1\n")
            message(FATAL_ERROR "pdfinfo does not read ${document} as one A4 page:\n${info}")
        endif()
    endforeach()
else()
    message(STATUS "pdfinfo is not installed: the documents' pages not checked")
endif()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${desktop} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "desktop-file-validate rejects ${desktop}")
    endif()
else()
    message(STATUS "desktop-file-validate is not installed: launcher not validated")
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${metainfo} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "appstreamcli rejects ${metainfo}")
    endif()
else()
    message(STATUS "appstreamcli is not installed: metainfo not validated")
endif()

# The version the build carries is the one the changelog, the metainfo and the manual pages name.
execute_process(COMMAND gzip -dc ${changelog} OUTPUT_VARIABLE changelog_text RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT changelog_text MATCHES "^${BINARY} \\(${VERSION}\\) ")
    message(FATAL_ERROR "the changelog does not begin with version ${VERSION}")
endif()
file(STRINGS ${metainfo} releases REGEX "<release ")
list(GET releases 0 newest_release)
if(NOT newest_release MATCHES "version=\"${VERSION}\"")
    message(FATAL_ERROR "the newest release in the metainfo is not ${VERSION}: ${newest_release}")
endif()

find_program(MAN man)
if(MAN)
    # As lintian reads them: UTF-8, 80 columns, every warning of groff and man shown.
    set(ENV{LC_ALL} C.UTF-8)
    set(ENV{MANWIDTH} 80)
    foreach(page IN LISTS manual_pages)
        execute_process(COMMAND ${MAN} --warnings -E UTF-8 -l ${page}
                        OUTPUT_VARIABLE text ERROR_VARIABLE warnings RESULT_VARIABLE result)
        if(NOT result EQUAL 0 OR NOT warnings STREQUAL "")
            message(FATAL_ERROR "man renders ${page} with warnings:\n${warnings}")
        endif()
        if(NOT text MATCHES "\n${BINARY} ${VERSION} +[0-9-]+ +")
            message(FATAL_ERROR "${page} does not name version ${VERSION}")
        endif()
    endforeach()
else()
    message(STATUS "man is not installed: manual pages not rendered")
endif()
