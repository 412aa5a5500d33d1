# The program's texts are written in Greek; the catalogues in translations/ give them in other
# languages. lrelease builds them into the content library, whose language.cpp loads them, as
# resources under :/i18n, so that the program, the tests and the build's tools all speak them;
# `cmake --build <dir> --target update_translations` runs lupdate over every layer's sources to
# bring the catalogues up to date.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
qt_add_translations(worksheet_content
    TS_FILES ${CMAKE_SOURCE_DIR}/translations/organic-acid-preparations_en.ts
    SOURCES ${WORKSHEET_LAYER_SOURCES}
    LUPDATE_OPTIONS -no-obsolete -locations none)

# Qt's own texts the window shows (the message boxes' buttons, the context menus of the
# coefficient boxes and the scroll bar) come from Qt's catalogues where the system has one;
# Debian ships none in Greek, so the program carries its own for those few.
set(qt_catalogue ${CMAKE_CURRENT_BINARY_DIR}/qtbase_el.qm)
add_custom_command(
    OUTPUT ${qt_catalogue}
    COMMAND Qt6::lrelease -silent ${CMAKE_SOURCE_DIR}/translations/qtbase_el.ts -qm ${qt_catalogue}
    DEPENDS ${CMAKE_SOURCE_DIR}/translations/qtbase_el.ts
    COMMENT "Compiling the Greek catalogue of Qt's own texts"
    VERBATIM)
# Uncompressed: the catalogue is small, and reading it compressed would keep the decompressor's
# library resident for the whole run.
qt_add_resources(worksheet_content qt_catalogues
    PREFIX /i18n
    OPTIONS -no-compress
    BASE ${CMAKE_CURRENT_BINARY_DIR}
    FILES ${qt_catalogue})
