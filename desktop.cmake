# Installation as a desktop program: the binary, its launcher, its icon in the hicolor theme at
# the usual sizes and as a scalable drawing, its AppStream metainfo, its manual pages in English
# and Greek, the printable worksheet; and a Debian package.
include(GNUInstallDirs)

set(WORKSHEET_APP_ID org.example.OrganicAcidPreparations)
set(WORKSHEET_BINARY organic-acid-preparations)
set(WORKSHEET_ICON_SIZES 16 22 24 32 48 64 128 256)

# main() answers --version with these, and names the program so even when run from the build tree.
set(WORKSHEET_IDENTITY_DEFINITIONS WORKSHEET_BINARY="${WORKSHEET_BINARY}"
    WORKSHEET_VERSION="${PROJECT_VERSION}")
target_compile_definitions(worksheet PRIVATE ${WORKSHEET_IDENTITY_DEFINITIONS})
# A hand-in's record names the worksheet's activity by the program's own id.
target_compile_definitions(worksheet_model PRIVATE WORKSHEET_APP_ID="${WORKSHEET_APP_ID}")

# Qt Print Support serves the hand-in's print dialog alone, from a module of its own that the
# program loads when a print is asked for: linked into the program, it would be loaded and
# relocated at every start. Installed in lib/<program>/modules/ beside bin/, a folder of its own
# that the package's maintainer scripts leave to themselves (a library directly under lib/<name>/
# makes CPack run ldconfig at every install); in the build tree, beside the program. It links
# the C library whatever it calls of it, as Debian wants of every shared object.
set(printing_module_dir lib/${WORKSHEET_BINARY}/modules)
add_library(printing MODULE ${WORKSHEET_PRINTING_MODULE_SOURCE})
set_target_properties(printing PROPERTIES PREFIX "" LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
target_include_directories(printing PRIVATE ${CMAKE_BINARY_DIR}/layers/app)
target_link_options(printing PRIVATE LINKER:--no-as-needed)
target_link_libraries(printing PRIVATE Qt6::Widgets Qt6::PrintSupport c)
target_compile_definitions(worksheet_app PRIVATE
                           WORKSHEET_PRINTING_MODULE_DIR="${printing_module_dir}"
                           WORKSHEET_PRINTING_MODULE="$<TARGET_FILE_NAME:printing>")
add_dependencies(worksheet printing)

find_package(Qt6 REQUIRED COMPONENTS Svg)
qt_add_executable(export_icons tools/export_icons.cpp)
target_link_libraries(export_icons PRIVATE worksheet_content Qt6::Svg)

set(icon_dir ${CMAKE_BINARY_DIR}/icons)
set(icon_files ${icon_dir}/${WORKSHEET_APP_ID}.svg)
foreach(size IN LISTS WORKSHEET_ICON_SIZES)
    list(APPEND icon_files ${icon_dir}/${WORKSHEET_APP_ID}-${size}.png)
endforeach()
add_custom_command(
    OUTPUT ${icon_files}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_dir}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:export_icons> ${icon_dir} ${WORKSHEET_APP_ID} ${WORKSHEET_ICON_SIZES}
    DEPENDS export_icons
    COMMENT "Rendering the icon for the icon theme")
add_custom_target(desktop_icons ALL DEPENDS ${icon_files})

# The printable worksheet and its answer key, drawn by the program's own painter. The program
# looks for them under share/ beside its bin/ directory and, run from the build tree, beside
# itself, so the names and places here are the ones it expects.
qt_add_executable(export_worksheet tools/export_worksheet.cpp)
target_link_libraries(export_worksheet PRIVATE worksheet_content)
# The Greek documents keep their names; the English ones end in -en.
set(worksheet_documents)
foreach(language IN ITEMS el en)
    set(suffix "")
    if(NOT language STREQUAL "el")
        set(suffix "-${language}")
    endif()
    set(worksheet_document ${CMAKE_BINARY_DIR}/${WORKSHEET_BINARY}-worksheet${suffix}.pdf)
    set(answer_key ${CMAKE_BINARY_DIR}/${WORKSHEET_BINARY}-answers${suffix}.pdf)
    add_custom_command(
        OUTPUT ${worksheet_document} ${answer_key}
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                $<TARGET_FILE:export_worksheet> ${language} ${worksheet_document} ${answer_key}
        DEPENDS export_worksheet
        COMMENT "Drawing the printable worksheet and its answer key (${language})")
    list(APPEND worksheet_documents ${worksheet_document} ${answer_key})
endforeach()
add_custom_target(worksheet_document ALL DEPENDS ${worksheet_documents})

# Manual pages and the changelog are installed compressed, as Debian wants them; -n leaves the
# name and time out of the gzip header, so that the same sources give the same package.
find_program(GZIP gzip REQUIRED)
set(gzip_dir ${CMAKE_BINARY_DIR}/gzipped)
set(gzipped_files)
foreach(source IN ITEMS man/${WORKSHEET_BINARY}.1 man/el/${WORKSHEET_BINARY}.1
                        packaging/debian/changelog)
    set(copy ${gzip_dir}/${source})
    add_custom_command(
        OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/${source} ${copy}
        COMMAND ${GZIP} -9nf ${copy}
        DEPENDS ${CMAKE_SOURCE_DIR}/${source}
        COMMENT "Compressing ${source}"
        VERBATIM)
    list(APPEND gzipped_files ${copy}.gz)
endforeach()
add_custom_target(gzipped_documents ALL DEPENDS ${gzipped_files})

install(PROGRAMS $<TARGET_FILE:worksheet> DESTINATION ${CMAKE_INSTALL_BINDIR}
        RENAME ${WORKSHEET_BINARY})
# Unlike install(TARGETS), install(PROGRAMS) never strips what it installs; a stripping install
# (cmake --install --strip, and the package) strips the binary and the module as Debian's dh_strip
# would.
# A module is not run, only loaded: it is installed readable, not executable, as Debian wants.
install(FILES $<TARGET_FILE:printing> DESTINATION ${printing_module_dir})
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(
            COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${WORKSHEET_BINARY}\"
            COMMAND_ERROR_IS_FATAL ANY)
        execute_process(
            COMMAND \"${CMAKE_STRIP}\" --strip-unneeded --remove-section=.comment
                    --remove-section=.note
                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${printing_module_dir}/$<TARGET_FILE_NAME:printing>\"
            COMMAND_ERROR_IS_FATAL ANY)
    endif()")
install(FILES data/${WORKSHEET_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The metainfo carries the home page the build was configured with (addresses.cmake).
set(metainfo ${CMAKE_BINARY_DIR}/data/${WORKSHEET_APP_ID}.metainfo.xml)
configure_file(data/${WORKSHEET_APP_ID}.metainfo.xml.in ${metainfo} @ONLY)
install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${icon_dir}/${WORKSHEET_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN LISTS WORKSHEET_ICON_SIZES)
    install(FILES ${icon_dir}/${WORKSHEET_APP_ID}-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${WORKSHEET_APP_ID}.png)
endforeach()
install(FILES ${worksheet_documents}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/${WORKSHEET_BINARY})
install(FILES ${gzip_dir}/man/${WORKSHEET_BINARY}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${gzip_dir}/man/el/${WORKSHEET_BINARY}.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/el/man1)
# Named after the package, not the CMake project, as Debian looks for them there.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${WORKSHEET_BINARY})
install(FILES packaging/debian/copyright DESTINATION ${doc_dir})
install(FILES ${gzip_dir}/packaging/debian/changelog.gz DESTINATION ${doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${WORKSHEET_BINARY})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Chemistry worksheet maintainers <worksheet@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Chemistry worksheet: preparations of carboxylic acids")
# Lines of the long description stay within 80 columns, counting the space that dpkg puts first.
set(CPACK_PACKAGE_DESCRIPTION
    "A Greek-language worksheet for secondary-school organic chemistry. The
student drags compounds into the blanks of reactions, types the
stoichiometric coefficients and asks for a check, which marks five
sections and shows a grade in per cent.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The program is not free software (see packaging/debian/copyright), which puts it in non-free.
set(CPACK_DEBIAN_PACKAGE_SECTION non-free/education)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The drawings and texts need a sans-serif face with Greek letters.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2 | fonts-dejavu-core")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
