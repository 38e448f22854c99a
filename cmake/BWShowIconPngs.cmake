# PNGs of the editor's SVG icons, for a Qt without Qt Svg (the Windows build's): a host program
# built against the host's Qt Svg renders each drawing at every pixel size the program and its
# tests draw it at (the toolbar's 20, the list buttons' 24, the tabs' 32, the window icon's sizes,
# each at the usual screen scales), and the PNGs are compiled into the target's resources under
# ":/icons/png/<name>-<size>.png".
include(ExternalProject)

set(BWSHOW_ICON_PNG_SIZES
    16 20 22 24 25 30 32 33 36 40 44 48 64 96 128 192 256
    CACHE STRING "Pixel sizes of the icons rendered into PNGs")

function(bwshow_add_icon_pngs target)
    if(NOT TARGET bwshow_icon_renderer)
        ExternalProject_Add(bwshow_icon_renderer
            SOURCE_DIR ${PROJECT_SOURCE_DIR}/tools/icon-renderer
            BINARY_DIR ${CMAKE_BINARY_DIR}/icon-renderer
            CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
            INSTALL_COMMAND ""
            BUILD_BYPRODUCTS ${CMAKE_BINARY_DIR}/icon-renderer/bwshow-icon-renderer)
    endif()
    set(renderer ${CMAKE_BINARY_DIR}/icon-renderer/bwshow-icon-renderer)
    set(folder ${CMAKE_CURRENT_BINARY_DIR}/icon-pngs)
    set(svgs)
    set(pngs)
    foreach(svg ${ARGN})
        get_filename_component(svg ${svg} ABSOLUTE)
        get_filename_component(name ${svg} NAME_WE)
        list(APPEND svgs ${svg})
        foreach(size ${BWSHOW_ICON_PNG_SIZES})
            list(APPEND pngs ${folder}/${name}-${size}.png)
        endforeach()
    endforeach()
    list(JOIN BWSHOW_ICON_PNG_SIZES "," sizes)
    add_custom_command(OUTPUT ${pngs}
        COMMAND ${renderer} ${folder} ${sizes} ${svgs}
        DEPENDS ${svgs} bwshow_icon_renderer
        COMMENT "Rendering the icons into PNGs"
        VERBATIM)
    set_source_files_properties(${pngs} PROPERTIES GENERATED TRUE)
    qt_add_resources(${target} "icon_pngs" PREFIX "/icons/png" BASE ${folder} FILES ${pngs})
endfunction()
