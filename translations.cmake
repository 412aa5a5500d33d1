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
