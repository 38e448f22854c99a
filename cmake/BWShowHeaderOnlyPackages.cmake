# The show tool's header-only libraries in a cross build. Debian installs nlohmann_json and CLI11
# for the host only, but their headers serve any target: each is offered through a folder of its
# own that holds nothing but its headers, so the target's compiler never sees the host's others.
function(bwshow_header_only_package package target header_folder)
    if(TARGET ${target} OR NOT EXISTS /usr/include/${header_folder})
        return()
    endif()
    set(folder ${CMAKE_BINARY_DIR}/header-only/${package})
    file(MAKE_DIRECTORY ${folder})
    file(CREATE_LINK /usr/include/${header_folder} ${folder}/${header_folder} SYMBOLIC)
    add_library(${target} INTERFACE IMPORTED GLOBAL)
    set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${folder})
    set(${package}_FOUND TRUE PARENT_SCOPE)
endfunction()
