# The program's layers, lowest first. Each is a static library of its own, which links the one
# before it and so every one below; includes run the same way, down this list, never up it.
set(WORKSHEET_LAYERS model content view assistive app)

# The sources of each layer, under src/<layer>/. main() is not in the app library: the program
# and the benchmark's probes each compile it.
set(model_sources
    coefficients.cpp coefficients.h
    description.h
    hand_in.cpp hand_in.h
    kept_work.cpp kept_work.h
    marking.cpp marking.h
    worksheet.cpp worksheet.h)
set(content_sources
    about_pictures.cpp about_pictures.h
    device_pixels.cpp device_pixels.h
    drawing.cpp drawing.h
    drawing_icons.cpp
    drawings.cpp drawings.h
    fonts.cpp fonts.h
    geometry.cpp geometry.h
    label.cpp label.h
    language.cpp language.h
    links.h
    look.h
    paper_texts.h
    picture_cache.cpp picture_cache.h
    prerendered.cpp prerendered.h
    results_texts.h
    spoken.h
    texts.h
    worksheet_document.cpp worksheet_document.h)
set(view_sources
    board.cpp board.h
    drag.cpp drag.h
    ghost.cpp ghost.h
    painted_label.cpp painted_label.h
    scroll_bar.cpp scroll_bar.h
    section_view.cpp section_view.h)
set(assistive_sources
    accessible.cpp accessible.h
    announcer.cpp announcer.h
    blank_stops.cpp blank_stops.h
    keyboard_stop.cpp keyboard_stop.h
    names.cpp names.h
    places.cpp places.h)
set(app_sources
    about_window.cpp about_window.h
    bounded_read.cpp bounded_read.h
    hand_in_dialog.cpp hand_in_dialog.h
    hand_in_files.cpp hand_in_files.h
    language_setting.cpp language_setting.h
    main_window.cpp main_window.h
    menu_bar.cpp menu_bar.h
    path_message.cpp path_message.h
    printing.cpp printing.h
    results_folder.cpp results_folder.h
    results_table.cpp results_table.h
    results_window.cpp results_window.h
    session.cpp session.h
    termination.cpp termination.h
    url_opener.cpp url_opener.h
    window_centring.cpp window_centring.h
    work_keeper.cpp work_keeper.h
    worksheet_document_file.cpp worksheet_document_file.h
    zooming.cpp zooming.h)
set(WORKSHEET_MAIN ${CMAKE_SOURCE_DIR}/src/app/main.cpp)
set(WORKSHEET_PRINTING_MODULE_SOURCE ${CMAKE_SOURCE_DIR}/src/app/printing_module.cpp)

# The Qt modules each layer uses itself: the model Qt Core alone, whatever the layers above need.
set(model_qt Qt6::Core)
set(content_qt Qt6::Gui Qt6::Widgets)
set(view_qt Qt6::Widgets)
set(assistive_qt Qt6::Widgets)
set(app_qt Qt6::Widgets)

# A layer finds headers through an include root of its own, build/layers/<layer>/, which holds
# links to the folders of src/ that it may include, its own and those of the layers below, and
# none other: "view/board.h" is found from view/, assistive/ and app/, and not from content/ or
# model/, whose compiler has no such folder to look in. A layer's root is part of its usage, so a
# layer sees the roots of those below it too, which see less than its own.
set(layer_roots ${CMAKE_BINARY_DIR}/layers)
set(seen_layers)
set(below)
set(WORKSHEET_LAYER_SOURCES ${WORKSHEET_MAIN} ${WORKSHEET_PRINTING_MODULE_SOURCE})
foreach(layer IN LISTS WORKSHEET_LAYERS)
    list(APPEND seen_layers ${layer})
    set(root ${layer_roots}/${layer})
    file(MAKE_DIRECTORY ${root})
    foreach(other IN LISTS WORKSHEET_LAYERS)
        if(other IN_LIST seen_layers)
            file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${other} ${root}/${other} SYMBOLIC)
        else()
            file(REMOVE ${root}/${other})
        endif()
    endforeach()

    list(TRANSFORM ${layer}_sources PREPEND ${CMAKE_SOURCE_DIR}/src/${layer}/
         OUTPUT_VARIABLE sources)
    list(APPEND WORKSHEET_LAYER_SOURCES ${sources})
    add_library(worksheet_${layer} STATIC ${sources})
    target_include_directories(worksheet_${layer} PUBLIC ${root})
    target_link_libraries(worksheet_${layer} PUBLIC ${below} ${${layer}_qt})
    set(below worksheet_${layer})
endforeach()

# A second guard, for what an include root cannot stop: a path that climbs out of its folder
# ("../app/menu_bar.h") or reaches src/ some other way. Before anything is compiled, every source
# of every layer, main() included, is read and any include of a layer above its own fails the build.
set(include_direction_stamp ${layer_roots}/include-direction.checked)
string(REPLACE ";" "," layer_order "${WORKSHEET_LAYERS}")
add_custom_command(
    OUTPUT ${include_direction_stamp}
    COMMAND ${CMAKE_COMMAND} -DLAYERS=${layer_order} -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
            -DSTAMP=${include_direction_stamp} -P ${CMAKE_SOURCE_DIR}/tools/include_direction.cmake
    DEPENDS ${WORKSHEET_LAYER_SOURCES} ${CMAKE_SOURCE_DIR}/tools/include_direction.cmake
    COMMENT "Checking that includes run down the layers"
    VERBATIM)
add_custom_target(include_direction ALL DEPENDS ${include_direction_stamp})
foreach(layer IN LISTS WORKSHEET_LAYERS)
    add_dependencies(worksheet_${layer} include_direction)
endforeach()
