# The pictures of the window's drawings, rendered by the program's own painter as it is built, at
# the sizes and pixel ratios the window shows them: the program copies them out rather than paint
# paths and glyphs at every start. A library of their own, data alone, which the program, its
# tests and the benchmark link beside the layers; the tool that renders them links the content
# layer, where the drawings are.
qt_add_executable(export_pictures tools/export_pictures.cpp)
target_link_libraries(export_pictures PRIVATE worksheet_content)

set(pictures_dir ${CMAKE_BINARY_DIR}/pictures)
set(pictures_archive ${pictures_dir}/drawings.runs)
add_custom_command(
    OUTPUT ${pictures_archive}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${pictures_dir}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:export_pictures> ${pictures_archive}
    DEPENDS export_pictures
    COMMENT "Rendering the pictures of the drawings")

add_library(worksheet_pictures STATIC)
# Kept as they are: the program reads them where they lie, and they are packed already.
qt_add_resources(worksheet_pictures drawing_pictures
    PREFIX /pictures
    BASE ${pictures_dir}
    FILES ${pictures_archive}
    OPTIONS --no-compress)
target_link_libraries(worksheet_pictures PUBLIC Qt6::Core)
