# The program's texts are written in Greek; the catalogues in translations/ give them in other
# languages. lrelease builds them into the core library as resources under :/i18n, so that the
# program, the tests and the build's tools all speak them; `cmake --build <dir> --target
# update_translations` runs lupdate over the sources to bring the catalogues up to date.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
file(GLOB_RECURSE translated_sources CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/src/*.cpp ${CMAKE_SOURCE_DIR}/src/*.h)
qt_add_translations(worksheet_core
    TS_FILES ${CMAKE_SOURCE_DIR}/translations/organic-acid-preparations_en.ts
    SOURCES ${translated_sources}
    LUPDATE_OPTIONS -no-obsolete -locations none)
